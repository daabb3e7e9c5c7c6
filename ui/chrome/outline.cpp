#include "ui/chrome/outline.h"

#include "ui/chrome/smooth_corners.h"
#include "ui/chrome/x11.h"

#include <QGuiApplication>
#include <QTransform>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

namespace chrome {
namespace {

// Rounds to the nearest whole number, an exact half to the even neighbour, independently of the
// floating-point rounding mode. The difference value - floor(value) is exact.
int RoundToPixels(long double value)
{
    constexpr long double kMax = std::numeric_limits<int>::max();
    if (!(value >= 0.0L))  // also catches NaN
        return 0;
    if (value >= kMax)
        return std::numeric_limits<int>::max();
    long double whole = std::floor(value);
    const long double fraction = value - whole;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(whole, 2.0L) != 0.0L))
        whole += 1.0L;
    return static_cast<int>(whole);
}

}  // namespace

QRegion RoundedOutline(PixelSize size)
{
    const int w = size.width, h = size.height;
    const int e = std::min({kCornerEllipse, w, h});
    const int r = e / 2;
    QRegion region(r, 0, w - 2 * r, h);
    region += QRegion(0, r, w, h - 2 * r);
    region += QRegion(0, 0, e, e, QRegion::Ellipse);
    region += QRegion(w - e, 0, e, e, QRegion::Ellipse);
    region += QRegion(0, h - e, e, e, QRegion::Ellipse);
    region += QRegion(w - e, h - e, e, e, QRegion::Ellipse);
    return region;
}

PixelSize RegionPixelSize(double widthUnits, double heightUnits, double unitsPerPixelX, double unitsPerPixelY)
{
    PixelSize size;
    size.height = RoundToPixels(static_cast<long double>(heightUnits) / unitsPerPixelY);
    size.width = RoundToPixels(static_cast<long double>(widthUnits) / unitsPerPixelX);
    return size;
}

QRegion DeviceOutline(const QWidget* window)
{
    // The layout's own pixels are Qt's device-independent ones; the window system's pixels are
    // device pixels, devicePixelRatio to each of them.
    const double ratio = window->devicePixelRatioF();
    const double unitsPerLayoutPixelX = double(kLayoutUnitsPerInch) / window->logicalDpiX();
    const double unitsPerLayoutPixelY = double(kLayoutUnitsPerInch) / window->logicalDpiY();
    return RoundedOutline(RegionPixelSize(window->width() * unitsPerLayoutPixelX,
                                          window->height() * unitsPerLayoutPixelY, unitsPerLayoutPixelX / ratio,
                                          unitsPerLayoutPixelY / ratio));
}

void ApplyRoundedRegion(QWidget* window)
{
    // Back to the normal state; a hidden window is not shown by this.
    const Qt::WindowStates state = window->windowState();
    const Qt::WindowStates normal = state & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (normal != state)
        window->setWindowState(normal);

    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;  // no window outlines there, and a warning at every try
    const QRegion outline = DeviceOutline(window);
    // A window with smooth corners draws its own outline while a compositor shows it; it takes the
    // pointer only inside the outline.
    if (HasSmoothCorners(window) && x11::CompositorRunning() && x11::SetInputShape(window, outline))
        return;
    // X11 takes the outline in device pixels, so the corners keep their size at any scale. Qt's
    // own mask is in device-independent pixels and scales the corners with the window.
    if (x11::SetShape(window, outline))
        return;
    const double ratio = window->devicePixelRatioF();
    window->setMask(QTransform::fromScale(1.0 / ratio, 1.0 / ratio).map(outline));
}

}  // namespace chrome
