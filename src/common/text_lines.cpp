#include "common/text_lines.h"

#include <algorithm>
#include <charconv>
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
  // A character of several UTF-8 bytes is kept whole or not at all, and the byte that keeps
  // the line non-blank is no part of one.
  std::size_t kept = kept_;
  for (std::size_t back = 1; back <= 3 && back <= kept_; ++back) {
    const auto c = static_cast<unsigned char>(pending_[kept_ - back]);
    if (c < 0x80) break;
    if (c < 0xC0) continue;
    const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    if (length > back) kept = kept_ - back;
    break;
  }
  const std::size_t rest = pending_.find_first_not_of(' ', kept);
  const char mark = rest == std::string::npos ? ' ' : pending_[rest];
  pending_.resize(kept);
  marked_ = rest != std::string::npos;
  if (marked_) pending_.push_back((mark & 0x80) != 0 ? '?' : mark);
  shortened_ = true;
  head_ = pending_.size();
  if (line_end) pending_.push_back('\r');
}

void LineSplitter::Collapse() {
  if (!shortened_) return;
  const std::size_t end = std::min(pending_.find_first_of("\r\n", head_), pending_.size());
  if (!marked_) {
    const std::size_t mark = pending_.find_first_not_of(' ', head_);
    if (mark < end) {
      pending_[head_] = (pending_[mark] & 0x80) != 0 ? '?' : pending_[mark];
      ++head_;
      marked_ = true;
    }
  }
  pending_.erase(head_, end - std::min(end, head_));
}

std::string ToUpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = UpperAscii(c);
  return upper;
}

namespace {

// Runs of the bytes that pass as they are, appended at once; each other byte through other.
template <typename Passes, typename Other>
void AppendRuns(std::string& out, std::string_view bytes, Passes passes, Other other) {
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    std::size_t end = at;
    while (end < bytes.size() && passes(static_cast<unsigned char>(bytes[end]))) ++end;
    out.append(bytes.data() + at, end - at);
    if (end == bytes.size()) return;
    other(static_cast<unsigned char>(bytes[end]));
    at = end;
  }
}

void AppendLatin1Pair(std::string& out, unsigned char b) {
  const char pair[] = {static_cast<char>(0xC0 | (b >> 6)), static_cast<char>(0x80 | (b & 0x3F))};
  out.append(pair, 2);
}

}  // namespace

void AppendLatin1AsUtf8(std::string& out, std::string_view bytes) {
  // ASCII runs as they are, each other byte as its two.
  AppendRuns(
      out, bytes, [](unsigned char b) { return b < 0x80; },
      [&](unsigned char b) { AppendLatin1Pair(out, b); });
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  AppendLatin1AsUtf8(text, bytes);
  return text;
}

void AppendLatin1ForTerminal(std::string& out, std::string_view bytes) {
  // Printable ASCII runs as they are; a control byte (below 0x20, 0x7F to 0x9F) as a dot,
  // each other byte as its two.
  AppendRuns(
      out, bytes, [](unsigned char b) { return b >= 0x20 && b < 0x7F; },
      [&](unsigned char b) {
        if (b < 0xA0) {
          out += '.';
        } else {
          AppendLatin1Pair(out, b);
        }
      });
}

std::string Latin1ForTerminal(std::string_view bytes) {
  std::string shown;
  shown.reserve(bytes.size());
  AppendLatin1ForTerminal(shown, bytes);
  return shown;
}

std::size_t ControlCharacterAt(std::string_view utf8, std::size_t i) {
  const auto b = static_cast<unsigned char>(utf8[i]);
  if (b < 0x20 || b == 0x7F) return 1;
  const bool c1 = b == 0xC2 && i + 1 < utf8.size() &&
                  static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                  static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
  return c1 ? 2 : 0;
}

namespace {

// Each piece of the text between separators cleaned, each separator written as joint.
template <typename Clean>
std::string EachPiece(std::string_view text, char separator, std::string_view joint, Clean clean) {
  std::string shown;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t end = std::min(text.find(separator, at), text.size());
    shown += clean(text.substr(at, end - at));
    if (end < text.size()) shown += joint;
    at = end + 1;
  }
  return shown;
}

}  // namespace

