// The lines of the main window's block list, one per block the image reaches.
#pragma once

#include <string>
#include <vector>

#include "common/message.h"
#include "flash/flash_image.h"

namespace chanforge::views {

// "Block:0 TCS ($44-$EAA4) $EA60 bytes (2000)": the name as stored, the data range, the
// length, and for list blocks the record count that the length field claims.
// The bytes as the command line prints them, the name as stored.
std::string BlockLine(int index, const flash::BlockInfo& block);
// The same line for the window, to be said in its language; the name as Latin-1 text.
common::Message BlockLineMessage(int index, const flash::BlockInfo& block);

std::vector<std::string> BlockLines(const flash::Workspace& workspace);

}  // namespace chanforge::views
