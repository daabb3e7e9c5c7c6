// The mouse capture of a press: while a button is held, Qt gives every move and the release to the
// control that was pressed. A title strip gives that capture up.
#pragma once

class QWidget;

namespace chrome {

// Releases the capture that `pressed` holds: until the buttons now held are all released, the
// pointer's moves and the release go to the control under the pointer, as they do when no button
// is held. It sends nothing else and moves no window.
void ReleaseCapture(QWidget* pressed);

}  // namespace chrome
