#include "ui/chrome/x11.h"

#include <QGuiApplication>
#include <QRegion>
#include <QWidget>

#ifdef CONJUGACIO_X11
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <QPointer>
#include <QVarLengthArray>
#include <QWindow>

#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace chrome::x11 {

#ifdef CONJUGACIO_X11
namespace {

xcb_connection_t* Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Takes `state` out of the window's own _NET_WM_STATE list. Qt keeps what it finds there when it
// maps the window; the window manager reads it when it takes the window.
void RemoveFromStateProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t netWmState, xcb_atom_t state)
{
    const auto cookie = xcb_get_property(connection, 0, window, netWmState, XCB_ATOM_ATOM, 0, 64);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    QVarLengthArray<xcb_atom_t, 16> states;
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
        for (int i = 0; i < count; ++i)
            if (atoms[i] != state)
                states.append(atoms[i]);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, netWmState, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.constData());
}

// Asks the window manager to add or remove `state` on a window it manages.
void RequestState(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t netWmState, xcb_atom_t state,
                  bool present)
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = netWmState;
    message.data.data32[0] = present ? 1 : 0;  // _NET_WM_STATE_ADD or _NET_WM_STATE_REMOVE
    message.data.data32[1] = state;
    message.data.data32[3] = 1;  // from an application
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
}

// Keeps a window out of the task bar, or in it, across the native windows Qt makes for it and
// every time it is shown. A window manager may refuse the focus to a new ordinary window that
// already says it skips the task bar (openbox does), so the window is mapped as an ordinary one
// and the window manager is asked once it has taken the window and shown it.
class TaskBarSetting : public QObject {
public:
    static constexpr const char* kName = "taskBarSetting";
    explicit TaskBarSetting(QWidget* window)
        : QObject(window)
        , window_(window)
        , connection_(Connection())
        , netWmState_(Atom(connection_, "_NET_WM_STATE"))
        , skipTaskBar_(Atom(connection_, "_NET_WM_STATE_SKIP_TASKBAR"))
    {
        setObjectName(QLatin1String(kName));
        window->installEventFilter(this);
        if (window->internalWinId())
            prepareNativeWindow();
    }

    void set(bool entry)
    {
        entry_ = entry;
        if (window_->internalWinId() && window_->isVisible())
            askWindowManager();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_) {
            const bool shownByProgram = event->type() == QEvent::Show && !event->spontaneous();
            if ((event->type() == QEvent::WinIdChange || shownByProgram) && window_->internalWinId())
                prepareNativeWindow();
        } else if (watched == handle_ && event->type() == QEvent::Expose) {
            const bool exposed = handle_->isExposed();
            if (exposed && !exposed_)
                askWindowManager();
            exposed_ = exposed;
        }
        return false;
    }

private:
    // Before the window is mapped: no skip in its own state list, and its exposures watched.
    void prepareNativeWindow()
    {
        if (handle_ != window_->windowHandle()) {
            handle_ = window_->windowHandle();
            exposed_ = handle_ && handle_->isExposed();
            if (handle_)
                handle_->installEventFilter(this);
        }
        if (handle_ && handle_->isExposed())
            return;
        RemoveFromStateProperty(connection_, static_cast<xcb_window_t>(window_->winId()), netWmState_, skipTaskBar_);
        xcb_flush(connection_);
    }

    void askWindowManager()
    {
        RequestState(connection_, static_cast<xcb_window_t>(window_->winId()), netWmState_, skipTaskBar_, !entry_);
        xcb_flush(connection_);
    }

    QWidget* window_;
    xcb_connection_t* connection_;
    const xcb_atom_t netWmState_;
    const xcb_atom_t skipTaskBar_;
    QPointer<QWindow> handle_;
    bool exposed_ = false;
    bool entry_ = false;
};

}  // namespace

bool Active() { return Connection() != nullptr; }

namespace {

void SetShapeRectangles(xcb_connection_t* connection, xcb_window_t window, xcb_shape_kind_t kind,
                        const QRegion& outline)
{
    QVarLengthArray<xcb_rectangle_t, 128> rectangles;
    for (const QRect& r : outline)
        rectangles.append({static_cast<int16_t>(r.x()), static_cast<int16_t>(r.y()), static_cast<uint16_t>(r.width()),
                           static_cast<uint16_t>(r.height())});
    xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, kind, XCB_CLIP_ORDERING_UNSORTED, window, 0, 0,
                         static_cast<uint32_t>(rectangles.size()), rectangles.constData());
}

}  // namespace

bool SetShape(QWidget* window, const QRegion& outline)
{
    xcb_connection_t* connection = Connection();
    if (!connection)
        return false;
    SetShapeRectangles(connection, static_cast<xcb_window_t>(window->winId()), XCB_SHAPE_SK_BOUNDING, outline);
    xcb_flush(connection);
    return true;
}

bool SetInputShape(QWidget* window, const QRegion& outline)
{
    xcb_connection_t* connection = Connection();
    if (!connection)
        return false;
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_shape_mask(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, id, 0, 0, XCB_NONE);
    SetShapeRectangles(connection, id, XCB_SHAPE_SK_INPUT, outline);
    xcb_flush(connection);
    return true;
}

bool CompositorRunning()
{
    xcb_connection_t* connection = Connection();
    if (!connection)
        return false;
    static const xcb_atom_t selection = [connection] {
        char* host = nullptr;
        int display = 0, screen = 0;
        if (xcb_parse_display(nullptr, &host, &display, &screen))
            std::free(host);
        return Atom(connection, ("_NET_WM_CM_S" + QByteArray::number(screen)).constData());
    }();
    const auto cookie = xcb_get_selection_owner(connection, selection);
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> reply(
        xcb_get_selection_owner_reply(connection, cookie, nullptr), &std::free);
    return reply && reply->owner != XCB_WINDOW_NONE;
}

bool SetInitialStateNormal(QWidget* window)
{
    xcb_connection_t* connection = Connection();
    if (!connection)
        return false;
    if (!window->internalWinId())
        return true;
    // WM_HINTS: flags, input, initial state, then the icon and group fields (ICCCM 4.1.2.4).
    constexpr uint32_t kStateHint = 1u << 1;
    constexpr uint32_t kNormalState = 1;
    constexpr int kInitialState = 2;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const auto cookie = xcb_get_property(connection, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, 9);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 9 * 4)
        return true;
    uint32_t hints[9];
    std::memcpy(hints, xcb_get_property_value(reply.get()), sizeof(hints));
    if (!(hints[0] & kStateHint) || hints[kInitialState] == kNormalState)
        return true;
    hints[kInitialState] = kNormalState;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32, 9, hints);
    xcb_flush(connection);
    return true;
}

bool SetTaskBarEntry(QWidget* window, bool entry)
{
    if (!Connection())
        return false;
    auto* found = window->findChild<QObject*>(QLatin1String(TaskBarSetting::kName), Qt::FindDirectChildrenOnly);
    auto* setting = dynamic_cast<TaskBarSetting*>(found);
    if (!setting)
        setting = new TaskBarSetting(window);
    setting->set(entry);
    return true;
}

#else

bool Active() { return false; }
bool SetShape(QWidget*, const QRegion&) { return false; }
bool SetInputShape(QWidget*, const QRegion&) { return false; }
bool CompositorRunning() { return false; }
bool SetTaskBarEntry(QWidget*, bool) { return false; }
bool SetInitialStateNormal(QWidget*) { return false; }

#endif

}  // namespace chrome::x11
