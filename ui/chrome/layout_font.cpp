#include "ui/chrome/layout_font.h"

#include "ui/chrome/layout_scale.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QHash>

#include <cmath>
#include <cstdlib>
#include <future>

#ifdef CONJUGACIO_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

std::future<void>& FontConfigurationRead()
{
    static std::future<void> read;
    return read;
}

#ifdef CONJUGACIO_FONTCONFIG
// However the program ends, the thread has ended before it, and what it read is released. Qt
// releases fontconfig's configuration as the application object ends; where the program ends
// without that (the X server gone, Qt calls exit()), it is released here.
void ReleaseFontConfigurationAtExit()
{
    if (FontConfigurationRead().valid())
        FontConfigurationRead().wait();
    if (QCoreApplication::instance())
        FcConfigDestroy(FcConfigGetCurrent());
}
#endif

// The face that draws `family`: itself where it is installed, else its first installed substitute.
// Naming it straight spares fontconfig a search for a face it does not have.
QString InstalledFamily(const QString& family)
{
    static QHash<QString, QString> resolved;
    auto found = resolved.constFind(family);
    if (found != resolved.constEnd())
        return *found;
    if (FontConfigurationRead().valid())
        FontConfigurationRead().get();
    // The plain list of installed families: asking for one family by name would have fontconfig
    // resolve it as an alias first.
    static const QStringList installed = QFontDatabase::families();
    QString face = family;
    if (!installed.contains(family, Qt::CaseInsensitive)) {
        for (const QString& substitute : QFont::substitutes(family)) {
            if (installed.contains(substitute, Qt::CaseInsensitive)) {
                face = substitute;
                break;
            }
        }
    }
    resolved.insert(family, face);
    return face;
}

}  // namespace

namespace chrome {

QFont LayoutFont(const char* family, double points, bool bold)
{
    QFont font(InstalledFamily(QString::fromLatin1(family)));
    font.setPixelSize(int(std::lround(points * 96.0 / 72.0 * LayoutScale())));
    font.setBold(bold);
    return font;
}

void StartReadingFontConfiguration()
{
#ifdef CONJUGACIO_FONTCONFIG
    // Parsing the configuration is most of what fontconfig does before the first text is drawn;
    // it takes as long as the rest of Qt's start and needs none of it.
    FontConfigurationRead() = std::async(std::launch::async, [] { FcInit(); });
    std::atexit(ReleaseFontConfigurationAtExit);
#endif
}

void InstallFontSubstitutions()
{
    // Liberation Sans has the widths of Arial, so captions laid out for Arial fit as designed.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // The bitmap face of the old dialogs is narrow; in the wider DejaVu Sans the bold person
    // captions no longer fit their labels, in Liberation Sans they do.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    // DejaVu Sans comes from Bitstream Vera, drawn like Verdana with a large x-height and wide
    // letters; its widths are the closest of the installed faces.
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    // Comic Neue is a redrawing of Comic Sans with much the same shapes and widths.
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}

}  // namespace chrome

// Qt caches a font as soon as a widget resolves it, so the substitutions must be in place before
// the first window is built; they are installed as the application object comes up.
namespace {
void installFontSubstitutionsAtStartUp() { chrome::InstallFontSubstitutions(); }
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(installFontSubstitutionsAtStartUp)
