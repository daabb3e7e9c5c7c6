#include "app/platform_start_watch.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace startup {
namespace {

// A message of Qt's, held back while the start is watched: a start that fails says one line only.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler qtHandler = nullptr;
std::vector<HeldMessage> held;

void Watch(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        held.push_back({type, context.file, context.line, context.function, context.category, message});
        return;
    }
    const QString reason = message.section(QLatin1Char('\n'), 0, 0).trimmed();
    std::fprintf(stderr, "conjugacio: the graphical platform could not be started: %s\n",
                 reason.toLocal8Bit().constData());
    std::fflush(stderr);
    // Nothing of the half-made application object is left to tidy: the process ends at once.
    std::_Exit(1);
}

}  // namespace

void WatchPlatformStart() { qtHandler = qInstallMessageHandler(Watch); }

void PlatformStarted()
{
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& message : held)
        qtHandler(message.type, QMessageLogContext(message.file, message.line, message.function, message.category),
                  message.text);
    held.clear();
    held.shrink_to_fit();
}

}  // namespace startup
