// The exercise window as the learner sees it: where every control stands, and how the buttons and
// menu answer the pointer.
#include <QFontMetrics>
#include <map>
#include <set>

#include "tests/ui/window_driver.h"

namespace {

struct Placement {
    const char* name;
    const char* parent;
    QRect geometry;
};

// Every control of the window in pixels at 96 dots per inch, relative to its container.
const Placement kPlacements[] = {
    {"titleStrip", "ExerciseWindow", {0, 0, 798, 33}},
    {"minimiseButton", "titleStrip", {736, 8, 11, 11}},
    {"closeButton", "titleStrip", {760, 8, 11, 11}},
    {"instruction", "ExerciseWindow", {40, 48, 169, 25}},
    {"infinitive", "ExerciseWindow", {216, 48, 153, 25}},
    {"tenseIntro", "ExerciseWindow", {8, 104, 25, 41}},
    {"tensePhrase", "ExerciseWindow", {48, 104, 217, 33}},
    {"personCaption_0", "ExerciseWindow", {8, 184, 113, 17}},
    {"personCaption_1", "ExerciseWindow", {8, 232, 113, 17}},
    {"personCaption_2", "ExerciseWindow", {8, 280, 113, 17}},
    {"personCaption_3", "ExerciseWindow", {16, 328, 97, 17}},
    {"personCaption_4", "ExerciseWindow", {16, 376, 105, 17}},
    {"personCaption_5", "ExerciseWindow", {16, 432, 97, 17}},
    {"target_0", "ExerciseWindow", {128, 176, 137, 33}},
    {"target_1", "ExerciseWindow", {128, 224, 137, 33}},
    {"target_2", "ExerciseWindow", {128, 272, 137, 33}},
    {"target_3", "ExerciseWindow", {128, 328, 137, 33}},
    {"target_4", "ExerciseWindow", {128, 376, 137, 33}},
    {"target_5", "ExerciseWindow", {128, 424, 137, 33}},
    {"poolFrame", "ExerciseWindow", {272, 104, 521, 385}},
    {"restartButton", "ExerciseWindow", {16, 536, 118, 20}},
    {"scoreButton", "ExerciseWindow", {144, 536, 69, 20}},
    {"newVerbButton", "ExerciseWindow", {408, 520, 118, 20}},
    {"credit", "ExerciseWindow", {312, 568, 169, 17}},
    {"menuButton", "ExerciseWindow", {640, 560, 73, 17}},
    {"menuPanel", "ExerciseWindow", {640, 528, 73, 33}},
    {"menuPanelClient", "menuPanel", {1, 1, 71, 31}},  // within the panel's thin border
    // the entries fill the client area, one below the other
    {"instructionsEntry", "menuPanelClient", {0, 0, 71, 16}},
    {"quitEntry", "menuPanelClient", {0, 16, 71, 15}},
};

QWidget* find(ExerciseWindow& form, const char* name)
{
    return QString::fromLatin1(name) == QLatin1String("ExerciseWindow")
               ? &form
               : form.findChild<QWidget*>(QString::fromUtf8(name));
}

QColor windowColour(const QWidget* widget) { return widget->palette().color(QPalette::Window); }
QColor textColour(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

// The surfaces the pointer can move over, and how to move over each.
enum class Surface {
    Background,
    Frame,
    Pool,
    Instruction,
    TitleLeftDrag,
    MinimiseBox,
    CloseBox,
    InstructionsEntry,
    QuitEntry,
    TenseIntro,
    Strip,
    Target
};

}  // namespace

class ExerciseLookTest : public QObject {
    Q_OBJECT

