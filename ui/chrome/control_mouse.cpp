#include "control_mouse.h"

#include <QMouseEvent>
#include <QWidget>

MouseArgs MouseArgsOf(const QMouseEvent& event)
{
    const Qt::MouseButtons buttons = event.type() == QEvent::MouseMove ? event.buttons() : Qt::MouseButtons(event.button());
    return {ButtonMask(buttons), ShiftMask(event.modifiers()), event.position().toPoint()};
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

void ControlMouse::attach(QWidget* control, ControlHandlers handlers)
{
    isolate(control);
    if (handlers.mouseMove)
        control->setMouseTracking(true);
    handlers_[control] = std::move(handlers);
    control->installEventFilter(this);
}

void ControlMouse::isolate(QWidget* control)
{
    // Qt hands an ignored mouse event on to the parent; this stops it at the control, which still
    // counts as the widget under the pointer.
    control->setAttribute(Qt::WA_NoMousePropagation, true);
}

bool ControlMouse::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = handlers_.find(watched);
    if (found == handlers_.end())
        return false;
    // Copied: a handler may hide or unload the window, which must not pull the handlers away.
    const ControlHandlers handlers = found->second;
    auto* control = static_cast<QWidget*>(watched);

    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (handlers.mouseMove)
            handlers.mouseMove(MouseArgsOf(*mouse));
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            leftPressedOn_ = watched;
        if (handlers.mouseDown)
            handlers.mouseDown(MouseArgsOf(*mouse));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click = mouse->button() == Qt::LeftButton && leftPressedOn_ == watched &&
                           control->rect().contains(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton)
            leftPressedOn_ = nullptr;
        if (handlers.mouseUp)
            handlers.mouseUp(MouseArgsOf(*mouse));
        if (click && handlers.click)
            handlers.click();
        return true;
    }
    default:
        return false;
    }
}
