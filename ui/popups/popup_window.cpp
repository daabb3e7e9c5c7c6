#include "popup_window.h"

#include "accessible_control.h"
#include "colours.h"
#include "faces.h"
#include "outline.h"
#include "window_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPalette>


PopupWindow::PopupWindow(const QColor& background, QSize size)
    : QWidget(nullptr)
    , designFace_(chrome::LoadFace(QStringLiteral("fmr_blue"), devicePixelRatioF()))
    , storedFace_(chrome::LoadFace(QStringLiteral("fmr_green"), devicePixelRatioF()))
{
    chrome::MakeFrameless(this, false);
    setWindowTitle(QStringLiteral("La conjugació dels verbs."));
    chrome::MakeAccessible(this, QAccessible::Window, {});
    setFixedSize(size);
    chrome::SetBackground(this, background);
    // The window's own default font, used by the controls that name none.
    setFont(LayoutFont("MS Sans Serif", 8.25, false));
    // The bare window reacts to every move of the pointer.
    setMouseTracking(true);
}

void PopupWindow::BuildTitleStrip(int width)
{
    Picture5 = new QWidget(this);
    Picture5->setObjectName(QStringLiteral("Picture5"));
    Picture5->setGeometry(0, 0, width, 17);
    chrome::SetBackground(Picture5, QColor(57, 149, 179));
    ControlMouse::isolate(Picture5);

    Label6 = new QLabel(QStringLiteral("la conjugació dels verbs."), Picture5);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setFont(LayoutFont("Comic Sans MS", 9, true));
    chrome::SetTextColour(Label6, Qt::white);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The title sizes itself to its caption.
    Label6->move(16, 0);
    Label6->resize(Label6->sizeHint().width(), 16);
    ControlMouse::isolate(Label6);
}

void PopupWindow::BuildCloseButton(QPoint at, const std::array<QPoint, 3>& storePlaces)
{
    for (int i = 0; i < 3; ++i) {
        fmr[i] = new QLabel(this);
        fmr[i]->setObjectName(QStringLiteral("fmr_%1").arg(i));
        fmr[i]->setGeometry(QRect(storePlaces[i], QSize(66, 20)));
        // Every stored face is the same picture, shared, so that switching between them is free.
        fmr[i]->setPixmap(storedFace_);
        fmr[i]->hide();
    }
    fmr1 = new QLabel(this);
    fmr1->setObjectName(QStringLiteral("fmr1"));
    fmr1->setGeometry(QRect(at, QSize(66, 20)));
    fmr1->setPixmap(designFace_);
    ControlMouse::isolate(fmr1);
    chrome::MakeAccessible(fmr1, QAccessible::PushButton, QStringLiteral("Sortir."), [this] { fmr1_Click(); });
}

QLabel* PopupWindow::AddLabel(const char* name, QRect geometry, const QColor& text,
                              Qt::Alignment alignment)
{
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    chrome::SetTextColour(label, text);
    label->setAlignment(alignment | Qt::AlignTop);
    ControlMouse::isolate(label);
    return label;
}

QWidget* PopupWindow::AddLine(const char* name, int x1, int x2, int y)
{
    auto* line = new QWidget(this);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(x1, y, x2 - x1, 1);
    chrome::SetBackground(line, Qt::black);
    ControlMouse::isolate(line);
    return line;
}

void PopupWindow::ShowFace(const QLabel* store)
{
    const QPixmap face = store->pixmap();
    if (fmr1->pixmap().cacheKey() != face.cacheKey())
        fmr1->setPixmap(face);
}

void PopupWindow::Load()
{
    if (loaded_)
        return;
    if (fmr1->pixmap().cacheKey() != designFace_.cacheKey())
        fmr1->setPixmap(designFace_);
    ResetControls();
    chrome::CentreOnScreen(this);
    loaded_ = true;
    Form_Load();
}

void PopupWindow::Form_Load()
{
    chrome::ApplyRoundedRegion(this);
}

void PopupWindow::Show()
{
    if (QWidget* active = QApplication::activeWindow(); active && active != this)
        opener_ = active;
    Load();
    if (isVisible()) {
        raise();  // already open: brought forward
    } else {
        show();  // a window newly shown comes up on top
    }
    activateWindow();
}

void PopupWindow::Hide()
{
    Load();
    hide();
}

void PopupWindow::Unload()
{
    if (!loaded_)
        return;
    hide();
    loaded_ = false;
    ResetControls();
}

void PopupWindow::closeEvent(QCloseEvent* event)
{
    // A close from the window system unloads the window, as the exercise window does.
    Unload();
    event->accept();
}

void PopupWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        fmr1_Click();
        if (opener_)
            opener_->activateWindow();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
