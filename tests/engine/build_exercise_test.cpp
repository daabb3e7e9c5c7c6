#include <gtest/gtest.h>

#include <set>

#include "catalogue/catalogue.h"
#include "engine/exercise.h"
#include "tests/engine/scripted_source.h"

using engine::Exercise;

namespace {

std::string str(std::string_view s) { return std::string(s); }

TEST(BuildExercise, EveryVerbAndTenseLoadsItsPoolAndExpectedRow)
{
    Exercise exercise;
    for (int verb = 1; verb <= catalogue::kVerbCount; ++verb)
        for (int tense = 1; tense <= catalogue::kTenseCount; ++tense) {
            SCOPED_TRACE(testing::Message() << "verb " << verb << " tense " << tense);
            ScriptedSource source;
            source.queueExercise(verb, tense);
            exercise.build(source);
            const auto& board = exercise.board();
            const auto& paradigm = catalogue::paradigm(verb);
            ASSERT_EQ(exercise.verb(), verb);
            ASSERT_EQ(exercise.tense(), tense);
            for (int k = 0; k < engine::kPoolSlots; ++k) {
                EXPECT_EQ(exercise.pool()[k], str(paradigm.pool[k]));
                EXPECT_EQ(board.pool[k], str(paradigm.pool[k]));
            }
            for (int r = catalogue::firstPersonRow(tense); r < 6; ++r)
                EXPECT_EQ(exercise.expected()[r], str(paradigm.row(tense)[r]));
            EXPECT_EQ(board.rowVisible[0], tense != 3);
            EXPECT_EQ(board.poolFontSize, paradigm.poolFontSmall ? 8 : 10);
            EXPECT_EQ(board.targetFontSize, paradigm.targetFontSmall.contains(tense) ? 8 : 10);
            EXPECT_EQ(board.infinitive, str(catalogue::infinitive(verb)));
            EXPECT_EQ(board.tensePhrase, str(catalogue::tensePhrase(tense)));
            for (const auto& target : board.targets)
                EXPECT_EQ(target, "");
        }
}

TEST(BuildExercise, InstructionAndTitleTexts)
{
    const Exercise exercise = buildExercise(25, 7);
    EXPECT_EQ(exercise.board().instruction, "- Heu de conjugar el verb  ");
    EXPECT_EQ(exercise.board().infinitive, "lluir(forma pura)");
    EXPECT_EQ(exercise.board().tensePhrase, "futur d'indicatiu.");
    EXPECT_EQ(exercise.board().title, "La conjugació dels verbs- ");
    EXPECT_TRUE(exercise.board().titleVisible);
}

TEST(BuildExercise, DrawsTenseFirstThenVerbAfterReseeding)
{
    ScriptedSource source;
    source.draws = {0.0, 0.999999, 0.999999, 0.0};  // tense 1 and verb 62, then tense 8 and verb 1
    Exercise exercise;
    exercise.build(source);
    EXPECT_EQ(exercise.tense(), 1);
    EXPECT_EQ(exercise.verb(), 62);
    EXPECT_EQ(source.reseeds, 1);
    exercise.build(source);
    EXPECT_EQ(exercise.tense(), 8);
    EXPECT_EQ(exercise.verb(), 1);
    EXPECT_EQ(source.reseeds, 2);
    EXPECT_EQ(source.calls, "rddrdd");  // each exercise reseeds before it draws
}

TEST(BuildExercise, ClockSeededSourceStaysInRangeAndVaries)
{
    engine::ClockSeededSource source;
    Exercise exercise;
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 200; ++i) {
        exercise.build(source);
        const int verb = exercise.verb();
        const int tense = exercise.tense();
        ASSERT_GE(verb, 1);
        ASSERT_LE(verb, 62);
        ASSERT_GE(tense, 1);
        ASSERT_LE(tense, 8);
        seen.insert({verb, tense});
    }
    // Reseeding at every exercise from a high-resolution clock must not repeat one draw.
    EXPECT_GT(seen.size(), 20u);
}

TEST(BuildExercise, ImperativeHidesRowZeroUntilTheNextExercise)
{
    ScriptedSource source;
    source.queueExercise(1, 1);
    source.queueExercise(1, 3);
    source.queueExercise(2, 5);
    Exercise exercise;
    exercise.build(source);
    exercise.build(source);
    EXPECT_FALSE(exercise.board().rowVisible[0]);
    for (int r = 1; r < 6; ++r)
        EXPECT_TRUE(exercise.board().rowVisible[r]);
    // The imperative leaves the first slot as the previous exercise set it.
    EXPECT_EQ(exercise.expected()[0], "canto");
    EXPECT_EQ(exercise.expected()[1], "canta");
    exercise.build(source);
    EXPECT_TRUE(exercise.board().rowVisible[0]);
}

TEST(BuildExercise, SmallTypeIsResetAtTheNextExercise)
{
    ScriptedSource source;
    source.queueExercise(14, 2);  // créixer: pool and targets small
    source.queueExercise(14, 1);  // pool small only
    source.queueExercise(40, 8);  // ser: targets small only
    source.queueExercise(1, 1);
    Exercise exercise;
    exercise.build(source);
    EXPECT_EQ(exercise.board().poolFontSize, 8);
    EXPECT_EQ(exercise.board().targetFontSize, 8);
    exercise.build(source);
    EXPECT_EQ(exercise.board().poolFontSize, 8);
    EXPECT_EQ(exercise.board().targetFontSize, 10);
    exercise.build(source);
    EXPECT_EQ(exercise.board().poolFontSize, 10);
    EXPECT_EQ(exercise.board().targetFontSize, 8);
    exercise.build(source);
    EXPECT_EQ(exercise.board().poolFontSize, 10);
    EXPECT_EQ(exercise.board().targetFontSize, 10);
}

TEST(BuildExercise, GivenEdgeCases)
{
    const Exercise cantar = buildExercise(1, 2);
    EXPECT_EQ(cantar.expected(),
              (std::array<std::string, 6>{"canti", "cantis", "canti", "cantem", "canteu", "cantin"}));
    EXPECT_EQ(cantar.pool()[0], "canti");
    EXPECT_EQ(cantar.pool()[12], "canti");
    for (int k = 40; k < 44; ++k) {
        EXPECT_EQ(cantar.pool()[k], "");
        EXPECT_EQ(cantar.board().pool[k], "");
    }

    const Exercise creixer1 = buildExercise(14, 1);
    const Exercise creixer2 = buildExercise(14, 2);
    EXPECT_EQ(creixer1.expected()[3], "creixem");
    EXPECT_EQ(creixer2.expected()[3], "creixem(o cresquem)");

    const Exercise haver = buildExercise(22, 3);
    for (int r = 1; r < 6; ++r)
        EXPECT_EQ(haver.expected()[r], "");

    const Exercise ser = buildExercise(40, 1);
    EXPECT_EQ(ser.expected()[0], "sóc(o só)");
    EXPECT_EQ(ser.board().poolFontSize, 10);
    EXPECT_EQ(ser.board().targetFontSize, 10);
    EXPECT_NE(ser.pool()[42], "");
    EXPECT_EQ(ser.pool()[43], "");
}

TEST(DisplayText, ShowsTheTextAfterTheFirstFullStop)
{
    EXPECT_EQ(engine::displayText("canto"), "canto");
    EXPECT_EQ(engine::displayText("1.canto"), "canto");
    EXPECT_EQ(engine::displayText("a.b.c"), "b.c");
    EXPECT_EQ(engine::displayText(""), "");
}

}  // namespace
