#include "ui/popups/popup_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include "ui/chrome/accessible_control.h"
#include "ui/chrome/colours.h"
#include "ui/chrome/faces.h"
#include "ui/chrome/layout_font.h"
#include "ui/chrome/outline.h"
#include "ui/chrome/window_frame.h"

PopupWindow::PopupWindow(const QColor& background, QSize size)
    : QWidget(nullptr)
    , designFace_(chrome::LoadFace(QStringLiteral("popup_close_blue"), devicePixelRatioF()))
    , storedFace_(chrome::LoadFace(QStringLiteral("popup_close_green"), devicePixelRatioF()))
{
    chrome::MakeFrameless(this, false);
    setWindowTitle(QStringLiteral("La conjugació dels verbs."));
    chrome::MakeAccessible(this, QAccessible::Window, {});
    setFixedSize(size);
    chrome::SetBackground(this, background);
    // The window's own default font, used by the controls that name none.
    setFont(chrome::LayoutFont("MS Sans Serif", 8.25, false));
    // The bare window reacts to every move of the pointer.
    setMouseTracking(true);
}

void PopupWindow::buildTitleStrip(int width)
{
    titleStrip = new QWidget(this);
    titleStrip->setObjectName(QStringLiteral("titleStrip"));
    titleStrip->setGeometry(0, 0, width, 17);
    chrome::SetBackground(titleStrip, QColor(57, 149, 179));
    chrome::ControlMouse::isolate(titleStrip);

    title = new QLabel(QStringLiteral("la conjugació dels verbs."), titleStrip);
    title->setObjectName(QStringLiteral("title"));
    title->setFont(chrome::LayoutFont("Comic Sans MS", 9, true));
    chrome::SetTextColour(title, Qt::white);
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The title sizes itself to its caption.
    title->move(16, 0);
    title->resize(title->sizeHint().width(), 16);
    chrome::ControlMouse::isolate(title);
}

void PopupWindow::buildCloseButton(QPoint at, const std::array<QPoint, 3>& storePlaces)
{
    for (std::size_t i = 0; i < storedFaces.size(); ++i) {
        storedFaces[i] = new QLabel(this);
        storedFaces[i]->setObjectName(QStringLiteral("storedFace_%1").arg(i));
        storedFaces[i]->setGeometry(QRect(storePlaces[i], QSize(66, 20)));
        // Every stored face is the same picture, shared, so that switching between them is free.
        storedFaces[i]->setPixmap(storedFace_);
        storedFaces[i]->hide();
    }
    // The first stored face is the normal face, the second the pressed and the third the hover face.
    closeButton =
        new chrome::FaceButton({storedFaces[0]->pixmap(), storedFaces[2]->pixmap(), storedFaces[1]->pixmap()}, this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setGeometry(QRect(at, QSize(66, 20)));
    closeButton->showPicture(designFace_);
    closeButton->setAccessibleName(QStringLiteral("Sortir."));
    connect(closeButton, &QAbstractButton::clicked, this, &PopupWindow::closeButtonClicked);
}

QLabel* PopupWindow::addLabel(const char* name, QRect geometry, const QColor& text, Qt::Alignment alignment)
{
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    chrome::SetTextColour(label, text);
    label->setAlignment(alignment | Qt::AlignTop);
    chrome::ControlMouse::isolate(label);
    return label;
}

QWidget* PopupWindow::addRule(const char* name, int x1, int x2, int y)
{
    auto* rule = new QWidget(this);
    rule->setObjectName(QString::fromLatin1(name));
    rule->setGeometry(x1, y, x2 - x1, 1);
    chrome::SetBackground(rule, Qt::black);
    chrome::ControlMouse::isolate(rule);
    return rule;
}

void PopupWindow::load()
{
    if (loaded_)
        return;
    closeButton->showPicture(designFace_);
    resetControls();
    chrome::CentreOnScreen(this);
    loaded_ = true;
    chrome::ApplyRoundedRegion(this);
}

void PopupWindow::open()
{
    if (QWidget* active = QApplication::activeWindow(); active && active != this)
        opener_ = active;
    load();
    if (isVisible())
        raise();  // already open: brought forward
    else
        show();  // a window newly shown comes up on top
    activateWindow();
}

void PopupWindow::dismiss()
{
    load();
    hide();
}

void PopupWindow::unload()
{
    if (!loaded_)
        return;
    hide();
    loaded_ = false;
    resetControls();
}

void PopupWindow::closeEvent(QCloseEvent* event)
{
    // A close from the window system unloads the window, as the exercise window does.
    unload();
    event->accept();
}

void PopupWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        closeButtonClicked();
        returnToOpener();
        break;
    case Qt::Key_F1:
        emit helpAsked();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PopupWindow::returnToOpener()
{
    if (opener_)
        opener_->activateWindow();
}
