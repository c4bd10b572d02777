// Swapping the DiSEqC input A/B of every used transponder of a TPT block in place.
#pragma once

#include "common/frontend.h"
#include "flash/flash_image.h"

namespace chanforge::transponders {

// Whether a block holds a transponder list: its name is TPT in any letter case.
bool IsTptBlock(const std::string& name);

common::Outcome SwapDiseqc(flash::Workspace& workspace, common::Frontend& frontend, int index);

}  // namespace chanforge::transponders
