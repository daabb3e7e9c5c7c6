#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "form14.h"

namespace {

// Without a display QApplication aborts; say what is missing instead.
bool displayAvailable()
{
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fputs("conjugacio: no graphical display found (DISPLAY is not set); start it from a desktop session.\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    Form14 window;
    window.show();
    return application.exec();
}
