// Swapping the DiSEqC input A/B of every used transponder of a TPT block in place.
#pragma once

#include <string>

#include "common/frontend.h"
#include "flash/flash_image.h"

namespace chanforge::editing {

// " N Transponders have been swapped from DiSEqC A <=> B"
std::string SwapReport(int count);

// Swaps without reporting the count: kRefused (with a message) for a block that is not
// a TPT block. count receives the number of records swapped.
common::Outcome SwapDiseqcSilently(flash::Workspace& workspace, common::Frontend& frontend,
                                   int index, int& count);

// Swaps and reports the count.
common::Outcome SwapDiseqc(flash::Workspace& workspace, common::Frontend& frontend, int index);

}  // namespace chanforge::editing
