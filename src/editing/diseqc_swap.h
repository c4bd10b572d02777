// Swapping the DiSEqC input A/B of every used transponder of a TPT block.
#pragma once

#include <string>

#include "common/frontend.h"
#include "flash/flash_image.h"

namespace chanforge::editing {

// " N Transponders have been swapped from DiSEqC A <=> B"
common::Message SwapReport(int count);

// The whole TPT block with the DiSEqC input of every used transponder swapped, or kRefused
// (with a message) for a block that is not a TPT block. count receives the records swapped.
common::Outcome SwappedBlock(const flash::Workspace& workspace, common::Frontend& frontend,
                             int index, std::string& bytes, int& count);

}  // namespace chanforge::editing
