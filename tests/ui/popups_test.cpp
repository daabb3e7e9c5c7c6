// The score pop-up, the presentation window and the window chrome they share, driven offscreen
// through their native windows as a real pointer would drive them.
#include "form15.h"
#include "form17.h"
#include "window_chrome.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRegion>
#include <QScreen>
#include <QtTest>

namespace {

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

// True when the window stands in the middle of the screen, to the pixel.
bool IsCentred(QWidget* window)
{
    const QPoint screen = QGuiApplication::primaryScreen()->geometry().center();
    const QPoint centre = window->frameGeometry().center();
    return (centre - screen).manhattanLength() <= 1;
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

}  // namespace

class PopupsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { chrome::InstallFontSubstitutions(); }

    void regionSizeRoundsHalfToEven_data();
    void regionSizeRoundsHalfToEven();
    void roundedOutlineHasFortyPixelCorners();
    void roundingRestoresMinimisedWindowWithoutShowingHidden();
    void releaseCaptureDropsGrabAndMovesNothing();
    void layoutFontsFitTheirLabels();
    void popupsAreFramelessToolsThatDoNotKeepTheProgramAlive();
    void controlsStandWhereDesigned();
    void facesAreDrawnToSizeAndColour();

    void scoreWindowLifecycle();
    void scoreCloseButtonFaces();
    void scoreClickNeedsLeftPressAndReleaseOnButton();
    void scoreTitleStripOnlyReleasesCaptureOnLeftPress();
    void settingShownFaceDoesNotRepaint();

    void presentationCloseLeavesItLoadedHiddenAndEmpty();
    void presentationFaceOnlyFromBareWindow();
};

void PopupsTest::regionSizeRoundsHalfToEven_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("unitsPerPixel");
    QTest::addColumn<int>("pixelsWide");
    QTest::addColumn<int>("pixelsHigh");
    QTest::newRow("exercise window at 96 dpi") << 12000.0 << 9000.0 << 15.0 << 800 << 600;
    QTest::newRow("score at 96 dpi") << 3405.0 << 1905.0 << 15.0 << 227 << 127;
    QTest::newRow("presentation at 96 dpi") << 5880.0 << 3885.0 << 15.0 << 392 << 259;
    QTest::newRow("score at 120 dpi") << 3405.0 << 1905.0 << 12.0 << 284 << 159;
    QTest::newRow("presentation at 120 dpi") << 5880.0 << 3885.0 << 12.0 << 490 << 324;
    QTest::newRow("halves go to even") << 30.0 << 42.0 << 12.0 << 2 << 4;
    QTest::newRow("just over a half goes up") << 30.001 << 41.999 << 12.0 << 3 << 3;
}

void PopupsTest::regionSizeRoundsHalfToEven()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, unitsPerPixel);
    QFETCH(int, pixelsWide);
    QFETCH(int, pixelsHigh);
    const chrome::PixelSize size =
        chrome::RegionPixelSize(width, height, unitsPerPixel, unitsPerPixel);
    QCOMPARE(size.width, pixelsWide);
    QCOMPARE(size.height, pixelsHigh);
}

void PopupsTest::roundedOutlineHasFortyPixelCorners()
{
    const QRegion outline = chrome::RoundedOutline({227, 127});
    QCOMPARE(outline.boundingRect(), QRect(0, 0, 227, 127));
    // The corners are cut, the middles of the edges are not.
    for (QPoint corner : {QPoint(0, 0), QPoint(226, 0), QPoint(0, 126), QPoint(226, 126),
                          QPoint(4, 4), QPoint(222, 122)})
        QVERIFY2(!outline.contains(corner), qPrintable(QStringLiteral("%1,%2")
                                                           .arg(corner.x())
                                                           .arg(corner.y())));
    for (QPoint edge : {QPoint(20, 0), QPoint(206, 0), QPoint(0, 20), QPoint(226, 106),
                        QPoint(113, 126), QPoint(7, 7)})
        QVERIFY(outline.contains(edge));
    // A corner of radius 20, not 40: a point 12 pixels in on the diagonal is inside.
    QVERIFY(outline.contains(QPoint(12, 12)));
}

void PopupsTest::roundingRestoresMinimisedWindowWithoutShowingHidden()
{
    QWidget hidden;
    hidden.resize(100, 50);
    hidden.setWindowState(Qt::WindowMinimized);
    chrome::ApplyRoundedRegion(&hidden);
    QCOMPARE(hidden.windowState(), Qt::WindowNoState);
    QVERIFY(!hidden.isVisible());

    QWidget shown;
    shown.resize(100, 50);
    shown.show();
    shown.setWindowState(Qt::WindowMinimized);
    chrome::ApplyRoundedRegion(&shown);
    QVERIFY(!(shown.windowState() & Qt::WindowMinimized));
    QVERIFY(shown.isVisible());
}

