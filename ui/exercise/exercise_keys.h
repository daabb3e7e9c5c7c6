// The exercise by the keyboard. Tab and Shift+Tab go round the pool labels in reading order, the
// visible targets from the top, then "Recomençar.", "Avaluar.", "Altre verb." and "MENÚ.", and the
// two menu entries while the menu is open. The arrows move within the pool grid and up and down
// the targets. Space or Enter picks up or drops a form, or presses a button; Escape puts a form
// down, or else closes the menu; F1 shows the instructions.
#pragma once

#include <QObject>

#include <vector>

#include "engine/board.h"
#include "ui/exercise/exercise_layout.h"

class QKeyEvent;
class PickAndPlace;

class ExerciseKeys : public QObject {
    Q_OBJECT
public:
    ExerciseKeys(QWidget* window, const ExerciseLayout& controls, PickAndPlace& pickAndPlace);

    // After a new exercise the next Tab starts again at the pool's first label, and Shift+Tab at
    // the last stop.
    void startAgain() { startAgain_ = true; }

    // Tab (forward) or Shift+Tab.
    void moveFocus(bool forward);

    // Whether the key did something here.
    bool keyPressed(const QKeyEvent& key);

signals:
    void instructionsAsked();
    void menuClosing();

private:
    std::vector<QWidget*> stops() const;
    void focus(QWidget* control);
    void moveWithArrow(int key, engine::Slot from);
    void activate(QWidget* control);

    QWidget* window_;
    const ExerciseLayout& controls_;
    PickAndPlace& pickAndPlace_;
    bool startAgain_ = true;
};
