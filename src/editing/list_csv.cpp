#include "editing/list_csv.h"

#include "common/reported_files.h"
#include "editing/csv_text.h"
#include "editing/list_commands.h"

namespace chanforge::editing {

using channels::ChannelRecord;
using common::ListKind;
using transponders::TransponderRecord;

namespace {

using common::Say;
using common::Value;
using common::Wording;

constexpr auto kExportedChannels = Wording("csv.exported-channels", "Exported {1} channels to {2}");
constexpr auto kExportedTransponders =
    Wording("csv.exported-transponders", "Exported {1} transponders to {2}");
constexpr auto kImportedChannels =
    Wording("csv.imported-channels", "Imported {1} channels from {2}");
constexpr auto kImportedTransponders =
    Wording("csv.imported-transponders", "Imported {1} transponders from {2}");
constexpr auto kImportChannels = Wording("step.import-channels", "Import channels from {1}");
constexpr auto kImportTransponders =
    Wording("step.import-transponders", "Import transponders from {1}");

// An import that leaves both lists as they are is no step of its own.
bool Unchanged(const ListDocument& document, ListKind list, const CsvImport& import) {
  if (list == ListKind::kChannels) return import.channels == document.channels();
  std::vector<ChannelRecord> channels = document.channels();
  std::vector<TransponderRecord> transponders = document.transponders();
  ReplaceTransponderList(channels, transponders, import.transponders, import.origins);
  return channels == document.channels() && transponders == document.transponders();
}

}  // namespace

common::Finished ExportListFile(common::Frontend& frontend, common::Files& files,
                                const ListDocument& document, ListKind list,
                                const std::string& file,
                                const std::function<bool(const WritePiece& write)>& content) {
  using common::Outcome;
  if (const common::Status editable = document.CheckEditable(list); !editable.ok()) {
    frontend.ShowMessage(common::MessageKind::kError, editable.message());
    return Outcome::kRefused;
  }
  const std::string& image_file = document.workspace().image().fileName;
  if (!image_file.empty() && files.SameFile(file, image_file)) {
    frontend.ShowMessage(common::MessageKind::kError, common::SameFileText(file));
    return Outcome::kRefused;
  }
  if (!common::CheckWritableTarget(frontend, files, file)) return Outcome::kRefused;
  if (!common::ConfirmOverwrite(frontend, files, file)) return Outcome::kCancelled;
  frontend.ShowStatus(Say(common::kWritingStatus, {Value(file)}));
  const std::unique_ptr<common::OutputFile> writer = common::OpenOrReport(frontend, files, file);
  const auto write = [&](std::string_view piece) {
    return common::WriteOrReport(frontend, *writer, file, piece);
  };
  if (!writer || !content(write) || !common::CommitOrReport(frontend, *writer, file)) {
    return Outcome::kFailed;
  }
  return {Outcome::kDone,
          Say(list == ListKind::kChannels ? kExportedChannels : kExportedTransponders,
              {Value(document.size(list)), Value(common::PathOf(file).filename().string())})};
}

common::Finished ExportCsvFile(common::Frontend& frontend, common::Files& files,
                               const ListDocument& document, ListKind list,
                               const std::string& file) {
  return ExportListFile(frontend, files, document, list, file, [&](const WritePiece& write) {
    return WriteListCsv(document, list, write);
  });
}

common::Finished ImportCsvFile(common::Frontend& frontend, common::Files& files,
                               ListDocument& document, UndoStack& history, ListKind list,
                               const std::string& file) {
  using common::Outcome;
  const std::int64_t size = common::SizeOrReport(frontend, files, file, kCsvFileLimit);
  std::string bytes;
  if (size < 0 || !common::ReadWholeFileOrReport(frontend, files, file, kCsvFileLimit, bytes)) {
    return Outcome::kFailed;
  }
  frontend.ShowStatus(Say(common::kLoadingStatus, {Value(file)}));
  common::Result<CsvImport> read = ReadListCsv(document, list, bytes, file);
  if (!read.ok()) {
    frontend.ShowMessage(common::MessageKind::kError, read.message());
    return Outcome::kRefused;
  }
  CsvImport& import = *read;
  for (const common::Message& notice : import.notices) {
    frontend.ShowMessage(common::MessageKind::kNotice, notice);
  }
  for (const common::Message& question : import.questions) {
    if (!frontend.AskYesNo(question)) return Outcome::kCancelled;
  }
  const std::string name = common::PathOf(file).filename().string();
  const std::size_t rows = import.rows;
  if (!Unchanged(document, list, import)) {
    history.Push(ImportCommand(
        list, std::move(import),
        Say(list == ListKind::kChannels ? kImportChannels : kImportTransponders, {Value(name)})));
  }
  return {Outcome::kDone,
          Say(list == ListKind::kChannels ? kImportedChannels : kImportedTransponders,
              {Value(rows), Value(name)})};
}

}  // namespace chanforge::editing
