// The score pop-up: the exercise window opens it and writes the score into its message; the
// learner takes it away with its own "Sortir." button, which dismisses it and keeps it loaded.
// Offering the solution, it also holds "Solució.", the one control Tab reaches: Space, Enter or a
// click on it dismisses the window and asks for the solution.
#pragma once

#include "ui/popups/capsule_button.h"
#include "ui/popups/popup_window.h"

class ScoreWindow : public PopupWindow {
    Q_OBJECT
public:
    explicit ScoreWindow(bool offersSolution = false);

    QLabel* message = nullptr;  // the score
    QWidget* rule = nullptr;
    QLabel* credit = nullptr;
    CapsuleButton* solutionButton = nullptr;  // "Solució.", where the solution is offered

signals:
    void solutionAsked();

protected:
    void closeButtonClicked() override;
    void resetControls() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildSolutionButton();
};
