// The instructions window: the exercise window opens it from its menu and writes the instructions
// into its message. Its "Sortir." button unloads it and then dismisses it, which loads it again
// unseen.
#pragma once

#include "ui/popups/popup_window.h"

class InstructionsWindow : public PopupWindow {
    Q_OBJECT
public:
    InstructionsWindow();

    QLabel* credit = nullptr;
    QWidget* rule = nullptr;
    QLabel* message = nullptr;  // the instructions

protected:
    void closeButtonClicked() override;
    void resetControls() override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
