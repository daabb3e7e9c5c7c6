#include "accessibility_bus.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "wait.h"

namespace desktop {

namespace {

const char* const kLauncher = "/usr/libexec/at-spi-bus-launcher";
const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
const QString kRegistry = QStringLiteral("org.a11y.atspi.Registry");

std::vector<std::string> sessionEnvironment(const std::string& folder)
{
    return {"PATH=/usr/bin:/bin", "HOME=" + folder, "XDG_RUNTIME_DIR=" + folder + "/runtime",
            "XDG_CONFIG_HOME=" + folder + "/config"};
}

Accessible objectReference(const QDBusArgument& argument)
{
    Accessible object;
    QDBusObjectPath path;
    argument.beginStructure();
    argument >> object.service >> path;
    argument.endStructure();
    object.path = path.path();
    return object;
}

int connections = 0;

}  // namespace

AccessibilityBus::AccessibilityBus(const std::string& folder)
{
    if (access(kLauncher, X_OK) != 0 || !support::FindOnPath("dbus-daemon"))
        throw std::runtime_error("dbus-daemon or at-spi-bus-launcher is missing; scripts/setup.sh installs them");
    mkdir((folder + "/runtime").c_str(), 0700);
    const std::string socket = folder + "/session-bus";
    address_ = "unix:path=" + socket;
    // The daemon prints its address once it listens; the socket's file exists a moment before.
    daemon_ = std::make_unique<support::ChildProcess>(
        std::vector<std::string>{"dbus-daemon", "--session", "--nofork", "--print-address", "--address=" + address_},
        sessionEnvironment(folder), folder + "/dbus-daemon.log");
    const auto listening = [&] {
        std::ifstream log(daemon_->logPath());
        const std::string said((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
        return said.find(socket) != std::string::npos;
    };
    const auto deadline = std::chrono::steady_clock::now() + StartLimit();
    while (!listening() && std::chrono::steady_clock::now() < deadline && !daemon_->waitForExit(0ms))
        std::this_thread::sleep_for(10ms);
    if (!listening())
        throw std::runtime_error("dbus-daemon did not start:" + support::Tail(daemon_->logPath()));
    std::vector<std::string> environment = sessionEnvironment(folder);
    environment.push_back(environmentEntry());
    launcher_ = std::make_unique<support::ChildProcess>(std::vector<std::string>{kLauncher, "--launch-immediately"},
                                                        environment, folder + "/at-spi-bus-launcher.log");
}

AtSpiClient::AtSpiClient(const std::string& sessionAddress)
    : session_(QDBusConnection::connectToBus(QString::fromStdString(sessionAddress),
                                             QStringLiteral("session-%1").arg(++connections)))
{
    if (!session_.isConnected())
        throw std::runtime_error("no connection to the session bus: " + session_.lastError().message().toStdString());
    if (!waitUntil([&] { return session_.interface()->isServiceRegistered(QStringLiteral("org.a11y.Bus")).value(); },
                   StartLimit()))
        throw std::runtime_error("the accessibility bus launcher did not come onto the session bus");
}

void AtSpiClient::setScreenReaderEnabled(bool enabled)
{
    QDBusMessage set =
        QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
    set << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled")
        << QVariant::fromValue(QDBusVariant(enabled));
    const QDBusMessage reply = session_.call(set);
    if (reply.type() == QDBusMessage::ErrorMessage)
        throw std::runtime_error("the screen-reader setting could not be set: " + reply.errorMessage().toStdString());
}

void AtSpiClient::listen()
{
    const QDBusMessage reply =
        session_.call(QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                                     QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")));
    if (reply.type() == QDBusMessage::ErrorMessage || reply.arguments().isEmpty())
        throw std::runtime_error("no accessibility bus address: " + reply.errorMessage().toStdString());
    accessibility_ = QDBusConnection::connectToBus(reply.arguments().constFirst().toString(),
                                                   QStringLiteral("accessibility-%1").arg(connections));
    if (!accessibility_->isConnected())
        throw std::runtime_error("no connection to the accessibility bus");
    accessibility_->connect({}, {}, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"), this,
                            SLOT(stateChanged(QDBusMessage)));
    for (const char* event : {"object:state-changed:showing", "object:state-changed:focused"}) {
        QDBusMessage registration = QDBusMessage::createMethodCall(
            kRegistry, QStringLiteral("/org/a11y/atspi/registry"), kRegistry, QStringLiteral("RegisterEvent"));
        registration << QString::fromLatin1(event) << QStringList() << QString();
        accessibility_->call(registration);
    }
}

Accessible AtSpiClient::application(const QString& applicationName)
{
    for (const Accessible& application : children({kRegistry, QStringLiteral("/org/a11y/atspi/accessible/root")}))
        if (name(application) == applicationName)
            return application;
    return {};
}

QDBusMessage AtSpiClient::call(const Accessible& object, const QString& interface, const QString& method,
                               const QVariantList& arguments)
{
    if (!accessibility_ || !object.valid())
        return {};
    QDBusMessage message = QDBusMessage::createMethodCall(object.service, object.path, interface, method);
    message.setArguments(arguments);
    return accessibility_->call(message, QDBus::Block, 5000);
}

QVariant AtSpiClient::property(const Accessible& object, const QString& propertyName)
{
    const QDBusMessage reply = call(object, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                    {kAccessible, propertyName});
    return reply.arguments().isEmpty() ? QVariant() : reply.arguments().constFirst().value<QDBusVariant>().variant();
}

QString AtSpiClient::name(const Accessible& object) { return property(object, QStringLiteral("Name")).toString(); }

QString AtSpiClient::description(const Accessible& object)
{
    return property(object, QStringLiteral("Description")).toString();
}

std::uint32_t AtSpiClient::role(const Accessible& object)
{
    const QDBusMessage reply = call(object, kAccessible, QStringLiteral("GetRole"));
    return reply.arguments().isEmpty() ? 0 : reply.arguments().constFirst().toUInt();
}

bool AtSpiClient::hasState(const Accessible& object, int state)
{
    const QDBusMessage reply = call(object, kAccessible, QStringLiteral("GetState"));
    if (reply.arguments().isEmpty())
        return false;
    QList<std::uint32_t> words;
    reply.arguments().constFirst().value<QDBusArgument>() >> words;
    const auto word = static_cast<qsizetype>(state / 32);
    return word < words.size() && (words[word] >> (state % 32)) & 1U;
}

Accessible AtSpiClient::parent(const Accessible& object)
{
    return objectReference(property(object, QStringLiteral("Parent")).value<QDBusArgument>());
}

int AtSpiClient::indexInParent(const Accessible& object)
{
    const QDBusMessage reply = call(object, kAccessible, QStringLiteral("GetIndexInParent"));
    return reply.arguments().isEmpty() ? -1 : reply.arguments().constFirst().toInt();
}

std::vector<Accessible> AtSpiClient::children(const Accessible& object)
{
    std::vector<Accessible> found;
    const QDBusMessage reply = call(object, kAccessible, QStringLiteral("GetChildren"));
    if (reply.arguments().isEmpty())
        return found;
    const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd())
        found.push_back(objectReference(list));
    list.endArray();
    return found;
}

Accessible AtSpiClient::find(const Accessible& root, std::uint32_t wantedRole, const QString& prefix)
{
    for (const Accessible& child : children(root)) {
        if (role(child) == wantedRole && name(child).startsWith(prefix))
            return child;
        if (const Accessible below = find(child, wantedRole, prefix); below.valid())
            return below;
    }
    return {};
}

QStringList AtSpiClient::takeNotifications() { return std::exchange(notifications_, {}); }

void AtSpiClient::stateChanged(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2 || arguments[1].toInt() != 1)
        return;
    const Accessible source{message.service(), message.path()};
    const QString state = arguments[0].toString();
    if (state == QLatin1String("showing") && role(source) == atspi::kNotification)
        notifications_ << name(source);
    else if (state == QLatin1String("focused"))
        focused_ = source;
}

void AtSpiClient::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    usleep(5000);
}

}  // namespace desktop
