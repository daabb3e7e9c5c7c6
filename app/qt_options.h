// What Qt takes from the command line to choose and start its graphical platform, read as Qt reads
// it, before the application object exists: -platform NAME[:ARGUMENTS][;NAME…],
// -platformpluginpath FOLDER, and the -display NAME that Qt's X11 platform reads.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace startup {

struct QtPlatformOptions {
    std::optional<QByteArray> platform;
    int platformIndex = -1;  // where in argv the value of the last -platform is
    std::optional<QString> pluginPath;
    std::optional<QByteArray> display;
};

QtPlatformOptions ReadQtPlatformOptions(int argc, char* const* argv);

}  // namespace startup
