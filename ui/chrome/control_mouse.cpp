#include "ui/chrome/control_mouse.h"

#include <QMouseEvent>
#include <QWidget>

namespace chrome {

void ControlMouse::watch(QWidget* control)
{
    isolate(control);
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

void ControlMouse::isolate(QWidget* control)
{
    // Qt hands an ignored mouse event on to the parent; this stops it at the control.
    control->setAttribute(Qt::WA_NoMousePropagation, true);
}

bool ControlMouse::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseMove:
        emit moved(control, static_cast<QMouseEvent*>(event)->buttons());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        emit pressed(control, static_cast<QMouseEvent*>(event)->button());
        return true;
    case QEvent::MouseButtonRelease:
        return true;
    default:
        return false;
    }
}

}  // namespace chrome
