// Screen readers turned on while the drill runs.
#pragma once

namespace screen_readers {

// Before QApplication exists: makes the drill join the desktop's accessibility bus wherever there is
// one, so that a screen reader turned on later finds it as one already running does.
void JoinAccessibilityBus();

}  // namespace screen_readers
