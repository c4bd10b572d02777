// The contents of the list viewer: the TCS and TPT binary files as formatted lines.
#pragma once

#include <string>
#include <vector>

namespace chanforge::views {

struct ListedFile {
  std::vector<std::string> lines;
  // true: the lines are the file's, bytes as they are (Latin-1). false: one message line
  // (not found, unreadable, too large), UTF-8 like every message.
  bool read = false;
};

// The channel list lines of one file: heading, oversize line and records, or the
// not-found or unreadable line.
ListedFile ListTcsFile(const std::string& name);
// The same for a transponder file, always with the DiSEqC column.
ListedFile ListTptFile(const std::string& name);

}  // namespace chanforge::views
