// The steps every list-file conversion shares: the source and target check, and the
// streamed binary-to-text and text-to-binary drivers that the channel and transponder
// lists plug their formats into. Memory stays flat whatever the file's size.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/files.h"
#include "common/frontend.h"
#include "common/list_kind.h"
#include "common/status.h"

namespace chanforge::common {

// What a text line held that a parser could read: nothing but blanks, or a record.
enum class LineStatus { kBlank, kRecord };

// Above this size a binary list file is only read after the user agrees.
inline constexpr auto kLargeListSize = static_cast<std::size_t>(kBlockSize);

// How a text file holds its characters: one byte each, as the lists hold them (Latin-1), or
// UTF-8, as many editors save. A text that is valid UTF-8 and holds a character of more than
// one byte is read as UTF-8.
enum class TextEncoding { kLatin1, kUtf8 };

// The columns of a transponder text: all of them, or DecLink's, without the DiSEqC column.
enum class TptLayout { kFull, kDecLink };

// What the user chose for a list's text file.
struct TextOptions {
  TextEncoding encoding = TextEncoding::kLatin1;  // how a text is written; a read finds out
  TptLayout layout = TptLayout::kFull;            // transponders' columns
  bool diseqc_b = false;  // transponders read in the DecLink layout: the lines' input
};

// The list viewer's own words for a file it cannot show: "File NAME can not be found!" and
// "File NAME can not be read!", with the reason on a line of its own when there is one.
Message ViewerNotFoundText(const std::string& name);
Message ViewerUnreadableText(const std::string& name, Message reason = {});

// The start of a file: its first bytes and its whole length.
struct FileStart {
  std::string bytes;
  std::int64_t size = 0;
};

// The start of a binary list file for the window's list viewer: at most kLargeListSize
// bytes, what a block can hold, with the file's length. When it cannot be shown, the
// failure is the line that says why: not found or unreadable.
Result<FileStart> ReadListFileForViewer(Files& files, const std::string& name);

// Checks that the source exists, that it is not the target, and asks before an
// existing target is replaced. kDone means the conversion may go on; the old target
// is kept until the new content is ready.
Outcome ConfirmSourceAndTarget(Frontend& frontend, Files& files, const std::string& source,
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
  virtual Message RoundTripProblem() const { return {}; }
  // Second pass: appends the lines of these records, each ended by CR LF.
  virtual void Format(std::string_view records, std::string& out) = 0;
  // The records formatted so far: those the text shows.
  virtual std::int64_t formatted() const = 0;
};

// What a conversion did: how it ended, how many records it converted (those the text shows)
// and, from a text, how the text was read. It compares as its outcome.
struct Converted {
  Converted(Outcome ended = Outcome::kFailed, std::int64_t converted = 0,
            TextEncoding read = TextEncoding::kLatin1)
      : outcome(ended), records(converted), read_as(read) {}
  bool operator==(Outcome other) const { return outcome == other; }

  Outcome outcome;
  std::int64_t records;
  TextEncoding read_as;
};

// How reading a binary list file in pieces ended.
enum class PieceStatus { kDone, kUnreadable, kTooLarge, kStopped };
// The first pass over a binary list file (read counts the bytes, for a message).
PieceStatus ScanListFile(Files& files, const std::string& binary, ListTextFormat& format,
                         std::int64_t& read);
// The second: the text of each piece goes to write, which stops the pass by returning false.
PieceStatus FormatListFile(Files& files, const std::string& binary, ListTextFormat& format,
                           const std::function<bool(std::string_view text)>& write,
                           std::int64_t& read);

// The list viewer's lines of a whole binary list file, read in pieces so that memory stays
// flat, a line at a time to print (which may stop them by returning false): the heading,
// oversize_line(size) when the file is larger than a block holds, and a line per record.
// Fails with why when the file cannot be shown (not found, unreadable, too large).
Status StreamListFile(Files& files, const std::string& name, ListTextFormat& format,
                      std::string_view heading,
                      const std::function<Message(std::int64_t size)>& oversize_line,
                      const std::function<bool(std::string_view line)>& print);

// The steps both binary-to-text conversions share. kind names the list in the status
// ("TCS"). Asks before writing a text that will not convert back, a part record at the end
// included.
Converted ConvertBinaryToText(Frontend& frontend, Files& files, const std::string& binary,
                              const std::string& text, const std::string& kind,
                              ListTextFormat& format);

// How one list kind reads its text lines (each one's characters as Latin-1 bytes).
class ListTextReader {
 public:
  virtual ~ListTextReader() = default;
  // Appends the line's record to out; fails, with the reason, for a line no record can hold.
  virtual Result<LineStatus> Parse(std::string_view line, std::string& out) const = 0;
  // Whether a line that parses is stored as written by its columns. Quick: it runs for every
  // line.
  virtual bool ReadsAsWritten(std::string_view line) const = 0;
  // Parse, with whether a record's line reads as written in as_written: a reader that can do
  // both in one pass over the line gives the same answers sooner.
  virtual Result<LineStatus> ParseAndCheck(std::string_view line, std::string& out,
                                           bool& as_written) const {
    Result<LineStatus> parsed = Parse(line, out);
    as_written = parsed.ok() && *parsed == LineStatus::kRecord && ReadsAsWritten(line);
    return parsed;
  }
  // For a line that does not: why it will not be stored as written, in the user's words, and
  // the line its record gives back (number: the record's place in the list, from 1). Empty
  // when its values land as it meant them although its columns moved.
  virtual Message WhyNot(std::string_view line, std::string_view record, std::size_t number,
                         std::string& back) const = 0;
  // Whether WhyNot would say anything of a line that does not read as written: for counting
  // the lines past those a question lists.
  virtual bool StoredOtherwise(std::string_view line, std::string_view record, std::size_t number,
                               std::string& back) const {
    return !WhyNot(line, record, number, back).empty();
  }
};

// A line that will not be stored as written, as the question shows it.
struct UnstoredLine {
  std::size_t number = 0;  // the text's line
  Message reason;
  std::string written;  // as written, and as its record reads back: UTF-8 for the message
  std::string back;
};

// The steps both text-to-binary conversions share. The binary is padded with zero bytes up
// to minimum_size.
Converted ConvertTextToBinary(Frontend& frontend, Files& files, const std::string& binary,
                              const std::string& text, const ListTextReader& reader,
                              std::size_t minimum_size);

// "2 lines of F will not be stored as written:", then for each listed line its reason, the
// line as written and as it reads back, "and N more" for the rest, and "Convert anyway ?".
Message StoredAsWrittenQuestion(const std::vector<UnstoredLine>& lines, std::size_t total,
                                const std::string& file);

// The records that share one problem in a message: the first ten by number, then a count.
class RecordNumbers {
 public:
  void Add(std::int64_t number);
  // Takes over the numbers of a later one.
  void Add(const RecordNumbers& later);
  bool empty() const { return listed_.empty(); }
  // The problem said of the numbers: a counted wording ("channels {2} hold ...") that counts
  // the records in {1} and lists them in {2}, "3, 12 and 2 more"; empty without any.
  Message Said(const Wording& counted) const;

 private:
  std::vector<std::int64_t> listed_;
  std::size_t more_ = 0;
};

// "The text will not convert back to the same list: REASON" CR LF "Convert anyway ?"
Message RoundTripQuestion(Message reason);

}  // namespace chanforge::common
