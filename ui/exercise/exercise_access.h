// What lets a learner do the exercise without dragging, and hear it: the keys, picking a form up
// and placing it, the focus ring, and the names and roles screen readers read. None of it changes
// what a learner who drags with the pointer sees.
#pragma once

#include <QObject>

#include <functional>
#include <memory>

#include "exercise.h"
#include "exercise_commands.h"
#include "form14_layout.h"

class ExerciseKeys;
class PickAndPlace;
class QKeyEvent;
namespace chrome {
class FocusMarking;
}

class ExerciseAccess {
public:
    ExerciseAccess(QWidget* window, const Form14Layout& controls, const engine::Exercise& exercise,
                   ExerciseCommands commands);
    ~ExerciseAccess();

    // A new exercise, or the same one started again, is shown.
    void boardShown(bool newExercise);
    // A label's form changed.
    void captionChanged(engine::Slot slot);

    // The pointer on the pool labels and targets: a press and release on the same label, or a
    // release elsewhere.
    void clicked(engine::Slot slot, Qt::MouseButton pressed);
    void releasedElsewhere();

    void moveFocus(bool forward);
    bool keyPressed(const QKeyEvent& key);

private:
    void makeAccessible();

    QWidget* window_;
    const Form14Layout& controls_;
    const engine::Exercise& exercise_;
    ExerciseCommands commands_;
    PickAndPlace* pickAndPlace_ = nullptr;
    std::unique_ptr<ExerciseKeys> keys_;
    chrome::FocusMarking* focusMarking_ = nullptr;
};
