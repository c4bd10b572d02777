// The CSV commands: a list out to a spreadsheet file, and back into a copy of the image.
#include <memory>

#include "cli/command_session.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "editing/list_csv.h"

namespace chanforge::cli {

namespace {

int ExportCsv(ConsoleFrontend& ui, common::Files& files, const std::string& flash,
              common::ListKind list, const std::string& out) {
  CommandSession session(files);
  if (!LoadForReading(ui, session, flash)) return 1;
  return ExitStatus(editing::ExportCsvFile(ui, files, session.document(), list, out).outcome);
}

int ImportCsv(ConsoleFrontend& ui, common::Files& files, const std::string& flash,
              common::ListKind list, const std::string& in, const std::string& out) {
  CommandSession session(files);
  if (!Load(ui, session, flash, out)) return 1;
  if (editing::ImportCsvFile(ui, files, session.document(), session.history(), list, in).outcome !=
      common::Outcome::kDone) {
    return 1;
  }
  return SaveImage(ui, session, out);
}

struct Args {
  std::string flash, file, out;
  bool channels = false, transponders = false;
  common::ListKind list() const {
    return channels ? common::ListKind::kChannels : common::ListKind::kTransponders;
  }
};

// FLASH and the flag that chooses one of the two lists.
std::shared_ptr<Args> AddList(CLI::App& command) {
  auto a = std::make_shared<Args>();
  AddFlash(command, a->flash);
  command.add_flag("--channels", a->channels, "The channel list");
  command.add_flag("--transponders", a->transponders, "The transponder list");
  // Checked here rather than with excludes(), which the completion would read as a value.
  command.parse_complete_callback([a] {
    if (a->channels == a->transponders) {
      throw CLI::ValidationError("give one of --channels and --transponders");
    }
  });
  return a;
}

constexpr Subcommand kCsvCommands[] = {
    {"export-csv", "Write a list as a CSV file",
     [](CLI::App& command) -> Handler {
       auto a = AddList(command);
       AddFile(command, "OUT", a->out, "CSV file to write")->required();
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return ExportCsv(ui, files, a->flash, a->list(), a->out);
       };
     }},
    {"import-csv", "Replace a list with a CSV file's rows",
     [](CLI::App& command) -> Handler {
       auto a = AddList(command);
       AddFile(command, "IN", a->file, "CSV file to read")->required();
       AddOutput(command, a->out);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return ImportCsv(ui, files, a->flash, a->list(), a->file, a->out);
       };
     }},
};

}  // namespace

std::span<const Subcommand> CsvCommands() { return kCsvCommands; }

}  // namespace chanforge::cli