void PopupsTest::releaseCaptureDropsGrabAndMovesNothing()
{
    QWidget window;
    window.resize(100, 50);
    window.move(30, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint place = window.pos();
    window.grabMouse();
    QCOMPARE(QWidget::mouseGrabber(), &window);
    chrome::ReleaseCapture();
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    chrome::ReleaseCapture();  // with no grab at all
    QCOMPARE(window.pos(), place);
}

void PopupsTest::layoutFontsFitTheirLabels()
{
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("MS Sans Serif"))).family(),
             QStringLiteral("Liberation Sans"));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Comic Sans MS"))).family(), QStringLiteral("Comic Neue"));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Verdana"))).family(), QStringLiteral("DejaVu Sans"));

    Form15 score;
    const QFontMetrics scoreFont(score.Label2->font());
    QVERIFY(scoreFont.horizontalAdvance(QStringLiteral("Heu aconseguit: 6 / 6")) <=
            score.Label2->width());
    QVERIFY(scoreFont.height() <= score.Label2->height());
    QVERIFY(QFontMetrics(score.Label3->font()).horizontalAdvance(score.Label3->text()) <=
            score.Label3->width());
    // The title sits inside its strip.
    QVERIFY(score.Label6->geometry().bottom() < score.Picture5->height());
    QVERIFY(score.Label6->width() >=
            QFontMetrics(score.Label6->font()).horizontalAdvance(score.Label6->text()));

    Form17 presentation;
    presentation.Label2->setText(QStringLiteral(
        "L'exercici és molt senzill. Heu de fer un clic sobre una forma verbal proposada a la dreta "
        "i heu de desplaçar-la cap a la persona adequada a l'esquerra (arrossegar i deixar anar). "
        "En qualsevol moment, podeu demanar la valoració del vostre treball, prement el botó "
        "Avaluar"));
    QVERIFY(presentation.Label2->heightForWidth(presentation.Label2->width()) <=
            presentation.Label2->height());
}

void PopupsTest::popupsAreFramelessToolsThatDoNotKeepTheProgramAlive()
{
    Form15 score;
    Form17 presentation;
    for (QWidget* window : {static_cast<QWidget*>(&score), static_cast<QWidget*>(&presentation)}) {
        QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(window->windowType(), Qt::Tool);
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
        QCOMPARE(window->parentWidget(), nullptr);
        QVERIFY(!window->isVisible());
    }
}

void PopupsTest::controlsStandWhereDesigned()
{
    Form15 score;
    Form17 presentation;
    struct Place {
        QWidget* window;
        const char* name;
        QRect geometry;
    };
    const Place places[] = {
        {&score, "Picture5", {0, 0, 313, 17}},      {&score, "Label2", {8, 40, 209, 25}},
        {&score, "Line1", {8, 96, 200, 1}},         {&score, "Label3", {8, 104, 209, 17}},
        {&score, "fmr1", {80, 72, 66, 20}},         {&score, "fmr_0", {56, 136, 66, 20}},
        {&score, "fmr_1", {80, 144, 66, 20}},       {&score, "fmr_2", {104, 136, 66, 20}},
        {&presentation, "Picture5", {0, 0, 393, 17}}, {&presentation, "fmr1", {160, 200, 66, 20}},
        {&presentation, "fmr_0", {32, 264, 66, 20}}, {&presentation, "fmr_1", {72, 264, 66, 20}},
        {&presentation, "fmr_2", {112, 264, 66, 20}}, {&presentation, "Label3", {88, 240, 209, 17}},
        {&presentation, "Line1", {96, 232, 200, 1}}, {&presentation, "Label2", {8, 56, 377, 129}},
    };
    for (const Place& place : places) {
        auto* control = place.window->findChild<QWidget*>(QString::fromLatin1(place.name));
        QVERIFY2(control, place.name);
        QCOMPARE(control->geometry(), place.geometry);
    }
    QCOMPARE(score.size(), QSize(227, 127));
    QCOMPARE(presentation.size(), QSize(392, 259));
    QCOMPARE(score.palette().color(QPalette::Window), QColor(0, 128, 0));
    QCOMPARE(presentation.palette().color(QPalette::Window), QColor(255, 255, 192));

    // The stored faces lie below the bottom edge and are never shown, not even after a showing.
    score.Show();
    presentation.Show();
    for (PopupWindow* window : {static_cast<PopupWindow*>(&score),
                                static_cast<PopupWindow*>(&presentation)})
        for (QLabel* store : window->fmr) {
            QVERIFY(store->isHidden());
            QVERIFY(store->y() >= window->height());
        }
}

