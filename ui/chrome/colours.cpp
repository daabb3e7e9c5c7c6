#include "ui/chrome/colours.h"

#include <QPalette>
#include <QWidget>

namespace chrome {

void SetBackground(QWidget* widget, const QColor& colour)
{
    if (widget->autoFillBackground() && widget->palette().color(QPalette::Window) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace chrome
