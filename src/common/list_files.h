// The steps every list-file conversion shares: the source and target check, and the
// binary-to-text and text-to-binary drivers that the channel and transponder lists plug
// their formatter and line parser into.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/frontend.h"

namespace chanforge::common {

enum class LineStatus { kBlank, kRecord, kError };

// What a line parser makes of one text line.
struct ParsedLine {
  LineStatus status = LineStatus::kBlank;
  std::string record;  // the record's bytes when kRecord
  std::string error;   // why the line cannot be stored when kError
};

// Above this size a binary list file is only read after the user agrees.
inline constexpr std::size_t kLargeListSize = 65536;

// Checks that the source exists, that it is not the target, and asks before an
// existing target is replaced. kDone means the conversion may go on; the old target
// is kept until the new content is ready.
Outcome ConfirmSourceAndTarget(Frontend& frontend, const std::string& source,
                               const std::string& target);

using TextFormatter = std::function<std::string(std::string_view list)>;
// Appends the line's record to out, or sets the error.
using LineParser =
    std::function<LineStatus(std::string_view line, std::string& out, std::string& error)>;

// The steps both binary-to-text conversions share. kind names the list in the status.
Outcome ConvertBinaryToText(Frontend& frontend, const std::string& binary, const std::string& text,
                            const std::string& kind, const TextFormatter& formatter);

// The steps both text-to-binary conversions share. The binary is padded with zero
// bytes up to minimum_size.
Outcome ConvertTextToBinary(Frontend& frontend, const std::string& binary, const std::string& text,
                            const LineParser& parser, std::size_t minimum_size);

}  // namespace chanforge::common
