// The pointer over controls that have no mouse handling of their own: labels, strips and frames.
#pragma once

#include <QObject>

class QWidget;

namespace chrome {

// Reports the pointer's moves and presses over the controls it watches, and keeps every mouse
// event of a watched control from reaching the window behind it.
class ControlMouse : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The control gets every move of the pointer over it, with or without a button held.
    void watch(QWidget* control);

    // A control without mouse handling: its events must not reach the window's own handlers. It
    // still counts as the control under the pointer.
    static void isolate(QWidget* control);

signals:
    void moved(QWidget* control, Qt::MouseButtons held);
    void pressed(QWidget* control, Qt::MouseButton button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace chrome
