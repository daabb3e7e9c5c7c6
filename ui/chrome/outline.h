// The rounded outline of the three frameless windows.
#pragma once

#include <QRegion>

class QWidget;

namespace chrome {

// Layout units per inch: sizes of windows are kept in 1/1440 inch.
inline constexpr int kLayoutUnitsPerInch = 1440;

// The corner of every rounded outline is a quarter of this ellipse, in device pixels, at any
// resolution and any scale.
inline constexpr int kCornerEllipse = 40;

struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// The size in whole pixels of a window measured in layout units: each side is divided by the
// screen's layout units per pixel for its axis in extended precision and rounded to the nearest
// whole number, an exact half going to the even neighbour (30 units at 12 a pixel give 2, 42 give 4).
// The factors must be positive; a result beyond the range of int is clamped to it.
PixelSize RegionPixelSize(double widthUnits, double heightUnits, double unitsPerPixelX, double unitsPerPixelY);

// The rounded outline over (0, 0) to (w, h): two crossing rectangles and four corner ellipses of
// 40 by 40 pixels (smaller only if the window itself is smaller).
QRegion RoundedOutline(PixelSize size);

// The outline of a window in device pixels: its size in layout units at the screen's resolution
// and scale, turned into whole device pixels, with 40 by 40 device-pixel corners.
QRegion DeviceOutline(const QWidget* window);

// The rounding step every window runs: a minimised window is put back to normal (a hidden window
// stays hidden), and the window is cut to its device outline. Setting the outline asks for no
// repaint. The offscreen platform has no window outlines, so the outline is skipped there.
void ApplyRoundedRegion(QWidget* window);

}  // namespace chrome
