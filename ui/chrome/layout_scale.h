// The layouts' own scale. Qt scales every window by its scale factor, but paints nothing smaller
// than one screen pixel per pixel of a window; where a window must be smaller than that to fit its
// screen, the layouts themselves are scaled: positions, sizes, type and faces alike.
#pragma once

class QWidget;

namespace chrome {

// Sets the scale of the layouts: 1 keeps them as designed, less than 1 makes them smaller. Set it
// before the first window is made.
void SetLayoutScale(double scale);
double LayoutScale();

// Brings the geometry of a window built as designed, and of everything in it, to the layout scale.
// It acts once per window and not at all at a scale of 1.
void ScaleLayout(QWidget* window);

}  // namespace chrome
