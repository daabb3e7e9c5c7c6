// What a screen reader is told as the exercise goes on, beyond the focus it follows by itself: a
// form picked up, left, or placed, a new exercise, the menu opening and closing. A learner who
// sees the window takes these in at a glance; nothing here is drawn.
#pragma once

#include <QObject>

#include "engine/board.h"
#include "ui/exercise/exercise_layout.h"

namespace chrome {
class Announcer;
}

class ExerciseAnnouncements : public QObject {
public:
    ExerciseAnnouncements(QWidget* window, const ExerciseLayout& controls);

    void pickedUp(engine::Slot slot);  // "prengui, agafada"
    void left(engine::Slot slot);      // "prengui, deixada"
    // A form moved from `source` onto `target`, once both labels show their new forms: where it went,
    // and in an exchange where the other form went.
    void moved(engine::Slot target, engine::Slot source);
    // "Heu de conjugar el verb prendre en present de condicional."
    void exerciseShown();
    void menuShown(bool open);

private:
    QString formOf(engine::Slot slot) const;
    QString placeOf(engine::Slot slot) const;

    const ExerciseLayout& controls_;
    chrome::Announcer* announcer_;
};
