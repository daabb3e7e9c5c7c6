// A desktop of its own for the tests: an Xvfb server on a free display and openbox managing it.
#pragma once

#include <memory>
#include <string>

#include "display.h"
#include "process.h"

namespace desktop {

class Desktop {
public:
    // Starts the server with one screen of `width` x `height` pixels and the window manager on it;
    // throws std::runtime_error saying what is missing or what went wrong.
    Desktop(int width, int height);

    const std::string& displayName() const { return displayName_; }
    Display& display() { return *display_; }
    // A private folder for the programs' home, logs and runtime files.
    const std::string& folder() const { return folder_.path(); }

private:
    void startServer(int width, int height);
    void startWindowManager();

    TemporaryFolder folder_;
    std::unique_ptr<ChildProcess> server_;
    std::string displayName_;
    std::unique_ptr<Display> display_;
    std::unique_ptr<ChildProcess> windowManager_;
};

// The last lines of a log, to quote in a failure.
std::string Tail(const std::string& logPath, int lines = 8);

}  // namespace desktop
