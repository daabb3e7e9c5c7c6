// Draws the drill's icon, a ruled notebook page with a spiral binding and a pen across it, into a
// source folder:
//   draw-icon <source folder>
// writes resources/icon.png (the 32 by 32 window icon, drawn pixel by pixel) and, for the desktop,
// data/icons/hicolor/<N>x<N>/apps/cat.conjugacio.conjugacio.png at 16, 32, 48, 64, 128 and 256 pixels
// and data/icons/hicolor/scalable/apps/cat.conjugacio.conjugacio.svg. The 16 and 32 pixel icons are
// drawn pixel by pixel for their size; the larger ones and the SVG scale the 32 pixel marks. Run it with
// QT_QPA_PLATFORM=offscreen where there is no display.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QRect>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

const QString kIconName = QStringLiteral("cat.conjugacio.conjugacio");
constexpr int kGrid = 32;

// One mark of the icon on its 32 by 32 pixel grid, as a painter without antialiasing draws it: a
// one-pixel outline runs through pixel centres and covers the pixels at both ends.
struct Mark {
    enum class Kind { Fill, Box, Line, Dot, Polygon };
    Kind kind;
    QColor ink;                  // outline, line or dot; not used by Fill
    QColor paint;                // inside of Fill, Box and Polygon
    QRect rect;                  // Fill and Box
    std::vector<QPoint> points;  // Line: both ends; Dot: the pixel; Polygon: the corners
};

std::vector<Mark> Notebook()
{
    const QColor black(0, 0, 0), navy(0, 0, 128), maroon(128, 0, 0), grey(128, 128, 128);
    const QColor silver(192, 192, 192), white(255, 255, 255), red(255, 0, 0), yellow(255, 255, 0), olive(128, 128, 0),
        blue(0, 0, 255);
    using K = Mark::Kind;
    const auto line = [](QColor ink, QPoint from, QPoint to) { return Mark{K::Line, ink, {}, {}, {from, to}}; };
    const auto dot = [](QColor ink, QPoint at) { return Mark{K::Dot, ink, {}, {}, {at}}; };
    const auto polygon = [&](QColor paint, std::vector<QPoint> corners) {
        return Mark{K::Polygon, black, paint, {}, std::move(corners)};
    };

    // The page, with its shadow.
    std::vector<Mark> marks{{K::Fill, {}, grey, QRect(7, 4, 20, 26), {}},
                            {K::Box, black, white, QRect(5, 2, 19, 26), {}}};
    // Ruled lines and the margin.
    for (int y = 8; y <= 26; y += 3)
        marks.push_back(line(blue, {8, y}, {22, y}));
    marks.push_back(line(red, {10, 3}, {10, 27}));
    // The spiral along the left edge.
    for (int y = 5; y <= 25; y += 4) {
        marks.push_back(line(black, {3, y}, {7, y}));
        marks.push_back(dot(silver, {4, y - 1}));
        marks.push_back(dot(silver, {6, y - 1}));
    }
    // The pen, from its cap at the top right to its tip on the page.
    marks.push_back(polygon(yellow, {{26, 3}, {29, 6}, {16, 19}, {13, 16}}));
    marks.push_back(polygon(maroon, {{26, 3}, {29, 6}, {27, 8}, {24, 5}}));
    marks.push_back(line(olive, {25, 6}, {16, 15}));
    marks.push_back(polygon(silver, {{13, 16}, {16, 19}, {12, 21}, {11, 20}}));
    marks.push_back(line(navy, {10, 22}, {11, 21}));
    return marks;
}

