// A desktop session's buses for screen readers: a private session bus, with the accessibility bus
// launcher on it as a desktop session starts it, and a small AT-SPI client that listens and asks
// as a screen reader does.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"

namespace desktop {

// A session bus of its own in `folder` and the accessibility bus launcher on it. The launcher gets
// no display, so nothing on the X root names the accessibility bus: a program finds that bus only
// through the session bus, and the screen-reader setting there starts off.
class AccessibilityBus {
public:
    explicit AccessibilityBus(const std::string& folder);  // throws std::runtime_error
    // The entry that puts a program on this session bus.
    std::string environmentEntry() const { return "DBUS_SESSION_BUS_ADDRESS=" + address_; }
    const std::string& address() const { return address_; }

private:
    std::string address_;
    std::unique_ptr<support::ChildProcess> daemon_;
    std::unique_ptr<support::ChildProcess> launcher_;
};

// An object of an application on the accessibility bus.
struct Accessible {
    QString service;
    QString path;
    bool valid() const { return !service.isEmpty(); }
    friend bool operator==(const Accessible&, const Accessible&) = default;
};

// AT-SPI roles and states as screen readers receive them.
namespace atspi {
inline constexpr std::uint32_t kList = 31;
inline constexpr std::uint32_t kListItem = 32;
inline constexpr std::uint32_t kPushButton = 43;
inline constexpr std::uint32_t kNotification = 101;
inline constexpr int kExpanded = 10;
inline constexpr int kFocused = 12;
}  // namespace atspi

class AtSpiClient : public QObject {
    Q_OBJECT
public:
    // Connects to the session bus at `sessionAddress`; throws std::runtime_error.
    explicit AtSpiClient(const std::string& sessionAddress);

    // The desktop's screen-reader setting, as a screen reader or the desktop's settings switch it.
    void setScreenReaderEnabled(bool enabled);
    // Joins the accessibility bus and asks the applications for the events a screen reader hears.
    void listen();

    // The application of that name among those registered, or an invalid one.
    Accessible application(const QString& name);

    QString name(const Accessible& object);
    QString description(const Accessible& object);
    std::uint32_t role(const Accessible& object);
    bool hasState(const Accessible& object, int state);
    Accessible parent(const Accessible& object);
    int indexInParent(const Accessible& object);
    std::vector<Accessible> children(const Accessible& object);
    // The first object below `root` with `role` whose name starts with `prefix`, or an invalid one.
    Accessible find(const Accessible& root, std::uint32_t role, const QString& prefix);

    // What was heard since the last call: the messages of the notifications shown.
    QStringList takeNotifications();
    // The object that last took the focus.
    Accessible focused() const { return focused_; }
    void forgetFocus() { focused_ = {}; }

    // Handles the bus's messages until `condition` holds or `limit` has passed; says whether it held.
    template <typename Condition>
    bool waitUntil(Condition condition, std::chrono::milliseconds limit);

private slots:
    void stateChanged(const QDBusMessage& message);

private:
    QDBusMessage call(const Accessible& object, const QString& interface, const QString& method,
                      const QVariantList& arguments = {});
    QVariant property(const Accessible& object, const QString& name);
    void processEvents();

    QDBusConnection session_;
    std::optional<QDBusConnection> accessibility_;
    QStringList notifications_;
    Accessible focused_;
};

template <typename Condition>
bool AtSpiClient::waitUntil(Condition condition, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        processEvents();
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
    }
}

}  // namespace desktop
