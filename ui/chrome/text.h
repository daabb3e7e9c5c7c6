// Text from the toolkit-free core, which holds UTF-8, as Qt shows it.
#pragma once

#include <QString>

#include <string_view>

namespace chrome {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace chrome
