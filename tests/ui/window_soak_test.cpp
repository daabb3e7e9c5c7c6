// A long random run of pointer events on the exercise window and its pop-ups, sent through their
// native windows as a real pointer sends them, with what the learner sees checked after every event.
// The window is reached only through its events and its controls' names.
#include <QRegularExpression>
#include <QtTest>

#include <cstdio>
#include <deque>
#include <memory>

#include "catalogue/catalogue.h"
#include "tests/engine/soak.h"
#include "ui/chrome/text.h"
#include "ui/exercise/exercise_window.h"

namespace {

// The controls of the exercise window the pointer aims at. The close box (closeButton) and the menu's
// "Sortir." end the program and are left out; a point drawn anywhere in the window can still hit
// them, and a closed window is then replaced by a new one.
QStringList exerciseWindowAims()
{
    QStringList names{"scoreButton",    "restartButton", "newVerbButton", "menuButton", "instructionsEntry",
                      "minimiseButton", "poolFrame",     "title",         "titleStrip", "menuPanel",
                      "instruction",    "infinitive",    "tensePhrase",   "tenseIntro", "credit"};
    for (int i = 0; i < 44; ++i)
        names << QStringLiteral("pool_%1").arg(i);
    for (int i = 0; i < 6; ++i)  // the targets twice: they are few beside the pool
        names << QStringLiteral("target_%1").arg(i) << QStringLiteral("target_%1").arg(i)
              << QStringLiteral("personCaption_%1").arg(i);
    return names;
}

const QStringList kPopupAims{"closeButton", "message", "title", "titleStrip", "credit", "rule"};

// What the learner clicks on purpose: the image buttons, the menu and its "Objectiu.", minimising.
const QString kCommands[] = {"scoreButton", "restartButton",     "newVerbButton",
                             "menuButton",  "instructionsEntry", "minimiseButton"};

const QRegularExpression kScoreText(QStringLiteral("^Heu aconseguit: ([0-6]) / ([56])$"));

// Moves, presses and releases through QTest's native-window events, which also keep the buttons held.
class Pointer {
public:
    void move(QWindow* window, QPoint at) { QTest::mouseMove(window, at); }
    void press(QWindow* window, Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint at)
    {
        QTest::mousePress(window, button, keys, at);
        if (held_ == Qt::NoButton)
            grab_ = window;
        held_ |= button;
    }
    void release(QWindow* window, Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint at)
    {
        QTest::mouseRelease(window, button, keys, at);
        held_ &= ~Qt::MouseButtons(button);
    }
    Qt::MouseButtons held() const { return held_; }
    // The window that took the first press of the buttons held: it gets every event until they are
    // all released, or until it leaves the screen.
    QWindow* grab() const { return held_ != Qt::NoButton && grab_ && grab_->isVisible() ? grab_.data() : nullptr; }

private:
    Qt::MouseButtons held_ = Qt::NoButton;
    QPointer<QWindow> grab_;
};

class WindowSoakTest : public QObject {
    Q_OBJECT

public:
    ~WindowSoakTest() override { qInstallMessageHandler(previousHandler_); }

private slots:
    void initTestCase()
    {
        // Points past the right or bottom edge are meant; QTest warns about each of them.
        previousHandler_ =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (previousHandler_ && !text.contains(QLatin1String("occurs outside target window")))
                    previousHandler_(type, context, text);
            });
    }

    void randomPointerEventsKeepWhatTheLearnerSees()
    {
        seed_ = soak::seed();
        random_.seed(seed_);
        const long long events = soak::length("CONJUGACIO_WINDOW_SOAK_EVENTS", 3000);
        QVERIFY2(openWindow(), qPrintable(failure(QStringLiteral("the window did not come up"))));
        while (sent_ < events) {
            act();
            QVERIFY2(settle(), qPrintable(failure(QStringLiteral("the window did not come back"))));
            const QString broken = brokenRule();
            if (!broken.isEmpty())
                std::fprintf(stderr, "%s\n", qPrintable(failure(broken)));  // Qt Test shortens long messages
            QVERIFY2(broken.isEmpty(), qPrintable(failure(broken)));
        }
        releaseAll();
        qInfo("window soak, seed %llu: %lld pointer events, %d exercises, %d changes of the forms shown, %d times the "
              "score was shown, %d windows opened, %d restored from minimised",
              static_cast<unsigned long long>(seed_), sent_, exercises_, changes_, scoresShown_, windows_, restores_);
    }

    void cleanupTestCase() { form_.reset(); }

