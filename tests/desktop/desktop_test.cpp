// The real drill on a real X server under openbox, driven by real pointer and key events: what
// only a window system shows, where the window sits, where a drop lands, minimise and restore,
// scaling, closing from the window manager.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "drill_test.h"

namespace desktop {
void PrintTo(const Rect& r, std::ostream* out) { *out << ToString(r); }
}  // namespace desktop

namespace {

using namespace desktop;
using namespace desktop::layout;

const char* const kSkipTaskBar = "_NET_WM_STATE_SKIP_TASKBAR";

const char* const kPersons[] = {"1 persona singular.", "2 persona singular.", "3 persona singular.",
                                "1 persona plural.",   "2 persona plural.",   "3 persona plural."};

class OnDesktop : public DrillTest {
protected:
    // The drill on a desktop of its own, `width` x `height` pixels, Qt scaling it by `scale`.
    void start(int width = 1024, int height = 768, int scale = 1) { startDrill(width, height, DrillProgram(), scale); }

    bool imperative() { return drill->isPlain(Target(0), kRed); }

    // A click on the minimise box: the window becomes iconic and takes a task-bar entry to come
    // back by.
    void minimise()
    {
        const xcb_window_t window = drill->window();
        drill->click(kMinimiseBox.centre());
        ASSERT_TRUE(WaitUntil([&] { return x().wmState(window) == WmState::Iconic; }))
            << "A click on the minimise box did not make the window iconic";
        // openbox marks the window iconic and unmaps it in separate requests: look once it is done.
        desktop().checkWindowManager(ReactionLimit());
        EXPECT_FALSE(x().viewable(window));
        EXPECT_TRUE(WaitUntil([&] { return !x().hasState(window, kSkipTaskBar); }))
            << "The minimised window is still left out of the task bar: nothing can bring it back";
    }

    // One activation, as a task-bar click sends: the window is back and out of the task bar again.
    void activate()
    {
        const xcb_window_t window = drill->window();
        x().requestActivation(window);
        ASSERT_TRUE(WaitUntil([&] { return x().wmState(window) == WmState::Normal && x().viewable(window); }))
            << "One activation did not restore the window";
        EXPECT_TRUE(WaitUntil([&] { return x().hasState(window, kSkipTaskBar); }))
            << "The restored window kept its task-bar entry";
    }

    // Asks for new exercises until one is (or is not) in the imperative, which has no first person
    // singular.
    void showExercise(bool inImperative)
    {
        for (int drawn = 0; imperative() != inImperative; ++drawn) {
            ASSERT_LT(drawn, 150) << "150 new exercises, and none " << (inImperative ? "in" : "outside")
                                  << " the imperative";
            drill->click(kNextVerbButton.centre());
            // Then the new exercise is on the board; the same one may be drawn again, rarely.
            drill->settle();
        }
    }

    void expectDropLands(int row)
    {
        const Rect from = PoolLabel(row);
        const Rect to = Target(row);
        ASSERT_TRUE(drill->holdsForm(from))
            << "pool label of row " << row << " shows " << drill->describe(from, kPoolGreen);
        ASSERT_TRUE(drill->isPlain(to, kTargetBlue))
            << "target " << row << " shows " << drill->describe(to, kTargetBlue);
        drill->drag(from.centre(), to.centre());
        EXPECT_TRUE(WaitUntil([&] { return drill->holdsForm(to) && drill->isPlain(from, kPoolGreen); }))
            << "After a drop from the pool label of row " << row << " onto the target of " << kPersons[row]
            << " the target shows " << drill->describe(to, kTargetBlue) << " and the pool label of row " << row
            << " shows " << drill->describe(from, kPoolGreen);
    }

    // Drags from the middle of `label` onto `onto` and checks that the drag was under way (its outline
    // showing) and that, once released there, no pixel of the window has changed.
    void expectDropChangesNothing(const Rect& label, Point onto)
    {
        drill->moveTo(onto);
        const Image before = drill->settledCapture(kWindow);
        const Point grip = label.centre();
        drill->press(grip);
        drill->moveTo(grip + Point{4, 4});
        drill->moveTo(onto);
        const Rect outline{onto.x - (grip.x - label.x), onto.y - (grip.y - label.y), label.width, label.height};
        ASSERT_TRUE(WaitUntil([&] { return drill->outlineAt(outline); }))
            << "With the button held over " << ToString(onto) << " no drag outline shows at " << ToString(outline);
        drill->release();
        drill->settle();
        std::optional<Rect> changed;
        EXPECT_TRUE(WaitUntil([&] { return !(changed = Difference(before, drill->capture(kWindow))); }))
            << "After a drop at " << ToString(onto) << " the window's pixels changed in " << ToString(*changed)
            << " (screen coordinates)";
    }

