// Converting TCS binary list files to text files and back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/frontend.h"
#include "common/list_files.h"

namespace chanforge::channels {

// encoding: how the text holds the names' bytes; one byte a character keeps them as stored.
common::Outcome ConvertTcsToText(common::Frontend& frontend, common::Files& files,
                                 const std::string& binary, const std::string& text,
                                 common::TextEncoding encoding = common::TextEncoding::kLatin1);
// read_as, when given, receives how the text was read (UTF-8 is found, not chosen).
common::Outcome ConvertTextToTcs(common::Frontend& frontend, common::Files& files,
                                 const std::string& binary, const std::string& text,
                                 common::TextEncoding* read_as = nullptr);

// The channels a binary list file holds, as its text shows them: one a record.
std::int64_t CountTcsFileRecords(common::Files& files, const std::string& binary);

// The text lines of a binary list file, piece by piece, as the conversion writes them.
std::unique_ptr<common::ListTextFormat> MakeTcsTextFormat();

}  // namespace chanforge::channels
