#include "ui/popups/instructions_window.h"

#include "ui/chrome/layout_font.h"

InstructionsWindow::InstructionsWindow() : PopupWindow(QColor(255, 255, 192), QSize(392, 259))
{
    setObjectName(QStringLiteral("instructionsWindow"));
    // One pixel wider than the window.
    buildTitleStrip(393);

    buildCloseButton(QPoint(160, 200), {QPoint(32, 264), QPoint(72, 264), QPoint(112, 264)});
    // The close button has a click and nothing else: no hover or press face of its own.
    closeButton->setPressFaces(false);

    credit = addLabel("credit", QRect(88, 240, 209, 17), Qt::black, Qt::AlignHCenter);
    credit->setText(QStringLiteral("Exercici de conjugació catalana."));

    rule = addRule("rule", 96, 296, 232);

    message = addLabel("message", QRect(8, 56, 377, 129), Qt::black, Qt::AlignHCenter);
    message->setFont(chrome::LayoutFont("Arial", 12, true));
    message->setWordWrap(true);
}

void InstructionsWindow::resetControls() { message->clear(); }

void InstructionsWindow::mouseMoveEvent(QMouseEvent*) { closeButton->showFace(chrome::Face::Normal); }

void InstructionsWindow::closeButtonClicked()
{
    // Unloading first and dismissing after loads the window again without showing it: it ends
    // loaded, hidden and as designed, ready to be opened.
    unload();
    dismiss();
}
