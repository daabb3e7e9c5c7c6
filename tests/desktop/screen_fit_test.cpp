// The whole window on every screen: where the exercise window at the desktop's scale does not fit
// the available area (the screen less its panels), the drill shrinks to fit it, centred there, and
// a click on "Avaluar." still opens the score; where it fits, nothing changes.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

#include "desktop.h"
#include "drill.h"
#include "drill_test.h"
#include "scaled_drill.h"
#include "screen_setup.h"
#include "wait.h"

namespace {

using namespace desktop;

constexpr Rect kScoreButton{144, 536, 69, 20};
// What a new exercise draws anew, and the pointer's trace: left out when windows are compared.
constexpr Rect kBoard{0, 40, 800, 450};
const std::string kReferenceDir = CONJUGACIO_DESKTOP_DIR "/reference";

struct Screen {
    const char* name;
    int width;
    int height;
    int panel;                    // pixels a panel takes at the bottom; 0 for none
    const char* environment;      // how the desktop's scale is given to the drill, or nothing
    const char* resources;        // X resources set before the drill starts, or nothing
    std::optional<Rect> asToday;  // where the window sits where it fits; nothing where it must shrink
};

void PrintTo(const Screen& screen, std::ostream* out) { *out << screen.name; }

bool Inside(const Rect& inner, const Rect& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width
           && inner.y + inner.height <= outer.y + outer.height;
}

class OnEveryScreen : public ::testing::TestWithParam<Screen> {
protected:
    void TearDown() override
    {
        if (HasFailure() && desktop_)
            desktop_->reportFailure(drill_ ? drill_->process().logPath() : std::string());
    }

