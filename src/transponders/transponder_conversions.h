// Converting TPT binary files to text files and back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/frontend.h"
#include "common/list_files.h"

namespace chanforge::transponders {

common::Converted ConvertTptToText(common::Frontend& frontend, common::Files& files,
                                   const std::string& binary, const std::string& text,
                                   common::TptLayout layout);

// DecLink layout: the lines may leave out the DiSEqC column, and those that do take diseqc_b;
// otherwise a line without it is asked about.
common::Converted ConvertTextToTpt(common::Frontend& frontend, common::Files& files,
                                   const std::string& binary, const std::string& text,
                                   common::TptLayout layout, bool diseqc_b = false);

// The text lines of a binary list file, piece by piece, as the conversion writes them.
std::unique_ptr<common::ListTextFormat> MakeTptTextFormat(common::TptLayout layout);

}  // namespace chanforge::transponders
