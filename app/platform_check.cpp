#include "app/platform_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QtGlobal>

#include "app/display_probes.h"
#include "app/platform_plugins.h"
#include "app/qt_options.h"

namespace startup {
namespace {

const QString kNoDisplay =
    QStringLiteral("conjugacio: no graphical display could be opened; start it from a desktop session.");
const QString kWaylandMissing = QStringLiteral("Qt's Wayland support is not installed; install the package "
                                               "qt6-wayland (on Debian and Ubuntu: sudo apt install qt6-wayland)");

// A graphics card that a platform drawing straight to the screen can open.
std::optional<QString> GraphicsCardProblem()
{
    const QFileInfoList cards = QDir(QStringLiteral("/dev/dri")).entryInfoList({QStringLiteral("card*")}, QDir::System);
    if (cards.isEmpty())
        return QStringLiteral("it draws straight to a graphics card, and there is none in /dev/dri");
    std::optional<QString> problem;
    for (const QFileInfo& card : cards)
        if (!(problem = DeviceProblem(QFile::encodeName(card.filePath()))))
            return std::nullopt;
    return QStringLiteral("it draws straight to a graphics card, which cannot be opened (%1)").arg(*problem);
}

// linuxfb draws to the framebuffer its fb= argument names, else /dev/fb0 or /dev/graphics/fb0;
// with QT_QPA_FB_DRM set, to a graphics card.
std::optional<QString> FramebufferProblem(const QStringList& arguments)
{
    if (qEnvironmentVariableIntValue("QT_QPA_FB_DRM") != 0)
        return GraphicsCardProblem();
    QByteArray device = "/dev/fb0";
    if (!QFileInfo::exists(QStringLiteral("/dev/fb0")) && QFileInfo::exists(QStringLiteral("/dev/graphics/fb0")))
        device = "/dev/graphics/fb0";
    for (const QString& argument : arguments)
        if (argument.startsWith(QLatin1StringView("fb=")))
            device = QFile::encodeName(argument.mid(3));
    if (const auto problem = DeviceProblem(device))
        return QStringLiteral("it draws to a framebuffer, which cannot be opened (%1)").arg(*problem);
    return std::nullopt;
}

// eglfs draws through EGL, by default straight to a graphics card; its X11 integration into a
// window on an X display. Its other integrations are left for Qt to try.
std::optional<QString> EglfsProblem(const std::optional<QByteArray>& display)
{
    const QByteArray integration = qgetenv("QT_QPA_EGLFS_INTEGRATION");
    if (integration == "eglfs_x11")
        return XDisplayProblem(display);
    if (integration.isEmpty() || integration.startsWith("eglfs_kms"))
        return GraphicsCardProblem();
    return std::nullopt;
}

class Check {
public:
    Check(int argc, char** argv) : options_(ReadQtPlatformOptions(argc, argv)), plugins_(options_.pluginPath, argv[0])
    {
    }

    bool namesPlatform() const
    {
        return options_.platform.has_value() || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    }

    std::optional<QString> named(char** argv) const
    {
        const bool fromOption = options_.platform.has_value();
        const QString source = fromOption ? QStringLiteral("-platform") : QStringLiteral("QT_QPA_PLATFORM");
        const QString list = QString::fromLocal8Bit(fromOption ? *options_.platform : qgetenv("QT_QPA_PLATFORM"));
        QStringList problems;
        for (const QString& entry : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            QStringList arguments = entry.split(QLatin1Char(':'), Qt::SkipEmptyParts);
            if (arguments.isEmpty())
                continue;
            const QString name = arguments.takeFirst();
            const std::optional<QString> problem = problemOf(name.toLower(), arguments);
            if (!problem) {
                keep(entry, fromOption, argv);
                return std::nullopt;
            }
            problems << QStringLiteral("\"%1\": %2").arg(name, *problem);
        }
        if (problems.isEmpty())
            return QStringLiteral("conjugacio: %1 names no graphical platform.").arg(source);
        if (problems.size() == 1)
            return QStringLiteral("conjugacio: cannot start on the graphical platform that %1 names, %2.")
                .arg(source, problems.first());
        return QStringLiteral("conjugacio: cannot start on any graphical platform that %1 names: %2.")
            .arg(source, problems.join(QStringLiteral("; ")));
    }

    std::optional<QString> chosen() const
    {
        const std::optional<QString> x11 = XDisplayProblem(options_.display);
        if (!x11 && plugins_.has(QStringLiteral("xcb")))
            return choose("xcb");
        const bool waylandSession =
            !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
        if (waylandSession && !WaylandProblem()) {
            if (plugins_.has(QStringLiteral("wayland")))
                return choose("wayland");
            if (x11)
                return QStringLiteral("conjugacio: this Wayland session has no X display, and %1.")
                    .arg(kWaylandMissing);
        }
        if (!x11)
            return QStringLiteral("conjugacio: Qt's X11 support is not installed: no platform plugin \"xcb\" in "
                                  "Qt's plugin folders (installed: %1).")
                .arg(plugins_.names());
        return kNoDisplay;
    }

private:
    std::optional<QString> problemOf(const QString& name, const QStringList& arguments) const
    {
        if (!plugins_.has(name)) {
            if (name.startsWith(QLatin1StringView("wayland")))
                return kWaylandMissing;
            return QStringLiteral("Qt has no plugin for it (installed: %1)").arg(plugins_.names());
        }
        if (name == QLatin1StringView("xcb"))
            return XDisplayProblem(options_.display);
        if (name.startsWith(QLatin1StringView("wayland")))
            return WaylandProblem();
        if (name == QLatin1StringView("linuxfb"))
            return FramebufferProblem(arguments);
        if (name == QLatin1StringView("eglfs"))
            return EglfsProblem(options_.display);
        if (name == QLatin1StringView("vkkhrdisplay"))
            return QStringLiteral("it shows Vulkan surfaces only, and the drill's windows are not");
        return std::nullopt;
    }

    static std::optional<QString> choose(const char* platform)
    {
        qputenv("QT_QPA_PLATFORM", platform);
        return std::nullopt;
    }

    // Qt tries a list in order, and some platforms abort the process instead of handing on to the
    // next: the list is narrowed to the entry that can start.
    void keep(const QString& entry, bool fromOption, char** argv) const
    {
        static QByteArray kept;
        kept = entry.toLocal8Bit();
        if (fromOption)
            argv[options_.platformIndex] = kept.data();
        else
            qputenv("QT_QPA_PLATFORM", kept);
    }

    QtPlatformOptions options_;
    PlatformPlugins plugins_;
};

}  // namespace

std::optional<std::string> PreparePlatform(int argc, char** argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    const Check check(argc, argv);
    if (const auto refusal = check.namesPlatform() ? check.named(argv) : check.chosen())
        return refusal->toLocal8Bit().toStdString();
    return std::nullopt;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return std::nullopt;  // Windows and macOS always have their display; a platform that fails is watched
#endif
}

}  // namespace startup
