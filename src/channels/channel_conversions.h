// Converting TCS binary list files to text files and back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/frontend.h"
#include "common/list_files.h"

namespace chanforge::channels {

// encoding: how the text holds the names' bytes; one byte a character keeps them as stored.
common::Converted ConvertTcsToText(common::Frontend& frontend, common::Files& files,
                                   const std::string& binary, const std::string& text,
                                   common::TextEncoding encoding = common::TextEncoding::kLatin1);
// How the text was read is found, not chosen: the result says it.
common::Converted ConvertTextToTcs(common::Frontend& frontend, common::Files& files,
                                   const std::string& binary, const std::string& text);

// The text lines of a binary list file, piece by piece, as the conversion writes them.
std::unique_ptr<common::ListTextFormat> MakeTcsTextFormat();

}  // namespace chanforge::channels
