// The console around the program: its arguments as UTF-8, whether a standard stream is a
// terminal (questions are asked, and names shown, only there), and how a fault ends it.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace chanforge::cli {

// The command line as UTF-8, which every name in the program is.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

bool IsTerminal(std::FILE* stream);

// From now on standard output, unless a terminal, goes straight to its descriptor, so that a
// write that fails keeps the system's reason, which the stream's own buffer forgets. On
// Windows, whose streams convert line ends, it stays as it was.
void KeepOutputFailures();
// Why a write to standard output failed: the system's reason, and whether the reader had
// closed the pipe (head, a pager that was quit). None while no write failed, or unknown.
struct OutputFailure {
  std::string reason;
  bool reader_gone = false;
};
std::optional<OutputFailure> FirstOutputFailure();

// From now on, a read of a mapped image that faults (another program cut the file short,
// or its device failed) ends the program with status after "File : NAME can not be read !",
// leaving no temporary file, rather than with a crash. Images are mapped only from then on.
void EndOnMappedReadFault(int status);

}  // namespace chanforge::cli
