// The whole window on small scaled screens: where the exercise window, at the scale the desktop
// asks for, would not fit the available area of its screen, the program's whole content is scaled
// down by one factor until it does.
#pragma once

#include <QSize>

namespace screen_fit {

// The scale, in the screen's own pixels per pixel of the program, at which a window of `window`
// pixels fits `available` (the screen's own pixels, panels and task bars left out). Where it fits
// at `scale` the answer is `scale`; where not, the largest scale at which it fits with one pixel of
// its own to spare at each side, so that rounding a centred position cannot push it past an edge.
// An empty available area leaves the scale as it is.
double FittedScale(QSize window, double scale, QSize available);

// Once the application object exists, and before any window does: where a window of `window`
// pixels does not fit the available area of the primary screen at Qt's scale for it, Qt's scale
// factor is lowered, for every window of the program, to the one at which it fits. Qt paints
// nothing below one screen pixel per pixel; a scale below that is taken up by the layout scale
// (chrome::SetLayoutScale), Qt's scale staying at one.
void FitToScreen(QSize window);

}  // namespace screen_fit
