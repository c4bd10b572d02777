// The console around the program: its arguments as UTF-8, and whether a standard stream is
// a terminal (questions are asked, and names shown, only there).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace chanforge::cli {

// The command line as UTF-8, which every name in the program is.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

bool IsTerminal(std::FILE* stream);

}  // namespace chanforge::cli
