// The lists' records as CSV rows and back: the export's rows, and the import's reading of
// every row against the document, which it leaves as it is.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/list_kind.h"
#include "editing/list_document.h"
#include "editing/undo_stack.h"

namespace chanforge::editing {

// The list as UTF-8 CSV with a byte order mark and a header row, CR LF after every row; a
// text cell a spreadsheet would run or change carries the mark UnmarkedCell removes.
// Channels carry two convenience columns, their transponder's frequency and polarisation,
// that import ignores.
std::string ListCsv(const ListDocument& document, common::ListKind list);
// A file's text handed on piece by piece as it is made; false once a piece was not written.
using WritePiece = std::function<bool(std::string_view piece)>;
// The size of a piece: a writer keeps one in memory, not the file.
inline constexpr std::size_t kWritePiece = std::size_t{64} << 10;
// Hands out to write once it holds kWritePiece bytes and empties it; false once write was.
bool PassOnWhenFull(std::string& out, const WritePiece& write);
// The same CSV in pieces: a channel list's of about kWritePiece each; a transponder list's (a
// few KB) in one.
bool WriteListCsv(const ListDocument& document, common::ListKind list, const WritePiece& write);

// What an import makes of a CSV text: the new list. Its refusal says "Line N of FILE:
// reason", a line each, at most 20 and "and N more".
struct CsvImport {
  std::size_t rows = 0;
  std::vector<channels::ChannelRecord> channels;  // the new list of a channel file
  std::vector<transponders::TransponderRecord> transponders;
  // The 1-based position each new transponder came from, 0 for a new one.
  std::vector<std::size_t> origins;
  // Asked before the import: emptying the list (a file without rows), or else emptying the
  // names that empty cells would (once for the file), and the removal of each transponder
  // that channels use and no row keeps.
  std::vector<common::Message> questions;
  // Told before them: what the reading left out of the file (a garbled byte order mark).
  std::vector<common::Message> notices;
};

// Reads every row against the document's lists, which stay as they are. A row's Nr names
// the record it started from, whose bytes the CSV cannot show are kept; an empty Nr makes
// a new record. A transponder row's Nr also takes the channels of that transponder along.
common::Result<CsvImport> ReadChannelCsv(const ListDocument& document, std::string_view csv,
                                         const std::string& file);
common::Result<CsvImport> ReadTransponderCsv(const ListDocument& document, std::string_view csv,
                                             const std::string& file);
// The reader of the list.
common::Result<CsvImport> ReadListCsv(const ListDocument& document, common::ListKind list,
                                      std::string_view csv, const std::string& file);

// The step that applies a read import, links kept as in every edit.
std::unique_ptr<Command> ImportCommand(common::ListKind list, CsvImport import,
                                       common::Message description);

}  // namespace chanforge::editing
