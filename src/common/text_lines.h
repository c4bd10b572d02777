// Byte-string helpers shared by every list format: line splitting, trimming, case.
#pragma once

#include <string>
#include <string_view>

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

// Upper case for ASCII letters; every other byte stays.
std::string ToUpperAscii(std::string_view text);

// The upper-case hexadecimal digits of a value, without leading zeros.
std::string HexDigits(unsigned long long value);

// Bytes taken as Latin-1 characters, written as UTF-8: names from an image entering a
// message.
std::string Latin1ToUtf8(std::string_view text);

}  // namespace chanforge::common
