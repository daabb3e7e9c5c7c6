#include "drill_test.h"

#include <cstdlib>
#include <iostream>

namespace desktop {

namespace {
std::string& program()
{
    static std::string named;
    return named;
}
}  // namespace

const std::string& DrillProgram() { return program(); }

void DrillTest::startDrill(int width, int height, const std::string& program, int scale,
                           const std::vector<std::string>& environment, const std::vector<std::string>& arguments)
{
    for (int attempt = 1;; ++attempt) {
        try {
            desktop_ = std::make_unique<Desktop>(width, height);
            drill = std::make_unique<Drill>(*desktop_, program, scale, environment, arguments);
            return;
        } catch (const WindowSystemFault& fault) {
            if (attempt == 2)
                throw;
            std::cout << "The desktop failed, not the drill; starting both once more: " << fault.what() << "\n";
            drill.reset();
            desktop_.reset();
        }
    }
}

xcb_window_t DrillTest::activeWindow()
{
    const std::vector<std::uint32_t> active = x().listProperty(x().root(), "_NET_ACTIVE_WINDOW");
    return active.empty() ? xcb_window_t(XCB_WINDOW_NONE) : active[0];
}

void DrillTest::screenshotIfAsked(const std::string& name)
{
    if (const char* folder = std::getenv("CONJUGACIO_DESKTOP_SCREENSHOTS")) {
        EXPECT_TRUE(SavePng(x().captureScreen(), std::string(folder) + "/" + name)) << "cannot save " << name;
    }
}

void DrillTest::TearDown()
{
    if (HasFailure() && desktop_)
        desktop_->reportFailure(drill ? drill->process().logPath() : std::string());
    drill.reset();
    desktop_.reset();
}

}  // namespace desktop

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " [GoogleTest options] PATH-TO-CONJUGACIO\n";
        return 2;
    }
    desktop::program() = argv[1];
    return RUN_ALL_TESTS();
}
