#include "ui/chrome/announcer.h"

#include "ui/chrome/accessible_control.h"

namespace chrome {

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    MakeAccessible(this, QAccessible::Notification, {});
    hide();
}

void Announcer::announce(const QString& message)
{
    if (message.isEmpty())
        return;
    // Readers speak a notification when it starts showing, not when its name changes.
    hide();
    setAccessibleName(message);
    show();
}

}  // namespace chrome
