// How the three windows sit on the desktop: frameless, without a task-bar button, centred.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace chrome {

// Frameless, without a task-bar button. quitOnClose says whether closing the window may end the
// program (the exercise window) or not (the pop-ups).
void MakeFrameless(QWidget* window, bool quitOnClose);

// Gives a frameless window a task-bar entry, or takes it away again: a minimised window needs one
// to be brought back.
void SetTaskBarEntry(QWidget* window, bool entry);

// Minimises the window with a task-bar entry to bring it back by, which it gives up again once the
// window system restores it: when the window reappears, even where the restore came so soon that
// Qt never saw the window minimised.
void MinimiseWithTaskBarEntry(QWidget* window);

// Where a window of `size` goes in the `available` area of its screen: centred, or, where it does
// not fit, with its top-left corner in the area, so that the title strip stays in reach.
QPoint CentredPlacement(const QRect& available, const QSize& size);

// Places the window by that rule on the available area of its screen (the primary screen if it
// has none yet).
void CentreOnScreen(QWidget* window);

}  // namespace chrome