    void moveOver(Window& w, Surface surface)
    {
        ExerciseWindow& f = *w.form;
        switch (surface) {
        case Surface::Background:
            w.moveToWindow({600, 70});
            break;
        case Surface::Frame:
            w.moveTo(f.poolFrame, {0, 180});
            break;  // below the last row of the grid
        case Surface::Pool:
            w.moveTo(f.pool[41]);
            break;  // an empty pool label hovers as well
        case Surface::Instruction:
            w.moveTo(f.instruction);
            break;
        case Surface::TitleLeftDrag:
            w.press(f.title);
            w.moveTo(f.title, {2, 0});
            w.release(f.title, Qt::LeftButton, {2, 0});
            break;
        case Surface::MinimiseBox:
            w.moveTo(f.minimiseButton);
            break;
        case Surface::CloseBox:
            w.moveTo(f.closeButton);
            break;
        case Surface::InstructionsEntry:
            w.moveTo(f.instructionsEntry);
            break;
        case Surface::QuitEntry:
            w.moveTo(f.quitEntry);
            break;
        case Surface::TenseIntro:
            w.moveTo(f.tenseIntro);
            break;
        case Surface::Strip:
            w.moveTo(f.titleStrip, {-200, 0});
            break;
        case Surface::Target:
            w.moveTo(f.targets[2]);
            break;
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
        QCOMPARE(w.form->title->pos(), QPoint(16, 0));
        QCOMPARE(w.form->title->parentWidget(), w.form->titleStrip);
    }

    void poolGridHasTheFourthColumnOutOfOrder()
    {
        Window w(1, 1);
        const int lefts[] = {8, 136, 264, 392};
        for (int i = 0; i < 44; ++i) {
            QLabel* item = w.form->pool[i];
            QCOMPARE(item->parentWidget(), w.form->poolFrame);
            QCOMPARE(item->size(), QSize(121, 25));
            const int column = i >= 40 ? i - 40 : std::min(i / 10, 3);
            QCOMPARE(item->x(), lefts[column]);
        }
        const int fourthColumn[] = {30, 31, 32, 34, 35, 33, 36, 37, 38, 39};
        for (int row = 0; row < 10; ++row)
            QCOMPARE(w.form->pool[fourthColumn[row]]->y(), 24 + 32 * row);
        for (int i = 40; i < 44; ++i)
            QCOMPARE(w.form->pool[i]->y(), 24 + 32 * 10);
    }

    void coloursFontsAndCaptions()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        QCOMPARE(windowColour(&f), QColor(192, 0, 0));
        QCOMPARE(windowColour(f.titleStrip), QColor(70, 70, 70));
        QCOMPARE(textColour(f.title), QColor(Qt::white));
        QCOMPARE(textColour(f.infinitive), QColor(Qt::white));
        QCOMPARE(textColour(f.tensePhrase), QColor(Qt::white));
        QCOMPARE(textColour(f.instruction), QColor(Qt::black));
        QCOMPARE(textColour(f.tenseIntro), QColor(Qt::black));
        QCOMPARE(windowColour(f.tenseIntro), QColor(192, 0, 0));
        QCOMPARE(textColour(f.personCaptions[0]), QColor(162, 181, 163));
        QVERIFY(!f.personCaptions[0]->autoFillBackground());
        QCOMPARE(windowColour(f.targets[0]), QColor(113, 149, 155));
        QCOMPARE(windowColour(f.pool[0]), QColor(155, 162, 134));
        QCOMPARE(windowColour(f.poolFrame), QColor(Qt::black));
        QCOMPARE(windowColour(f.menuPanel), QColor(242, 180, 102));
        QCOMPARE(windowColour(f.menuButton), QColor(155, 162, 134));
        QCOMPARE(f.pool[0]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(f.instruction->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(f.poolFrame->caption(), QStringLiteral("Propostes de resposta."));
        // The frame's caption is written in the targets' blue on the black frame.
        const QImage frame = f.poolFrame->grab(QRect(0, 0, 200, 16)).toImage();
        int captionInk = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                captionInk += frame.pixelColor(x, y) == QColor(113, 149, 155);
        QVERIFY(captionInk > 50);
        QCOMPARE(f.menuButton->text(), QStringLiteral("MENÚ."));
        QCOMPARE(f.instructionsEntry->text(), QStringLiteral("Objectiu."));
        QCOMPARE(f.quitEntry->text(), QStringLiteral("&Sortir."));
        QCOMPARE(f.infinitive->font().pixelSize(), 16);         // Arial 12 pt
        QCOMPARE(f.instruction->font().pixelSize(), 13);        // Arial 9.75 pt
        QCOMPARE(f.personCaptions[0]->font().pixelSize(), 11);  // MS Sans Serif 8.25 pt
        QVERIFY(f.personCaptions[0]->font().bold());
        QVERIFY(!f.credit->font().bold());
        QVERIFY(!f.windowIcon().isNull());
        QVERIFY(f.menuPanel->isHidden());
    }

    // The substituted faces must keep the captions inside the labels drawn for them.
    void captionsFitTheirLabels()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        std::vector<QWidget*> labels = {f.instruction, f.tenseIntro,        f.credit,
                                        f.menuButton,  f.instructionsEntry, f.quitEntry};
        labels.insert(labels.end(), f.personCaptions.begin(), f.personCaptions.end());
        for (QWidget* label : labels) {
            const QString shown = label->property("text").toString().remove(QLatin1Char('&'));
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
        for (chrome::FaceButton* button : w.form->findChildren<chrome::FaceButton*>())
            if (!button->picture().isNull() && button->isVisible())
                withPictures << button->objectName();
        withPictures.sort();
        QCOMPARE(withPictures,
                 (QStringList{"closeButton", "minimiseButton", "newVerbButton", "restartButton", "scoreButton"}));
        for (chrome::FaceButton* button : {w.form->scoreButton, w.form->restartButton, w.form->newVerbButton,
                                           w.form->closeButton, w.form->minimiseButton}) {
            QVERIFY(showsFace(button, Face::Normal));
            QCOMPARE(button->picture().deviceIndependentSize().toSize(), button->size());
        }
    }

    // Which surfaces put which highlighted control back to its normal look.
    void surfacesRestoreTheControlsTheyReset_data()
    {
        QTest::addColumn<QString>("highlighted");
        QTest::addColumn<int>("surface");
        QTest::addColumn<bool>("restores");
        const std::vector<Surface> all = {
            Surface::Background,    Surface::Frame,       Surface::Pool,     Surface::Instruction,
            Surface::TitleLeftDrag, Surface::MinimiseBox, Surface::CloseBox, Surface::InstructionsEntry,
            Surface::QuitEntry,     Surface::TenseIntro,  Surface::Strip,    Surface::Target};
        const std::map<QString, std::set<Surface>> restoredBy = {
            {"scoreButton",
             {Surface::Background, Surface::Frame, Surface::Pool, Surface::Instruction, Surface::TitleLeftDrag}},
            {"newVerbButton",
             {Surface::Background, Surface::Frame, Surface::Pool, Surface::Instruction, Surface::TitleLeftDrag}},
            {"closeButton",
             {Surface::Background, Surface::Frame, Surface::Instruction, Surface::TitleLeftDrag, Surface::MinimiseBox}},
            {"minimiseButton", {Surface::Background, Surface::Frame, Surface::TitleLeftDrag, Surface::CloseBox}},
            {"restartButton", {Surface::Background, Surface::Frame}},
            {"menuButton", {Surface::Background, Surface::Frame, Surface::Pool}},
            {"instructionsEntry", {Surface::Background, Surface::Frame, Surface::Pool, Surface::QuitEntry}},
            {"quitEntry", {Surface::Background, Surface::Frame, Surface::Pool, Surface::InstructionsEntry}},
        };
        for (const auto& [control, surfaces] : restoredBy)
            for (Surface s : all) {
                if ((control == "minimiseButton" && s == Surface::MinimiseBox)
                    || (control == "closeButton" && s == Surface::CloseBox)
                    || (control == "instructionsEntry" && s == Surface::InstructionsEntry)
                    || (control == "quitEntry" && s == Surface::QuitEntry))
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
        ExerciseWindow& f = *w.form;
        w.click(f.menuButton);  // opens the menu panel so its entries can be reached
        QVERIFY(f.menuPanel->isVisible());
        auto* control = f.findChild<QWidget*>(highlighted);
        w.moveTo(control);
        auto* face = qobject_cast<chrome::FaceButton*>(control);
        auto lit = [&] { return face ? showsFace(face, Face::Hover) : windowColour(control) == kMenuHighlight; };
        QVERIFY(lit());
        moveOver(w, Surface(surface));
        QCOMPARE(!lit(), restores);
    }

    void aClickLooksLikeHoverPressHoverNormal()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        w.moveTo(f.scoreButton);
        QVERIFY(showsFace(f.scoreButton, Face::Hover));
        w.press(f.scoreButton);
        QVERIFY(showsFace(f.scoreButton, Face::Pressed));
        w.moveTo(f.scoreButton, {3, 0});
        QVERIFY(showsFace(f.scoreButton, Face::Hover));
        w.release(f.scoreButton, Qt::LeftButton, {3, 0});
        QVERIFY(showsFace(f.scoreButton, Face::Normal));
        QVERIFY(w.scoreShown());  // the face went back before the click's action
    }

    void aReleaseOutsideTheButtonIsNoClick()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        w.press(f.scoreButton);
        w.moveToWindow({600, 70});
        QVERIFY(showsFace(f.scoreButton, Face::Hover));  // the button keeps the pointer while it is held
        QTest::mouseRelease(w.handle(), Qt::LeftButton, {}, {600, 70});
        QVERIFY(showsFace(f.scoreButton, Face::Normal));
        QVERIFY(!w.scoreShown());
    }

    void theRightButtonPressesButDoesNotClick()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        w.press(f.newVerbButton, Qt::RightButton);
        QVERIFY(showsFace(f.newVerbButton, Face::Pressed));
        w.release(f.newVerbButton, Qt::RightButton);
        QVERIFY(showsFace(f.newVerbButton, Face::Normal));
        QCOMPARE(f.infinitive->text(), QStringLiteral("cantar"));
    }

