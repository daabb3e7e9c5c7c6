// What the drill makes sure of before the application object exists, and while it starts.
#pragma once

namespace startup {

// Checks that a graphical platform can start here (Qt's own options in argv taken into account)
// and drops unusable scale settings, writing what it finds to the standard error, one line each.
// False where the program cannot start: it then ends with status 1.
bool Prepare(int argc, char** argv);

}  // namespace startup
