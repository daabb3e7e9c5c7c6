#include "ui/exercise/exercise_access.h"

#include "ui/chrome/accessible_control.h"
#include "ui/chrome/control_mark.h"
#include "ui/chrome/focus_stops.h"
#include "ui/chrome/text.h"
#include "ui/exercise/exercise_announcements.h"
#include "ui/exercise/exercise_keys.h"
#include "ui/exercise/pick_and_place.h"
#include "ui/exercise/pool_grid.h"

ExerciseAccess::ExerciseAccess(QWidget* window, const ExerciseLayout& controls, const engine::Exercise& exercise)
    : QObject(window)
    , window_(window)
    , controls_(controls)
    , exercise_(exercise)
{
    pickAndPlace_ = new PickAndPlace(window, controls, exercise);
    keys_ = new ExerciseKeys(window, controls, *pickAndPlace_);
    announcements_ = new ExerciseAnnouncements(window, controls);
    makeAccessible();
    connect(pickAndPlace_, &PickAndPlace::pickedUp, announcements_, &ExerciseAnnouncements::pickedUp);
    connect(pickAndPlace_, &PickAndPlace::left, announcements_, &ExerciseAnnouncements::left);
    connect(controls.menuButton, &chrome::MenuButton::expandedChanged, announcements_,
            &ExerciseAnnouncements::menuShown);

    // Every control a learner acts on takes the keyboard focus; none takes it from a click.
    const QList<chrome::PaintedButton*> buttons{controls.restartButton,     controls.scoreButton,
                                                controls.newVerbButton,     controls.menuButton,
                                                controls.instructionsEntry, controls.quitEntry};
    QList<QWidget*> stops(buttons.begin(), buttons.end());
    for (QLabel* label : controls.pool)
        stops.append(label);
    for (QLabel* label : controls.targets)
        stops.append(label);
    new chrome::FocusStops(window, stops);
    // The window holds the focus itself until the first Tab, so that no control is chosen for it.
    window->setFocus(Qt::OtherFocusReason);
    focusMarking_ = new chrome::FocusMarking(window);

    // A button pressed in any way puts a picked form down before it acts.
    for (chrome::PaintedButton* button : buttons)
        connect(button, &QAbstractButton::pressed, pickAndPlace_, &PickAndPlace::putDown);
}

void ExerciseAccess::makeAccessible()
{
    const ExerciseLayout& c = controls_;
    chrome::MakeAccessible(window_, QAccessible::Window, window_->windowTitle());
    for (QLabel* label : c.pool)
        chrome::MakeAccessible(label, QAccessible::ListItem, {});
    for (QLabel* label : c.targets)
        chrome::MakeAccessible(label, QAccessible::ListItem, {});
    chrome::MakeAccessible(c.poolFrame, QAccessible::List, c.poolFrame->caption());
    // Readers give a form its place in the order of the Tab key, and a target its place among the
    // persons shown: the targets make a list of their own, which has nothing to see or point at.
    QList<QWidget*> readingOrder;
    for (int slot : pool_grid::readingOrder())
        readingOrder.append(c.pool[static_cast<std::size_t>(slot)]);
    chrome::SetAccessibleChildren(c.poolFrame, readingOrder);
    auto* targetList = new QWidget(window_);
    targetList->setObjectName(QStringLiteral("targetList"));
    targetList->setAttribute(Qt::WA_TransparentForMouseEvents);
    QRect column;
    for (QLabel* target : c.targets)
        column |= target->geometry();
    targetList->setGeometry(column);
    chrome::MakeAccessible(targetList, QAccessible::List, {});
    chrome::SetAccessibleChildren(targetList, QList<QWidget*>(c.targets.begin(), c.targets.end()));
    c.restartButton->setAccessibleName(QStringLiteral("Recomençar."));
    c.scoreButton->setAccessibleName(QStringLiteral("Avaluar."));
    c.newVerbButton->setAccessibleName(QStringLiteral("Altre verb."));
    c.minimiseButton->setAccessibleName(QStringLiteral("Minimitza"));
    c.closeButton->setAccessibleName(QStringLiteral("Tanca"));
    c.menuButton->setAccessibleName(c.menuButton->text());
    c.instructionsEntry->setAccessibleName(c.instructionsEntry->text());
    c.quitEntry->setAccessibleName(QStringLiteral("Sortir."));
}

void ExerciseAccess::boardShown(bool newExercise)
{
    pickAndPlace_->putDown();
    if (newExercise)
        keys_->startAgain();
    for (int i = 0; i < engine::kPoolSlots; ++i)
        captionChanged(engine::Slot::pool(i));
    for (int i = 0; i < engine::kTargets; ++i)
        captionChanged(engine::Slot::target(i));
    const ExerciseLayout& c = controls_;
    announcements_->exerciseShown();
    window_->setAccessibleDescription(c.instruction->text().trimmed() + QLatin1Char(' ') + c.infinitive->text()
                                      + QLatin1Char(' ') + c.tenseIntro->text() + QLatin1Char(' ')
                                      + c.tensePhrase->text());
    focusMarking_->refresh();
}

void ExerciseAccess::captionChanged(engine::Slot slot)
{
    const std::string& caption = exercise_.caption(slot);
    QString name = caption.empty() ? QStringLiteral("buit") : chrome::ToQString(caption);
    if (slot.kind == engine::Slot::Kind::Target) {
        // "1 persona singular: cantava"
        QString person = controls_.personCaptions[static_cast<std::size_t>(slot.index)]->text();
        if (person.endsWith(QLatin1Char('.')))
            person.chop(1);
        name = person + QStringLiteral(": ") + name;
        if (exercise_.answersMarked() && exercise_.board().rowVisible[static_cast<std::size_t>(slot.index)])
            name += exercise_.answerRight(slot.index) ? QStringLiteral(", correcta") : QStringLiteral(", incorrecta");
    }
    chrome::SetAccessibleName(controls_.label(slot), name);
}

void ExerciseAccess::formsMoved(engine::Slot target, engine::Slot source) { announcements_->moved(target, source); }

void ExerciseAccess::marksChanged()
{
    for (int i = 0; i < engine::kTargets; ++i)
        captionChanged(engine::Slot::target(i));
}

void ExerciseAccess::clicked(engine::Slot slot, Qt::MouseButton pressed)
{
    // A left click on a label picks up its form or puts the picked one there; any other click
    // puts it down.
    if (pressed == Qt::LeftButton)
        pickAndPlace_->activate(slot);
    else
        pickAndPlace_->putDown();
}

void ExerciseAccess::releasedElsewhere() { pickAndPlace_->putDown(); }
