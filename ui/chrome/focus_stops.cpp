#include "ui/chrome/focus_stops.h"

#include <QEvent>
#include <QWidget>

namespace chrome {

FocusStops::FocusStops(QWidget* window, const QList<QWidget*>& stops) : QObject(window), window_(window)
{
    for (QWidget* stop : stops)
        stops_.append(stop);
    if (QAccessible::isActive()) {
        openStops();
        return;
    }
    // Until the stops open, none of the window's controls can hold the focus, so the window's keys
    // all come to the window itself.
    window->installEventFilter(this);
    QAccessible::installActivationObserver(this);
}

FocusStops::~FocusStops() { QAccessible::removeActivationObserver(this); }

bool FocusStops::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
        openStops();
    return false;
}

void FocusStops::accessibilityActiveChanged(bool active)
{
    if (active)
        openStops();
}

void FocusStops::openStops()
{
    if (open_)
        return;
    open_ = true;
    window_->removeEventFilter(this);
    QAccessible::removeActivationObserver(this);
    for (QWidget* stop : stops_)
        if (stop)
            stop->setFocusPolicy(Qt::TabFocus);
}

}  // namespace chrome
