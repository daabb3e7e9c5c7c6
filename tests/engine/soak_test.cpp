// A long random run of what a learner can do with exercises: new exercises, drops between any two
// labels, scores and restarts, with the rules of the exercise checked after every step.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/exercise.h"
#include "tests/engine/soak.h"

using engine::Exercise;
using engine::Slot;

namespace {

constexpr int kLabels = engine::kPoolSlots + engine::kTargets;
constexpr int kImperative = static_cast<int>(catalogue::Tense::Imperative);

Slot labelAt(int n) { return n < engine::kPoolSlots ? Slot::pool(n) : Slot::target(n - engine::kPoolSlots); }

std::ostream& operator<<(std::ostream& out, Slot slot)
{
    return out << (slot.kind == Slot::Kind::Pool ? "pool " : "target ") << slot.index;
}

struct Operation {
    enum Kind { Build, Drop, Score, Restart } kind = Build;
    Slot source = Slot::pool(0);
    Slot target = Slot::pool(0);
};

class LearnerRun {
public:
    explicit LearnerRun(std::uint64_t seed) : source_(seed), random_(seed + 1) {}

    // Does one operation and returns what broke, or "" when every rule still holds.
    std::string step()
    {
        last_ = exercise_.verb() == 0 ? Operation{} : draw();
        ++counts_[last_.kind];
        std::ostringstream broken;
        switch (last_.kind) {
        case Operation::Build:
            build(broken);
            break;
        case Operation::Drop:
            drop(broken);
            break;
        case Operation::Score:
            score(broken);
            break;
        case Operation::Restart:
            restart(broken);
            break;
        }
        checkBoard(broken);
        return broken.str();
    }

    std::string describeLast() const
    {
        static constexpr const char* kNames[] = {"new exercise", "drop", "score", "restart"};
        std::ostringstream text;
        text << kNames[last_.kind];
        if (last_.kind == Operation::Drop)
            text << " from " << last_.source << " onto " << last_.target;
        text << " (verb " << exercise_.verb() << ", tense " << exercise_.tense() << ")";
        return text.str();
    }

    std::string summary() const
    {
        std::ostringstream text;
        text << counts_[Operation::Build] << " new exercises, " << counts_[Operation::Drop] << " drops (" << drops_
             << " that changed places), " << counts_[Operation::Score] << " scores, " << counts_[Operation::Restart]
             << " restarts";
        return text.str();
    }

private:
    Operation draw()
    {
        const int roll = std::uniform_int_distribution<int>(0, 99)(random_);
        if (roll < 3)
            return {Operation::Build};
        if (roll < 9)
            return {Operation::Score};
        if (roll < 13)
            return {Operation::Restart};
        std::uniform_int_distribution<int> label(0, kLabels - 1);
        return {Operation::Drop, labelAt(label(random_)), labelAt(label(random_))};
    }

    bool isHidden(Slot slot) const
    {
        return slot.kind == Slot::Kind::Target && !exercise_.board().rowVisible[static_cast<std::size_t>(slot.index)];
    }

    void build(std::ostream& broken)
    {
        const int reseeds = source_.reseeds;
        exercise_.build(source_);
        const int verb = exercise_.verb();
        const int tense = exercise_.tense();
        if (source_.reseeds != reseeds + 1)
            broken << "a new exercise reseeded " << source_.reseeds - reseeds << " times; ";
        if (verb < 1 || verb > catalogue::kVerbCount || tense < 1 || tense > catalogue::kTenseCount) {
            broken << "drew verb " << verb << " and tense " << tense;
            return;
        }
        const auto& pool = catalogue::paradigm(verb).pool;
        builtItems_.assign(pool.begin(), pool.end());
        builtCaptions_ = builtItems_;
        builtCaptions_.resize(kLabels);
        std::sort(builtCaptions_.begin(), builtCaptions_.end());

        const engine::Board& board = exercise_.board();
        if (!std::equal(board.pool.begin(), board.pool.end(), builtItems_.begin()))
            broken << "the pool is not shown in its slots as the catalogue arranges it; ";
        for (int r = 0; r < engine::kTargets; ++r)
            if (board.rowVisible[static_cast<std::size_t>(r)] != (r > 0 || tense != kImperative))
                broken << "person row " << r << " is "
                       << (board.rowVisible[static_cast<std::size_t>(r)] ? "shown" : "hidden") << "; ";
        built_ = board;
    }

