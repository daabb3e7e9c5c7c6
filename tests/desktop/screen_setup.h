// What a learner's desktop sets up around the drill: a panel that takes part of the screen, and
// the desktop's scale as the X resources give it to every program.
#pragma once

#include <xcb/xcb.h>

#include <string>
#include <vector>

#include "display.h"

namespace desktop {

// A panel along the bottom of the screen, as a task bar is: a dock window that asks the window
// manager to keep `height` pixels for itself (_NET_WM_STRUT_PARTIAL). It stays until destroyed.
class Panel {
public:
    Panel(const std::string& displayName, int height);  // throws std::runtime_error
    ~Panel();
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

private:
    xcb_connection_t* connection_ = nullptr;
};

// The available area the window manager announces (_NET_WORKAREA), or the whole screen where it
// announces none.
Rect AvailableArea(Display& display);

// True while a compositing manager owns the _NET_WM_CM_S0 selection.
bool CompositorRunning(const std::string& displayName);

// How a window is drawn: the depth of its pixels (32 with an alpha channel), and the outline in
// which it takes the pointer, in its own coordinates.
int WindowDepth(const std::string& displayName, xcb_window_t window);

// Sets the X resources (RESOURCE_MANAGER on the root window) that programs read as they start,
// such as "Xft.dpi:\t144\n" for a desktop scaled to 150 %.
void SetXResources(const std::string& displayName, const std::string& resources);

}  // namespace desktop
