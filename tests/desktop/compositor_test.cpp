// Under a compositing manager the drill draws its rounded outline itself, with an alpha channel:
// the corners have smooth edges and nothing of the window shows outside them. It still takes the
// pointer only inside the outline.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "desktop.h"
#include "drill.h"
#include "drill_test.h"
#include "screen_setup.h"
#include "wait.h"

namespace {

using namespace desktop;

constexpr double kRadius = 20;  // device pixels, the corner ellipse's half

bool Between(std::uint8_t value, std::uint8_t a, std::uint8_t b)
{
    return value > std::min(a, b) && value < std::max(a, b);
}

TEST(UnderACompositor, TheWindowDrawsItsCornersWithSmoothEdges)
{
    Desktop desktop(1024, 768);
    Display& x = desktop.display();
    const auto xcompmgr = support::FindOnPath("xcompmgr");
    ASSERT_TRUE(xcompmgr) << "xcompmgr is not installed (scripts/setup.sh installs it)";
    ChildProcess compositor(std::vector<std::string>{*xcompmgr},
                            {"PATH=/usr/bin:/bin", "HOME=" + desktop.folder(), "DISPLAY=" + desktop.displayName()},
                            desktop.folder() + "/xcompmgr.log");
    ASSERT_TRUE(x.waitUntil([&] { return CompositorRunning(desktop.displayName()); }, StartLimit()))
        << "xcompmgr did not start:" << Tail(compositor.logPath());

    Drill drill(desktop, DrillProgram());
    const Rect placed = drill.placement();
    EXPECT_EQ(WindowDepth(desktop.displayName(), drill.window()), 32) << "The window has no alpha channel";
    const auto within = [](const std::vector<Rect>& outline, Point p) {
        return std::any_of(outline.begin(), outline.end(), [p](const Rect& r) { return r.contains(p); });
    };
    EXPECT_TRUE(within(x.outline(drill.window()), {1, 1}))
        << "The window system still cuts the window's corners, with hard edges";
    const std::vector<Rect> input = x.inputOutline(drill.window());
    EXPECT_FALSE(within(input, {1, 1})) << "The window takes the pointer outside its rounded outline";
    EXPECT_TRUE(within(input, {10, 10}));

    // What the compositor shows where there is no window.
    const Rgb ground = x.capture({placed.x - 20, placed.y + 300, 1, 1}).pixels[0];
    const Image screen = x.captureScreen();
    for (const bool right : {false, true})
        for (const bool bottom : {false, true}) {
            const std::string corner = std::string(bottom ? "bottom " : "top ") + (right ? "right" : "left");
            // A pixel `dx` and `dy` in from the corner.
            const auto in = [&](int dx, int dy) {
                return screen.at({right ? placed.x + placed.width - 1 - dx : placed.x + dx,
                                  bottom ? placed.y + placed.height - 1 - dy : placed.y + dy});
            };
            int blended = 0;
            for (int dy = 0; dy < int(kRadius); ++dy)
                for (int dx = 0; dx < int(kRadius); ++dx) {
                    const double distance = std::hypot(kRadius - (dx + 0.5), kRadius - (dy + 0.5));
                    const Rgb pixel = in(dx, dy);
                    if (distance > kRadius + 1) {
                        EXPECT_EQ(pixel, ground)
                            << dx << ", " << dy << " in from the " << corner
                            << " corner, outside the outline, the window shows " << ToString(pixel);
                    } else if (distance < kRadius - 1) {
                        EXPECT_NE(pixel, ground) << dx << ", " << dy << " in from the " << corner
                                                 << " corner, inside the outline, the window is cut";
                    } else {
                        // On the curve: between the ground and the window's pixel next inside.
                        const Rgb inside = in(dx + 1, dy + 1);
                        blended += Between(pixel.red, ground.red, inside.red)
                                   || Between(pixel.green, ground.green, inside.green);
                    }
                }
            EXPECT_GE(blended, 10) << "The " << corner << " corner's edge is not smooth";
        }
}

}  // namespace
