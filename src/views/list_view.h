// The contents of the list viewer: the TCS and TPT binary files as formatted lines.
#pragma once

#include <string>
#include <vector>

namespace chanforge::views {

struct ListedFile {
  std::vector<std::string> lines;
  bool read = false;  // false: the lines hold only the not-found or unreadable line
};

// The channel list lines of one file: heading, oversize line and records, or the
// not-found or unreadable line.
ListedFile ListTcsFile(const std::string& name);
// The same for a transponder file, always with the DiSEqC column.
ListedFile ListTptFile(const std::string& name);

}  // namespace chanforge::views
