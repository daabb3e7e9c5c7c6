#include "scaled_drill.h"

#include <sys/stat.h>

#include <cmath>
#include <stdexcept>

#include "drill.h"
#include "wait.h"

namespace desktop {

ScaledDrill::ScaledDrill(Desktop& desktop, const std::string& program, const std::vector<std::string>& environment)
    : display_(desktop.display())
{
    static int started = 0;
    const std::string runtime = desktop.folder() + "/runtime";
    mkdir(runtime.c_str(), 0700);
    std::vector<std::string> variables{"PATH=/usr/bin:/bin", "HOME=" + desktop.folder(), "XDG_RUNTIME_DIR=" + runtime,
                                       "DISPLAY=" + desktop.displayName(), "QT_QPA_PLATFORM=xcb", "LANG=C.UTF-8",
                                       // as for Drill: no session bus to be looked for
                                       "DBUS_SESSION_BUS_ADDRESS=disabled:"};
    variables.insert(variables.end(), environment.begin(), environment.end());
    process_ = std::make_unique<ChildProcess>(std::vector<std::string>{program}, variables,
                                              desktop.folder() + "/scaled-" + std::to_string(++started) + ".log");
    const bool listed = display_.waitUntil(
        [&] {
            const std::vector<xcb_window_t> own = ownWindows();
            if (!own.empty())
                window_ = own.front();
            return window_ != XCB_WINDOW_NONE || process_->waitForExit(0ms);
        },
        StartLimit());
    if (const auto status = process_->waitForExit(0ms))
        throw std::runtime_error("conjugacio " + DescribeExit(*status) + " at start:" + Tail(process_->logPath()));
    // Shown with its red background left of the person captions.
    const bool shown = listed
                       && display_.waitUntil(
                           [&] {
                               if (display_.wmState(window_) != WmState::Normal || !display_.viewable(window_))
                                   return false;
                               const Image margin = display_.capture(toScreen(Rect{1, 290, 6, 20}));
                               for (Rgb pixel : margin.pixels)
                                   if (pixel != layout::kRed)
                                       return false;
                               return true;
                           },
                           StartLimit());
    if (!shown)
        throw std::runtime_error("conjugacio's window was not shown with its red background within "
                                 + Seconds(StartLimit()) + ":" + Tail(process_->logPath()));
}

std::vector<xcb_window_t> ScaledDrill::ownWindows()
{
    const auto pid = static_cast<std::uint32_t>(process_->pid());
    std::vector<xcb_window_t> own;
    for (xcb_window_t client : display_.listProperty(display_.root(), "_NET_CLIENT_LIST"))
        if (display_.listProperty(client, "_NET_WM_PID") == std::vector<std::uint32_t>{pid})
            own.push_back(client);
    return own;
}

Rect ScaledDrill::placement()
{
    const std::optional<Rect> placed = display_.placement(window_);
    if (!placed)
        throw std::runtime_error("the drill's window is gone");
    return *placed;
}

double ScaledDrill::scale() { return placement().width / double(layout::kWindow.width); }

Point ScaledDrill::toScreen(Point inWindow)
{
    const double s = scale();
    return placement().topLeft() + Point{int(std::lround(inWindow.x * s)), int(std::lround(inWindow.y * s))};
}

Rect ScaledDrill::toScreen(const Rect& inWindow)
{
    const Point topLeft = toScreen(inWindow.topLeft());
    const Point bottomRight = toScreen(Point{inWindow.x + inWindow.width, inWindow.y + inWindow.height});
    return {topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y};
}

void ScaledDrill::click(Point inWindow)
{
    display_.movePointer(toScreen(inWindow));
    display_.pressButton(1);
    display_.releaseButton(1);
}

std::vector<xcb_window_t> ScaledDrill::shownPopups()
{
    std::vector<xcb_window_t> shown;
    for (xcb_window_t own : ownWindows())
        if (own != window_ && display_.viewable(own))
            shown.push_back(own);
    return shown;
}

}  // namespace desktop
