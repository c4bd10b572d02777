// The contents of the list viewer: the TCS and TPT binary files as formatted lines.
#pragma once

#include <string>
#include <vector>

#include "common/frontend.h"

namespace chanforge::transponders {

struct ListFilesView {
  std::string tcs_caption;
  std::vector<std::string> tcs_lines;
  std::string tpt_caption;
  std::vector<std::string> tpt_lines;
};

struct ListedFile {
  std::vector<std::string> lines;
  bool read = false;  // false: the lines hold only the not-found or unreadable line
};

// The channel list lines of one file: heading, oversize line and records, or the
// not-found or unreadable line.
ListedFile ListTcsFile(common::Frontend& frontend, const std::string& name);
// The same for a transponder file, always with the DiSEqC column.
ListedFile ListTptFile(common::Frontend& frontend, const std::string& name);

ListFilesView ShowListFiles(common::Frontend& frontend, const std::string& tcs,
                            const std::string& tpt);

}  // namespace chanforge::transponders