    void drop(std::ostream& broken)
    {
        const Slot from = last_.source, onto = last_.target;
        if (isHidden(from))
            return;  // a hidden label cannot be pressed
        const std::string dragged = exercise_.caption(from);
        if (exercise_.canStartDrag(from) == dragged.empty())
            broken << "a press on a label showing \"" << dragged << "\" "
                   << (dragged.empty() ? "starts" : "does not start") << " a drag; ";
        if (dragged.empty() || isHidden(onto))
            return;  // no drag, or a drop onto nothing
        const std::string landedOn = exercise_.caption(onto);
        exercise_.exchange(from, onto);
        if (exercise_.caption(onto) != dragged || exercise_.caption(from) != landedOn)
            broken << "after the drop the labels show \"" << exercise_.caption(from) << "\" and \""
                   << exercise_.caption(onto) << "\"; ";
        if (!(from == onto) && dragged != landedOn)
            ++drops_;
    }

    void score(std::ostream& broken)
    {
        const std::string expected =
            std::string(engine::kScorePrefix) + std::to_string(rightAnswers()) + " / " + std::to_string(personsAsked());
        if (exercise_.scoreText() != expected)
            broken << "the score reads \"" << exercise_.scoreText() << "\", not \"" << expected << "\"; ";
    }

    void restart(std::ostream& broken)
    {
        exercise_.restart();
        const engine::Board& board = exercise_.board();
        if (board.pool != built_.pool)
            broken << "a restart does not give the pool back as built; ";
        if (board.rowVisible != built_.rowVisible || board.poolFontSize != built_.poolFontSize
            || board.targetFontSize != built_.targetFontSize || board.infinitive != built_.infinitive
            || board.tensePhrase != built_.tensePhrase)
            broken << "a restart changes the exercise; ";
        for (const auto& target : board.targets)
            if (!target.empty())
                broken << "a restart leaves \"" << target << "\" on a target; ";
    }

    int personsAsked() const { return exercise_.tense() == kImperative ? 5 : 6; }

    // The rows whose target shows the catalogue's form for this verb, tense and person.
    int rightAnswers() const
    {
        const auto& row = catalogue::paradigm(exercise_.verb()).row(exercise_.tense());
        int right = 0;
        for (int r = engine::kTargets - personsAsked(); r < engine::kTargets; ++r)
            right += exercise_.board().targets[static_cast<std::size_t>(r)] == row[static_cast<std::size_t>(r)];
        return right;
    }

    void checkBoard(std::ostream& broken)
    {
        const engine::Board& board = exercise_.board();
        captions_.assign(board.pool.begin(), board.pool.end());
        captions_.insert(captions_.end(), board.targets.begin(), board.targets.end());
        std::sort(captions_.begin(), captions_.end());
        if (!std::equal(captions_.begin(), captions_.end(), builtCaptions_.begin(), builtCaptions_.end()))
            broken << "the 50 labels no longer show the forms of the build; ";
        for (int r = 0; r < engine::kTargets; ++r)
            if (isHidden(Slot::target(r)) && !board.targets[static_cast<std::size_t>(r)].empty())
                broken << "hidden target " << r << " shows \"" << board.targets[static_cast<std::size_t>(r)] << "\"; ";
        if (exercise_.outOf() != personsAsked())
            broken << "the score is out of " << exercise_.outOf() << "; ";
        const int score = exercise_.score();
        if (score < 0 || score > personsAsked() || score != rightAnswers())
            broken << "the score is " << score << " with " << rightAnswers() << " right answers; ";
    }

    soak::SeededSource source_;
    std::mt19937_64 random_;
    Exercise exercise_;
    engine::Board built_;
    std::vector<std::string> builtItems_;
    std::vector<std::string> builtCaptions_;  // sorted
    std::vector<std::string_view> captions_;  // sorted, refilled at every step
    Operation last_;
    long long counts_[4] = {};
    long long drops_ = 0;
};

TEST(EngineSoak, EveryStepKeepsTheFormsTheScoreAndTheRestart)
{
    const std::uint64_t seed = soak::seed();
    const long long operations = soak::length("CONJUGACIO_ENGINE_SOAK_OPERATIONS", 100'000);
    SCOPED_TRACE(testing::Message() << "seed " << seed << " (replay: CONJUGACIO_SOAK_SEED=" << seed << ")");
    LearnerRun run(seed);
    for (long long step = 0; step < operations; ++step) {
        const std::string broken = run.step();
        ASSERT_EQ(broken, "") << "at operation " << step << ": " << run.describeLast();
    }
    std::cout << "engine soak, seed " << seed << ": " << operations << " operations, " << run.summary() << "\n";
}

}  // namespace
