// The feedback mode as a learner meets it: after "Avaluar." each visible target is marked right or
// wrong, the marks go as soon as the board changes, and "Solució." (or F3) puts every expected form
// on its target. Without the mode none of it shows. Pointer and keys go through the windows.
#include <QAccessible>
#include <QFontMetrics>

#include "tests/ui/window_driver.h"
#include "ui/exercise/answer_marks.h"

namespace {

const Practice kFeedback{{}, true};

void key(QWidget* window, int k) { QTest::keyClick(window->windowHandle(), Qt::Key(k)); }

QString name(QObject* control) { return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name); }

AnswerMark* mark(Window& w, int row)
{
    return w.form->findChild<AnswerMark*>(QStringLiteral("answerMark_%1").arg(row));
}

// "R" for a right mark, "W" for a wrong one and "-" for none, row by row.
QString marks(Window& w)
{
    QString shown;
    for (int row = 0; row < 6; ++row) {
        const AnswerMark* m = mark(w, row);
        shown += !m || !m->isVisible() ? QLatin1Char('-') : m->right() ? QLatin1Char('R') : QLatin1Char('W');
    }
    return shown;
}

QStringList targetNames(Window& w)
{
    QStringList names;
    for (QLabel* target : w.form->targets)
        names << name(target);
    return names;
}

// Places the first present indicative of cantar right and two forms wrong, and asks for the score.
void answerPartlyAndScore(Window& w)
{
    ExerciseWindow& f = *w.form;
    w.drag(w.itemShowing(QStringLiteral("canto")), f.targets[0]);
    w.drag(w.itemShowing(QStringLiteral("canta")), f.targets[1]);
    w.drag(w.itemShowing(QStringLiteral("cantaven")), f.targets[5]);
    w.click(f.scoreButton);
}

const QStringList kCantarPresent{"canto", "cantes", "canta", "cantem", "canteu", "canten"};

}  // namespace

class FeedbackTest : public QObject {
    Q_OBJECT

private slots:
    void scoringMarksEveryTargetAndNamesSayWhich()
    {
        Window w(1, 1, {}, kFeedback);
        QCOMPARE(marks(w), QStringLiteral("------"));
        answerPartlyAndScore(w);
        QCOMPARE(w.score().message->text(), QStringLiteral("Heu aconseguit: 1 / 6"));
        QCOMPARE(marks(w), QStringLiteral("RWWWWW"));
        QCOMPARE(targetNames(w),
                 (QStringList{"1 persona singular: canto, correcta", "2 persona singular: canta, incorrecta",
                              "3 persona singular: buit, incorrecta", "1 persona plural: buit, incorrecta",
                              "2 persona plural: buit, incorrecta", "3 persona plural: cantaven, incorrecta"}));
        // Each mark sits on its own target's lower right corner, for the eye alone: a screen reader
        // hears the verdict in the target's name.
        for (int row = 0; row < 6; ++row) {
            const QRect target = w.form->targets[row]->geometry();
            QVERIFY((mark(w, row)->geometry().center() - target.bottomRight()).manhattanLength() <= 12);
            QAccessibleEvent shown(mark(w, row), QAccessible::ObjectShow);
            QVERIFY(!shown.accessibleInterface());
        }

        // The score window goes; the marks stay.
        w.score().closeButton->click();
        QVERIFY(!w.scoreShown());
        QCOMPARE(marks(w), QStringLiteral("RWWWWW"));
    }

    void theImperativeMarksItsFiveRows()
    {
        Window w(1, 3, {}, kFeedback);
        w.drag(w.itemShowing(QStringLiteral("canta")), w.form->targets[1]);
        w.click(w.form->scoreButton);
        QCOMPARE(marks(w), QStringLiteral("-RWWWW"));
        QCOMPARE(name(w.form->targets[1]), QStringLiteral("2 persona singular: canta, correcta"));
    }

