#include "ui/popups/score_window.h"

#include "ui/chrome/capture.h"
#include "ui/chrome/layout_font.h"

ScoreWindow::ScoreWindow() : PopupWindow(QColor(0, 128, 0), QSize(227, 127))
{
    setObjectName(QStringLiteral("scoreWindow"));
    // The strip is wider than the window, whose right edge cuts it.
    buildTitleStrip(313);

    message = addLabel("message", QRect(8, 40, 209, 25), Qt::white, Qt::AlignHCenter);
    message->setFont(chrome::LayoutFont("Arial", 12, true));

    rule = addRule("rule", 8, 208, 96);

    credit = addLabel("credit", QRect(8, 104, 209, 17), Qt::white, Qt::AlignHCenter);
    credit->setText(QStringLiteral("Exercici de conjugació catalana."));

    buildCloseButton(QPoint(80, 72), {QPoint(56, 136), QPoint(80, 144), QPoint(104, 136)});
    connect(closeButton, &chrome::PaintedButton::pointerMoved, this,
            [this] { closeButton->showFace(chrome::Face::Hover); });

    // Over the score the close button goes back to its normal face; a left press on the title
    // strip gives up the pointer's capture.
    mouse_.watch(message);
    mouse_.watch(title);
    mouse_.watch(titleStrip);
    connect(&mouse_, &chrome::ControlMouse::moved, this, [this](QWidget* control) {
        if (control == message)
            closeButton->showFace(chrome::Face::Normal);
    });
    connect(&mouse_, &chrome::ControlMouse::pressed, this, [](QWidget* control, Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            chrome::ReleaseCapture(control);
    });
}

void ScoreWindow::resetControls()
{
    message->clear();
    setAccessibleName({});
}

void ScoreWindow::mouseMoveEvent(QMouseEvent*) { closeButton->showFace(chrome::Face::Normal); }

void ScoreWindow::closeButtonClicked() { dismiss(); }
