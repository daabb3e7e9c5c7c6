// The exercise window as the learner sees it: where every control stands, and how the buttons and
// menu answer the pointer.
#include <QFontMetrics>
#include <map>
#include <set>

#include "window_driver.h"

namespace {

struct Placement {
    const char* name;
    const char* parent;
    QRect geometry;
};

// Every control of the window in pixels at 96 dots per inch, relative to its container.
const Placement kPlacements[] = {
    {"Picture1", "Form14", {0, 0, 798, 33}},
    {"pica", "Picture1", {736, 8, 11, 11}},
    {"Image1", "Picture1", {760, 8, 11, 11}},
    {"Label5", "Form14", {40, 48, 169, 25}},
    {"Label2", "Form14", {216, 48, 153, 25}},
    {"Label1", "Form14", {8, 104, 25, 41}},
    {"Label8", "Form14", {48, 104, 217, 33}},
    {"Label3_0", "Form14", {8, 184, 113, 17}},
    {"Label3_1", "Form14", {8, 232, 113, 17}},
    {"Label3_2", "Form14", {8, 280, 113, 17}},
    {"Label3_3", "Form14", {16, 328, 97, 17}},
    {"Label3_4", "Form14", {16, 376, 105, 17}},
    {"Label3_5", "Form14", {16, 432, 97, 17}},
    {"Réponse_0", "Form14", {128, 176, 137, 33}},
    {"Réponse_1", "Form14", {128, 224, 137, 33}},
    {"Réponse_2", "Form14", {128, 272, 137, 33}},
    {"Réponse_3", "Form14", {128, 328, 137, 33}},
    {"Réponse_4", "Form14", {128, 376, 137, 33}},
    {"Réponse_5", "Form14", {128, 424, 137, 33}},
    {"Frame1", "Form14", {272, 104, 521, 385}},
    {"rec1", "Form14", {16, 536, 118, 20}},
    {"eva1", "Form14", {144, 536, 69, 20}},
    {"altre1", "Form14", {408, 520, 118, 20}},
    {"Label3_31", "Form14", {312, 568, 169, 17}},
    {"Label7", "Form14", {640, 560, 73, 17}},
    {"Picture2", "Form14", {640, 528, 73, 33}},
    {"Picture2_client", "Picture2", {1, 1, 71, 31}},  // within the panel's thin border
    {"MnuObjectif", "Picture2_client", {0, 0, 73, 17}},
    {"MnuQuitter", "Picture2_client", {0, 16, 73, 17}},
};

QWidget* find(Form14& form, const char* name)
{
    return QString::fromLatin1(name) == QLatin1String("Form14") ? &form
                                                                : form.findChild<QWidget*>(QString::fromUtf8(name));
}

QColor windowColour(const QWidget* widget) { return widget->palette().color(QPalette::Window); }
QColor textColour(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

// The surfaces the pointer can move over, and how to move over each.
enum class Surface { Background, Frame, Pool, Label5, Label6Left, Pica, Image1, Objectif, Quitter, Label1, Strip, Target };

}  // namespace

class ExerciseLookTest : public QObject {
    Q_OBJECT

    void moveOver(Window& w, Surface surface)
    {
        Form14& f = *w.form;
        switch (surface) {
        case Surface::Background: w.moveToWindow({600, 70}); break;
        case Surface::Frame: w.moveTo(f.Frame1, {0, 180}); break;  // below the last row of the grid
        case Surface::Pool: w.moveTo(f.Item[41]); break;  // an empty pool label hovers as well
        case Surface::Label5: w.moveTo(f.Label5); break;
        case Surface::Label6Left:
            w.press(f.Label6);
            w.moveTo(f.Label6, {2, 0});
            w.release(f.Label6, Qt::LeftButton, {2, 0});
            break;
        case Surface::Pica: w.moveTo(f.pica); break;
        case Surface::Image1: w.moveTo(f.Image1); break;
        case Surface::Objectif: w.moveTo(f.MnuObjectif); break;
        case Surface::Quitter: w.moveTo(f.MnuQuitter); break;
        case Surface::Label1: w.moveTo(f.Label1); break;
        case Surface::Strip: w.moveTo(f.Picture1, {-200, 0}); break;
        case Surface::Target: w.moveTo(f.Réponse[2]); break;
        }
    }

private slots:
    void everyControlStandsWhereTheLayoutPutsIt()
    {
        Window w(1, 1);
        QCOMPARE(w.form->size(), QSize(800, 600));
        for (const Placement& p : kPlacements) {
            QWidget* control = find(*w.form, p.name);
            QVERIFY2(control, p.name);
            QCOMPARE(control->parentWidget(), find(*w.form, p.parent));
            QCOMPARE(control->geometry(), p.geometry);
        }
        QCOMPARE(w.form->Label6->pos(), QPoint(16, 0));
        QCOMPARE(w.form->Label6->parentWidget(), w.form->Picture1);
    }

