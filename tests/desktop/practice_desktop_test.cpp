// The drill started with options on a real X server under openbox: the chosen tense is the only
// one drawn, the feedback mode marks the answers and shows the solution through real pointer and
// key events, and a wrong command line opens no window even where a display is there.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "drill_test.h"

namespace {

using namespace desktop;
using namespace desktop::layout;

constexpr Rect kScoreButton{144, 536, 69, 20};
// The score window, centred on the screen, and its "Solució." button within it.
constexpr int kScoreWidth = 227, kScoreHeight = 127;
constexpr Rect kSolutionButton{124, 72, 66, 20};

// The middle of the mark on the target of `row`, within its disc of 20 pixels, which is centred 6
// pixels left of and 3 above the target's lower right corner.
Rect MarkMiddle(int row)
{
    const Rect target = Target(row);
    return {target.x + target.width - 6 - 6, target.y + target.height - 3 - 6, 12, 12};
}

enum class Mark { None, Tick, Cross };

class PracticeOnDesktop : public DrillTest {
protected:
    void start(const std::vector<std::string>& arguments) { startDrill(1024, 768, DrillProgram(), 1, {}, arguments); }

    bool imperative() { return drill->isPlain(Target(0), kRed) && drill->isPlain(kFirstPersonCaption, kRed); }

    // What the middle of a mark's disc shows: the tick's dark green or the cross's red on white.
    Mark markOn(int row)
    {
        const Image middle = drill->capture(MarkMiddle(row));
        int white = 0, green = 0, red = 0;
        for (Rgb pixel : middle.pixels) {
            white += pixel == Rgb{255, 255, 255};
            green += pixel.green > 80 && pixel.red < 60 && pixel.blue < 60;
            red += pixel.red > 150 && pixel.green < 60 && pixel.blue < 60;
        }
        if (white < 8)
            return Mark::None;
        return green > red ? Mark::Tick : red > green ? Mark::Cross : Mark::None;
    }

    bool everyRowMarked(Mark mark, int firstRow)
    {
        for (int row = firstRow; row < 6; ++row)
            if (markOn(row) != mark)
                return false;
        return true;
    }

    // The score window is centred on the screen.
    Point solutionButtonOnScreen()
    {
        const Point window{(x().width() - kScoreWidth) / 2, (x().height() - kScoreHeight) / 2};
        return window + kSolutionButton.centre();
    }
};

TEST_F(PracticeOnDesktop, WithTensesThreeEveryNewExerciseIsInTheImperative)
{
    start({"--tenses", "3"});
    for (int exercise = 0; exercise < 8; ++exercise) {
        ASSERT_TRUE(imperative()) << "exercise " << exercise << " is not in the imperative";
        drill->click(kNextVerbButton.centre());
        drill->settle();  // the new exercise is on the board
    }
}

TEST_F(PracticeOnDesktop, TheFeedbackModeMarksTheAnswersAndSolutionFillsEveryTarget)
{
    start({"--feedback", "--tenses=1,2,4,5,6,7,8"});  // six persons
    for (int row = 0; row < 6; ++row)
        ASSERT_EQ(markOn(row), Mark::None) << "a mark on row " << row << " before any score";

    drill->drag(PoolLabel(0).centre(), Target(2).centre());
    drill->click(kScoreButton.centre());
    ASSERT_TRUE(WaitUntil([&] { return markOn(0) == Mark::Cross && markOn(5) == Mark::Cross; }))
        << "After \"Avaluar.\" the empty targets are not marked wrong";
    screenshotIfAsked("feedback-marks.png");

    // "Solució." in the score window: every target takes a form, and every mark turns right. The
    // score window is up once the drill and openbox are done with the click.
    drill->settle();
    const Point solution = solutionButtonOnScreen();
    x().movePointer(solution);
    x().pressButton(1);
    drill->settle();  // openbox lets the press through once it has raised the score window
    x().releaseButton(1);
    EXPECT_TRUE(WaitUntil([&] { return everyRowMarked(Mark::Tick, 0); }))
        << "After \"Solució.\" not every target is marked right";
    for (int row = 0; row < 6; ++row)
        EXPECT_TRUE(drill->holdsForm(Target(row))) << "After \"Solució.\" the target of row " << row << " is empty";
    screenshotIfAsked("feedback-solution.png");

    // Any drop takes the marks away (the first and second persons plural never share a form); F3
    // brings the solution back.
    drill->drag(Target(3).centre(), Target(4).centre());
    EXPECT_TRUE(WaitUntil([&] { return everyRowMarked(Mark::None, 0); })) << "The marks stayed after a drop";
    drill->click(kRedBelowPersons);
    ASSERT_TRUE(WaitUntil([&] { return activeWindow() == drill->window(); }))
        << "A click on the window did not give it the focus";
    x().typeChord({XK_F3});
    EXPECT_TRUE(WaitUntil([&] { return everyRowMarked(Mark::Tick, 0); })) << "F3 did not show the solution";
}

TEST_F(PracticeOnDesktop, AWrongCommandLineOpensNoWindowWhereADisplayIsThere)
{
    start({});  // the desktop, and a drill on it to compare with
    const std::size_t clients = x().listProperty(x().root(), "_NET_CLIENT_LIST").size();
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"--tenses=9"}, {"--verbs", "Esser"}, {"--bogus"}, {"--tenses"}}) {
        const auto started = std::chrono::steady_clock::now();
        std::vector<std::string> argv{DrillProgram()};
        argv.insert(argv.end(), wrong.begin(), wrong.end());
        ChildProcess run(argv, {"PATH=/usr/bin:/bin", "DISPLAY=" + desktop().displayName(), "LANG=C.UTF-8"},
                         drill->process().logPath() + ".wrong");
        const std::optional<int> status = run.waitForExit(ReactionLimit());
        ASSERT_TRUE(status) << wrong[0] << ": still running";
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 2) << wrong[0] << ": " << DescribeExit(*status);
        EXPECT_LT(std::chrono::steady_clock::now() - started, 1s) << wrong[0];
    }
    EXPECT_EQ(x().listProperty(x().root(), "_NET_CLIENT_LIST").size(), clients)
        << "a wrong command line opened a window";
}

}  // namespace
