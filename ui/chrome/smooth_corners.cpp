#include "ui/chrome/smooth_corners.h"

#include "ui/chrome/accessible_control.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <array>
#include <cmath>

#include "ui/chrome/outline.h"
#include "ui/chrome/x11.h"

namespace chrome {
namespace {

// The corner's radius in device pixels: half the corner ellipse of every outline.
constexpr double kRadius = kCornerEllipse / 2.0;

// One corner of the window: clears what lies outside the window's rounded outline there. It lies
// above every control and takes no pointer.
class CornerCut : public QWidget {
public:
    CornerCut(QWidget* window, Qt::Corner corner) : QWidget(window), corner_(corner)
    {
        setObjectName(QStringLiteral("cornerCut"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        HideFromScreenReaders(this);
        setFocusPolicy(Qt::NoFocus);
    }

    void place()
    {
        const int side = int(std::ceil(kRadius / window()->devicePixelRatioF())) + 1;
        const bool right = corner_ == Qt::TopRightCorner || corner_ == Qt::BottomRightCorner;
        const bool bottom = corner_ == Qt::BottomLeftCorner || corner_ == Qt::BottomRightCorner;
        setGeometry(right ? window()->width() - side : 0, bottom ? window()->height() - side : 0, side, side);
        raise();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        // The outline as the window system would cut it: the window's size in whole device
        // pixels, the corners quarter ellipses of the same radius; here in this piece's pixels.
        const double ratio = devicePixelRatioF();
        const QRect device = DeviceOutline(window()).boundingRect();
        QPainterPath outline;
        outline.addRoundedRect(QRectF(QPointF(-x(), -y()), QSizeF(device.size()) / ratio), kRadius / ratio,
                               kRadius / ratio);
        QPainterPath outside;
        outside.addRect(QRectF(rect()));
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        painter.fillPath(outside.subtracted(outline), Qt::black);
    }

private:
    Qt::Corner corner_;
};

// Keeps the four corner pieces in the window's corners and above every control the window gains.
class SmoothCorners : public QObject {
public:
    static constexpr const char* kName = "smoothCorners";

    explicit SmoothCorners(QWidget* window) : QObject(window)
    {
        setObjectName(QLatin1String(kName));
        for (std::size_t i = 0; i < corners_.size(); ++i)
            corners_[i] = new CornerCut(window, kCorners[i]);
        window->installEventFilter(this);
        place();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::ScreenChangeInternal:
        case QEvent::ChildAdded:
            place();
            break;
        default:
            break;
        }
        return false;
    }

private:
    static constexpr std::array<Qt::Corner, 4> kCorners = {Qt::TopLeftCorner, Qt::TopRightCorner, Qt::BottomLeftCorner,
                                                           Qt::BottomRightCorner};

    void place()
    {
        for (CornerCut* corner : corners_)
            corner->place();
    }

    std::array<CornerCut*, 4> corners_{};
};

}  // namespace

bool CompositedDesktop()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) || x11::CompositorRunning();
}

void UseSmoothCorners(QWidget* window)
{
    if (HasSmoothCorners(window))
        return;
    // An alpha channel; the ground is still painted from the palette, as the window's own.
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setAttribute(Qt::WA_NoSystemBackground, false);
    new SmoothCorners(window);
}

bool HasSmoothCorners(const QWidget* window)
{
    return window->findChild<QObject*>(QLatin1String(SmoothCorners::kName), Qt::FindDirectChildrenOnly) != nullptr;
}

}  // namespace chrome
