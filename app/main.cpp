#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include <xcb/xcb.h>

#include "form14.h"

namespace {

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Without a display QApplication aborts; find out first, and say what is missing.
bool displayAvailable()
{
    if (isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM"))
        return true;
    if (!isSet("DISPLAY"))
        return false;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fputs("conjugacio: no graphical display could be opened; start it from a desktop session.\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    Form14 window;
    window.show();
    return application.exec();
}