// The same notebook drawn anew on a 16 by 16 grid, pixel by pixel: at that size a scaled drawing
// would blur its ruled lines into a wash. Four rings, five ruled lines on every other row, the
// margin, and the pen as a two-pixel diagonal with its cap, tip and nib.
std::vector<Mark> SmallNotebook()
{
    const QColor black(0, 0, 0), navy(0, 0, 128), maroon(128, 0, 0), grey(128, 128, 128);
    const QColor silver(192, 192, 192), white(255, 255, 255), red(255, 0, 0), yellow(255, 255, 0), blue(0, 0, 255);
    using K = Mark::Kind;
    const auto line = [](QColor ink, QPoint from, QPoint to) { return Mark{K::Line, ink, {}, {}, {from, to}}; };
    const auto dot = [](QColor ink, QPoint at) { return Mark{K::Dot, ink, {}, {}, {at}}; };

    std::vector<Mark> marks{{K::Fill, {}, grey, QRect(4, 2, 10, 13), {}},
                            {K::Box, black, white, QRect(2, 1, 10, 12), {}}};
    for (int y = 4; y <= 12; y += 2)
        marks.push_back(line(blue, {4, y}, {10, y}));
    marks.push_back(line(red, {5, 2}, {5, 12}));
    for (int y = 3; y <= 12; y += 3)
        marks.push_back(line(black, {1, y}, {3, y}));
    // The pen, from its cap at the top right down to its nib on the page.
    marks.push_back(dot(maroon, {14, 1}));
    marks.push_back(line(maroon, {13, 2}, {14, 2}));
    for (int y = 3; y <= 8; ++y) {
        marks.push_back(line(yellow, {15 - y, y}, {16 - y, y}));
        marks.push_back(dot(black, {17 - y, y}));
    }
    marks.push_back(line(silver, {6, 9}, {7, 9}));
    marks.push_back(dot(navy, {5, 10}));
    return marks;
}

QImage NewIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// The marks pixel by pixel at their own size, `size` pixels square: the window icon, sharp in the
// sixteen standard colours, and the smallest icon.
QImage PixelIcon(const std::vector<Mark>& marks, int size = kGrid)
{
    QImage image = NewIcon(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const Mark& m : marks) {
        p.setPen(m.kind == Mark::Kind::Fill ? QPen(Qt::NoPen) : QPen(m.ink));
        p.setBrush(m.paint.isValid() ? QBrush(m.paint) : QBrush(Qt::NoBrush));
        switch (m.kind) {
        case Mark::Kind::Fill:
            p.fillRect(m.rect, m.paint);
            break;
        case Mark::Kind::Box:
            p.drawRect(m.rect);
            break;
        case Mark::Kind::Line:
            p.drawLine(m.points[0], m.points[1]);
            break;
        case Mark::Kind::Dot:
            p.drawPoint(m.points[0]);
            break;
        case Mark::Kind::Polygon:
            p.drawPolygon(m.points.data(), static_cast<int>(m.points.size()));
            break;
        }
    }
    return image;
}

// The same marks as shapes on the 32-unit grid, which scale to any size: strokes one unit wide
// through the pixel centres, with square ends so that they reach the end pixels.
QPointF Centre(QPoint pixel) { return QPointF(pixel) + QPointF(0.5, 0.5); }

QPolygonF Centres(const std::vector<QPoint>& pixels)
{
    QPolygonF centres;
    for (const QPoint& pixel : pixels)
        centres << Centre(pixel);
    return centres;
}

QRectF OutlineRect(const QRect& rect) { return QRectF(Centre(rect.topLeft()), QSizeF(rect.width(), rect.height())); }

