// Before Qt opens a display: find out whether one can be opened, since QApplication aborts the
// process where none can, and choose X11 under Wayland where it is there too.
#pragma once

namespace display {

// Says whether a graphical display can be opened. Under a Wayland session that also offers an X
// display, it asks Qt for X11, whose windows can be placed and given an outline; a platform the
// user names in QT_QPA_PLATFORM is always the one used.
bool Prepare();

}  // namespace display
