// The contents of the list viewer: the TCS and TPT binary files as formatted lines.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/files.h"
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
ListedFile ListTcsFile(const common::ReadResult& file);
// The same for a transponder file, always with the DiSEqC column.
ListedFile ListTptFile(const common::ReadResult& file);

// The same lines of a whole file, read in pieces so that memory stays flat, a line at a
// time to print (which may stop them by returning false). False with the line that says
// why when the file cannot be shown (not found, unreadable, too large).
bool StreamListFile(common::Files& files, const std::string& name, common::ListKind kind,
                    const std::function<bool(std::string_view line)>& print,
                    common::Message& error);

}  // namespace chanforge::views