void PopupsTest::facesAreDrawnToSizeAndColour()
{
    const QColor red(192, 0, 0);
    struct Bar {
        QString file;
        int width;
        QColor bar;
    };
    const Bar bars[] = {
        {"eva_0", 69, {4, 129, 129}},     {"eva_1", 69, {59, 86, 126}},
        {"eva_2", 69, {252, 123, 123}},   {"rec_0", 118, {4, 131, 131}},
        {"rec_1", 118, {65, 74, 131}},    {"rec_2", 118, {252, 123, 123}},
        {"altre_0", 118, {4, 131, 131}},  {"altre_1", 118, {65, 74, 131}},
        {"altre_2", 118, {252, 123, 123}},
    };
    // The leftmost column holding text, which the hover face moves right.
    auto firstInk = [](const QImage& image, const QColor& bar) {
        for (int x = 0; x < image.width(); ++x)
            for (int y = 4; y < 16; ++y)
                if (image.pixelColor(x, y) != bar && image.pixelColor(x, y) != QColor(192, 0, 0))
                    return x;
        return -1;
    };
    QMap<QString, int> ink;
    for (const Bar& bar : bars) {
        const QImage image(QStringLiteral(":/faces/%1.png").arg(bar.file));
        QVERIFY2(!image.isNull(), qPrintable(bar.file));
        QCOMPARE(image.size(), QSize(bar.width, 20));
        QVERIFY(!image.hasAlphaChannel());
        QCOMPARE(image.pixelColor(0, 0), red);
        QCOMPARE(image.pixelColor(bar.width - 1, 19), red);
        QCOMPARE(image.pixelColor(bar.width / 2, 1), bar.bar);
        ink[bar.file] = firstInk(image, bar.bar);
    }
    for (QString store : {"eva", "rec", "altre"}) {
        QCOMPARE(ink[store + "_1"] - ink[store + "_0"], 3);
        // The pressed face writes in pale pink.
        const QImage pressed(":/faces/" + store + "_2.png");
        bool pink = false;
        for (int x = 0; x < pressed.width(); ++x)
            for (int y = 0; y < pressed.height(); ++y)
                pink = pink || pressed.pixelColor(x, y) == QColor(252, 187, 187);
        QVERIFY2(pink, qPrintable(store));
    }

    struct Box {
        QString file;
        QColor box, ink;
        QPoint glyph;
    };
    const QColor grey(192, 192, 192), blue(174, 215, 255), dark(63, 63, 63);
    const Box boxes[] = {
        {"img_0", grey, Qt::black, {5, 5}},       {"img_1", blue, {0, 128, 255}, {5, 5}},
        {"img_2", dark, Qt::white, {5, 5}},       {"pic_0", grey, Qt::black, {5, 8}},
        {"pic_1", blue, {0, 128, 255}, {5, 8}},   {"pic_2", dark, Qt::white, {5, 8}},
    };
    for (const Box& box : boxes) {
        const QImage image(QStringLiteral(":/faces/%1.png").arg(box.file));
        QCOMPARE(image.size(), QSize(11, 11));
        QVERIFY(!image.hasAlphaChannel());
        QCOMPARE(image.pixelColor(0, 0), box.box);
        QCOMPARE(image.pixelColor(box.glyph), box.ink);
    }
    // A bar, not a cross: the middle of the minimise box is empty.
    QCOMPARE(QImage(":/faces/pic_0.png").pixelColor(5, 5), grey);

    const QImage blueFace(":/faces/fmr_blue.png"), greenFace(":/faces/fmr_green.png");
    QCOMPARE(blueFace.size(), QSize(66, 20));
    QCOMPARE(greenFace.size(), QSize(66, 20));
    QCOMPARE(blueFace.pixelColor(12, 10), QColor(114, 116, 184));
    QCOMPARE(greenFace.pixelColor(12, 10), QColor(104, 172, 115));
    QCOMPARE(QImage(":/icon.png").size(), QSize(32, 32));
}

