// A form picked up to be put elsewhere without dragging: with the keyboard, or with a click on
// its label and a click where it goes. Putting it there is a drop of the picked label, with the
// exchange and the pop-up rules of a drag released on that label.
#pragma once

#include <QObject>

#include <functional>
#include <optional>

#include "exercise.h"
#include "form14_layout.h"

namespace chrome {
class ControlMark;
}

class PickAndPlace : public QObject {
public:
    using Drop = std::function<void(engine::Slot target, engine::Slot source)>;

    PickAndPlace(QWidget* window, const Form14Layout& controls, const engine::Exercise& exercise, Drop drop);

    std::optional<engine::Slot> picked() const { return picked_; }

    // Space or Enter on a label, or a left click on it: with nothing picked up, picks up the form it
    // holds (an empty label holds none); with a form picked up, drops it there and puts it down.
    void activate(engine::Slot slot);
    // Puts the picked form down where it is.
    void putDown();

protected:
    // Any press of the pointer in the window other than on a pool label or target puts it down.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    const Form14Layout& controls_;
    const engine::Exercise& exercise_;
    Drop drop_;
    chrome::ControlMark* mark_;
    std::optional<engine::Slot> picked_;
};
