// The drill started with Qt's options and settings that do not suit the machine, as a learner, a
// desktop or a script may start it: where it cannot start it says why in one line and ends with
// status 1, never with an abort; where it can, it starts, warning once about each setting it had
// to ignore.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QLibraryInfo>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"

namespace {

using namespace std::chrono_literals;
using support::ChildProcess;
using support::DescribeExit;

std::string program;  // the conjugacio binary, from the command line

// How long a start that works is watched before it counts as started.
constexpr auto kStarted = 2500ms;

struct Case {
    std::string what;
    std::vector<std::string> arguments;
    std::vector<std::string> environment;
    std::string said;  // a part of what the drill must say
};

std::vector<std::string> Lines(const std::string& path)
{
    std::ifstream log(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);)
        lines.push_back(line);
    return lines;
}

bool Opens(const std::string& device)
{
    const int descriptor = open(device.c_str(), O_RDWR | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    close(descriptor);
    return true;
}

bool AnyGraphicsCardOpens()
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error))
        if (entry.path().filename().string().rfind("card", 0) == 0 && Opens(entry.path().string()))
            return true;
    return false;
}

// A copy of the drill in `folder` whose Qt finds every platform plugin but Wayland's, through a
// qt.conf beside it, whether or not Qt's Wayland support is installed here.
std::string DrillWithoutWaylandSupport(const std::string& folder)
{
    namespace fs = std::filesystem;
    const fs::path plugins = fs::path(folder) / "plugins" / "platforms";
    fs::create_directories(plugins);
    const QDir installed(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    for (const QString& plugin : installed.entryList(QDir::Files))
        if (!plugin.contains(QLatin1StringView("wayland")))
            fs::create_symlink(installed.absoluteFilePath(plugin).toStdString(), plugins / plugin.toStdString());
    std::ofstream(fs::path(folder) / "qt.conf") << "[Paths]\nPlugins=plugins\n";
    const fs::path copy = fs::path(folder) / "conjugacio";
    fs::copy_file(program, copy);
    return copy.string();
}

// A socket that takes connections where a Wayland compositor's would be, and says nothing.
class SilentCompositor {
public:
    explicit SilentCompositor(const std::string& path)
    {
        socket_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
        if (socket_ < 0 || bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0
            || listen(socket_, 4) != 0)
            throw std::runtime_error("cannot listen at " + path + ": " + std::strerror(errno));
    }
    ~SilentCompositor() { close(socket_); }

private:
    int socket_ = -1;
};

class Startup : public ::testing::Test {
protected:
    Startup()
    {
        runtime_ = folder_.path() + "/runtime";
        mkdir(runtime_.c_str(), 0700);
    }

    // Starts the drill with `arguments`, in a bare environment with `environment` added.
    std::unique_ptr<ChildProcess> start(const Case& c, const std::string& drill)
    {
        std::vector<std::string> argv{drill};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        std::vector<std::string> environment{"PATH=/usr/bin:/bin", "HOME=" + folder_.path(),
                                             "XDG_RUNTIME_DIR=" + runtime_, "LANG=C.UTF-8"};
        environment.insert(environment.end(), c.environment.begin(), c.environment.end());
        return std::make_unique<ChildProcess>(argv, environment,
                                              folder_.path() + "/run-" + std::to_string(++runs_) + ".log");
    }

    // Each case ends at once with status 1 and one line that says why.
    void expectRefused(const std::vector<Case>& cases, const std::string& drill = program)
    {
        std::vector<std::unique_ptr<ChildProcess>> runs;
        for (const Case& c : cases)
            runs.push_back(start(c, drill));
        for (std::size_t i = 0; i < cases.size(); ++i) {
            SCOPED_TRACE(cases[i].what);
            const std::optional<int> status = runs[i]->waitForExit(20s);
            ASSERT_TRUE(status) << "still running after 20 s";
            const std::vector<std::string> said = Lines(runs[i]->logPath());
            EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 1) << "the drill " << DescribeExit(*status);
            ASSERT_EQ(said.size(), 1u) << "it said:" << support::Tail(runs[i]->logPath(), 20);
            EXPECT_EQ(said[0].rfind("conjugacio: ", 0), 0u) << said[0];
            EXPECT_NE(said[0].find(cases[i].said), std::string::npos) << said[0];
        }
    }

    // Each case is still running after a while, and says only what `cases[i].said` is (nothing
    // where it is empty) of its own.
    void expectStarted(const std::vector<Case>& cases)
    {
        std::vector<std::unique_ptr<ChildProcess>> runs;
        for (const Case& c : cases)
            runs.push_back(start(c, program));
        std::this_thread::sleep_for(kStarted);
        for (std::size_t i = 0; i < cases.size(); ++i) {
            SCOPED_TRACE(cases[i].what);
            const std::optional<int> status = runs[i]->waitForExit(0ms);
            EXPECT_FALSE(status) << "the drill " << DescribeExit(*status) << ":" << support::Tail(runs[i]->logPath());
            std::vector<std::string> own;
            for (const std::string& line : Lines(runs[i]->logPath()))
                if (line.rfind("conjugacio: ", 0) == 0)
                    own.push_back(line);
            if (cases[i].said.empty()) {
                EXPECT_TRUE(own.empty()) << "it said: " << own.front();
            } else {
                ASSERT_EQ(own.size(), 1u) << "it said:" << support::Tail(runs[i]->logPath(), 20);
                EXPECT_NE(own[0].find(cases[i].said), std::string::npos) << own[0];
            }
        }
    }

    const std::string& runtime() const { return runtime_; }
    const std::string& folder() const { return folder_.path(); }

private:
    support::TemporaryFolder folder_;
    std::string runtime_;
    int runs_ = 0;
};