void PopupsTest::scoreWindowLifecycle()
{
    Form15 score;
    QVERIFY(!score.isLoaded());
    score.Unload();  // unloading a window that is not loaded does nothing
    QCOMPARE(score.loadCount(), 0);

    score.Show();
    score.Label2->setText(QStringLiteral("Heu aconseguit: 1 / 6"));
    QVERIFY(QTest::qWaitForWindowExposed(&score));
    QVERIFY(score.isLoaded());
    QCOMPARE(score.loadCount(), 1);
    QVERIFY(IsCentred(&score));
    QVERIFY(ShowsFace(score.fmr1, score.designFace()));

    // Shown again while open: same place, no Load, text replaced by the caller.
    score.move(score.pos() + QPoint(-50, 30));
    const QPoint moved = score.pos();
    score.Show();
    QCOMPARE(score.pos(), moved);
    QCOMPARE(score.loadCount(), 1);

    // "Sortir." hides and keeps everything; the next showing is where it was.
    ClickOn(&score, score.fmr1);
    QVERIFY(!score.isVisible());
    QVERIFY(score.isLoaded());
    QCOMPARE(score.Label2->text(), QStringLiteral("Heu aconseguit: 1 / 6"));
    score.Show();
    QVERIFY(score.isVisible());
    QCOMPARE(score.pos(), moved);
    QCOMPARE(score.loadCount(), 1);
    QVERIFY(!ShowsFace(score.fmr1, score.designFace()));

    // Unloaded, whether visible or hidden, and shown again: a fresh, centred window.
    score.Unload();
    QVERIFY(!score.isLoaded());
    QVERIFY(!score.isVisible());
    QVERIFY(score.Label2->text().isEmpty());
    score.Show();
    QCOMPARE(score.loadCount(), 2);
    QVERIFY(IsCentred(&score));
    QVERIFY(ShowsFace(score.fmr1, score.designFace()));
    QVERIFY(score.Label2->text().isEmpty());

    score.Hide();
    score.Unload();
    QVERIFY(!score.isLoaded());
    QCOMPARE(score.loadCount(), 2);

    // A close from the window system unloads it too.
    score.Show();
    score.close();
    QVERIFY(!score.isLoaded());
}

void PopupsTest::scoreCloseButtonFaces()
{
    Form15 score;
    score.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&score));
    const QPixmap green = score.fmr[0]->pixmap();
    QVERIFY(!ShowsFace(score.fmr1, green));

    // Surfaces without a mouse-move handler leave the face alone.
    for (QWidget* quiet :
         std::initializer_list<QWidget*>{score.Label3, score.Line1, score.Picture5, score.Label6}) {
        MoveTo(&score, quiet);
        QVERIFY2(ShowsFace(score.fmr1, score.designFace()), qPrintable(quiet->objectName()));
    }

    // The score text, the bare window and the button itself each turn it green.
    MoveTo(&score, score.Label2);
    QVERIFY(ShowsFace(score.fmr1, green));
    score.Unload();
    score.Show();
    QTest::mouseMove(score.windowHandle(), QPoint(200, 30));  // bare window
    QVERIFY(ShowsFace(score.fmr1, green));
    score.Unload();
    score.Show();
    MoveTo(&score, score.fmr1);
    QVERIFY(ShowsFace(score.fmr1, green));

    // Whatever follows, it never comes back to the slate-blue face while loaded.
    QTest::mousePress(score.windowHandle(), Qt::RightButton, {}, CentreIn(&score, score.fmr1));
    QVERIFY(ShowsFace(score.fmr1, green));
    QTest::mouseRelease(score.windowHandle(), Qt::RightButton, {}, CentreIn(&score, score.fmr1));
    MoveTo(&score, score.Label3);
    MoveTo(&score, score.Label2);
    QTest::mouseMove(score.windowHandle(), QPoint(5, 60));
    QVERIFY(ShowsFace(score.fmr1, green));
    ClickOn(&score, score.fmr1);
    score.Show();
    QVERIFY(ShowsFace(score.fmr1, green));
}

void PopupsTest::scoreClickNeedsLeftPressAndReleaseOnButton()
{
    Form15 score;
    score.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&score));
    QWindow* window = score.windowHandle();
    const QPoint button = CentreIn(&score, score.fmr1);

    // Pressed on the button, released off it: no Click.
    QTest::mousePress(window, Qt::LeftButton, {}, button);
    QVERIFY(ShowsFace(score.fmr1, score.fmr[1]->pixmap()));
    QTest::mouseMove(window, QPoint(200, 30));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(200, 30));
    QVERIFY(score.isVisible());

    // Pressed off the button, released on it: no Click.
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(200, 30));
    QTest::mouseMove(window, button);
    QTest::mouseRelease(window, Qt::LeftButton, {}, button);
    QVERIFY(score.isVisible());

    // The right button presses and releases but does not click.
    ClickOn(&score, score.fmr1, Qt::RightButton);
    QVERIFY(score.isVisible());

    ClickOn(&score, score.fmr1);
    QVERIFY(!score.isVisible());
    QVERIFY(score.isLoaded());
}

