// The POSIX terminal test.
#include <unistd.h>

#include "cli/terminal.h"

namespace chanforge::cli {

bool IsTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) != 0; }

}  // namespace chanforge::cli
