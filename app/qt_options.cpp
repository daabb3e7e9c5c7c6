#include "app/qt_options.h"

#include <QFile>
#include <QtGlobal>

#include <cstring>
#include <vector>

namespace startup {
namespace {

// "--name" is read as "-name", as Qt does.
const char* WithOneDash(const char* argument) { return argument[1] == '-' ? argument + 1 : argument; }

// The platform Qt starts from when no option names one: it decides whether -geometry, -title and
// -icon are taken as options of the X11 platform.
bool StartsOnX11ByDefault()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return qgetenv("QT_QPA_PLATFORM").startsWith("xcb");
    return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qgetenv("XDG_SESSION_TYPE") != "wayland";
}

}  // namespace

QtPlatformOptions ReadQtPlatformOptions(int argc, char* const* argv)
{
    QtPlatformOptions options;
    bool x11 = StartsOnX11ByDefault();
    // First what the application object takes out of the arguments before it loads the platform
    // plugin, then what Qt's X11 platform reads from those that are left.
    std::vector<const char*> left;
    for (int i = 1; i < argc; ++i) {
        if (!argv[i])
            continue;
        if (argv[i][0] != '-') {
            left.push_back(argv[i]);
            continue;
        }
        const char* option = WithOneDash(argv[i]);
        const auto is = [option](const char* name) { return std::strcmp(option, name) == 0; };
        const bool takesValue = is("-platformpluginpath") || is("-platform") || is("-platformtheme")
                                || is("-qwindowgeometry") || is("-qwindowtitle") || is("-qwindowicon")
                                || (x11 && (is("-geometry") || is("-title") || is("-icon")));
        if (!takesValue) {
            left.push_back(argv[i]);
            continue;
        }
        if (++i >= argc)
            break;
        if (is("-platformpluginpath")) {
            options.pluginPath = QFile::decodeName(argv[i]);
        } else if (is("-platform")) {
            options.platform = QByteArray(argv[i]);
            options.platformIndex = i;
            x11 = options.platform->startsWith("xcb");
        }
    }
    for (std::size_t i = 0; i < left.size(); ++i) {
        const char* option = std::strncmp(left[i], "--", 2) == 0 ? left[i] + 1 : left[i];
        const bool hasValue = i + 1 < left.size();
        if (std::strcmp(option, "-display") == 0 && hasValue)
            options.display = QByteArray(left[++i]);
        else if ((std::strcmp(option, "-name") == 0 || std::strcmp(option, "-visual") == 0) && hasValue)
            ++i;
    }
    return options;
}

}  // namespace startup
