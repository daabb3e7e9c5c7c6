#include "app/display_check.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDir>
#include <QLibraryInfo>
#include <QtGlobal>

#ifdef CONJUGACIO_X11
#include <xcb/xcb.h>
#endif
#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#endif

// Only where X11 or Wayland may be there is anything to check; Windows and macOS always have their
// display.
#if defined(CONJUGACIO_X11) || defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
#define CONJUGACIO_CHECKS_DISPLAY
#endif

namespace display {

#ifdef CONJUGACIO_CHECKS_DISPLAY
namespace {

bool xReachable()
{
#ifdef CONJUGACIO_X11
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
#else
    return false;
#endif
}

bool waylandReachable()
{
#ifdef Q_OS_UNIX
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty())
        return false;
    const QByteArray path = name.startsWith('/') ? name : qgetenv("XDG_RUNTIME_DIR") + '/' + name;
    sockaddr_un address{};
    if (path.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool reachable = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(socket);
    return reachable;
#else
    return false;
#endif
}

bool waylandPluginInstalled()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("*qwayland*")}, QDir::Files).isEmpty();
}

// One platform of a QT_QPA_PLATFORM list, with its arguments ("xcb:display=…") left off.
bool platformAvailable(const QByteArray& entry)
{
    const QByteArray name = entry.split(':').first().trimmed();
    if (name == "xcb")
        return xReachable();
    if (name.startsWith("wayland"))
        return waylandReachable();
    return !name.isEmpty();  // offscreen, vnc, eglfs, …: nothing to check beforehand
}

}  // namespace
#endif

bool Prepare()
{
#ifdef CONJUGACIO_CHECKS_DISPLAY
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        for (const QByteArray& entry : qgetenv("QT_QPA_PLATFORM").split(';'))
            if (platformAvailable(entry))
                return true;
        return false;
    }
    const bool waylandSession =
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (xReachable()) {
        if (waylandSession)
            qputenv("QT_QPA_PLATFORM", "xcb");
        return true;
    }
    if (waylandSession && waylandReachable() && waylandPluginInstalled()) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        return true;
    }
    return false;
#else
    return true;
#endif
}

}  // namespace display