    // Each corner of the window is cut by a 40 x 40 device-pixel ellipse: 2 pixels in from the
    // corner along both edges lies outside it, 8 pixels in lies inside (an 80-pixel ellipse cuts that
    // too). The window manager's frame takes the same outline: on the screen the top corners show
    // the black root window.
    void expectCornersCutByFortyPixelEllipses()
    {
        const Rect window = drill->placement();
        const std::vector<Rect> outline = x().outline(drill->window());
        const auto inOutline = [&](Point p) {
            return std::any_of(outline.begin(), outline.end(), [p](const Rect& r) { return r.contains(p); });
        };
        const Image screen = x().captureScreen();
        for (const bool right : {false, true})
            for (const bool bottom : {false, true}) {
                const auto in = [&](int d) {
                    return Point{right ? window.width - 1 - d : d, bottom ? window.height - 1 - d : d};
                };
                const std::string corner = std::string(bottom ? "bottom " : "top ") + (right ? "right" : "left");
                EXPECT_FALSE(inOutline(in(2))) << "The " << corner << " corner is not cut";
                EXPECT_TRUE(inOutline(in(8))) << "The " << corner << " corner is cut deeper than a 40-pixel ellipse";
                const Point onScreen = window.topLeft() + in(2);
                if (!bottom && screen.area.contains(onScreen)) {
                    EXPECT_EQ(screen.at(onScreen), (Rgb{0, 0, 0}))
                        << "The " << corner << " corner's cut does not show the root window on the screen";
                }
            }
    }
};

// openbox announces itself on the root before its event loop runs, and never manages a window
// mapped in between; the desktop is handed over only once openbox acts on what it is sent.
TEST(ADesktop, ManagesAWindowMappedTheMomentItIsHandedOver)
{
    Desktop desktop(640, 480);
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> client(
        xcb_connect(desktop.displayName().c_str(), nullptr), &xcb_disconnect);
    ASSERT_FALSE(xcb_connection_has_error(client.get()));
    const xcb_window_t window = xcb_generate_id(client.get());
    xcb_create_window(client.get(), XCB_COPY_FROM_PARENT, window, desktop.display().root(), 0, 0, 200, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_map_window(client.get(), window);
    xcb_flush(client.get());
    Display& x = desktop.display();
    EXPECT_TRUE(x.waitUntil(
        [&] {
            const std::vector<std::uint32_t> managed = x.listProperty(x.root(), "_NET_CLIENT_LIST");
            return std::find(managed.begin(), managed.end(), window) != managed.end();
        },
        ReactionLimit()))
        << "openbox did not manage a window mapped as soon as the desktop was up";
}

TEST_F(OnDesktop, ADropOntoEachPersonsTargetLandsThere)
{
    start();
    ASSERT_NO_FATAL_FAILURE(showExercise(/*inImperative=*/false));
    for (int row = 0; row < 6; ++row)
        expectDropLands(row);
}

TEST_F(OnDesktop, TheHiddenFirstPersonOfTheImperativeTakesNothing)
{
    start();
    ASSERT_NO_FATAL_FAILURE(showExercise(/*inImperative=*/true));
    EXPECT_TRUE(drill->isPlain(kFirstPersonCaption, kRed)) << "The caption of the first person singular shows";
    expectDropChangesNothing(PoolLabel(0), Target(0).centre());
}

TEST_F(OnDesktop, ADropOntoTheRedBackgroundChangesNothing)
{
    start();
    expectDropChangesNothing(PoolLabel(5), kRedBelowPersons);
}

TEST_F(OnDesktop, TheDragOutlineFollowsThePointerAtTheOffsetItWasPressedAt)
{
    start();
    const Rect label = PoolLabel(0);
    const Point grip{30, 7};
    drill->press(label.topLeft() + grip);
    // Two plain red spots: left of the last person caption's row, and below the pool.
    for (const Point corner : {Point{560, 492}, Point{4, 460}}) {
        drill->moveTo(corner + grip);
        const Rect expected{corner.x, corner.y, label.width, label.height};
        EXPECT_TRUE(WaitUntil([&] { return drill->outlineAt(expected); }))
            << "With the pointer at " << ToString(corner + grip) << " in the window the outline is not at "
            << ToString(expected);
    }
    drill->release();
}

TEST_F(OnDesktop, MinimisedItTakesATaskBarEntryAndOneActivationRestoresIt)
{
    start();
    const xcb_window_t window = drill->window();
    const Rect placed = drill->placement();
    ASSERT_TRUE(x().hasState(window, kSkipTaskBar)) << "The shown window has a task-bar entry";

    ASSERT_NO_FATAL_FAILURE(minimise());
    // The learner's hand goes from the minimise box to the task bar, and the program has seen
    // itself minimised; the race with a task bar that is quicker than the program has a test of its
    // own below.
    drill->settle();
    ASSERT_NO_FATAL_FAILURE(activate());
    EXPECT_EQ(drill->placement(), placed);
    EXPECT_TRUE(WaitUntil([&] { return drill->holdsForm(PoolLabel(0)); })) << "The restored window shows no pool";

    drill->settle();
    ASSERT_NO_FATAL_FAILURE(minimise()) << "Minimising a second time";
}

// Minimised by the window manager rather than by its own box, the window is just as reachable.
TEST_F(OnDesktop, MinimisedByTheWindowManagerItTakesATaskBarEntryToo)
{
    start();
    const xcb_window_t window = drill->window();
    x().requestIconify(window);
    ASSERT_TRUE(WaitUntil([&] { return x().wmState(window) == WmState::Iconic; }))
        << "The window manager did not iconify the window";
    EXPECT_TRUE(WaitUntil([&] { return !x().hasState(window, kSkipTaskBar); }))
        << "Minimised by the window manager, the window has no task-bar entry to come back by";
    ASSERT_NO_FATAL_FAILURE(activate());
    drill->settle();
    ASSERT_NO_FATAL_FAILURE(minimise()) << "The minimise box after a restore";
}

// A task bar may bring the window back before the program has seen itself minimised (a quick
// learner, a busy machine): the window must still leave the task bar once restored, and its
// minimise box must go on working.
TEST_F(OnDesktop, RestoredAtOnceAfterMinimisingItLeavesTheTaskBarAgain)
{
    start();
    for (int attempt = 1; attempt <= 100; ++attempt) {
        SCOPED_TRACE("minimised and restored at once, attempt " + std::to_string(attempt) + " of 100");
        ASSERT_NO_FATAL_FAILURE(minimise());
        ASSERT_NO_FATAL_FAILURE(activate());
    }
}

TEST_F(OnDesktop, TheWindowSitsCentredOnTheScreenWithItsTitle)
{
    start();
    EXPECT_EQ(x().textProperty(drill->window(), "_NET_WM_NAME"), "La conjugació dels verbs.");
    EXPECT_EQ(drill->placement(), (Rect{112, 84, 800, 600}));
    expectCornersCutByFortyPixelEllipses();
    screenshotIfAsked("conjugacio-100-percent-1024x768.png");
}

TEST_F(OnDesktop, AtTwoHundredPercentTheTitleStripIsOnTheScreenAndTheCornersStayFortyPixels)
{
    start(2560, 1600, 2);
    const Rect placed = drill->placement();
    EXPECT_EQ(placed.width, 1600);
    EXPECT_EQ(placed.height, 1200);
    EXPECT_TRUE(placed.x >= 0 && placed.y >= 0 && placed.x + 2 * 798 <= 2560)
        << "The title strip is not on the 2560 x 1600 screen: the window's top-left is at "
        << ToString(placed.topLeft());
    expectCornersCutByFortyPixelEllipses();
    screenshotIfAsked("conjugacio-200-percent-2560x1600.png");
}

TEST_F(OnDesktop, AtTwoHundredPercentADropLandsOnItsTarget)
{
    start(2560, 1600, 2);
    expectDropLands(2);
}

// A learner who starts the drill can work it from the keyboard at once.
TEST_F(OnDesktop, TheNewWindowHasTheKeyboardFocus)
{
    start();
    EXPECT_TRUE(WaitUntil([&] { return activeWindow() == drill->window(); }))
        << "openbox did not give the drill's new window the focus";
}

TEST_F(OnDesktop, AltF4EndsTheProgramWithStatusZero)
{
    start();
    drill->click(kRedBelowPersons);
    ASSERT_TRUE(WaitUntil([&] { return activeWindow() == drill->window(); }))
        << "A click on the window did not give it the focus";
    x().typeChord({XK_Alt_L, XK_F4});
    const std::optional<int> status = drill->process().waitForExit(ReactionLimit());
    ASSERT_TRUE(status) << "The drill still runs " << Seconds(ReactionLimit()) << " after Alt+F4";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << "After Alt+F4 the drill " << DescribeExit(*status);
}

}  // namespace
