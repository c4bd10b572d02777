// The POSIX console: arguments arrive as the user's bytes, which are UTF-8.
#include <unistd.h>

#include "cli/terminal.h"

namespace chanforge::cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

bool IsTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) != 0; }

}  // namespace chanforge::cli
