// The score pop-up, the presentation window and the window chrome they share, driven offscreen
// through their native windows as a real pointer would drive them.
#include "ui/chrome/capture.h"
#include "ui/chrome/layout_font.h"
#include "ui/chrome/outline.h"
#include "ui/popups/instructions_window.h"
#include "ui/popups/score_window.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRegion>
#include <QScreen>
#include <QtTest>

Q_DECLARE_METATYPE(chrome::PixelSize)

namespace {

using Controls = std::initializer_list<QWidget*>;

QPoint CentreIn(QWidget* window, QWidget* control) { return control->mapTo(window, control->rect().center()); }
void MoveTo(QWidget* window, QWidget* control, QPoint offset = {})
{
    QTest::mouseMove(window->windowHandle(), CentreIn(window, control) + offset);
}
void ClickOn(QWidget* window, QWidget* control, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(window->windowHandle(), button, {}, CentreIn(window, control));
}
bool ShowsFace(const chrome::FaceButton* button, const QPixmap& face)
{
    return button->picture().cacheKey() == face.cacheKey();
}
// The close button's own face and the stored face, as the resources hold them.
const char* const kBlue = "popup_close_blue";
const char* const kGreen = "popup_close_green";
bool ShowsFace(const chrome::FaceButton* button, const char* face)
{
    return button->picture().toImage().convertToFormat(QImage::Format_ARGB32)
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
        chrome::ReleaseCapture(&shown);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        chrome::ReleaseCapture(&shown);
        QCOMPARE(shown.pos(), place);
    }

    void fontsAndTextsFit()
    {
        const QPair<const char*, const char*> faces[] = {{"Arial", "Liberation Sans"},
                                                         {"MS Sans Serif", "Liberation Sans"},
                                                         {"Comic Sans MS", "Comic Neue"},
                                                         {"Verdana", "DejaVu Sans"}};
        for (const auto& [named, installed] : faces)
            QCOMPARE(QFontInfo(QFont(named)).family(), QString(installed));

        ScoreWindow score;
        const QFontMetrics scoreFont(score.message->font());
        QVERIFY(scoreFont.horizontalAdvance("Heu aconseguit: 6 / 6") <= score.message->width());
        QVERIFY(scoreFont.height() <= score.message->height());
        QVERIFY(QFontMetrics(score.credit->font()).horizontalAdvance(score.credit->text()) <= score.credit->width());
        QVERIFY(score.title->geometry().bottom() < score.titleStrip->height());
        QVERIFY(score.title->width() >= QFontMetrics(score.title->font()).horizontalAdvance(score.title->text()));
        InstructionsWindow presentation;
        presentation.message->setText(
            "L'exercici és molt senzill. Heu de fer un clic sobre una forma verbal proposada a la dreta i heu de "
            "desplaçar-la cap a la persona adequada a l'esquerra (arrossegar i deixar anar). En qualsevol moment, "
            "podeu demanar la valoració del vostre treball, prement el botó Avaluar");
        QVERIFY(presentation.message->heightForWidth(presentation.message->width()) <= presentation.message->height());
    }

