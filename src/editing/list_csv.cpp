#include "editing/list_csv.h"

#include "common/reported_files.h"
#include "editing/csv_text.h"
#include "editing/list_commands.h"

namespace chanforge::editing {

namespace {

// An import that leaves both lists as they are is no step of its own.
bool Unchanged(const ListDocument& document, ListKind list, const CsvImport& import) {
  if (list == ListKind::kChannels) return import.channels == document.channels();
  std::vector<ChannelRecord> channels = document.channels();
  std::vector<TransponderRecord> transponders = document.transponders();
  ReplaceTransponderList(channels, transponders, import.transponders, import.origins);
  return channels == document.channels() && transponders == document.transponders();
}

}  // namespace

common::Outcome ExportListFile(common::Frontend& frontend, common::Files& files,
                               const ListDocument& document, ListKind list, const std::string& file,
                               const std::function<std::string()>& content, std::string& done) {
  using common::Outcome;
  const std::string reason = document.ReadOnlyReason(list);
  if (!reason.empty()) {
    frontend.ShowMessage(common::MessageKind::kError, reason);
    return Outcome::kRefused;
  }
  const std::string& image_file = document.workspace().image().fileName;
  if (!image_file.empty() && files.SameFile(file, image_file)) {
    frontend.ShowMessage(common::MessageKind::kError, common::SameFileText(file));
    return Outcome::kRefused;
  }
  if (!common::CheckWritableTarget(frontend, files, file)) return Outcome::kRefused;
  if (!common::ConfirmOverwrite(frontend, files, file)) return Outcome::kCancelled;
  frontend.ShowStatus("Writing " + file + "...");
  if (!common::WriteFileOrReport(frontend, files, file, content())) return Outcome::kFailed;
  done = "Exported " + std::to_string(document.size(list)) + " " + common::ListNameOf(list) +
         " to " + common::PathOf(file).filename().string();
  return Outcome::kDone;
}

common::Outcome ExportCsvFile(common::Frontend& frontend, common::Files& files,
                              const ListDocument& document, ListKind list, const std::string& file,
                              std::string& done) {
  return ExportListFile(
      frontend, files, document, list, file, [&] { return ListCsv(document, list); }, done);
}

common::Outcome ImportCsvFile(common::Frontend& frontend, common::Files& files,
                              ListDocument& document, UndoStack& history, ListKind list,
                              const std::string& file, std::string& done) {
  using common::Outcome;
  const std::int64_t size = common::SizeOrReport(frontend, files, file, kCsvFileLimit);
  std::string bytes;
  if (size < 0 || !common::ReadWholeFileOrReport(frontend, files, file, kCsvFileLimit, bytes)) {
    return Outcome::kFailed;
  }
  frontend.ShowStatus("Loading " + file + "...");
  CsvImport import = ReadListCsv(document, list, bytes, file);
  if (!import.error.empty()) {
    frontend.ShowMessage(common::MessageKind::kError, import.error);
    return Outcome::kRefused;
  }
  for (const std::string& question : import.questions) {
    if (!frontend.AskYesNo(question)) return Outcome::kCancelled;
  }
  const std::string name = common::PathOf(file).filename().string();
  const std::size_t rows = import.rows;
  if (!Unchanged(document, list, import)) {
    history.Push(
        ImportCommand(list, std::move(import),
                      std::string("Import ") + common::ListNameOf(list) + " from " + name));
  }
  done = "Imported " + std::to_string(rows) + " " + common::ListNameOf(list) + " from " + name;
  return Outcome::kDone;
}

}  // namespace chanforge::editing