    void theTitleOnlyAnswersTheLeftButtonAlone()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        for (QWidget* button : {f.scoreButton, f.minimiseButton, f.restartButton})
            w.moveTo(button);
        w.moveTo(f.title);
        QVERIFY(showsFace(f.scoreButton, Face::Hover));
        w.press(f.title, Qt::RightButton);
        w.moveTo(f.title, {2, 0});
        w.release(f.title, Qt::RightButton, {2, 0});
        QVERIFY(showsFace(f.minimiseButton, Face::Hover));
        moveOver(w, Surface::TitleLeftDrag);
        QVERIFY(showsFace(f.scoreButton, Face::Normal));
        QVERIFY(showsFace(f.minimiseButton, Face::Normal));
        QVERIFY(showsFace(f.restartButton, Face::Hover));
        QVERIFY(f.pos() == w.form->pos());
    }

    // A left drag over the title gives up the capture of the press: the pointer then lights what
    // it moves over, and the release there is no click. With the right button the title keeps it.
    void aLeftDragOverTheTitleGivesThePointerBack()
    {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            Window w(1, 1);
            ExerciseWindow& f = *w.form;
            w.press(f.title, button);
            w.moveTo(f.title, {2, 0});
            w.moveTo(f.scoreButton);
            QCOMPARE(showsFace(f.scoreButton, Face::Hover), button == Qt::LeftButton);
            w.release(f.scoreButton, button);
            QVERIFY(showsFace(f.scoreButton, Face::Normal));
            QVERIFY(!w.scoreShown());
            w.moveTo(f.scoreButton, {2, 0});  // and after the release, as ever
            QVERIFY(showsFace(f.scoreButton, Face::Hover));
        }
    }

    void theInstructionRestoresOnlyThreeFaces()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        w.click(f.menuButton);
        for (QWidget* control :
             std::initializer_list<QWidget*>{f.restartButton, f.minimiseButton, f.scoreButton, f.quitEntry})
            w.moveTo(control);
        w.moveTo(f.instruction);
        QVERIFY(showsFace(f.scoreButton, Face::Normal));
        QVERIFY(showsFace(f.restartButton, Face::Hover));
        QVERIFY(showsFace(f.minimiseButton, Face::Hover));
        QCOMPARE(windowColour(f.quitEntry), kMenuHighlight);
        QVERIFY(f.menuPanel->isVisible());
    }

    void theMenuOpensOnlyFromItsLabelAndClosesOnlyByAReset()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        w.click(f.menuButton);
        w.click(f.menuButton);
        QVERIFY(f.menuPanel->isVisible());
        w.moveTo(f.instructionsEntry);
        QCOMPARE(windowColour(f.instructionsEntry), kMenuHighlight);
        QCOMPARE(windowColour(f.menuButton), kMenuHighlight);
        w.moveTo(f.quitEntry);
        QCOMPARE(windowColour(f.quitEntry), kMenuHighlight);
        QCOMPARE(windowColour(f.instructionsEntry), kMenuNormal);
        w.click(f.instructionsEntry);
        QVERIFY(f.menuPanel->isVisible());
        QVERIFY(w.presentationShown());
        QCOMPARE(w.presentation().message->text().left(27), QStringLiteral("L'exercici és molt senzill."));
        w.moveTo(f.infinitive);  // a label without handlers closes nothing
        QVERIFY(f.menuPanel->isVisible());
        w.moveToWindow({600, 70});
        QVERIFY(f.menuPanel->isHidden());
        QCOMPARE(windowColour(f.menuButton), kMenuNormal);
    }

    void bothQuitControlsUnloadThePopupsAndClose()
    {
        for (int way = 0; way < 2; ++way) {
            Window w(1, 1);
            ExerciseWindow& f = *w.form;
            w.click(f.scoreButton);
            w.openInstructions();
            if (way == 0) {
                w.click(f.closeButton);
            } else {
                w.click(f.menuButton);
                w.click(f.quitEntry);
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
            ExerciseWindow& f = *w.form;
            if (way == 1)
                w.click(f.menuButton);
            QWidget* quitControl = way == 0 ? static_cast<QWidget*>(f.closeButton) : f.quitEntry;
            // Both clicks wait in the queue before the first is handled.
            for (QWidget* control : {quitControl, static_cast<QWidget*>(f.scoreButton)})
                QMetaObject::invokeMethod(
                    qApp, [&w, control] { w.click(control); }, Qt::QueuedConnection);
            QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // the program ran on
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY(!f.isVisible());
            QVERIFY(!w.scoreShown());
        }
    }

    // A close that comes from the window system (the window manager's close, the session's end)
    // takes the same way out, with a pop-up open and input queued behind it: a click on
    // "Avaluar." or F1.
    void aCloseFromTheWindowSystemEndsTheProgramWhateverIsQueuedBehindIt()
    {
        for (int way = 0; way < 2; ++way) {
            Window w(1, 1);
            ExerciseWindow& f = *w.form;
            w.openInstructions();
            QMetaObject::invokeMethod(
                qApp, [&w] { w.handle()->close(); }, Qt::QueuedConnection);
            QMetaObject::invokeMethod(
                qApp,
                [&w, way] {
                    if (way == 0)
                        w.click(w.form->scoreButton);
                    else
                        QTest::keyClick(w.handle(), Qt::Key_F1);
                },
                Qt::QueuedConnection);
            QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // the program ran on
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY(!f.isVisible());
            QVERIFY(w.scoreUnloaded());
            QVERIFY(w.presentationUnloaded());
        }
    }

    void minimisingUnloadsThePopupsAndKeepsTheWindowReachable()
    {
        Window w(1, 1, {{2, 2}});
        ExerciseWindow& f = *w.form;
        w.click(f.scoreButton);
        w.click(f.minimiseButton);
        QVERIFY(w.scoreUnloaded());
        QVERIFY(f.windowState() & Qt::WindowMinimized);
        // Away from X11 the task-bar entry comes from the window type.
        QCOMPARE(f.windowFlags() & Qt::WindowType_Mask, Qt::Window);
        QCOMPARE(f.infinitive->text(), QStringLiteral("cantar"));  // the exercise goes on
        w.click(f.newVerbButton);                                  // a new exercise puts the window back to normal
        QVERIFY(!(f.windowState() & Qt::WindowMinimized));
        QCOMPARE(f.infinitive->text(), QStringLiteral("témer"));
        QTRY_COMPARE(f.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(f.testAttribute(Qt::WA_QuitOnClose));
    }
};

QTEST_MAIN(ExerciseLookTest)
#include "exercise_look_test.moc"
