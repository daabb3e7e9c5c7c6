#include "ui/chrome/accessible_control.h"

#include <QAccessibleWidget>
#include <QPointer>
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

    // The control's traits, made with no role of its own when it has none yet.
    static AccessibleTraits* made(QWidget* control)
    {
        AccessibleTraits* traits = of(control);
        return traits ? traits : new AccessibleTraits(control, QAccessible::NoRole);
    }

    QAccessible::Role role;
    bool selectable = false;
    bool selected = false;
    bool hidden = false;               // out of the screen readers' tree
    QList<QPointer<QWidget>> members;  // children in the readers' tree, in order
    QPointer<QWidget> container;       // the parent in the readers' tree, when not the real one
};

// The widget's children as screen readers see them.
QList<QWidget*> ReaderChildren(QWidget* widget)
{
    QList<QWidget*> children;
    const AccessibleTraits* traits = AccessibleTraits::of(widget);
    if (traits && !traits->members.isEmpty()) {
        for (const QPointer<QWidget>& member : traits->members)
            if (member && !member->isHidden())
                children.append(member);
        return children;
    }
    for (QObject* object : widget->children()) {
        if (!object->isWidgetType())
            continue;
        auto* child = static_cast<QWidget*>(object);
        const AccessibleTraits* childTraits = AccessibleTraits::of(child);
        const bool elsewhere = childTraits && (childTraits->hidden || childTraits->container);
        if (!child->isWindow() && !elsewhere)
            children.append(child);
    }
    return children;
}

// The traits are looked up at every question: they go with the control, whose children are
// deleted before its interface.
class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(QWidget* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    bool isValid() const override
    {
        const AccessibleTraits* traits = widget() ? AccessibleTraits::of(widget()) : nullptr;
        return QAccessibleWidget::isValid() && !(traits && traits->hidden);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (const AccessibleTraits* traits = AccessibleTraits::of(widget())) {
            state.selectable = traits->selectable;
            state.selected = traits->selected;
        }
        return state;
    }

    QAccessibleInterface* parent() const override
    {
        const AccessibleTraits* traits = AccessibleTraits::of(widget());
        if (traits && traits->container)
            return QAccessible::queryAccessibleInterface(traits->container);
        return QAccessibleWidget::parent();
    }

    int childCount() const override { return static_cast<int>(ReaderChildren(widget()).size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = ReaderChildren(widget());
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        QObject* object = child ? child->object() : nullptr;
        if (!object || !object->isWidgetType())
            return -1;
        return static_cast<int>(ReaderChildren(widget()).indexOf(static_cast<QWidget*>(object)));
    }
};

QAccessibleInterface* ControlFactory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (const AccessibleTraits* traits = AccessibleTraits::of(object))
        if (traits->role != QAccessible::NoRole || traits->hidden || traits->container)
            return new AccessibleControl(static_cast<QWidget*>(object), traits->role);
    return nullptr;
}

// Makes sure the control's interface is the one its traits call for: one Qt made before the control
// had them is made anew.
void RenewInterface(QWidget* control)
{
    static const bool installed = (QAccessible::installFactory(ControlFactory), true);
    Q_UNUSED(installed);
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(control);
    const AccessibleTraits* traits = AccessibleTraits::of(control);
    if (interface && (!dynamic_cast<AccessibleControl*>(interface) || interface->role() != traits->role)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(interface));
        QAccessible::queryAccessibleInterface(control);
    }
}

}  // namespace

void MakeAccessible(QWidget* control, QAccessible::Role role, const QString& name)
{
    AccessibleTraits::made(control)->role = role;
    RenewInterface(control);
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

void SetAccessibleChildren(QWidget* container, const QList<QWidget*>& members)
{
    AccessibleTraits* traits = AccessibleTraits::made(container);
    traits->members.clear();
    for (QWidget* member : members) {
        traits->members.append(member);
        AccessibleTraits* memberTraits = AccessibleTraits::made(member);
        memberTraits->container = member->parentWidget() == container ? nullptr : container;
        RenewInterface(member);
    }
}

void HideFromScreenReaders(QWidget* control)
{
    AccessibleTraits::made(control)->hidden = true;
    RenewInterface(control);
}

}  // namespace chrome
