// The manual drag of a form between the pool labels and the person targets. A press on a label
// starts it (the window decides whether the label's form may go), an outline of the label follows
// the pointer, and the release drops the form on the pool label or visible target under the
// pointer. A press and a release on the same label are also a click on it. Every position is taken
// within the window, which holds whatever the window system reports of where the window itself
// is on the screen.
#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

#include "engine/board.h"
#include "ui/exercise/exercise_layout.h"

class QFrame;

class LabelDrag : public QObject {
    Q_OBJECT
public:
    // Takes over the mouse events of the window's pool labels and targets.
    LabelDrag(QWidget* window, const ExerciseLayout& controls);

    // Starts dragging the label of `source`, pressed at `pressPos` in the label's own pixels.
    void begin(engine::Slot source, QPoint pressPos);

signals:
    void labelPressed(engine::Slot slot, QPoint pressPos);
    // The pointer moved over a pool label with no drag under way.
    void poolLabelHovered();
    void dropped(engine::Slot target, engine::Slot source);
    // After the drop, if any: the press and the release were on the same label, or not.
    void clicked(engine::Slot slot, Qt::MouseButton pressed);
    void releasedElsewhere();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<engine::Slot> labelAt(QPoint inWindow, QPoint global) const;
    void release(QPoint inWindow, QPoint global);

    QWidget* window_;
    const ExerciseLayout& controls_;
    QFrame* outline_ = nullptr;
    std::optional<engine::Slot> pressed_;  // the label pressed, while a button is held
    Qt::MouseButton pressedButton_ = Qt::NoButton;
    std::optional<engine::Slot> source_;  // the label dragged, if its form could go
    QPoint grabOffset_;
};
