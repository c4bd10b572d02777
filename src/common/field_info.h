// What every road (text lines, CSV, the editor, the command line, the comparison) needs
// to know about one field of a record, so that each fact about a field has one home.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace chanforge::common {

// The largest values of the one- and two-byte number fields.
inline constexpr std::int64_t kByteMost = 0xFF;
inline constexpr std::int64_t kWordMost = 0xFFFF;

struct FieldInfo {
  const char* name;                    // the command line's FIELD=, and the comparison's field name
  const char* heading;                 // the CSV and the list editor's column heading
  std::size_t offset;                  // first byte in the record
  std::size_t width;                   // bytes in the record
  std::size_t column;                  // 0-based start in the text line
  std::size_t columns;                 // characters in the text line
  int base;                            // the text line's digits: 10 or 16; 0 for text
  std::int64_t least;                  // the smallest value a road accepts
  std::int64_t most;                   // the largest
  const char* unit;                    // empty when the value has none
  std::span<const char* const> texts;  // the value's texts by code, for a field of choices
};

// The heading with its unit, as a column shows it: "Frequency (kHz)".
inline std::string ColumnTitle(const FieldInfo& info) {
  return *info.unit == '\0' ? info.heading : std::string(info.heading) + " (" + info.unit + ")";
}

// The title of a column that shows a field of a linked record: "TP frequency (kHz)" for a
// channel's transponder.
inline std::string LinkedColumnTitle(const FieldInfo& link, const FieldInfo& info) {
  const std::string title = std::string(link.heading) + " " + info.name;
  return *info.unit == '\0' ? title : title + " (" + info.unit + ")";
}

// The code of one of a choice field's texts (any case), or nothing.
std::optional<std::int64_t> ChoiceCode(const FieldInfo& info, std::string_view text);
// A choice field's texts as a message lists them: "A or B", "1/2, 2/3, 3/4 or 4/5".
std::string ChoicesText(const FieldInfo& info);

}  // namespace chanforge::common
