// Labels and plain widgets made known to screen readers as what the learner takes them for: a
// role, a name, whether the control is selected, and where it stands among its neighbours.
#pragma once

#include <QAccessible>
#include <QList>

class QWidget;

namespace chrome {

// Gives the control `role` and the name `name`.
void MakeAccessible(QWidget* control, QAccessible::Role role, const QString& name);

// A selectable control, selected or not: screen readers follow the change.
void SetAccessibleSelected(QWidget* control, bool selected);

// Tells screen readers that what the control holds has changed: a new name, and for a static
// text its new value.
void SetAccessibleName(QWidget* control, const QString& name);

// Screen readers see `members` as the children of `container` (made accessible first), in this
// order, the hidden ones left out: a reader gives each its place among them ("3 of 44"). The
// members leave the children of their own parents.
void SetAccessibleChildren(QWidget* container, const QList<QWidget*>& members);

// Something drawn for the eye alone, such as a mark around another control: screen readers neither
// find it among its parent's children nor hear of it coming and going.
void HideFromScreenReaders(QWidget* control);

}  // namespace chrome