TEST_F(Startup, APlatformThatCannotStartHereIsRefusedInOneLine)
{
    std::vector<Case> cases{
        {"a platform Qt has no plugin for", {}, {"QT_QPA_PLATFORM=garbage"}, "\"garbage\": Qt has no plugin for it"},
        {"-platform before QT_QPA_PLATFORM", {"-platform", "garbage"}, {"QT_QPA_PLATFORM=offscreen"}, "\"garbage\""},
        {"--platform as -platform", {"--platform", "garbage"}, {}, "-platform names"},
        {"a list, none of it there", {}, {"QT_QPA_PLATFORM=garbage;xcb", "DISPLAY=:97"}, "\"xcb\": the X display"},
        {"a list of nothing", {}, {"QT_QPA_PLATFORM=;"}, "names no graphical platform"},
        {"X11 named, -display dead", {"-platform", "xcb", "-display", ":97"}, {}, "the X display \":97\""},
        {"a platform that shows no widgets", {}, {"QT_QPA_PLATFORM=vkkhrdisplay"}, "\"vkkhrdisplay\""},
        // Past every check beforehand, it fails as it starts: no framebuffer behind the device.
        {"a framebuffer that is none", {}, {"QT_QPA_PLATFORM=linuxfb:fb=/dev/null"}, "could not be started"},
    };
    if (!Opens("/dev/fb0"))
        cases.push_back({"no framebuffer", {}, {"QT_QPA_PLATFORM=linuxfb"}, "\"linuxfb\": it draws to a framebuffer"});
    if (!AnyGraphicsCardOpens())
        cases.push_back(
            {"no graphics card", {}, {"QT_QPA_PLATFORM=eglfs"}, "\"eglfs\": it draws straight to a graphics card"});
    expectRefused(cases);
}

TEST_F(Startup, WithoutQtsWaylandSupportAWaylandSessionIsToldWhatToInstall)
{
    const std::string drill = DrillWithoutWaylandSupport(folder() + "/without-wayland");
    const SilentCompositor compositor(runtime() + "/wayland-test");
    expectRefused(
        {
            {"a Wayland session and no X display",
             {},
             {"WAYLAND_DISPLAY=wayland-test", "XDG_SESSION_TYPE=wayland"},
             "Qt's Wayland support is not installed; install the package qt6-wayland"},
            {"Wayland named",
             {},
             {"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=wayland-test"},
             "install the package qt6-wayland"},
            {"Wayland named by -platform", {"-platform", "wayland-egl"}, {}, "qt6-wayland"},
        },
        drill);
}

TEST_F(Startup, QtsPlatformOptionIsHonoured)
{
    std::vector<Case> cases{
        {"-platform alone", {"-platform", "offscreen"}, {}, ""},
        {"--platform alone", {"--platform", "offscreen"}, {}, ""},
        {"-platform over QT_QPA_PLATFORM", {"-platform", "offscreen"}, {"QT_QPA_PLATFORM=garbage"}, ""},
        {"the first of a list that can start", {"-platform", "garbage;offscreen"}, {}, ""},
    };
    // A platform that would end the process as it fails is passed over for the next of the list.
    if (!AnyGraphicsCardOpens()) {
        cases.push_back({"past eglfs, named by -platform", {"-platform", "eglfs;offscreen"}, {}, ""});
        cases.push_back({"past eglfs, named by QT_QPA_PLATFORM", {}, {"QT_QPA_PLATFORM=eglfs;offscreen"}, ""});
    }
    expectStarted(cases);
}

TEST_F(Startup, NonsenseScaleFactorsAreIgnoredWithOneWarning)
{
    std::vector<Case> cases;
    for (const char* factor : {"0", "nan", "-1", "1000", "inf", "1e308", "0.0001", "two"})
        cases.push_back({std::string("QT_SCALE_FACTOR=") + factor,
                         {},
                         {"QT_QPA_PLATFORM=offscreen", std::string("QT_SCALE_FACTOR=") + factor},
                         std::string("QT_SCALE_FACTOR=") + factor + " is ignored"});
    for (const char* factors : {"inf", "1;0", "HDMI-1=1e308", "1.5;nan"})
        cases.push_back({std::string("QT_SCREEN_SCALE_FACTORS=") + factors,
                         {},
                         {"QT_QPA_PLATFORM=offscreen", std::string("QT_SCREEN_SCALE_FACTORS=") + factors},
                         std::string("QT_SCREEN_SCALE_FACTORS=") + factors + " is ignored"});
    cases.push_back({"a value that would break the line",
                     {},
                     {"QT_QPA_PLATFORM=offscreen", "QT_SCALE_FACTOR=1\n\x1b[2J"},
                     "QT_SCALE_FACTOR=1??[2J is ignored"});
    cases.push_back({"usable factors", {}, {"QT_QPA_PLATFORM=offscreen", "QT_SCALE_FACTOR=1.5"}, ""});
    cases.push_back({"usable screen factors", {}, {"QT_QPA_PLATFORM=offscreen", "QT_SCREEN_SCALE_FACTORS=1;2;"}, ""});
    expectStarted(cases);
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::cerr << "usage: startup_tests [GoogleTest options] PATH-TO-CONJUGACIO\n";
        return 2;
    }
    program = argv[1];
    return RUN_ALL_TESTS();
}
