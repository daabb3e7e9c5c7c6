#include "capture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace chrome {
namespace {

// Hands the moves and the release of a released capture to the control under the pointer.
class ReleasedCapture : public QObject {
public:
    static ReleasedCapture& instance()
    {
        static auto* released = new ReleasedCapture(qApp);
        return *released;
    }

    void start() { active_ = true; }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        const auto type = event->type();
        if (!active_ || redirecting_ || !receiver->isWidgetType()
            || (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease))
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton)
            active_ = false;  // the last held button is released: this release ends it
        auto* pressed = static_cast<QWidget*>(receiver);
        QWidget* under = WidgetUnder(pressed, *mouse);
        if (under == pressed)
            return false;
        if (under) {
            QMouseEvent redirected(type, under->mapFrom(under->window(), WindowPosition(pressed, *mouse)),
                                   WindowPosition(pressed, *mouse), mouse->globalPosition(), mouse->button(),
                                   mouse->buttons(), mouse->modifiers(), mouse->pointingDevice());
            redirecting_ = true;
            QCoreApplication::sendEvent(under, &redirected);
            redirecting_ = false;
        }
        return true;
    }

private:
    using QObject::QObject;

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

void ReleaseCapture()
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        return;
    ReleasedCapture& released = ReleasedCapture::instance();
    static const bool installed = (qApp->installEventFilter(&released), true);
    Q_UNUSED(installed);
    released.start();
}

}  // namespace chrome
