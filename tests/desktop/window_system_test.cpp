// The drill and what the window system does around it, under openbox: the window manager's close
// with input queued behind it, the pop-ups kept above the exercise window, Qt's -display option,
// and scale settings that make no sense.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <thread>

#include "drill_test.h"

namespace {

using namespace desktop;
using namespace desktop::layout;

constexpr Rect kScoreButton{144, 536, 69, 20};
// A plain red spot that neither pop-up covers.
constexpr Point kRedSpot = kRedBelowPersons;

class WindowSystem : public DrillTest {
protected:
    // Starts the drill on a desktop of its own, through a script that runs `preparation` (shell
    // commands) first and passes the drill `arguments`.
    void start(const std::string& preparation = "", const std::string& arguments = "")
    {
        startDrill(1024, 768, launcher(preparation, arguments));
    }

    std::string launcher(const std::string& preparation, const std::string& arguments)
    {
        const std::string path = folder_.path() + "/launch-" + std::to_string(++launchers_);
        // No session bus to be looked for: libdbus would try to start one, and where it cannot it
        // keeps a buffer that a sanitized drill reports as a leak when it ends.
        std::ofstream(path) << "#!/bin/sh\nexport DBUS_SESSION_BUS_ADDRESS=disabled:\n"
                            << preparation << "\nexec '" << std::filesystem::absolute(DrillProgram()).string() << "' "
                            << arguments << "\n";
        chmod(path.c_str(), 0755);
        return path;
    }

    // Has the X server close the drill's connection, as it does for every client when it ends.
    void cutTheDrillsConnection()
    {
        xcb_connection_t* connection = xcb_connect(desktop().displayName().c_str(), nullptr);
        ASSERT_EQ(xcb_connection_has_error(connection), 0);
        xcb_generic_error_t* error =
            xcb_request_check(connection, xcb_kill_client_checked(connection, drill->window()));
        EXPECT_EQ(error, nullptr) << "The X server refused to close the drill's connection";
        std::free(error);
        xcb_disconnect(connection);
    }

    // The drill's other window that the window manager shows, or none.
    xcb_window_t shownPopup()
    {
        const auto pid = static_cast<std::uint32_t>(drill->process().pid());
        for (xcb_window_t client : x().listProperty(x().root(), "_NET_CLIENT_LIST"))
            if (client != drill->window() && x().listProperty(client, "_NET_WM_PID") == std::vector<std::uint32_t>{pid}
                && x().viewable(client))
                return client;
        return XCB_WINDOW_NONE;
    }

    // Whether `upper` lies above `lower` in the window manager's stacking order.
    bool above(xcb_window_t upper, xcb_window_t lower)
    {
        const std::vector<std::uint32_t> order = x().listProperty(x().root(), "_NET_CLIENT_LIST_STACKING");
        const auto at = [&](xcb_window_t w) { return std::find(order.begin(), order.end(), w) - order.begin(); };
        return at(upper) < std::ssize(order) && at(lower) < at(upper);
    }

    void focusTheExerciseWindow()
    {
        drill->click(kRedSpot);
        ASSERT_TRUE(WaitUntil([&] { return activeWindow() == drill->window(); }))
            << "A click on the window did not give it the focus";
        drill->settle();  // openbox is done with the click before the next one comes
    }

