// What the three windows share, on its own: where a window goes on its screen, the size of its
// rounded outline in device pixels and the faces drawn for the screen's scale. Run at 100 %, 125 %,
// 150 % and 200 %.
#include "ui/chrome/buttons.h"
#include "ui/chrome/faces.h"
#include "ui/chrome/outline.h"
#include "ui/chrome/window_frame.h"

#include <QtTest>

#include <limits>

namespace {

qreal ExpectedRatio()
{
    return qEnvironmentVariableIsSet("CONJUGACIO_EXPECTED_RATIO")
               ? qEnvironmentVariable("CONJUGACIO_EXPECTED_RATIO").toDouble()
               : 1.0;
}

// The first pixel of row y that the outline keeps.
int FirstKept(const QRegion& outline, int y)
{
    for (int x = 0; x < outline.boundingRect().right(); ++x)
        if (outline.contains(QPoint(x, y)))
            return x;
    return -1;
}

}  // namespace

class ChromeTest : public QObject {
    Q_OBJECT

private slots:
    void windowsAreCentredWithTheirTitleStripInReach_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("fits") << QRect(0, 0, 1024, 768) << QSize(800, 600) << QPoint(112, 84);
        QTest::newRow("below a panel") << QRect(0, 30, 1024, 738) << QSize(800, 600) << QPoint(112, 99);
        QTest::newRow("too low at 200 %") << QRect(0, 0, 960, 540) << QSize(800, 600) << QPoint(80, 0);
        QTest::newRow("too small both ways") << QRect(100, 50, 500, 400) << QSize(800, 600) << QPoint(100, 50);
        QTest::newRow("a pop-up") << QRect(0, 0, 1024, 768) << QSize(227, 127) << QPoint(398, 320);
        // What a screen may report under a broken scale: nothing may overflow on the way.
        constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
        QTest::newRow("the whole of the coordinates")
            << QRect(QPoint(kMin, kMin), QPoint(kMax, kMax)) << QSize(800, 600) << QPoint(-400, -300);
        QTest::newRow("at their far end") << QRect(QPoint(kMax - 99, kMax - 99), QPoint(kMax, kMax)) << QSize(800, 600)
                                          << QPoint(kMax - 99, kMax - 99);
        QTest::newRow("a window as large as can be")
            << QRect(QPoint(kMin, 0), QPoint(kMax, 767)) << QSize(kMax, kMax) << QPoint(-1073741824, 0);
        QTest::newRow("an empty area") << QRect(QPoint(kMax, kMax), QPoint(kMin, kMin)) << QSize(800, 600)
                                       << QPoint(kMax, kMax);
        QTest::newRow("a window of no size") << QRect(0, 0, 1024, 768) << QSize(-1, -1) << QPoint(512, 384);
    }
    void windowsAreCentredWithTheirTitleStripInReach()
    {
        QFETCH(QRect, available);
        QFETCH(QSize, window);
        QFETCH(QPoint, placed);
        QCOMPARE(chrome::CentredPlacement(available, window), placed);
    }

    // The outline covers the window in device pixels; its corners stay 40 by 40 of them.
    void outlineCornersKeepTheirSizeInDevicePixels()
    {
        const qreal expected = ExpectedRatio();
        QWidget window;
        window.setFixedSize(800, 600);
        QCOMPARE(window.devicePixelRatioF(), expected);

        const QRegion outline = chrome::DeviceOutline(&window);
        const int w = qRound(800 * expected), h = qRound(600 * expected);
        QCOMPARE(outline.boundingRect(), QRect(0, 0, w, h));
        const QRegion atOneHundred = chrome::RoundedOutline({800, 600});
        for (int y : {0, 3, 10, 19})
            QCOMPARE(FirstKept(outline, y), FirstKept(atOneHundred, y));
        QCOMPARE(FirstKept(outline, 20), 0);
        QVERIFY(!outline.contains(QPoint(w - 1, h - 1)));
        QVERIFY(outline.contains(QPoint(w - 1, h - 21)));
    }

    // A face keeps its size on the screen and is drawn for the screen's scale: at 100 % and 200 %
    // it is the picture in the resources, at any other scale one of as many screen pixels as it
    // covers there, rather than a picture made for another scale and smoothed.
    void facesAreDrawnForTheScreensScale()
    {
        QWidget window;
        const qreal ratio = window.devicePixelRatioF();
        QCOMPARE(ratio, ExpectedRatio());
        for (const char* name : {"score_normal", "restart_hover", "new_verb_pressed", "close_normal", "minimise_hover",
                                 "popup_close_blue"}) {
            const QString file = QString::fromLatin1(name);
            const QImage small = chrome::ReadPng(QStringLiteral(":/faces/%1.png").arg(file));
            const QPixmap face = chrome::LoadFace(file, ratio);
            QCOMPARE(face.devicePixelRatio(), ratio);
            QCOMPARE(face.size(), QSize(qRound(small.width() * ratio), qRound(small.height() * ratio)));
            if (ratio == 1.0 || ratio == 2.0) {
                const QImage expected =
                    ratio > 1 ? chrome::ReadPng(QStringLiteral(":/faces/%1@2x.png").arg(file)) : small;
                // Compared as painted, premultiplied: a pixmap keeps its pixels so, and turning a
                // half-transparent one back may round one step apart on another processor.
                QCOMPARE(face.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                         expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));
            }
        }
    }

    // The close and minimise boxes, as their buttons show them: at every scale the glyph lies on
    // whole screen pixels, in the box's colour and the ink's alone, as symmetric as it is drawn.
    void boxGlyphsLieOnWholeScreenPixels()
    {
        for (const char* box : {"close", "minimise"}) {
            QWidget window;
            window.resize(40, 40);
            chrome::FaceButton button(chrome::LoadFaces(box, window.devicePixelRatioF()), &window);
            button.setGeometry(0, 0, 11, 11);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            const qreal ratio = window.devicePixelRatioF();
            const int side = qRound(11 * ratio);
            const QImage picture = button.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(0, 0, side, side);
            const QRgb ground = picture.pixel(0, 0);
            QSet<QRgb> colours;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) {
                    colours.insert(picture.pixel(x, y));
                    QVERIFY2(picture.pixel(x, y) == picture.pixel(side - 1 - x, y),
                             qPrintable(QStringLiteral("%1 box at %2 %: not symmetric at (%3, %4)")
                                            .arg(QLatin1String(box))
                                            .arg(ratio * 100)
                                            .arg(x)
                                            .arg(y)));
                }
            QVERIFY2(colours.size() == 2, qPrintable(QStringLiteral("%1 box at %2 %: %3 colours, not the box's and "
                                                                    "the ink's alone")
                                                         .arg(QLatin1String(box))
                                                         .arg(ratio * 100)
                                                         .arg(colours.size())));
            // The first row with ink: one stroke (the bar) or two (the cross), each as thick as the
            // scale rounded.
            const int stroke = std::max(1, qRound(ratio));
            for (int y = 0; y < side; ++y) {
                int ink = 0;
                for (int x = 0; x < side; ++x)
                    ink += picture.pixel(x, y) != ground;
                if (ink == 0)
                    continue;
                if (QLatin1String(box) == QLatin1String("close"))
                    QCOMPARE(ink, 2 * stroke);
                break;
            }
        }
    }
};

QTEST_MAIN(ChromeTest)
#include "chrome_test.moc"