    void windowsAndControlsAsDesigned()
    {
        ScoreWindow score;
        InstructionsWindow presentation;
        const std::tuple<QWidget*, const char*, QRect> places[] = {
            {&score, "titleStrip", {0, 0, 313, 17}},
            {&score, "message", {8, 40, 209, 25}},
            {&score, "rule", {8, 96, 200, 1}},
            {&score, "credit", {8, 104, 209, 17}},
            {&score, "closeButton", {80, 72, 66, 20}},
            {&score, "storedFace_0", {56, 136, 66, 20}},
            {&score, "storedFace_1", {80, 144, 66, 20}},
            {&score, "storedFace_2", {104, 136, 66, 20}},
            {&presentation, "titleStrip", {0, 0, 393, 17}},
            {&presentation, "closeButton", {160, 200, 66, 20}},
            {&presentation, "storedFace_0", {32, 264, 66, 20}},
            {&presentation, "storedFace_1", {72, 264, 66, 20}},
            {&presentation, "storedFace_2", {112, 264, 66, 20}},
            {&presentation, "credit", {88, 240, 209, 17}},
            {&presentation, "rule", {96, 232, 200, 1}},
            {&presentation, "message", {8, 56, 377, 129}},
        };
        for (const auto& [window, name, geometry] : places) {
            auto* control = window->findChild<QWidget*>(name);
            QVERIFY2(control && control->geometry() == geometry, name);
        }
        QCOMPARE(score.size(), QSize(227, 127));
        QCOMPARE(presentation.size(), QSize(392, 259));
        for (PopupWindow* window : std::initializer_list<PopupWindow*>{&score, &presentation}) {
            QCOMPARE(window->title->parentWidget(), window->titleStrip);
            QCOMPARE(window->title->pos(), QPoint(16, 0));
            QCOMPARE(window->title->text(), QStringLiteral("la conjugació dels verbs."));
            QCOMPARE(window->titleStrip->palette().color(QPalette::Window), QColor(57, 149, 179));
        }
        QCOMPARE(score.palette().color(QPalette::Window), QColor(0, 128, 0));
        QCOMPARE(presentation.palette().color(QPalette::Window), QColor(255, 255, 192));

        score.open();
        presentation.open();
        for (PopupWindow* window : std::initializer_list<PopupWindow*>{&score, &presentation}) {
            // Frameless, no task-bar button, no owner, and closing it cannot end the program.
            QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
            QCOMPARE(window->windowType(), Qt::Tool);
            QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose) && !window->parentWidget());
            // The stored faces lie below the bottom edge and are never shown.
            for (QLabel* store : window->storedFaces)
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
        const std::tuple<QString, int, QColor, QColor> bars[] = {{"score", 69, {4, 129, 129}, {59, 86, 126}},
                                                                 {"restart", 118, {4, 131, 131}, {65, 74, 131}},
                                                                 {"new_verb", 118, {4, 131, 131}, {65, 74, 131}}};
        for (const auto& [button, width, normal, hover] : bars) {
            QImage face[3];
            for (int i = 0; i < 3; ++i) {
                static const char* const kFaces[] = {"normal", "hover", "pressed"};
                face[i] = QImage(QStringLiteral(":/faces/%1_%2.png").arg(button, QLatin1String(kFaces[i])));
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
            static const char* const kFaces[] = {"normal", "hover", "pressed"};
            const QImage cross(QStringLiteral(":/faces/close_%1.png").arg(QLatin1String(kFaces[i])));
            const QImage bar(QStringLiteral(":/faces/minimise_%1.png").arg(QLatin1String(kFaces[i])));
            QCOMPARE(cross.size(), QSize(11, 11));
            QCOMPARE(bar.size(), QSize(11, 11));
            QVERIFY(!cross.hasAlphaChannel() && !bar.hasAlphaChannel());
            QCOMPARE(cross.pixelColor(0, 0), boxes[i]);
            QCOMPARE(cross.pixelColor(5, 5), inks[i]);
            QCOMPARE(bar.pixelColor(5, 5), boxes[i]);
            QCOMPARE(bar.pixelColor(5, 8), inks[i]);
        }
        const QImage blue(":/faces/popup_close_blue.png"), green(":/faces/popup_close_green.png");
        QVERIFY(blue.size() == QSize(66, 20) && green.size() == QSize(66, 20));
        QCOMPARE(blue.pixelColor(12, 10), QColor(114, 116, 184));
        QCOMPARE(green.pixelColor(12, 10), QColor(104, 172, 115));
        QVERIFY(blue.pixelColor(0, 0).alpha() == 0 && green.pixelColor(65, 19).alpha() == 0);
        QCOMPARE(QImage(":/icon.png").size(), QSize(32, 32));
    }

    void scoreWindowLifecycle()
    {
        ScoreWindow score;
        score.unload();  // not loaded: nothing happens
        QVERIFY(!score.isVisible());
        score.open();
        score.message->setText("Heu aconseguit: 1 / 6");
        QVERIFY(QTest::qWaitForWindowExposed(&score));
        QVERIFY(IsCentred(&score) && ShowsFace(score.closeButton, kBlue));

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
        score.open();
        QCOMPARE(counter.raises, 1);
        QCOMPARE(score.pos(), moved);
        ClickOn(&score, score.closeButton);
        QVERIFY(!score.isVisible());
        score.open();
        QVERIFY(score.isVisible());
        QCOMPARE(score.pos(), moved);
        QCOMPARE(score.message->text(), QString("Heu aconseguit: 1 / 6"));
        QVERIFY(ShowsFace(score.closeButton, kGreen));

        // Unloaded and shown again: centred, text gone, slate-blue face back.
        score.unload();
        QVERIFY(!score.isVisible() && score.message->text().isEmpty());
        score.open();
        QVERIFY(IsCentred(&score) && ShowsFace(score.closeButton, kBlue));

        // Unloading a hidden window, and a close from the window system, unload it as well.
        for (auto takeAway : {std::function<void()>([&] {
                                  score.dismiss();
                                  score.unload();
                              }),
                              std::function<void()>([&] { score.close(); })}) {
            score.message->setText("Heu aconseguit: 2 / 6");
            MoveTo(&score, score.closeButton);
            score.move(score.pos() + QPoint(10, 10));
            takeAway();
            QVERIFY(!score.isVisible() && score.message->text().isEmpty());
            score.open();
            QVERIFY(IsCentred(&score) && ShowsFace(score.closeButton, kBlue));
        }
    }

