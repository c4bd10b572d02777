// The channel and transponder lists as CSV files for spreadsheets: export, and an import
// that checks every row before it replaces a list as the editor writes it back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/frontend.h"
#include "editing/list_document.h"
#include "editing/undo_stack.h"

namespace chanforge::editing {

enum class CsvList { kChannels, kTransponders };

// One CSV row and the 1-based line it starts on.
struct CsvRow {
  std::size_t line = 0;
  std::vector<std::string> cells;
};

// Splits CSV text (quoted fields may hold separators, quotes and line ends); the separator
// is a semicolon when the first line has semicolons and no comma. Why it is not CSV, as
// "Line N: reason" without the file, or an empty text.
std::string SplitCsv(std::string_view text, std::vector<CsvRow>& rows);

// The list as UTF-8 CSV with a header row, CR LF after every row. Channels carry two
// convenience columns, their transponder's frequency and polarisation, that import ignores.
std::string ListCsv(const ListDocument& document, CsvList list);

// What an import makes of a CSV text: the list's block before and after, or the refusal.
struct CsvImport {
  std::string error;  // "Line N of FILE: reason"
  int block = -1;
  std::string before;  // the whole 64 KB block
  std::string after;
  std::size_t rows = 0;
};

// Reads every row against the image's lists; the image itself stays as it is. A row's Nr
// names the record it started from, whose bytes the CSV cannot show are kept; an empty
// Nr makes a new record.
CsvImport ImportListCsv(const flash::Workspace& workspace, CsvList list, std::string_view csv,
                        const std::string& file);

// "channels" or "transponders".
std::string CsvListName(CsvList list);

// Writes the list to a CSV file with the usual overwrite question. done receives what
// the status line shows afterwards.
common::Outcome ExportCsvFile(common::Frontend& frontend, flash::Workspace& workspace, CsvList list,
                              const std::string& file, std::string& done);

// Reads a CSV file and pushes the replaced block as one step on the history.
common::Outcome ImportCsvFile(common::Frontend& frontend, flash::Workspace& workspace,
                              UndoStack& history, CsvList list, const std::string& file,
                              std::string& done);

}  // namespace chanforge::editing
