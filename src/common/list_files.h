// The steps every list-file conversion shares: the source and target check, and the
// streamed binary-to-text and text-to-binary drivers that the channel and transponder
// lists plug their formats into. Memory stays flat whatever the file's size.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_access.h"
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

// The start of a binary list file for the window's list viewer: at most kLargeListSize
// bytes, what a block can hold, with the file's length in size. When it cannot be shown,
// error holds the line that says why: not found or unreadable.
ReadResult ReadListFileForViewer(const std::string& name);

// Checks that the source exists, that it is not the target, and asks before an
// existing target is replaced. kDone means the conversion may go on; the old target
// is kept until the new content is ready.
Outcome ConfirmSourceAndTarget(Frontend& frontend, const std::string& source,
                               const std::string& target);

// How one list kind turns into text: two passes over the records, in pieces of whole
// records (the last piece may end in a part record, which is ignored).
class ListTextFormat {
 public:
  virtual ~ListTextFormat() = default;
  virtual std::size_t record_size() const = 0;
  // First pass: learns what the second needs.
  virtual void Scan(std::string_view records) = 0;
  // After the first pass: why the text will not convert back to the same list, or empty.
  virtual std::string RoundTripProblem() const { return {}; }
  // Second pass: appends the lines of these records, each ended by CR LF.
  virtual void Format(std::string_view records, std::string& out) = 0;
};

// How reading a binary list file in pieces ended.
enum class PieceStatus { kDone, kUnreadable, kTooLarge, kStopped };
// The first pass over a binary list file (read counts the bytes, for a message).
PieceStatus ScanListFile(const std::string& binary, ListTextFormat& format, std::int64_t& read);
// The second: the text of each piece goes to write, which stops the pass by returning false.
PieceStatus FormatListFile(const std::string& binary, ListTextFormat& format,
                           const std::function<bool(std::string_view text)>& write,
                           std::int64_t& read);

// Appends the line's record to out, or sets the error.
using LineParser =
    std::function<LineStatus(std::string_view line, std::string& out, std::string& error)>;
// Why a line that parses will not be stored as written; empty when it will. Without
// explain, any non-empty text will do: only the first reason is shown, and building one
// for every line of a long text costs more than the check itself.
using LineCheck = std::function<std::string(std::string_view line, bool explain)>;

// The steps both binary-to-text conversions share. kind names the list in the status.
// Asks before writing a text that will not convert back, a part record at the end included.
Outcome ConvertBinaryToText(Frontend& frontend, const std::string& binary, const std::string& text,
                            const std::string& kind, ListTextFormat& format);

// The steps both text-to-binary conversions share. The binary is padded with zero
// bytes up to minimum_size.
Outcome ConvertTextToBinary(Frontend& frontend, const std::string& binary, const std::string& text,
                            const LineParser& parser, const LineCheck& check,
                            std::size_t minimum_size);

// "Lines 3, 5 of F will not be stored as written: REASON" CR LF "Convert anyway ?"; at most
// ten line numbers, then "and N more".
std::string StoredAsWrittenQuestion(const std::vector<std::size_t>& lines, std::size_t more,
                                    const std::string& file, const std::string& reason);

// "The text will not convert back to the same list: REASON" CR LF "Convert anyway ?"
std::string RoundTripQuestion(const std::string& reason);

}  // namespace chanforge::common
