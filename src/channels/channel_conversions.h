// Converting TCS binary list files to text files and back.
#pragma once

#include <cstdint>
#include <string>

#include "common/frontend.h"

namespace chanforge::channels {

common::Outcome ConvertTcsToText(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text);
common::Outcome ConvertTextToTcs(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text);

// The channels a binary list file holds, as its text shows them: one a record.
std::int64_t CountTcsFileRecords(const std::string& binary);

}  // namespace chanforge::channels
