// Marks drawn over a window around one of its controls, above every other control and transparent
// to the pointer: the ring of the keyboard focus, and the frame of a form picked up to be placed.
#pragma once

#include <QPointer>
#include <QWidget>

namespace chrome {

class ControlMark : public QWidget {
public:
    enum class Style {
        FocusRing,  // just outside the control: yellow with a black inner edge
        Picked,     // on the control's edge: white with a black inner edge
    };

    ControlMark(QWidget* window, Style style);

    // Shows the mark on `control`, or hides it for nullptr.
    void markControl(QWidget* control);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect placeOf(const QWidget* control) const;  // in the window
    QRect ringArea(const QWidget* control) const;

    Style style_;
    QPointer<QWidget> control_;
};

// Shows the focus ring on the window's focused control once the learner uses the keyboard, and
// hides it again when the learner uses the pointer: a press of a button, or a move of the pointer
// (not the moves the window system reports when something appears under a pointer at rest).
class FocusMarking : public QObject {
public:
    explicit FocusMarking(QWidget* window);

    // Places the ring again, after the focused control came or went.
    void refresh();

private:
    void keyboardUsed();
    void pointerUsed();
    void pointerMoved(QPointF global);

    QWidget* window_;
    ControlMark* ring_;
    bool keyboardInUse_ = false;
    QPointF lastPointer_{-1, -1};
};

}  // namespace chrome
