// Bounded waiting. Every wait for the window system or the drill wakes on what the X server reports
// (see Display::waitUntil), so a limit is only ever reached by something that is not going to
// happen: the limits are generous, far above what a loaded machine or a sanitized build takes.
#pragma once

#include <chrono>
#include <cstdlib>
#include <string>

namespace desktop {

using namespace std::chrono_literals;

// CONJUGACIO_DESKTOP_TIME_SCALE (a positive number, 1 when unset) multiplies every limit, for
// builds whose programs run several times slower (sanitizers, valgrind).
inline double TimeScale()
{
    static const double scale = [] {
        const char* text = std::getenv("CONJUGACIO_DESKTOP_TIME_SCALE");
        const double value = text ? std::strtod(text, nullptr) : 1.0;
        return value > 0 ? value : 1.0;
    }();
    return scale;
}

inline std::chrono::milliseconds Scaled(std::chrono::milliseconds limit)
{
    return std::chrono::milliseconds(static_cast<long long>(static_cast<double>(limit.count()) * TimeScale()));
}

// How long the drill and the window manager get to react to one action.
inline std::chrono::milliseconds ReactionLimit() { return Scaled(10s); }
// How long a server, a window manager or the drill gets to start.
inline std::chrono::milliseconds StartLimit() { return Scaled(30s); }

// "10 s", for failure messages.
inline std::string Seconds(std::chrono::milliseconds limit)
{
    const long long tenths = (limit.count() + 50) / 100;
    return std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "") + " s";
}

}  // namespace desktop