    // Opens a pop-up the way `open` does and checks that it stays above the exercise window, and
    // in sight, when the learner clicks the exercise window and goes on working there.
    template <typename Open>
    void expectPopupStaysAbove(const std::string& popup, Open open)
    {
        SCOPED_TRACE(popup);
        start();
        ASSERT_NO_FATAL_FAILURE(focusTheExerciseWindow());
        open();
        xcb_window_t shown = XCB_WINDOW_NONE;
        ASSERT_TRUE(WaitUntil([&] { return (shown = shownPopup()) != XCB_WINDOW_NONE; })) << "No " << popup << " shown";
        EXPECT_EQ(x().listProperty(shown, "WM_TRANSIENT_FOR"), std::vector<std::uint32_t>{drill->window()})
            << "The " << popup << " does not say it belongs to the exercise window";
        EXPECT_TRUE(WaitUntil([&] { return x().hasState(shown, "_NET_WM_STATE_SKIP_TASKBAR"); }))
            << "The " << popup << " is in the task bar";
        const std::optional<Rect> where = x().placement(shown);
        ASSERT_TRUE(where);
        drill->settle();  // the pop-up has drawn itself
        const Image before = x().capture(*where);

        drill->click(kRedSpot);
        ASSERT_TRUE(WaitUntil([&] { return activeWindow() == drill->window(); }))
            << "A click on the exercise window did not give it the focus back";
        drill->settle();  // the window manager has done what it does with the click
        EXPECT_TRUE(above(shown, drill->window())) << "The " << popup << " went below the exercise window";
        EXPECT_TRUE(x().viewable(shown));
        EXPECT_TRUE(x().capture(*where) == before) << "The " << popup << " is no longer in sight";

        // Modeless: the exercise window still takes the learner's work.
        const Image board = drill->capture(kBoard);
        bool changed = false;
        for (int attempt = 0; attempt < 3 && !changed; ++attempt) {  // the same exercise may come again
            drill->click(kNextVerbButton.centre());
            drill->settle();
            changed = !(drill->capture(kBoard) == board);
        }
        EXPECT_TRUE(changed) << "With the " << popup << " open, \"Altre verb.\" drew no new exercise";
        EXPECT_TRUE(above(shown, drill->window()) && x().viewable(shown));
    }

private:
    TemporaryFolder folder_;
    int launchers_ = 0;
};

// A busy machine lets input pile up: the window manager's close, then a click on "Avaluar." or F1,
// all read at once. The program still ends, and at once. (The window has the focus it was given as
// it came up: openbox may let an Alt+F4 that follows a click to focus at once through to the
// window instead of taking it.)
TEST_F(WindowSystem, TheWindowManagersCloseEndsTheProgramWhateverInputIsQueuedBehindIt)
{
    for (const bool key : {false, true}) {
        SCOPED_TRACE(key ? "F1 after the close" : "a click on \"Avaluar.\" after the close");
        start();
        ASSERT_TRUE(WaitUntil([&] { return activeWindow() == drill->window(); })) << "The new window has no focus";
        const pid_t pid = drill->process().pid();
        ASSERT_EQ(kill(pid, SIGSTOP), 0);
        x().typeChord({XK_Alt_L, XK_F4});
        if (key)
            x().typeChord({XK_F1});
        else
            drill->click(kScoreButton.centre());
        std::this_thread::sleep_for(100ms);
        ASSERT_EQ(kill(pid, SIGCONT), 0);
        const std::optional<int> status = drill->process().waitForExit(1s);
        ASSERT_TRUE(status) << "The drill still runs 1 s after it went on; its windows: "
                            << (shownPopup() != XCB_WINDOW_NONE ? "a pop-up is shown" : "none shown");
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << "The drill " << DescribeExit(*status);
    }
}

// The X server gone (here the drill's connection to it is cut, which the drill sees alike), Qt
// ends the program with status 1. What it read of the font configuration is released on the way
// out: a sanitized drill reports nothing left.
TEST_F(WindowSystem, LosingTheXServerEndsTheProgramWithNothingLeft)
{
    start();
    ASSERT_NO_FATAL_FAILURE(cutTheDrillsConnection());
    const std::optional<int> status = drill->process().waitForExit(ReactionLimit());
    ASSERT_TRUE(status) << "The drill still runs 5 s after it lost the X server";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 1) << "The drill " << DescribeExit(*status);
    const std::string said = Tail(drill->process().logPath(), 40);
    EXPECT_EQ(said.find("Sanitizer"), std::string::npos) << "The drill said:" << said;
}

TEST_F(WindowSystem, TheScoreStaysAboveTheExerciseWindowAfterAClickOnIt)
{
    expectPopupStaysAbove("score window", [this] { drill->click(kScoreButton.centre()); });
}

TEST_F(WindowSystem, TheInstructionsStayAboveTheExerciseWindowAfterAClickOnIt)
{
    expectPopupStaysAbove("instructions window", [this] { x().typeChord({XK_F1}); });
}

// -display names the display Qt opens, over DISPLAY, as Qt has it.
TEST_F(WindowSystem, QtsDisplayOptionOpensTheDisplayItNames)
{
    for (const char* otherwise : {"unset DISPLAY", "export DISPLAY=:97"}) {
        SCOPED_TRACE(otherwise);
        start(std::string("named=$DISPLAY\n") + otherwise, "-display \"$named\"");
    }
}

// Settings that make no sense are dropped with a warning: the window starts as without them.
TEST_F(WindowSystem, NonsenseScaleSettingsLeaveTheWindowAsWithoutThem)
{
    for (const char* setting : {"QT_SCALE_FACTOR=nan", "QT_SCALE_FACTOR=0", "QT_SCREEN_SCALE_FACTORS=inf"}) {
        SCOPED_TRACE(setting);
        start(std::string("export ") + setting);
        EXPECT_EQ(drill->placement(), (Rect{112, 84, 800, 600}));
        EXPECT_NE(Tail(drill->process().logPath()).find(std::string(setting) + " is ignored"), std::string::npos)
            << "The drill said:" << Tail(drill->process().logPath());
    }
}

}  // namespace
