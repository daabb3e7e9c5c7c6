// A window manager that takes over the desktop later (a session restarted, another started in its
// place) decides from the drill's hints whether to show it: after a minimise and a restore they
// must say "normal" again, or the drill comes back minimised and cannot be found.
#include <gtest/gtest.h>

#include <thread>

#include "desktop.h"
#include "drill.h"
#include "drill_test.h"
#include "wait.h"

namespace {

using namespace desktop;

constexpr std::uint32_t kStateHint = 1u << 1;

// The initial state the window's WM_HINTS give, where they give one.
std::optional<WmState> InitialState(Display& x, xcb_window_t window)
{
    const std::vector<std::uint32_t> hints = x.listProperty(window, "WM_HINTS");
    if (hints.size() < 3 || !(hints[0] & kStateHint))
        return std::nullopt;
    return static_cast<WmState>(hints[2]);
}

class AfterARestore : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop_ = std::make_unique<Desktop>(1024, 768);
        drill_ = std::make_unique<Drill>(*desktop_, DrillProgram());
    }

    Display& x() { return desktop_->display(); }

    // The window manager's check window, while one runs.
    std::optional<xcb_window_t> windowManagerCheck()
    {
        const auto check = x().listProperty(x().root(), "_NET_SUPPORTING_WM_CHECK");
        if (check.empty() || x().listProperty(check[0], "_NET_SUPPORTING_WM_CHECK").empty())
            return std::nullopt;
        return check[0];
    }

    // The minimise box, then what a task bar sends to bring the window back.
    void minimiseAndRestore()
    {
        const xcb_window_t window = drill_->window();
        drill_->click(layout::kMinimiseBox.centre());
        ASSERT_TRUE(x().waitUntil([&] { return x().wmState(window) == WmState::Iconic; }, ReactionLimit()))
            << "A click on the minimise box did not make the window iconic";
        x().requestActivation(window);
        ASSERT_TRUE(x().waitUntil([&] { return x().wmState(window) == WmState::Normal && x().viewable(window); },
                                  ReactionLimit()))
            << "One activation did not restore the window";
    }

    std::unique_ptr<Desktop> desktop_;
    std::unique_ptr<Drill> drill_;
};

TEST_F(AfterARestore, TheWindowsHintsSayNormalAgain)
{
    for (int cycle = 1; cycle <= 10; ++cycle) {
        SCOPED_TRACE("minimised and restored " + std::to_string(cycle) + " times");
        ASSERT_NO_FATAL_FAILURE(minimiseAndRestore());
        const xcb_window_t window = drill_->window();
        EXPECT_TRUE(x().waitUntil(
            [&] { return InitialState(x(), window).value_or(WmState::Normal) == WmState::Normal; }, ReactionLimit()))
            << "The restored window's hints still say it starts iconic";
        drill_->settle();
    }
}

// fluxbox, started in openbox's place, shows or hides each window it finds as its hints say.
TEST_F(AfterARestore, AWindowManagerStartedLaterShowsTheWindow)
{
    ASSERT_NO_FATAL_FAILURE(minimiseAndRestore());
    const xcb_window_t window = drill_->window();
    const std::string home = desktop_->folder();
    const std::vector<std::string> environment{"PATH=/usr/bin:/bin", "HOME=" + home,
                                               "DISPLAY=" + desktop_->displayName()};
    ChildProcess(std::vector<std::string>{"openbox", "--exit"}, environment, home + "/openbox-exit.log")
        .waitForExit(StartLimit());
    ASSERT_TRUE(x().waitUntil([&] { return !windowManagerCheck(); }, ReactionLimit()))
        << "openbox did not leave the desktop";

    const auto fluxbox = support::FindOnPath("fluxbox");
    ASSERT_TRUE(fluxbox) << "fluxbox is not installed (scripts/setup.sh installs it)";
    ChildProcess windowManager(std::vector<std::string>{*fluxbox}, environment, home + "/fluxbox.log");
    ASSERT_TRUE(x().waitUntil([&] { return windowManagerCheck().has_value(); }, StartLimit()))
        << "fluxbox did not start managing the desktop:" << Tail(windowManager.logPath());
    // fluxbox takes the windows it finds one by one: the drill's is taken once it has a state.
    ASSERT_TRUE(x().waitUntil([&] { return x().wmState(window).has_value(); }, StartLimit()))
        << "fluxbox did not take the drill's window";
    EXPECT_TRUE(
        x().waitUntil([&] { return x().wmState(window) == WmState::Normal && x().viewable(window); }, ReactionLimit()))
        << "fluxbox took the drill's window minimised, or does not show it";
}

}  // namespace
