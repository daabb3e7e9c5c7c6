#include "app/startup_checks.h"

#include <QString>

#include <cstdio>

#include "app/platform_check.h"
#include "app/scale_settings.h"

namespace startup {

bool Prepare(int argc, char** argv)
{
    if (const std::optional<std::string> refusal = PreparePlatform(argc, argv)) {
        std::fprintf(stderr, "%s\n", refusal->c_str());
        return false;
    }
    for (const QString& warning : DropUnusableScaleSettings())
        std::fprintf(stderr, "%s\n", warning.toLocal8Bit().constData());
    return true;
}

}  // namespace startup
