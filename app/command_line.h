// The command line, read before any graphical session is looked for: the drill's own options, and
// Qt's own options (-platform, -display, -style, …), which are left for Qt as they stand.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/exercise/practice.h"

namespace command_line {

enum class Language { English, Catalan };

// Catalan where the first of LC_ALL, LC_MESSAGES and LANG that is set starts with "ca".
Language LanguageOfEnvironment();

// What a command line asks for.
struct Request {
    // Set where the program ends at once: 0 after --help or --version, 2 for a wrong command line.
    std::optional<int> exitStatus;
    std::string output;  // for standard output
    std::string errors;  // for standard error: two lines, what is wrong and where to look
    Practice practice;
    std::vector<std::size_t> forQt;  // the places in the arguments of Qt's options and their values
};

// Reads the arguments that follow the program's name.
Request Parse(const std::vector<std::string>& arguments, Language language);

// Reads the command line and writes what the request has to say. On return argc and argv hold the
// program's name and Qt's own options, for QApplication.
Request Read(int& argc, char** argv);

}  // namespace command_line
