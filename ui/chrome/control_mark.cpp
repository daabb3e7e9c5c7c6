#include "ui/chrome/control_mark.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>

#include "ui/chrome/accessible_control.h"
#include "ui/chrome/window_input.h"

namespace chrome {
namespace {

constexpr int kRingOutside = 3;  // pixels around the control
const QColor kRingColour(255, 255, 0);

}  // namespace

ControlMark::ControlMark(QWidget* window, Style style) : QWidget(window), style_(style)
{
    setObjectName(style == Style::FocusRing ? QStringLiteral("focusRing") : QStringLiteral("pickedMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    HideFromScreenReaders(this);
    hide();
}

void ControlMark::markControl(QWidget* control)
{
    control_ = control;
    if (!control) {
        hide();
        return;
    }
    setGeometry(style_ == Style::FocusRing ? ringArea(control) : placeOf(control));
    raise();
    show();
    update();
}

QRect ControlMark::placeOf(const QWidget* control) const
{
    return {control->mapTo(window(), QPoint(0, 0)), control->size()};
}

QRect ControlMark::ringArea(const QWidget* control) const
{
    QRect area = placeOf(control).adjusted(-kRingOutside, -kRingOutside, kRingOutside, kRingOutside);
    const QWidget* panel = control;
    while (panel->parentWidget() && panel->parentWidget() != window())
        panel = panel->parentWidget();
    if (panel == control)
        return area;
    // Inside a panel, such as the menu, the ring keeps within the panel, and it stops short of a
    // neighbour it would cover.
    area &= placeOf(panel);
    const QRect own = placeOf(control);
    for (const QObject* object : control->parentWidget()->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(object);
        if (!sibling || sibling == control || sibling->isHidden() || !area.intersects(placeOf(sibling)))
            continue;
        const QRect other = placeOf(sibling);
        if (other.top() > own.bottom())
            area.setBottom(other.top() - 1);
        else if (other.bottom() < own.top())
            area.setTop(other.bottom() + 1);
        else if (other.left() > own.right())
            area.setRight(other.left() - 1);
        else if (other.right() < own.left())
            area.setLeft(other.right() + 1);
    }
    return area;
}

void ControlMark::paintEvent(QPaintEvent*)
{
    // Two bands, so that one of them stands out against whatever surrounds the control.
    QPainter painter(this);
    const QRect outer = rect();
    const QColor outerColour = style_ == Style::FocusRing ? kRingColour : QColor(Qt::white);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::NoBrush);
    QRegion band(outer);
    band -= QRegion(outer.adjusted(2, 2, -2, -2));
    painter.setClipRegion(band);
    painter.fillRect(outer, outerColour);
    band = QRegion(outer.adjusted(2, 2, -2, -2));
    band -= QRegion(outer.adjusted(3, 3, -3, -3));
    painter.setClipRegion(band);
    painter.fillRect(outer, Qt::black);
}

FocusMarking::FocusMarking(QWidget* window)
    : QObject(window)
    , window_(window)
    , ring_(new ControlMark(window, ControlMark::Style::FocusRing))
{
    WindowInput* input = WindowInput::of(window);
    connect(input, &WindowInput::keyPressed, this, &FocusMarking::keyboardUsed);
    connect(input, &WindowInput::pressed, this, &FocusMarking::pointerUsed);
    connect(input, &WindowInput::pointerMoved, this, &FocusMarking::pointerMoved);
    connect(qApp, &QApplication::focusChanged, this, &FocusMarking::refresh);
}

void FocusMarking::refresh()
{
    QWidget* focused = window_->focusWidget();
    const bool stop =
        focused && focused != window_ && (focused->focusPolicy() & Qt::TabFocus) && focused->isVisibleTo(window_);
    ring_->markControl(keyboardInUse_ && stop ? focused : nullptr);
}

void FocusMarking::keyboardUsed()
{
    if (keyboardInUse_)
        return;
    keyboardInUse_ = true;
    lastPointer_ = QCursor::pos();  // where the pointer rests from now on
    refresh();
}

void FocusMarking::pointerUsed()
{
    if (!keyboardInUse_)
        return;
    keyboardInUse_ = false;
    refresh();
}

void FocusMarking::pointerMoved(QPointF global)
{
    if (global == lastPointer_)
        return;  // reported again where it rests
    lastPointer_ = global;
    pointerUsed();
}

}  // namespace chrome
