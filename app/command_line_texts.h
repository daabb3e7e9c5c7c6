// What the command line says, in English or in Catalan.
#pragma once

#include <string>

#include "app/command_line.h"

namespace command_line {

// What can be wrong with a command line; `item` names the bad argument, `option` the option it
// belongs to.
enum class Fault {
    UnknownOption,
    ValueNotAllowed,
    ValueMissing,
    NoSuchTense,
    NoSuchVerb,
    EmptyList,
    EmptyItem,
    Operand
};

std::string Help(Language language);
std::string Version();
// The two lines of a wrong command line: what is wrong, and where to look.
std::string Complaint(Language language, Fault fault, const std::string& item, const std::string& option = {});

}  // namespace command_line
