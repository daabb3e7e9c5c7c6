// How the three windows sit on the desktop: frameless, without a task-bar button, centred.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace chrome {

// Frameless, without a task-bar button, and reachable when minimised; drawn with smooth corners
// where a compositor blends the windows. quitOnClose says whether closing the window may
// end the program (the exercise window) or not (the pop-ups).
void MakeFrameless(QWidget* window, bool quitOnClose);

// Keeps `window` above `owner` while both are shown, as a dialog stays above the window it belongs
// to, without making it modal: the owner goes on taking input under it. Call it before `window`
// is first shown.
void KeepAbove(QWidget* window, QWidget* owner);

// Gives a frameless window a task-bar entry, or takes it away again: a minimised window needs one
// to be brought back.
void SetTaskBarEntry(QWidget* window, bool entry);

// A window without a task-bar button would have no way back once minimised: from then on it takes
// an entry whenever it is minimised, by its own control or by the window manager, and gives it up
// once it is back, even where the restore came so soon that Qt never saw it minimised.
void KeepReachableWhenMinimised(QWidget* window);

// Minimises the window, with its task-bar entry given first.
void MinimiseWithTaskBarEntry(QWidget* window);

// Where a window of `size` goes in the `available` area of its screen: centred, or, where it does
// not fit, with its top-left corner in the area, so that the title strip stays in reach.
QPoint CentredPlacement(const QRect& available, const QSize& size);

// Places the window by that rule on the available area of its screen (the primary screen if it
// has none yet), brought to the layout scale first.
void CentreOnScreen(QWidget* window);

}  // namespace chrome
