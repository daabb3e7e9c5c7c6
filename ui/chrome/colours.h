// Colours of controls and windows.
#pragma once

class QColor;
class QWidget;

namespace chrome {

// Gives a control or window a solid background of `colour`. A colour already shown is not set
// again, so nothing repaints.
void SetBackground(QWidget* widget, const QColor& colour);

// Sets the colour of a control's text.
void SetTextColour(QWidget* widget, const QColor& colour);

}  // namespace chrome
