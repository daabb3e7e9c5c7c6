// A program started by a test or a probe, ended at the latest when its owner lets go of it.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace support {

class ChildProcess {
public:
    // Starts `argv` (looked up on PATH) with exactly `environment` ("NAME=value" entries), its
    // output going to `logPath`. `keepOpen` is a descriptor the child inherits; -1 for none. The child
    // dies with this process, so nothing is left behind even when a test crashes.
    ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                 const std::string& logPath, int keepOpen = -1);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    const std::string& logPath() const { return logPath_; }
    // The wait status once the program has ended within `limit`; nothing if it is still running.
    std::optional<int> waitForExit(std::chrono::milliseconds limit);
    // Asks the program to end, then forces it.
    void stop();

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
    std::string logPath_;
};

// "exited with status 0", "was killed by signal 11", ... for a wait status.
std::string DescribeExit(int status);

// The full path of `program` on PATH, or nothing.
std::optional<std::string> FindOnPath(const std::string& program);

// The last lines of a log, to quote in a failure.
std::string Tail(const std::string& logPath, int lines = 8);

// A fresh private folder under the system's temporary folder, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace support
