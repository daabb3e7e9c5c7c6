#include "label_drag.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>

LabelDrag::LabelDrag(QWidget* window, const Form14Layout& controls, Handlers handlers)
    : QObject(window), window_(window), controls_(controls), handlers_(std::move(handlers))
{
    outline_ = new QFrame(window);
    outline_->setObjectName(QStringLiteral("dragOutline"));
    outline_->setFrameStyle(QFrame::Box | QFrame::Plain);
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->hide();

    // The labels keep their mouse events to themselves: none reaches the window's own handlers.
    for (QLabel* item : controls_.Item) {
        item->setAttribute(Qt::WA_NoMousePropagation);
        item->setMouseTracking(true);
        item->installEventFilter(this);
    }
    for (QLabel* target : controls_.Réponse) {
        target->setAttribute(Qt::WA_NoMousePropagation);
        target->installEventFilter(this);
    }
}

QLabel* LabelDrag::label(engine::Slot slot) const
{
    return slot.kind == engine::Slot::Kind::Pool ? controls_.Item[static_cast<std::size_t>(slot.index)]
                                                 : controls_.Réponse[static_cast<std::size_t>(slot.index)];
}

std::optional<engine::Slot> LabelDrag::slotOf(const QObject* control) const
{
    for (std::size_t i = 0; i < controls_.Item.size(); ++i)
        if (controls_.Item[i] == control)
            return engine::Slot::pool(static_cast<int>(i));
    for (std::size_t i = 0; i < controls_.Réponse.size(); ++i)
        if (controls_.Réponse[i] == control)
            return engine::Slot::target(static_cast<int>(i));
    return std::nullopt;
}

void LabelDrag::begin(engine::Slot source, QPoint pressPos)
{
    QLabel* control = label(source);
    source_ = source;
    grabOffset_ = pressPos;
    outline_->setGeometry(QRect(control->mapTo(window_, QPoint(0, 0)), control->size()));
    outline_->raise();
    outline_->show();
}

void LabelDrag::end(QPoint inWindow, QPoint global)
{
    const engine::Slot source = *source_;
    source_.reset();
    outline_->hide();
    if (const std::optional<engine::Slot> target = dropTargetAt(inWindow, global))
        handlers_.dragDrop(*target, source);
}

std::optional<engine::Slot> LabelDrag::dropTargetAt(QPoint inWindow, QPoint global) const
{
    if (!window_->rect().contains(inWindow))
        return std::nullopt;
    // Another window of the program over this one, a pop-up, takes the release itself.
    if (QWidget* over = QApplication::topLevelAt(global); over && over != window_)
        return std::nullopt;
    // A hidden target is never the child under the pointer.
    return slotOf(window_->childAt(inWindow));
}

bool LabelDrag::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove
        && type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    // While a button is held every event comes to the pressed label, wherever the pointer is.
    const QPoint inWindow = static_cast<QWidget*>(watched)->mapTo(window_, mouse->position().toPoint());
    const QPoint global = mouse->globalPosition().toPoint();

    if (source_) {
        if (type == QEvent::MouseMove)
            outline_->move(inWindow - grabOffset_);
        else if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton)
            end(inWindow, global);
        return true;
    }

    const std::optional<engine::Slot> slot = slotOf(watched);
    if (!slot)
        return false;
    if (type == QEvent::MouseMove) {
        if (slot->kind == engine::Slot::Kind::Pool)
            handlers_.itemMouseMove(slot->index, MouseArgsOf(*mouse));
    } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        handlers_.mouseDown(*slot, MouseArgsOf(*mouse));
    }
    return true;
}
