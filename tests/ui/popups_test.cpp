// The score pop-up, the presentation window and the window chrome they share, driven offscreen
// through their native windows as a real pointer would drive them.
#include "form15.h"
#include "form17.h"
#include "capture.h"
#include "layout_font.h"
#include "outline.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRegion>
#include <QScreen>
#include <QtTest>

Q_DECLARE_METATYPE(chrome::PixelSize)

namespace {

using Controls = std::initializer_list<QWidget*>;

QPoint CentreIn(QWidget* window, QWidget* control)
{
    return control->mapTo(window, control->rect().center());
}
void MoveTo(QWidget* window, QWidget* control, QPoint offset = {})
{
    QTest::mouseMove(window->windowHandle(), CentreIn(window, control) + offset);
}
void ClickOn(QWidget* window, QWidget* control, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(window->windowHandle(), button, {}, CentreIn(window, control));
}
bool ShowsFace(const QLabel* button, const QPixmap& face)
{
    return button->pixmap().cacheKey() == face.cacheKey();
}
// The close button's own face and the stored face, as the resources hold them.
const char* const kBlue = "fmr_blue";
const char* const kGreen = "fmr_green";
bool ShowsFace(const QLabel* button, const char* face)
{
    return button->pixmap().toImage().convertToFormat(QImage::Format_ARGB32)
        == QImage(QStringLiteral(":/faces/%1.png").arg(QLatin1String(face))).convertToFormat(QImage::Format_ARGB32);
}
bool IsCentred(QWidget* window)
{
    const QPoint screen = QGuiApplication::primaryScreen()->geometry().center();
    return (window->frameGeometry().center() - screen).manhattanLength() <= 1;
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

class PopupsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { chrome::InstallFontSubstitutions(); }

    void regionSizeRoundsHalfToEven_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("unitsPerPixel");
        QTest::addColumn<chrome::PixelSize>("pixels");
        QTest::newRow("exercise, 96 dpi") << 12000.0 << 9000.0 << 15.0 << chrome::PixelSize{800, 600};
        QTest::newRow("score, 96 dpi") << 3405.0 << 1905.0 << 15.0 << chrome::PixelSize{227, 127};
        QTest::newRow("presentation, 96 dpi") << 5880.0 << 3885.0 << 15.0 << chrome::PixelSize{392, 259};
        QTest::newRow("score, 120 dpi") << 3405.0 << 1905.0 << 12.0 << chrome::PixelSize{284, 159};
        QTest::newRow("presentation, 120 dpi") << 5880.0 << 3885.0 << 12.0 << chrome::PixelSize{490, 324};
        QTest::newRow("halves to even") << 30.0 << 42.0 << 12.0 << chrome::PixelSize{2, 4};
        QTest::newRow("off the half") << 30.001 << 41.999 << 12.0 << chrome::PixelSize{3, 3};
    }
    void regionSizeRoundsHalfToEven()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, unitsPerPixel);
        QFETCH(chrome::PixelSize, pixels);
        const chrome::PixelSize size = chrome::RegionPixelSize(width, height, unitsPerPixel, unitsPerPixel);
        QCOMPARE(size.width, pixels.width);
        QCOMPARE(size.height, pixels.height);
    }

    void roundingAndCaptureRelease()
    {
        // Corners of radius 20 are cut; edges and a point 12 pixels in on the diagonal are kept.
        const QRegion outline = chrome::RoundedOutline({227, 127});
        QCOMPARE(outline.boundingRect(), QRect(0, 0, 227, 127));
        for (QPoint cut : {QPoint(0, 0), QPoint(226, 0), QPoint(0, 126), QPoint(226, 126), QPoint(4, 4)})
            QVERIFY(!outline.contains(cut));
        for (QPoint kept : {QPoint(20, 0), QPoint(0, 20), QPoint(226, 106), QPoint(113, 126), QPoint(12, 12)})
            QVERIFY(outline.contains(kept));

        // A minimised window comes back to normal; a hidden one is not shown by it.
        QWidget hidden, shown;
        hidden.setWindowState(Qt::WindowMinimized);
        chrome::ApplyRoundedRegion(&hidden);
        QCOMPARE(hidden.windowState(), Qt::WindowNoState);
        QVERIFY(!hidden.isVisible());
        shown.move(30, 40);
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        shown.setWindowState(Qt::WindowMinimized);
        chrome::ApplyRoundedRegion(&shown);
        QVERIFY(!(shown.windowState() & Qt::WindowMinimized) && shown.isVisible());

        // The capture release drops a grab and moves nothing.
        const QPoint place = shown.pos();
        shown.grabMouse();
        QCOMPARE(QWidget::mouseGrabber(), &shown);
        chrome::ReleaseCapture();
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        chrome::ReleaseCapture();
        QCOMPARE(shown.pos(), place);
    }

    void fontsAndTextsFit()
    {
        const QPair<const char*, const char*> faces[] = {{"Arial", "Liberation Sans"},
            {"MS Sans Serif", "Liberation Sans"}, {"Comic Sans MS", "Comic Neue"}, {"Verdana", "DejaVu Sans"}};
        for (const auto& [named, installed] : faces)
            QCOMPARE(QFontInfo(QFont(named)).family(), QString(installed));

        Form15 score;
        const QFontMetrics scoreFont(score.Label2->font());
        QVERIFY(scoreFont.horizontalAdvance("Heu aconseguit: 6 / 6") <= score.Label2->width());
        QVERIFY(scoreFont.height() <= score.Label2->height());
        QVERIFY(QFontMetrics(score.Label3->font()).horizontalAdvance(score.Label3->text()) <= score.Label3->width());
        QVERIFY(score.Label6->geometry().bottom() < score.Picture5->height());
        QVERIFY(score.Label6->width() >= QFontMetrics(score.Label6->font()).horizontalAdvance(score.Label6->text()));
        Form17 presentation;
        presentation.Label2->setText(
            "L'exercici és molt senzill. Heu de fer un clic sobre una forma verbal proposada a la dreta i heu de "
            "desplaçar-la cap a la persona adequada a l'esquerra (arrossegar i deixar anar). En qualsevol moment, "
            "podeu demanar la valoració del vostre treball, prement el botó Avaluar");
        QVERIFY(presentation.Label2->heightForWidth(presentation.Label2->width()) <= presentation.Label2->height());
    }

    void windowsAndControlsAsDesigned()
    {
        Form15 score;
        Form17 presentation;
        const std::tuple<QWidget*, const char*, QRect> places[] = {
            {&score, "Picture5", {0, 0, 313, 17}}, {&score, "Label2", {8, 40, 209, 25}},
            {&score, "Line1", {8, 96, 200, 1}}, {&score, "Label3", {8, 104, 209, 17}},
            {&score, "fmr1", {80, 72, 66, 20}}, {&score, "fmr_0", {56, 136, 66, 20}},
            {&score, "fmr_1", {80, 144, 66, 20}}, {&score, "fmr_2", {104, 136, 66, 20}},
            {&presentation, "Picture5", {0, 0, 393, 17}}, {&presentation, "fmr1", {160, 200, 66, 20}},
            {&presentation, "fmr_0", {32, 264, 66, 20}}, {&presentation, "fmr_1", {72, 264, 66, 20}},
            {&presentation, "fmr_2", {112, 264, 66, 20}}, {&presentation, "Label3", {88, 240, 209, 17}},
            {&presentation, "Line1", {96, 232, 200, 1}}, {&presentation, "Label2", {8, 56, 377, 129}},
        };
        for (const auto& [window, name, geometry] : places) {
            auto* control = window->findChild<QWidget*>(name);
            QVERIFY2(control && control->geometry() == geometry, name);
        }
        QCOMPARE(score.size(), QSize(227, 127));
        QCOMPARE(presentation.size(), QSize(392, 259));
        for (PopupWindow* window : std::initializer_list<PopupWindow*>{&score, &presentation}) {
            QCOMPARE(window->Label6->parentWidget(), window->Picture5);
            QCOMPARE(window->Label6->pos(), QPoint(16, 0));
            QCOMPARE(window->Label6->text(), QStringLiteral("la conjugació dels verbs."));
            QCOMPARE(window->Picture5->palette().color(QPalette::Window), QColor(57, 149, 179));
        }
        QCOMPARE(score.palette().color(QPalette::Window), QColor(0, 128, 0));
        QCOMPARE(presentation.palette().color(QPalette::Window), QColor(255, 255, 192));

        score.Show();
        presentation.Show();
        for (PopupWindow* window : std::initializer_list<PopupWindow*>{&score, &presentation}) {
            // Frameless, no task-bar button, no owner, and closing it cannot end the program.
            QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
            QCOMPARE(window->windowType(), Qt::Tool);
            QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose) && !window->parentWidget());
            // The stored faces lie below the bottom edge and are never shown.
            for (QLabel* store : window->fmr)
                QVERIFY(store->isHidden() && store->y() >= window->height());
        }
    }

    void facesAreDrawnToSizeAndColour()
    {
        const QColor red(192, 0, 0), pink(252, 187, 187), salmon(252, 123, 123);
        // The leftmost column with text in it, which the hover face moves right.
        auto firstInk = [&](const QImage& image) {
            const QColor bar = image.pixelColor(image.width() / 2, 1);
            for (int x = 0; x < image.width(); ++x)
                for (int y = 4; y < 16; ++y)
                    if (image.pixelColor(x, y) != bar && image.pixelColor(x, y) != red)
                        return x;
            return -1;
        };
        const std::tuple<QString, int, QColor, QColor> bars[] = {
            {"eva", 69, {4, 129, 129}, {59, 86, 126}}, {"rec", 118, {4, 131, 131}, {65, 74, 131}},
            {"altre", 118, {4, 131, 131}, {65, 74, 131}}};
        for (const auto& [store, width, normal, hover] : bars) {
            QImage face[3];
            for (int i = 0; i < 3; ++i) {
                face[i] = QImage(QStringLiteral(":/faces/%1_%2.png").arg(store).arg(i));
                QCOMPARE(face[i].size(), QSize(width, 20));
                QVERIFY(!face[i].hasAlphaChannel());
                QCOMPARE(face[i].pixelColor(0, 0), red);
                QCOMPARE(face[i].pixelColor(width - 1, 19), red);
            }
            QCOMPARE(face[0].pixelColor(width / 2, 1), normal);
            QCOMPARE(face[1].pixelColor(width / 2, 1), hover);
            QCOMPARE(face[2].pixelColor(width / 2, 1), salmon);
            QCOMPARE(firstInk(face[1]) - firstInk(face[0]), 3);
            // The pressed face writes in pale pink: no darker ink anywhere on the salmon.
            bool pinkInk = false;
            for (int x = 0; x < width; ++x)
                for (int y = 0; y < 20; ++y) {
                    const QColor c = face[2].pixelColor(x, y);
                    QVERIFY(c == red || c.red() == 252);
                    pinkInk = pinkInk || c == pink;
                }
            QVERIFY(pinkInk);
        }
        const QColor boxes[3] = {{192, 192, 192}, {174, 215, 255}, {63, 63, 63}};
        const QColor inks[3] = {Qt::black, {0, 128, 255}, Qt::white};
        for (int i = 0; i < 3; ++i) {
            const QImage cross(QStringLiteral(":/faces/img_%1.png").arg(i));
            const QImage bar(QStringLiteral(":/faces/pic_%1.png").arg(i));
            QCOMPARE(cross.size(), QSize(11, 11));
            QCOMPARE(bar.size(), QSize(11, 11));
            QVERIFY(!cross.hasAlphaChannel() && !bar.hasAlphaChannel());
            QCOMPARE(cross.pixelColor(0, 0), boxes[i]);
            QCOMPARE(cross.pixelColor(5, 5), inks[i]);
            QCOMPARE(bar.pixelColor(5, 5), boxes[i]);
            QCOMPARE(bar.pixelColor(5, 8), inks[i]);
        }
        const QImage blue(":/faces/fmr_blue.png"), green(":/faces/fmr_green.png");
        QVERIFY(blue.size() == QSize(66, 20) && green.size() == QSize(66, 20));
        QCOMPARE(blue.pixelColor(12, 10), QColor(114, 116, 184));
        QCOMPARE(green.pixelColor(12, 10), QColor(104, 172, 115));
        QVERIFY(blue.pixelColor(0, 0).alpha() == 0 && green.pixelColor(65, 19).alpha() == 0);
        QCOMPARE(QImage(":/icon.png").size(), QSize(32, 32));
    }

    void scoreWindowLifecycle()
    {
        Form15 score;
        score.Unload();  // not loaded: nothing happens
        QVERIFY(!score.isVisible());
        score.Show();
        score.Label2->setText("Heu aconseguit: 1 / 6");
        QVERIFY(QTest::qWaitForWindowExposed(&score));
        QVERIFY(IsCentred(&score) && ShowsFace(score.fmr1, kBlue));

        // Shown again while open, and after "Sortir.": where it was, text and face kept (no Load,
        // which would put the slate-blue face back). Shown again while open, it comes to the front.
        score.move(score.pos() + QPoint(-50, 30));
        const QPoint moved = score.pos();
        struct RaiseCounter : QObject {
            int raises = 0;
            bool eventFilter(QObject*, QEvent* event) override
            {
                raises += event->type() == QEvent::ZOrderChange;
                return false;
            }
        } counter;
        score.installEventFilter(&counter);
        score.Show();
        QCOMPARE(counter.raises, 1);
        QCOMPARE(score.pos(), moved);
        ClickOn(&score, score.fmr1);
        QVERIFY(!score.isVisible());
        score.Show();
        QVERIFY(score.isVisible());
        QCOMPARE(score.pos(), moved);
        QCOMPARE(score.Label2->text(), QString("Heu aconseguit: 1 / 6"));
        QVERIFY(ShowsFace(score.fmr1, kGreen));

        // Unloaded and shown again: centred, text gone, slate-blue face back.
        score.Unload();
        QVERIFY(!score.isVisible() && score.Label2->text().isEmpty());
        score.Show();
        QVERIFY(IsCentred(&score) && ShowsFace(score.fmr1, kBlue));

        // Unloading a hidden window, and a close from the window system, unload it as well.
        for (auto takeAway : {std::function<void()>([&] { score.Hide(); score.Unload(); }),
                              std::function<void()>([&] { score.close(); })}) {
            score.Label2->setText("Heu aconseguit: 2 / 6");
            MoveTo(&score, score.fmr1);
            score.move(score.pos() + QPoint(10, 10));
            takeAway();
            QVERIFY(!score.isVisible() && score.Label2->text().isEmpty());
            score.Show();
            QVERIFY(IsCentred(&score) && ShowsFace(score.fmr1, kBlue));
        }
    }

    void scoreCloseButtonFaces()
    {
        Form15 score;
        score.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&score));
        const QPixmap green = score.fmr[0]->pixmap();

        // Surfaces without a mouse-move handler leave the face alone, with or without a button held.
        for (QWidget* quiet : Controls{score.Label3, score.Line1, score.Picture5, score.Label6}) {
            MoveTo(&score, quiet);
            QTest::mousePress(score.windowHandle(), Qt::LeftButton, {}, CentreIn(&score, quiet));
            MoveTo(&score, quiet, {1, 0});
            QTest::mouseRelease(score.windowHandle(), Qt::LeftButton, {}, CentreIn(&score, quiet) + QPoint(1, 0));
            QVERIFY2(ShowsFace(score.fmr1, kBlue), qPrintable(quiet->objectName()));
        }
        // The score text, the bare window and the button itself each turn it green.
        for (auto move : {std::function<void()>([&] { MoveTo(&score, score.Label2); }),
                          std::function<void()>([&] { QTest::mouseMove(score.windowHandle(), {200, 30}); }),
                          std::function<void()>([&] { MoveTo(&score, score.fmr1); })}) {
            score.Unload();
            score.Show();
            QVERIFY(ShowsFace(score.fmr1, kBlue));
            move();
            QVERIFY(ShowsFace(score.fmr1, green));
        }
        // Whatever follows, it never comes back to the slate-blue face while loaded.
        ClickOn(&score, score.fmr1, Qt::RightButton);
        MoveTo(&score, score.Label3);
        QTest::mouseMove(score.windowHandle(), {5, 60});
        ClickOn(&score, score.fmr1);
        score.Show();
        QVERIFY(ShowsFace(score.fmr1, green));
    }

    void scoreClickAndTitleStrip()
    {
        Form15 score;
        score.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&score));
        QWindow* window = score.windowHandle();
        const QPoint button = CentreIn(&score, score.fmr1), bare(200, 30);

        // Pressed on the button and released off it, or the other way round: no Click.
        QTest::mousePress(window, Qt::LeftButton, {}, button);
        QVERIFY(ShowsFace(score.fmr1, score.fmr[1]->pixmap()));
        QTest::mouseMove(window, bare);
        QTest::mouseRelease(window, Qt::LeftButton, {}, bare);
        QTest::mousePress(window, Qt::LeftButton, {}, bare);
        QTest::mouseMove(window, button);
        QTest::mouseRelease(window, Qt::LeftButton, {}, button);
        ClickOn(&score, score.fmr1, Qt::RightButton);
        QVERIFY(score.isVisible());

        // Only a left press on the title strip or its label releases the capture: the moves that
        // follow then reach the close button under the pointer, which lights up, and its release
        // is no click. Nothing moves.
        const QPoint strip(215, 8), title = CentreIn(&score, score.Label6);
        QCOMPARE(score.childAt(strip), score.Picture5);
        auto buttonLightsAfterPressOn = [&](QPoint at, Qt::MouseButton pressed, Qt::KeyboardModifiers modifiers = {}) {
            score.Unload();
            score.Show();
            const QPoint place = score.pos();
            QTest::mousePress(window, pressed, modifiers, at);
            QTest::mouseMove(window, button);
            const bool lit = ShowsFace(score.fmr1, kGreen);
            QTest::mouseRelease(window, pressed, modifiers, button);
            return lit && score.isVisible() && score.pos() == place;
        };
        QVERIFY(!buttonLightsAfterPressOn(title, Qt::RightButton));
        QVERIFY(!buttonLightsAfterPressOn(strip, Qt::MiddleButton));
        QVERIFY(!buttonLightsAfterPressOn(strip, Qt::RightButton));
        QVERIFY(!buttonLightsAfterPressOn(CentreIn(&score, score.Label3), Qt::LeftButton));
        QVERIFY(buttonLightsAfterPressOn(title, Qt::LeftButton));
        QVERIFY(buttonLightsAfterPressOn(strip, Qt::LeftButton, Qt::ShiftModifier));

        ClickOn(&score, score.fmr1);
        QVERIFY(!score.isVisible());
    }

    void settingShownFaceDoesNotRepaint()
    {
        Form15 score;
        score.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&score));
        PaintCounter counter;
        score.fmr1->installEventFilter(&counter);
        // Qt drops a move to where the pointer already is: come from elsewhere.
        MoveTo(&score, score.Label3);
        MoveTo(&score, score.fmr1);
        QTRY_VERIFY(counter.paints > 0);  // the first change of face is painted
        counter.paints = 0;
        for (int i = 0; i < 20; ++i) {
            MoveTo(&score, score.fmr1, QPoint(i % 5, 0));
            QTest::mouseMove(score.windowHandle(), QPoint(200, 30 + i));
            MoveTo(&score, score.Label2, QPoint(i, 0));
        }
        QTest::qWait(50);
        QCOMPARE(counter.paints, 0);
    }

    void presentationCloseLeavesItLoadedHiddenAndEmpty()
    {
        Form17 presentation;
        presentation.Show();
        presentation.Label2->setText("L'exercici és molt senzill.");
        QVERIFY(QTest::qWaitForWindowExposed(&presentation));
        QVERIFY(IsCentred(&presentation));
        presentation.move(presentation.pos() + QPoint(40, -20));
        const QPoint moved = presentation.pos();
        QTest::mouseMove(presentation.windowHandle(), {350, 220});  // bare window: green face
        QVERIFY(ShowsFace(presentation.fmr1, kGreen));
        presentation.Show();  // opened again while open: same place, no Load
        QCOMPARE(presentation.pos(), moved);
        QVERIFY(ShowsFace(presentation.fmr1, kGreen));

        // Unloaded, then loaded again unseen: empty, with its own face back.
        ClickOn(&presentation, presentation.fmr1);
        QVERIFY(!presentation.isVisible());
        QVERIFY(presentation.Label2->text().isEmpty());
        QVERIFY(ShowsFace(presentation.fmr1, kBlue));
        presentation.Show();  // centred by the second Load
        QVERIFY(presentation.isVisible() && IsCentred(&presentation));
        presentation.Hide();
        presentation.Unload();
        QVERIFY(!presentation.isVisible());
    }

    void presentationFaceOnlyFromBareWindow()
    {
        Form17 presentation;
        presentation.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&presentation));
        QWindow* window = presentation.windowHandle();
        // The close button shows no face of its own, even pressed and dragged off.
        MoveTo(&presentation, presentation.fmr1);
        QTest::mousePress(window, Qt::LeftButton, {}, CentreIn(&presentation, presentation.fmr1));
        QTest::mouseMove(window, {350, 220});
        QTest::mouseRelease(window, Qt::LeftButton, {}, {350, 220});
        for (QWidget* quiet : Controls{presentation.Label2, presentation.Label3, presentation.Line1,
                                       presentation.Picture5, presentation.Label6}) {
            MoveTo(&presentation, quiet);
            QTest::mousePress(window, Qt::RightButton, {}, CentreIn(&presentation, quiet));
            MoveTo(&presentation, quiet, {1, 0});
            QTest::mouseRelease(window, Qt::RightButton, {}, CentreIn(&presentation, quiet) + QPoint(1, 0));
            QVERIFY2(ShowsFace(presentation.fmr1, kBlue), qPrintable(quiet->objectName()));
        }
        ClickOn(&presentation, presentation.Picture5);  // a press on the title strip does nothing
        QVERIFY(presentation.isVisible());
        QTest::mouseMove(window, {350, 220});
        QVERIFY(ShowsFace(presentation.fmr1, presentation.fmr[0]->pixmap()));
    }
};

QTEST_MAIN(PopupsTest)
#include "popups_test.moc"
