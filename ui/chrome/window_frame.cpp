#include "window_frame.h"

#include "x11.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace chrome {

void MakeFrameless(QWidget* window, bool quitOnClose)
{
    // On X11 a tool window is not placed like an ordinary one by window managers that reparent
    // it, and Qt then misreports where it is: an ordinary window that asks to be left out of the
    // task bar looks the same and behaves as any other. Elsewhere a tool window has no task-bar
    // button.
    const bool x11 = x11::Active();
    window->setWindowFlags((x11 ? Qt::Window : Qt::Tool) | Qt::FramelessWindowHint);
    if (x11)
        x11::SetTaskBarEntry(window, false);
    // Tool windows do not end the program when closed; say again what this window does.
    window->setAttribute(Qt::WA_QuitOnClose, quitOnClose);
}

void SetTaskBarEntry(QWidget* window, bool entry)
{
    if (x11::SetTaskBarEntry(window, entry))
        return;
    const Qt::WindowType type = entry ? Qt::Window : Qt::Tool;
    if ((window->windowFlags() & Qt::WindowType_Mask) == type)
        return;
    const bool quitOnClose = window->testAttribute(Qt::WA_QuitOnClose);
    const bool wasVisible = window->isVisible();
    window->setWindowFlags(type | Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_QuitOnClose, quitOnClose);
    if (wasVisible)
        window->show();
}

QPoint CentredPlacement(const QRect& available, const QSize& size)
{
    const int x = available.x() + (available.width() - size.width()) / 2;
    const int y = available.y() + (available.height() - size.height()) / 2;
    return {std::max(x, available.x()), std::max(y, available.y())};
}

void CentreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->move(CentredPlacement(screen->availableGeometry(), window->frameGeometry().size()));
}

}  // namespace chrome
