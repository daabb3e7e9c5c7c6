// A desktop of its own for the tests: an Xvfb server on a free display and openbox managing it.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "child_process.h"
#include "display.h"
#include "private_x_server.h"

namespace desktop {

using support::ChildProcess;
using support::DescribeExit;
using support::Tail;
using support::TemporaryFolder;

class Desktop {
public:
    // Starts the server with one screen of `width` x `height` pixels and the window manager on it,
    // and returns once the window manager takes requests. Throws WindowSystemFault where the server
    // or the window manager failed, std::runtime_error where one of them is not installed.
    Desktop(int width, int height);

    const std::string& displayName() const { return server_->display(); }
    Display& display() { return *display_; }
    // A private folder for the programs' home, logs and runtime files.
    const std::string& folder() const { return folder_.path(); }

    // After a failed test: saves the screen as desktop-failures/<test>.png and prints where, then
    // the end of the drill's output from `drillLog` (if any).
    void reportFailure(const std::string& drillLog);

    // Returns once the window manager has handled everything sent to it so far; throws
    // WindowSystemFault, saying what is wrong, if it has ended or does not answer within `limit`.
    void checkWindowManager(std::chrono::milliseconds limit);

private:
    void startServer(int width, int height);
    void startWindowManager();

    TemporaryFolder folder_;
    std::unique_ptr<support::PrivateXServer> server_;
    std::unique_ptr<Display> display_;
    std::unique_ptr<ChildProcess> windowManager_;
};

}  // namespace desktop