    void scoreCloseButtonFaces()
    {
        ScoreWindow score;
        score.open();
        QVERIFY(QTest::qWaitForWindowExposed(&score));
        const QPixmap green = score.storedFaces[0]->pixmap();

        // Surfaces without a mouse-move handler leave the face alone, with or without a button held.
        for (QWidget* quiet : Controls{score.credit, score.rule, score.titleStrip, score.title}) {
            MoveTo(&score, quiet);
            QTest::mousePress(score.windowHandle(), Qt::LeftButton, {}, CentreIn(&score, quiet));
            MoveTo(&score, quiet, {1, 0});
            QTest::mouseRelease(score.windowHandle(), Qt::LeftButton, {}, CentreIn(&score, quiet) + QPoint(1, 0));
            QVERIFY2(ShowsFace(score.closeButton, kBlue), qPrintable(quiet->objectName()));
        }
        // The score text, the bare window and the button itself each turn it green.
        for (auto move : {std::function<void()>([&] { MoveTo(&score, score.message); }), std::function<void()>([&] {
                              QTest::mouseMove(score.windowHandle(), {200, 30});
                          }),
                          std::function<void()>([&] { MoveTo(&score, score.closeButton); })}) {
            score.unload();
            score.open();
            QVERIFY(ShowsFace(score.closeButton, kBlue));
            move();
            QVERIFY(ShowsFace(score.closeButton, green));
        }
        // Whatever follows, it never comes back to the slate-blue face while loaded.
        ClickOn(&score, score.closeButton, Qt::RightButton);
        MoveTo(&score, score.credit);
        QTest::mouseMove(score.windowHandle(), {5, 60});
        ClickOn(&score, score.closeButton);
        score.open();
        QVERIFY(ShowsFace(score.closeButton, green));
    }

    void scoreClickAndTitleStrip()
    {
        ScoreWindow score;
        score.open();
        QVERIFY(QTest::qWaitForWindowExposed(&score));
        QWindow* window = score.windowHandle();
        const QPoint button = CentreIn(&score, score.closeButton), bare(200, 30);

        // Pressed on the button and released off it, or the other way round: no Click.
        QTest::mousePress(window, Qt::LeftButton, {}, button);
        QVERIFY(ShowsFace(score.closeButton, score.storedFaces[1]->pixmap()));
        QTest::mouseMove(window, bare);
        QTest::mouseRelease(window, Qt::LeftButton, {}, bare);
        QTest::mousePress(window, Qt::LeftButton, {}, bare);
        QTest::mouseMove(window, button);
        QTest::mouseRelease(window, Qt::LeftButton, {}, button);
        ClickOn(&score, score.closeButton, Qt::RightButton);
        QVERIFY(score.isVisible());

        // Only a left press on the title strip or its label releases the capture: the moves that
        // follow then reach the close button under the pointer, which lights up, and its release
        // is no click. Nothing moves.
        const QPoint strip(215, 8), title = CentreIn(&score, score.title);
        QCOMPARE(score.childAt(strip), score.titleStrip);
        auto buttonLightsAfterPressOn = [&](QPoint at, Qt::MouseButton pressed, Qt::KeyboardModifiers modifiers = {}) {
            score.unload();
            score.open();
            const QPoint place = score.pos();
            QTest::mousePress(window, pressed, modifiers, at);
            QTest::mouseMove(window, button);
            const bool lit = ShowsFace(score.closeButton, kGreen);
            QTest::mouseRelease(window, pressed, modifiers, button);
            return lit && score.isVisible() && score.pos() == place;
        };
        QVERIFY(!buttonLightsAfterPressOn(title, Qt::RightButton));
        QVERIFY(!buttonLightsAfterPressOn(strip, Qt::MiddleButton));
        QVERIFY(!buttonLightsAfterPressOn(strip, Qt::RightButton));
        QVERIFY(!buttonLightsAfterPressOn(CentreIn(&score, score.credit), Qt::LeftButton));
        QVERIFY(buttonLightsAfterPressOn(title, Qt::LeftButton));
        QVERIFY(buttonLightsAfterPressOn(strip, Qt::LeftButton, Qt::ShiftModifier));

        ClickOn(&score, score.closeButton);
        QVERIFY(!score.isVisible());
    }