    void poolGridHasTheFourthColumnOutOfOrder()
    {
        Window w(1, 1);
        const int lefts[] = {8, 136, 264, 392};
        for (int i = 0; i < 44; ++i) {
            QLabel* item = w.form->Item[i];
            QCOMPARE(item->parentWidget(), w.form->Frame1);
            QCOMPARE(item->size(), QSize(121, 25));
            const int column = i >= 40 ? i - 40 : std::min(i / 10, 3);
            QCOMPARE(item->x(), lefts[column]);
        }
        const int fourthColumn[] = {30, 31, 32, 34, 35, 33, 36, 37, 38, 39};
        for (int row = 0; row < 10; ++row)
            QCOMPARE(w.form->Item[fourthColumn[row]]->y(), 24 + 32 * row);
        for (int i = 40; i < 44; ++i)
            QCOMPARE(w.form->Item[i]->y(), 24 + 32 * 10);
    }

    void coloursFontsAndCaptions()
    {
        Window w(1, 1);
        Form14& f = *w.form;
        QCOMPARE(windowColour(&f), QColor(192, 0, 0));
        QCOMPARE(windowColour(f.Picture1), QColor(70, 70, 70));
        QCOMPARE(textColour(f.Label6), QColor(Qt::white));
        QCOMPARE(textColour(f.Label2), QColor(Qt::white));
        QCOMPARE(textColour(f.Label8), QColor(Qt::white));
        QCOMPARE(textColour(f.Label5), QColor(Qt::black));
        QCOMPARE(textColour(f.Label1), QColor(Qt::black));
        QCOMPARE(windowColour(f.Label1), QColor(192, 0, 0));
        QCOMPARE(textColour(f.Label3[0]), QColor(162, 181, 163));
        QVERIFY(!f.Label3[0]->autoFillBackground());
        QCOMPARE(windowColour(f.Réponse[0]), QColor(113, 149, 155));
        QCOMPARE(windowColour(f.Item[0]), QColor(155, 162, 134));
        QCOMPARE(windowColour(f.Frame1), QColor(Qt::black));
        QCOMPARE(windowColour(f.Picture2), QColor(242, 180, 102));
        QCOMPARE(windowColour(f.Label7), QColor(155, 162, 134));
        QCOMPARE(f.Item[0]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(f.Label5->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(f.Frame1->caption(), QStringLiteral("Propostes de resposta."));
        // The frame's caption is written in the targets' blue on the black frame.
        const QImage frame = f.Frame1->grab(QRect(0, 0, 200, 16)).toImage();
        int captionInk = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                captionInk += frame.pixelColor(x, y) == QColor(113, 149, 155);
        QVERIFY(captionInk > 50);
        QCOMPARE(f.Label7->text(), QStringLiteral("MENÚ."));
        QCOMPARE(f.MnuObjectif->text(), QStringLiteral("Objectiu."));
        QCOMPARE(f.MnuQuitter->text(), QStringLiteral("&Sortir."));
        QCOMPARE(f.Label2->font().pixelSize(), 16);  // Arial 12 pt
        QCOMPARE(f.Label5->font().pixelSize(), 13);  // Arial 9.75 pt
        QCOMPARE(f.Label3[0]->font().pixelSize(), 11);  // MS Sans Serif 8.25 pt
        QVERIFY(f.Label3[0]->font().bold());
        QVERIFY(!f.Label3_31->font().bold());
        QVERIFY(!f.windowIcon().isNull());
        QVERIFY(f.Picture2->isHidden());
    }

    // The substituted faces must keep the captions inside the labels drawn for them.
    void captionsFitTheirLabels()
    {
        Window w(1, 1);
        Form14& f = *w.form;
        std::vector<QLabel*> labels = {f.Label5, f.Label1, f.Label3_31, f.Label7, f.MnuObjectif, f.MnuQuitter};
        labels.insert(labels.end(), f.Label3.begin(), f.Label3.end());
        for (QLabel* label : labels) {
            const QString shown = QString(label->text()).remove(QLatin1Char('&'));
            const int width = QFontMetrics(label->font()).horizontalAdvance(shown.trimmed());
            QVERIFY2(width <= label->width(), qPrintable(QStringLiteral("%1: %2 is %3 px wide in %4")
                                                               .arg(label->objectName(), shown)
                                                               .arg(width)
                                                               .arg(QFontInfo(label->font()).family())));
        }
    }

    void onlyTheFiveButtonsShowAFace()
    {
        Window w(1, 1);
        QStringList withPictures;
        for (QLabel* label : w.form->findChildren<QLabel*>())
            if (!label->pixmap().isNull() && label->isVisible())
                withPictures << label->objectName();
        withPictures.sort();
        QCOMPARE(withPictures, (QStringList{"Image1", "altre1", "eva1", "pica", "rec1"}));
        for (QLabel* button : {w.form->eva1, w.form->rec1, w.form->altre1, w.form->Image1, w.form->pica}) {
            QVERIFY(showsFace(*w.form, button, Normal));
            QCOMPARE(button->pixmap().size(), button->size());
        }
    }

    // Which surfaces put which highlighted control back to its normal look.
    void surfacesRestoreTheControlsTheyReset_data()
    {
        QTest::addColumn<QString>("highlighted");
        QTest::addColumn<int>("surface");
        QTest::addColumn<bool>("restores");
        const std::vector<Surface> all = {Surface::Background, Surface::Frame, Surface::Pool, Surface::Label5,
                                          Surface::Label6Left, Surface::Pica, Surface::Image1, Surface::Objectif,
                                          Surface::Quitter, Surface::Label1, Surface::Strip, Surface::Target};
        const std::map<QString, std::set<Surface>> restoredBy = {
            {"eva1", {Surface::Background, Surface::Frame, Surface::Pool, Surface::Label5, Surface::Label6Left}},
            {"altre1", {Surface::Background, Surface::Frame, Surface::Pool, Surface::Label5, Surface::Label6Left}},
            {"Image1", {Surface::Background, Surface::Frame, Surface::Label5, Surface::Label6Left, Surface::Pica}},
            {"pica", {Surface::Background, Surface::Frame, Surface::Label6Left, Surface::Image1}},
            {"rec1", {Surface::Background, Surface::Frame}},
            {"Label7", {Surface::Background, Surface::Frame, Surface::Pool}},
            {"MnuObjectif", {Surface::Background, Surface::Frame, Surface::Pool, Surface::Quitter}},
            {"MnuQuitter", {Surface::Background, Surface::Frame, Surface::Pool, Surface::Objectif}},
        };
        for (const auto& [control, surfaces] : restoredBy)
            for (Surface s : all) {
                if ((control == "pica" && s == Surface::Pica) || (control == "Image1" && s == Surface::Image1)
                    || (control == "MnuObjectif" && s == Surface::Objectif)
                    || (control == "MnuQuitter" && s == Surface::Quitter))
                    continue;
                QTest::addRow("%s, surface %d", qPrintable(control), int(s))
                    << control << int(s) << (surfaces.count(s) > 0);
            }
    }
    void surfacesRestoreTheControlsTheyReset()
    {
        QFETCH(QString, highlighted);
        QFETCH(int, surface);
        QFETCH(bool, restores);
        Window w(1, 1);
        Form14& f = *w.form;
        w.click(f.Label7);  // opens the menu panel so its entries can be reached
        QVERIFY(f.Picture2->isVisible());
        auto* control = f.findChild<QLabel*>(highlighted);
        w.moveTo(control);
        const bool isMenu = highlighted.startsWith(QLatin1String("Mnu")) || highlighted == QLatin1String("Label7");
        auto lit = [&] { return isMenu ? windowColour(control) == kMenuHighlight : showsFace(f, control, Hover); };
        QVERIFY(lit());
        moveOver(w, Surface(surface));
        QCOMPARE(!lit(), restores);
    }

    void aClickLooksLikeHoverPressHoverNormal()
    {
        Window w(1, 1);
        Form14& f = *w.form;
        w.moveTo(f.eva1);
        QVERIFY(showsFace(f, f.eva1, Hover));
        w.press(f.eva1);
        QVERIFY(showsFace(f, f.eva1, Pressed));
        w.moveTo(f.eva1, {3, 0});
        QVERIFY(showsFace(f, f.eva1, Hover));
        w.release(f.eva1, Qt::LeftButton, {3, 0});
        QVERIFY(showsFace(f, f.eva1, Normal));
        QVERIFY(w.scoreShown());  // the face went back before the click's action
    }

    void aReleaseOutsideTheButtonIsNoClick()
    {
        Window w(1, 1);
        Form14& f = *w.form;
        w.press(f.eva1);
        w.moveToWindow({600, 70});
        QVERIFY(showsFace(f, f.eva1, Hover));  // the button keeps the pointer while it is held
        QTest::mouseRelease(w.handle(), Qt::LeftButton, {}, {600, 70});
        QVERIFY(showsFace(f, f.eva1, Normal));
        QVERIFY(!w.scoreShown());
    }

    void theRightButtonPressesButDoesNotClick()
    {
        Window w(1, 1);
        Form14& f = *w.form;
        w.press(f.altre1, Qt::RightButton);
        QVERIFY(showsFace(f, f.altre1, Pressed));
        w.release(f.altre1, Qt::RightButton);
        QVERIFY(showsFace(f, f.altre1, Normal));
        QCOMPARE(f.Label2->text(), QStringLiteral("cantar"));
    }

    void label6OnlyAnswersTheLeftButtonAlone()
    {
        Window w(1, 1);
        Form14& f = *w.form;
        for (QLabel* button : {f.eva1, f.pica, f.rec1})
            w.moveTo(button);
        w.moveTo(f.Label6);
        QVERIFY(showsFace(f, f.eva1, Hover));
        w.press(f.Label6, Qt::RightButton);
        w.moveTo(f.Label6, {2, 0});
        w.release(f.Label6, Qt::RightButton, {2, 0});
        QVERIFY(showsFace(f, f.pica, Hover));
        moveOver(w, Surface::Label6Left);
        QVERIFY(showsFace(f, f.eva1, Normal));
        QVERIFY(showsFace(f, f.pica, Normal));
        QVERIFY(showsFace(f, f.rec1, Hover));
        QVERIFY(f.pos() == w.form->pos());
    }

    // A left drag over the title gives up the capture of the press: the pointer then lights what
    // it moves over, and the release there is no click. With the right button the title keeps it.
    void aLeftDragOverTheTitleGivesThePointerBack()
    {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            Window w(1, 1);
            Form14& f = *w.form;
            w.press(f.Label6, button);
            w.moveTo(f.Label6, {2, 0});
            w.moveTo(f.eva1);
            QCOMPARE(showsFace(f, f.eva1, Hover), button == Qt::LeftButton);
            w.release(f.eva1, button);
            QVERIFY(showsFace(f, f.eva1, Normal));
            QVERIFY(!w.scoreShown());
            w.moveTo(f.eva1, {2, 0});  // and after the release, as ever
            QVERIFY(showsFace(f, f.eva1, Hover));
        }
    }

    void label5RestoresOnlyThreeFaces()
    {
        Window w(1, 1);
        Form14& f = *w.form;
        w.click(f.Label7);
        for (QLabel* control : {f.rec1, f.pica, f.eva1, f.MnuQuitter})
            w.moveTo(control);
        w.moveTo(f.Label5);
        QVERIFY(showsFace(f, f.eva1, Normal));
        QVERIFY(showsFace(f, f.rec1, Hover));
        QVERIFY(showsFace(f, f.pica, Hover));
        QCOMPARE(windowColour(f.MnuQuitter), kMenuHighlight);
        QVERIFY(f.Picture2->isVisible());
    }

    void theMenuOpensOnlyFromItsLabelAndClosesOnlyByAReset()
    {
        Window w(1, 1);
        Form14& f = *w.form;
        w.click(f.Label7);
        w.click(f.Label7);
        QVERIFY(f.Picture2->isVisible());
        w.moveTo(f.MnuObjectif);
        QCOMPARE(windowColour(f.MnuObjectif), kMenuHighlight);
        QCOMPARE(windowColour(f.Label7), kMenuHighlight);
        w.moveTo(f.MnuQuitter);
        QCOMPARE(windowColour(f.MnuQuitter), kMenuHighlight);
        QCOMPARE(windowColour(f.MnuObjectif), kMenuNormal);
        w.click(f.MnuObjectif);
        QVERIFY(f.Picture2->isVisible());
        QVERIFY(w.presentationShown());
        QCOMPARE(w.presentation().Label2->text().left(27), QStringLiteral("L'exercici és molt senzill."));
        w.moveTo(f.Label2);  // a label without handlers closes nothing
        QVERIFY(f.Picture2->isVisible());
        w.moveToWindow({600, 70});
        QVERIFY(f.Picture2->isHidden());
        QCOMPARE(windowColour(f.Label7), kMenuNormal);
    }

    void bothQuitControlsUnloadThePopupsAndClose()
    {
        for (int way = 0; way < 2; ++way) {
            Window w(1, 1);
            Form14& f = *w.form;
            w.click(f.eva1);
            w.openInstructions();
            if (way == 0) {
                w.click(f.Image1);
            } else {
                w.click(f.Label7);
                w.click(f.MnuQuitter);
            }
            QVERIFY(w.scoreUnloaded());
            QVERIFY(w.presentationUnloaded());
            QVERIFY(!f.isVisible());
        }
    }

    // A quit ends the program even with clicks already queued behind it: the click on "Avaluar."
    // must not open the score pop-up on the way out.
    void quittingEndsTheProgramWhateverIsQueuedBehindIt()
    {
        for (int way = 0; way < 2; ++way) {
            Window w(1, 1);
            Form14& f = *w.form;
            if (way == 1)
                w.click(f.Label7);
            QLabel* quitControl = way == 0 ? f.Image1 : f.MnuQuitter;
            // Both clicks wait in the queue before the first is handled.
            for (QLabel* control : {quitControl, f.eva1})
                QMetaObject::invokeMethod(qApp, [&w, control] { w.click(control); }, Qt::QueuedConnection);
            QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // the program ran on
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY(!f.isVisible());
            QVERIFY(!w.scoreShown());
        }
    }

    void minimisingUnloadsThePopupsAndKeepsTheWindowReachable()
    {
        Window w(1, 1, {{2, 2}});
        Form14& f = *w.form;
        w.click(f.eva1);
        w.click(f.pica);
        QVERIFY(w.scoreUnloaded());
        QVERIFY(f.windowState() & Qt::WindowMinimized);
        // Away from X11 the task-bar entry comes from the window type.
        QCOMPARE(f.windowFlags() & Qt::WindowType_Mask, Qt::Window);
        QCOMPARE(f.Label2->text(), QStringLiteral("cantar"));  // the exercise goes on
        w.click(f.altre1);  // a new exercise puts the window back to normal
        QVERIFY(!(f.windowState() & Qt::WindowMinimized));
        QCOMPARE(f.Label2->text(), QStringLiteral("témer"));
        QTRY_COMPARE(f.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(f.testAttribute(Qt::WA_QuitOnClose));
    }
};

QTEST_MAIN(ExerciseLookTest)
#include "exercise_look_test.moc"
