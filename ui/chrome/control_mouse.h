// Turns Qt's mouse events on a control into the handlers a window names after the control:
// MouseMove, MouseDown, MouseUp and Click.
#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <unordered_map>

class QWidget;

struct MouseArgs {
    int button = 0;  // 1 left, 2 right, 4 middle: the button pressed or released, or those held in a move
    int shift = 0;   // 1 shift, 2 control, 4 alt
    QPoint pos;      // in the control's own pixels
};

struct ControlHandlers {
    std::function<void(const MouseArgs&)> mouseMove;
    std::function<void(const MouseArgs&)> mouseDown;
    std::function<void(const MouseArgs&)> mouseUp;
    std::function<void()> click;  // a left press and a left release both on the control
};

// The arguments of a handler from a Qt mouse event: the button that changed for a press or a
// release, the buttons held for a move.
MouseArgs MouseArgsOf(const class QMouseEvent& event);

// Mouse arguments as the handlers take them: the button mask 1 left, 2 right, 4 middle, and the
// shift mask 1 shift, 2 control, 4 alt.
int ButtonMask(Qt::MouseButtons buttons);
int ShiftMask(Qt::KeyboardModifiers modifiers);

class ControlMouse : public QObject {
public:
    explicit ControlMouse(QObject* parent = nullptr) : QObject(parent) {}

    // The control gets every mouse move and keeps its mouse events to itself. MouseUp runs before
    // Click.
    void attach(QWidget* control, ControlHandlers handlers);

    // A control without mouse handlers: its events must not reach the window's own handlers.
    static void isolate(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unordered_map<QObject*, ControlHandlers> handlers_;
    QObject* leftPressedOn_ = nullptr;
};
