#include "window_chrome.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QRegion>
#include <QScreen>
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

PixelSize RegionPixelSize(double widthUnits, double heightUnits, double unitsPerPixelX,
                          double unitsPerPixelY)
{
    PixelSize size;
    size.height = RoundToPixels(static_cast<long double>(heightUnits) / unitsPerPixelY);
    size.width = RoundToPixels(static_cast<long double>(widthUnits) / unitsPerPixelX);
    return size;
}

void ApplyRoundedRegion(QWidget* window)
{
    // Back to the normal state; a hidden window is not shown by this.
    const Qt::WindowStates state = window->windowState();
    const Qt::WindowStates normal =
        state & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (normal != state)
        window->setWindowState(normal);

    const double unitsPerPixelX = double(kLayoutUnitsPerInch) / window->logicalDpiX();
    const double unitsPerPixelY = double(kLayoutUnitsPerInch) / window->logicalDpiY();
    const PixelSize pixels =
        RegionPixelSize(window->width() * unitsPerPixelX, window->height() * unitsPerPixelY,
                        unitsPerPixelX, unitsPerPixelY);

    // The offscreen platform cannot cut windows and warns on every try.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    // An unchanged outline is not set again; a new one is set without a repaint.
    window->setMask(RoundedOutline(pixels));
}

void ReleaseCapture()
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

void MakeFrameless(QWidget* window, bool quitOnClose)
{
    window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    // Tool windows do not end the program when closed; say again what this window does.
    window->setAttribute(Qt::WA_QuitOnClose, quitOnClose);
}

void SetBackground(QWidget* widget, const QColor& colour)
{
    if (widget->autoFillBackground() && widget->palette().color(QPalette::Window) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void CentreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->geometry().center());
    window->move(frame.topLeft());
}

void InstallFontSubstitutions()
{
    // Liberation Sans has the widths of Arial, so captions laid out for Arial fit as designed.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // The bitmap face of the old dialogs is narrow; in the wider DejaVu Sans the bold person
    // captions no longer fit their labels, in Liberation Sans they do.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    // DejaVu Sans comes from Bitstream Vera, drawn like Verdana with a large x-height and wide
    // letters; its widths are the closest of the installed faces.
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    // Comic Neue is a redrawing of Comic Sans with much the same shapes and widths.
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}

int ButtonMask(Qt::MouseButtons buttons)
{
    int mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= 1;
    if (buttons & Qt::RightButton)
        mask |= 2;
    if (buttons & Qt::MiddleButton)
        mask |= 4;
    return mask;
}

int ShiftMask(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    return mask;
}

}  // namespace chrome

// Qt caches a font as soon as a widget resolves it, so the substitutions must be in place before
// the first window is built; they are installed as the application object comes up.
namespace {
void installFontSubstitutionsAtStartUp() { chrome::InstallFontSubstitutions(); }
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(installFontSubstitutionsAtStartUp)
