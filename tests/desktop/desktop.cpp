#include "desktop.h"

#include <cstdlib>
#include <stdexcept>

#include "wait.h"

namespace desktop {

Desktop::Desktop(int width, int height)
    : server_(width, height, folder() + "/xvfb.log", kStartLimit)
    , display_(std::make_unique<Display>(server_.display()))
{
    startWindowManager();
}

void Desktop::startWindowManager()
{
    const char* path = std::getenv("PATH");
    windowManager_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"openbox", "--sm-disable", "--config-file",
                                 std::string(CONJUGACIO_DESKTOP_DIR) + "/openbox_rc.xml"},
        std::vector<std::string>{std::string("PATH=") + (path ? path : "/usr/bin:/bin"), "HOME=" + folder(),
                                 "DISPLAY=" + displayName()},
        folder() + "/openbox.log");
    // A window manager announces itself with a check window on the root.
    const bool managing = WaitUntil(
        [this] {
            const auto check = display_->listProperty(display_->root(), "_NET_SUPPORTING_WM_CHECK");
            return !check.empty() && !display_->listProperty(check[0], "_NET_SUPPORTING_WM_CHECK").empty();
        },
        kStartLimit);
    if (!managing)
        throw std::runtime_error("openbox did not start managing " + displayName() + ":"
                                 + Tail(windowManager_->logPath()));
}

}  // namespace desktop
