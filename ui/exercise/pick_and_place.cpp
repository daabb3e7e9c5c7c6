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

void PickAndPlace::activate(engine::Slot slot)
{
    if (!picked_) {
        if (exercise_.caption(slot).empty())
            return;
        picked_ = slot;
        mark_->markControl(controls_.label(slot));
        chrome::SetAccessibleSelected(controls_.label(slot), true);
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
    chrome::SetAccessibleSelected(controls_.label(*picked_), false);
    picked_.reset();
    mark_->markControl(nullptr);
}

bool PickAndPlace::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (picked_ && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window_ && !controls_.slotOf(watched))
        putDown();
    return false;
}
