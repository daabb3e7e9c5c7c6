#include "ui/exercise/pick_and_place.h"

#include "ui/chrome/accessible_control.h"
#include "ui/chrome/control_mark.h"
#include "ui/chrome/window_input.h"

PickAndPlace::PickAndPlace(QWidget* window, const ExerciseLayout& controls, const engine::Exercise& exercise)
    : QObject(window)
    , window_(window)
    , controls_(controls)
    , exercise_(exercise)
    , mark_(new chrome::ControlMark(window, chrome::ControlMark::Style::Picked))
{
    connect(chrome::WindowInput::of(window), &chrome::WindowInput::pressed, this, &PickAndPlace::pressedInWindow);
}

void PickAndPlace::activate(engine::Slot slot)
{
    if (!picked_) {
        if (exercise_.caption(slot).empty())
            return;
        picked_ = slot;
        mark_->markControl(controls_.label(slot));
        chrome::SetAccessibleSelected(controls_.label(slot), true);
        emit pickedUp(slot);
        return;
    }
    const engine::Slot source = *picked_;
    putDown();
    emit placed(slot, source);
}

void PickAndPlace::putDown()
{
    if (!picked_)
        return;
    chrome::SetAccessibleSelected(controls_.label(*picked_), false);
    picked_.reset();
    mark_->markControl(nullptr);
}

void PickAndPlace::leave()
{
    if (!picked_)
        return;
    const engine::Slot slot = *picked_;
    putDown();
    emit left(slot);
}

void PickAndPlace::pressedInWindow(QPoint inWindow)
{
    if (picked_ && !controls_.slotOf(window_->childAt(inWindow)))
        putDown();
}
