#include "screen_setup.h"

#include <xcb/shape.h>

#include "wait.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

namespace desktop {
namespace {

xcb_connection_t* Connect(const std::string& displayName)
{
    xcb_connection_t* connection = xcb_connect(displayName.c_str(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        throw std::runtime_error("cannot connect to the X server " + displayName);
    }
    return connection;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

void SetCardinals(xcb_connection_t* connection, xcb_window_t window, const char* property, xcb_atom_t type,
                  const std::vector<std::uint32_t>& values)
{
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, Atom(connection, property), type, 32,
                        static_cast<std::uint32_t>(values.size()), values.data());
}

}  // namespace

Panel::Panel(const std::string& displayName, int height) : connection_(Connect(displayName))
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    const int width = screen->width_in_pixels;
    const int top = screen->height_in_pixels - height;
    const xcb_window_t window = xcb_generate_id(connection_);
    const std::uint32_t grey = 0x404040;
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, screen->root, 0, static_cast<std::int16_t>(top),
                      static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL, &grey);
    SetCardinals(connection_, window, "_NET_WM_WINDOW_TYPE", XCB_ATOM_ATOM,
                 {Atom(connection_, "_NET_WM_WINDOW_TYPE_DOCK")});
    const auto h = static_cast<std::uint32_t>(height);
    const auto right = static_cast<std::uint32_t>(width - 1);
    SetCardinals(connection_, window, "_NET_WM_STRUT", XCB_ATOM_CARDINAL, {0, 0, 0, h});
    SetCardinals(connection_, window, "_NET_WM_STRUT_PARTIAL", XCB_ATOM_CARDINAL,
                 {0, 0, 0, h, 0, 0, 0, 0, 0, 0, 0, right});
    // Placed where the program says (USPosition, USSize), not where the window manager would.
    SetCardinals(connection_, window, "WM_NORMAL_HINTS", XCB_ATOM_WM_SIZE_HINTS,
                 {1 | 2, 0, static_cast<std::uint32_t>(top), static_cast<std::uint32_t>(width), h, 0, 0, 0, 0, 0, 0, 0,
                  0, 0, 0, 0, 0, 0});
    // A window manager that is still starting may drop the request to map it: asked again until it
    // is shown.
    const auto deadline = std::chrono::steady_clock::now() + StartLimit();
    for (;;) {
        xcb_map_window(connection_, window);
        std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
            xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, window), nullptr),
            &std::free);
        if ((attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
            || std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(200ms);
    }
}

Panel::~Panel() { xcb_disconnect(connection_); }

Rect AvailableArea(Display& display)
{
    const std::vector<std::uint32_t> area = display.listProperty(display.root(), "_NET_WORKAREA");
    if (area.size() < 4)
        return {0, 0, display.width(), display.height()};
    return {int(area[0]), int(area[1]), int(area[2]), int(area[3])};
}

namespace {

// A connection of its own for one question.
class Connection {
public:
    explicit Connection(const std::string& displayName) : connection_(Connect(displayName)) {}
    ~Connection() { xcb_disconnect(connection_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    operator xcb_connection_t*() const { return connection_; }

private:
    xcb_connection_t* connection_;
};

template <typename Reply>
std::unique_ptr<Reply, decltype(&std::free)> Own(Reply* reply)
{
    return {reply, &std::free};
}

}  // namespace

bool CompositorRunning(const std::string& displayName)
{
    const Connection connection(displayName);
    const auto owner = Own(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, Atom(connection, "_NET_WM_CM_S0")), nullptr));
    return owner && owner->owner != XCB_WINDOW_NONE;
}

int WindowDepth(const std::string& displayName, xcb_window_t window)
{
    const Connection connection(displayName);
    const auto geometry = Own(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    return geometry ? geometry->depth : 0;
}

void SetXResources(const std::string& displayName, const std::string& resources)
{
    xcb_connection_t* connection = Connect(displayName);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, screen->root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 8,
                        static_cast<std::uint32_t>(resources.size()), resources.data());
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
}

}  // namespace desktop
