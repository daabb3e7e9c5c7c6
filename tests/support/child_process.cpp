#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace support {
namespace {

std::vector<char*> CStrings(const std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (const std::string& s : strings)
        pointers.push_back(const_cast<char*>(s.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                           const std::string& logPath, int keepOpen)
    : logPath_(logPath)
{
    const auto path = FindOnPath(argv.at(0));
    if (!path)
        throw std::runtime_error(argv[0] + " is not installed; scripts/setup.sh installs it");
    // Everything the child needs is made before fork: after it, only async-signal-safe calls.
    std::vector<char*> args = CStrings(argv);
    std::vector<char*> env = CStrings(environment);
    const int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const int nothing = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (log < 0 || nothing < 0)
        throw std::runtime_error("cannot open " + logPath + ": " + std::strerror(errno));
    const pid_t parent = getpid();

    pid_ = fork();
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        dup2(nothing, STDIN_FILENO);
        dup2(log, STDOUT_FILENO);
        dup2(log, STDERR_FILENO);
        if (keepOpen >= 0)
            fcntl(keepOpen, F_SETFD, 0);
        execve(path->c_str(), args.data(), env.data());
        _exit(127);
    }
    const int forkError = errno;
    close(log);
    close(nothing);
    if (pid_ < 0)
        throw std::runtime_error(std::string("cannot start ") + argv[0] + ": " + std::strerror(forkError));
}

ChildProcess::~ChildProcess() { stop(); }

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!status_) {
        int status = 0;
        const pid_t ended = waitpid(pid_, &status, WNOHANG);
        if (ended == pid_ || (ended < 0 && errno != EINTR))
            status_ = ended == pid_ ? status : -1;
        else if (std::chrono::steady_clock::now() >= deadline)
            break;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return status_;
}

void ChildProcess::stop()
{
    if (pid_ <= 0 || status_)
        return;
    kill(pid_, SIGTERM);
    if (waitForExit(std::chrono::seconds(2)))
        return;
    kill(pid_, SIGKILL);
    waitForExit(std::chrono::seconds(5));
}

std::string DescribeExit(int status)
{
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "was killed by signal " + std::to_string(WTERMSIG(status));
    return "ended (wait status " + std::to_string(status) + ")";
}

std::optional<std::string> FindOnPath(const std::string& program)
{
    if (program.find('/') != std::string::npos)
        return access(program.c_str(), X_OK) == 0 ? std::optional(program) : std::nullopt;
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

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

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "conjugacio-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error(std::string("cannot make a temporary folder: ") + std::strerror(errno));
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace support
