// What every road (text lines, CSV, the editor, the command line, the comparison) needs
// to know about one field of a record, so that each fact about a field has one home.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/message.h"

namespace chanforge::common {

// The largest values of the one- and two-byte number fields.
inline constexpr std::int64_t kByteMost = 0xFF;
inline constexpr std::int64_t kWordMost = 0xFFFF;

// A code of a number field that has a name of its own: the editor shows and offers the name,
// and every road takes it for the number.
struct CodeName {
  std::int64_t code;
  Wording name;
};

// Whether every CSV of a list has the field's column. A field added after users wrote their
// files is kOptional: a file without its column leaves the field as the list holds it (a new
// row's as a new record's), so that every file written before the field still reads.
enum class CsvNeed { kRequired, kOptional };

struct FieldInfo {
  const char* name;                    // the command line's FIELD=, and the comparison's field name
  Wording heading;                     // the column heading: the CSV's in English, the editor's
  std::size_t offset;                  // first byte in the record
  std::size_t width;                   // bytes in the record
  std::size_t column;                  // 0-based start in the text line
  std::size_t columns;                 // characters in the text line
  int base;                            // the text line's digits: 10 or 16; 0 for text
  std::int64_t least;                  // the smallest value a road accepts
  std::int64_t most;                   // the largest
  const char* unit;                    // empty when the value has none
  std::span<const char* const> texts;  // the value's texts by code, for a field of choices
  std::span<const CodeName> names;     // the named codes of a number field
  // The bit of the byte at offset that is the field, for a field of one flag; 0 for a
  // big-endian number over width bytes (or the name's text).
  std::uint8_t flag = 0;
  CsvNeed csv = CsvNeed::kRequired;
};

// A number field's value read from a record's bytes through its table entry: the flag bit
// as 0 or 1, else the big-endian number at offset.
std::int64_t ReadField(const FieldInfo& info, std::string_view record);
// Writes a number field's value into a record's bytes: the flag bit set for any value but
// 0, else width big-endian bytes.
void WriteField(const FieldInfo& info, char* record, std::int64_t value);

// A field's value refused, as every road says it (without the full stop a sentence adds):
// "SID 70000 is outside 0 to 65535", "SID \"x\" is not a number", "FEC \"9/9\" is not 1/2,
// 2/3, 3/4 or 7/8". The values: the heading, the value, then the range or the choices.
inline constexpr auto kOutsideRange = Wording("field.outside", "{1} {2} is outside {3} to {4}");
inline constexpr auto kNotANumber = Wording("field.not-number", "{1} {2} is not a number");
inline constexpr auto kNotOneOf = Wording("field.not-choice", "{1} {2} is not {3}");
//: A field's heading, then what is wrong with its value: "Frequency 11500000 kHz lies ...".
inline constexpr auto kFieldSays = Wording("field.says", "{1} {2}");

// The heading as a message's value, in the reader's words.
inline Message HeadingOf(const FieldInfo& info) { return Say(info.heading); }

// The heading of the column that numbers the records by their place in the list.
inline constexpr auto kNrHeading = Wording("field.nr", "Nr");

// The heading with its unit, as a column shows it: "Frequency (kHz)".
Message ColumnTitle(const FieldInfo& info);
// The title of a column that shows a field of a linked record: "TP frequency (kHz)" for a
// channel's transponder.
Message LinkedColumnTitle(const FieldInfo& link, const FieldInfo& info);

// The code of one of a choice field's texts (any case), or nothing.
std::optional<std::int64_t> ChoiceCode(const FieldInfo& info, std::string_view text);
// The code a named code's name (any case, in English) stands for, or nothing.
std::optional<std::int64_t> NamedCode(const FieldInfo& info, std::string_view text);
// The name of a named code, or null.
const Wording* NameOfCode(const FieldInfo& info, std::int64_t code);
// A choice field's texts as a message lists them: "A or B", "1/2, 2/3, 3/4 or 4/5".
Message ChoicesText(const FieldInfo& info);

}  // namespace chanforge::common
