// The image check and the comparison of two images.
#include <algorithm>
#include <iostream>
#include <memory>
#include <utility>

#include "check/image_check.h"
#include "check/image_diff.h"
#include "check/image_lists.h"
#include "cli/command_session.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/satellite_options.h"

namespace chanforge::cli {

namespace {

// As diff and cmp: 0 clean or equal, 1 errors or differences, 2 trouble.
constexpr int kTrouble = 2;

// "A=Hotbird-13.0E,B=Astra-19.2E": a satellite per DiSEqC input.
struct SatelliteChoice {
  bool diseqc_b = false;
  std::string name;
};

std::vector<SatelliteChoice> ParseSatellites(const std::string& text) {
  std::vector<SatelliteChoice> choices;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string part = text.substr(start, comma - start);
    const char input = part.size() > 2 && part[1] == '=' ? part[0] : '\0';
    if (input != 'A' && input != 'a' && input != 'B' && input != 'b') return {};
    choices.push_back({input == 'B' || input == 'b', part.substr(2)});
    start = comma + 1;
  }
  return choices;
}

int Check(ConsoleFrontend& ui, common::Files& files, std::ostream& out, const std::string& flash,
          bool warnings_as_errors, const std::string& satellites, const std::string& tables) {
  std::vector<std::pair<SatelliteChoice, satellites::ScanTable>> tables_read;
  for (const SatelliteChoice& choice : ParseSatellites(satellites)) {
    ChosenTable chosen;
    if (!ReadTable(ui, files, tables, choice.name, chosen)) return kTrouble;
    tables_read.push_back({{choice.diseqc_b, chosen.shown}, std::move(chosen.table)});
  }
  flash::Workspace workspace;
  if (!LoadForReading(ui, files, workspace, flash)) return kTrouble;
  std::vector<check::Finding> findings = check::CheckImage(workspace);
  const check::TransponderTable list = check::FirstTransponders(workspace);
  for (const auto& [choice, table] : tables_read) {
    for (check::Finding& finding :
         satellites::CheckAgainstTable(list, choice.diseqc_b, choice.name, table)) {
      findings.push_back(std::move(finding));
    }
  }
  for (const check::Finding& finding : findings) out << check::FormatFinding(finding) << '\n';
  const bool failed = warnings_as_errors ? !findings.empty() : check::CountErrors(findings) > 0;
  return failed ? 1 : 0;
}

int Diff(ConsoleFrontend& ui, common::Files& files, std::ostream& out, const std::string& a,
         const std::string& b) {
  flash::Workspace old_image, new_image;
  if (!LoadForReading(ui, files, old_image, a) || !LoadForReading(ui, files, new_image, b)) {
    return kTrouble;
  }
  const std::vector<check::Change> changes = check::DiffImages(old_image, new_image);
  for (const check::Change& change : changes) out << check::FormatChange(change) << '\n';
  return changes.empty() ? 0 : 1;
}

struct Args {
  std::string flash, other, satellites;
  std::string tables = satellites::kSystemTablesFolder;
  bool warnings_as_errors = false;
};

constexpr Subcommand kCheckCommands[] = {
    {"check", "Print what would make the receiver misbehave",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlash(command, a->flash);
       command.add_flag("--warnings-as-errors", a->warnings_as_errors, "Exit 1 on warnings too");
       command
           .add_option("--satellite", a->satellites,
                       "Warn about transponders the satellite's scan table lacks, and the reverse")
           ->type_name("A=NAME[,B=NAME]")
           ->check(CLI::Validator(
               [](std::string& text) {
                 return ParseSatellites(text).empty() ? "\"" + text + "\" is not A=NAME[,B=NAME]"
                                                      : std::string();
               },
               ""));
       AddTables(command, a->tables);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return Check(ui, files, std::cout, a->flash, a->warnings_as_errors, a->satellites,
                      a->tables);
       };
     },
     kTrouble},
    {"diff", "Print what changed from image A to image B",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFile(command, "A", a->flash, "Old flash image file")->required();
       AddFile(command, "B", a->other, "New flash image file")->required();
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return Diff(ui, files, std::cout, a->flash, a->other);
       };
     },
     kTrouble},
};

}  // namespace

std::span<const Subcommand> CheckCommands() { return kCheckCommands; }

}  // namespace chanforge::cli
