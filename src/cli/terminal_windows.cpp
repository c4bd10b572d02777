// The Windows terminal test.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <io.h>
#include <windows.h>

#include "cli/terminal.h"

namespace chanforge::cli {

bool IsTerminal(std::FILE* stream) {
  const int fd = ::_fileno(stream);
  if (::_isatty(fd) == 0) return false;
  // _isatty holds for every character device, NUL included; only a console has a mode.
  DWORD mode = 0;
  return ::GetConsoleMode(reinterpret_cast<HANDLE>(::_get_osfhandle(fd)), &mode) != 0;
}

}  // namespace chanforge::cli
