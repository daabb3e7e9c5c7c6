// The drill with a screen reader's ears: a private session bus with the accessibility bus on it,
// a small AT-SPI client that hears what a screen reader hears, and keys pressed as the learner does.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <QCoreApplication>

#include <functional>
#include <iostream>

#include "accessibility_bus.h"
#include "drill_test.h"

// Failures quote texts as text.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

using namespace desktop;

// The reader's bus connections deliver through Qt's event loop, which wants an application object.
class QtApplication : public ::testing::Environment {
public:
    void SetUp() override { application_ = std::make_unique<QCoreApplication>(argc_, argv_); }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[20] = "screen_reader_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> application_;
};
const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtApplication);

class ScreenReader : public ::testing::Test {
protected:
    // The drill on a desktop of its own, with a screen reader already listening or not.
    void start(bool readerListening)
    {
        desktop_ = std::make_unique<Desktop>(1024, 768);
        bus_ = std::make_unique<AccessibilityBus>(desktop_->folder());
        reader = std::make_unique<AtSpiClient>(bus_->address());
        if (readerListening) {
            reader->setScreenReaderEnabled(true);
            reader->listen();
        }
        drill_ =
            std::make_unique<Drill>(*desktop_, DrillProgram(), 1, std::vector<std::string>{bus_->environmentEntry()});
    }

    Accessible drillOnTheBus(std::chrono::milliseconds limit)
    {
        reader->waitUntil([&] { return (application_ = reader->application(QStringLiteral("conjugacio"))).valid(); },
                          limit);
        return application_;
    }

    // Presses `keysym` (with Shift if asked) and waits for the focus to move.
    Accessible press(std::uint32_t keysym, bool shift = false)
    {
        reader->forgetFocus();
        if (shift)
            desktop_->display().typeChord({XK_Shift_L, keysym});
        else
            desktop_->display().typeChord({keysym});
        caughtUp();
        reader->waitUntil([&] { return reader->focused().valid(); }, ReactionLimit());
        return reader->focused();
    }

    // Presses `keysym` and returns what was heard within the reaction limit, once something was.
    QStringList hear(std::uint32_t keysym)
    {
        desktop_->display().typeChord({keysym});
        caughtUp();
        QStringList heard;
        reader->waitUntil([&] { return !(heard += reader->takeNotifications()).isEmpty(); }, ReactionLimit());
        return heard;
    }

    // Tabs (or Shift+Tabs) until the focused control is `wanted`, at most one round.
    Accessible tabTo(const std::function<bool(const Accessible&)>& wanted, bool backwards = false)
    {
        for (int i = 0; i < 60; ++i)
            if (const Accessible focused = press(XK_Tab, backwards); focused.valid() && wanted(focused))
                return focused;
        return {};
    }
    std::function<bool(const Accessible&)> named(const QString& prefix, std::uint32_t role = atspi::kListItem)
    {
        return [this, prefix, role](const Accessible& a) {
            return reader->role(a) == role && reader->name(a).startsWith(prefix);
        };
    }

    // Where a screen reader says the control stands: "3 of 44" is {3, 44}.
    std::pair<int, int> position(const Accessible& control)
    {
        return {reader->indexInParent(control) + 1, int(reader->children(reader->parent(control)).size())};
    }

    std::unique_ptr<AtSpiClient> reader;

private:
    // Returns once the drill has handled the keys sent so far and what it told screen readers of
    // them has reached the reader: the drill answers the reader's call after the events it sent
    // before, and the bus keeps their order. Without it a late event of one key could pass for the
    // next key's.
    void caughtUp()
    {
        drill_->settle();
        if (application_.valid())
            reader->name(application_);
        reader->waitUntil([] { return true; }, 0ms);
    }

    Accessible application_;
    std::unique_ptr<Desktop> desktop_;
    std::unique_ptr<AccessibilityBus> bus_;
    std::unique_ptr<Drill> drill_;
};

