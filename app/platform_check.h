// Before Qt starts its graphical platform: whether the one it would start can start here. Qt ends
// the process with an abort where a platform cannot start; the drill says why in one line instead.
#pragma once

#include <optional>
#include <string>

namespace startup {

// Says in one line why no graphical platform can start here, or nothing where one can. The
// platform is the one Qt would take: named by -platform, else by QT_QPA_PLATFORM, each a list
// tried in order, of which the first that can start here is kept. Where none is named, X11 where
// an X display opens (-display, else DISPLAY), even in a Wayland session, since its windows can be
// placed and given an outline; else Wayland in a Wayland session.
std::optional<std::string> PreparePlatform(int argc, char** argv);

}  // namespace startup
