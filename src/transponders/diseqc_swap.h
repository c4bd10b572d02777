// Swapping the DiSEqC input A/B of every used transponder of a TPT block in place.
#pragma once

#include "common/frontend.h"
#include "flash/flash_image.h"

namespace chanforge::transponders {

common::Outcome SwapDiseqc(flash::Workspace& workspace, common::Frontend& frontend, int index);

}  // namespace chanforge::transponders
