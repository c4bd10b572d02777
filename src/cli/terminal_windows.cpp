// The Windows console: arguments come from the wide command line, since argv holds them in
// the local code page, which cannot spell every file name.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After windows.h, which it builds on.
#include <io.h>
#include <shellapi.h>

#include "cli/terminal.h"

namespace chanforge::cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) {
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, utf8.data(), length, nullptr, nullptr);
    utf8.pop_back();  // the terminating NUL
    arguments.push_back(std::move(utf8));
  }
  ::LocalFree(wide);
  return arguments;
}

// Nothing is mapped here (common::MappedFile).
void EndOnMappedReadFault(int) {}

bool IsTerminal(std::FILE* stream) {
  const int fd = ::_fileno(stream);
  if (::_isatty(fd) == 0) return false;
  // _isatty holds for every character device, NUL included; only a console has a mode.
  DWORD mode = 0;
  return ::GetConsoleMode(reinterpret_cast<HANDLE>(::_get_osfhandle(fd)), &mode) != 0;
}

void KeepOutputFailures() {}

std::optional<OutputFailure> FirstOutputFailure() { return std::nullopt; }

}  // namespace chanforge::cli
