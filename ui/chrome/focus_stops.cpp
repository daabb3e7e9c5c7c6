#include "focus_stops.h"

#include <QApplication>
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
    qApp->installEventFilter(this);
    QAccessible::installActivationObserver(this);
}

FocusStops::~FocusStops() { QAccessible::removeActivationObserver(this); }

bool FocusStops::eventFilter(QObject* watched, QEvent* event)
{
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (key && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == window_ || window_->isAncestorOf(widget))
            openStops();
    }
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
    qApp->removeEventFilter(this);
    QAccessible::removeActivationObserver(this);
    for (QWidget* stop : stops_)
        if (stop)
            stop->setFocusPolicy(Qt::TabFocus);
}

}  // namespace chrome
