// The fonts the layouts name, and the installed faces that stand in for them.
#pragma once

#include <QFont>

namespace chrome {

// A font of the layouts: the size in points at 96 dots per inch, held in pixels so that text and
// controls scale together, at the layout scale.
QFont LayoutFont(const char* family, double points, bool bold);

// Starts reading the system's font configuration on a second thread, so that it is ready, or
// nearly, when the first window asks for its fonts. Call it before the application object is
// made; the first LayoutFont waits for it.
void StartReadingFontConfiguration();

// Maps the faces the layouts name onto the fonts installed with the program. It runs by itself as
// the application object comes up, before the first window is built.
void InstallFontSubstitutions();

}  // namespace chrome
