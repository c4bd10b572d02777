// The text fields both list formats are built from: fixed-width numbers in decimal and hex,
// and the number reading of a column. Their widths and pad characters fix the text columns,
// so they are exact to the character.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace chanforge::common {

// A blank and two upper-case hex digits.
std::string HexByteField(std::uint8_t value);

// At least four upper-case hex digits; a negative value gives its 32-bit form.
std::string HexWord(std::int64_t value);

// Hex text (at most two characters in use) to a byte, clamped to maximum.
std::uint8_t HexTextToByte(std::string_view text, std::int32_t maximum);

// Whether a decimal field starts with the blank that separates it from the column before.
enum class LeadingBlank { kOne, kNone };
// The widest a decimal field is padded: more than any number's digits.
inline constexpr int kWidestDecimalField = 24;
// Zero-padded decimal of at least width digits (at most kWidestDecimalField), after the
// leading blank if one is asked for.
std::string DecimalField(std::int64_t value, int width, LeadingBlank blank);
// The same, appended to out: the formatters' hot path, without a string of its own.
void AppendDecimalField(std::string& out, std::int64_t value, int width, LeadingBlank blank);
// The most characters a plain decimal takes: a minus sign and 19 digits.
inline constexpr std::size_t kWidestDecimal = 20;
// Writes value as its plain decimal at at, which has room for kWidestDecimal characters;
// returns the end.
char* WriteDecimal(char* at, std::int64_t value);
// Each value as its plain decimal (a minus sign where negative), each after the separator,
// appended to out: a row of number cells at once.
void AppendDecimals(std::string& out, std::span<const std::int64_t> values, char separator);

// The number at the start of a column, or nothing when it holds none. Blanks, tabs
// and line feeds are ignored; "&H" and "&O" introduce hex and octal numbers.
std::optional<double> ReadNumberPrefix(std::string_view text);

// True when the number reading takes the whole text: "&H1F", "1E3" and "1 2" do; "2810X",
// "1E" and "G1" do not, as the reading stops before their end.
bool ReadsWhollyAsNumber(std::string_view text);

// True for one or more hexadecimal digits and nothing else.
bool IsHexText(std::string_view text);

// As ReadNumberPrefix, with 0 for a text that holds no number.
double ReadNumber(std::string_view text);

// Rounds half to even; nothing when the result lies outside the signed 32-bit range.
std::optional<std::int32_t> RoundToInt32(double value);

// The value of a column of up to nine digits among blanks, the common case, which the
// number reading takes whole; -1 for any other text.
std::int64_t ReadPlainWholeNumber(std::string_view text);

// ReadNumber rounded to a whole number (nothing when out of the signed 32-bit range),
// by way of ReadPlainWholeNumber where it reads the column.
std::optional<std::int32_t> ReadWholeNumber(std::string_view text);

}  // namespace chanforge::common
