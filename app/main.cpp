#include <QApplication>

#include "app/command_line.h"
#include "app/platform_start_watch.h"
#include "app/screen_fit.h"
#include "app/screen_readers.h"
#include "app/startup_checks.h"
#include "ui/chrome/layout_font.h"
#include "ui/exercise/exercise_window.h"

int main(int argc, char* argv[])
{
    // Help, the version and a wrong command line end the program here, before any display is looked for.
    const command_line::Request request = command_line::Read(argc, argv);
    if (request.exitStatus)
        return *request.exitStatus;
    if (!startup::Prepare(argc, argv))
        return 1;
    chrome::StartReadingFontConfiguration();
    screen_readers::JoinAccessibilityBus();
    startup::WatchPlatformStart();
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("cat.conjugacio.conjugacio"));
    screen_fit::FitToScreen(ExerciseLayout::kWindowSize);
    ExerciseWindow window(nullptr, request.practice);
    window.show();
    startup::PlatformStarted();
    return application.exec();
}
