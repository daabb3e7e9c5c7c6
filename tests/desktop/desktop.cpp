#include "desktop.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <fstream>
#include <stdexcept>

#include "wait.h"

namespace desktop {
namespace {

std::string Path() { return std::string("PATH=") + (std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin"); }

// Reads the line Xvfb writes once it takes connections: its display number.
std::string ReadDisplayNumber(int fd)
{
    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
    while (number.empty() || number.back() != '\n') {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd readable{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) <= 0)
            return {};
        char c = 0;
        if (read(fd, &c, 1) != 1)
            return {};
        number += c;
    }
    number.pop_back();
    return number;
}

}  // namespace

std::string Tail(const std::string& logPath, int lines)
{
    std::ifstream log(logPath);
    std::deque<std::string> last;
    for (std::string line; std::getline(log, line);) {
        last.push_back(line);
        if (static_cast<int>(last.size()) > lines)
            last.pop_front();
    }
    std::string text;
    for (const std::string& line : last)
        text += "\n    " + line;
    return text.empty() ? " (nothing in " + logPath + ")" : text;
}

Desktop::Desktop(int width, int height)
{
    startServer(width, height);
    startWindowManager();
}

void Desktop::startServer(int width, int height)
{
    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe for Xvfb");
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    // -displayfd: the server takes the first free display itself and says which; no network
    // listener and no authorisation needed for a server only local sockets reach; a black root.
    try {
        server_ = std::make_unique<ChildProcess>(
            std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(pipe[1]), "-nolisten", "tcp", "-noreset",
                                     "-br", "-screen", "0", screen},
            std::vector<std::string>{Path()}, folder() + "/xvfb.log", pipe[1]);
    } catch (...) {
        close(pipe[0]);
        close(pipe[1]);
        throw;
    }
    close(pipe[1]);
    const std::string number = ReadDisplayNumber(pipe[0]);
    close(pipe[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start:" + Tail(server_->logPath()));
    displayName_ = ":" + number;
    display_ = std::make_unique<Display>(displayName_);
}

void Desktop::startWindowManager()
{
    windowManager_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"openbox", "--sm-disable", "--config-file",
                                 std::string(CONJUGACIO_DESKTOP_DIR) + "/openbox_rc.xml"},
        std::vector<std::string>{Path(), "HOME=" + folder(), "DISPLAY=" + displayName_},
        folder() + "/openbox.log");
    // A window manager announces itself with a check window on the root.
    const bool managing = WaitUntil(
        [this] {
            const auto check = display_->listProperty(display_->root(), "_NET_SUPPORTING_WM_CHECK");
            return !check.empty() && !display_->listProperty(check[0], "_NET_SUPPORTING_WM_CHECK").empty();
        },
        kStartLimit);
    if (!managing)
        throw std::runtime_error("openbox did not start managing " + displayName_ + ":"
                                 + Tail(windowManager_->logPath()));
}

}  // namespace desktop
