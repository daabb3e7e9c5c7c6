#include "ui/chrome/face_pictures.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <functional>

namespace chrome {
namespace {

const QColor kWindowRed(192, 0, 0);
const QColor kSalmon(252, 123, 123);
const QColor kPalePink(252, 187, 187);

// A length of the layout on the screen, in whole pixels.
int Pixels(double length, double ratio) { return int(std::lround(length * ratio)); }

bool Whole(double ratio) { return ratio == std::round(ratio); }

QImage NewFace(int w, int h, const QColor& background)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

// 8 point bold at 96 dots per inch; Liberation Sans has Arial's widths. At a whole ratio the type
// is set at that many times its size; at any other the painter is scaled, as it is for the labels
// beside the button, so that both are drawn alike.
void DrawCentredText(QPainter& p, const QRectF& area, const QString& text, const QColor& ink, double ratio)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(ink);
    if (Whole(ratio)) {
        font.setPixelSize(Pixels(11, ratio));
        p.setFont(font);
        p.drawText(QRectF(area.topLeft() * ratio, area.size() * ratio).toRect(), Qt::AlignCenter, text);
    } else {
        font.setPixelSize(11);
        p.setFont(font);
        p.scale(ratio, ratio);
        p.drawText(area, Qt::AlignCenter, text);
    }
    p.restore();
}

// A rounded text bar on the window's red, the text centred and moved right by `shift` pixels.
QImage TextBar(int w, int h, const QColor& bar, const QString& text, const QColor& ink, int shift, double ratio)
{
    const int width = Pixels(w, ratio), height = Pixels(h, ratio);
    QImage image = NewFace(width, height, kWindowRed);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(bar);
    p.drawRoundedRect(QRect(0, 0, width, height), 8 * ratio, 8 * ratio);
    DrawCentredText(p, QRectF(shift, 0, w, h), text, ink, ratio);
    return image;
}

// An 11 by 11 box: a cross for the close button, a bar along the bottom for the minimise button.
// At a whole ratio each pixel of the 100 % glyph becomes a square of ratio by ratio pixels. At any
// other the glyph is drawn anew on whole pixels: the cross as two diagonals, stepping one pixel a
// row, of a stroke as thick as the ratio rounded, centred in the box; the bar between the edges
// its 100 % cells have at that ratio.
enum class Glyph { Cross, Bar };

QImage Box(const QColor& box, const QColor& ink, Glyph glyph, double ratio)
{
    const int size = Pixels(11, ratio);
    QImage image = NewFace(size, size, box);
    const auto fill = [&](int x, int y, int w, int h) {
        for (int dy = 0; dy < h; ++dy)
            for (int dx = 0; dx < w; ++dx)
                image.setPixelColor(x + dx, y + dy, ink);
    };
    if (Whole(ratio)) {
        const int cell = int(ratio);
        if (glyph == Glyph::Cross) {
            for (int i = 0; i < 7; ++i) {
                fill((2 + i) * cell, (2 + i) * cell, cell, cell);
                fill((8 - i) * cell, (2 + i) * cell, cell, cell);
            }
        } else {
            fill(2 * cell, 7 * cell, 7 * cell, 2 * cell);
        }
        return image;
    }
    // The glyph's span has the parity of the box, so that it sits in the middle.
    const double ideal = 7 * ratio;
    int span = Pixels(7, ratio);
    if ((size - span) % 2 != 0)
        span = span + 1 - ideal <= ideal - (span - 1) ? span + 1 : span - 1;
    const int margin = (size - span) / 2;
    if (glyph == Glyph::Cross) {
        const int stroke = std::max(1, Pixels(1, ratio));
        for (int i = 0; i + stroke <= span; ++i) {
            fill(margin + i, margin + i, stroke, stroke);
            fill(margin + span - stroke - i, margin + i, stroke, stroke);
        }
    } else {
        const int top = Pixels(7, ratio), bottom = Pixels(9, ratio);
        fill(margin, top, span, bottom - top);
    }
    return image;
}

// The close button of the pop-ups: "Sortir." on a dark-outlined face with rounded ends. The same
// picture sits on the green score window and on the pale yellow instructions window, so the
// corners outside the rounded ends are left transparent.
QImage CloseFace(const QColor& face, const QColor& ink, double ratio)
{
    const int w = Pixels(66, ratio), h = Pixels(20, ratio);
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // Smooth ends: an outline of whole pixels on the pixel centres, half the height as radius.
    const int stroke = std::max(1, Pixels(1, ratio));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(32, 32, 48), stroke));
    p.setBrush(face);
    const qreal inset = stroke / 2.0;
    const qreal radius = (h - stroke) / 2.0;
    p.drawRoundedRect(QRectF(inset, inset, w - stroke, h - stroke), radius, radius);
    DrawCentredText(p, QRectF(0, 0, 66, 20), QStringLiteral("Sortir."), ink, ratio);
    return image;
}

