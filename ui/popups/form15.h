// The score pop-up: the exercise window shows it and writes the score into Label2; the learner
// takes it away with its own "Sortir." button, which hides it and keeps it loaded.
#pragma once

#include "popup_window.h"

class QMouseEvent;

class Form15 : public PopupWindow {
    Q_OBJECT
public:
    Form15();

    QLabel* Label2 = nullptr;  // the score text
    QWidget* Line1 = nullptr;
    QLabel* Label3 = nullptr;  // the credit line

    void fmr1_MouseMove(const MouseArgs& args);
    void fmr1_MouseDown(const MouseArgs& args);
    void fmr1_MouseUp(const MouseArgs& args);
    void fmr1_Click() override;
    void Form_MouseMove(const MouseArgs& args);
    void Label2_MouseMove(const MouseArgs& args);
    void Label6_MouseDown(const MouseArgs& args);
    void Picture5_MouseDown(const MouseArgs& args);

protected:
    void ResetControls() override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
