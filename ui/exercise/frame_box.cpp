#include "ui/exercise/frame_box.h"

#include <QPainter>

void FrameBox::setCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void FrameBox::setCaptionColor(const QColor& color)
{
    captionColor_ = color;
    update();
}

void FrameBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());

    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    const QRect box(0, lineY, width() - 1, height() - lineY - 1);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(255, 255, 255));
    painter.drawRect(box.adjusted(1, 1, 0, 0));

    const int captionLeft = 8;
    const QRect captionRect(captionLeft, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
    painter.fillRect(captionRect, palette().window());
    painter.setPen(captionColor_);
    painter.drawText(captionRect, Qt::AlignCenter, caption_);
}
