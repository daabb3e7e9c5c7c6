#include "control_events.h"

#include <QMouseEvent>
#include <QWidget>

namespace {

int buttonMask(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

MouseArgs mouseArgs(const QMouseEvent& event, bool buttonChanged)
{
    return {buttonMask(buttonChanged ? Qt::MouseButtons(event.button()) : event.buttons()),
            shiftMask(event.modifiers()), event.position().toPoint()};
}

void ControlEvents::attach(QWidget* control, ControlHandlers handlers)
{
    isolate(control);
    handlers_[control] = std::move(handlers);
    control->installEventFilter(this);
}

void ControlEvents::isolate(QWidget* control)
{
    control->setMouseTracking(true);
    control->setAttribute(Qt::WA_NoMousePropagation);
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = handlers_.find(watched);
    if (found == handlers_.end())
        return false;
    const ControlHandlers& h = found->second;
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (h.mouseMove)
            h.mouseMove(mouseArgs(*mouse, false));
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            leftPressedOn_ = watched;
        if (h.mouseDown)
            h.mouseDown(mouseArgs(*mouse, true));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool clicked = mouse->button() == Qt::LeftButton && leftPressedOn_ == watched
            && static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton)
            leftPressedOn_ = nullptr;
        if (h.mouseUp)
            h.mouseUp(mouseArgs(*mouse, true));
        if (clicked && h.click)
            h.click();
        return true;
    }
    default:
        return false;
    }
}
