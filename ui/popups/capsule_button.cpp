#include "ui/popups/capsule_button.h"

#include <QPainter>

#include "ui/chrome/layout_font.h"

namespace {

const QColor kOutline(32, 32, 48);
const QColor kFace(242, 180, 102);     // the menu panel's orange
const QColor kLitFace(252, 214, 160);  // paler under the pointer
const QColor kHeldFace(81, 108, 117);  // the menu's highlight while held down
const QColor kInk(Qt::black);
const QColor kHeldInk(Qt::white);

}  // namespace

CapsuleButton::CapsuleButton(const QString& text, QWidget* parent) : chrome::PaintedButton(parent)
{
    setText(text);
    setFont(chrome::LayoutFont("Arial", 8.25, true));
}

void CapsuleButton::setLit(bool lit)
{
    if (lit == lit_)
        return;
    lit_ = lit;
    update();
}

void CapsuleButton::mousePressChanged(bool pressed)
{
    held_ = pressed;
    update();
}

void CapsuleButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool down = held_ || isDown();
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(down ? kHeldFace : lit_ ? kLitFace : kFace);
    const QRectF capsule = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.drawRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);
    painter.setPen(down ? kHeldInk : kInk);
    painter.drawText(rect(), Qt::AlignCenter, text());
}