    std::unique_ptr<Desktop> desktop_;
    std::unique_ptr<Panel> panel_;
    std::unique_ptr<ScaledDrill> drill_;
};

TEST_P(OnEveryScreen, TheWholeWindowIsInTheAvailableAreaAndAvaluarOpensTheScore)
{
    const Screen& screen = GetParam();
    desktop_ = std::make_unique<Desktop>(screen.width, screen.height);
    Display& x = desktop_->display();
    const Rect whole{0, 0, screen.width, screen.height};
    if (screen.panel > 0) {
        panel_ = std::make_unique<Panel>(desktop_->displayName(), screen.panel);
        ASSERT_TRUE(
            x.waitUntil([&] { return AvailableArea(x).height == screen.height - screen.panel; }, ReactionLimit()))
            << "openbox did not leave the panel out of the available area: " << ToString(AvailableArea(x));
    }
    if (screen.resources)
        SetXResources(desktop_->displayName(), screen.resources);
    std::vector<std::string> environment;
    if (screen.environment)
        environment.emplace_back(screen.environment);
    drill_ = std::make_unique<ScaledDrill>(*desktop_, DrillProgram(), environment);
    const Rect available = AvailableArea(x);
    const Rect placed = drill_->placement();

    if (screen.asToday) {
        EXPECT_EQ(ToString(placed), ToString(*screen.asToday)) << "The window is not where it always was";
    } else {
        EXPECT_TRUE(Inside(placed, available))
            << "The window at " << ToString(placed) << " runs out of the available area " << ToString(available);
        // Just small enough: it fills the height or the width, less a pixel or two at each side.
        const double scale = drill_->scale();
        const int slack = int(std::ceil(2 * scale)) + 2;
        EXPECT_TRUE(available.height - placed.height <= slack || available.width - placed.width <= slack)
            << "The window at " << ToString(placed) << " has shrunk more than it must to fit " << ToString(available);
        EXPECT_NEAR(placed.height * 4.0 / 3.0, placed.width, 2.0) << "The window no longer has its proportions";
        const int left = placed.x - available.x, right = available.x + available.width - placed.x - placed.width;
        const int top = placed.y - available.y, bottom = available.y + available.height - placed.y - placed.height;
        EXPECT_LE(std::abs(left - right), 2) << "Not centred across: " << left << " px left, " << right << " right";
        EXPECT_LE(std::abs(top - bottom), 2) << "Not centred down: " << top << " px above, " << bottom << " below";
    }
    ASSERT_TRUE(Inside(drill_->toScreen(kScoreButton), whole)) << "\"Avaluar.\" is off the screen";

    drill_->click(kScoreButton.centre());
    std::vector<xcb_window_t> popups;
    ASSERT_TRUE(x.waitUntil([&] { return !(popups = drill_->shownPopups()).empty(); }, ReactionLimit()))
        << "A click on \"Avaluar.\" at " << ToString(drill_->toScreen(kScoreButton.centre())) << " opened nothing";
    const std::optional<Rect> score = x.placement(popups.front());
    ASSERT_TRUE(score);
    EXPECT_TRUE(Inside(*score, whole)) << "The score window at " << ToString(*score) << " is not on the screen";
    // The score window's green ground, below its title strip.
    const Point ground{score->x + score->width / 10, score->y + score->height / 2};
    EXPECT_TRUE(x.waitUntil(
        [&] {
            return x.capture({ground.x, ground.y, 1, 1}).pixels[0] == (Rgb{0, 128, 0});
        },
        ReactionLimit()))
        << "The window opened by \"Avaluar.\" is not the green score window";

    if (const char* folder = std::getenv("CONJUGACIO_DESKTOP_SCREENSHOTS")) {
        EXPECT_TRUE(SavePng(x.captureScreen(), std::string(folder) + "/fit-" + screen.name + ".png"));
    }
}

// On the screen most learners have, 1024 x 768 at 100 %, the window and its rounded corners are
// pixel for pixel what they always were; the board, which each exercise draws anew, left out.
TEST(OnTheDefaultScreen, TheWindowLooksAsItAlwaysHas)
{
    Desktop desktop(1024, 768);
    ScaledDrill drill(desktop, DrillProgram());
    const Rect placed = drill.placement();
    ASSERT_EQ(ToString(placed), ToString(Rect{112, 84, 800, 600}));
    // The window and two pixels of the black root around it, where the corners are cut.
    const Rect area{placed.x - 2, placed.y - 2, placed.width + 4, placed.height + 4};
    const Rect board{placed.x + kBoard.x, placed.y + kBoard.y, kBoard.width, kBoard.height};
    const Image screen = desktop.display().capture(area);
    QImage picture(area.width, area.height, QImage::Format_RGB32);
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x) {
            const Point at{area.x + x, area.y + y};
            const Rgb c = board.contains(at) ? Rgb{} : screen.at(at);
            picture.setPixel(x, y, qRgb(c.red, c.green, c.blue));
        }
    const QString reference = QString::fromStdString(kReferenceDir + "/window_1024x768.png");
    if (std::getenv("CONJUGACIO_WRITE_REFERENCE")) {
        ASSERT_TRUE(picture.save(reference));
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(expected.size(), picture.size()) << "no reference picture " << reference.toStdString();
    int differing = 0;
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x)
            differing += picture.pixel(x, y) != expected.pixel(x, y);
    EXPECT_EQ(differing, 0) << "pixels differ from " << reference.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Screens, OnEveryScreen,
    ::testing::Values(
        Screen{"1366x768_at_150", 1366, 768, 0, "QT_SCALE_FACTOR=1.5", nullptr, std::nullopt},
        Screen{"1920x1080_at_200", 1920, 1080, 0, "QT_SCALE_FACTOR=2", nullptr, std::nullopt},
        Screen{"1366x768_at_125_with_a_40px_panel", 1366, 768, 40, nullptr, "Xft.dpi:\t120\n", std::nullopt},
        Screen{"1280x720_at_125", 1280, 720, 0, "QT_SCREEN_SCALE_FACTORS=1.25", nullptr, std::nullopt},
        Screen{"1024x600_at_100_with_a_30px_panel", 1024, 600, 30, nullptr, nullptr, std::nullopt},
        Screen{"1024x768_at_100", 1024, 768, 0, nullptr, nullptr, Rect{112, 84, 800, 600}},
        Screen{"1920x1080_at_150", 1920, 1080, 0, "QT_SCALE_FACTOR=1.5", nullptr, Rect{360, 90, 1200, 900}},
        Screen{"2560x1600_at_200", 2560, 1600, 0, "QT_SCALE_FACTOR=2", nullptr, Rect{480, 200, 1600, 1200}},
        Screen{"2560x1440_at_300", 2560, 1440, 0, "QT_SCALE_FACTOR=3", nullptr, std::nullopt}),
    [](const ::testing::TestParamInfo<Screen>& info) { return std::string(info.param.name); });

}  // namespace
