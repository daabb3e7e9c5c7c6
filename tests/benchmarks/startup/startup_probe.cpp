// Measures from outside how fast a program shows its first window: it starts a private Xvfb, then
// starts the bare window and the drill in turn, and for each start takes, from the moment of exec,
//   - the time until the program's top-level window is mapped (MapNotify on the root window),
//   - the time until its first paint reaches the X server (DamageNotify on that window),
//   - the peak resident memory of the process (ru_maxrss from wait4, after SIGTERM once the window
//     has painted and then stayed unchanged for the settling time),
//   - the CPU time of the whole run (user and system, from wait4).
// All times are CLOCK_MONOTONIC: the child reads the clock just before execve into a page it
// shares with this program, and this program reads it as each X event arrives.
//
//   startup_probe [--rounds N] [--settle-ms MS] [--timeout-ms MS] [--raw]
//                 [--bare PROGRAM] [--drill PROGRAM]
//
// Exit status: 0 when every start was measured, 1 when one failed, 77 when Xvfb is not installed.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "private_x_server.h"

namespace {

constexpr int kSkipped = 77;

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

struct Options {
    int rounds = 20;
    int settleMs = 300;
    int timeoutMs = 10000;
    bool raw = false;
    std::string bare = STARTUP_BARE_WINDOW;
    std::string drill = STARTUP_DRILL;
};

std::optional<Options> parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        const bool hasValue = i + 1 < argc;
        if (flag == "--raw") {
            options.raw = true;
        } else if (flag == "--rounds" && hasValue) {
            options.rounds = std::atoi(argv[++i]);
        } else if (flag == "--settle-ms" && hasValue) {
            options.settleMs = std::atoi(argv[++i]);
        } else if (flag == "--timeout-ms" && hasValue) {
            options.timeoutMs = std::atoi(argv[++i]);
        } else if (flag == "--bare" && hasValue) {
            options.bare = argv[++i];
        } else if (flag == "--drill" && hasValue) {
            options.drill = argv[++i];
        } else {
            return std::nullopt;
        }
    }
    if (options.rounds < 1 || options.settleMs < 0 || options.timeoutMs < 1)
        return std::nullopt;
    return options;
}

// The probe sleeps until an X event comes; at real-time priority it wakes at once, however busy
// the programs it watches keep both cores, so the time it reads is the time the event arrived.
// Its children, Xvfb included, start at normal priority.
bool wakePromptly()
{
    sched_param priority{};
    priority.sched_priority = sched_get_priority_min(SCHED_FIFO);
    return sched_setscheduler(0, SCHED_FIFO | SCHED_RESET_ON_FORK, &priority) == 0;
}

// Called in a child before exec: should the probe be killed (a test's time-out, Ctrl-C), the
// child is ended too instead of lingering on the machine.
void endWithParent() { prctl(PR_SET_PDEATHSIG, SIGTERM); }

struct Sample {
    double mappedMs = 0;
    double paintedMs = 0;
    double peakRssMiB = 0;
    double cpuMs = 0;  // user and system time of the whole run, settling included
    int paints = 0;    // damage reports until the window settled
};

// Watches the top-level windows of one X server: every new one gets a damage object, so that the
// first paint of whichever is mapped next is seen.
class WindowWatch {
public:
    bool connect(const std::string& display)
    {
        connection_ = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(connection_))
            return false;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present)
            return false;
        damageNotify_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(
            connection_, xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
        xcb_flush(connection_);
        return true;
    }

    ~WindowWatch()
    {
        if (connection_)
            xcb_disconnect(connection_);
    }

    // Follows one start until its window has painted and settled, the time runs out or the
    // program ends. Times are from `startedAt`. Returns an error message, or nothing.
    std::optional<std::string> follow(pid_t child, double startedAt, const Options& options, Sample& sample)
    {
        target_ = XCB_WINDOW_NONE;
        double lastPaintAt = 0;
        sample = {};
        const double deadline = startedAt + options.timeoutMs;
        for (;;) {
            const double now = nowMs();
            if (sample.paints > 0 && now - lastPaintAt >= options.settleMs)
                return std::nullopt;
            if (now >= deadline)
                return std::string(target_ == XCB_WINDOW_NONE ? "no window was mapped" : "the window never painted")
                       + " in time";
            if (ended(child))
                return "the program ended before its window settled";
            double wait = deadline - now;
            if (sample.paints > 0)
                wait = std::min(wait, options.settleMs - (now - lastPaintAt));
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&fd, 1, std::max(1, static_cast<int>(wait)));
            const double arrivedAt = nowMs();
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                handle(event, arrivedAt - startedAt, sample, lastPaintAt, arrivedAt);
                free(event);
            }
            if (xcb_connection_has_error(connection_))
                return "the connection to the X server broke";
        }
    }

private:
    // Whether the child has ended; it is left to be reaped with its resource usage.
    static bool ended(pid_t child)
    {
        siginfo_t info{};
        return waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == child;
    }

    void handle(const xcb_generic_event_t* event, double sinceStart, Sample& sample, double& lastPaintAt,
                double arrivedAt)
    {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<const xcb_create_notify_event_t*>(event);
            if (created->parent != root_)
                return;
            // The damage object goes with its window.
            xcb_damage_create(connection_, xcb_generate_id(connection_), created->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(connection_);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* mapped = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            if (target_ != XCB_WINDOW_NONE || mapped->event != root_ || mapped->override_redirect)
                return;
            target_ = mapped->window;
            sample.mappedMs = sinceStart;
        } else if (type == damageNotify_) {
            const auto* damaged = reinterpret_cast<const xcb_damage_notify_event_t*>(event);
            if (damaged->drawable != target_ || target_ == XCB_WINDOW_NONE)
                return;
            if (sample.paints++ == 0)
                sample.paintedMs = sinceStart;
            lastPaintAt = arrivedAt;
            // A non-empty damage reports once; emptying it asks for the next paint.
            xcb_damage_subtract(connection_, damaged->damage, XCB_NONE, XCB_NONE);
            xcb_flush(connection_);
        }
        // Errors (a damage for a window already gone) are of no interest.
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    uint8_t damageNotify_ = 0;
    xcb_window_t target_ = XCB_WINDOW_NONE;
};

