// An Xvfb of the caller's own: on the first free display, listening on no TCP port, with a black
// root window, ended with its owner.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "child_process.h"

namespace support {

class PrivateXServer {
public:
    // Starts the server with one screen of `width` x `height` pixels, its output in `logPath`, and
    // waits up to `startLimit` for it to take connections; throws std::runtime_error saying what
    // is missing or what went wrong.
    PrivateXServer(int width, int height, const std::string& logPath, std::chrono::milliseconds startLimit);

    // ":N"
    const std::string& display() const { return display_; }

private:
    std::unique_ptr<ChildProcess> server_;
    std::string display_;
};

}  // namespace support
