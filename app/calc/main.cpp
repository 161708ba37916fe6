// qismaru-calc: the share computation from a terminal (calc/command_line.cpp
// lists its uses).

#include <iostream>

#include "calc/command_line.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    // A program started without even its own name gets the usual one.
    if (argc < 1) return qismaru::calc::runCommandLine({}, std::cin, std::cout, std::cerr);
    return qismaru::calc::runCommandLine({argv + 1, argv + argc}, std::cin, std::cout, std::cerr, argv[0]);
}
