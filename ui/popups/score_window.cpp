#include "ui/popups/score_window.h"

#include <QKeyEvent>

#include "ui/chrome/capture.h"
#include "ui/chrome/control_mark.h"
#include "ui/chrome/layout_font.h"

ScoreWindow::ScoreWindow(bool offersSolution) : PopupWindow(QColor(0, 128, 0), QSize(227, 127))
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
    connect(closeButton, &chrome::PaintedButton::pointerMoved, this, [this] {
        closeButton->showFace(chrome::Face::Hover);
        if (solutionButton)
            solutionButton->setLit(false);
    });

    // Over the score the close button goes back to its normal face; a left press on the title
    // strip gives up the pointer's capture.
    mouse_.watch(message);
    mouse_.watch(title);
    mouse_.watch(titleStrip);
    connect(&mouse_, &chrome::ControlMouse::moved, this, [this](QWidget* control) {
        if (control == message) {
            closeButton->showFace(chrome::Face::Normal);
            if (solutionButton)
                solutionButton->setLit(false);
        }
    });
    connect(&mouse_, &chrome::ControlMouse::pressed, this, [](QWidget* control, Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            chrome::ReleaseCapture(control);
    });

    if (offersSolution)
        buildSolutionButton();
}

void ScoreWindow::buildSolutionButton()
{
    // "Sortir." steps aside to make room for it.
    closeButton->move(36, 72);
    solutionButton = new CapsuleButton(QStringLiteral("Solució."), this);
    solutionButton->setObjectName(QStringLiteral("solutionButton"));
    solutionButton->setGeometry(124, 72, 66, 20);
    solutionButton->setFocusPolicy(Qt::TabFocus);
    new chrome::FocusMarking(this);
    connect(solutionButton, &chrome::PaintedButton::pointerMoved, this, [this] {
        solutionButton->setLit(true);
        closeButton->showFace(chrome::Face::Normal);
    });
    connect(solutionButton, &QAbstractButton::clicked, this, [this] {
        dismiss();
        returnToOpener();
        emit solutionAsked();
    });
}

void ScoreWindow::resetControls()
{
    message->clear();
    setAccessibleName({});
}

void ScoreWindow::mouseMoveEvent(QMouseEvent*)
{
    closeButton->showFace(chrome::Face::Normal);
    if (solutionButton)
        solutionButton->setLit(false);
}

void ScoreWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && solutionButton && solutionButton->hasFocus())
        solutionButton->click();
    else
        PopupWindow::keyPressEvent(event);
}

// Each time the window comes up it holds the focus itself, so that Space and Enter close it until
// Tab takes the focus to "Solució." (Qt would give the focus to the button), and the pointer is
// not yet over anything.
void ScoreWindow::showEvent(QShowEvent* event)
{
    if (solutionButton) {
        setFocus(Qt::OtherFocusReason);
        solutionButton->setLit(false);
    }
    PopupWindow::showEvent(event);
}

void ScoreWindow::closeButtonClicked() { dismiss(); }
