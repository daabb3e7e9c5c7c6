#include "desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "wait.h"

namespace desktop {

Desktop::Desktop(int width, int height)
{
    for (const char* program : {"Xvfb", "openbox"})
        if (!support::FindOnPath(program))
            throw std::runtime_error(std::string(program) + " is not installed; scripts/setup.sh installs it");
    startServer(width, height);
    startWindowManager();
}

void Desktop::startServer(int width, int height)
{
    try {
        server_ = std::make_unique<support::PrivateXServer>(width, height, folder() + "/xvfb.log", StartLimit());
    } catch (const std::runtime_error& failure) {
        throw WindowSystemFault(failure.what());
    }
    display_ = std::make_unique<Display>(server_->display());
}

void Desktop::startWindowManager()
{
    const char* path = std::getenv("PATH");
    windowManager_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"openbox", "--sm-disable", "--config-file",
                                 std::string(CONJUGACIO_DESKTOP_DIR) + "/openbox_rc.xml"},
        std::vector<std::string>{std::string("PATH=") + (path ? path : "/usr/bin:/bin"), "HOME=" + folder(),
                                 "DISPLAY=" + displayName()},
        folder() + "/openbox.log");
    // A window manager announces itself with a check window on the root once it holds the root's
    // requests. openbox does so before its event loop runs, and never acts on a window mapped or a
    // message sent in between: the desktop is handed over only once openbox answers.
    const bool announced = display_->waitUntil(
        [this] {
            if (windowManager_->waitForExit(std::chrono::milliseconds(0)))
                return true;
            const auto check = display_->listProperty(display_->root(), "_NET_SUPPORTING_WM_CHECK");
            return !check.empty() && !display_->listProperty(check[0], "_NET_SUPPORTING_WM_CHECK").empty();
        },
        StartLimit());
    if (!announced)
        throw WindowSystemFault("openbox did not announce itself on " + displayName() + " within "
                                + Seconds(StartLimit()) + ":" + Tail(windowManager_->logPath()));
    checkWindowManager(StartLimit());
}

void Desktop::checkWindowManager(std::chrono::milliseconds limit)
{
    if (const auto status = windowManager_->waitForExit(std::chrono::milliseconds(0)))
        throw WindowSystemFault("openbox " + DescribeExit(*status) + ":" + Tail(windowManager_->logPath()));
    if (!display_->syncWindowManager(limit))
        throw WindowSystemFault("openbox did not answer on " + displayName() + " within " + Seconds(limit) + ":"
                                + Tail(windowManager_->logPath()));
}

void Desktop::reportFailure(const std::string& drillLog)
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    std::replace(name.begin(), name.end(), '/', '_');  // parameterised tests
    std::filesystem::create_directories("desktop-failures");
    const auto shot = std::filesystem::absolute("desktop-failures") / (name + ".png");
    if (SavePng(display().captureScreen(), shot.string()))
        std::cout << "The screen at the failure: " << shot.string() << "\n";
    if (!drillLog.empty())
        std::cout << "The drill's output:" << Tail(drillLog) << "\n";
}

}  // namespace desktop
