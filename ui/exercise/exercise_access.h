// What lets a learner do the exercise without dragging, and hear it: the keys, picking a form up
// and placing it, the focus ring, and the names and roles screen readers read. None of it changes
// what a learner who drags with the pointer sees.
#pragma once

#include <QObject>

#include "engine/exercise.h"
#include "ui/exercise/exercise_layout.h"

class ExerciseAnnouncements;
class ExerciseKeys;
class PickAndPlace;
namespace chrome {
class FocusMarking;
}

class ExerciseAccess : public QObject {
    Q_OBJECT
public:
    ExerciseAccess(QWidget* window, const ExerciseLayout& controls, const engine::Exercise& exercise);

    ExerciseKeys& keys() const { return *keys_; }
    PickAndPlace& pickAndPlace() const { return *pickAndPlace_; }

    // A new exercise, or the same one started again, is shown.
    void boardShown(bool newExercise);
    // A label's form changed.
    void captionChanged(engine::Slot slot);
    // A form was dragged or placed from `source` onto `target`, and both labels show their forms.
    void formsMoved(engine::Slot target, engine::Slot source);
    // The answers were marked right or wrong, or their marks went away: a marked target's name
    // ends with its mark ("1 persona singular: prengui, incorrecta").
    void marksChanged();

    // The pointer on the pool labels and targets: a press and release on the same label, or a
    // release elsewhere.
    void clicked(engine::Slot slot, Qt::MouseButton pressed);
    void releasedElsewhere();

private:
    void makeAccessible();

    QWidget* window_;
    const ExerciseLayout& controls_;
    const engine::Exercise& exercise_;
    PickAndPlace* pickAndPlace_ = nullptr;
    ExerciseKeys* keys_ = nullptr;
    ExerciseAnnouncements* announcements_ = nullptr;
    chrome::FocusMarking* focusMarking_ = nullptr;
};
