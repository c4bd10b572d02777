// Byte-string helpers shared by every list format: line splitting, trimming, case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace chanforge::common {

// Splits text into lines. A line ends at CR LF, at a lone CR or at a lone LF; the
// line end is not part of the line. A last line without a line end still counts.
std::vector<std::string_view> SplitLines(std::string_view text);

// The same, one line at a time, for large texts.
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

// Removes blanks (the space character only) at both ends.
std::string_view TrimBlanks(std::string_view text);

// Upper case for ASCII letters; every other byte stays.
std::string ToUpperAscii(std::string_view text);

// The upper-case hexadecimal digits of a value, without leading zeros.
std::string HexDigits(unsigned long long value);

}  // namespace chanforge::common
