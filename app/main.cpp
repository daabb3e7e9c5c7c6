#include <QApplication>

#include <cstdio>

#include "app/display_check.h"
#include "app/screen_fit.h"
#include "ui/chrome/layout_font.h"
#include "ui/exercise/exercise_window.h"

int main(int argc, char* argv[])
{
    if (!display::Prepare()) {
        std::fputs("conjugacio: no graphical display could be opened; start it from a desktop session.\n", stderr);
        return 1;
    }
    chrome::StartReadingFontConfiguration();
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("cat.conjugacio.conjugacio"));
    screen_fit::FitToScreen(ExerciseLayout::kWindowSize);
    ExerciseWindow window;
    window.show();
    return application.exec();
}
