#include "ui/chrome/accessible_control.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace chrome {
namespace {

// What a control declares of itself; a child object of the control, so it lives as long.
class AccessibleTraits : public QObject {
public:
    static constexpr const char* kName = "accessibleTraits";

    AccessibleTraits(QWidget* control, QAccessible::Role role) : QObject(control), role(role)
    {
        setObjectName(QLatin1String(kName));
    }

    static AccessibleTraits* of(QObject* control)
    {
        return dynamic_cast<AccessibleTraits*>(
            control->findChild<QObject*>(QLatin1String(kName), Qt::FindDirectChildrenOnly));
    }

    QAccessible::Role role;
    bool selectable = false;
    bool selected = false;
};

// The traits are looked up at every question: they go with the control, whose children are
// deleted before its interface.
class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(QWidget* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (const AccessibleTraits* traits = AccessibleTraits::of(widget())) {
            state.selectable = traits->selectable;
            state.selected = traits->selected;
        }
        return state;
    }
};

QAccessibleInterface* ControlFactory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (const AccessibleTraits* traits = AccessibleTraits::of(object))
        return new AccessibleControl(static_cast<QWidget*>(object), traits->role);
    return nullptr;
}

}  // namespace

void MakeAccessible(QWidget* control, QAccessible::Role role, const QString& name)
{
    static const bool installed = (QAccessible::installFactory(ControlFactory), true);
    Q_UNUSED(installed);
    new AccessibleTraits(control, role);
    // An interface Qt made for the control before it had these traits is made anew.
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(control);
    if (interface && interface->role() != role) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(interface));
        QAccessible::queryAccessibleInterface(control);
    }
    control->setAccessibleName(name);
}

void SetAccessibleSelected(QWidget* control, bool selected)
{
    AccessibleTraits* traits = AccessibleTraits::of(control);
    if (!traits || (traits->selectable && traits->selected == selected))
        return;
    traits->selectable = true;
    traits->selected = selected;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

void SetAccessibleName(QWidget* control, const QString& name)
{
    if (control->accessibleName() != name)
        control->setAccessibleName(name);  // tells screen readers itself
}

}  // namespace chrome
