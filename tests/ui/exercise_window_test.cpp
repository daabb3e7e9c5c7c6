// The exercise window driven offscreen through its native window, as a real pointer drives it.
#include "tests/ui/window_driver.h"
#include "ui/chrome/layout_font.h"

class ExerciseWindowTest : public QObject {
    Q_OBJECT

private slots:
    // ---- building and showing an exercise ----

    void startsWithAnExerciseFromItsLoad()
    {
        Window w(25, 7);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("La conjugació dels verbs."));
        QCOMPARE(w.form->instruction->text(), QStringLiteral("- Heu de conjugar el verb  "));
        QCOMPARE(w.form->infinitive->text(), QStringLiteral("lluir(forma pura)"));
        QCOMPARE(w.form->tenseIntro->text(), QStringLiteral("en"));
        QCOMPARE(w.form->tensePhrase->text(), QStringLiteral("futur d'indicatiu."));
        QCOMPARE(w.form->title->text(), QStringLiteral("La conjugació dels verbs- "));
        QVERIFY(w.form->title->isVisible());
        QVERIFY(w.form->title->width() > 22);  // the title label widens to its caption
        for (int r = 0; r < 6; ++r)
            QCOMPARE(w.form->personCaptions[r]->text(), ToQString(catalogue::personCaption(r)));
    }

    void poolIsShownInSlotOrderWithBlanksEmpty()
    {
        Window w(1, 2);
        const auto& pool = catalogue::paradigm(1).pool;
        for (int i = 0; i < 44; ++i)
            QCOMPARE(w.form->pool[i]->text(), ToQString(pool[i]));
        for (int i = 40; i < 44; ++i) {
            QCOMPARE(w.form->pool[i]->text(), QString());
            QVERIFY(w.form->pool[i]->isVisible());
        }
        for (QLabel* target : w.form->targets)
            QCOMPARE(target->text(), QString());
    }

    void imperativeHidesRowZeroAndTheNextExerciseShowsIt()
    {
        Window w(1, 3, {{2, 1}});
        QVERIFY(w.form->personCaptions[0]->isHidden());
        QVERIFY(w.form->targets[0]->isHidden());
        for (int r = 1; r < 6; ++r)
            QVERIFY(w.form->targets[r]->isVisible());
        w.click(w.form->newVerbButton);
        QCOMPARE(w.form->infinitive->text(), QStringLiteral("témer"));
        QVERIFY(w.form->personCaptions[0]->isVisible());
        QVERIFY(w.form->targets[0]->isVisible());
    }

    void typeSizesFollowTheCatalogueAndResetAtTheNextExercise()
    {
        const int small = chrome::LayoutFont("Arial", 8, true).pixelSize();
        const int normal = chrome::LayoutFont("Arial", 10, true).pixelSize();
        QVERIFY(small < normal);
        Window w(14, 2, {{40, 8}, {1, 1}});
        QCOMPARE(w.form->pool[0]->font().pixelSize(), small);
        QCOMPARE(w.form->targets[0]->font().pixelSize(), small);
        w.click(w.form->newVerbButton);
        QCOMPARE(w.form->pool[43]->font().pixelSize(), normal);
        QCOMPARE(w.form->targets[5]->font().pixelSize(), small);
        w.click(w.form->newVerbButton);
        QCOMPARE(w.form->pool[0]->font().pixelSize(), normal);
        QCOMPARE(w.form->targets[0]->font().pixelSize(), normal);
    }

    void newExerciseLeavesAnOpenScoreShowing()
    {
        Window w(1, 1, {{2, 2}});
        w.click(w.form->scoreButton);
        QVERIFY(w.scoreShown());
        w.click(w.form->newVerbButton);
        QVERIFY(w.scoreShown());
        QCOMPARE(w.score().message->text(), QStringLiteral("Heu aconseguit: 0 / 6"));
    }

    // ---- drag and drop ----

    void dragFromThePoolToATargetAndBack()
    {
        Window w(1, 1);
        QLabel* canto = w.itemShowing(QStringLiteral("canto"));
        QVERIFY(canto);
        w.drag(canto, w.form->targets[0]);
        QCOMPARE(w.form->targets[0]->text(), QStringLiteral("canto"));
        QCOMPARE(canto->text(), QString());

        QLabel* cantes = w.itemShowing(QStringLiteral("cantes"));
        w.drag(cantes, w.form->targets[0]);  // the old form goes where the new one came from
        QCOMPARE(w.form->targets[0]->text(), QStringLiteral("cantes"));
        QCOMPARE(cantes->text(), QStringLiteral("canto"));

        w.drag(w.form->targets[0], w.form->pool[42]);
        QCOMPARE(w.form->pool[42]->text(), QStringLiteral("cantes"));
        QCOMPARE(w.form->targets[0]->text(), QString());

        w.drag(w.form->pool[42], w.form->targets[3], Qt::RightButton);  // any button drags
        QCOMPARE(w.form->targets[3]->text(), QStringLiteral("cantes"));
        w.drag(w.form->targets[3], w.form->targets[5], Qt::MiddleButton);
        QCOMPARE(w.form->targets[5]->text(), QStringLiteral("cantes"));
        QCOMPARE(w.form->targets[3]->text(), QString());
    }

    void dropsAnywhereElseChangeNothing()
    {
        Window w(1, 1);
        const QStringList items = w.items();
        for (QWidget* elsewhere :
             std::initializer_list<QWidget*>{w.form->personCaptions[2], w.form->instruction, w.form->scoreButton,
                                             w.form->menuButton, w.form->titleStrip}) {
            w.drag(w.form->pool[0], elsewhere);
            QCOMPARE(w.items(), items);
        }
        // The bare frame between the pool labels.
        w.press(w.form->pool[0]);
        const QPoint gap = w.form->poolFrame->mapTo(w.form.get(), QPoint(132, 30));
        QTest::mouseMove(w.handle(), gap);
        QTest::mouseRelease(w.handle(), Qt::LeftButton, {}, gap);
        QCOMPARE(w.items(), items);
        QCOMPARE(w.targets(), QStringList(6, QString()));
    }

    // The drag lasts until the last held button is released.
    void aDragWithTwoButtonsHeldEndsWithTheLastRelease()
    {
        Window w(1, 1);
        QWidget* drawn = w.form->findChild<QWidget*>(QStringLiteral("dragOutline"));
        const QString form = w.form->pool[0]->text();
        w.press(w.form->pool[0]);
        QTest::mousePress(w.handle(), Qt::RightButton, {}, w.centre(w.form->pool[0]));
        w.moveTo(w.form->targets[2]);
        w.release(w.form->targets[2], Qt::RightButton);
        QVERIFY(drawn->isVisible());
        QCOMPARE(w.form->targets[2]->text(), QString());
        w.moveTo(w.form->targets[3]);
        w.release(w.form->targets[3], Qt::LeftButton);
        QVERIFY(!drawn->isVisible());
        QCOMPARE(w.form->targets[3]->text(), form);
        QCOMPARE(w.form->pool[0]->text(), QString());
    }

    // When the release of a press is lost (the native window was made anew under it), the next
    // press starts afresh instead of finishing the old drag.
    void aLostReleaseLeavesNoDragBehind()
    {
        Window w(1, 1);
        QWidget* outline = w.form->findChild<QWidget*>(QStringLiteral("dragOutline"));
        const QString first = w.form->pool[0]->text(), second = w.form->pool[1]->text();
        w.press(w.form->pool[0]);
        w.moveTo(w.form->targets[4]);
        QTest::mousePress(w.handle(), Qt::LeftButton, {}, w.centre(w.form->pool[1]));  // no release came
        w.moveTo(w.form->targets[2]);
        w.release(w.form->targets[2]);
        QVERIFY(!outline->isVisible());
        QCOMPARE(w.form->targets[2]->text(), second);
        QCOMPARE(w.form->targets[4]->text(), QString());
        QCOMPARE(w.form->pool[0]->text(), first);
    }

    // Under a window manager that reparents the window, Qt can believe the window elsewhere than it
    // is: the pointer's global position then disagrees with the window's own. The drop goes by the
    // position within the window.
    void aDropLandsUnderThePointerWhereverTheWindowIsBelievedToBe()
    {
        Window w(1, 1);
        const QPoint shift(137, -53);
        auto send = [&](QEvent::Type type, QWidget* over, Qt::MouseButtons held) {
            const QPoint local = w.centre(over);
            QMouseEvent event(type, local, w.form->mapToGlobal(local) + shift, Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(w.handle(), &event);
        };
        QLabel* canto = w.itemShowing(QStringLiteral("canto"));
        send(QEvent::MouseButtonPress, canto, Qt::LeftButton);
        send(QEvent::MouseMove, w.form->targets[2], Qt::LeftButton);
        send(QEvent::MouseButtonRelease, w.form->targets[2], Qt::NoButton);
        QCOMPARE(w.form->targets[2]->text(), QStringLiteral("canto"));
        QCOMPARE(canto->text(), QString());
    }

    // A pop-up over the exercise window takes a release above it: nothing is dropped beneath.
    void aDragReleasedOverTheScoreWindowDropsNothing()
    {
        Window w(1, 1);
        w.drag(w.itemShowing(QStringLiteral("canto")), w.form->targets[0]);
        w.click(w.form->scoreButton);
        ScoreWindow& score = w.score();
        const QPoint overScore = w.form->mapFromGlobal(score.mapToGlobal(score.rect().center()));
        QLabel* beneath = w.form->pool[w.form->slotOf(w.form->childAt(overScore))->index];
        QVERIFY(beneath->isVisible());
        const QStringList items = w.items();
        w.press(w.form->targets[0]);
        QTest::mouseMove(w.handle(), overScore);
        QTest::mouseRelease(w.handle(), Qt::LeftButton, {}, overScore);
        QCOMPARE(w.items(), items);
        QCOMPARE(w.form->targets[0]->text(), QStringLiteral("canto"));
        QVERIFY(w.scoreShown());
    }

    void hiddenTargetReceivesNoDrop()
    {
        Window w(1, 3);
        const QStringList items = w.items();
        w.drag(w.form->pool[0], w.form->targets[0]);
        QCOMPARE(w.items(), items);
        QCOMPARE(w.form->targets[0]->text(), QString());
    }

    void pressOnAnEmptyLabelStartsNoDrag()
    {
        Window w(1, 1);
        const QStringList items = w.items();
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            w.drag(w.form->pool[41], w.form->pool[0], button);    // an empty pool slot
            w.drag(w.form->targets[1], w.form->pool[1], button);  // an empty target
            QCOMPARE(w.items(), items);
            QCOMPARE(w.targets(), QStringList(6, QString()));
        }
    }

    void dropOntoThePoolClosesThePopupsButOntoATargetDoesNot()
    {
        Window w(1, 1);
        w.click(w.form->scoreButton);
        w.openInstructions();
        QVERIFY(w.scoreShown());
        QVERIFY(w.presentationShown());
        w.drag(w.form->pool[0], w.form->targets[1]);
        QVERIFY(w.scoreShown());
        QVERIFY(w.presentationShown());
        w.drag(w.form->targets[1], w.form->pool[0]);
        QVERIFY(w.scoreUnloaded());
        QVERIFY(w.presentationUnloaded());

        // A pool label dropped onto itself is a drop onto the pool as well.
        w.click(w.form->scoreButton);
        w.openInstructions();
        w.drag(w.form->pool[0], w.form->pool[0]);  // out from under the pop-ups
        QVERIFY(w.scoreUnloaded());
        QVERIFY(w.presentationUnloaded());
    }

    // ---- scoring and restarting ----

    void scoringShowsThePopupAndReplacesItsTextInPlace()
    {
        Window w(1, 1);
        w.drag(w.itemShowing(QStringLiteral("canto")), w.form->targets[0]);
        w.click(w.form->scoreButton);
        ScoreWindow& popup = w.score();
        QVERIFY(popup.isVisible());
        QCOMPARE(popup.message->text(), QStringLiteral("Heu aconseguit: 1 / 6"));
        popup.move(popup.pos() + QPoint(30, 20));
        const QPoint moved = popup.pos();
        w.drag(w.itemShowing(QStringLiteral("cantes")), w.form->targets[1]);
        w.click(w.form->scoreButton);
        QCOMPARE(popup.message->text(), QStringLiteral("Heu aconseguit: 2 / 6"));
        QCOMPARE(popup.pos(), moved);

        // "Sortir." hides it; the next score shows it where it was.
        QTest::mouseClick(popup.windowHandle(), Qt::LeftButton, {}, popup.closeButton->geometry().center());
        QVERIFY(popup.isHidden());
        QCOMPARE(popup.message->text(), QStringLiteral("Heu aconseguit: 2 / 6"));  // hidden, not unloaded
        w.click(w.form->scoreButton);
        QVERIFY(popup.isVisible());
        QCOMPARE(popup.pos(), moved);
    }

    void scoringLeavesTheInstructionsOpen()
    {
        Window w(1, 1);
        w.openInstructions();
        w.click(w.form->scoreButton);
        QVERIFY(w.scoreShown());
        QVERIFY(w.presentationShown());
        QCOMPARE(w.presentation().message->text().size(), 271);
    }

    void imperativeScoresOutOfFive()
    {
        Window w(22, 3);
        w.click(w.form->scoreButton);
        QCOMPARE(w.score().message->text(), QStringLiteral("Heu aconseguit: 5 / 5"));
    }

    void restartBringsThePoolBackAndUnloadsThePopups()
    {
        Window w(26, 3);
        const QStringList items = w.items();
        w.drag(w.form->pool[1], w.form->targets[2]);
        w.drag(w.form->pool[5], w.form->pool[9]);
        w.click(w.form->scoreButton);
        w.openInstructions();
        w.press(w.form->restartButton);
        QVERIFY(showsFace(w.form->restartButton, Face::Pressed));
        w.release(w.form->restartButton);
        QCOMPARE(w.items(), items);
        QCOMPARE(w.targets(), QStringList(6, QString()));
        QVERIFY(w.scoreUnloaded());
        QVERIFY(w.presentationUnloaded());
        QVERIFY(showsFace(w.form->restartButton, Face::Normal));
        QVERIFY(w.form->targets[0]->isHidden());
        QCOMPARE(w.form->infinitive->text(), QStringLiteral("néixer"));
    }

    // Every row goes empty, the last one too, and a new exercise is told to screen readers.
    void restartEmptiesEveryRowAndANewVerbIsDescribed()
    {
        Window w(1, 1, {{2, 8}});
        w.drag(w.itemShowing(QStringLiteral("canten")), w.form->targets[5]);
        w.drag(w.itemShowing(QStringLiteral("canto")), w.form->targets[0]);
        w.click(w.form->restartButton);
        QCOMPARE(w.targets(), QStringList(6, QString()));
        QVERIFY(w.itemShowing(QStringLiteral("canten")));

        QVERIFY(w.form->accessibleDescription().contains(QStringLiteral("cantar")));
        w.click(w.form->newVerbButton);
        QCOMPARE(w.form->accessibleDescription(),
                 QStringLiteral("- Heu de conjugar el verb témer en present de condicional."));
    }

    void presentationCloseLeavesItLoadedHiddenAndEmpty()
    {
        Window w(1, 1);
        w.openInstructions();
        InstructionsWindow& presentation = w.presentation();
        QVERIFY(presentation.isVisible());
        QCOMPARE(presentation.message->text().size(), 271);
        QVERIFY(!presentation.message->text().endsWith(QLatin1Char('.')));
        QTest::mouseMove(presentation.windowHandle(), {350, 220});  // the bare window: green face
        QVERIFY(!showsPicture(presentation.closeButton, "popup_close_blue"));
        QTest::mouseClick(presentation.windowHandle(), Qt::LeftButton, {},
                          presentation.closeButton->geometry().center());
        // Unloaded, then loaded again unseen: empty, with its own face back.
        QVERIFY(presentation.isHidden());
        QCOMPARE(presentation.message->text(), QString());
        QVERIFY(showsPicture(presentation.closeButton, "popup_close_blue"));
    }
};

QTEST_MAIN(ExerciseWindowTest)
#include "exercise_window_test.moc"
