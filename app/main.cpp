#include <QApplication>

#include "app/platform_start_watch.h"
#include "app/startup_checks.h"
#include "ui/chrome/layout_font.h"
#include "ui/exercise/exercise_window.h"

int main(int argc, char* argv[])
{
    if (!startup::Prepare(argc, argv))
        return 1;
    chrome::StartReadingFontConfiguration();
    startup::WatchPlatformStart();
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("cat.conjugacio.conjugacio"));
    ExerciseWindow window;
    window.show();
    startup::PlatformStarted();
    return application.exec();
}
