#include "ui/chrome/capture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace chrome {
namespace {

// Hands the moves and the release that come to the pressed control to the control under the
// pointer, until the last held button is released.
class ReleasedCapture : public QObject {
public:
    static ReleasedCapture* of(QWidget* pressed)
    {
        QObject* found = pressed->findChild<QObject*>(QLatin1String(kName), Qt::FindDirectChildrenOnly);
        return found ? static_cast<ReleasedCapture*>(found) : new ReleasedCapture(pressed);
    }

    void start() { active_ = true; }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        const auto type = event->type();
        if (!active_ || redirecting_ || (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease))
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* pressed = static_cast<QWidget*>(receiver);
        if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton)
            active_ = false;  // the last held button is released: this release ends it
        QWidget* under = WidgetUnder(pressed, *mouse);
        if (under == pressed)
            return false;
        if (under) {
            const QPointF inWindow = WindowPosition(pressed, *mouse);
            QMouseEvent redirected(type, under->mapFrom(under->window(), inWindow), inWindow, mouse->globalPosition(),
                                   mouse->button(), mouse->buttons(), mouse->modifiers(), mouse->pointingDevice());
            redirecting_ = true;
            QCoreApplication::sendEvent(under, &redirected);
            redirecting_ = false;
        }
        return true;
    }

private:
    static constexpr const char* kName = "releasedCapture";

    explicit ReleasedCapture(QWidget* pressed) : QObject(pressed)
    {
        setObjectName(QLatin1String(kName));
        pressed->installEventFilter(this);
    }

    static QPointF WindowPosition(const QWidget* widget, const QMouseEvent& mouse)
    {
        return widget->mapTo(widget->window(), mouse.position());
    }

    // The control under the pointer in the pressed control's window, or the bare window; outside
    // it, whatever window of the program is there, or nothing.
    static QWidget* WidgetUnder(QWidget* pressed, const QMouseEvent& mouse)
    {
        QWidget* window = pressed->window();
        const QPoint at = WindowPosition(pressed, mouse).toPoint();
        if (window->rect().contains(at)) {
            QWidget* child = window->childAt(at);
            return child ? child : window;
        }
        return QApplication::widgetAt(mouse.globalPosition().toPoint());
    }

    bool active_ = false;
    bool redirecting_ = false;
};

}  // namespace

void ReleaseCapture(QWidget* pressed)
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
        ReleasedCapture::of(pressed)->start();
}

}  // namespace chrome
