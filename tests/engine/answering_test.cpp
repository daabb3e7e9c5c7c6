#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "engine/exercise.h"
#include "tests/engine/scripted_source.h"

using engine::Exercise;
using engine::Slot;

namespace {

std::vector<std::string> allCaptions(const Exercise& exercise)
{
    std::vector<std::string> captions(exercise.board().pool.begin(), exercise.board().pool.end());
    captions.insert(captions.end(), exercise.board().targets.begin(), exercise.board().targets.end());
    std::sort(captions.begin(), captions.end());
    return captions;
}

// The slot that shows `form` in the pool.
Slot poolSlotOf(const Exercise& exercise, const std::string& form)
{
    const auto& items = exercise.board().pool;
    return Slot::pool(static_cast<int>(std::find(items.begin(), items.end(), form) - items.begin()));
}

TEST(Exchange, TheTableOfDrops)
{
    Exercise e = buildExercise(1, 1);
    const Slot canto = poolSlotOf(e, "canto");
    const Slot cantes = poolSlotOf(e, "cantes");

    e.exchange(canto, Slot::target(0));  // pool form onto an empty target: moves
    EXPECT_EQ(e.caption(Slot::target(0)), "canto");
    EXPECT_EQ(e.caption(canto), "");

    e.exchange(cantes, Slot::target(0));  // onto an occupied target: the old form goes where the new one came from
    EXPECT_EQ(e.caption(Slot::target(0)), "cantes");
    EXPECT_EQ(e.caption(cantes), "canto");
    EXPECT_EQ(e.caption(canto), "");

    e.exchange(Slot::target(0), canto);  // target onto an empty pool slot: back to the pool
    EXPECT_EQ(e.caption(canto), "cantes");
    EXPECT_EQ(e.caption(Slot::target(0)), "");

    e.exchange(canto, Slot::target(1));
    e.exchange(Slot::target(1), Slot::pool(0));  // target onto an occupied pool slot: they swap
    EXPECT_EQ(e.caption(Slot::pool(0)), "cantes");
    EXPECT_EQ(e.caption(Slot::target(1)), "canti");

    e.exchange(Slot::target(1), Slot::target(4));  // target to target: a move onto an empty one
    EXPECT_EQ(e.caption(Slot::target(4)), "canti");
    EXPECT_EQ(e.caption(Slot::target(1)), "");

    e.exchange(Slot::pool(1), Slot::pool(2));  // pool to pool: swap
    EXPECT_EQ(e.caption(Slot::pool(1)), "cantarem");
    EXPECT_EQ(e.caption(Slot::pool(2)), "cantava");

    const auto before = e.board();
    e.exchange(Slot::pool(5), Slot::pool(5));  // onto itself: no change
    EXPECT_EQ(e.board().pool, before.pool);
}

TEST(Exchange, AnySequenceOfDropsKeepsTheCaptionsOfTheBuild)
{
    std::mt19937 random(12345);
    for (int verb : {1, 14, 22, 40, 62}) {
        for (int tense : {1, 3}) {
            Exercise e = buildExercise(verb, tense);
            const auto built = allCaptions(e);
            for (int drop = 0; drop < 5000; ++drop) {
                auto pick = [&] {
                    for (;;) {
                        const int n = std::uniform_int_distribution<int>(0, 49)(random);
                        const Slot s = n < 44 ? Slot::pool(n) : Slot::target(n - 44);
                        if (s.kind == Slot::Kind::Pool || e.board().rowVisible[s.index])
                            return s;
                    }
                };
                const Slot source = pick();
                if (!e.canStartDrag(source))
                    continue;
                e.exchange(source, pick());
            }
            EXPECT_EQ(allCaptions(e), built) << "verb " << verb << " tense " << tense;
        }
    }
}

TEST(Exchange, EmptyLabelsStartNoDrag)
{
    const Exercise e = buildExercise(1, 1);
    EXPECT_FALSE(e.canStartDrag(Slot::pool(40)));
    EXPECT_FALSE(e.canStartDrag(Slot::target(0)));
    EXPECT_TRUE(e.canStartDrag(Slot::pool(0)));
}

void place(Exercise& e, const std::string& form, int row)
{
    const Slot from = poolSlotOf(e, form);
    ASSERT_LT(from.index, 44) << form << " not in the pool";
    e.exchange(from, Slot::target(row));
}

TEST(Score, CountsExactMatchesOutOfSixOrFive)
{
    Exercise e = buildExercise(1, 1);
    EXPECT_EQ(e.scoreText(), "Heu aconseguit: 0 / 6");
    place(e, "canto", 0);
    EXPECT_EQ(e.scoreText(), "Heu aconseguit: 1 / 6");
    EXPECT_EQ(e.scoreText(), "Heu aconseguit: 1 / 6");  // scoring again counts afresh
    place(e, "canta", 1);                               // a right form on the wrong row counts nothing
    EXPECT_EQ(e.score(), 1);
    for (auto [form, row] : std::vector<std::pair<std::string, int>>{{"cantem", 3}, {"canteu", 4}, {"canten", 5}})
        place(e, form, row);
    EXPECT_EQ(e.scoreText(), "Heu aconseguit: 4 / 6");
}

TEST(Score, ImperativeComparesRowsOneToFive)
{
    ScriptedSource source;
    source.queueExercise(1, 1);
    source.queueExercise(1, 3);
    Exercise e;
    e.build(source);
    e.build(source);  // the expected form of row 0 still holds "canto" from the first exercise
    EXPECT_EQ(e.scoreText(), "Heu aconseguit: 0 / 5");
    for (auto [form, row] : std::vector<std::pair<std::string, int>>{
             {"canta", 1}, {"canti", 2}, {"cantem", 3}, {"canteu", 4}, {"cantin", 5}})
        place(e, form, row);
    EXPECT_EQ(e.scoreText(), "Heu aconseguit: 5 / 5");
}

TEST(Score, HaverImperativeIsRightUntouchedAndLosesARowPerForm)
{
    Exercise e = buildExercise(22, 3);
    EXPECT_EQ(e.scoreText(), "Heu aconseguit: 5 / 5");
    place(e, "ha", 2);
    EXPECT_EQ(e.scoreText(), "Heu aconseguit: 4 / 5");
}

TEST(Score, AlternativeFormsAreComparedWhole)
{
    Exercise e = buildExercise(14, 2);
    place(e, "creixem", 3);  // the plain form is not the alternative the subjunctive expects
    EXPECT_EQ(e.score(), 0);
    e.exchange(Slot::target(3), poolSlotOf(e, ""));
    place(e, "creixem(o cresquem)", 3);
    EXPECT_EQ(e.score(), 1);
}

TEST(Restart, BringsBackEveryPoolSlotAndEmptiesTheTargets)
{
    Exercise e = buildExercise(26, 3);
    const auto built = e.board();
    place(e, "naixeu", 4);
    e.exchange(Slot::pool(0), Slot::pool(7));
    e.exchange(Slot::pool(3), Slot::target(1));
    e.restart();
    EXPECT_EQ(e.board().pool, built.pool);
    for (const auto& target : e.board().targets)
        EXPECT_EQ(target, "");
    EXPECT_EQ(e.board().rowVisible, built.rowVisible);
    EXPECT_EQ(e.board().poolFontSize, built.poolFontSize);
    EXPECT_EQ(e.board().targetFontSize, built.targetFontSize);
    EXPECT_EQ(e.verb(), 26);
    EXPECT_EQ(e.tense(), 3);
}

}  // namespace
