// Emptying a block: its data only, or the whole 64 KB block.
#pragma once

#include <string>

#include "flash/flash_image.h"

namespace chanforge::flash {

#include "common/message.h"

common::Message ClearQuestion(int index);

// The whole block as clearing leaves it, to be written whole: data only keeps the name and
// zeroes the length field, the spare bytes and the data; an unnamed block is cleared whole.
std::string ClearedBlock(const Workspace& workspace, int index, BlockPart part);

}  // namespace chanforge::flash
