#include "form17.h"


#include <QMouseEvent>

Form17::Form17() : PopupWindow(QColor(255, 255, 192), QSize(392, 259))
{
    setObjectName(QStringLiteral("Form17"));
    // One pixel wider than the window.
    BuildTitleStrip(393);

    BuildCloseButton(QPoint(160, 200), {QPoint(32, 264), QPoint(72, 264), QPoint(112, 264)});

    Label3 = AddLabel("Label3", QRect(88, 240, 209, 17), Qt::black, Qt::AlignHCenter);
    Label3->setText(QStringLiteral("Exercici de conjugació catalana."));

    Line1 = AddLine("Line1", 96, 296, 232);

    Label2 = AddLabel("Label2", QRect(8, 56, 377, 129), Qt::black, Qt::AlignHCenter);
    Label2->setFont(LayoutFont("Arial", 12, true));
    Label2->setWordWrap(true);

    // The close button has a Click and nothing else: no hover or press face of its own.
    ControlHandlers button;
    button.click = [this] { fmr1_Click(); };
    mouse_.attach(fmr1, button);
}

void Form17::ResetControls()
{
    Label2->clear();
}

void Form17::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove(MouseArgsOf(*event));
}

void Form17::fmr1_Click()
{
    // Unloading first and hiding after loads the window again without showing it: it ends loaded,
    // hidden and as designed, ready to be shown.
    Unload();
    Hide();
}

void Form17::Form_MouseMove(const MouseArgs&)
{
    ShowFace(fmr[0]);
}
