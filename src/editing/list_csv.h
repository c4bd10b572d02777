// The channel and transponder lists as CSV files for spreadsheets: export, and an import
// that checks every row before it replaces a list as the editor writes it back.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/frontend.h"
#include "editing/list_document.h"
#include "editing/undo_stack.h"
#include "transponders/transponder_fields.h"

namespace chanforge::editing {

using common::ListKind;

// A list's CSV takes a few hundred KB; a larger file is refused before it is read.
inline constexpr std::int64_t kCsvFileLimit = std::int64_t{16} << 20;

// One CSV row and the 1-based line it starts on.
struct CsvRow {
  std::size_t line = 0;
  std::vector<std::string> cells;
};

// Splits CSV text (quoted fields may hold separators, quotes and line ends); the separator
// is a semicolon when the first line has semicolons and no comma. Why it is not CSV, as
// "Line N: reason" without the file, or an empty text.
std::string SplitCsv(std::string_view text, std::vector<CsvRow>& rows);
// The same, a row at a time, as long as use returns true.
std::string SplitCsv(std::string_view text, const std::function<bool(CsvRow&)>& use);

// The heading of a channel file's column for its transponder's frequency or polarisation.
std::string TpTitle(transponders::TransponderField field);
// A cell without the mark the export puts before a text a spreadsheet would change.
std::string_view UnmarkedCell(std::string_view cell);
// Finds each heading's column in the header row (any case, the unit optional): why not, as
// "Missing column "SID".", or empty.
std::string FindColumns(const CsvRow& header, const std::vector<std::string>& titles,
                        std::vector<std::size_t>& columns);

// The list as UTF-8 CSV with a byte order mark and a header row, CR LF after every row; a
// text cell a spreadsheet would run or change carries the mark UnmarkedCell removes.
// Channels carry two convenience columns, their transponder's frequency and polarisation,
// that import ignores.
std::string ListCsv(const ListDocument& document, ListKind list);

// What an import makes of a CSV text: the new list, or the refusal.
struct CsvImport {
  std::string error;  // "Line N of FILE: reason", a line each, at most 20 and "and N more"
  std::size_t rows = 0;
  std::vector<ChannelRecord> channels;  // the new list of a channel file
  std::vector<TransponderRecord> transponders;
  // The 1-based position each new transponder came from, 0 for a new one.
  std::vector<std::size_t> origins;
  // Asked before the import: emptying the list (a file without rows), or else emptying the
  // names that empty cells would (once for the file), and the removal of each transponder
  // that channels use and no row keeps.
  std::vector<std::string> questions;
};

// Reads every row against the document's lists, which stay as they are. A row's Nr names
// the record it started from, whose bytes the CSV cannot show are kept; an empty Nr makes
// a new record. A transponder row's Nr also takes the channels of that transponder along.
CsvImport ReadListCsv(const ListDocument& document, ListKind list, std::string_view csv,
                      const std::string& file);

// The step that applies a read import, links kept as in every edit.
std::unique_ptr<Command> ImportCommand(ListKind list, CsvImport import, std::string description);

// The steps of every export of a list to a file: refused when the image has no such list
// or the file is the image's own, asked before an existing file is replaced, then written
// safely. content is made only once the file may be written. done receives what the status
// line shows afterwards.
common::Outcome ExportListFile(common::Frontend& frontend, const ListDocument& document,
                               ListKind list, const std::string& file,
                               const std::function<std::string()>& content, std::string& done);

// Writes the list to a CSV file with the usual overwrite question. done receives what
// the status line shows afterwards.
common::Outcome ExportCsvFile(common::Frontend& frontend, const ListDocument& document,
                              ListKind list, const std::string& file, std::string& done);

// Reads a CSV file, asks before it removes channels, and pushes the import as one step.
common::Outcome ImportCsvFile(common::Frontend& frontend, ListDocument& document,
                              UndoStack& history, ListKind list, const std::string& file,
                              std::string& done);

}  // namespace chanforge::editing
