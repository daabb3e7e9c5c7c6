// What the drill asks of an X11 window system that Qt does not offer: an outline in device pixels
// and a window without a task-bar button that is still an ordinary top-level window. Each call
// answers false, doing nothing, where the program does not run on X11.
#pragma once

class QRegion;
class QWidget;

namespace chrome::x11 {

// True when the program runs on X11.
bool Active();

// Cuts the window to `outline`, given in device pixels.
bool SetShape(QWidget* window, const QRegion& outline);

// Leaves the window's picture uncut, for a window drawn with an alpha channel that shows its own
// outline, and cuts only where it takes the pointer to `outline`, in device pixels.
bool SetInputShape(QWidget* window, const QRegion& outline);

// True while a compositing manager draws the screen: it owns the _NET_WM_CM_S<screen> selection.
bool CompositorRunning();

// Shows the window in the task bar or keeps it out of it. The window keeps its setting when its
// native window is created later.
bool SetTaskBarEntry(QWidget* window, bool entry);

// Says in the window's hints (WM_HINTS) that it starts in the normal state, not iconic: a window
// manager that takes the window over later, such as one started in place of another, reads them to
// decide whether to show it. Qt leaves them iconic once a minimised window is restored.
bool SetInitialStateNormal(QWidget* window);

}  // namespace chrome::x11
