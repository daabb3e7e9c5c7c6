// Whether the graphical systems that Qt's platforms start on answer here, asked without Qt: each
// answer is nothing where the system can be used, else why it cannot, for a message.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace startup {

// An X server at `display` (an X display name; none means $DISPLAY) takes a connection.
std::optional<QString> XDisplayProblem(const std::optional<QByteArray>& display);

// A Wayland compositor answers where Qt's Wayland platform connects: the socket WAYLAND_SOCKET
// hands over, else WAYLAND_DISPLAY (wayland-0 by default) in XDG_RUNTIME_DIR.
std::optional<QString> WaylandProblem();

// The device at `path` (a framebuffer, a graphics card) opens for reading and writing.
std::optional<QString> DeviceProblem(const QByteArray& path);

}  // namespace startup