    void anyChangeOfTheBoardTakesTheMarksAway()
    {
        Window w(1, 1, {{2, 4}}, kFeedback);
        ExerciseWindow& f = *w.form;
        answerPartlyAndScore(w);
        const auto scoreAgain = [&] {
            w.click(f.scoreButton);
            QVERIFY(marks(w).contains(QLatin1Char('W')));
        };

        // Picking a form up and putting it down again moves nothing: the marks stay.
        w.click(f.targets[1]);
        w.click(f.targets[1]);
        QCOMPARE(marks(w), QStringLiteral("RWWWWW"));

        w.drag(f.targets[1], f.targets[2]);  // a drag
        QCOMPARE(marks(w), QStringLiteral("------"));
        QCOMPARE(name(f.targets[2]), QStringLiteral("3 persona singular: canta"));

        scoreAgain();
        w.click(f.targets[2]);  // a click picks up, a click places
        w.click(f.targets[3]);
        QCOMPARE(marks(w), QStringLiteral("------"));

        scoreAgain();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.windowHandle()));
        for (int i = 0; i < 60 && f.focusWidget() != f.targets[3]; ++i)
            QTest::keyClick(w.handle(), Qt::Key_Tab);
        QCOMPARE(f.focusWidget(), f.targets[3]);
        QTest::keyClick(w.handle(), Qt::Key_Space);  // picks up
        QTest::keyClick(w.handle(), Qt::Key_Up);
        QTest::keyClick(w.handle(), Qt::Key_Return);  // places
        QCOMPARE(f.targets[2]->text(), QStringLiteral("canta"));
        QCOMPARE(marks(w), QStringLiteral("------"));

        scoreAgain();
        w.click(f.restartButton);
        QCOMPARE(marks(w), QStringLiteral("------"));
        QCOMPARE(name(f.targets[0]), QStringLiteral("1 persona singular: buit"));

        scoreAgain();
        w.click(f.newVerbButton);
        QCOMPARE(marks(w), QStringLiteral("------"));
    }

    void solutionPutsEveryExpectedFormOnItsTargetAndScoresFull()
    {
        Window w(1, 1, {}, kFeedback);
        ExerciseWindow& f = *w.form;
        answerPartlyAndScore(w);
        QStringList captions = w.items() + w.targets();
        ScoreWindow& score = w.score();
        QVERIFY(score.solutionButton && score.solutionButton->isVisible());
        QTest::mouseClick(score.windowHandle(), Qt::LeftButton, {},
                          score.solutionButton->mapTo(&score, score.solutionButton->rect().center()));
        QVERIFY(!w.scoreShown());
        QCOMPARE(w.targets(), kCantarPresent);
        QCOMPARE(marks(w), QStringLiteral("RRRRRR"));
        QCOMPARE(name(f.targets[5]), QStringLiteral("3 persona plural: canten, correcta"));
        // The forms were moved, not copied: the board holds the same forms as before.
        QStringList after = w.items() + w.targets();
        captions.sort();
        after.sort();
        QCOMPARE(after, captions);
        // "cantaven" went back where "canten" came from, as a drop would have sent it.
        QVERIFY(w.itemShowing(QStringLiteral("cantaven")));

        w.click(f.scoreButton);
        QCOMPARE(score.message->text(), QStringLiteral("Heu aconseguit: 6 / 6"));
        QCOMPARE(marks(w), QStringLiteral("RRRRRR"));
    }

    void solutionByTheKeyboardInTheScoreWindow()
    {
        for (const int k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            Window w(1, 1, {}, kFeedback);
            answerPartlyAndScore(w);
            ScoreWindow& score = w.score();
            QTRY_VERIFY(score.isActiveWindow());
            key(&score, Qt::Key_Tab);
            QCOMPARE(score.focusWidget(), score.solutionButton);
            key(&score, k);
            QVERIFY(!w.scoreShown());
            QCOMPARE(w.targets(), kCantarPresent);
            QCOMPARE(marks(w), QStringLiteral("RRRRRR"));
            QTRY_VERIFY(w.form->isActiveWindow());  // the keyboard is back in the exercise
        }
    }

    // Until Tab takes the focus to "Solució.", the keys close the score window as they always have.
    void withoutTabTheKeysCloseTheScoreWindowAsBefore()
    {
        for (const int k : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Return}) {
            Window w(1, 1, {}, kFeedback);
            answerPartlyAndScore(w);
            ScoreWindow& score = w.score();
            QTRY_VERIFY(score.isActiveWindow());
            key(&score, k);
            QVERIFY(!w.scoreShown());
            QCOMPARE(w.targets()[1], QStringLiteral("canta"));
            QCOMPARE(marks(w), QStringLiteral("RWWWWW"));
        }
        // Escape closes it with "Solució." focused too, and when it opens again the focus is back
        // on the window.
        Window w(1, 1, {}, kFeedback);
        answerPartlyAndScore(w);
        ScoreWindow& score = w.score();
        QTRY_VERIFY(score.isActiveWindow());
        key(&score, Qt::Key_Tab);
        key(&score, Qt::Key_Escape);
        QVERIFY(!w.scoreShown());
        QCOMPARE(w.targets()[1], QStringLiteral("canta"));
        w.click(w.form->scoreButton);
        QTRY_VERIFY(score.isActiveWindow());
        QVERIFY(!score.solutionButton->hasFocus());
        key(&score, Qt::Key_Space);
        QVERIFY(!w.scoreShown());
        QCOMPARE(w.targets()[1], QStringLiteral("canta"));
    }

    void f3ShowsTheSolutionFromTheExerciseWindow()
    {
        Window w(1, 3, {}, kFeedback);
        ExerciseWindow& f = *w.form;
        w.drag(w.itemShowing(QStringLiteral("canti")), f.targets[1]);
        w.click(f.pool[7]);  // a form picked up is put down first
        key(&f, Qt::Key_F3);
        QCOMPARE(w.targets(), (QStringList{"", "canta", "canti", "cantem", "canteu", "cantin"}));
        QCOMPARE(marks(w), QStringLiteral("-RRRRR"));
        QVERIFY(!f.findChild<QWidget*>(QStringLiteral("pickedMark"))->isVisible());
        w.click(f.scoreButton);
        QCOMPARE(w.score().message->text(), QStringLiteral("Heu aconseguit: 5 / 5"));

        // With the score window open, F3 in the exercise window closes it as "Solució." does.
        w.click(f.restartButton);
        w.click(f.scoreButton);
        QVERIFY(w.scoreShown());
        key(&f, Qt::Key_F3);
        QVERIFY(!w.scoreShown());
        QCOMPARE(marks(w), QStringLiteral("-RRRRR"));
    }

    void solutionIsAPushButtonReachedByTab()
    {
        Window w(1, 1, {}, kFeedback);
        w.click(w.form->scoreButton);
        QAccessibleInterface* solution = QAccessible::queryAccessibleInterface(w.score().solutionButton);
        QCOMPARE(solution->role(), QAccessible::PushButton);
        QCOMPARE(solution->text(QAccessible::Name), QStringLiteral("Solució."));
        QVERIFY(solution->state().focusable);
    }

    // The longest forms wrap to two lines in the small type; the marks stay clear of them.
    void theMarksLeaveTheFormsReadable()
    {
        for (const auto& [verb, tense] : {std::pair{18, 5}, std::pair{14, 5}, std::pair{40, 8}, std::pair{22, 1}}) {
            Window w(verb, tense, {}, kFeedback);
            key(w.form.get(), Qt::Key_F3);
            for (int row = catalogue::firstPersonRow(tense); row < 6; ++row) {
                QLabel* target = w.form->targets[row];
                const QRect text = QFontMetrics(target->font())
                                       .boundingRect(target->contentsRect(),
                                                     int(target->alignment()) | Qt::TextWordWrap, target->text())
                                       .translated(target->pos());
                QVERIFY2(!text.intersects(mark(w, row)->geometry()),
                         qPrintable(QStringLiteral("the mark covers %1").arg(target->text())));
            }
        }
    }

    void withoutTheModeNoneOfItShows()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        answerPartlyAndScore(w);
        QVERIFY(f.findChildren<AnswerMark*>().isEmpty());
        QCOMPARE(w.score().solutionButton, nullptr);
        QVERIFY(w.score().findChildren<QAbstractButton*>().size() == 1);  // "Sortir." alone
        QCOMPARE(w.score().closeButton->geometry(), QRect(80, 72, 66, 20));
        QCOMPARE(name(f.targets[0]), QStringLiteral("1 persona singular: canto"));
        w.score().closeButton->click();
        key(&f, Qt::Key_F3);
        QCOMPARE(w.targets(), (QStringList{"canto", "canta", "", "", "", "cantaven"}));
    }
};

QTEST_MAIN(FeedbackTest)
#include "feedback_test.moc"
