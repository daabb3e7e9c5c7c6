#include "engine/exercise.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cmath>
#include <utility>

#include "catalogue/catalogue.h"

namespace engine {

void ClockSeededSource::reseedFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::mt19937_64::result_type>(ticks));
}

double ClockSeededSource::next()
{
    const double r = std::generate_canonical<double, 53>(generator_);
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);  // some library versions can round up to 1
}

std::string_view displayText(std::string_view entry)
{
    const auto stop = entry.find('.');
    return stop == std::string_view::npos ? entry : entry.substr(stop + 1);
}

namespace {

// floor(r * count) + 1, kept within 1..count.
int drawNumber(UniformSource& source, int count)
{
    const int n = static_cast<int>(std::floor(source.next() * count)) + 1;
    return std::clamp(n, 1, count);
}

// One draw among `chosen`, or among 1..count when nothing is chosen.
int drawFrom(UniformSource& source, const std::vector<int>& chosen, int count)
{
    if (chosen.empty())
        return drawNumber(source, count);
    return chosen[static_cast<std::size_t>(drawNumber(source, static_cast<int>(chosen.size())) - 1)];
}

[[maybe_unused]] bool allWithin(const std::vector<int>& numbers, int last)
{
    return std::all_of(numbers.begin(), numbers.end(), [last](int n) { return n >= 1 && n <= last; });
}

}  // namespace

void Exercise::drawAmong(Choice choice)
{
    assert(allWithin(choice.tenses, catalogue::kTenseCount) && allWithin(choice.verbs, catalogue::kVerbCount));
    choice_ = std::move(choice);
}

void Exercise::build(UniformSource& source)
{
    for (int i = 0; i < kTargets; ++i) {
        board_.targets[static_cast<std::size_t>(i)].clear();
        board_.rowVisible[static_cast<std::size_t>(i)] = true;
    }
    for (auto& slot : pool_)
        slot.clear();
    board_.poolFontSize = kNormalFontSize;
    board_.targetFontSize = kNormalFontSize;
    board_.title = kTitle;
    board_.titleVisible = true;
    answersMarked_ = false;

    source.reseedFromClock();
    tense_ = drawFrom(source, choice_.tenses, catalogue::kTenseCount);
    verb_ = drawFrom(source, choice_.verbs, catalogue::kVerbCount);

    board_.instruction = kInstruction;
    board_.infinitive = catalogue::infinitive(verb_);
    board_.tensePhrase = catalogue::tensePhrase(tense_);

    loadParadigm();
    showPoolAsBuilt();
}

// Copies the verb's pool and the row of the current tense, lowers the type sizes the catalogue
// asks for and hides the first person's row in the imperative.
void Exercise::loadParadigm()
{
    const catalogue::VerbParadigm& paradigm = catalogue::paradigm(verb_);
    if (paradigm.poolFontSmall)
        board_.poolFontSize = kSmallFontSize;
    std::copy(paradigm.pool.begin(), paradigm.pool.end(), pool_.begin());

    const catalogue::Row& row = paradigm.row(tense_);
    const int first = catalogue::firstPersonRow(tense_);
    for (int r = first; r < kTargets; ++r)
        expected_[static_cast<std::size_t>(r)] = row[static_cast<std::size_t>(r)];
    if (first == 1)
        board_.rowVisible[0] = false;

    if (paradigm.targetFontSmall.contains(tense_))
        board_.targetFontSize = kSmallFontSize;
}

void Exercise::showPoolAsBuilt()
{
    for (std::size_t i = 0; i < board_.pool.size(); ++i)
        board_.pool[i] = displayText(pool_[i]);
}

const std::string& Exercise::caption(Slot slot) const
{
    if (slot.kind == Slot::Kind::Pool) {
        assert(slot.index >= 0 && slot.index < kPoolSlots);
        return board_.pool[static_cast<std::size_t>(slot.index)];
    }
    assert(slot.index >= 0 && slot.index < kTargets);
    return board_.targets[static_cast<std::size_t>(slot.index)];
}

std::string& Exercise::mutableCaption(Slot slot)
{
    return const_cast<std::string&>(std::as_const(*this).caption(slot));
}

void Exercise::exchange(Slot source, Slot target)
{
    assert(target.kind == Slot::Kind::Pool || board_.rowVisible[static_cast<std::size_t>(target.index)]);
    std::string& from = mutableCaption(source);
    std::string& to = mutableCaption(target);
    if (from == to)
        return;  // a label dropped on itself, or two labels with the same form: nothing moves
    std::swap(from, to);
    answersMarked_ = false;
}

int Exercise::score() const
{
    int score = 0;
    for (int r = catalogue::firstPersonRow(tense_); r < kTargets; ++r) {
        const auto i = static_cast<std::size_t>(r);
        if (expected_[i] == board_.targets[i])
            ++score;
    }
    return score;
}

int Exercise::outOf() const { return kTargets - catalogue::firstPersonRow(tense_); }

std::string Exercise::scoreText() const
{
    return std::string(kScorePrefix) + std::to_string(score()) + " / " + std::to_string(outOf());
}

void Exercise::restart()
{
    showPoolAsBuilt();
    for (auto& target : board_.targets)
        target.clear();
    answersMarked_ = false;
}

void Exercise::markAnswers() { answersMarked_ = true; }

bool Exercise::answerRight(int row) const
{
    assert(row >= 0 && row < kTargets);
    const auto i = static_cast<std::size_t>(row);
    return expected_[i] == board_.targets[i];
}

std::vector<Exercise::Drop> Exercise::solution() const
{
    std::array<std::string, kPoolSlots> pool = board_.pool;
    std::array<std::string, kTargets> targets = board_.targets;
    const int first = catalogue::firstPersonRow(tense_);
    const auto at = [&](Slot slot) -> std::string& {
        return slot.kind == Slot::Kind::Pool ? pool[static_cast<std::size_t>(slot.index)]
                                             : targets[static_cast<std::size_t>(slot.index)];
    };
    const auto right = [&](int row) {
        return targets[static_cast<std::size_t>(row)] == expected_[static_cast<std::size_t>(row)];
    };

    std::vector<Drop> drops;
    for (int row = first; row < kTargets; ++row) {
        if (right(row))
            continue;
        const std::string& wanted = expected_[static_cast<std::size_t>(row)];
        std::vector<Slot> candidates;
        for (int other = first; other < kTargets; ++other)
            if (other != row && !right(other))
                candidates.push_back(Slot::target(other));
        for (int i = 0; i < kPoolSlots; ++i)
            candidates.push_back(Slot::pool(i));
        const auto found =
            std::find_if(candidates.begin(), candidates.end(), [&](Slot slot) { return at(slot) == wanted; });
        if (found == candidates.end())
            continue;  // not reached: every expected form is in its verb's pool
        drops.push_back({*found, Slot::target(row)});
        std::swap(at(*found), at(Slot::target(row)));
    }
    return drops;
}

}  // namespace engine
