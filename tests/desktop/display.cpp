#include "display.h"

#include <poll.h>
#include <xcb/damage.h>
#include <xcb/shape.h>
#include <xcb/xtest.h>

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace desktop {
namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
Owned<Reply> Own(Reply* reply)
{
    return Owned<Reply>(reply, &std::free);
}

// Ping ids of these tests, well away from the small ones a window manager counts from.
constexpr std::uint32_t kFirstPing = 0x7e570000;

}  // namespace

std::string ToString(Point p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

std::string ToString(const Rect& r)
{
    return "(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.width) + " x "
           + std::to_string(r.height) + ")";
}

std::string ToString(Rgb c)
{
    return "RGB(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue) + ")";
}

Rgb Image::at(Point onScreen) const
{
    return pixels.at(static_cast<std::size_t>((onScreen.y - area.y) * area.width + (onScreen.x - area.x)));
}

std::optional<Rect> Difference(const Image& a, const Image& b)
{
    if (a.area != b.area)
        return a.area;
    int left = a.area.width, top = a.area.height, right = -1, bottom = -1;
    for (int y = 0; y < a.area.height; ++y)
        for (int x = 0; x < a.area.width; ++x)
            if (a.pixels[static_cast<std::size_t>(y * a.area.width + x)]
                != b.pixels[static_cast<std::size_t>(y * a.area.width + x)]) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return std::nullopt;
    return Rect{a.area.x + left, a.area.y + top, right - left + 1, bottom - top + 1};
}

bool SavePng(const Image& image, const std::string& path)
{
    QImage png(image.area.width, image.area.height, QImage::Format_RGB32);
    for (int y = 0; y < image.area.height; ++y)
        for (int x = 0; x < image.area.width; ++x) {
            const Rgb c = image.pixels[static_cast<std::size_t>(y * image.area.width + x)];
            png.setPixel(x, y, qRgb(c.red, c.green, c.blue));
        }
    return png.save(QString::fromStdString(path), "PNG");
}

Display::Display(const std::string& name)
{
    connection_ = xcb_connect(name.c_str(), nullptr);
    if (xcb_connection_has_error(connection_))
        throw WindowSystemFault("cannot connect to the X server " + name);
    screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    // Pixels are read as 8 bits a channel, one 32-bit word each, red highest.
    if (screen_->root_depth != 24)
        throw std::runtime_error("the X server's screen has depth " + std::to_string(screen_->root_depth)
                                 + ", the tests read depth 24");
    const auto xtest = Own(xcb_test_get_version_reply(connection_, xcb_test_get_version(connection_, 2, 2), nullptr));
    if (!xtest)
        throw std::runtime_error("the X server " + name + " has no XTEST extension");
    // A key held while the machine is busy must not repeat: each press is one keystroke.
    const std::uint32_t noRepeat = XCB_AUTO_REPEAT_MODE_OFF;
    xcb_change_keyboard_control(connection_, XCB_KB_AUTO_REPEAT_MODE, &noRepeat);
    // What wakes a wait: the root's properties (the window manager's lists, the active window),
    // its children (frames mapped, moved, unmapped) and any drawing on the screen. Messages sent to
    // the root for the window manager come too; Qt sends its answers to pings to those who watch
    // the root's own structure.
    const std::uint32_t rootEvents =
        XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root(), XCB_CW_EVENT_MASK, &rootEvents);
    if (xcb_get_extension_data(connection_, &xcb_damage_id)->present) {
        const auto version = Own(xcb_damage_query_version_reply(
            connection_, xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));
        if (version) {
            damage_ = xcb_generate_id(connection_);
            xcb_damage_create(connection_, damage_, root(), XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        }
    }
    const std::uint32_t probeEvents = XCB_EVENT_MASK_PROPERTY_CHANGE;
    probe_ = xcb_generate_id(connection_);
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, probe_, root(), -10, -10, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &probeEvents);
    // Interned now: the events are told apart by them while they are read.
    for (const char* name : {"WM_PROTOCOLS", "_NET_WM_PING", "_NET_FRAME_EXTENTS", "_NET_REQUEST_FRAME_EXTENTS"})
        atom(name);
    sync();
}

Display::~Display() { xcb_disconnect(connection_); }

xcb_atom_t Display::atom(const std::string& name)
{
    if (auto found = atoms_.find(name); found != atoms_.end())
        return found->second;
    const auto reply = Own(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, static_cast<uint16_t>(name.size()), name.c_str()), nullptr));
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    atoms_.emplace(name, atom);
    return atom;
}

