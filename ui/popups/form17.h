// The presentation window: the exercise window opens it from its menu and writes the instructions
// into Label2. Its "Sortir." button unloads it and then hides it, which loads it again unseen.
#pragma once

#include "popup_window.h"

class QMouseEvent;

class Form17 : public PopupWindow {
    Q_OBJECT
public:
    Form17();

    QLabel* Label3 = nullptr;  // the credit line
    QWidget* Line1 = nullptr;
    QLabel* Label2 = nullptr;  // the instructions text

    void fmr1_Click() override;
    void Form_MouseMove(const MouseArgs& args);

protected:
    void ResetControls() override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
