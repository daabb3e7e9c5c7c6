// The drill as a desktop of any scale shows it: started with the scale the test names
// (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS, or the X resources set beforehand), and found on the
// screen at whatever size it took. Its own pixels are mapped to the screen's by that size.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "desktop.h"
#include "display.h"

namespace desktop {

class ScaledDrill {
public:
    // Starts `program` with `environment` added to a plain one and waits until its exercise window
    // is shown; throws std::runtime_error saying what did not happen.
    ScaledDrill(Desktop& desktop, const std::string& program, const std::vector<std::string>& environment = {});
    ScaledDrill(const ScaledDrill&) = delete;
    ScaledDrill& operator=(const ScaledDrill&) = delete;

    xcb_window_t window() const { return window_; }
    ChildProcess& process() { return *process_; }
    // The exercise window on the screen, in the screen's pixels.
    Rect placement();
    // Screen pixels per pixel of the window's layout (800 x 600).
    double scale();

    // A point or area of the window's layout, on the screen.
    Point toScreen(Point inWindow);
    Rect toScreen(const Rect& inWindow);
    void click(Point inWindow);

    // The drill's other top-level windows that the window manager shows (its pop-ups).
    std::vector<xcb_window_t> shownPopups();

private:
    std::vector<xcb_window_t> ownWindows();

    Display& display_;
    std::unique_ptr<ChildProcess> process_;
    xcb_window_t window_ = XCB_WINDOW_NONE;
};

}  // namespace desktop
