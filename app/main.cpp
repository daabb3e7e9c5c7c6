#include <QApplication>

#include <cstdio>

#include "app/command_line.h"
#include "app/display_check.h"
#include "app/screen_readers.h"
#include "ui/chrome/layout_font.h"
#include "ui/exercise/exercise_window.h"

int main(int argc, char* argv[])
{
    // Help, the version and a wrong command line end the program here, before any display is looked for.
    const command_line::Request request = command_line::Read(argc, argv);
    if (request.exitStatus)
        return *request.exitStatus;
    if (!display::Prepare()) {
        std::fputs("conjugacio: no graphical display could be opened; start it from a desktop session.\n", stderr);
        return 1;
    }
    chrome::StartReadingFontConfiguration();
    screen_readers::JoinAccessibilityBus();
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("cat.conjugacio.conjugacio"));
    ExerciseWindow window(nullptr, request.practice);
    window.show();
    return application.exec();
}
