// The yardstick of the start-up benchmark: a window with the exercise window's flags, size and
// background and nothing else in it, so that what the drill costs beyond it is what it draws.
#include <QApplication>
#include <QColor>
#include <QWidget>

#include "ui/chrome/colours.h"
#include "ui/chrome/window_frame.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    // The exercise window's own calls, so that the two stay alike if the frameless look changes.
    chrome::MakeFrameless(&window, /*quitOnClose=*/true);
    window.setFixedSize(800, 600);
    chrome::SetBackground(&window, QColor(192, 0, 0));  // the exercise window's red
    window.show();
    return application.exec();
}
