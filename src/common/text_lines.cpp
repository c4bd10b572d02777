#include "common/text_lines.h"

#include <algorithm>
#include <cstring>

namespace chanforge::common {

namespace {

std::size_t Find(std::string_view text, std::size_t from, char c) {
  if (from >= text.size()) return text.size();
  const void* hit = std::memchr(text.data() + from, c, text.size() - from);
  return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : text.size();
}

}  // namespace

LineReader::LineReader(std::string_view text)
    : text_(text), next_cr_(Find(text, 0, '\r')), next_lf_(Find(text, 0, '\n')) {}

bool LineReader::Next(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  if (next_cr_ < pos_) next_cr_ = Find(text_, pos_, '\r');
  if (next_lf_ < pos_) next_lf_ = Find(text_, pos_, '\n');
  const std::size_t end = std::min(next_cr_, next_lf_);
  line = text_.substr(pos_, end - pos_);
  pos_ = end;
  if (pos_ < text_.size()) {
    const bool crlf = text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n';
    pos_ += crlf ? 2 : 1;
  }
  return true;
}

std::string ToUpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

std::string HexDigits(unsigned long long value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  do {
    text.insert(text.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return text;
}

std::string Latin1ToUtf8(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8.push_back(c);
    } else {
      utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return utf8;
}

}  // namespace chanforge::common
