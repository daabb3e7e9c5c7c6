#include "ui/exercise/label_drag.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>

LabelDrag::LabelDrag(QWidget* window, const ExerciseLayout& controls)
    : QObject(window)
    , window_(window)
    , controls_(controls)
{
    outline_ = new QFrame(window);
    outline_->setObjectName(QStringLiteral("dragOutline"));
    outline_->setFrameStyle(QFrame::Box | QFrame::Plain);
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->hide();

    // The labels keep their mouse events to themselves: none reaches the window's own handlers.
    for (QLabel* item : controls_.pool) {
        item->setAttribute(Qt::WA_NoMousePropagation);
        item->setMouseTracking(true);
        item->installEventFilter(this);
    }
    for (QLabel* target : controls_.targets) {
        target->setAttribute(Qt::WA_NoMousePropagation);
        target->installEventFilter(this);
    }
}

void LabelDrag::begin(engine::Slot source, QPoint pressPos)
{
    Q_ASSERT(pressed_);
    QLabel* control = controls_.label(source);
    source_ = source;
    grabOffset_ = pressPos;
    outline_->setGeometry(QRect(control->mapTo(window_, QPoint(0, 0)), control->size()));
    outline_->raise();
    outline_->show();
}

void LabelDrag::release(QPoint inWindow, QPoint global)
{
    const engine::Slot pressed = *pressed_;
    const std::optional<engine::Slot> source = source_;
    pressed_.reset();
    source_.reset();
    outline_->hide();
    const std::optional<engine::Slot> under = labelAt(inWindow, global);
    if (source && under)
        emit dropped(*under, *source);
    if (under == pressed)
        emit clicked(pressed, pressedButton_);
    else
        emit releasedElsewhere();
}

std::optional<engine::Slot> LabelDrag::labelAt(QPoint inWindow, QPoint global) const
{
    if (!window_->rect().contains(inWindow))
        return std::nullopt;
    // Another window of the program over this one, a pop-up, takes the release itself.
    if (QWidget* over = QApplication::topLevelAt(global); over && over != window_)
        return std::nullopt;
    // A hidden target is never the child under the pointer.
    return controls_.slotOf(window_->childAt(inWindow));
}

bool LabelDrag::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove
        && type != QEvent::MouseButtonRelease)
        return false;
    const std::optional<engine::Slot> slot = controls_.slotOf(watched);
    if (!slot)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    // While a button is held every event comes to the pressed label, wherever the pointer is.
    const QPoint inWindow = static_cast<QWidget*>(watched)->mapTo(window_, mouse->position().toPoint());
    const QPoint global = mouse->globalPosition().toPoint();

    switch (type) {
    case QEvent::MouseMove:
        if (source_)
            outline_->move(inWindow - grabOffset_);
        else if (slot->kind == engine::Slot::Kind::Pool)
            emit poolLabelHovered();
        break;
    case QEvent::MouseButtonRelease:
        if (pressed_ && mouse->buttons() == Qt::NoButton)
            release(inWindow, global);
        break;
    default:  // a press
        if (pressed_ && mouse->buttons() == mouse->button()) {
            // No other button is held: the release of the earlier press never came (the native
            // window was made anew under it). That drag ends without a drop.
            pressed_.reset();
            source_.reset();
            outline_->hide();
        }
        if (!pressed_) {
            pressed_ = slot;
            pressedButton_ = mouse->button();
            emit labelPressed(*slot, mouse->position().toPoint());
        }
        break;
    }
    return true;
}
