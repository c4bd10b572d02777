#include "common/text_fields.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <span>

#include "common/text_lines.h"

namespace chanforge::common {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string HexByteField(std::uint8_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {' ', kDigits[value >> 4], kDigits[value & 0xF]};
}

std::string HexWord(std::int64_t value) {
  const auto v = value < 0 ? static_cast<std::uint32_t>(value) : static_cast<std::uint64_t>(value);
  std::string digits = HexDigits(v);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return digits;
}

std::uint8_t HexTextToByte(std::string_view text, std::int32_t maximum) {
  std::int64_t v = 0;
  if (text.size() <= 2 && !text.empty() && HexValue(text[0]) >= 0 &&
      (text.size() == 1 || HexValue(text[1]) >= 0)) {
    v = text.size() == 1 ? HexValue(text[0]) : HexValue(text[0]) * 16 + HexValue(text[1]);
  } else if (!text.empty()) {
    v = RoundToInt32(ReadNumber("&H" + std::string(text))).value_or(0);
  }
  if (v > maximum) v = maximum;
  if (v < 0) v = 0;
  return static_cast<std::uint8_t>(v);
}

namespace {

int DecimalDigits(std::uint64_t magnitude) {
  // Four digits a step: most of a list's numbers are told in the first.
  for (int digits = 1;; digits += 4, magnitude /= 10000) {
    if (magnitude < 10) return digits;
    if (magnitude < 100) return digits + 1;
    if (magnitude < 1000) return digits + 2;
    if (magnitude < 10000) return digits + 3;
  }
}

std::uint64_t Magnitude(std::int64_t value) {
  return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

// The digits of magnitude, written two at a time back from end.
void FillDigits(char* end, std::uint64_t magnitude) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  while (magnitude >= 100) {
    const char* const pair = kPairs + magnitude % 100 * 2;
    magnitude /= 100;
    *--end = pair[1];
    *--end = pair[0];
  }
  if (magnitude >= 10) {
    *--end = kPairs[magnitude * 2 + 1];
    *--end = kPairs[magnitude * 2];
  } else {
    *--end = static_cast<char>('0' + magnitude);
  }
}

}  // namespace

void AppendDecimalField(std::string& out, std::int64_t value, int width, LeadingBlank blank) {
  // Made whole in place, then appended at once: a text list has millions of these.
  char text[2 + kWidestDecimalField];
  char* at = text;
  const std::uint64_t magnitude = Magnitude(value);
  const int digits = DecimalDigits(magnitude);
  if (blank == LeadingBlank::kOne) *at++ = ' ';
  if (value < 0) *at++ = '-';
  for (int zeros = std::clamp(width, 0, kWidestDecimalField) - digits; zeros > 0; --zeros) {
    *at++ = '0';
  }
  at += digits;
  FillDigits(at, magnitude);
  out.append(text, at);
}

char* WriteDecimal(char* at, std::int64_t value) {
  const std::uint64_t magnitude = Magnitude(value);
  if (value < 0) *at++ = '-';
  at += DecimalDigits(magnitude);
  FillDigits(at, magnitude);
  return at;
}

void AppendDecimals(std::string& out, std::span<const std::int64_t> values, char separator) {
  // A row's numbers made whole in place, then appended at once: a full list's listing or CSV
  // has tens of thousands of them.
  constexpr std::size_t kAtOnce = 8;
  for (std::size_t from = 0; from < values.size(); from += kAtOnce) {
    char text[kAtOnce * (1 + kWidestDecimal)];
    char* at = text;
    for (const std::int64_t value : values.subspan(from, std::min(kAtOnce, values.size() - from))) {
      *at++ = separator;
      at = WriteDecimal(at, value);
    }
    out.append(text, at);
  }
}

std::string DecimalField(std::int64_t value, int width, LeadingBlank blank) {
  std::string field;
  AppendDecimalField(field, value, width, blank);
  return field;
}

namespace {

// Digits after "&H" or "&O": a number of up to 16 bits is a signed 16-bit value, one of
// up to 32 bits a signed 32-bit value. Hex decides by digit count (4 / 8), octal by the
// largest count that fits (6 / 11).
std::optional<double> ReadRadixNumber(std::string_view digits, int radix) {
  const int short_limit = radix == 16 ? 4 : 6;
  const int long_limit = radix == 16 ? 8 : 11;
  std::size_t count = 0;
  double value = 0;
  for (const char c : digits) {
    const int d = radix == 16 ? HexValue(c) : (c >= '0' && c <= '7' ? c - '0' : -1);
    if (d < 0) break;
    value = value * radix + d;
    ++count;
  }
  if (count == 0) return 0.0;
  if (static_cast<int>(count) <= short_limit && value <= 0xFFFF) {
    return value >= 0x8000 ? value - 65536.0 : value;
  }
  if (static_cast<int>(count) <= long_limit && value <= 0xFFFFFFFF) {
    return value >= 2147483648.0 ? value - 4294967296.0 : value;
  }
  return value;  // too long for any integer type: the range checks of the callers refuse it
}

}  // namespace

std::optional<double> ReadNumberPrefix(std::string_view text) {
  // Plain digits, as nearly every column holds, read the same without the general reading.
  if (const std::int64_t plain = ReadPlainWholeNumber(text); plain >= 0) {
    return static_cast<double>(plain);
  }
  std::string s;
  s.reserve(text.size());
  for (const char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
  }
  if (s.empty()) return std::nullopt;
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return ReadRadixNumber(std::string_view(s).substr(2), 16);
    if (s[1] == 'O' || s[1] == 'o') return ReadRadixNumber(std::string_view(s).substr(2), 8);
    return std::nullopt;
  }
  // Longest prefix of the form [sign] digits [. digits] [E|D [sign] digits].
  std::string number;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
  bool mantissa_digits = false;
  while (i < s.size() && IsDigit(s[i])) {
    number.push_back(s[i++]);
    mantissa_digits = true;
  }
  if (i < s.size() && s[i] == '.') {
    number.push_back(s[i++]);
    while (i < s.size() && IsDigit(s[i])) {
      number.push_back(s[i++]);
      mantissa_digits = true;
    }
  }
  if (!mantissa_digits) return std::nullopt;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
    bool exponent_digits = false;
    while (j < s.size() && IsDigit(s[j])) {
      exponent.push_back(s[j++]);
      exponent_digits = true;
    }
    if (exponent_digits) number += exponent;
  }
  return std::strtod(number.c_str(), nullptr);
}

