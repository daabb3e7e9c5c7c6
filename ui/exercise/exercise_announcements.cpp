#include "ui/exercise/exercise_announcements.h"

#include "ui/chrome/announcer.h"

ExerciseAnnouncements::ExerciseAnnouncements(QWidget* window, const ExerciseLayout& controls)
    : QObject(window)
    , controls_(controls)
    , announcer_(new chrome::Announcer(window))
{
}

void ExerciseAnnouncements::pickedUp(engine::Slot slot)
{
    announcer_->announce(formOf(slot) + QStringLiteral(", agafada"));
}

void ExerciseAnnouncements::left(engine::Slot slot)
{
    announcer_->announce(formOf(slot) + QStringLiteral(", deixada"));
}

void ExerciseAnnouncements::moved(engine::Slot target, engine::Slot source)
{
    if (target == source) {
        left(target);
        return;
    }
    QString message = placeOf(target);
    if (!formOf(source).isEmpty())
        message += QStringLiteral("; ") + placeOf(source);
    announcer_->announce(message);
}

void ExerciseAnnouncements::exerciseShown()
{
    // "- Heu de conjugar el verb  " begins the sentence the instruction labels show.
    QString instruction = controls_.instruction->text().trimmed();
    if (instruction.startsWith(QLatin1Char('-')))
        instruction = instruction.mid(1).trimmed();
    announcer_->announce(instruction + QLatin1Char(' ') + controls_.infinitive->text() + QLatin1Char(' ')
                         + controls_.tenseIntro->text() + QLatin1Char(' ') + controls_.tensePhrase->text());
}

void ExerciseAnnouncements::menuShown(bool open)
{
    announcer_->announce(open ? QStringLiteral("Menú obert") : QStringLiteral("Menú tancat"));
}

QString ExerciseAnnouncements::formOf(engine::Slot slot) const { return controls_.label(slot)->text(); }

QString ExerciseAnnouncements::placeOf(engine::Slot slot) const
{
    // A target's name says its person and its form: "1 persona singular: prengui".
    if (slot.kind == engine::Slot::Kind::Target)
        return controls_.label(slot)->accessibleName();
    return formOf(slot) + QStringLiteral(", a les propostes");
}