    void settingShownFaceDoesNotRepaint()
    {
        ScoreWindow score;
        score.open();
        QVERIFY(QTest::qWaitForWindowExposed(&score));
        PaintCounter counter;
        score.closeButton->installEventFilter(&counter);
        // Qt drops a move to where the pointer already is: come from elsewhere.
        MoveTo(&score, score.credit);
        MoveTo(&score, score.closeButton);
        QTRY_VERIFY(counter.paints > 0);  // the first change of face is painted
        counter.paints = 0;
        for (int i = 0; i < 20; ++i) {
            MoveTo(&score, score.closeButton, QPoint(i % 5, 0));
            QTest::mouseMove(score.windowHandle(), QPoint(200, 30 + i));
            MoveTo(&score, score.message, QPoint(i, 0));
        }
        QTest::qWait(50);
        QCOMPARE(counter.paints, 0);
    }

    void presentationCloseLeavesItLoadedHiddenAndEmpty()
    {
        InstructionsWindow presentation;
        presentation.open();
        presentation.message->setText("L'exercici és molt senzill.");
        QVERIFY(QTest::qWaitForWindowExposed(&presentation));
        QVERIFY(IsCentred(&presentation));
        presentation.move(presentation.pos() + QPoint(40, -20));
        const QPoint moved = presentation.pos();
        QTest::mouseMove(presentation.windowHandle(), {350, 220});  // bare window: green face
        QVERIFY(ShowsFace(presentation.closeButton, kGreen));
        presentation.open();  // opened again while open: same place, no Load
        QCOMPARE(presentation.pos(), moved);
        QVERIFY(ShowsFace(presentation.closeButton, kGreen));

        // Unloaded, then loaded again unseen: empty, with its own face back.
        ClickOn(&presentation, presentation.closeButton);
        QVERIFY(!presentation.isVisible());
        QVERIFY(presentation.message->text().isEmpty());
        QVERIFY(ShowsFace(presentation.closeButton, kBlue));
        presentation.open();  // centred by the second Load
        QVERIFY(presentation.isVisible() && IsCentred(&presentation));
        presentation.dismiss();
        presentation.unload();
        QVERIFY(!presentation.isVisible());
    }

    void presentationFaceOnlyFromBareWindow()
    {
        InstructionsWindow presentation;
        presentation.open();
        QVERIFY(QTest::qWaitForWindowExposed(&presentation));
        QWindow* window = presentation.windowHandle();
        // The close button shows no face of its own, even pressed and dragged off.
        MoveTo(&presentation, presentation.closeButton);
        QTest::mousePress(window, Qt::LeftButton, {}, CentreIn(&presentation, presentation.closeButton));
        QTest::mouseMove(window, {350, 220});
        QTest::mouseRelease(window, Qt::LeftButton, {}, {350, 220});
        for (QWidget* quiet : Controls{presentation.message, presentation.credit, presentation.rule,
                                       presentation.titleStrip, presentation.title}) {
            MoveTo(&presentation, quiet);
            QTest::mousePress(window, Qt::RightButton, {}, CentreIn(&presentation, quiet));
            MoveTo(&presentation, quiet, {1, 0});
            QTest::mouseRelease(window, Qt::RightButton, {}, CentreIn(&presentation, quiet) + QPoint(1, 0));
            QVERIFY2(ShowsFace(presentation.closeButton, kBlue), qPrintable(quiet->objectName()));
        }
        ClickOn(&presentation, presentation.titleStrip);  // a press on the title strip does nothing
        QVERIFY(presentation.isVisible());
        QTest::mouseMove(window, {350, 220});
        QVERIFY(ShowsFace(presentation.closeButton, presentation.storedFaces[0]->pixmap()));
    }
};

QTEST_MAIN(PopupsTest)
#include "popups_test.moc"
