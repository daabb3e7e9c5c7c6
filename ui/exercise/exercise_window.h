// The exercise window: instruction, person rows, the pool of proposed forms, the buttons and the
// menu. Its slots call the engine and mirror the board into the labels.
#pragma once

#include <QWidget>

#include <memory>

#include "engine/exercise.h"
#include "ui/exercise/exercise_layout.h"
#include "ui/exercise/hover.h"
#include "ui/exercise/practice.h"
#include "ui/popups/instructions_window.h"
#include "ui/popups/score_window.h"

class AnswerMarks;
class ExerciseAccess;
class LabelDrag;

class ExerciseWindow : public QWidget, public ExerciseLayout {
    Q_OBJECT
public:
    // `source` draws the exercises; without one the window uses a clock-seeded generator. With
    // `practice.feedback` the answers are marked after each score and the solution can be shown.
    explicit ExerciseWindow(std::unique_ptr<engine::UniformSource> source = nullptr, const Practice& practice = {});
    ~ExerciseWindow() override;

public slots:
    void newExercise();
    void showScore();
    void restart();
    void openMenu();
    void closeMenu();
    void showInstructions();
    void minimise();
    void quit();
    // A form dragged or placed from `source` onto `target`: the two labels change forms.
    void drop(engine::Slot target, engine::Slot source);
    // In the feedback mode: closes the score window and puts every expected form on its target,
    // each with a drop from where it is, then marks the answers.
    void showSolution();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // A close from the window manager or the session ends the program as "Sortir." does.
    void closeEvent(QCloseEvent* event) override;

private:
    void connectControls();
    void startDrag(engine::Slot slot, QPoint pressPos);
    void pointerOver(hover::Surface surface);
    void showLook(hover::Change change);
    void hideMenuPanel();
    void showBoard();
    void showCaption(engine::Slot slot);
    void unloadPopups();
    ScoreWindow& scoreWindow();
    void showMarks();

    std::unique_ptr<engine::UniformSource> source_;
    engine::Exercise exercise_;
    LabelDrag* drag_ = nullptr;
    ExerciseAccess* access_ = nullptr;
    AnswerMarks* marks_ = nullptr;  // in the feedback mode only
    // The pop-ups are made when first opened: most exercises never open the instructions, and the
    // exercise window comes up sooner without them.
    std::unique_ptr<ScoreWindow> scoreWindow_;
    std::unique_ptr<InstructionsWindow> instructionsWindow_;
    bool quitting_ = false;
};
