// Emptying a block: its data only, or the whole 64 KB block.
#pragma once

#include <string>

#include "common/frontend.h"
#include "flash/flash_image.h"

namespace chanforge::flash {

std::string ClearQuestion(int index);

// Clears without asking; an unnamed block is always cleared whole.
void ClearBlock(Workspace& workspace, int index, bool wholeBlock);

// Asks the confirmation, then clears. kCancelled on No.
common::Outcome ConfirmAndClearBlock(Workspace& workspace, common::Frontend& frontend, int index,
                                     bool wholeBlock);

}  // namespace chanforge::flash
