#include "app/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

#include "ui/chrome/layout_scale.h"

#ifdef CONJUGACIO_SCREEN_FIT
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>
#endif

namespace screen_fit {

double FittedScale(QSize window, double scale, QSize available)
{
    if (available.isEmpty() || window.isEmpty() || !(scale > 0.0))
        return scale;
    const bool fits = std::lround(window.width() * scale) <= available.width()
                      && std::lround(window.height() * scale) <= available.height();
    if (fits)
        return scale;
    return std::min(
        {scale, double(available.width()) / (window.width() + 2), double(available.height()) / (window.height() + 2)});
}

void FitToScreen(QSize window)
{
#ifdef CONJUGACIO_SCREEN_FIT
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->handle())
        return;
    // Qt's scale for a screen is its global factor (QT_SCALE_FACTOR) times the screen's own
    // (QT_SCREEN_SCALE_FACTORS, the desktop's dots per inch); the available area is in the
    // screen's own pixels. Where positions are unknown (Wayland) it is the whole screen.
    const double scale = QHighDpiScaling::factor(screen);
    const double fitted = FittedScale(window, scale, screen->handle()->availableGeometry().size());
    if (fitted == scale && scale >= 1.0)
        return;
    // Qt paints nothing below one screen pixel per pixel: what lies below is the layouts' own scale.
    chrome::SetLayoutScale(std::min(fitted, 1.0));
    // With the global factor at one, Qt's scale is the screen's own; the global factor that gives
    // the fitted scale follows.
    QHighDpiScaling::setGlobalFactor(1.0);
    QHighDpiScaling::setGlobalFactor(std::max(fitted, 1.0) / QHighDpiScaling::factor(screen));
#else
    Q_UNUSED(window);
#endif
}

}  // namespace screen_fit
