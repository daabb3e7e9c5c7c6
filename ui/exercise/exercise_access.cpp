#include "exercise_access.h"

#include "accessible_control.h"
#include "control_mark.h"
#include "focus_stops.h"
#include "exercise_keys.h"
#include "pick_and_place.h"

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ExerciseAccess::ExerciseAccess(QWidget* window, const Form14Layout& controls, const engine::Exercise& exercise,
                               ExerciseCommands commands)
    : window_(window), controls_(controls), exercise_(exercise), commands_(std::move(commands))
{
    pickAndPlace_ = new PickAndPlace(window, controls, exercise, commands_.drop);
    keys_ = std::make_unique<ExerciseKeys>(window, controls, *pickAndPlace_, commands_);
    makeAccessible();

    // Every control a learner acts on takes the keyboard focus; none takes it from a click.
    QList<QWidget*> stops{controls.rec1, controls.eva1, controls.altre1, controls.Label7, controls.MnuObjectif,
                          controls.MnuQuitter};
    for (QLabel* label : controls.Item)
        stops.append(label);
    for (QLabel* label : controls.Réponse)
        stops.append(label);
    new chrome::FocusStops(window, stops);
    // The window holds the focus itself until the first Tab, so that no control is chosen for it.
    window->setFocus(Qt::OtherFocusReason);
    focusMarking_ = new chrome::FocusMarking(window);
}

ExerciseAccess::~ExerciseAccess() = default;

void ExerciseAccess::makeAccessible()
{
    const Form14Layout& c = controls_;
    chrome::MakeAccessible(window_, QAccessible::Window, window_->windowTitle());
    for (QLabel* label : c.Item)
        chrome::MakeAccessible(label, QAccessible::ListItem, {});
    for (QLabel* label : c.Réponse)
        chrome::MakeAccessible(label, QAccessible::ListItem, {});
    chrome::MakeAccessible(c.Frame1, QAccessible::List, c.Frame1->caption());
    chrome::MakeAccessible(c.rec1, QAccessible::PushButton, QStringLiteral("Recomençar."), commands_.restart);
    chrome::MakeAccessible(c.eva1, QAccessible::PushButton, QStringLiteral("Avaluar."), commands_.score);
    chrome::MakeAccessible(c.altre1, QAccessible::PushButton, QStringLiteral("Altre verb."), commands_.newExercise);
    chrome::MakeAccessible(c.pica, QAccessible::PushButton, QStringLiteral("Minimitza"), commands_.minimise);
    chrome::MakeAccessible(c.Image1, QAccessible::PushButton, QStringLiteral("Tanca"), commands_.close);
    chrome::MakeAccessible(c.Label7, QAccessible::ButtonMenu, c.Label7->text(), commands_.openMenu);
    chrome::MakeAccessible(c.MnuObjectif, QAccessible::PushButton, c.MnuObjectif->text(), commands_.instructions);
    chrome::MakeAccessible(c.MnuQuitter, QAccessible::PushButton, QStringLiteral("Sortir."), commands_.quit);
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
    const Form14Layout& c = controls_;
    window_->setAccessibleDescription(c.Label5->text().trimmed() + QLatin1Char(' ') + c.Label2->text()
                                      + QLatin1Char(' ') + c.Label1->text() + QLatin1Char(' ') + c.Label8->text());
    focusMarking_->refresh();
}

void ExerciseAccess::captionChanged(engine::Slot slot)
{
    const std::string& caption = exercise_.caption(slot);
    QString name = caption.empty() ? QStringLiteral("buit") : toQString(caption);
    if (slot.kind == engine::Slot::Kind::Target) {
        // "1 persona singular: cantava"
        QString person = controls_.Label3[static_cast<std::size_t>(slot.index)]->text();
        if (person.endsWith(QLatin1Char('.')))
            person.chop(1);
        name = person + QStringLiteral(": ") + name;
    }
    chrome::SetAccessibleName(controls_.label(slot), name);
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

void ExerciseAccess::moveFocus(bool forward) { keys_->moveFocus(forward); }

bool ExerciseAccess::keyPressed(const QKeyEvent& key) { return keys_->keyPressed(key); }