QImage ScaledIcon(const std::vector<Mark>& marks, int size)
{
    QImage image = NewIcon(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(double(size) / kGrid, double(size) / kGrid);
    for (const Mark& m : marks) {
        p.setPen(m.kind == Mark::Kind::Fill || m.kind == Mark::Kind::Dot
                     ? QPen(Qt::NoPen)
                     : QPen(m.ink, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
        p.setBrush(m.paint.isValid() ? QBrush(m.paint) : QBrush(Qt::NoBrush));
        switch (m.kind) {
        case Mark::Kind::Fill:
            p.drawRect(QRectF(m.rect));
            break;
        case Mark::Kind::Box:
            p.drawRect(OutlineRect(m.rect));
            break;
        case Mark::Kind::Line:
            p.drawLine(Centre(m.points[0]), Centre(m.points[1]));
            break;
        case Mark::Kind::Dot:
            p.fillRect(QRectF(m.points[0], QSizeF(1, 1)), m.ink);
            break;
        case Mark::Kind::Polygon:
            p.drawPolygon(Centres(m.points));
            break;
        }
    }
    return image;
}

QString SvgIcon(const std::vector<Mark>& marks)
{
    QString svg;
    QTextStream out(&svg);
    const auto number = [](qreal value) { return QString::number(value, 'g', 6); };
    const auto stroke = [](const Mark& m) {
        return QStringLiteral(" stroke=\"%1\" stroke-width=\"1\" stroke-linecap=\"square\" stroke-linejoin=\"round\"")
            .arg(m.ink.name());
    };
    const auto rect = [&](const QRectF& r) {
        return QStringLiteral("x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"")
            .arg(number(r.x()), number(r.y()), number(r.width()), number(r.height()));
    };
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kGrid << "\" height=\"" << kGrid
        << "\" viewBox=\"0 0 " << kGrid << ' ' << kGrid << "\">\n"
        << "  <title>Conjugació</title>\n";
    for (const Mark& m : marks) {
        out << "  ";
        switch (m.kind) {
        case Mark::Kind::Fill:
            out << "<rect " << rect(QRectF(m.rect)) << " fill=\"" << m.paint.name() << "\"/>";
            break;
        case Mark::Kind::Box:
            out << "<rect " << rect(OutlineRect(m.rect)) << " fill=\"" << m.paint.name() << '"' << stroke(m) << "/>";
            break;
        case Mark::Kind::Line: {
            const QPointF a = Centre(m.points[0]), b = Centre(m.points[1]);
            out << "<line x1=\"" << number(a.x()) << "\" y1=\"" << number(a.y()) << "\" x2=\"" << number(b.x())
                << "\" y2=\"" << number(b.y()) << '"' << stroke(m) << "/>";
            break;
        }
        case Mark::Kind::Dot:
            out << "<rect " << rect(QRectF(m.points[0], QSizeF(1, 1))) << " fill=\"" << m.ink.name() << "\"/>";
            break;
        case Mark::Kind::Polygon: {
            QStringList corners;
            for (const QPointF& c : Centres(m.points))
                corners << number(c.x()) + ',' + number(c.y());
            out << "<polygon points=\"" << corners.join(' ') << "\" fill=\"" << m.paint.name() << '"' << stroke(m)
                << "/>";
            break;
        }
        }
        out << '\n';
    }
    out << "</svg>\n";
    return svg;
}

bool Report(bool written, const QString& path)
{
    if (!written)
        std::fprintf(stderr, "draw-icon: cannot write %s\n", qPrintable(path));
    return written;
}

bool SavePng(const QImage& image, const QString& path)
{
    return Report(QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG"), path);
}

bool SaveText(const QString& text, const QString& path)
{
    QFile file(path);
    const bool opened = QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    return Report(opened && file.write(text.toUtf8()) >= 0 && file.flush(), path);
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-icon <source folder>\n");
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    const std::vector<Mark> marks = Notebook();
    const QImage windowIcon = PixelIcon(marks);
    const QString hicolor = source.filePath(QStringLiteral("data/icons/hicolor/"));

    bool ok = SavePng(windowIcon, source.filePath(QStringLiteral("resources/icon.png")));
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QImage image = size == kGrid ? windowIcon
                             : size == 16  ? PixelIcon(SmallNotebook(), 16)
                                           : ScaledIcon(marks, size);
        ok &= SavePng(image, hicolor + QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(kIconName));
    }
    ok &= SaveText(SvgIcon(marks), hicolor + QStringLiteral("scalable/apps/%1.svg").arg(kIconName));
    return ok ? 0 : 1;
}
