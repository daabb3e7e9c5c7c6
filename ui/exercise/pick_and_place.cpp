#include "pick_and_place.h"

#include <QApplication>
#include <QEvent>

#include "accessible_control.h"
#include "control_mark.h"

PickAndPlace::PickAndPlace(QWidget* window, const Form14Layout& controls, const engine::Exercise& exercise,
                           Drop drop)
    : QObject(window)
    , window_(window)
    , controls_(controls)
    , exercise_(exercise)
    , drop_(std::move(drop))
    , mark_(new chrome::ControlMark(window, chrome::ControlMark::Style::Picked))
{
    qApp->installEventFilter(this);
}

QLabel* PickAndPlace::label(engine::Slot slot) const
{
    return slot.kind == engine::Slot::Kind::Pool ? controls_.Item[static_cast<std::size_t>(slot.index)]
                                                 : controls_.Réponse[static_cast<std::size_t>(slot.index)];
}

bool PickAndPlace::isLabel(const QObject* object) const
{
    return std::find(controls_.Item.begin(), controls_.Item.end(), object) != controls_.Item.end()
        || std::find(controls_.Réponse.begin(), controls_.Réponse.end(), object) != controls_.Réponse.end();
}

void PickAndPlace::activate(engine::Slot slot)
{
    if (!picked_) {
        if (exercise_.caption(slot).empty())
            return;
        picked_ = slot;
        mark_->markControl(label(slot));
        chrome::SetAccessibleSelected(label(slot), true);
        return;
    }
    const engine::Slot source = *picked_;
    putDown();
    drop_(slot, source);
}

void PickAndPlace::putDown()
{
    if (!picked_)
        return;
    chrome::SetAccessibleSelected(label(*picked_), false);
    picked_.reset();
    mark_->markControl(nullptr);
}

bool PickAndPlace::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (picked_ && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window_ && !isLabel(watched))
        putDown();
    return false;
}
