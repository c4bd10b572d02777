// The channel and transponder lists as CSV files for spreadsheets: the export, and the
// import that asks what the rows would cost before it replaces a list as one step.
#pragma once

#include <functional>
#include <string>

#include "common/files.h"
#include "common/frontend.h"
#include "editing/csv_rows.h"

namespace chanforge::editing {

// The steps of every export of a list to a file: refused when the image has no such list
// or the file is the image's own, asked before an existing file is replaced, then written
// safely. content is made only once the file may be written, and handed to write piece by
// piece; it returns false once write did.
common::Finished ExportListFile(common::Frontend& frontend, common::Files& files,
                                const ListDocument& document, common::ListKind list,
                                const std::string& file,
                                const std::function<bool(const WritePiece& write)>& content);

// Writes the list to a CSV file with the usual overwrite question.
common::Finished ExportCsvFile(common::Frontend& frontend, common::Files& files,
                               const ListDocument& document, common::ListKind list,
                               const std::string& file);

// Reads a CSV file, asks before it removes channels, and pushes the import as one step.
common::Finished ImportCsvFile(common::Frontend& frontend, common::Files& files,
                               ListDocument& document, UndoStack& history, common::ListKind list,
                               const std::string& file);

}  // namespace chanforge::editing