std::string Utf8ForTerminal(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      shown.push_back(ControlCharacterAt(text, i) != 0 ? '.' : text[i]);
      continue;
    }
    const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    if (IsUtf8(text.substr(i, length))) {
      // A whole character passes, but a C1 control, which becomes one dot.
      shown.append(ControlCharacterAt(text, i) != 0 ? "." : text.substr(i, length));
      i += length - 1;
      continue;
    }
    // Outside a character, a byte of 0x80 to 0x9F is C1 to a terminal that reads Latin-1.
    shown.push_back(b <= 0x9F ? '.' : text[i]);
  }
  return shown;
}

std::string LinesForTerminal(std::string_view text) {
  return EachPiece(text, '\n', "\n", Utf8ForTerminal);
}

std::string LineForMessage(std::string_view bytes) {
  return EachPiece(bytes, '\t', "\u2192", Latin1ForTerminal);
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

namespace {

// The length of the Latin-1 character at i, or 0 when there is none.
std::size_t Latin1Length(std::string_view text, std::size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  if (c < 0x80) return 1;
  const bool pair = (c == 0xC2 || c == 0xC3) && i + 1 < text.size() &&
                    (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
  return pair ? 2 : 0;
}

}  // namespace

std::optional<std::string> Utf8ToLatin1(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Latin1Length(text, i);
    if (length == 0) return {};
    bytes.push_back(
        length == 1 ? text[i] : static_cast<char>(((text[i] & 0x03) << 6) | (text[i + 1] & 0x3F)));
    i += length;
  }
  return bytes;
}

std::size_t FirstNonLatin1(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length = Latin1Length(utf8, i);
    if (length == 0) return i;
    i += length;
  }
  return std::string_view::npos;
}

Message NotLatin1Text(std::string_view utf8) {
  static constexpr auto kNotLatin1 =
      Wording("text.not-latin1", "{1} holds a character that Latin-1 cannot store");
  return Say(kNotLatin1, {Value(QuotedText(utf8))});
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    // Runs of ASCII, most of any text, eight bytes at a time.
    if (std::uint64_t eight; i + 8 <= text.size()) {
      std::memcpy(&eight, text.data() + i, 8);
      if ((eight & 0x8080808080808080) == 0) {
        i += 8;
        continue;
      }
    }
    const auto c = static_cast<unsigned char>(text[i]);
    // The length of the sequence and the least value it may encode.
    const std::size_t length = c < 0x80             ? 1
                               : (c & 0xE0) == 0xC0 ? 2
                               : (c & 0xF0) == 0xE0 ? 3
                               : (c & 0xF8) == 0xF0 ? 4
                                                    : 0;
    if (length == 0 || i + length > text.size()) return false;
    std::uint32_t code = length == 1 ? c : c & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    static constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

bool IsAscii(std::string_view text) {
  // No early exit: a loop without one is made into vector steps, which a text of megabytes
  // repays.
  unsigned char any = 0;
  for (const char c : text) any |= static_cast<unsigned char>(c);
  return any < 0x80;
}

std::string QuotedText(std::string_view utf8) {
  // A control character shows as an escape, so that the message stays one line and steers
  // no terminal: \n, \r, \t, else \x and two hexadecimal digits.
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string quoted = "\"";
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if ((c & 0xC0) == 0x80) {
      quoted += utf8[i];
      continue;
    }
    if (characters++ == kQuotedMost) return quoted + "\u2026\"";
    const std::size_t control = ControlCharacterAt(utf8, i);
    if (control == 0) {
      quoted += utf8[i];
    } else if (c == '\n' || c == '\r' || c == '\t') {
      quoted += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
    } else {
      const unsigned code = control == 2 ? static_cast<unsigned char>(utf8[++i]) : c;
      quoted += std::string("\\x") + kDigits[code >> 4] + kDigits[code & 15];
    }
  }
  return quoted + "\"";
}

std::optional<std::int64_t> ReadValue(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc()) return {};
  // A plain reader writes whole numbers of a column with a gap as floats: "12.0".
  const std::string_view rest(end, static_cast<std::size_t>(text.data() + text.size() - end));
  if (!rest.empty() && (base != 10 || rest.size() < 2 || rest[0] != '.' ||
                        rest.find_first_not_of('0', 1) != std::string_view::npos)) {
    return {};
  }
  return value;
}

}  // namespace chanforge::common
