// Bounded waiting: every wait for the window system or the drill has a deadline.
#pragma once

#include <chrono>
#include <thread>

namespace desktop {

using namespace std::chrono_literals;

// How long the drill and the window manager get to react to one action.
inline constexpr std::chrono::milliseconds kReactionLimit = 5s;
// How long a server, a window manager or the drill gets to start.
inline constexpr std::chrono::milliseconds kStartLimit = 10s;

// Polls `condition` until it holds or `limit` has passed; says whether it held.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds limit = kReactionLimit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(10ms);
    }
}

}  // namespace desktop
