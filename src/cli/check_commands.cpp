// The image check and the comparison of two images.
#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <utility>

#include "check/image_check.h"
#include "check/image_diff.h"
#include "check/image_lists.h"
#include "cli/command_session.h"
#include "cli/commands.h"
#include "cli/each_image.h"
#include "cli/options.h"
#include "cli/satellite_options.h"
#include "common/field_info.h"
#include "transponders/transponder_fields.h"

namespace chanforge::cli {

namespace {

// As diff and cmp: 0 clean or equal, 1 errors or differences, 2 trouble.
constexpr int kTrouble = 2;

// "A=Hotbird-13.0E,B=Astra-19.2E": a satellite per DiSEqC input, each input once. Empty, with
// the fault said, where the text is not that.
std::vector<satellites::InputTable> ParseSatellites(const std::string& text,
                                                    std::string* fault = nullptr) {
  std::vector<satellites::InputTable> choices;
  const auto refuse = [&](const std::string& why) {
    if (fault) *fault = "\"" + text + "\" " + why;
    return std::vector<satellites::InputTable>();
  };
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string part = text.substr(start, comma - start);
    const std::size_t equals = part.find('=');
    const std::optional<std::int64_t> input =
        equals == std::string::npos || equals + 1 == part.size()
            ? std::nullopt
            : common::ChoiceCode(transponders::InfoOf(transponders::TransponderField::kDiseqc),
                                 std::string_view(part).substr(0, equals));
    if (!input) return refuse("is not A=NAME[,B=NAME]");
    const bool diseqc_b = input == 1;
    // Two satellites on one input: which table to hold it against is not clear.
    if (std::any_of(choices.begin(), choices.end(),
                    [&](const auto& other) { return other.diseqc_b == diseqc_b; })) {
      return refuse(std::string("names DiSEqC input ") + (diseqc_b ? "B" : "A") +
                    " twice: give each input one satellite");
    }
    choices.push_back({diseqc_b, part.substr(equals + 1), satellites::ScanTable{}});
    start = comma + 1;
  }
  return choices;
}

// One image's findings. With several images a line "NAME: 1 error, 2 warnings" heads each
// image's findings, and one that cannot be read says so there too.
int CheckOne(ConsoleFrontend& ui, common::Files& files, std::ostream& out, const std::string& flash,
             bool headed, bool warnings_as_errors,
             const std::vector<satellites::InputTable>& tables, ImageEntry& entry) {
  flash::Workspace workspace;
  if (!LoadForReading(ui, files, workspace, flash)) {
    if (headed && !ui.options().json) out << flash << ": can not be read\n";
    return kTrouble;
  }
  const std::vector<check::Finding> findings = satellites::CheckWithTables(
      check::CheckImage(workspace), check::FirstTransponders(workspace), tables);
  const std::size_t errors = check::CountErrors(findings);
  const bool failed = warnings_as_errors ? !findings.empty() : errors > 0;
  if (ui.options().json) {
    entry.json["errors"] = errors;
    entry.json["warnings"] = findings.size() - errors;
    Json& list = entry.json["findings"] = Json::array();
    for (const check::Finding& finding : findings) list.push_back(FindingJson(finding));
    return failed ? 1 : 0;
  }
  if (headed) {
    const std::string summary = common::Format(check::CheckSummary(findings));
    out << flash << ": " << (summary.empty() ? "0 errors, 0 warnings" : summary) << '\n';
  }
  for (const check::Finding& finding : findings) {
    ui.PrintText(out, common::Format(check::FormatFinding(finding)));
  }
  return failed ? 1 : 0;
}

int Check(ConsoleFrontend& ui, common::Files& files, std::ostream& out,
          const std::vector<std::string>& flashes, bool warnings_as_errors,
          const std::string& satellites, const std::string& tables) {
  std::vector<satellites::InputTable> tables_read = ParseSatellites(satellites);
  for (satellites::InputTable& input : tables_read) {
    ChosenTable chosen;
    if (!ReadTable(ui, files, tables, input.name, chosen)) return kTrouble;
    input.name = chosen.shown;
    input.table = std::move(chosen.table);
  }
  const bool headed = flashes.size() > 1;
  const Json unread = {{"errors", nullptr}, {"warnings", nullptr}, {"findings", Json::array()}};
  return EachImage(
      ui, out, flashes, Heading::kNone, unread, [&](const std::string& flash, ImageEntry& entry) {
        return CheckOne(ui, files, out, flash, headed, warnings_as_errors, tables_read, entry);
      });
}

int Diff(ConsoleFrontend& ui, common::Files& files, std::ostream& out, const std::string& a,
         const std::string& b) {
  flash::Workspace old_image, new_image;
  Json document = {{"a", JsonText(a)}, {"b", JsonText(b)}, {"changes", Json::array()}};
  if (!LoadForReading(ui, files, old_image, a) || !LoadForReading(ui, files, new_image, b)) {
    // The changes a script goes through are none, and the error says why.
    document["error"] = JsonText(ui.TakeError());
    if (ui.options().json) PrintJson(out, document);
    return kTrouble;
  }
  const std::vector<check::Change> changes = check::DiffImages(old_image, new_image);
  if (ui.options().json) {
    for (const check::Change& change : changes) document["changes"].push_back(ChangeJson(change));
    PrintJson(out, document);
  } else {
    for (const check::Change& change : changes) {
      ui.PrintText(out, common::Format(check::FormatChange(change)));
    }
  }
  return changes.empty() ? 0 : 1;
}

struct Args {
  std::vector<std::string> flashes;
  std::string flash, other, satellites;
  std::string tables = satellites::kSystemTablesFolder;
  bool warnings_as_errors = false;
};

constexpr Subcommand kCheckCommands[] = {
    {"check", "Print what would make the receiver misbehave",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlashes(command, a->flashes);
       command.add_flag("--warnings-as-errors", a->warnings_as_errors, "Exit 1 on warnings too");
       command
           .add_option("--satellite", a->satellites,
                       "Warn about transponders the satellite's scan table lacks, and the reverse")
           ->type_name("A=NAME[,B=NAME]")
           ->check(CLI::Validator(
               [](std::string& text) {
                 std::string fault;
                 ParseSatellites(text, &fault);
                 return fault;
               },
               ""));
       AddTables(command, a->tables);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return Check(ui, files, std::cout, a->flashes, a->warnings_as_errors, a->satellites,
                      a->tables);
       };
     },
     kTrouble, true},
    {"diff", "Print what changed from image A to image B",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFile(command, "A", a->flash, "Old flash image file")->required();
       AddFile(command, "B", a->other, "New flash image file")->required();
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return Diff(ui, files, std::cout, a->flash, a->other);
       };
     },
     kTrouble, true},
};

}  // namespace

std::span<const Subcommand> CheckCommands() { return kCheckCommands; }

}  // namespace chanforge::cli
