// File reads and writes that tell the user themselves what went wrong, with the
// program's own message texts.
#pragma once

#include <string>
#include <string_view>

#include "common/frontend.h"

namespace chanforge::common {

// True when the file does not exist yet or the user agrees to replace it.
bool ConfirmOverwrite(Frontend& frontend, const std::string& name);

// Reads a whole file; an unreadable one (a folder, no permission) gets
// "File : NAME can not be read !" and false.
bool ReadFileOrReport(Frontend& frontend, const std::string& name, std::string& bytes);

// Replaces the file safely; a failure gets "Error Writing the file NAME !" and false.
bool WriteFileOrReport(Frontend& frontend, const std::string& name, std::string_view bytes);

}  // namespace chanforge::common
