// CSV as text: splitting it into rows, writing rows as spreadsheets read them back, and the
// mark that keeps a text cell a text. Knows nothing of the lists.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/field_info.h"
#include "common/message.h"
#include "common/status.h"

namespace chanforge::editing {

// A list's CSV takes a few hundred KB; a larger file is refused before it is read.
inline constexpr std::int64_t kCsvFileLimit = std::int64_t{16} << 20;

// The byte order mark the export starts with, and the same mark as a spreadsheet shows it
// after reading the file as Latin-1 or Windows-1252 ("ï»¿") and writing it back as UTF-8.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
inline constexpr std::string_view kGarbledUtf8Mark = "\xC3\xAF\xC2\xBB\xC2\xBF";

// One CSV row and the 1-based line it starts on. Its cells view the text that was split, or
// copies that live until the next row is read.
struct CsvRow {
  std::size_t line = 0;
  std::vector<std::string_view> cells;
};

// "Line 3 of f.csv: REASON", and a row that is not UTF-8, as every CSV reading says them.
inline constexpr auto kLineOfFile = common::Wording("csv.line-of-file", "Line {1} of {2}: {3}");
inline constexpr auto kNotUtf8Line =
    common::Wording("csv.not-utf8", "Line {1} of {2} is not UTF-8 text: save the CSV as UTF-8");

// Splits CSV text (quoted fields may hold separators, quotes and line ends); the separator
// is a semicolon when the first line has semicolons and no comma. Fails where the text is
// not CSV: "Line 3 of f.csv: A quoted field is not closed." Hands on a row at a time, as
// long as use returns true.
common::Status SplitCsv(std::string_view text, const std::string& file,
                        const std::function<bool(CsvRow&)>& use);

// Appends the cells as one row ended by CR LF. text[i] (where given) tells a text cell from
// a number's: a cell a spreadsheet would run, or a text cell it would take for a value,
// carries the mark UnmarkedCell removes.
void AppendRow(std::string& out, const std::vector<std::string>& cells,
               const std::vector<bool>& text = {});
// One cell of such a row (the comma before it is the caller's), for a writer that makes its
// cells in place: a text cell or a number's, as text[i] tells them.
enum class CellKind { kNumber, kText };
void AppendCsvCell(std::string& out, std::string_view cell, CellKind kind);
// A cell without the mark the export puts before a text a spreadsheet would change.
std::string_view UnmarkedCell(std::string_view cell);
// The CSV's text (csv comes to view unmarked where that is kept) without its byte order mark.
// A mark read in a Western character set goes too where the rest of the file is plain ASCII,
// which such a set does not garble (skipped says so); a file where other characters may be
// garbled, or with a second mark, is refused, as each reader of a CSV refuses it.
common::Status LeaveOutByteOrderMark(std::string_view& csv, std::string& unmarked, bool& skipped);
// "Missing column "SID".": a row without a column the file's header names.
common::Message MissingColumnText(std::string_view title);
// The column of a heading the header row lacks where the file may lack it.
inline constexpr std::size_t kNoColumn = std::string_view::npos;
// Finds each heading's column in the header row (any case, the unit optional): kNoColumn
// for a heading whose need (by position; required where none is given) is kOptional; fails
// as MissingColumnText.
common::Status FindColumns(const CsvRow& header, const std::vector<std::string>& titles,
                           std::vector<std::size_t>& columns,
                           const std::vector<common::CsvNeed>& needs = {});

}  // namespace chanforge::editing
