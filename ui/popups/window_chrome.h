// Window chrome shared by the three windows: the rounded outline, the frameless look without a
// task-bar button, centring on the screen, the capture release of the title strips and the fonts.
#pragma once

#include <Qt>

class QColor;
class QRegion;
class QWidget;

namespace chrome {

// Layout units per inch: sizes of windows are kept in 1/1440 inch.
inline constexpr int kLayoutUnitsPerInch = 1440;

// The corner of every rounded outline is a quarter of this ellipse, in pixels, at any resolution.
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
PixelSize RegionPixelSize(double widthUnits, double heightUnits, double unitsPerPixelX,
                          double unitsPerPixelY);

// The rounded outline over (0, 0) to (w, h): two crossing rectangles and four corner ellipses of
// 40 by 40 pixels (smaller only if the window itself is smaller).
QRegion RoundedOutline(PixelSize size);

// The rounding step every window runs: a minimised window is put back to normal (a hidden window
// stays hidden), its size is read in layout units at the screen's resolution and turned into whole
// pixels, and the window is cut to a rectangle of that size with 40 by 40 pixel corner ellipses.
// Setting the outline asks for no repaint. The offscreen platform has no window outlines, so the
// outline is skipped there.
void ApplyRoundedRegion(QWidget* window);

// Releases the mouse grab, if a widget holds one. It sends nothing and moves no window.
void ReleaseCapture();

// Frameless, without a task-bar button. quitOnClose says whether closing the window may end the
// program (the exercise window) or not (the pop-ups).
void MakeFrameless(QWidget* window, bool quitOnClose);

// Gives a control or window a solid background of `colour`. A colour already shown is not set
// again, so nothing repaints.
void SetBackground(QWidget* widget, const QColor& colour);
// Sets the colour of a control's text.
void SetTextColour(QWidget* widget, const QColor& colour);

// Places the window in the centre of its screen (the primary screen if it has none yet).
void CentreOnScreen(QWidget* window);

// Maps the faces the layouts name onto the fonts installed with the program. Call it once, after
// the application object exists and before the first window is built.
void InstallFontSubstitutions();

// Mouse arguments as the handlers take them: the button mask 1 left, 2 right, 4 middle, and the
// shift mask 1 shift, 2 control, 4 alt.
int ButtonMask(Qt::MouseButtons buttons);
int ShiftMask(Qt::KeyboardModifiers modifiers);

}  // namespace chrome
