// A deterministic 512 KB demo image: a channel list and a transponder list of free
// channels at 19.2 degrees East (plus a few 13 degrees East ones on DiSEqC input B).
#pragma once

#include <string>

namespace chanforge::editing {

std::string MakeSampleImage();

}  // namespace chanforge::editing