TEST_F(ScreenReader, TurnedOnAfterTheDrillStartedFindsItAndFollowsTheFocus)
{
    start(/*readerListening=*/false);
    reader->setScreenReaderEnabled(true);
    reader->listen();
    ASSERT_TRUE(drillOnTheBus(2s).valid()) << "the drill is not on the accessibility bus 2 s after the reader came";
    const Accessible first = press(XK_Tab);
    ASSERT_TRUE(first.valid()) << "a Tab moved no focus that the reader heard of";
    EXPECT_EQ(reader->role(first), atspi::kListItem);
    EXPECT_EQ(position(first), std::make_pair(1, 44));
}

TEST_F(ScreenReader, HearsEachStepOfAnExerciseAndWhereEachControlStands)
{
    start(/*readerListening=*/true);
    const Accessible drill = drillOnTheBus(StartLimit());
    ASSERT_TRUE(drill.valid());
    reader->waitUntil([] { return false; }, 300ms);  // the drill learns what the reader listens to

    // The third Tab stop is the third form, though not the third slot.
    press(XK_Tab);
    press(XK_Tab);
    EXPECT_EQ(position(press(XK_Tab)), std::make_pair(3, 44));
    const Accessible form = tabTo([this](const Accessible& a) { return reader->name(a) != QLatin1String("buit"); });
    ASSERT_TRUE(form.valid());
    const QString taken = reader->name(form);
    EXPECT_EQ(hear(XK_space), QStringList{taken + ", agafada"});
    EXPECT_EQ(hear(XK_Escape), QStringList{taken + ", deixada"});
    EXPECT_EQ(hear(XK_space), QStringList{taken + ", agafada"});

    // The first exercise may be the imperative, which has no first person singular.
    const Accessible frame = reader->children(drill).at(0);
    const bool imperative = reader->description(frame).contains(QLatin1String("imperatiu"));
    const Accessible target =
        tabTo(named(imperative ? QStringLiteral("2 persona singular") : QStringLiteral("1 persona singular")));
    ASSERT_TRUE(target.valid());
    EXPECT_EQ(position(target), std::make_pair(1, imperative ? 5 : 6));
    const QString person = reader->name(target).section(QLatin1Char(':'), 0, 0);
    EXPECT_EQ(hear(XK_Return), QStringList{person + ": " + taken});
    EXPECT_EQ(reader->name(target), person + ": " + taken);
    EXPECT_EQ(hear(XK_space), QStringList{taken + ", agafada"});
    ASSERT_TRUE(tabTo(named(QStringLiteral("buit")), /*backwards=*/true).valid());
    EXPECT_EQ(hear(XK_space), QStringList{taken + ", a les propostes"});

    const Accessible menu = tabTo(named(QStringLiteral("MENÚ."), atspi::kPushButton));
    ASSERT_TRUE(menu.valid());
    EXPECT_EQ(hear(XK_space), QStringList{"Menú obert"});
    EXPECT_TRUE(reader->hasState(menu, atspi::kExpanded));
    EXPECT_EQ(hear(XK_Escape), QStringList{"Menú tancat"});
    EXPECT_FALSE(reader->hasState(menu, atspi::kExpanded));

    // New exercises until the imperative, whose five persons are "1 of 5" to "5 of 5".
    ASSERT_TRUE(tabTo(named(QStringLiteral("Altre verb."), atspi::kPushButton), /*backwards=*/true).valid());
    QString told;
    for (int i = 0; i < 80 && !told.contains(QLatin1String("imperatiu")); ++i) {
        const QStringList heard = hear(XK_Return);
        ASSERT_EQ(heard.size(), 1);
        told = heard[0];
        ASSERT_TRUE(told.startsWith(QLatin1String("Heu de conjugar el verb "))) << told.toStdString();
        EXPECT_EQ(QStringLiteral("- ") + told, reader->description(frame));
    }
    ASSERT_TRUE(told.contains(QLatin1String("imperatiu")));
    const Accessible second = reader->find(frame, atspi::kListItem, QStringLiteral("2 persona singular"));
    EXPECT_EQ(position(second), std::make_pair(1, 5));
}

}  // namespace
