#include "screens_main.h"

#include <gtest/gtest.h>

#include <iostream>

namespace {
std::string program;
}  // namespace

const std::string& DrillProgram() { return program; }

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::cerr << "usage: screen_tests [GoogleTest options] PATH-TO-CONJUGACIO\n";
        return 2;
    }
    program = argv[1];
    return RUN_ALL_TESTS();
}
