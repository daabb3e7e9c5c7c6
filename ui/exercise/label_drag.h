// The manual drag of a form between the pool labels and the person targets. A press on a label
// starts it (the window decides whether the label's form may go), an outline of the label follows
// the pointer, and the release drops the form on the pool label or visible target under the
// pointer. A press and a release on the same label are also a click on it. Every position is taken
// within the window, which holds whatever the window system reports of where the window itself
// is on the screen.
#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

#include "control_mouse.h"
#include "exercise.h"
#include "form14_layout.h"

class QFrame;

class LabelDrag : public QObject {
public:
    struct Handlers {
        std::function<void(engine::Slot, const MouseArgs&)> mouseDown;
        std::function<void(int item, const MouseArgs&)> itemMouseMove;
        std::function<void(engine::Slot target, engine::Slot source)> dragDrop;
        // After the drop, if any: the press and the release were on the same label, or not.
        std::function<void(engine::Slot, Qt::MouseButton pressed)> clicked;
        std::function<void()> releasedElsewhere;
    };

    // Takes over the mouse events of the window's pool labels and targets.
    LabelDrag(QWidget* window, const Form14Layout& controls, Handlers handlers);

    // Starts dragging the label of `source`, pressed at `pressPos` in the label's own pixels.
    void begin(engine::Slot source, QPoint pressPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<engine::Slot> labelAt(QPoint inWindow, QPoint global) const;
    void release(QPoint inWindow, QPoint global);

    QWidget* window_;
    const Form14Layout& controls_;
    Handlers handlers_;
    QFrame* outline_ = nullptr;
    std::optional<engine::Slot> pressed_;  // the label pressed, while a button is held
    Qt::MouseButton pressedButton_ = Qt::NoButton;
    std::optional<engine::Slot> source_;  // the label dragged, if its form could go
    QPoint grabOffset_;
};