private:
    // Opens a new exercise window and says whether it is on the screen.
    bool openWindow()
    {
        form_.reset();
        auto source = std::make_unique<soak::SeededSource>(random_());
        source_ = source.get();
        form_ = std::make_unique<ExerciseWindow>(std::move(source));
        form_->show();
        seenReseeds_ = -1;
        ++windows_;
        return QTest::qWaitForWindowExposed(form_.get());
    }

    // A closed window is replaced; a minimised one is brought back from the task bar. Either way the
    // learner lets go of any button still held away from the window first. Says whether the window
    // is then on the screen.
    bool settle()
    {
        if (!form_->isVisible()) {
            releaseAll();
            log(QStringLiteral("the window closed; a new one opens"));
            return openWindow();
        }
        if (form_->windowState() & Qt::WindowMinimized) {
            releaseAll();
            log(QStringLiteral("the window was minimised; the task bar restores it"));
            form_->windowHandle()->showNormal();
            // What the restore sets going runs before the learner's next move, as in a running
            // event loop.
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1000);
            ++restores_;
            return QTest::qWaitForWindowExposed(form_.get());
        }
        return true;
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool chance(int percent) { return pick(100) < percent; }

    QWidget* control(QWidget* window, const QString& name) const
    {
        QWidget* found = window->findChild<QWidget*>(name);
        if (!found)
            qFatal("no control named %s in %s", qPrintable(name), qPrintable(window->objectName()));
        return found;
    }

    QList<QWidget*> visiblePopups() const
    {
        QList<QWidget*> popups;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != form_.get() && top->isVisible() && top->windowHandle())
                popups << top;
        return popups;
    }

    // Where the next event goes: the window holding the pointer while a button is down, otherwise
    // the exercise window or, now and then, a pop-up on the screen.
    QWidget* chooseWindow()
    {
        if (QWindow* grab = pointer_.grab())
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->windowHandle() == grab)
                    return top;
        const QList<QWidget*> popups = visiblePopups();
        if (!popups.isEmpty() && chance(25))
            return popups[pick(static_cast<int>(popups.size()))];
        return form_.get();
    }

    // A point in window-local pixels somewhere on the named control.
    QPoint pointIn(QWidget* window, const QString& name)
    {
        QWidget* target = control(window, name);
        return target->mapTo(window, QPoint(pick(std::max(1, target->width())), pick(std::max(1, target->height()))));
    }

    // A point in window-local pixels: inside a named control, anywhere in the window, or outside it.
    QPoint choosePoint(QWidget* window, QString& where)
    {
        const int roll = pick(100);
        if (roll < 55) {
            const QStringList& names = window == form_.get() ? exerciseWindowAims_ : kPopupAims;
            where = names[pick(static_cast<int>(names.size()))];
            return pointIn(window, where);
        }
        if (roll < 90) {
            where = QStringLiteral("the window");
            return {pick(window->width()), pick(window->height())};
        }
        where = QStringLiteral("outside");
        for (;;) {
            const QPoint at(pick(window->width() + 300) - 150, pick(window->height() + 300) - 150);
            if (!window->rect().contains(at))
                return at;
        }
    }

    Qt::MouseButton chooseButton(bool held)
    {
        QList<Qt::MouseButton> buttons;
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            if (pointer_.held().testFlag(b) == held)
                buttons << b;
        return buttons.isEmpty() ? Qt::NoButton : buttons[pick(static_cast<int>(buttons.size()))];
    }

    Qt::KeyboardModifiers chooseKeys()
    {
        static constexpr Qt::KeyboardModifier kKeys[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
        return chance(10) ? Qt::KeyboardModifiers(kKeys[pick(3)]) : Qt::NoModifier;
    }

    // One pointer event, or a click or double click, sent through a window's native window.
    struct Event {
        enum Kind { Move, Press, Release, Click, DoubleClick } kind = Move;
        Qt::MouseButton button = Qt::NoButton;
        Qt::KeyboardModifiers keys;
        QPointer<QWidget> window;
        QPoint at;
        QString where;
    };

    Event eventAt(Event::Kind kind, Qt::MouseButton button, QWidget* window, const QString& aim = {})
    {
        Event event{kind, button, chooseKeys(), window, {}, aim};
        if (aim.isEmpty()) {
            event.at = choosePoint(window, event.where);
        } else {
            event.at = pointIn(window, aim);
        }
        if (event.at.isNull())
            event.at = {1, 0};  // QTest reads (0, 0) as "the centre"
        return event;
    }

    // What the learner does next: while a button is down, moves and releases; otherwise a click on a
    // command, a whole drag from a form, or a single event anywhere.
    void plan()
    {
        QWidget* window = chooseWindow();
        const Qt::MouseButton up = chooseButton(false);
        const Qt::MouseButton down = chooseButton(true);
        const int roll = pick(100);
        if (down != Qt::NoButton) {
            const Event::Kind kind = roll < 45                           ? Event::Release
                                     : (roll < 55 && up != Qt::NoButton) ? Event::Press
                                                                         : Event::Move;
            planned_.push_back(eventAt(kind,
                                       kind == Event::Release ? down
                                       : kind == Event::Press ? up
                                                              : Qt::NoButton,
                                       window));
        } else if (roll < 12 && window == form_.get()) {
            planned_.push_back(
                eventAt(Event::Click, Qt::LeftButton, window, kCommands[pick(static_cast<int>(std::size(kCommands)))]));
        } else if (roll < 32 && window == form_.get()) {
            const QString from =
                pick(5) == 0 ? QStringLiteral("target_%1").arg(pick(6)) : QStringLiteral("pool_%1").arg(pick(44));
            planned_.push_back(eventAt(Event::Press, up, window, from));
            for (int moves = 1 + pick(3); moves > 0; --moves)
                planned_.push_back(eventAt(Event::Move, Qt::NoButton, window));
            planned_.push_back(eventAt(Event::Release, up, window));
        } else {
            const Event::Kind kind = roll < 45   ? Event::Click
                                     : roll < 48 ? Event::DoubleClick
                                     : roll < 65 ? Event::Press
                                                 : Event::Move;
            planned_.push_back(eventAt(kind, kind == Event::Move ? Qt::NoButton : up, window));
        }
    }

    void act()
    {
        if (planned_.empty())
            plan();
        const Event event = planned_.front();
        planned_.pop_front();
        if (!event.window) {  // its window has closed
            planned_.clear();
            return;
        }
        QWindow* handle = event.window->windowHandle();
        static const char* const kKinds[] = {"move to", "press", "release", "click", "double click"};
        log(QStringLiteral("%1 %2 at %3 (%4, %5) of %6")
                .arg(QLatin1String(kKinds[event.kind]),
                     event.kind == Event::Move ? QString() : buttonName(event.button), event.where)
                .arg(event.at.x())
                .arg(event.at.y())
                .arg(event.window->objectName()));
        switch (event.kind) {
        case Event::Move:
            pointer_.move(handle, event.at);
            ++sent_;
            break;
        case Event::Press:
            pointer_.press(handle, event.button, event.keys, event.at);
            ++sent_;
            break;
        case Event::Release:
            pointer_.release(handle, event.button, event.keys, event.at);
            ++sent_;
            break;
        case Event::Click:
            QTest::mouseClick(handle, event.button, event.keys, event.at);
            sent_ += 2;
            break;
        case Event::DoubleClick:
            QTest::mouseDClick(handle, event.button, event.keys, event.at);
            sent_ += 4;
            break;
        }
    }

    // Releases every button held, outside the exercise window.
    void releaseAll()
    {
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            if (pointer_.held().testFlag(b)) {
                log(QStringLiteral("release %1 outside").arg(buttonName(b)));
                pointer_.release(form_->windowHandle(), b, {}, {-20, -20});
                ++sent_;
            }
    }

    static QString buttonName(Qt::MouseButton button)
    {
        return button == Qt::LeftButton    ? QStringLiteral("left")
               : button == Qt::RightButton ? QStringLiteral("right")
                                           : QStringLiteral("middle");
    }

    QStringList captions(const QString& prefix, int count) const
    {
        QStringList texts;
        for (int i = 0; i < count; ++i)
            texts << static_cast<QLabel*>(control(form_.get(), prefix.arg(i)))->text();
        return texts;
    }

    // The forms the catalogue gives the verb the window names, in pool order, with six empty targets.
    QStringList catalogueCaptions() const
    {
        const QString shown = static_cast<QLabel*>(control(form_.get(), QStringLiteral("infinitive")))->text();
        for (int verb = 1; verb <= catalogue::kVerbCount; ++verb)
            if (chrome::ToQString(catalogue::infinitive(verb)) == shown) {
                QStringList forms;
                for (std::string_view form : catalogue::paradigm(verb).pool)
                    forms << chrome::ToQString(form);
                return forms + QStringList(6, QString());
            }
        return {QStringLiteral("no verb is called \"%1\"").arg(shown)};
    }

    // What a learner would see go wrong, or "" when all is as it should be.
    QString brokenRule()
    {
        const QStringList shown = captions(QStringLiteral("pool_%1"), 44) + captions(QStringLiteral("target_%1"), 6);
        if (source_->reseeds != seenReseeds_) {
            // A new exercise: the labels show the verb's pool as the catalogue arranges it.
            seenReseeds_ = source_->reseeds;
            ++exercises_;
            build_ = shown;
            lastShown_ = shown;
            if (shown != catalogueCaptions())
                return QStringLiteral("the new exercise shows %1").arg(shown.join(QLatin1Char('|')));
            std::sort(build_.begin(), build_.end());
        }
        if (shown != lastShown_)
            ++changes_;
        lastShown_ = shown;
        QStringList sorted = shown;
        std::sort(sorted.begin(), sorted.end());
        if (sorted != build_)
            return QStringLiteral("the labels show %1, not the forms of the exercise")
                .arg(shown.join(QLatin1Char('|')));

        for (int i = 0; i < 6; ++i) {
            const auto* target = static_cast<QLabel*>(control(form_.get(), QStringLiteral("target_%1").arg(i)));
            if (!target->isVisibleTo(form_.get()) && !target->text().isEmpty())
                return QStringLiteral("hidden target %1 holds \"%2\"").arg(i).arg(target->text());
        }

        if (pointer_.held() == Qt::NoButton && control(form_.get(), QStringLiteral("dragOutline"))->isVisible())
            return QStringLiteral("a drag outline stays on the window with every button up");

        bool scoreShowing = false;
        for (QWidget* popup : visiblePopups()) {
            if (popup->objectName() != QLatin1String("scoreWindow"))
                continue;
            scoreShowing = true;
            const QString text = static_cast<QLabel*>(control(popup, QStringLiteral("message")))->text();
            const QRegularExpressionMatch score = kScoreText.match(text);
            if (!score.hasMatch() || score.captured(1).toInt() > score.captured(2).toInt())
                return QStringLiteral("the score pop-up reads \"%1\"").arg(text);
        }
        scoresShown_ += scoreShowing && !scoreShowing_;
        scoreShowing_ = scoreShowing;
        return {};
    }

    void log(const QString& action)
    {
        recent_.push_back(QStringLiteral("%1: %2").arg(sent_).arg(action));
        if (recent_.size() > 20)
            recent_.pop_front();
    }

    QString failure(const QString& broken) const
    {
        QStringList text{QStringLiteral("seed %1 (replay: CONJUGACIO_SOAK_SEED=%1), after %2 events: %3")
                             .arg(seed_)
                             .arg(sent_)
                             .arg(broken),
                         QStringLiteral("the last actions:")};
        for (const QString& action : recent_)
            text << QStringLiteral("  ") + action;
        return text.join(QLatin1Char('\n'));
    }

    static inline QtMessageHandler previousHandler_ = nullptr;

    const QStringList exerciseWindowAims_ = exerciseWindowAims();
    std::uint64_t seed_ = 0;
    std::mt19937_64 random_;
    std::unique_ptr<ExerciseWindow> form_;
    soak::SeededSource* source_ = nullptr;
    Pointer pointer_;
    QStringList build_;  // sorted
    QStringList lastShown_;
    int seenReseeds_ = -1;
    bool scoreShowing_ = false;
    std::deque<Event> planned_;
    std::deque<QString> recent_;
    long long sent_ = 0;
    int exercises_ = 0, changes_ = 0, scoresShown_ = 0, windows_ = 0, restores_ = 0;
};

}  // namespace

QTEST_MAIN(WindowSoakTest)
#include "window_soak_test.moc"
