// The exercise without dragging: the keyboard, clicks that pick up and place a form, and what
// screen readers are told. Keys and clicks go through the window as the learner's do.
#include <QAccessible>
#include <QAccessibleActionInterface>

#include "tests/ui/window_driver.h"

namespace {

void key(Window& w, int k, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(w.handle(), Qt::Key(k), modifiers); }

QWidget* focused(Window& w) { return w.form->focusWidget(); }

QString name(QObject* control) { return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name); }

QAccessible::Role role(QObject* control) { return QAccessible::queryAccessibleInterface(control)->role(); }

bool selected(QObject* control) { return QAccessible::queryAccessibleInterface(control)->state().selected; }

QWidget* pickedMark(Window& w) { return w.form->findChild<QWidget*>(QStringLiteral("pickedMark")); }
QWidget* focusRing(Window& w) { return w.form->findChild<QWidget*>(QStringLiteral("focusRing")); }

// Tabs until `control` has the focus; fails after a whole round.
void tabTo(Window& w, QWidget* control)
{
    for (int i = 0; i < 60 && focused(w) != control; ++i)
        key(w, Qt::Key_Tab);
    QCOMPARE(focused(w), control);
}

// Opens the score window as a keyboard user does: Space on "Avaluar." in the active window.
void openScoreByKeys(Window& w)
{
    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form->windowHandle()));
    tabTo(w, w.form->scoreButton);
    key(w, Qt::Key_Space);
    QTRY_VERIFY(w.score().isActiveWindow());
}

// The stops of one round, from the first Tab after the window opened.
QList<QWidget*> oneRound(Window& w)
{
    QList<QWidget*> round;
    key(w, Qt::Key_Tab);
    QWidget* first = focused(w);
    do {
        round << focused(w);
        key(w, Qt::Key_Tab);
    } while (focused(w) != first && round.size() < 100);
    return round;
}

// What screen readers are told beside the focus: each message the window's notification shows.
class Heard : public QObject {
public:
    explicit Heard(Window& w) : announcer_(w.form->findChild<QWidget*>(QStringLiteral("announcer")))
    {
        announcer_->installEventFilter(this);
    }
    // The messages since the last call.
    QStringList take() { return std::exchange(messages_, {}); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            messages_ << name(announcer_);
        return false;
    }

private:
    QWidget* announcer_;
    QStringList messages_;
};

// Where a screen reader says a control stands: its place among its parent's children, and how many
// they are ("3 of 44").
std::pair<int, int> position(QWidget* control)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(control);
    QAccessibleInterface* parent = interface->parent();
    return {parent->indexOfChild(interface) + 1, parent->childCount()};
}

// Every interface below `node` names it as its parent, at the index it is found; the objects found.
QList<QObject*> walkTree(QAccessibleInterface* node)
{
    QList<QObject*> found;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->parent() != node || node->indexOfChild(child) != i) {
            qWarning() << "inconsistent child" << i << "of" << node->object();
            return {};
        }
        found << child->object() << walkTree(child);
    }
    return found;
}

