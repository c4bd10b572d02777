// The guard of every block command and the texts of the status line's labels.
#pragma once

#include <string>

#include "common/frontend.h"

namespace chanforge::flash {

// Refuses with a message when no file is loaded, the file has no blocks or no line
// is selected; true when the block command may go on.
bool CheckBlockSelected(common::Frontend& frontend, int line_count, int selected,
                        const std::string& fileName, const std::string& action);

// The file label: the whole name up to 55 characters, else the first 3, "..." and
// the last 49. Characters are counted as UTF-8 code points, never split.
std::string FileLabelText(const std::string& fileName);

// "File Changed" while a loaded or saved file has unsaved changes, else empty.
std::string ChangedMarkerText(const std::string& fileName, bool dirty);

}  // namespace chanforge::flash
