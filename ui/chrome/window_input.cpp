#include "ui/chrome/window_input.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace chrome {
namespace {

constexpr const char* kName = "windowInput";

bool IsInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

}  // namespace

WindowInput* WindowInput::of(QWidget* window)
{
    if (auto* input = window->findChild<WindowInput*>(QLatin1String(kName), Qt::FindDirectChildrenOnly))
        return input;
    return new WindowInput(window);
}

WindowInput::WindowInput(QWidget* window) : QObject(window), window_(window)
{
    setObjectName(QLatin1String(kName));
    window->installEventFilter(this);
    watchNativeWindow();
}

void WindowInput::watchNativeWindow()
{
    QWindow* handle = window_->windowHandle();
    if (handle == handle_)
        return;
    if (handle_)
        handle_->removeEventFilter(this);
    handle_ = handle;
    if (handle_)
        handle_->installEventFilter(this);
}

bool WindowInput::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == window_) {
        if (type == QEvent::WinIdChange || type == QEvent::Show)
            watchNativeWindow();
        return false;
    }
    if (watched != handle_ || !IsInput(type))
        return false;
    if (blocked_)
        return true;
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        emit pressed(static_cast<QMouseEvent*>(event)->position().toPoint());
        break;
    case QEvent::MouseMove:
        emit pointerMoved(static_cast<QMouseEvent*>(event)->globalPosition());
        break;
    case QEvent::KeyPress:
        emit keyPressed();
        break;
    default:
        break;
    }
    return false;
}

}  // namespace chrome
