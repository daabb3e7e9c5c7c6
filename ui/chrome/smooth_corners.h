// Rounded corners with smooth edges where a compositor blends the windows with what lies behind
// them: the window is drawn with an alpha channel, and four small pieces above all its controls
// clear what lies outside its rounded outline, in part along the curve. Without a compositor the
// window system cuts the outline (x11::SetShape) and the window is drawn as before.
#pragma once

class QWidget;

namespace chrome {

// True where a compositor blends the windows: always on Wayland, on X11 while a compositing
// manager runs.
bool CompositedDesktop();

// Gives the window an alpha channel and smooth corners. It must come before the window is first
// shown, while it has no native window yet.
void UseSmoothCorners(QWidget* window);

bool HasSmoothCorners(const QWidget* window);

}  // namespace chrome
