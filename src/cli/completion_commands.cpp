// The words the shell completion offers that no --help lists: the satellites of the tables
// folder, the fields that set-channel and set-transponder take and the columns of
// export-html. Hidden from --help.
#include <algorithm>
#include <iostream>
#include <memory>
#include <set>

#include "channels/channel_fields.h"
#include "cli/commands.h"
#include "cli/satellite_options.h"
#include "transponders/transponder_fields.h"
#include "views/print_rows.h"

namespace chanforge::cli {

namespace {

// One word a line; names that need quoting in a shell are left to the user.
void PrintWord(std::ostream& out, const std::string& word) {
  if (word.find_first_of(" \t\n\"'\\$`;&|<>()*?[]{}~#!") == std::string::npos) out << word << '\n';
}

// FIELD= for each field, and FIELD=TEXT for each value of a field of choices.
template <typename Fields>
void PrintFields(std::ostream& out, const Fields& fields) {
  for (const common::FieldInfo& info : fields) {
    out << info.name << "=\n";
    for (const char* text : info.texts) out << info.name << '=' << text << '\n';
  }
}

int Complete(common::Files& files, std::ostream& out, const std::string& what,
             const std::string& tables) {
  if (what == "channel-fields") {
    PrintFields(out, channels::kChannelFields);
  } else if (what == "transponder-fields") {
    PrintFields(out, transponders::kTransponderFields);
  } else if (what == "print-columns") {
    std::vector<std::size_t> all(views::ColumnCount(common::ListKind::kChannels));
    for (std::size_t column = 0; column < all.size(); ++column) all[column] = column;
    std::string names = views::PrintColumnsText(all);
    std::replace(names.begin(), names.end(), ',', '\n');
    out << names << '\n';
  } else {
    // Names and positions without reading a table, so that a key press never waits.
    std::set<std::string> positions;
    const common::Result<std::vector<satellites::Satellite>> found =
        satellites::FindTables(files, tables, common::Value(kNameTablesFolder));
    if (!found.ok()) return 0;
    for (const satellites::Satellite& satellite : *found) {
      // A FIFO or a device is no table to offer; telling which is one needs no read.
      if (files.KindOf(satellite.path) != common::EntryKind::kRegular) continue;
      PrintWord(out, satellites::NameForTerminal(satellite.name));
      if (!satellite.position.empty()) positions.insert(satellite.position);
    }
    for (const std::string& position : positions) out << position << '\n';
  }
  return 0;
}

struct Args {
  std::string what;
  std::string tables = satellites::kSystemTablesFolder;
};

constexpr Subcommand kCompletionCommands[] = {
    {"complete", "Print the words the shell completion offers",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       command.group("");
       command.add_option("WHAT", a->what)
           ->required()
           ->check(CLI::IsMember(
               {"satellites", "channel-fields", "transponder-fields", "print-columns"}));
       AddTables(command, a->tables);
       return [a](ConsoleFrontend&, common::Files& files) {
         return Complete(files, std::cout, a->what, a->tables);
       };
     }},
};

}  // namespace

std::span<const Subcommand> CompletionCommands() { return kCompletionCommands; }

}  // namespace chanforge::cli
