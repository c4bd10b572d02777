// The fixed columns of a list's text line, and why a line will not be stored as written:
// what each column says against what the record read from the line gives back.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "common/field_info.h"
#include "common/message.h"

namespace chanforge::common {

// One column of a text line: a field of the record, the record number (which the parser
// does not read) or a fixed character.
struct TextColumn {
  const FieldInfo* field;  // null for the record number and a fixed character
  std::size_t start;       // 0-based
  std::size_t width;
  char fixed = '\0';      // the character a fixed column holds
  bool ranged = true;     // false: the caller judges the value's range itself
  bool optional = false;  // may be missing (the DecLink layout's DiSEqC column)
};

// The column of a field, as its table places it.
constexpr TextColumn ColumnOf(const FieldInfo& field, bool ranged = true, bool optional = false) {
  return {&field, field.column, field.columns, '\0', ranged, optional};
}

// Why a column's text is not a value its field stores as written, or empty: a number in its
// base and range, one of its texts, anything for a name; blank or missing is not a value.
Message ColumnProblem(const TextColumn& column, std::string_view line);

// Where an empty value comes from: blanks in the column, or a line that ends before it.
enum class EmptyValue { kBlank, kLineEnds };
// The same for a value of the column as written.
Message ValueProblem(const TextColumn& column, std::string_view value, EmptyValue empty);

// Whether every column of the line holds a value its field stores as written, the gaps
// between them are blank and nothing follows the last. Quick, for every line of a file.
bool ReadsAsWritten(std::span<const TextColumn> layout, std::string_view line);

// Why a line that does not read as written will not be stored as written, in the user's
// words: the column that moves the ones behind it, or the first column that holds no value
// of its field; then what the record read from the line gives back where the line meant
// another value ("it would be stored as SID 1, TP 04"). back: that record's line. Empty when
// the line's values land as it meant them although its columns moved.
Message WhyNotAsWritten(std::span<const TextColumn> layout, std::string_view line,
                        std::string_view back);
// Whether WhyNotAsWritten would say anything of a line that does not read as written, found
// without composing what: for counting the lines past those a question shows.
bool StoredOtherwiseThanWritten(std::span<const TextColumn> layout, std::string_view line,
                                std::string_view back);

}  // namespace chanforge::common
