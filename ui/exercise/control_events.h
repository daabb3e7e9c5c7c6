// Turns Qt's mouse events on a control into the handlers the window names after it:
// MouseMove, MouseDown, MouseUp (with button mask, shift mask and position) and Click.
#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <unordered_map>

class QWidget;

struct MouseArgs {
    int button = 0;  // 1 left, 2 right, 4 middle: the button pressed or released, or held during a move
    int shift = 0;   // 1 shift, 2 control, 4 alt
    QPoint pos;      // in the control's own pixels
};

struct ControlHandlers {
    std::function<void(const MouseArgs&)> mouseMove;
    std::function<void(const MouseArgs&)> mouseDown;
    std::function<void(const MouseArgs&)> mouseUp;
    std::function<void()> click;  // a left press and release both on the control
};

class ControlEvents : public QObject {
public:
    explicit ControlEvents(QObject* parent = nullptr) : QObject(parent) {}

    // The control receives every mouse move (tracking on) and keeps its events to itself.
    void attach(QWidget* control, ControlHandlers handlers);

    // A control without handlers: its mouse events must not reach the window's own handlers.
    static void isolate(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unordered_map<QObject*, ControlHandlers> handlers_;
    QObject* leftPressedOn_ = nullptr;
};

MouseArgs mouseArgs(const class QMouseEvent& event, bool buttonChanged);
