#include "drill.h"

#include <sys/stat.h>

#include <stdexcept>

#include "wait.h"

namespace desktop {

namespace layout {

Rect Target(int row)
{
    constexpr int kTops[] = {176, 224, 272, 328, 376, 424};
    return {128, kTops[row], 137, 33};
}

Rect PoolLabel(int slot)
{
    constexpr Point kFrame{272, 104};
    return {kFrame.x + 8 + 128 * (slot / 10), kFrame.y + 24 + 32 * (slot % 10), 121, 25};
}

}  // namespace layout

namespace {

// Left of the person captions: red whatever the exercise.
constexpr Rect kRedMargin{0, 290, 8, 20};

}  // namespace

Drill::Drill(Desktop& desktop, const std::string& program, int scale, const std::vector<std::string>& extra,
             const std::vector<std::string>& arguments)
    : desktop_(desktop)
    , display_(desktop.display())
    , scale_(scale)
{
    static int started = 0;
    const std::string runtime = desktop.folder() + "/runtime";
    mkdir(runtime.c_str(), 0700);
    // No session bus on this private desktop, and none to be looked for: given no address, libdbus
    // tries to start one (dbus-launch) when Qt connects and, where it cannot, keeps the buffer it
    // read the failure into, which a sanitized drill reports as a leak when it ends.
    std::vector<std::string> environment{"PATH=/usr/bin:/bin",
                                         "HOME=" + desktop.folder(),
                                         "XDG_RUNTIME_DIR=" + runtime,
                                         "DISPLAY=" + desktop.displayName(),
                                         "QT_QPA_PLATFORM=xcb",
                                         "LANG=C.UTF-8",
                                         "DBUS_SESSION_BUS_ADDRESS=disabled:"};
    if (scale != 1)
        environment.push_back("QT_SCALE_FACTOR=" + std::to_string(scale));
    for (const std::string& entry : extra) {
        const std::string name = entry.substr(0, entry.find('=') + 1);
        std::erase_if(environment, [&](const std::string& usual) { return usual.starts_with(name); });
        environment.push_back(entry);
    }
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    process_ = std::make_unique<ChildProcess>(argv, environment,
                                              desktop.folder() + "/conjugacio-" + std::to_string(++started) + ".log");
    waitForWindow();
}

Drill::~Drill()
{
    if (buttonHeld_)
        release();
}

void Drill::waitForWindow()
{
    const auto pid = static_cast<std::uint32_t>(process_->pid());
    const auto ended = [this] { return process_->waitForExit(0ms).has_value(); };
    const auto endedAtStart = [this] {
        return std::runtime_error("conjugacio " + DescribeExit(*process_->waitForExit(0ms))
                                  + " at start:" + Tail(process_->logPath()));
    };
    // The window manager lists the windows it manages on the root.
    const bool listed = display_.waitUntil(
        [&] {
            if (ended())
                return true;
            for (xcb_window_t client : display_.listProperty(display_.root(), "_NET_CLIENT_LIST"))
                if (display_.listProperty(client, "_NET_WM_PID") == std::vector<std::uint32_t>{pid})
                    window_ = client;
            return window_ != XCB_WINDOW_NONE;
        },
        StartLimit());
    if (ended())
        throw endedAtStart();
    if (!listed) {
        desktop_.checkWindowManager(ReactionLimit());
        throw std::runtime_error("conjugacio showed no window that openbox manages within " + Seconds(StartLimit())
                                 + ":" + Tail(process_->logPath()));
    }
    display_.watch(window_);
    const bool shown = display_.waitUntil(
        [&] {
            return ended()
                   || (display_.wmState(window_) == WmState::Normal && display_.viewable(window_)
                       && isPlain(kRedMargin, layout::kRed) && holdsForm(layout::PoolLabel(0)));
        },
        StartLimit());
    if (ended())
        throw endedAtStart();
    if (!shown) {
        desktop_.checkWindowManager(ReactionLimit());
        throw std::runtime_error("conjugacio's window was not shown with a red background and a pool of forms within "
                                 + Seconds(StartLimit()) + ":" + Tail(process_->logPath()));
    }
    // Once shown, the drill still asks the window manager to leave it out of the task bar.
    settle();
}

void Drill::settle()
{
    desktop_.checkWindowManager(ReactionLimit());
    for (int turn = 0; turn < 2; ++turn)
        if (!display_.ping(window_, ReactionLimit())) {
            if (const auto status = process_->waitForExit(0ms))
                throw std::runtime_error("conjugacio " + DescribeExit(*status) + ":" + Tail(process_->logPath()));
            throw std::runtime_error("conjugacio did not answer a ping within " + Seconds(ReactionLimit())
                                     + ": its event loop is stuck:" + Tail(process_->logPath()));
        }
    desktop_.checkWindowManager(ReactionLimit());
}

Rect Drill::placement()
{
    const std::optional<Rect> placed = display_.placement(window_);
    if (!placed)
        throw std::runtime_error("the drill's window is gone");
    return *placed;
}

Point Drill::toScreen(Point inWindow)
{
    return placement().topLeft() + Point{inWindow.x * scale_, inWindow.y * scale_};
}

Rect Drill::toScreen(const Rect& inWindow)
{
    const Point topLeft = toScreen(inWindow.topLeft());
    return {topLeft.x, topLeft.y, inWindow.width * scale_, inWindow.height * scale_};
}

Image Drill::capture(const Rect& inWindow) { return display_.capture(toScreen(inWindow)); }

Image Drill::settledCapture(const Rect& inWindow)
{
    settle();
    return capture(inWindow);
}

bool Drill::holdsForm(const Rect& label)
{
    const Image image = capture(label);
    int dark = 0;
    for (Rgb pixel : image.pixels)
        dark += pixel.dark() ? 1 : 0;
    return dark >= 8;  // a short form in bold has far more
}

bool Drill::isPlain(const Rect& area, Rgb colour)
{
    const Image image = capture(area);
    for (Rgb pixel : image.pixels)
        if (pixel != colour)
            return false;
    return true;
}

bool Drill::outlineAt(const Rect& area)
{
    const Rect box = toScreen(area);
    // What the line encloses, and that less its outermost ring of pixels.
    const Rect enclosed{box.x + scale_, box.y + scale_, box.width - 2 * scale_, box.height - 2 * scale_};
    const Rect wellInside{enclosed.x + 1, enclosed.y + 1, enclosed.width - 2, enclosed.height - 2};
    const Image image = display_.capture({box.x - 1, box.y - 1, box.width + 2, box.height + 2});
    for (int y = image.area.y; y < image.area.y + image.area.height; ++y)
        for (int x = image.area.x; x < image.area.x + image.area.width; ++x) {
            const Point p{x, y};
            const bool onLine = box.contains(p) && !enclosed.contains(p);
            const bool besideLine = !box.contains(p) || (enclosed.contains(p) && !wellInside.contains(p));
            if ((onLine && !image.at(p).dark()) || (besideLine && image.at(p).dark()))
                return false;
        }
    return true;
}

std::string Drill::describe(const Rect& label, Rgb emptyColour)
{
    if (holdsForm(label))
        return "a form";
    if (isPlain(label, emptyColour))
        return "nothing";
    if (isPlain(label, layout::kRed))
        return "red background (not shown)";
    return "neither a form nor its empty colour";
}

void Drill::moveTo(Point inWindow) { display_.movePointer(toScreen(inWindow)); }

void Drill::press(Point inWindow)
{
    moveTo(inWindow);
    display_.pressButton(1);
    buttonHeld_ = true;
    // openbox holds the pointer still at a press on a window until it has focused and raised it,
    // then lets the press through. Input sent before then comes out of order (a drag became a
    // press on the form and a release on "Avaluar."), so nothing more goes until openbox is done.
    desktop_.checkWindowManager(ReactionLimit());
}

void Drill::release()
{
    display_.releaseButton(1);
    buttonHeld_ = false;
}

void Drill::click(Point inWindow)
{
    press(inWindow);
    release();
}

void Drill::drag(Point from, Point to)
{
    press(from);
    moveTo(from + Point{4, 4});
    moveTo({(from.x + to.x) / 2, (from.y + to.y) / 2});
    moveTo(to);
    release();
}

}  // namespace desktop