double luminance(QColor c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void focusGoesRoundThePoolInReadingOrderThenTargetsAndButtons()
    {
        Window w(1, 1);
        QList<QWidget*> expected;
        const int fourth[] = {30, 31, 32, 34, 35, 33, 36, 37, 38, 39};
        for (int row = 0; row < 10; ++row)
            expected << w.form->pool[row] << w.form->pool[10 + row] << w.form->pool[20 + row]
                     << w.form->pool[fourth[row]];
        for (int i = 40; i < 44; ++i)
            expected << w.form->pool[i];  // empty labels are stops too
        for (QLabel* target : w.form->targets)
            expected << target;
        expected << w.form->restartButton << w.form->scoreButton << w.form->newVerbButton << w.form->menuButton;
        QCOMPARE(oneRound(w), expected);

        key(w, Qt::Key_Backtab);  // from the first stop back to the last
        QCOMPARE(focused(w), w.form->menuButton);
        key(w, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(w), w.form->newVerbButton);
    }

    void theHiddenRowAndTheClosedMenuAreNoStops()
    {
        Window w(1, 3);
        QList<QWidget*> round = oneRound(w);
        QVERIFY(!round.contains(w.form->targets[0]));
        QCOMPARE(round.size(), 44 + 5 + 4);

        // Opened, the menu's two entries follow "MENÚ."; Escape closes it again, and the focus
        // that stood on an entry goes back to "MENÚ.".
        tabTo(w, w.form->menuButton);
        key(w, Qt::Key_Space);
        QVERIFY(w.form->menuPanel->isVisible());
        key(w, Qt::Key_Tab);
        QCOMPARE(focused(w), w.form->instructionsEntry);
        key(w, Qt::Key_Tab);
        QCOMPARE(focused(w), w.form->quitEntry);
        key(w, Qt::Key_Tab);
        QCOMPARE(focused(w), w.form->pool[0]);
        key(w, Qt::Key_Backtab);
        key(w, Qt::Key_Escape);
        QVERIFY(w.form->menuPanel->isHidden());
        QCOMPARE(focused(w), w.form->menuButton);
    }

    void firstTabAfterANewExerciseStartsAtThePool()
    {
        Window w(1, 1, {{2, 2}, {3, 3}});
        key(w, Qt::Key_Backtab);  // the first Shift+Tab after the window opens: the last stop
        QCOMPARE(focused(w), w.form->menuButton);
        tabTo(w, w.form->newVerbButton);
        key(w, Qt::Key_Return);  // a new exercise; the focus stays on the button
        QCOMPARE(w.form->infinitive->text(), QStringLiteral("témer"));
        QCOMPARE(focused(w), w.form->newVerbButton);
        key(w, Qt::Key_Tab);
        QCOMPARE(focused(w), w.form->pool[0]);
        tabTo(w, w.form->newVerbButton);
        key(w, Qt::Key_Space);
        key(w, Qt::Key_Backtab);
        QCOMPARE(focused(w), w.form->menuButton);
    }

    void arrowsMoveWithinThePoolAndTheTargetsAndStopAtTheEdges()
    {
        Window w(1, 3);
        ExerciseWindow& f = *w.form;
        key(w, Qt::Key_Tab);
        const std::pair<int, int> moves[] = {
            {Qt::Key_Left, 0},   {Qt::Key_Up, 0},     {Qt::Key_Right, 10}, {Qt::Key_Right, 20},
            {Qt::Key_Right, 30}, {Qt::Key_Right, 30}, {Qt::Key_Down, 31},  {Qt::Key_Down, 32},
            {Qt::Key_Down, 34},  {Qt::Key_Down, 35},  {Qt::Key_Down, 33},  {Qt::Key_Left, 25},
        };
        for (auto [k, slot] : moves) {
            key(w, k);
            QCOMPARE(focused(w), f.pool[slot]);
        }
        for (int i = 0; i < 6; ++i)
            key(w, Qt::Key_Down);
        QCOMPARE(focused(w), f.pool[42]);
        key(w, Qt::Key_Right);
        QCOMPARE(focused(w), f.pool[43]);

        tabTo(w, f.targets[1]);  // the imperative has no first row to go up to
        key(w, Qt::Key_Up);
        QCOMPARE(focused(w), f.targets[1]);
        key(w, Qt::Key_Left);
        QCOMPARE(focused(w), f.targets[1]);
        for (int i = 0; i < 6; ++i)
            key(w, Qt::Key_Down);
        QCOMPARE(focused(w), f.targets[5]);

        tabTo(w, f.scoreButton);  // on the buttons the arrows do nothing
        for (int k : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right})
            key(w, k);
        QCOMPARE(focused(w), f.scoreButton);
    }

    void spacePicksUpAndEnterDropsWithTheRulesOfADrag()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        QLabel* canto = w.itemShowing(QStringLiteral("canto"));
        tabTo(w, canto);
        key(w, Qt::Key_Space);
        QVERIFY(pickedMark(w)->isVisible());
        QCOMPARE(pickedMark(w)->geometry(), QRect(canto->mapTo(&f, QPoint(0, 0)), canto->size()));
        QVERIFY(selected(canto));
        w.click(f.scoreButton);  // the pointer puts it down and scores
        QVERIFY(!pickedMark(w)->isVisible());
        QVERIFY(w.scoreShown());

        tabTo(w, canto);
        key(w, Qt::Key_Space);
        tabTo(w, f.targets[0]);
        key(w, Qt::Key_Return);  // onto a target: the score stays open
        QCOMPARE(f.targets[0]->text(), QStringLiteral("canto"));
        QCOMPARE(canto->text(), QString());
        QCOMPARE(focused(w), f.targets[0]);
        QVERIFY(!pickedMark(w)->isVisible() && !selected(canto));
        QVERIFY(w.scoreShown());

        key(w, Qt::Key_Space);  // and back onto an empty pool label: the score goes
        key(w, Qt::Key_Up);
        QCOMPARE(focused(w), f.targets[0]);
        tabTo(w, f.pool[41]);
        key(w, Qt::Key_Enter);
        QCOMPARE(f.pool[41]->text(), QStringLiteral("canto"));
        QCOMPARE(f.targets[0]->text(), QString());
        QVERIFY(w.scoreUnloaded());
    }

    void escapeEmptyLabelsAndThePickedLabelItself()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        const QStringList items = w.items();
        tabTo(w, f.pool[42]);
        key(w, Qt::Key_Space);  // an empty label cannot be picked up
        QVERIFY(!pickedMark(w)->isVisible());
        tabTo(w, f.pool[0]);
        key(w, Qt::Key_Space);
        key(w, Qt::Key_Escape);  // put down, nothing moved
        QVERIFY(!pickedMark(w)->isVisible());
        tabTo(w, f.targets[2]);
        key(w, Qt::Key_Space);
        QCOMPARE(f.targets[2]->text(), QString());

        w.click(f.scoreButton);
        tabTo(w, f.pool[0]);
        key(w, Qt::Key_Space);
        key(w, Qt::Key_Space);  // onto itself: put down, and the pop-ups go as for a drop on the pool
        QVERIFY(!pickedMark(w)->isVisible());
        QCOMPARE(w.items(), items);
        QVERIFY(w.scoreUnloaded());
    }

    void buttonsAndMenuByKeys()
    {
        Window w(1, 1, {{2, 2}});
        ExerciseWindow& f = *w.form;
        w.drag(f.pool[0], f.targets[0]);
        tabTo(w, f.pool[1]);
        key(w, Qt::Key_Space);
        tabTo(w, f.scoreButton);
        key(w, Qt::Key_Space);  // puts the form down, then scores
        QVERIFY(!pickedMark(w)->isVisible());
        QCOMPARE(w.score().message->text(), QStringLiteral("Heu aconseguit: 0 / 6"));
        tabTo(w, f.restartButton);
        key(w, Qt::Key_Return);
        QCOMPARE(f.targets[0]->text(), QString());
        QVERIFY(!w.scoreShown());
        tabTo(w, f.menuButton);
        key(w, Qt::Key_Return);
        key(w, Qt::Key_Tab);
        key(w, Qt::Key_Space);
        QVERIFY(w.presentationShown());
        QCOMPARE(w.presentation().message->text().size(), 271);
        key(w, Qt::Key_Escape);  // the menu closes; the instructions stay
        QVERIFY(f.menuPanel->isHidden());
        QVERIFY(w.presentationShown());
        key(w, Qt::Key_F1);  // help: the instructions
        QVERIFY(w.presentationShown());
        tabTo(w, f.newVerbButton);
        key(w, Qt::Key_Space);
        QCOMPARE(f.infinitive->text(), QStringLiteral("témer"));
        tabTo(w, f.menuButton);
        key(w, Qt::Key_Space);
        f.activateWindow();  // access keys work in the active window
        QVERIFY(QTest::qWaitForWindowActive(f.windowHandle()));
        key(w, Qt::Key_S, Qt::AltModifier);  // the access key of "&Sortir." reaches it
        QCOMPARE(focused(w), f.quitEntry);
        key(w, Qt::Key_Return);
        QVERIFY(!f.isVisible());
    }

    void aPopupClosesByKeyAndGivesTheFocusBack()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        openScoreByKeys(w);
        ScoreWindow& score = w.score();
        QTest::keyClick(score.windowHandle(), Qt::Key_Escape);
        QVERIFY(!score.isVisible());
        QTRY_VERIFY(f.isActiveWindow());
        QCOMPARE(focused(w), f.scoreButton);
        for (int k : {Qt::Key_Return, Qt::Key_Space}) {
            key(w, Qt::Key_Space);
            QTRY_VERIFY(score.isActiveWindow());
            QTest::keyClick(score.windowHandle(), Qt::Key(k));
            QVERIFY(!score.isVisible());
        }
        tabTo(w, f.menuButton);
        key(w, Qt::Key_Space);
        key(w, Qt::Key_Tab);
        key(w, Qt::Key_Space);
        QTRY_VERIFY(w.presentation().isActiveWindow());
        QTest::keyClick(w.presentation().windowHandle(), Qt::Key_Escape);
        QVERIFY(!w.presentationShown());
        QTRY_COMPARE(focused(w), f.instructionsEntry);
    }

    void aClickPicksUpAndAClickPlaces()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        QLabel* canto = w.itemShowing(QStringLiteral("canto"));
        w.click(canto);
        QVERIFY(pickedMark(w)->isVisible());
        w.click(f.targets[0]);
        QCOMPARE(f.targets[0]->text(), QStringLiteral("canto"));
        QCOMPARE(canto->text(), QString());
        QVERIFY(!pickedMark(w)->isVisible());

        w.click(f.targets[0]);  // a click on the picked label puts it down
        w.click(f.targets[0]);
        QVERIFY(!pickedMark(w)->isVisible());
        QCOMPARE(f.targets[0]->text(), QStringLiteral("canto"));

        // Any other click puts it down: the background, a caption, the right button, a drag.
        auto otherClicks = {std::function<void()>([&] {
                                QTest::mouseClick(w.handle(), Qt::LeftButton, {}, {600, 70});
                            }),
                            std::function<void()>([&] { w.click(f.personCaptions[1]); }),
                            std::function<void()>([&] { w.click(f.poolFrame); }),
                            std::function<void()>([&] { w.click(f.pool[1], Qt::RightButton); }),
                            std::function<void()>([&] { w.drag(f.pool[2], f.pool[3]); })};
        for (const auto& other : otherClicks) {
            w.click(f.pool[0]);
            QVERIFY(pickedMark(w)->isVisible());
            other();
            QVERIFY(!pickedMark(w)->isVisible());
        }
        w.click(f.pool[41]);  // an empty label picks nothing up
        QVERIFY(!pickedMark(w)->isVisible());
    }

    // A control that goes away under the focus hands it to its nearest neighbour: the first
    // person's target to the second when a new imperative hides its row, a menu entry to "MENÚ."
    // when a move over the window closes the menu.
    void theFocusLeavesAControlThatGoesAwayForItsNeighbour()
    {
        Window w(1, 1, {{2, 3}});
        ExerciseWindow& f = *w.form;
        tabTo(w, f.targets[0]);
        w.click(f.newVerbButton);
        QVERIFY(f.targets[0]->isHidden());
        QCOMPARE(focused(w), f.targets[1]);

        w.click(f.menuButton);
        tabTo(w, f.quitEntry);
        w.moveToWindow({600, 70});
        QVERIFY(f.menuPanel->isHidden());
        QCOMPARE(focused(w), f.menuButton);
    }

    // A picked form waits for where it goes: a press in a pop-up leaves it picked up, and a button
    // pressed by a screen reader puts it down as a click does.
    void aPickedFormStaysUpUntilTheExerciseWindowActs()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        w.click(f.scoreButton);
        ScoreWindow& score = w.score();
        w.click(f.pool[0]);
        QVERIFY(pickedMark(w)->isVisible());
        QTest::mouseClick(score.windowHandle(), Qt::LeftButton, {}, score.message->geometry().center());
        QVERIFY(pickedMark(w)->isVisible());
        QCOMPARE(selected(f.pool[0]), true);

        auto* press = QAccessible::queryAccessibleInterface(f.restartButton)->actionInterface();
        press->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(!w.scoreShown());  // the restart has run
        QVERIFY(!pickedMark(w)->isVisible());
        QCOMPARE(selected(f.pool[0]), false);
        w.click(f.targets[0]);
        QCOMPARE(f.targets[0]->text(), QString());
    }

    void theFocusRingShowsForTheKeyboardOnlyAndStandsOut()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        QVERIFY(!focusRing(w)->isVisible());
        w.click(f.menuButton);
        QList<QWidget*> stops = oneRound(w);
        for (QWidget* stop : stops) {
            tabTo(w, stop);
            QVERIFY(focusRing(w)->isVisible());
            const QRect ring = focusRing(w)->geometry();
            const QRect control(stop->mapTo(&f, QPoint(0, 0)), stop->size());
            QVERIFY(ring.contains(control) && control.adjusted(-4, -4, 4, 4).contains(ring));
            // Against whatever lies right around it, one of its two bands stands out 3:1.
            const QImage shot = f.grab().toImage();
            const QColor yellow = shot.pixelColor(ring.topLeft()),
                         black = shot.pixelColor(ring.topLeft() + QPoint(2, 2));
            for (QPoint outside :
                 {ring.topLeft() + QPoint(ring.width() / 2, -1), ring.bottomLeft() + QPoint(ring.width() / 2, 1),
                  ring.topLeft() + QPoint(-1, ring.height() / 2), ring.topRight() + QPoint(1, ring.height() / 2)}) {
                if (!shot.rect().contains(outside))
                    continue;
                const QColor around = shot.pixelColor(outside);
                QVERIFY2(std::max(contrast(yellow, around), contrast(black, around)) >= 3.0,
                         qPrintable(stop->objectName()));
            }
        }
        // The pointer hides it: a press, or a move.
        w.press(f.tenseIntro);
        QVERIFY(!focusRing(w)->isVisible());
        key(w, Qt::Key_Tab);
        QVERIFY(focusRing(w)->isVisible());
        w.moveTo(f.tenseIntro, {3, 3});
        QVERIFY(!focusRing(w)->isVisible());
    }

    void aResetUnderAPointerAtRestKeepsTheRing()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        w.moveTo(f.tenseIntro);
        key(w, Qt::Key_Tab);
        QVERIFY(focusRing(w)->isVisible());
        // The window system repeats the pointer's place when something appears under it.
        QTest::mouseMove(w.handle(), w.centre(f.tenseIntro));
        QVERIFY(focusRing(w)->isVisible());
    }

    void screenReadersKnowEveryControl()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        const std::pair<QWidget*, QString> buttons[] = {{f.restartButton, "Recomençar."},
                                                        {f.scoreButton, "Avaluar."},
                                                        {f.newVerbButton, "Altre verb."},
                                                        {f.minimiseButton, "Minimitza"},
                                                        {f.closeButton, "Tanca"}};
        for (const auto& [button, caption] : buttons) {
            QCOMPARE(role(button), QAccessible::PushButton);
            QCOMPARE(name(button), caption);
        }
        QCOMPARE(name(f.quitEntry), QStringLiteral("Sortir."));
        QCOMPARE(role(f.quitEntry), QAccessible::PushButton);
        QCOMPARE(role(f.instructionsEntry), QAccessible::PushButton);
        QCOMPARE(role(f.menuButton), QAccessible::ButtonMenu);
        QCOMPARE(name(f.infinitive), QStringLiteral("cantar"));
        QCOMPARE(name(f.tensePhrase), QStringLiteral("present d'indicatiu."));
        QCOMPARE(role(f.pool[0]), QAccessible::ListItem);
        QCOMPARE(name(f.pool[0]), f.pool[0]->text());
        QCOMPARE(name(f.pool[42]), QStringLiteral("buit"));
        QCOMPARE(role(f.targets[0]), QAccessible::ListItem);
        QCOMPARE(name(f.targets[0]), QStringLiteral("1 persona singular: buit"));

        QLabel* canto = w.itemShowing(QStringLiteral("canto"));
        w.drag(canto, f.targets[0]);
        QCOMPARE(name(f.targets[0]), QStringLiteral("1 persona singular: canto"));
        QCOMPARE(name(canto), QStringLiteral("buit"));

        // A reader presses a button as a click would (Qt shows the press for a moment first); the
        // score carries its text as its name.
        auto* press = QAccessible::queryAccessibleInterface(f.scoreButton)->actionInterface();
        QVERIFY(press);
        press->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(w.scoreShown());
        QCOMPARE(name(&w.score()), QStringLiteral("Heu aconseguit: 1 / 6"));
    }

    // Each step is told in words while the focus stays where the learner put it.
    void screenReadersHearEachStepWithoutTheFocusMoving()
    {
        Window w(1, 1, {{2, 8}});
        ExerciseWindow& f = *w.form;
        Heard heard(w);
        QCOMPARE(role(f.findChild<QWidget*>(QStringLiteral("announcer"))), QAccessible::Notification);
        QLabel* canto = w.itemShowing(QStringLiteral("canto"));
        QLabel* canta = w.itemShowing(QStringLiteral("canta"));
        tabTo(w, canto);
        key(w, Qt::Key_Space);
        QCOMPARE(heard.take(), QStringList{"canto, agafada"});
        QCOMPARE(focused(w), canto);
        key(w, Qt::Key_Escape);
        key(w, Qt::Key_Space);
        key(w, Qt::Key_Space);  // a second time on the same form
        QCOMPARE(heard.take(), (QStringList{"canto, deixada", "canto, agafada", "canto, deixada"}));

        key(w, Qt::Key_Space);
        tabTo(w, f.targets[0]);
        key(w, Qt::Key_Return);
        QCOMPARE(heard.take(), (QStringList{"canto, agafada", "1 persona singular: canto"}));
        QCOMPARE(focused(w), f.targets[0]);
        tabTo(w, canta);
        key(w, Qt::Key_Space);
        tabTo(w, f.targets[0]);
        key(w, Qt::Key_Space);  // an exchange: both moves
        QCOMPARE(heard.take(), (QStringList{"canta, agafada", "1 persona singular: canta; canto, a les propostes"}));
        key(w, Qt::Key_Space);
        tabTo(w, f.pool[41]);
        key(w, Qt::Key_Space);
        QCOMPARE(heard.take(), (QStringList{"canta, agafada", "canta, a les propostes"}));

        tabTo(w, f.menuButton);
        key(w, Qt::Key_Space);
        QVERIFY(QAccessible::queryAccessibleInterface(f.menuButton)->state().expanded);
        key(w, Qt::Key_Escape);
        QVERIFY(QAccessible::queryAccessibleInterface(f.menuButton)->state().collapsed);
        QCOMPARE(heard.take(), (QStringList{"Menú obert", "Menú tancat"}));

        tabTo(w, f.restartButton);
        key(w, Qt::Key_Return);
        QCOMPARE(heard.take(), QStringList{"Heu de conjugar el verb cantar en present d'indicatiu."});
        tabTo(w, f.newVerbButton);
        key(w, Qt::Key_Space);
        QCOMPARE(heard.take(), QStringList{"Heu de conjugar el verb témer en present de condicional."});
        QCOMPARE(focused(w), f.newVerbButton);
    }

    void positionsAreTheTabOrderAndThePersonsShown()
    {
        Window w(1, 3);  // the imperative: five persons
        ExerciseWindow& f = *w.form;
        const QList<QWidget*> round = oneRound(w);
        for (int stop = 0; stop < 44; ++stop)
            QCOMPARE(position(round[stop]), std::make_pair(stop + 1, 44));
        QCOMPARE(position(f.targets[1]), std::make_pair(1, 5));
        QCOMPARE(position(f.targets[5]), std::make_pair(5, 5));
        QCOMPARE(role(QAccessible::queryAccessibleInterface(f.targets[1])->parent()->object()), QAccessible::List);

        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&f);
        const QList<QObject*> tree = walkTree(window);
        for (QLabel* target : f.targets)
            QCOMPARE(tree.count(target), target->isHidden() ? 0 : 1);
        for (QLabel* label : f.pool)
            QCOMPARE(tree.count(label), 1);
    }

    // The picked frame and the focus ring are drawn for the eye alone.
    void theMarksAreNoControlsForScreenReaders()
    {
        Window w(1, 1);
        tabTo(w, w.form->pool[0]);
        key(w, Qt::Key_Space);
        QVERIFY(pickedMark(w)->isVisible() && focusRing(w)->isVisible());
        const QList<QObject*> tree = walkTree(QAccessible::queryAccessibleInterface(w.form.get()));
        QVERIFY(tree.contains(w.form->pool[0]));
        for (QWidget* mark : {pickedMark(w), focusRing(w)}) {
            QVERIFY(!tree.contains(mark));
            // Qt tells screen readers nothing of a control whose interface is not valid.
            QAccessibleEvent shown(mark, QAccessible::ObjectShow);
            QVERIFY(!shown.accessibleInterface());
        }
    }

    void f1AsksForTheInstructionsFromEitherPopup()
    {
        Window w(1, 1);
        openScoreByKeys(w);
        QTest::keyClick(w.score().windowHandle(), Qt::Key_F1);
        QVERIFY(w.presentationShown());
        QVERIFY(w.scoreShown());
        QTRY_VERIFY(w.presentation().isActiveWindow());
        QTest::keyClick(w.presentation().windowHandle(), Qt::Key_F1);  // already open: it stays
        QVERIFY(w.presentationShown());
        QCOMPARE(w.presentation().message->text().size(), 271);
        QCOMPARE(QAccessible::queryAccessibleInterface(&w.presentation())->text(QAccessible::Description),
                 w.presentation().message->text());  // what a reader says as the window comes up
    }

    // The menu's entries fill its panel one below the other, and the ring around one of them keeps
    // inside the panel and off the other.
    void theRingOnAMenuEntryKeepsInsideThePanel()
    {
        Window w(1, 1);
        ExerciseWindow& f = *w.form;
        w.click(f.menuButton);
        QWidget* client = f.instructionsEntry->parentWidget();
        const QRect outline(f.menuPanel->mapTo(&f, QPoint(0, 0)), f.menuPanel->size());
        const auto inWindow = [&](QWidget* control) {
            return QRect(control->mapTo(&f, QPoint(0, 0)), control->size());
        };
        const QRect panel = inWindow(client);
        QCOMPARE(inWindow(f.instructionsEntry) | inWindow(f.quitEntry), panel);
        QVERIFY(!inWindow(f.instructionsEntry).intersects(inWindow(f.quitEntry)));
        for (auto [entry, other] :
             {std::pair(f.instructionsEntry, f.quitEntry), std::pair(f.quitEntry, f.instructionsEntry)}) {
            tabTo(w, entry);
            const QRect ring = focusRing(w)->geometry();
            QVERIFY(outline.contains(ring));
            QVERIFY(!ring.intersects(inWindow(other)));
            QVERIFY(ring.contains(inWindow(entry)));
        }
    }

    // Until a key is pressed or a screen reader comes, the labels lay their text out plainly: a
    // label that can take the focus would build a rich-text document for it at start-up.
    void theStopsOpenAtTheFirstKeyOrForAScreenReader()
    {
        auto focusable = [](QWidget* control) {
            return QAccessible::queryAccessibleInterface(control)->state().focusable;
        };
        auto textDocuments = [](Window& w) {
            int count = 0;
            for (QObject* child : w.form->findChildren<QObject*>())
                count += QByteArray(child->metaObject()->className()) == "QTextDocument";
            return count;
        };
        {
            Window w(1, 1);
            QVERIFY(!focusable(w.form->pool[0]) && !focusable(w.form->targets[0]) && !focusable(w.form->menuButton));
            QCOMPARE(textDocuments(w), 0);
            key(w, Qt::Key_Down);  // any key, not only Tab
            QVERIFY(focusable(w.form->pool[0]) && focusable(w.form->targets[5]) && focusable(w.form->quitEntry));
            key(w, Qt::Key_Tab);
            QCOMPARE(focused(w), w.form->pool[0]);
        }
        {
            Window w(1, 1);
            QAccessible::setActive(true);
            const bool opened = focusable(w.form->pool[43]) && focusable(w.form->restartButton);
            QAccessible::setActive(false);
            QVERIFY(opened);
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
