#include "form15.h"

#include "capture.h"

#include <QMouseEvent>

Form15::Form15() : PopupWindow(QColor(0, 128, 0), QSize(227, 127))
{
    setObjectName(QStringLiteral("Form15"));
    // The strip is wider than the window, whose right edge cuts it.
    BuildTitleStrip(313);

    Label2 = AddLabel("Label2", QRect(8, 40, 209, 25), Qt::white, Qt::AlignHCenter);
    Label2->setFont(LayoutFont("Arial", 12, true));

    Line1 = AddLine("Line1", 8, 208, 96);

    Label3 = AddLabel("Label3", QRect(8, 104, 209, 17), Qt::white, Qt::AlignHCenter);
    Label3->setText(QStringLiteral("Exercici de conjugació catalana."));

    BuildCloseButton(QPoint(80, 72), {QPoint(56, 136), QPoint(80, 144), QPoint(104, 136)});

    ControlHandlers button;
    button.mouseMove = [this](const MouseArgs& a) { fmr1_MouseMove(a); };
    button.mouseDown = [this](const MouseArgs& a) { fmr1_MouseDown(a); };
    button.mouseUp = [this](const MouseArgs& a) { fmr1_MouseUp(a); };
    button.click = [this] { fmr1_Click(); };
    mouse_.attach(fmr1, button);

    ControlHandlers scoreText;
    scoreText.mouseMove = [this](const MouseArgs& a) { Label2_MouseMove(a); };
    mouse_.attach(Label2, scoreText);

    ControlHandlers title;
    title.mouseDown = [this](const MouseArgs& a) { Label6_MouseDown(a); };
    mouse_.attach(Label6, title);

    ControlHandlers strip;
    strip.mouseDown = [this](const MouseArgs& a) { Picture5_MouseDown(a); };
    mouse_.attach(Picture5, strip);
}

void Form15::ResetControls()
{
    Label2->clear();
    setAccessibleName({});
}

void Form15::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove(MouseArgsOf(*event));
}

void Form15::fmr1_MouseMove(const MouseArgs&)
{
    ShowFace(fmr[2]);
}

void Form15::fmr1_MouseDown(const MouseArgs&)
{
    ShowFace(fmr[1]);
}

void Form15::fmr1_MouseUp(const MouseArgs&)
{
    ShowFace(fmr[0]);
}

void Form15::fmr1_Click()
{
    Hide();
}

void Form15::Form_MouseMove(const MouseArgs&)
{
    ShowFace(fmr[0]);
}

void Form15::Label2_MouseMove(const MouseArgs&)
{
    ShowFace(fmr[0]);
}

void Form15::Label6_MouseDown(const MouseArgs& args)
{
    if (args.button == 1)
        chrome::ReleaseCapture();
}

void Form15::Picture5_MouseDown(const MouseArgs& args)
{
    if (args.button == 1)
        chrome::ReleaseCapture();
}