bool ReadsWhollyAsNumber(std::string_view text) {
  std::string s;
  for (const char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
  }
  std::size_t i = 0;
  const auto digits = [&](auto is_digit) {
    const std::size_t from = i;
    while (i < s.size() && is_digit(s[i])) ++i;
    return i > from;
  };
  if (s.size() >= 2 && s[0] == '&') {
    i = 2;
    if (s[1] == 'H' || s[1] == 'h')
      return digits([](char c) { return HexValue(c) >= 0; }) && i == s.size();
    if (s[1] == 'O' || s[1] == 'o')
      return digits([](char c) { return c >= '0' && c <= '7'; }) && i == s.size();
    return false;
  }
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  bool mantissa = digits(IsDigit);
  if (i < s.size() && s[i] == '.') {
    ++i;
    mantissa = digits(IsDigit) || mantissa;
  }
  if (!mantissa) return false;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (!digits(IsDigit)) return false;
  }
  return i == s.size();
}

bool IsHexText(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (HexValue(c) < 0) return false;
  }
  return true;
}

double ReadNumber(std::string_view text) { return ReadNumberPrefix(text).value_or(0.0); }

std::optional<std::int32_t> RoundToInt32(double value) {
  // Adding and taking away 2^52 leaves no bits below the unit, and the sum rounds as the
  // default rounding mode does, a half to the even neighbour: nearbyint without the maths
  // library, which a command would otherwise load at every start for this alone.
  constexpr double kUnit = 4503599627370496.0;
  const double magnitude = value < 0 ? -value : value;
  const double whole = magnitude < kUnit ? (magnitude + kUnit) - kUnit : magnitude;
  const double rounded = value < 0 ? -whole : whole;
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::nullopt;
  return static_cast<std::int32_t>(rounded);
}

std::int64_t ReadPlainWholeNumber(std::string_view text) {
  // Up to nine digits: no rounding and no way to overflow.
  std::int64_t value = 0;
  int digits = 0;
  for (const char c : text) {
    if (IsDigit(c)) {
      if (++digits > 9) return -1;
      value = value * 10 + (c - '0');
    } else if (c != ' ' && c != '\t' && c != '\n') {
      return -1;
    }
  }
  return digits > 0 ? value : -1;
}

std::optional<std::int32_t> ReadWholeNumber(std::string_view text) {
  // Plain digits need no rounding: the whole number at once.
  const std::int64_t plain = ReadPlainWholeNumber(text);
  if (plain >= 0) return static_cast<std::int32_t>(plain);
  return RoundToInt32(ReadNumber(text));
}

}  // namespace chanforge::common
