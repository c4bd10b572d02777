// Byte-string helpers shared by every list format: line splitting, trimming, case.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/message.h"

namespace chanforge::common {

// Reads text line by line. A line ends at CR LF, at a lone CR or at a lone LF; the
// line end is not part of the line. A last line without a line end still counts.
class LineReader {
 public:
  explicit LineReader(std::string_view text);
  // The next line, without its line end; false when no line is left.
  bool Next(std::string_view& line);

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  // Where the next CR and LF lie, found once and reused, so that a text without one
  // of them is not searched again for every line.
  std::size_t next_cr_ = 0;
  std::size_t next_lf_ = 0;
};

// Splits a text that arrives in pieces into the lines LineReader would find in it whole.
// A line longer than twice `kept` keeps its first `kept` bytes (fewer, not to cut a UTF-8
// character), plus one non-blank byte of its rest ("?" for one of a UTF-8 character) so that
// it stays non-blank: no list column lies that far right, and memory stays flat whatever the
// text.
class LineSplitter {
 public:
  explicit LineSplitter(std::size_t kept = 4096) : kept_(kept) {}

  // The text not yet split. The next piece is appended here, read straight in rather than
  // copied from a buffer of its own.
  std::string& pending() { return pending_; }

  // Calls use(line) for every line completed by the piece just appended to pending();
  // at_end: no more pieces. Stops and gives false as soon as use does.
  template <typename Use>
  bool Split(bool at_end, Use&& use) {
    Collapse();
    std::size_t cut = pending_.size();
    if (!at_end) {
      std::size_t last = pending_.find_last_of("\r\n");
      // A CR at the very end may be the first half of CR LF: wait for the next piece.
      if (last != std::string::npos && last + 1 == pending_.size() && pending_[last] == '\r') {
        last = last == 0 ? std::string::npos : pending_.find_last_of("\r\n", last - 1);
      }
      cut = last == std::string::npos ? 0 : last + 1;
    }
    LineReader reader(std::string_view(pending_).substr(0, cut));
    std::string_view line;
    while (reader.Next(line)) {
      if (!use(line)) return false;
    }
    if (cut > 0) shortened_ = false;  // the shortened line, if any, is complete
    pending_.erase(0, cut);
    Shorten();
    return true;
  }

 private:
  // Cuts the incomplete line down when it grew too long.
  void Shorten();
  // What arrived behind a shortened line's head counts only for its mark.
  void Collapse();

  std::size_t kept_;
  std::string pending_;
  bool shortened_ = false;  // the incomplete line was cut to its head
  std::size_t head_ = 0;    // its kept bytes, and its mark once it has one
  bool marked_ = false;
};

// The text of a fixed column; columns past the line's end read as empty text.
inline std::string_view Column(std::string_view line, std::size_t start, std::size_t width) {
  return start >= line.size() ? std::string_view{} : line.substr(start, width);
}

// Removes blanks (the space character only) at both ends.
inline std::string_view TrimBlanks(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && text[first] == ' ') ++first;
  while (last > first && text[last - 1] == ' ') --last;
  return text.substr(first, last - first);
}

// The text without the byte order mark a UTF-8 file may start with.
inline std::string_view WithoutByteOrderMark(std::string_view text) {
  return text.substr(0, 3) == "\xEF\xBB\xBF" ? text.substr(3) : text;
}

// Upper case for ASCII letters; every other byte stays.
std::string ToUpperAscii(std::string_view text);
inline char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Bytes of an image or a list (one character per byte) as UTF-8 text: the one way such
// bytes enter a message, a status text or a proposed file name.
std::string Latin1ToUtf8(std::string_view bytes);
// The same, appended to out: for the cells of a whole list.
void AppendLatin1AsUtf8(std::string& out, std::string_view bytes);
// UTF-8 text as Latin-1 bytes, or nothing when a character has no Latin-1 byte.
std::optional<std::string> Utf8ToLatin1(std::string_view text);
// Where the first character that Latin-1 lacks starts, or npos when there is none.
std::size_t FirstNonLatin1(std::string_view utf8);
// Why a UTF-8 text cannot become Latin-1 bytes (a name, a line of a list), the text quoted:
// the one wording of that refusal.
Message NotLatin1Text(std::string_view utf8);

// Whether the bytes are well-formed UTF-8.
bool IsUtf8(std::string_view text);
// Whether every byte is ASCII, which reads alike as Latin-1 and as UTF-8.
bool IsAscii(std::string_view text);
// UTF-8 text in double quotes for a message, on one line: a control character as an
// escape (\n, \x1B), the text cut after kQuotedMost characters with "…".
inline constexpr std::size_t kQuotedMost = 40;
std::string QuotedText(std::string_view utf8);

// A whole number in decimal (a fraction of zeros, as "12.0", included) or after "0x", or
// nothing when the text holds anything else.
std::optional<std::int64_t> ReadValue(std::string_view text);

// The same for a terminal: control characters (below 0x20 and 0x7F to 0x9F) show as ".",
// so that no byte of an image can steer the terminal.
std::string Latin1ForTerminal(std::string_view bytes);
// The same, appended to out: for the cells of a whole list.
void AppendLatin1ForTerminal(std::string& out, std::string_view bytes);
// The length of the control character at i of a UTF-8 text: 1 for C0 or DEL, 2 for a C1
// control (U+0080 to U+009F), 0 for anything else.
std::size_t ControlCharacterAt(std::string_view utf8, std::size_t i);
// A UTF-8 text for a terminal: its control characters (C0, DEL and the C1 range U+0080 to
// U+009F, of which U+009B starts an escape sequence on some terminals) show as ".", and so
// does a byte of 0x80 to 0x9F that is no part of a character (a Latin-1 file name's).
std::string Utf8ForTerminal(std::string_view text);
// The same line by line, the line breaks kept: a message for a terminal.
std::string LinesForTerminal(std::string_view text);
// The same for a line of a text file in a message, where a tab shows as an arrow.
std::string LineForMessage(std::string_view bytes);

// The upper-case hexadecimal digits of a value, without leading zeros.
std::string HexDigits(unsigned long long value);

}  // namespace chanforge::common
