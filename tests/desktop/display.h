// One client connection to an X server, for what a test reads from it and the input it fakes:
// properties, window places and outlines, pixels of the screen, pointer and keys through XTEST.
#pragma once

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace desktop {

struct Point {
    int x = 0;
    int y = 0;
    friend Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend bool operator==(Point, Point) = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Point topLeft() const { return {x, y}; }
    Point centre() const { return {x + width / 2, y + height / 2}; }
    bool contains(Point p) const { return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool dark() const { return red < 64 && green < 64 && blue < 64; }
    friend bool operator==(Rgb, Rgb) = default;
};

std::string ToString(Point p);
std::string ToString(const Rect& r);
std::string ToString(Rgb c);

// Pixels of a part of the screen, `area` in screen coordinates.
struct Image {
    Rect area;
    std::vector<Rgb> pixels;  // row by row
    Rgb at(Point onScreen) const;
    friend bool operator==(const Image&, const Image&) = default;
};

// The part of `a` and `b` (same area) whose pixels differ, or nothing.
std::optional<Rect> Difference(const Image& a, const Image& b);
// Writes the image as a PNG file; false if it could not.
bool SavePng(const Image& image, const std::string& path);

enum class WmState : std::uint32_t { Withdrawn = 0, Normal = 1, Iconic = 3 };

// A fault of the X server or of the window manager rather than of the program under test.
class WindowSystemFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Display {
public:
    // Throws WindowSystemFault where the server cannot be reached, std::runtime_error where it lacks
    // what the tests read.
    explicit Display(const std::string& name);
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    xcb_window_t root() const { return screen_->root; }
    int width() const { return screen_->width_in_pixels; }
    int height() const { return screen_->height_in_pixels; }

    xcb_atom_t atom(const std::string& name);
    // A 32-bit list property (CARDINAL, ATOM, WINDOW); empty when it is not set.
    std::vector<std::uint32_t> listProperty(xcb_window_t window, const std::string& property);
    std::string textProperty(xcb_window_t window, const std::string& property);
    bool hasState(xcb_window_t window, const std::string& state);  // in _NET_WM_STATE
    std::optional<WmState> wmState(xcb_window_t window);
    bool viewable(xcb_window_t window);
    // The window's inside in screen coordinates, or nothing once it is gone.
    std::optional<Rect> placement(xcb_window_t window);
    // The window's bounding outline, in its own coordinates.
    std::vector<Rect> outline(xcb_window_t window);
    // The part of the window that takes the pointer, as the X shape extension has it.
    std::vector<Rect> inputOutline(xcb_window_t window);

    Image capture(const Rect& area);
    Image captureScreen() { return capture({0, 0, width(), height()}); }

    // Input through XTEST, as a real device would send it. Each call returns once the server has
    // taken the event.
    void movePointer(Point onScreen);
    void pressButton(int button);
    void releaseButton(int button);
    // Presses the keys (X keysyms) in order and releases them in reverse: {Alt_L, F4} is Alt+F4.
    void typeChord(std::initializer_list<std::uint32_t> keysyms);

    // Waiting. `condition` is checked at once, then again each time the server reports a change of
    // a property or of the windows on the root or on a watched window, or a drawing anywhere on the
    // screen, and at the latest every few tens of milliseconds for whatever else it reads. Says
    // whether it held before `limit`. Throws WindowSystemFault once the server has gone.
    template <typename Condition>
    bool waitUntil(Condition condition, std::chrono::milliseconds limit)
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            if (condition())
                return true;
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return false;
            awaitEvents(std::min(left, kRecheck));
        }
    }
    // Changes to the properties, map state and place of a window of another program wake waits too.
    void watch(xcb_window_t window);
    // Returns once the window manager has handled everything sent to it before (input included):
    // it answers a request for frame extents, which it takes in turn with the rest (asked again
    // while it does not answer). False if it did not answer within `limit`.
    bool syncWindowManager(std::chrono::milliseconds limit);
    // Returns once the program that made `window` has taken everything sent to it before: it
    // answers a _NET_WM_PING as it reads it, in turn with its other events. False if it did not
    // answer within `limit`.
    bool ping(xcb_window_t window, std::chrono::milliseconds limit);

    // What a task bar sends to bring a window to the front (and out of its icon).
    void requestActivation(xcb_window_t window);
    // What a window manager's own minimise key or menu does: asks for the window to be iconified.
    void requestIconify(xcb_window_t window);

private:
    std::vector<Rect> shape(xcb_window_t window, std::uint8_t kind);
    static constexpr std::chrono::milliseconds kRecheck{25};

    // Sleeps until an event comes or `limit` passes, then takes every event there is.
    void awaitEvents(std::chrono::milliseconds limit);
    bool takeEvents(bool readSocket);
    void fakeInput(std::uint8_t type, std::uint8_t detail, Point at = {});
    std::uint8_t keycode(std::uint32_t keysym);
    // A client message about `window` to the window manager, through the root window.
    void messageWindowManager(xcb_window_t window, const char* type, std::initializer_list<std::uint32_t> data);
    void sync();

    xcb_connection_t* connection_ = nullptr;
    const xcb_screen_t* screen_ = nullptr;
    std::map<std::string, xcb_atom_t> atoms_;
    // An unmapped window of this connection whose frame extents the window manager is asked for.
    xcb_window_t probe_ = XCB_WINDOW_NONE;
    std::uint32_t damage_ = 0;  // on the root window, where the server has DAMAGE
    unsigned frameExtentsAnswers_ = 0;
    std::uint32_t lastPing_ = 0;
    std::set<std::uint32_t> pongs_;
};

}  // namespace desktop
