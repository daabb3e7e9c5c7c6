// Draws the pictures of the button faces into a resources folder:
//   draw-faces <resources folder>
// writes faces/<button>_normal.png, _hover.png and _pressed.png for the buttons score, restart,
// new_verb, close and minimise, and popup_close_blue.png and popup_close_green.png,
// and each of them again as <name>@2x.png, drawn at twice the resolution for screens scaled to 200 %.
// Run it with QT_QPA_PLATFORM=offscreen where there is no display.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <cstdio>

namespace {

const QColor kWindowRed(192, 0, 0);
const QColor kSalmon(252, 123, 123);
const QColor kPalePink(252, 187, 187);

// Every face is drawn at a scale of 1 or 2: sizes, radii, offsets and the type grow with it.
QFont FaceFont(int scale)
{
    // 8 point bold at 96 dots per inch; Liberation Sans has Arial's widths.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11 * scale);
    font.setBold(true);
    return font;
}

QImage NewFace(int w, int h, const QColor& background)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

// A rounded text bar on the window's red, the text centred and moved right by shift pixels.
QImage TextBar(int w, int h, const QColor& bar, const QString& text, const QColor& ink, int shift, int scale)
{
    w *= scale;
    h *= scale;
    QImage image = NewFace(w, h, kWindowRed);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(bar);
    p.drawRoundedRect(QRect(0, 0, w, h), 8 * scale, 8 * scale);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(FaceFont(scale));
    p.setPen(ink);
    p.drawText(QRect(shift * scale, 0, w, h), Qt::AlignCenter, text);
    return image;
}

// An 11 by 11 box: a cross for the close button, a bar along the bottom for the minimise button.
// At a larger scale each pixel of the glyph becomes a scale by scale square, so strokes thicken.
enum class Glyph { Cross, Bar };

QImage Box(const QColor& box, const QColor& ink, Glyph glyph, int scale)
{
    QImage image = NewFace(11 * scale, 11 * scale, box);
    const auto ink_cell = [&](int x, int y) {
        for (int dy = 0; dy < scale; ++dy)
            for (int dx = 0; dx < scale; ++dx)
                image.setPixelColor(x * scale + dx, y * scale + dy, ink);
    };
    if (glyph == Glyph::Cross) {
        for (int i = 0; i < 7; ++i) {
            ink_cell(2 + i, 2 + i);
            ink_cell(8 - i, 2 + i);
        }
    } else {
        for (int x = 2; x <= 8; ++x)
            for (int y = 7; y <= 8; ++y)
                ink_cell(x, y);
    }
    return image;
}

// The close button of the pop-ups: "Sortir." on a dark-outlined face with rounded ends. The same
// picture sits on the green score window and on the pale yellow instructions window, so the
// corners outside the rounded ends are left transparent.
QImage CloseFace(const QColor& face, const QColor& ink, int scale)
{
    const int w = 66 * scale, h = 20 * scale;
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // Smooth ends: a one-pixel outline (scaled) on the pixel centres, half the height as radius.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(32, 32, 48), scale));
    p.setBrush(face);
    const qreal inset = scale / 2.0;
    const qreal radius = (h - scale) / 2.0;
    p.drawRoundedRect(QRectF(inset, inset, w - scale, h - scale), radius, radius);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(FaceFont(scale));
    p.setPen(ink);
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, QStringLiteral("Sortir."));
    return image;
}

bool Save(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "draw-faces: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-faces <resources folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath(QStringLiteral("faces"))) {
        std::fprintf(stderr, "draw-faces: cannot create %s/faces\n", argv[1]);
        return 1;
    }
    const QString faces = root.filePath(QStringLiteral("faces")) + QLatin1Char('/');

    struct Bar {
        const char* button;
        int width;
        QString text;
        QColor normal, hover;
    };
    const Bar bars[] = {
        {"score", 69, QStringLiteral("Avaluar."), QColor(4, 129, 129), QColor(59, 86, 126)},
        {"restart", 118, QStringLiteral("Recomençar."), QColor(4, 131, 131), QColor(65, 74, 131)},
        {"new_verb", 118, QStringLiteral("Altre verb."), QColor(4, 131, 131), QColor(65, 74, 131)},
    };
    struct BoxFaces {
        const char* button;
        Glyph glyph;
    };
    const BoxFaces boxes[] = {{"close", Glyph::Cross}, {"minimise", Glyph::Bar}};

    bool ok = true;
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        for (const Bar& bar : bars) {
            const QString stem = faces + QLatin1String(bar.button);
            ok &= Save(TextBar(bar.width, 20, bar.normal, bar.text, Qt::black, 0, scale), stem + "_normal" + suffix);
            ok &= Save(TextBar(bar.width, 20, bar.hover, bar.text, Qt::black, 3, scale), stem + "_hover" + suffix);
            ok &= Save(TextBar(bar.width, 20, kSalmon, bar.text, kPalePink, 0, scale), stem + "_pressed" + suffix);
        }
        for (const BoxFaces& box : boxes) {
            const QString stem = faces + QLatin1String(box.button);
            ok &= Save(Box(QColor(192, 192, 192), Qt::black, box.glyph, scale), stem + "_normal" + suffix);
            ok &= Save(Box(QColor(174, 215, 255), QColor(0, 128, 255), box.glyph, scale), stem + "_hover" + suffix);
            ok &= Save(Box(QColor(63, 63, 63), Qt::white, box.glyph, scale), stem + "_pressed" + suffix);
        }
        ok &= Save(CloseFace(QColor(114, 116, 184), Qt::black, scale), faces + "popup_close_blue" + suffix);
        ok &= Save(CloseFace(QColor(104, 172, 115), QColor(128, 0, 0), scale), faces + "popup_close_green" + suffix);
    }
    return ok ? 0 : 1;
}
