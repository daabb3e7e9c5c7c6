#include "app/screen_readers.h"

#include <QByteArray>

namespace screen_readers {

void JoinAccessibilityBus()
{
    // Qt reads the desktop's screen-reader setting once, as it first meets the accessibility bus,
    // and does not follow its changes; a program that joins the bus only for a reader already
    // running stays unknown to one turned on later. Joining costs nothing seen: Qt connects after
    // the event loop starts, and it sends nothing until some reader listens.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", QByteArray("1"));
}

}  // namespace screen_readers
