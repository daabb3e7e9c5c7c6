#include "app/display_probes.h"

#include <QtGlobal>

#ifdef CONJUGACIO_X11
#include <xcb/xcb.h>
#endif
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace startup {

std::optional<QString> XDisplayProblem(const std::optional<QByteArray>& display)
{
    const QByteArray name = display ? *display : qgetenv("DISPLAY");
    if (name.isEmpty())
        return QStringLiteral("no X display is named (DISPLAY is not set)");
#ifdef CONJUGACIO_X11
    xcb_connection_t* connection = xcb_connect(name.constData(), nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!opened)
        return QStringLiteral("the X display \"%1\" could not be opened").arg(QString::fromLocal8Bit(name));
#endif
    return std::nullopt;  // without xcb to ask, Qt finds out
}

std::optional<QString> WaylandProblem()
{
#ifdef Q_OS_UNIX
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")) {
        bool isNumber = false;
        const int descriptor = qEnvironmentVariableIntValue("WAYLAND_SOCKET", &isNumber);
        struct stat status {};
        if (isNumber && descriptor >= 0 && fstat(descriptor, &status) == 0 && S_ISSOCK(status.st_mode))
            return std::nullopt;
        return QStringLiteral("WAYLAND_SOCKET names no open socket");
    }
    const QByteArray name = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "wayland-0" : qgetenv("WAYLAND_DISPLAY");
    if (!name.startsWith('/') && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return QStringLiteral("XDG_RUNTIME_DIR, where the Wayland compositor's socket lies, is not set");
    const QByteArray path = name.startsWith('/') ? name : qgetenv("XDG_RUNTIME_DIR") + '/' + name;
    const QString failure = QStringLiteral("no Wayland compositor answers at %1").arg(QString::fromLocal8Bit(path));
    sockaddr_un address{};
    if (path.size() >= qsizetype(sizeof(address.sun_path)))
        return failure;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return failure;
    const bool answers = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(socket);
    if (answers)
        return std::nullopt;
    return failure;
#else
    return QStringLiteral("there is no Wayland here");
#endif
}

std::optional<QString> DeviceProblem(const QByteArray& path)
{
#ifdef Q_OS_UNIX
    const int device = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (device >= 0) {
        ::close(device);
        return std::nullopt;
    }
    return QStringLiteral("%1: %2").arg(QString::fromLocal8Bit(path), QString::fromLocal8Bit(std::strerror(errno)));
#else
    return QStringLiteral("%1 cannot be opened here").arg(QString::fromLocal8Bit(path));
#endif
}

}  // namespace startup
