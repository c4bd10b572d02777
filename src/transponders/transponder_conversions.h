// Converting TPT binary files to text files and back.
#pragma once

#include <string>

#include "common/frontend.h"

namespace chanforge::transponders {

common::Outcome ConvertTptToText(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text, bool decLink);

// decLink is accepted for symmetry; the parser reads both layouts.
common::Outcome ConvertTextToTpt(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text, bool decLink);

}  // namespace chanforge::transponders
