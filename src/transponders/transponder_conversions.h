// Converting TPT binary files to text files and back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/frontend.h"
#include "common/list_files.h"

namespace chanforge::transponders {

common::Outcome ConvertTptToText(common::Frontend& frontend, common::Files& files,
                                 const std::string& binary, const std::string& text,
                                 common::TptLayout layout);

// DecLink layout: the lines may leave out the DiSEqC column, and those that do take diseqc_b;
// otherwise a line without it is asked about. read_as, when given, receives how the text
// was read.
common::Outcome ConvertTextToTpt(common::Frontend& frontend, common::Files& files,
                                 const std::string& binary, const std::string& text,
                                 common::TptLayout layout, bool diseqc_b = false,
                                 common::TextEncoding* read_as = nullptr);

// The transponders a binary list file holds, as its text shows them: the empty records
// that pad a list are left out. Reads at most the file's first 16 MiB.
std::int64_t CountTptFileRecords(common::Files& files, const std::string& binary);

// The text lines of a binary list file, piece by piece, as the conversion writes them.
std::unique_ptr<common::ListTextFormat> MakeTptTextFormat(common::TptLayout layout);

}  // namespace chanforge::transponders
