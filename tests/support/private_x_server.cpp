#include "private_x_server.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace support {
namespace {

// Reads the line Xvfb writes once it takes connections: its display number.
std::string ReadDisplayNumber(int fd, std::chrono::milliseconds limit)
{
    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (number.empty() || number.back() != '\n') {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
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

PrivateXServer::PrivateXServer(int width, int height, const std::string& logPath, std::chrono::milliseconds startLimit)
{
    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe for Xvfb");
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const char* path = std::getenv("PATH");
    // -displayfd: the server takes the first free display itself and says which; no network
    // listener and no authorisation needed for a server only local sockets reach; a black root.
    try {
        server_ = std::make_unique<ChildProcess>(
            std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(pipe[1]), "-nolisten", "tcp", "-noreset",
                                     "-br", "-screen", "0", screen},
            std::vector<std::string>{std::string("PATH=") + (path ? path : "/usr/bin:/bin")}, logPath, pipe[1]);
    } catch (...) {
        close(pipe[0]);
        close(pipe[1]);
        throw;
    }
    close(pipe[1]);
    const std::string number = ReadDisplayNumber(pipe[0], startLimit);
    close(pipe[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start:" + Tail(server_->logPath()));
    display_ = ":" + number;
}

}  // namespace support
