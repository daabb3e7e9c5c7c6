// A form picked up to be put elsewhere without dragging: with the keyboard, or with a click on
// its label and a click where it goes. Putting it there is a drop of the picked label, with the
// exchange and the pop-up rules of a drag released on that label.
#pragma once

#include <QObject>

#include <optional>

#include "engine/exercise.h"
#include "ui/exercise/exercise_layout.h"

namespace chrome {
class ControlMark;
}

class PickAndPlace : public QObject {
    Q_OBJECT
public:
    // Any press of the pointer in `window` other than on a pool label or target puts the picked
    // form down.
    PickAndPlace(QWidget* window, const ExerciseLayout& controls, const engine::Exercise& exercise);

    std::optional<engine::Slot> picked() const { return picked_; }

    // Space or Enter on a label, or a left click on it: with nothing picked up, picks up the form it
    // holds (an empty label holds none); with a form picked up, drops it there and puts it down.
    void activate(engine::Slot slot);
    // Puts the picked form down where it is.
    void putDown();
    // The learner puts the picked form down where it is (Escape).
    void leave();

signals:
    void pickedUp(engine::Slot slot);
    void left(engine::Slot slot);
    void placed(engine::Slot target, engine::Slot source);

private:
    void pressedInWindow(QPoint inWindow);

    QWidget* window_;
    const ExerciseLayout& controls_;
    const engine::Exercise& exercise_;
    chrome::ControlMark* mark_;
    std::optional<engine::Slot> picked_;
};
