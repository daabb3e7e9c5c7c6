// The desktop tests of the drill on screens of every size and scale, and under other window
// managers and compositors: the program they run.
#pragma once

#include <string>

// The conjugacio binary named on the command line.
const std::string& DrillProgram();
