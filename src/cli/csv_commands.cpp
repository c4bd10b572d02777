// The CSV commands: a list out to a spreadsheet file, and back into a copy of the image.
#include "cli/commands.h"
#include "cli/session.h"
#include "editing/list_csv.h"

namespace chanforge::cli {

namespace {

editing::CsvList ListOf(bool channels) {
  return channels ? editing::CsvList::kChannels : editing::CsvList::kTransponders;
}

}  // namespace

int ExportCsv(ConsoleFrontend& ui, const std::string& flash, bool channels,
              const std::string& out) {
  Session session;
  if (!Load(ui, session, flash)) return 1;
  std::string done;
  const editing::ListDocument document(session.workspace);
  return ExitStatus(editing::ExportCsvFile(ui, document, ListOf(channels), out, done));
}

int ImportCsv(ConsoleFrontend& ui, const std::string& flash, bool channels, const std::string& in,
              const std::string& out) {
  Session session;
  if (!Load(ui, session, flash, out)) return 1;
  editing::ListDocument document(session.workspace);
  editing::UndoStack history;
  std::string done;
  if (editing::ImportCsvFile(ui, document, history, ListOf(channels), in, done) !=
      common::Outcome::kDone) {
    return 1;
  }
  return SaveImage(ui, session, out);
}

}  // namespace chanforge::cli
