// The marks of the feedback mode: once the answers are scored, each visible target shows whether it
// holds the expected form, a tick in a disc for a right answer and a cross for a wrong one, set on
// the target's lower right corner below the form. They go as soon as the board changes.
#pragma once

#include <QObject>
#include <QWidget>

#include <array>

#include "engine/exercise.h"
#include "ui/exercise/exercise_layout.h"

class AnswerMark : public QWidget {
    Q_OBJECT
public:
    explicit AnswerMark(QWidget* window);

    // Shows the mark on `target`, right or wrong.
    void mark(QWidget* target, bool right);
    bool right() const { return right_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool right_ = false;
};

class AnswerMarks : public QObject {
public:
    AnswerMarks(QWidget* window, const ExerciseLayout& controls, const engine::Exercise& exercise);

    // A mark on every visible target while the exercise's answers are marked, none otherwise.
    void refresh();

private:
    const ExerciseLayout& controls_;
    const engine::Exercise& exercise_;
    std::array<AnswerMark*, engine::kTargets> marks_{};
};
