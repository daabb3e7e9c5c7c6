#include "accessible_control.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace chrome {
namespace {

// What a control declares of itself; a child object of the control, so it lives as long.
class AccessibleTraits : public QObject {
public:
    static constexpr const char* kName = "accessibleTraits";

    AccessibleTraits(QWidget* control, QAccessible::Role role, std::function<void()> press)
        : QObject(control), role(role), press(std::move(press))
    {
        setObjectName(QLatin1String(kName));
    }

    static AccessibleTraits* of(QObject* control)
    {
        return dynamic_cast<AccessibleTraits*>(
            control->findChild<QObject*>(QLatin1String(kName), Qt::FindDirectChildrenOnly));
    }

    QAccessible::Role role;
    std::function<void()> press;
    bool selectable = false;
    bool selected = false;
};

class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(QWidget* control, const AccessibleTraits& traits)
        : QAccessibleWidget(control, traits.role), traits_(traits)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = traits_.selectable;
        state.selected = traits_.selected;
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (traits_.press)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && traits_.press)
            traits_.press();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    const AccessibleTraits& traits_;
};

QAccessibleInterface* ControlFactory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (const AccessibleTraits* traits = AccessibleTraits::of(object))
        return new AccessibleControl(static_cast<QWidget*>(object), *traits);
    return nullptr;
}

}  // namespace

void MakeAccessible(QWidget* control, QAccessible::Role role, const QString& name, std::function<void()> press)
{
    static const bool installed = (QAccessible::installFactory(ControlFactory), true);
    Q_UNUSED(installed);
    new AccessibleTraits(control, role, std::move(press));
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
