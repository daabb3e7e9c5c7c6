// Labels and plain widgets made known to screen readers as what the learner takes them for: a
// role, a name, and whether the control is selected.
#pragma once

#include <QAccessible>

class QWidget;

namespace chrome {

// Gives the control `role` and the name `name`.
void MakeAccessible(QWidget* control, QAccessible::Role role, const QString& name);

// A selectable control, selected or not: screen readers follow the change.
void SetAccessibleSelected(QWidget* control, bool selected);

// Tells screen readers that what the control holds has changed: a new name, and for a static
// text its new value.
void SetAccessibleName(QWidget* control, const QString& name);

}  // namespace chrome