void PopupsTest::scoreTitleStripOnlyReleasesCaptureOnLeftPress()
{
    Form15 score;
    score.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&score));
    const QPoint place = score.pos();
    const QPoint strip(215, 8);  // on the strip, right of the title
    QCOMPARE(score.childAt(strip), score.Picture5);

    ClickOn(&score, score.Label6, Qt::RightButton);
    QTest::mouseClick(score.windowHandle(), Qt::MiddleButton, {}, strip);
    QTest::mouseClick(score.windowHandle(), Qt::RightButton, {}, strip);
    QCOMPARE(score.captureReleaseCount(), 0);

    ClickOn(&score, score.Label6);
    QCOMPARE(score.captureReleaseCount(), 1);
    QTest::mouseClick(score.windowHandle(), Qt::LeftButton, Qt::ShiftModifier, strip);
    QCOMPARE(score.captureReleaseCount(), 2);

    QCOMPARE(score.pos(), place);
    QVERIFY(score.isVisible());
    QVERIFY(ShowsFace(score.fmr1, score.designFace()));
}

void PopupsTest::settingShownFaceDoesNotRepaint()
{
    Form15 score;
    score.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&score));
    PaintCounter counter;
    score.fmr1->installEventFilter(&counter);

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

void PopupsTest::presentationCloseLeavesItLoadedHiddenAndEmpty()
{
    Form17 presentation;
    presentation.Show();
    presentation.Label2->setText(QStringLiteral("L'exercici és molt senzill."));
    QVERIFY(QTest::qWaitForWindowExposed(&presentation));
    QCOMPARE(presentation.loadCount(), 1);
    QVERIFY(IsCentred(&presentation));

    // Opened again while open: same place, no Load.
    presentation.move(presentation.pos() + QPoint(40, -20));
    const QPoint moved = presentation.pos();
    presentation.Show();
    QCOMPARE(presentation.pos(), moved);
    QCOMPARE(presentation.loadCount(), 1);

    QTest::mouseMove(presentation.windowHandle(), QPoint(350, 220));  // bare window: green face
    QVERIFY(!ShowsFace(presentation.fmr1, presentation.designFace()));

    ClickOn(&presentation, presentation.fmr1);
    QVERIFY(presentation.isLoaded());
    QVERIFY(!presentation.isVisible());
    QCOMPARE(presentation.loadCount(), 2);
    QVERIFY(presentation.Label2->text().isEmpty());
    QVERIFY(ShowsFace(presentation.fmr1, presentation.designFace()));
    QVERIFY(IsCentred(&presentation));  // the second Load put it back in the middle

    // Opened again: shown centred without a further Load.
    presentation.Show();
    QVERIFY(presentation.isVisible());
    QVERIFY(IsCentred(&presentation));
    QCOMPARE(presentation.loadCount(), 2);

    presentation.Hide();
    presentation.Unload();
    QVERIFY(!presentation.isLoaded());
    QVERIFY(!presentation.isVisible());
}

void PopupsTest::presentationFaceOnlyFromBareWindow()
{
    Form17 presentation;
    presentation.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&presentation));
    QWindow* window = presentation.windowHandle();

    // The close button has no face of its own to show, and the other controls pass nothing on.
    MoveTo(&presentation, presentation.fmr1);
    QTest::mousePress(window, Qt::LeftButton, {}, CentreIn(&presentation, presentation.fmr1));
    QTest::mouseMove(window, QPoint(350, 220));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(350, 220));
    for (QWidget* quiet : std::initializer_list<QWidget*>{presentation.Label2, presentation.Label3,
                                                          presentation.Line1, presentation.Picture5,
                                                          presentation.Label6}) {
        MoveTo(&presentation, quiet);
        QVERIFY2(ShowsFace(presentation.fmr1, presentation.designFace()),
                 qPrintable(quiet->objectName()));
    }
    // A press on the title strip does nothing.
    ClickOn(&presentation, presentation.Picture5);
    QVERIFY(presentation.isVisible());

    QTest::mouseMove(window, QPoint(350, 220));
    QVERIFY(ShowsFace(presentation.fmr1, presentation.fmr[0]->pixmap()));
    MoveTo(&presentation, presentation.Label2);
    QVERIFY(ShowsFace(presentation.fmr1, presentation.fmr[0]->pixmap()));
}

QTEST_MAIN(PopupsTest)
#include "popups_test.moc"
