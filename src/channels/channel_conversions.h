// Converting TCS binary list files to text files and back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/frontend.h"
#include "common/list_files.h"

namespace chanforge::channels {

common::Outcome ConvertTcsToText(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text);
common::Outcome ConvertTextToTcs(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text);

// The channels a binary list file holds, as its text shows them: one a record.
std::int64_t CountTcsFileRecords(const std::string& binary);

// The text lines of a binary list file, piece by piece, as the conversion writes them.
std::unique_ptr<common::ListTextFormat> MakeTcsTextFormat();

}  // namespace chanforge::channels
