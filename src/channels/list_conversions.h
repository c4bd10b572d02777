// Converting binary list files to text files and back, with the checks every list
// conversion makes first. The TCS conversions live here; the transponder ones reuse
// the shared steps.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "channels/parsed_line.h"
#include "common/frontend.h"

namespace chanforge::channels {

// Checks that the source exists, that it is not the target, and asks before an
// existing target is replaced. kDone means the conversion may go on; the old target
// is kept until the new content is ready.
common::Outcome ConfirmSourceAndTarget(common::Frontend& frontend, const std::string& source,
                                       const std::string& target);

using TextFormatter = std::function<std::string(std::string_view list)>;
// Appends the line's record to out, or sets the error.
using LineParser =
    std::function<LineStatus(std::string_view line, std::string& out, std::string& error)>;

// The steps both binary-to-text conversions share. kind names the list in the status.
common::Outcome ConvertBinaryToText(common::Frontend& frontend, const std::string& binary,
                                    const std::string& text, const std::string& kind,
                                    const TextFormatter& formatter);

// The steps both text-to-binary conversions share. The binary is padded with zero
// bytes up to minimum_size.
common::Outcome ConvertTextToBinary(common::Frontend& frontend, const std::string& binary,
                                    const std::string& text, const LineParser& parser,
                                    std::size_t minimum_size);

common::Outcome ConvertTcsToText(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text);
common::Outcome ConvertTextToTcs(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text);

inline constexpr std::size_t kLargeListSize = 65536;

}  // namespace chanforge::channels
