// What every desktop test program shares: the drill named on its command line, and a test of the
// drill on a desktop of its own.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "desktop.h"
#include "drill.h"
#include "wait.h"

namespace desktop {

// The conjugacio binary named on the command line.
const std::string& DrillProgram();

class DrillTest : public ::testing::Test {
protected:
    // A fresh `program` (the drill, or a script that starts it) on a desktop of its own, `width` x
    // `height` pixels (see Drill for the rest). A new desktop costs a fifth of a second and keeps
    // what one test did (focus, window ids) from the next. Where the server or the window manager
    // failed to start, or stopped answering while the drill started, the desktop and the drill are
    // started once more; a failure of the drill is not.
    void startDrill(int width, int height, const std::string& program, int scale = 1,
                    const std::vector<std::string>& environment = {}, const std::vector<std::string>& arguments = {});

    Desktop& desktop() { return *desktop_; }
    Display& x() { return desktop_->display(); }

    // Waits on the X server's reports until `condition` holds; says whether it did within `limit`.
    template <typename Condition>
    bool WaitUntil(Condition condition, std::chrono::milliseconds limit = ReactionLimit())
    {
        return x().waitUntil(condition, limit);
    }

    // The window the window manager says is active, or none.
    xcb_window_t activeWindow();

    // Saves the whole screen where CONJUGACIO_DESKTOP_SCREENSHOTS names a folder.
    void screenshotIfAsked(const std::string& name);

    // On a failure, saves the screen and quotes the drill's output; then ends both.
    void TearDown() override;

    std::unique_ptr<Drill> drill;

private:
    std::unique_ptr<Desktop> desktop_;
};

}  // namespace desktop
