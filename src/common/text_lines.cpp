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

void LineSplitter::Shorten() {
  // A CR at the end may end the line: it stays where it is and does not count.
  const bool line_end = !pending_.empty() && pending_.back() == '\r';
  if (pending_.size() - (line_end ? 1 : 0) <= 2 * kept_) return;
  if (line_end) pending_.pop_back();
  const std::size_t rest = pending_.find_first_not_of(' ', kept_);
  if (rest != std::string::npos && rest > kept_) pending_[kept_] = pending_[rest];
  pending_.resize(kept_ + (rest == std::string::npos ? 0 : 1));
  if (line_end) pending_.push_back('\r');
}

std::string ToUpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      text.push_back(c);
    } else {
      text.push_back(static_cast<char>(0xC0 | (b >> 6)));
      text.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  return text;
}

std::string Latin1ForTerminal(std::string_view bytes) {
  std::string shown(bytes);
  for (char& c : shown) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || (b >= 0x7F && b < 0xA0)) c = '.';
  }
  return Latin1ToUtf8(shown);
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

}  // namespace chanforge::common
