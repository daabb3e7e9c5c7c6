// Qt ends the process with an abort when a platform fails as it starts in a way that could not be
// foreseen (a graphics driver that refuses, a plugin that cannot show the windows). While the
// start is watched, such a failure ends the program with one line saying so and status 1 instead.
#pragma once

namespace startup {

// From before the application object is made until the first window is shown.
void WatchPlatformStart();
void PlatformStarted();

}  // namespace startup
