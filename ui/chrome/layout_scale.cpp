#include "ui/chrome/layout_scale.h"

#include <QRect>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace chrome {
namespace {

double layoutScale = 1.0;

int Scaled(int value) { return int(std::lround(value * layoutScale)); }

// Each edge is scaled, so that controls that meet as designed still meet.
QRect Scaled(const QRect& r)
{
    const int left = Scaled(r.left()), top = Scaled(r.top());
    return {left, top, Scaled(r.left() + r.width()) - left, Scaled(r.top() + r.height()) - top};
}

}  // namespace

void SetLayoutScale(double scale) { layoutScale = scale > 0.0 ? scale : 1.0; }

double LayoutScale() { return layoutScale; }

void ScaleLayout(QWidget* window)
{
    constexpr const char* kScaled = "layoutScaled";
    if (layoutScale == 1.0 || window->property(kScaled).toBool())
        return;
    window->setProperty(kScaled, true);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->isWindow())
            continue;
        QRect scaled = Scaled(control->geometry());
        // A control as wide as its text is that wide in the scaled type already.
        if (control->width() == control->sizeHint().width())
            scaled.setWidth(control->width());
        control->setGeometry(scaled);
    }
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(Scaled(window->width()), Scaled(window->height()));
    else
        window->resize(Scaled(window->width()), Scaled(window->height()));
}

}  // namespace chrome
