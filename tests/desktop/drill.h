// The drill as a learner meets it on the desktop: the real program, its exercise window, where the
// controls are and what their pixels show. The label texts cannot be read from outside the program,
// but an empty label is one plain colour and a label that holds a form has dark text in it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "desktop.h"
#include "display.h"

namespace desktop {

// The exercise window's layout, in window coordinates and logical pixels.
namespace layout {
inline constexpr Rgb kRed{192, 0, 0};
inline constexpr Rgb kTargetBlue{113, 149, 155};
inline constexpr Rgb kPoolGreen{155, 162, 134};

inline constexpr Rect kWindow{0, 0, 800, 600};
inline constexpr Rect kFirstPersonCaption{8, 184, 113, 17};
inline constexpr Rect kMinimiseBox{736, 8, 11, 11};
inline constexpr Rect kNextVerbButton{408, 520, 118, 20};
// What a new exercise draws anew: verb, tense, person rows and the pool.
inline constexpr Rect kBoard{0, 40, 800, 450};
// Plain red spots, away from every control.
inline constexpr Point kRedBelowPersons{68, 490};

// The target beside person `row`.
Rect Target(int row);
// The pool's label in `slot`, for the first three columns of the pool, slots 0 to 29.
Rect PoolLabel(int slot);
}  // namespace layout

class Drill {
public:
    // Starts `program` with `arguments` on `desktop`, at `scale` times the logical size, with
    // `environment` entries besides (or instead of) the usual ones, and waits until its exercise
    // window is shown with a board in it and the program is done with its start (settle()); throws
    // std::runtime_error saying what did not happen, WindowSystemFault where the window manager (not
    // the drill) failed.
    Drill(Desktop& desktop, const std::string& program, int scale = 1, const std::vector<std::string>& environment = {},
          const std::vector<std::string>& arguments = {});
    // Lets go of a button a failed test left held, and ends the program if it still runs.
    ~Drill();
    Drill(const Drill&) = delete;
    Drill& operator=(const Drill&) = delete;

    xcb_window_t window() const { return window_; }
    ChildProcess& process() { return *process_; }
    // The window on the screen, in device pixels.
    Rect placement();

    // Returns once the window manager and the drill have handled all the input so far, the drill
    // has drawn what it changed and the window manager has done what the drill asked of it. The
    // input reaches the drill through the window manager, which holds a click on a window until it
    // has focused and raised it; the drill draws in the turn of its event loop after the one that
    // took the input. Throws std::runtime_error if the drill does not answer (its event loop is
    // stuck, or it has ended), WindowSystemFault if the window manager does not.
    void settle();

    // Reading the window: areas in window coordinates.
    Image capture(const Rect& inWindow);
    Image settledCapture(const Rect& inWindow);  // once settled
    bool holdsForm(const Rect& label);
    bool isPlain(const Rect& area, Rgb colour);
    // A one-pixel dark box exactly around `area`, with no dark pixel just inside or outside it.
    bool outlineAt(const Rect& area);
    // Says what a label shows, for failure messages.
    std::string describe(const Rect& label, Rgb emptyColour);

    // The pointer, in window coordinates.
    void moveTo(Point inWindow);
    void press(Point inWindow);
    void release();
    void click(Point inWindow);
    void drag(Point from, Point to);

private:
    Point toScreen(Point inWindow);
    Rect toScreen(const Rect& inWindow);
    void waitForWindow();

    Desktop& desktop_;
    Display& display_;
    int scale_;
    std::unique_ptr<ChildProcess> process_;
    xcb_window_t window_ = XCB_WINDOW_NONE;
    bool buttonHeld_ = false;
};

}  // namespace desktop
