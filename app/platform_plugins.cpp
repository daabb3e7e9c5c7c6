#include "app/platform_plugins.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QSettings>
#include <QtGlobal>

namespace startup {
namespace {

constexpr QLatin1StringView kPlatformInterface("org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface");

// The folder of the running program, where Qt also looks for a "platforms" folder.
QString ProgramFolder(const char* argv0)
{
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.canonicalFilePath()).absolutePath();
    const QString invoked = argv0 ? QFile::decodeName(argv0) : QString();
    return invoked.contains(QLatin1Char('/')) ? QFileInfo(invoked).absolutePath() : QString();
}

// Qt's own plugin folder, or the one a qt.conf beside the program names: Qt reads that file once
// the application object exists, unless the program carries one of its own.
QString QtPluginFolder(const QString& programFolder)
{
    const QString moved = programFolder + QStringLiteral("/qt.conf");
    if (programFolder.isEmpty() || QFileInfo::exists(QStringLiteral(":/qt/etc/qt.conf")) || !QFileInfo::exists(moved))
        return QLibraryInfo::path(QLibraryInfo::PluginsPath);
    const QSettings settings(moved, QSettings::IniFormat);
    const QDir prefix(
        QDir(programFolder)
            .absoluteFilePath(settings.value(QStringLiteral("Paths/Prefix"), QStringLiteral(".")).toString()));
    return prefix.absoluteFilePath(
        settings.value(QStringLiteral("Paths/Plugins"), QStringLiteral("plugins")).toString());
}

QStringList PluginFolders(const std::optional<QString>& pluginPath, const char* argv0)
{
    QStringList folders;
    if (pluginPath)
        folders << *pluginPath;
    else if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM_PLUGIN_PATH"))
        folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    QStringList libraryFolders =
        qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    const QString program = ProgramFolder(argv0);
    libraryFolders << QtPluginFolder(program);
    if (!program.isEmpty())
        libraryFolders << program;
    for (const QString& folder : libraryFolders)
        folders << folder + QStringLiteral("/platforms");
    return folders;
}

}  // namespace

PlatformPlugins::PlatformPlugins(const std::optional<QString>& pluginPath, const char* argv0)
{
    for (const QString& folder : PluginFolders(pluginPath, argv0)) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList(QDir::Files | QDir::Readable)) {
            if (!QLibrary::isLibrary(file))
                continue;
            const QJsonObject metaData = QPluginLoader(dir.absoluteFilePath(file)).metaData();
            if (!metaData.value(QLatin1StringView("IID")).toString().startsWith(kPlatformInterface))
                continue;
            const QJsonArray keys =
                metaData.value(QLatin1StringView("MetaData")).toObject().value(QLatin1StringView("Keys")).toArray();
            for (const QJsonValue& key : keys)
                if (!keys_.contains(key.toString().toLower()))
                    keys_ << key.toString().toLower();
        }
    }
    keys_.sort();
}

bool PlatformPlugins::has(const QString& name) const { return keys_.contains(name.toLower()); }

QString PlatformPlugins::names() const { return keys_.join(QStringLiteral(", ")); }

}  // namespace startup
