#include "ui/exercise/exercise_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <algorithm>

#include "ui/exercise/pick_and_place.h"
#include "ui/exercise/pool_grid.h"

ExerciseKeys::ExerciseKeys(QWidget* window, const ExerciseLayout& controls, PickAndPlace& pickAndPlace)
    : QObject(window)
    , window_(window)
    , controls_(controls)
    , pickAndPlace_(pickAndPlace)
{
}

std::vector<QWidget*> ExerciseKeys::stops() const
{
    std::vector<QWidget*> stops;
    for (int slot : pool_grid::readingOrder())
        stops.push_back(controls_.pool[static_cast<std::size_t>(slot)]);
    for (QLabel* target : controls_.targets)
        if (target->isVisibleTo(window_))
            stops.push_back(target);
    stops.insert(stops.end(),
                 {controls_.restartButton, controls_.scoreButton, controls_.newVerbButton, controls_.menuButton});
    if (controls_.menuPanel->isVisibleTo(window_)) {
        stops.push_back(controls_.instructionsEntry);
        stops.push_back(controls_.quitEntry);
    }
    return stops;
}

void ExerciseKeys::focus(QWidget* control)
{
    startAgain_ = false;
    control->setFocus(Qt::TabFocusReason);
}

void ExerciseKeys::moveFocus(bool forward)
{
    const std::vector<QWidget*> order = stops();
    QWidget* current = window_->focusWidget();
    const auto at = std::find(order.begin(), order.end(), current);
    if (startAgain_ || !current) {
        focus(forward ? order.front() : order.back());
    } else if (at != order.end()) {
        const auto n = static_cast<std::ptrdiff_t>(order.size());
        const std::ptrdiff_t next = ((at - order.begin()) + (forward ? 1 : -1) + n) % n;
        focus(order[static_cast<std::size_t>(next)]);
    } else if (current == controls_.instructionsEntry || current == controls_.quitEntry) {
        focus(controls_.menuButton);  // the menu closed under the focus
    } else if (current == controls_.targets[0]) {
        focus(controls_.targets[1]);  // the first person's row went away
    } else {
        focus(order.front());
    }
}

void ExerciseKeys::moveWithArrow(int key, engine::Slot from)
{
    if (from.kind == engine::Slot::Kind::Pool) {
        pool_grid::Cell cell = pool_grid::cellOf(from.index);
        switch (key) {
        case Qt::Key_Up:
            cell.row = std::max(cell.row - 1, 0);
            break;
        case Qt::Key_Down:
            cell.row = std::min(cell.row + 1, pool_grid::kRows - 1);
            break;
        case Qt::Key_Left:
            cell.column = std::max(cell.column - 1, 0);
            break;
        case Qt::Key_Right:
            cell.column = std::min(cell.column + 1, pool_grid::kColumns - 1);
            break;
        }
        focus(controls_.pool[static_cast<std::size_t>(pool_grid::slotAt(cell))]);
        return;
    }
    const int step = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    for (int row = from.index + step; step != 0 && row >= 0 && row < engine::kTargets; row += step)
        if (controls_.targets[static_cast<std::size_t>(row)]->isVisibleTo(window_)) {
            focus(controls_.targets[static_cast<std::size_t>(row)]);
            return;
        }
}

void ExerciseKeys::activate(QWidget* control)
{
    if (const std::optional<engine::Slot> slot = controls_.slotOf(control))
        pickAndPlace_.activate(*slot);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->click();  // Space reaches a button itself; Enter comes here
}

bool ExerciseKeys::keyPressed(const QKeyEvent& key)
{
    QWidget* focused = window_->focusWidget();
    const bool onStop = focused && focused != window_ && (focused->focusPolicy() & Qt::TabFocus);
    switch (key.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (onStop)
            activate(focused);
        return onStop;
    case Qt::Key_Escape:
        if (pickAndPlace_.picked())
            pickAndPlace_.leave();
        else if (controls_.menuPanel->isVisibleTo(window_))
            emit menuClosing();
        return true;
    case Qt::Key_F1:
        emit instructionsAsked();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (const std::optional<engine::Slot> slot = onStop ? controls_.slotOf(focused) : std::nullopt)
            moveWithArrow(key.key(), *slot);
        return true;
    default:
        return false;
    }
}
