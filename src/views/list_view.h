// The contents of the list viewer: the TCS and TPT binary files as formatted lines.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/files.h"
#include "common/list_files.h"
#include "common/list_kind.h"
#include "common/message.h"

namespace chanforge::views {

struct ListedFile {
  // The file's lines (Latin-1 bytes as UTF-8 values) and what is said about them, or the
  // one line that says why the file could not be read.
  std::vector<common::Message> lines;
  bool read = false;
};

// The channel list lines of a file as common::ReadListFileForViewer read it: heading,
// oversize line and records, or the line that says why it could not be read.
ListedFile ListTcsFile(const common::Result<common::FileStart>& file);
// The same for a transponder file, always with the DiSEqC column.
ListedFile ListTptFile(const common::Result<common::FileStart>& file);

// "TCS FILE IS LARGER THAN 64Kb (70000 bytes)": said of a list file larger than a block.
common::Message OversizeLine(const std::string& kind, std::int64_t size);

}  // namespace chanforge::views
