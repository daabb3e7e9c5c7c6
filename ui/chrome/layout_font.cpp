#include "layout_font.h"

#include <QCoreApplication>

#include <cmath>

QFont LayoutFont(const char* family, double points, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

namespace chrome {

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
