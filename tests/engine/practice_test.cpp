// Practising what one chooses and learning from one's mistakes: draws restricted to chosen tenses
// and verbs, answers marked right or wrong until the board changes, and the drops that solve the
// exercise.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "catalogue/catalogue.h"
#include "engine/exercise.h"
#include "tests/engine/scripted_source.h"

using engine::Exercise;
using engine::Slot;

namespace {

// A fixed sequence of uniform draws; the reseed from the clock is left out so that a run repeats.
class FixedSeedSource final : public engine::UniformSource {
public:
    void reseedFromClock() override {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(generator_); }

private:
    std::mt19937_64 generator_{20260101};
};

TEST(RestrictedDraw, OnlyTheChosenTensesAndVerbsComeUpEachAboutEquallyOften)
{
    FixedSeedSource source;
    Exercise exercise;
    exercise.drawAmong({{3, 5}, {11, 40, 52}});
    std::map<int, int> tenses, verbs;
    constexpr int kDraws = 30000;
    for (int i = 0; i < kDraws; ++i) {
        exercise.build(source);
        ++tenses[exercise.tense()];
        ++verbs[exercise.verb()];
    }
    ASSERT_EQ(tenses.size(), 2u);
    ASSERT_EQ(verbs.size(), 3u);
    for (int tense : {3, 5})
        EXPECT_NEAR(tenses[tense], kDraws / 2, kDraws / 2 * 0.03) << "tense " << tense;
    for (int verb : {11, 40, 52})
        EXPECT_NEAR(verbs[verb], kDraws / 3, kDraws / 3 * 0.03) << "verb " << verb;
}

TEST(RestrictedDraw, ATenseAloneLeavesEveryVerbToTheDraw)
{
    FixedSeedSource source;
    Exercise exercise;
    exercise.drawAmong({{4}, {}});
    std::map<int, int> verbs;
    for (int i = 0; i < 6200; ++i) {
        exercise.build(source);
        ASSERT_EQ(exercise.tense(), 4);
        ++verbs[exercise.verb()];
    }
    ASSERT_EQ(verbs.size(), 62u);
    for (auto [verb, count] : verbs)
        EXPECT_NEAR(count, 100, 40) << "verb " << verb;
}

// The same two draws after the reseed, the tense first: the ends of the range pick the ends of the
// chosen lists, in the order given.
TEST(RestrictedDraw, DrawsTenseThenVerbFromTheListsInTheirOrder)
{
    ScriptedSource source;
    source.draws = {0.0, 0.0, 0.999999, 0.999999, 0.5, 0.5};
    Exercise exercise;
    exercise.drawAmong({{7, 2}, {60, 9, 5}});
    exercise.build(source);
    EXPECT_EQ(exercise.tense(), 7);
    EXPECT_EQ(exercise.verb(), 60);
    EXPECT_EQ(exercise.board().infinitive, "obliquar");
    exercise.build(source);
    EXPECT_EQ(exercise.tense(), 2);
    EXPECT_EQ(exercise.verb(), 5);
    exercise.build(source);
    EXPECT_EQ(exercise.verb(), 9);
    EXPECT_EQ(source.calls, "rddrddrdd");

    // An empty choice is the drill's own draw again.
    exercise.drawAmong({});
    source.queueExercise(62, 8);
    exercise.build(source);
    EXPECT_EQ(exercise.tense(), 8);
    EXPECT_EQ(exercise.verb(), 62);
}

Slot poolSlotOf(const Exercise& exercise, const std::string& form)
{
    const auto& items = exercise.board().pool;
    return Slot::pool(static_cast<int>(std::find(items.begin(), items.end(), form) - items.begin()));
}

TEST(Marks, HoldUntilAFormMoves)
{
    ScriptedSource source;
    source.queueExercise(1, 1);
    source.queueExercise(1, 1);
    Exercise e;
    e.build(source);
    e.exchange(poolSlotOf(e, "canto"), Slot::target(0));
    e.exchange(poolSlotOf(e, "canta"), Slot::target(1));
    EXPECT_FALSE(e.answersMarked());
    e.markAnswers();
    EXPECT_TRUE(e.answersMarked());
    EXPECT_TRUE(e.answerRight(0));
    for (int row = 1; row < 6; ++row)
        EXPECT_FALSE(e.answerRight(row)) << "row " << row;  // a wrong form and empty targets

    e.exchange(Slot::target(0), Slot::target(0));  // a label dropped on itself moves nothing
    e.exchange(Slot::pool(40), Slot::pool(41));    // nor do two empty slots
    EXPECT_TRUE(e.answersMarked());
    e.exchange(Slot::pool(0), Slot::pool(12));  // two slots showing "canti" change nothing either
    EXPECT_TRUE(e.answersMarked());

    e.exchange(Slot::pool(1), Slot::pool(2));
    EXPECT_FALSE(e.answersMarked()) << "a drop between pool slots";
    e.markAnswers();
    e.exchange(Slot::target(1), poolSlotOf(e, ""));
    EXPECT_FALSE(e.answersMarked()) << "a form back to the pool";
    e.markAnswers();
    e.restart();
    EXPECT_FALSE(e.answersMarked()) << "a restart";
    e.markAnswers();
    e.build(source);
    EXPECT_FALSE(e.answersMarked()) << "a new exercise";
}

TEST(Solution, TakesAFormFromTheWrongTargetItStandsOnBeforeThePool)
{
    Exercise e = buildExercise(1, 2);  // canti, cantis, canti, cantem, canteu, cantin; "canti" twice in the pool
    e.exchange(Slot::pool(0), Slot::target(1));
    const Slot cantis = poolSlotOf(e, "cantis");
    const std::vector<Exercise::Drop> drops = e.solution();
    ASSERT_GE(drops.size(), 2u);
    EXPECT_EQ(drops[0], (Exercise::Drop{Slot::target(1), Slot::target(0)}));
    EXPECT_EQ(drops[1], (Exercise::Drop{cantis, Slot::target(1)}));
    EXPECT_EQ(drops[2], (Exercise::Drop{Slot::pool(12), Slot::target(2)}));
    EXPECT_EQ(drops.size(), 6u);
}

TEST(Solution, LeavesRightTargetsAlone)
{
    Exercise e = buildExercise(1, 2);  // canti, cantis, canti, cantem, canteu, cantin
    e.exchange(Slot::pool(12), Slot::target(2));
    e.exchange(poolSlotOf(e, "cantem"), Slot::target(3));
    for (const Exercise::Drop& drop : e.solution()) {
        EXPECT_NE(drop.target, Slot::target(2));
        EXPECT_NE(drop.target, Slot::target(3));
        EXPECT_NE(drop.source, Slot::target(2)) << "the second canti taken from a right target";
        EXPECT_NE(drop.source, Slot::target(3));
    }
}

// From any board a learner can reach, the drops of the solution, made one by one as a learner makes
// them, give full marks: every tense of every verb, the imperative and haver's empty one included.
TEST(Solution, FromAnyBoardGivesFullMarks)
{
    std::mt19937 random(777);
    for (int verb = 1; verb <= catalogue::kVerbCount; ++verb)
        for (int tense = 1; tense <= catalogue::kTenseCount; ++tense) {
            SCOPED_TRACE(testing::Message() << "verb " << verb << " tense " << tense);
            Exercise e = buildExercise(verb, tense);
            const int first = catalogue::firstPersonRow(tense);
            const auto pick = [&] {  // a pool slot or a visible target
                const int n = std::uniform_int_distribution<int>(0, engine::kPoolSlots + 5 - first)(random);
                return n < engine::kPoolSlots ? Slot::pool(n) : Slot::target(n - engine::kPoolSlots + first);
            };
            for (int drop = 0; drop < 60; ++drop)
                e.exchange(pick(), pick());
            for (const Exercise::Drop& drop : e.solution()) {
                ASSERT_EQ(drop.target.kind, Slot::Kind::Target);
                ASSERT_TRUE(e.board().rowVisible[static_cast<std::size_t>(drop.target.index)]);
                e.exchange(drop.source, drop.target);
            }
            EXPECT_EQ(e.score(), e.outOf());
            e.markAnswers();
            for (int row = first; row < 6; ++row)
                EXPECT_TRUE(e.answerRight(row)) << "row " << row;
            EXPECT_TRUE(e.solution().empty());
        }
}

TEST(Solution, HaverImperativeEmptiesItsTargets)
{
    Exercise e = buildExercise(22, 3);
    e.exchange(poolSlotOf(e, "ha"), Slot::target(2));
    const std::vector<Exercise::Drop> drops = e.solution();
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].target, Slot::target(2));
    EXPECT_EQ(e.caption(drops[0].source), "");
    e.exchange(drops[0].source, drops[0].target);
    EXPECT_EQ(e.scoreText(), "Heu aconseguit: 5 / 5");
}

}  // namespace
