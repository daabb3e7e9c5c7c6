// The platform plugins Qt can load, found where Qt looks for them: the folder that
// -platformpluginpath or QT_QPA_PLATFORM_PLUGIN_PATH names, and "platforms" in each folder of
// QT_PLUGIN_PATH, in Qt's plugin folder (or the one a qt.conf beside the program names) and beside
// the program. Each plugin is known by the names
// its metadata gives it, read without loading it.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace startup {

class PlatformPlugins {
public:
    PlatformPlugins(const std::optional<QString>& pluginPath, const char* argv0);

    // Whether a plugin answers to `name`, in any case, as Qt matches it.
    bool has(const QString& name) const;
    // Every name, sorted, for a message.
    QString names() const;

private:
    QStringList keys_;  // in lower case
};

}  // namespace startup