std::vector<std::uint32_t> Display::listProperty(xcb_window_t window, const std::string& property)
{
    const auto reply = Own(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, atom(property), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
        nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

std::string Display::textProperty(xcb_window_t window, const std::string& property)
{
    const auto reply = Own(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, atom(property), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
        nullptr));
    if (!reply || reply->format != 8)
        return {};
    const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return {text, text + xcb_get_property_value_length(reply.get())};
}

bool Display::hasState(xcb_window_t window, const std::string& state)
{
    const std::vector<std::uint32_t> states = listProperty(window, "_NET_WM_STATE");
    return std::find(states.begin(), states.end(), atom(state)) != states.end();
}

std::optional<WmState> Display::wmState(xcb_window_t window)
{
    const std::vector<std::uint32_t> state = listProperty(window, "WM_STATE");
    if (state.empty())
        return std::nullopt;
    return static_cast<WmState>(state[0]);
}

bool Display::viewable(xcb_window_t window)
{
    const auto reply =
        Own(xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, window), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

std::optional<Rect> Display::placement(xcb_window_t window)
{
    const auto geometry = Own(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    const auto onRoot = Own(xcb_translate_coordinates_reply(
        connection_, xcb_translate_coordinates(connection_, window, root(), 0, 0), nullptr));
    if (!geometry || !onRoot)
        return std::nullopt;
    return Rect{onRoot->dst_x, onRoot->dst_y, geometry->width, geometry->height};
}

std::vector<Rect> Display::outline(xcb_window_t window) { return shape(window, XCB_SHAPE_SK_BOUNDING); }

std::vector<Rect> Display::inputOutline(xcb_window_t window) { return shape(window, XCB_SHAPE_SK_INPUT); }

std::vector<Rect> Display::shape(xcb_window_t window, std::uint8_t kind)
{
    const auto reply =
        Own(xcb_shape_get_rectangles_reply(connection_, xcb_shape_get_rectangles(connection_, window, kind), nullptr));
    std::vector<Rect> rectangles;
    if (!reply)
        return rectangles;
    const xcb_rectangle_t* r = xcb_shape_get_rectangles_rectangles(reply.get());
    for (int i = 0; i < xcb_shape_get_rectangles_rectangles_length(reply.get()); ++i)
        rectangles.push_back({r[i].x, r[i].y, r[i].width, r[i].height});
    return rectangles;
}

Image Display::capture(const Rect& area)
{
    const auto reply = Own(
        xcb_get_image_reply(connection_,
                            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root(), static_cast<int16_t>(area.x),
                                          static_cast<int16_t>(area.y), static_cast<uint16_t>(area.width),
                                          static_cast<uint16_t>(area.height), ~0u),
                            nullptr));
    if (!reply)
        throw std::runtime_error("cannot read the screen's pixels in " + ToString(area));
    const auto* words = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(reply.get()));
    Image image{area, {}};
    image.pixels.reserve(static_cast<std::size_t>(area.width * area.height));
    for (int i = 0; i < area.width * area.height; ++i)
        image.pixels.push_back({static_cast<std::uint8_t>(words[i] >> 16), static_cast<std::uint8_t>(words[i] >> 8),
                                static_cast<std::uint8_t>(words[i])});
    return image;
}

void Display::watch(xcb_window_t window)
{
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &events);
    sync();
}

bool Display::syncWindowManager(std::chrono::milliseconds limit)
{
    const unsigned answered = frameExtentsAnswers_;
    auto asked = std::chrono::steady_clock::now();
    auto askAgain = kRecheck;
    messageWindowManager(probe_, "_NET_REQUEST_FRAME_EXTENTS", {});
    return waitUntil(
        [&] {
            if (frameExtentsAnswers_ != answered)
                return true;
            // openbox drops what it is sent while it starts, after it has announced itself and
            // before its event loop runs: ask again, less and less often. Any answer will do, every
            // request coming after what is to be handled.
            if (std::chrono::steady_clock::now() - asked >= askAgain) {
                messageWindowManager(probe_, "_NET_REQUEST_FRAME_EXTENTS", {});
                asked = std::chrono::steady_clock::now();
                askAgain = std::min(askAgain * 2, std::chrono::milliseconds(1000));
            }
            return false;
        },
        limit);
}

bool Display::ping(xcb_window_t window, std::chrono::milliseconds limit)
{
    const std::uint32_t id = kFirstPing + ++lastPing_;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("_NET_WM_PING");
    message.data.data32[1] = id;
    message.data.data32[2] = window;
    // No event mask: to the program that made the window. The answer comes back through the root.
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
    return waitUntil([&] { return pongs_.erase(id) > 0; }, limit);
}

