#include "app/scale_settings.h"

#include <QString>
#include <QtGlobal>

#include <cmath>

namespace startup {
namespace {

// Read as Qt reads it; an empty entry of a list is passed over, by Qt too.
bool UsableScale(const QString& text)
{
    bool isNumber = false;
    const double scale = text.toDouble(&isNumber);
    return isNumber && std::isfinite(scale) && scale >= kSmallestScale && scale <= kLargestScale;
}

bool UsableScreenScales(const QString& list)
{
    for (const QString& entry : list.split(QLatin1Char(';'))) {
        const QString scale = entry.mid(entry.lastIndexOf(QLatin1Char('=')) + 1);
        if (!entry.isEmpty() && !UsableScale(scale))
            return false;
    }
    return true;
}

// The setting as it may be shown on a terminal: printable and short.
QString Shown(const QString& value)
{
    QString shown;
    for (const QChar c : value.left(40))
        shown += c.isPrint() ? c : QLatin1Char('?');
    return value.size() > 40 ? shown + QStringLiteral("...") : shown;
}

}  // namespace

QStringList DropUnusableScaleSettings()
{
    QStringList warnings;
    const auto drop = [&warnings](const char* name, const char* what) {
        warnings << QStringLiteral("conjugacio: %1=%2 is ignored: %3 from %4 to %5.")
                        .arg(QLatin1StringView(name), Shown(qEnvironmentVariable(name)), QLatin1StringView(what))
                        .arg(kSmallestScale)
                        .arg(kLargestScale);
        qunsetenv(name);
    };
    if (!qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") && !UsableScale(qEnvironmentVariable("QT_SCALE_FACTOR")))
        drop("QT_SCALE_FACTOR", "a scale factor is a number");
    if (!UsableScreenScales(qEnvironmentVariable("QT_SCREEN_SCALE_FACTORS")))
        drop("QT_SCREEN_SCALE_FACTORS", "each screen's scale factor is a number");
    return warnings;
}

}  // namespace startup
