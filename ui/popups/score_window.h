// The score pop-up: the exercise window opens it and writes the score into its message; the
// learner takes it away with its own "Sortir." button, which dismisses it and keeps it loaded.
#pragma once

#include "ui/popups/popup_window.h"

class ScoreWindow : public PopupWindow {
    Q_OBJECT
public:
    ScoreWindow();

    QLabel* message = nullptr;  // the score
    QWidget* rule = nullptr;
    QLabel* credit = nullptr;

protected:
    void closeButtonClicked() override;
    void resetControls() override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