void Display::awaitEvents(std::chrono::milliseconds limit)
{
    // Events read while a condition waited for its replies are queued already: they may tell of a
    // change it did not see, so the condition is checked again at once.
    if (!takeEvents(false)) {
        pollfd readable{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&readable, 1, static_cast<int>(limit.count()));
        takeEvents(true);
    }
    if (xcb_connection_has_error(connection_))
        throw WindowSystemFault("the connection to the X server broke (the server ended?)");
}

bool Display::takeEvents(bool readSocket)
{
    const std::uint8_t damageNotify =
        damage_ ? xcb_get_extension_data(connection_, &xcb_damage_id)->first_event + XCB_DAMAGE_NOTIFY : 0;
    bool any = false;
    bool damaged = false;
    while (xcb_generic_event_t* event =
               readSocket ? xcb_poll_for_event(connection_) : xcb_poll_for_queued_event(connection_)) {
        any = true;
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CLIENT_MESSAGE) {
            const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
            if (message->format == 32 && message->type == atom("WM_PROTOCOLS")
                && message->data.data32[0] == atom("_NET_WM_PING"))
                pongs_.insert(message->data.data32[1]);
        } else if (type == XCB_PROPERTY_NOTIFY) {
            const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if (change->window == probe_ && change->atom == atom("_NET_FRAME_EXTENTS")
                && change->state == XCB_PROPERTY_NEW_VALUE)
                ++frameExtentsAnswers_;
        } else if (damage_ && type == damageNotify) {
            damaged = true;
        }
        std::free(event);
    }
    // The server reports drawing again only once what it reported is taken away; whatever is drawn
    // from here on is reported anew, and the condition reads the screen after this.
    if (damaged) {
        xcb_damage_subtract(connection_, damage_, XCB_NONE, XCB_NONE);
        xcb_flush(connection_);
    }
    return any;
}

void Display::fakeInput(std::uint8_t type, std::uint8_t detail, Point at)
{
    xcb_test_fake_input(connection_, type, detail, XCB_CURRENT_TIME, type == XCB_MOTION_NOTIFY ? root() : XCB_NONE,
                        static_cast<int16_t>(at.x), static_cast<int16_t>(at.y), 0);
    sync();
}

void Display::movePointer(Point onScreen) { fakeInput(XCB_MOTION_NOTIFY, 0, onScreen); }
void Display::pressButton(int button) { fakeInput(XCB_BUTTON_PRESS, static_cast<std::uint8_t>(button)); }
void Display::releaseButton(int button) { fakeInput(XCB_BUTTON_RELEASE, static_cast<std::uint8_t>(button)); }

void Display::typeChord(std::initializer_list<std::uint32_t> keysyms)
{
    // The keys are looked up first, so that no look-up lies between a press and its release.
    std::vector<std::uint8_t> keys;
    for (std::uint32_t keysym : keysyms)
        keys.push_back(keycode(keysym));
    for (std::uint8_t key : keys)
        fakeInput(XCB_KEY_PRESS, key);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        fakeInput(XCB_KEY_RELEASE, *key);
}

std::uint8_t Display::keycode(std::uint32_t keysym)
{
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
    const auto reply = Own(xcb_get_keyboard_mapping_reply(
        connection_, xcb_get_keyboard_mapping(connection_, setup->min_keycode, count), nullptr));
    if (reply) {
        const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply.get());
        const int perKeycode = reply->keysyms_per_keycode;
        for (int code = 0; code < count; ++code)
            for (int column = 0; column < perKeycode; ++column)
                if (keysyms[code * perKeycode + column] == keysym)
                    return static_cast<std::uint8_t>(setup->min_keycode + code);
    }
    throw std::runtime_error("no key of the X server's keyboard gives keysym " + std::to_string(keysym));
}

void Display::requestActivation(xcb_window_t window)
{
    messageWindowManager(window, "_NET_ACTIVE_WINDOW", {2 /* from a pager or task bar */, XCB_CURRENT_TIME});
}

void Display::requestIconify(xcb_window_t window)
{
    messageWindowManager(window, "WM_CHANGE_STATE", {3 /* IconicState */});
}

void Display::messageWindowManager(xcb_window_t window, const char* type, std::initializer_list<std::uint32_t> data)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(type);
    std::copy(data.begin(), data.end(), message.data.data32);
    xcb_send_event(connection_, 0, root(), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    sync();
}

void Display::sync() { std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr)); }

}  // namespace desktop
