// The pictures the drill ships: the icons and the button faces in the repository are the ones
// draw-icon and draw-faces draw, each icon at the size its folder names, and every button face has
// a twice-as-large face for screens at 200 %, in the Qt resources beside it.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kSource = QStringLiteral(CONJUGACIO_SOURCE_DIR);
const QString kIconName = QStringLiteral("cat.conjugacio.conjugacio");

QStringList FaceNames()
{
    QStringList names{QStringLiteral("popup_close_blue"), QStringLiteral("popup_close_green")};
    for (const char* button : {"score", "restart", "new_verb", "close", "minimise"})
        for (const char* face : {"normal", "hover", "pressed"})
            names << QStringLiteral("%1_%2").arg(QLatin1String(button), QLatin1String(face));
    return names;
}

// The small square boxes of the title strip, as against the text bars and the pop-ups' button.
bool IsBox(const QString& name)
{
    return name.startsWith(QLatin1String("close_")) || name.startsWith(QLatin1String("minimise_"));
}

QImage Load(const QString& path) { return QImage(path).convertToFormat(QImage::Format_ARGB32); }

// Whether two pictures put the same pixels on the screen. They are compared premultiplied, as they
// are painted: a half-transparent pixel written to a file may come out one step apart from one
// processor to another (Qt's vector code rounds differently), painting the same.
bool PaintTheSame(const QImage& a, const QImage& b)
{
    return a.convertToFormat(QImage::Format_ARGB32_Premultiplied)
           == b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `tool`, one of the programs that draw the committed pictures, into `folder`.
bool DrawInto(const char* tool, const QString& folder)
{
    QProcess draw;
    draw.start(QString::fromLatin1(tool), {folder});
    return draw.waitForFinished(30000) && draw.exitStatus() == QProcess::NormalExit && draw.exitCode() == 0;
}

// Each of `pngs` as committed below `committed` paints as `tool` drew it below `drawn`.
void ExpectCommittedAsDrawn(const QString& committed, const QString& drawn, const QStringList& pngs, const char* tool)
{
    for (const QString& png : pngs) {
        const QImage picture = Load(QDir(committed).filePath(png));
        QVERIFY2(!picture.isNull(), qPrintable(png));
        QVERIFY2(PaintTheSame(picture, Load(QDir(drawn).filePath(png))),
                 qPrintable(png + " differs from what " + QFileInfo(QString::fromLatin1(tool)).fileName()
                            + " draws; draw it again"));
    }
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void committedIconsAreTheDrawnOnes()
    {
        QTemporaryDir drawn;
        QVERIFY(drawn.isValid());
        QVERIFY(DrawInto(CONJUGACIO_DRAW_ICON, drawn.path()));
        QStringList pngs{QStringLiteral("resources/icon.png")};
        for (int size : {16, 32, 48, 64, 128, 256})
            pngs << QStringLiteral("data/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kIconName);
        ExpectCommittedAsDrawn(kSource, drawn.path(), pngs, CONJUGACIO_DRAW_ICON);
        const QString svg = QStringLiteral("data/icons/hicolor/scalable/apps/%1.svg").arg(kIconName);
        QVERIFY2(!Contents(QDir(kSource).filePath(svg)).isEmpty(), qPrintable(svg));
        QCOMPARE(Contents(QDir(kSource).filePath(svg)), Contents(QDir(drawn.path()).filePath(svg)));
    }

    // The 16 and 32 pixel icons are drawn for their size, pixel by pixel: every pixel is either
    // transparent or one of the sixteen standard colours, none blended from a larger drawing.
    void smallIconsAreDrawnPixelByPixel()
    {
        QSet<QRgb> standard;
        for (int r : {0, 128, 255})
            for (int g : {0, 128, 255})
                for (int b : {0, 128, 255})
                    standard.insert(qRgb(r, g, b));
        standard.insert(qRgb(192, 192, 192));
        for (int size : {16, 32}) {
            const QString png = QStringLiteral("data/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kIconName);
            const QImage icon = Load(QDir(kSource).filePath(png));
            for (int y = 0; y < icon.height(); ++y)
                for (int x = 0; x < icon.width(); ++x) {
                    const QRgb pixel = icon.pixel(x, y);
                    const bool plain = qAlpha(pixel) == 0 || (qAlpha(pixel) == 255 && standard.contains(pixel));
                    QVERIFY2(plain,
                             qPrintable(QStringLiteral("%1: the pixel at (%2, %3) is blended").arg(png).arg(x).arg(y)));
                }
        }
    }

    // The program draws the faces for other scales with the code that drew these.
    void committedFacesAreTheDrawnOnes()
    {
        QTemporaryDir drawn;
        QVERIFY(drawn.isValid());
        QVERIFY(DrawInto(CONJUGACIO_DRAW_FACES, drawn.path()));
        QStringList pngs;
        for (const QString& name : FaceNames())
            pngs << QStringLiteral("faces/") + name + QStringLiteral(".png")
                 << QStringLiteral("faces/") + name + QStringLiteral("@2x.png");
        ExpectCommittedAsDrawn(kSource + QStringLiteral("/resources"), drawn.path(), pngs, CONJUGACIO_DRAW_FACES);
    }

    void iconsHaveTheSizeOfTheirFolder()
    {
        const QDir hicolor(kSource + QStringLiteral("/data/icons/hicolor"));
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QImage icon(hicolor.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(kIconName)));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY2(icon.hasAlphaChannel() && icon.pixelColor(0, 0).alpha() == 0, "the icon's ground is transparent");
        }
    }

    void everyFaceHasATwiceAsLargeFaceWithTheSameCorners()
    {
        for (const QString& name : FaceNames()) {
            const QImage face = Load(kSource + QStringLiteral("/resources/faces/%1.png").arg(name));
            const QImage large = Load(kSource + QStringLiteral("/resources/faces/%1@2x.png").arg(name));
            QVERIFY2(!face.isNull() && !large.isNull(), qPrintable(name));
            QCOMPARE(large.size(), face.size() * 2);
            // Text bars stand on the window red, close faces on nothing, boxes fill their square.
            const QRgb corner = face.pixel(0, 0);
            for (QPoint at : {QPoint(0, 0), QPoint(large.width() - 1, 0), QPoint(0, large.height() - 1),
                              QPoint(large.width() - 1, large.height() - 1)})
                QCOMPARE(large.pixel(at), corner);
            if (name.startsWith(QLatin1String("popup_close")))
                QCOMPARE(qAlpha(corner), 0);
            else if (!IsBox(name))
                QCOMPARE(QColor(corner), QColor(192, 0, 0));
        }
    }

    void twiceAsLargeFacesAreInTheResources()
    {
        for (const QString& name : FaceNames()) {
            const QString path = QStringLiteral(":/faces/%1@2x.png").arg(name);
            QVERIFY2(QFile::exists(path), qPrintable(path));
            QCOMPARE(QImage(path).size(), QImage(QStringLiteral(":/faces/%1.png").arg(name)).size() * 2);
        }
    }

    // The boxes' glyphs are drawn with strokes twice as thick: each ink pixel of the small face is a
    // two by two square of ink in the large one.
    void boxGlyphsAreTwiceAsThick()
    {
        for (const QString& name : FaceNames()) {
            if (!IsBox(name))
                continue;
            const QImage face = Load(kSource + QStringLiteral("/resources/faces/%1.png").arg(name));
            const QImage large = Load(kSource + QStringLiteral("/resources/faces/%1@2x.png").arg(name));
            for (int y = 0; y < large.height(); ++y)
                for (int x = 0; x < large.width(); ++x)
                    QCOMPARE(large.pixel(x, y), face.pixel(x / 2, y / 2));
        }
    }
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "pictures_test.moc"