struct TextBarButton {
    const char* button;
    int width;
    const char* text;
    QColor normal, hover;
};
const TextBarButton kTextBars[] = {
    {"score", 69, "Avaluar.", QColor(4, 129, 129), QColor(59, 86, 126)},
    {"restart", 118, "Recomençar.", QColor(4, 131, 131), QColor(65, 74, 131)},
    {"new_verb", 118, "Altre verb.", QColor(4, 131, 131), QColor(65, 74, 131)},
};

struct BoxButton {
    const char* button;
    Glyph glyph;
};
const BoxButton kBoxes[] = {{"close", Glyph::Cross}, {"minimise", Glyph::Bar}};

using Drawing = std::function<QImage(double)>;

// Every face by name, in the order FaceNames gives.
const std::vector<std::pair<QString, Drawing>>& Faces()
{
    static const std::vector<std::pair<QString, Drawing>> faces = [] {
        std::vector<std::pair<QString, Drawing>> all;
        for (const TextBarButton& bar : kTextBars) {
            const QString stem = QLatin1String(bar.button) + QLatin1Char('_');
            const QString text = QString::fromUtf8(bar.text);
            all.emplace_back(stem + "normal",
                             [=](double r) { return TextBar(bar.width, 20, bar.normal, text, Qt::black, 0, r); });
            all.emplace_back(stem + "hover",
                             [=](double r) { return TextBar(bar.width, 20, bar.hover, text, Qt::black, 3, r); });
            all.emplace_back(stem + "pressed",
                             [=](double r) { return TextBar(bar.width, 20, kSalmon, text, kPalePink, 0, r); });
        }
        for (const BoxButton& box : kBoxes) {
            const QString stem = QLatin1String(box.button) + QLatin1Char('_');
            const Glyph glyph = box.glyph;
            all.emplace_back(stem + "normal",
                             [=](double r) { return Box(QColor(192, 192, 192), Qt::black, glyph, r); });
            all.emplace_back(stem + "hover",
                             [=](double r) { return Box(QColor(174, 215, 255), QColor(0, 128, 255), glyph, r); });
            all.emplace_back(stem + "pressed", [=](double r) { return Box(QColor(63, 63, 63), Qt::white, glyph, r); });
        }
        all.emplace_back(QStringLiteral("popup_close_blue"),
                         [](double r) { return CloseFace(QColor(114, 116, 184), Qt::black, r); });
        all.emplace_back(QStringLiteral("popup_close_green"),
                         [](double r) { return CloseFace(QColor(104, 172, 115), QColor(128, 0, 0), r); });
        return all;
    }();
    return faces;
}

}  // namespace

QStringList FaceNames()
{
    QStringList names;
    for (const auto& [name, drawing] : Faces())
        names << name;
    return names;
}

QImage DrawFace(const QString& name, double ratio)
{
    for (const auto& [face, drawing] : Faces())
        if (face == name)
            return drawing(ratio);
    return {};
}

}  // namespace chrome
