// Whether a standard stream is a terminal: questions are asked, and names shown, only there.
#pragma once

#include <cstdio>

namespace chanforge::cli {

bool IsTerminal(std::FILE* stream);

}  // namespace chanforge::cli
