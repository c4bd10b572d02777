// Converting TCS binary list files to text files and back.
#pragma once

#include <string>

#include "common/frontend.h"

namespace chanforge::channels {

common::Outcome ConvertTcsToText(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text);
common::Outcome ConvertTextToTcs(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text);

}  // namespace chanforge::channels