// Starts `program` on `display`; the child notes the clock just before execve in `execAt`.
pid_t launch(const std::string& program, const std::string& display, volatile double* execAt)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    endWithParent();
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("WAYLAND_DISPLAY");
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
    *execAt = nowMs();
    execvp(program.c_str(), argv);
    _exit(127);
}

std::optional<std::string> measure(const std::string& program, const std::string& display, WindowWatch& watch,
                                   const Options& options, Sample& sample)
{
    auto* execAt = static_cast<volatile double*>(
        mmap(nullptr, sizeof(double), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    if (execAt == MAP_FAILED)
        return std::string("no shared page: ") + std::strerror(errno);
    *execAt = 0;
    const double forkedAt = nowMs();
    const pid_t child = launch(program, display, execAt);
    if (child < 0) {
        munmap(const_cast<double*>(execAt), sizeof(double));
        return std::string("fork failed: ") + std::strerror(errno);
    }
    // Times are taken from the fork and moved to the exec the child noted, once it has run.
    std::optional<std::string> error = watch.follow(child, forkedAt, options, sample);
    const double exec = *execAt;
    munmap(const_cast<double*>(execAt), sizeof(double));
    sample.mappedMs -= exec - forkedAt;
    sample.paintedMs -= exec - forkedAt;

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    sample.peakRssMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kibibytes on Linux
    sample.cpuMs = (static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                    + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127)
        error = "could not be started";
    return error;
}

struct Summary {
    double median = 0, min = 0, max = 0;
};

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

struct Series {
    std::vector<double> mapped, painted, peakRss, cpu;
    void add(const Sample& s)
    {
        mapped.push_back(s.mappedMs);
        painted.push_back(s.paintedMs);
        peakRss.push_back(s.peakRssMiB);
        cpu.push_back(s.cpuMs);
    }
};

void printRow(const char* name, const Series& series)
{
    std::printf("%-14s", name);
    for (const std::vector<double>* values : {&series.mapped, &series.painted, &series.peakRss, &series.cpu}) {
        const Summary s = summarise(*values);
        std::printf("  %7.1f [%6.1f - %6.1f]", s.median, s.min, s.max);
    }
    std::printf("\n");
}

double medianRatio(const std::vector<double>& drill, const std::vector<double>& bare)
{
    return summarise(drill).median / summarise(bare).median;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: %s [--rounds N] [--settle-ms MS] [--timeout-ms MS] [--raw] [--bare PROGRAM] "
                     "[--drill PROGRAM]\n",
                     argv[0]);
        return 2;
    }
    if (!support::FindOnPath("Xvfb")) {
        std::printf("Xvfb is not installed: nothing measured (scripts/setup.sh installs it).\n");
        return kSkipped;
    }
    const bool prompt = wakePromptly();
    const support::TemporaryFolder folder;
    std::optional<support::PrivateXServer> server;
    try {
        server.emplace(1280, 1024, folder.path() + "/xvfb.log", std::chrono::seconds(10));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    WindowWatch watch;
    if (!watch.connect(server->display())) {
        std::fprintf(stderr, "the private Xvfb has no DAMAGE extension\n");
        return 1;
    }

    struct Program {
        const char* name;
        const std::string& path;
        Series series;
    };
    Program bare{"bare window", options->bare, {}};
    Program drill{"drill", options->drill, {}};
    std::printf("Start-up on a private Xvfb %s, %d rounds, bare window and drill alternating which goes first.\n"
                "Times in ms from exec (CLOCK_MONOTONIC); peak resident memory in MiB (wait4 ru_maxrss);\n"
                "CPU time in ms, user and system, of the whole run (wait4), which busy neighbours disturb least.\n",
                server->display().c_str(), options->rounds);
    if (!prompt)
        std::printf("Not allowed real-time priority: times may include the probe's own wake-up delays.\n");
    for (int round = 0; round < options->rounds; ++round) {
        Program* order[2] = {&bare, &drill};
        if (round % 2)
            std::swap(order[0], order[1]);
        for (Program* program : order) {
            Sample sample;
            if (auto error = measure(program->path, server->display(), watch, *options, sample)) {
                std::fprintf(stderr, "round %d, %s (%s): %s\n", round + 1, program->name, program->path.c_str(),
                             error->c_str());
                return 1;
            }
            program->series.add(sample);
            if (options->raw)
                std::printf("round %2d  %-12s mapped %6.1f  painted %6.1f  peak %5.1f MiB  cpu %5.1f  paints %d\n",
                            round + 1, program->name, sample.mappedMs, sample.paintedMs, sample.peakRssMiB,
                            sample.cpuMs, sample.paints);
        }
    }

    std::printf("\n%-14s  %-25s  %-25s  %-25s  %-25s\n", "", "mapped: median [min-max]", "first paint", "peak RSS",
                "CPU time");
    printRow(bare.name, bare.series);
    printRow(drill.name, drill.series);
    std::printf("%-14s", "drill / bare");
    for (auto values : {&Series::mapped, &Series::painted, &Series::peakRss, &Series::cpu})
        std::printf("  %7.2f%18s", medianRatio(drill.series.*values, bare.series.*values), "");
    std::printf("\n");
    return 0;
}
