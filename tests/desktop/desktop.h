// A desktop of its own for the tests: an Xvfb server on a free display and openbox managing it.
#pragma once

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
    // Starts the server with one screen of `width` x `height` pixels and the window manager on it;
    // throws std::runtime_error saying what is missing or what went wrong.
    Desktop(int width, int height);

    const std::string& displayName() const { return server_.display(); }
    Display& display() { return *display_; }
    // A private folder for the programs' home, logs and runtime files.
    const std::string& folder() const { return folder_.path(); }

private:
    void startWindowManager();

    TemporaryFolder folder_;
    support::PrivateXServer server_;
    std::unique_ptr<Display> display_;
    std::unique_ptr<ChildProcess> windowManager_;
};

}  // namespace desktop
