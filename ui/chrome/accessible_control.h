// Controls drawn as labels and pictures, made known to screen readers as the controls a learner
// acts on: a role, a name, whether the control is selected, and what pressing it does.
#pragma once

#include <QAccessible>

#include <functional>

class QWidget;

namespace chrome {

// Gives the control `role` and the name `name`; `press`, if given, is what a screen reader's
// press action does, as a click would.
void MakeAccessible(QWidget* control, QAccessible::Role role, const QString& name,
                    std::function<void()> press = {});

// A selectable control, selected or not: screen readers follow the change.
void SetAccessibleSelected(QWidget* control, bool selected);

// Tells screen readers that what the control holds has changed: a new name, and for a static
// text its new value.
void SetAccessibleName(QWidget* control, const QString& name);

}  // namespace chrome
