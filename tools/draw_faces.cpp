// Draws the pictures of the button faces and the window icon into a resources folder:
//   draw-faces <resources folder>
// writes faces/eva_0..2.png, rec_0..2, altre_0..2, img_0..2, pic_0..2, fmr_blue.png, fmr_green.png
// and icon.png. Run it with QT_QPA_PLATFORM=offscreen where there is no display.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QTextStream>

#include <cstdio>

namespace {

const QColor kWindowRed(192, 0, 0);
const QColor kSalmon(252, 123, 123);
const QColor kPalePink(252, 187, 187);

QFont FaceFont()
{
    // 8 point bold at 96 dots per inch; Liberation Sans has Arial's widths.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
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
QImage TextBar(int w, int h, const QColor& bar, const QString& text, const QColor& ink, int shift)
{
    QImage image = NewFace(w, h, kWindowRed);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(bar);
    p.drawRoundedRect(QRect(0, 0, w, h), 8, 8);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(FaceFont());
    p.setPen(ink);
    p.drawText(QRect(shift, 0, w, h), Qt::AlignCenter, text);
    return image;
}

// An 11 by 11 box: a cross for the close button, a bar along the bottom for the minimise button.
enum class Glyph { Cross, Bar };

QImage Box(const QColor& box, const QColor& ink, Glyph glyph)
{
    QImage image = NewFace(11, 11, box);
    if (glyph == Glyph::Cross) {
        for (int i = 0; i < 7; ++i) {
            image.setPixelColor(2 + i, 2 + i, ink);
            image.setPixelColor(8 - i, 2 + i, ink);
        }
    } else {
        for (int x = 2; x <= 8; ++x)
            for (int y = 7; y <= 8; ++y)
                image.setPixelColor(x, y, ink);
    }
    return image;
}

// The close button of the pop-ups: "Sortir." on a dark-outlined face with rounded ends. The same
// picture sits on the green score window and on the pale yellow instructions window, so the
// corners outside the rounded ends are left transparent.
QImage CloseFace(const QColor& face, const QColor& ink)
{
    const int w = 66, h = 20;
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // Smooth ends: a one-pixel outline on the pixel centres, half the height as radius.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(32, 32, 48), 1.0));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), (h - 1) / 2.0, (h - 1) / 2.0);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(FaceFont());
    p.setPen(ink);
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, QStringLiteral("Sortir."));
    return image;
}

// A ruled notebook page with a spiral binding and a pen across it, in the sixteen standard colours,
// on a transparent ground.
QImage Icon()
{
    const QColor black(0, 0, 0), navy(0, 0, 128), maroon(128, 0, 0), grey(128, 128, 128);
    const QColor silver(192, 192, 192), white(255, 255, 255), red(255, 0, 0), yellow(255, 255, 0),
        olive(128, 128, 0), blue(0, 0, 255);
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The page, with its shadow.
    p.fillRect(QRect(7, 4, 20, 26), grey);
    p.setPen(black);
    p.setBrush(white);
    p.drawRect(QRect(5, 2, 19, 26));
    // Ruled lines and the margin.
    p.setPen(blue);
    for (int y = 8; y <= 26; y += 3)
        p.drawLine(8, y, 22, y);
    p.setPen(red);
    p.drawLine(10, 3, 10, 27);
    // The spiral along the left edge.
    for (int y = 5; y <= 25; y += 4) {
        p.setPen(black);
        p.drawLine(3, y, 7, y);
        p.setPen(silver);
        p.drawPoint(4, y - 1);
        p.drawPoint(6, y - 1);
    }

    // The pen, from its cap at the top right to its tip on the page.
    p.setPen(black);
    p.setBrush(yellow);
    p.drawPolygon(QPolygon({QPoint(26, 3), QPoint(29, 6), QPoint(16, 19), QPoint(13, 16)}));
    p.setBrush(maroon);
    p.drawPolygon(QPolygon({QPoint(26, 3), QPoint(29, 6), QPoint(27, 8), QPoint(24, 5)}));
    p.setPen(olive);
    p.drawLine(25, 6, 16, 15);
    p.setPen(black);
    p.setBrush(silver);
    p.drawPolygon(QPolygon({QPoint(13, 16), QPoint(16, 19), QPoint(12, 21), QPoint(11, 20)}));
    p.setPen(navy);
    p.drawLine(10, 22, 11, 21);
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
        const char* store;
        int width;
        QString text;
        QColor normal, hover;
    };
    const Bar bars[] = {
        {"eva", 69, QStringLiteral("Avaluar."), QColor(4, 129, 129), QColor(59, 86, 126)},
        {"rec", 118, QStringLiteral("Recomençar."), QColor(4, 131, 131), QColor(65, 74, 131)},
        {"altre", 118, QStringLiteral("Altre verb."), QColor(4, 131, 131), QColor(65, 74, 131)},
    };
    bool ok = true;
    for (const Bar& bar : bars) {
        const QString stem = faces + QLatin1String(bar.store);
        ok &= Save(TextBar(bar.width, 20, bar.normal, bar.text, Qt::black, 0), stem + "_0.png");
        ok &= Save(TextBar(bar.width, 20, bar.hover, bar.text, Qt::black, 3), stem + "_1.png");
        ok &= Save(TextBar(bar.width, 20, kSalmon, bar.text, kPalePink, 0), stem + "_2.png");
    }

    struct BoxFaces {
        const char* store;
        Glyph glyph;
    };
    for (const BoxFaces& box : {BoxFaces{"img", Glyph::Cross}, BoxFaces{"pic", Glyph::Bar}}) {
        const QString stem = faces + QLatin1String(box.store);
        ok &= Save(Box(QColor(192, 192, 192), Qt::black, box.glyph), stem + "_0.png");
        ok &= Save(Box(QColor(174, 215, 255), QColor(0, 128, 255), box.glyph), stem + "_1.png");
        ok &= Save(Box(QColor(63, 63, 63), Qt::white, box.glyph), stem + "_2.png");
    }

    ok &= Save(CloseFace(QColor(114, 116, 184), Qt::black), faces + "fmr_blue.png");
    ok &= Save(CloseFace(QColor(104, 172, 115), QColor(128, 0, 0)), faces + "fmr_green.png");
    ok &= Save(Icon(), root.filePath(QStringLiteral("icon.png")));
    return ok ? 0 : 1;
}
