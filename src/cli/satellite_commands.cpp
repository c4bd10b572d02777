// The satellite commands: list the system's scan tables and add a satellite's
// transponders to the list.
#include <algorithm>
#include <iostream>
#include <memory>

#include "cli/command_session.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/options.h"
#include "cli/satellite_options.h"
#include "common/text_lines.h"
#include "transponders/transponder_fields.h"

namespace chanforge::cli {

namespace {

// Every table with its rows; a file that is no table it can count is named on standard
// error, and one without sections (a README) is passed over.
int Satellites(ConsoleFrontend& ui, common::Files& files, std::ostream& out,
               const std::string& tables) {
  common::Result<std::vector<satellites::Satellite>> found =
      satellites::FindTables(files, tables, common::Value(kNameTablesFolder));
  if (!found.ok()) {
    ui.ShowMessage(common::MessageKind::kError, found.message());
    return 1;
  }
  std::size_t listed = 0;
  Json json = Json::array();
  for (satellites::Satellite& satellite : *found) {
    const common::Status counted = satellites::CountRows(files, satellite);
    if (!counted.ok()) ui.ShowMessage(common::MessageKind::kNotice, counted.message());
    if (!counted.ok() || satellite.rows == 0) continue;
    if (ui.options().json) {
      json.push_back({{"name", JsonText(satellite.name)},
                      {"position", satellite.position},
                      {"rows", satellite.rows}});
      ++listed;
      continue;
    }
    if (listed++ == 0) out << "Satellite\tPosition\tRows\n";
    out << satellites::NameForTerminal(satellite.name) << '\t' << satellite.position << '\t'
        << satellite.rows << '\n';
  }
  if (ui.options().json) PrintJson(out, {{"satellites", std::move(json)}});
  if (listed > 0) return 0;
  ui.ShowMessage(common::MessageKind::kError,
                 satellites::WhereToGetTables(tables, common::Value(kNameTablesFolder)));
  return 1;
}

struct AddArgs {
  std::string flash, out, from, diseqc, fec_default;
  std::string tables = satellites::kSystemTablesFolder;
};

// What add-transponders did, as --json prints it: the transponders added with their
// numbers, and the rows left out or stored otherwise than they say, with why.
Json AddedJson(const std::string& from, const satellites::FitChoices& choices,
               const std::vector<satellites::RowFit>& fits, std::size_t first,
               const std::vector<transponders::TransponderRecord>& records) {
  Json json{{"from", JsonText(from)},
            {"diseqc", transponders::kDiseqcTexts[choices.diseqc_b ? 1 : 0]},
            {"rows", fits.size()}};
  Json& added = json["added"] = Json::array();
  for (const transponders::TransponderRecord& record : records) {
    added.push_back(TransponderJson(first + added.size(), record));
  }
  Json& left_out = json["left_out"] = Json::array();
  Json& notes = json["notes"] = Json::array();
  for (const satellites::RowFit& fit : fits) {
    const common::Message& text = fit.Addable() ? fit.notes
                                  : fit.record  ? fit.present
                                                : fit.refusal;
    if (text.empty()) continue;
    (fit.Addable() ? notes : left_out)
        .push_back({{"line", fit.row.line},
                    {"place", JsonText(common::Format(satellites::RowPlace(fit.row)))},
                    {"text", JsonText(common::Format(text))}});
  }
  return json;
}

// What becomes of each row that is not simply added: its notes, or why it is left out.
void ReportRows(ConsoleFrontend& ui, const std::vector<satellites::RowFit>& fits) {
  for (const satellites::RowFit& fit : fits) {
    const common::Message& why = fit.record ? fit.present : fit.refusal;
    const common::Message& text = fit.Addable() ? fit.notes : why;
    if (text.empty()) continue;
    ui.ShowMessage(common::MessageKind::kReport, common::Format(satellites::RowPlace(fit.row)) +
                                                     (fit.Addable() ? ": " : ", left out: ") +
                                                     common::Format(text));
  }
}

int AddTransponders(ConsoleFrontend& ui, common::Files& files, const AddArgs& a) {
  ChosenTable chosen;
  if (!ReadTable(ui, files, a.tables, a.from, chosen)) return 1;
  const satellites::ScanTable& table = chosen.table;
  const std::string& from = chosen.shown;
  CommandSession session(files);
  editing::ListDocument* lists =
      OpenLists(ui, session, a.flash, a.out, common::ListKind::kTransponders);
  if (!lists) return 1;
  editing::ListDocument& document = *lists;
  const satellites::FitChoices choices{IsDiseqcB(a.diseqc),
                                       *transponders::FecCodeOf(a.fec_default)};
  for (const common::Message& problem : table.problems) {
    ui.ShowMessage(common::MessageKind::kNotice, from + ": " + common::Format(problem));
  }
  std::vector<satellites::RowFit> fits =
      satellites::FitRows(table, choices, document.transponders());
  // More than fits: asked first, and then what fits is added and the rest named.
  const std::size_t addable = satellites::AddableRecords(fits).size();
  const std::size_t room = satellites::RoomFor(document);
  if (addable > room && room > 0 && !ui.AskYesNo(satellites::PartialAddQuestion(addable, room))) {
    return 1;
  }
  satellites::KeepWhatFits(fits, room);
  ReportRows(ui, fits);
  const common::Message hint = satellites::OtherSatelliteHint(
      files, fits, document.transponders(), choices.diseqc_b, from, table, chosen.others);
  if (!hint.empty()) ui.ShowMessage(common::MessageKind::kNotice, hint);
  std::vector<transponders::TransponderRecord> records = satellites::AddableRecords(fits);
  const std::size_t added = records.size();
  const std::size_t first = document.transponders().size() + 1;
  if (added == 0) {
    ui.ShowMessage(common::MessageKind::kError, "Nothing from " + from + " can be added.");
    if (ui.options().json) PrintJson(std::cout, AddedJson(from, choices, fits, first, {}));
    return 1;
  }
  Json json = ui.options().json ? AddedJson(from, choices, fits, first, records) : Json();
  common::Result<std::unique_ptr<editing::Command>> command =
      satellites::AddRecords(document, std::move(records));
  if (Refused(ui, command.status())) return 1;
  session.history().Push(std::move(*command));
  const int status = SaveImage(ui, session, a.out);
  if (status == 0 && ui.options().json) PrintJson(std::cout, json);
  if (status == 0) {
    ui.ShowMessage(common::MessageKind::kReport,
                   "Added " + std::to_string(added) + " of " + std::to_string(fits.size()) +
                       " rows of " + from + " as transponders " + std::to_string(first) + " to " +
                       std::to_string(first + added - 1) + " (DiSEqC " +
                       transponders::kDiseqcTexts[choices.diseqc_b ? 1 : 0] + ")");
  }
  return status;
}

constexpr Subcommand kSatelliteCommands[] = {
    {"satellites", "List the DVB-S scan tables: name, orbital position, rows",
     [](CLI::App& command) -> Handler {
       auto tables = std::make_shared<std::string>(satellites::kSystemTablesFolder);
       AddTables(command, *tables);
       return [tables](ConsoleFrontend& ui, common::Files& files) {
         return Satellites(ui, files, std::cout, *tables);
       };
     },
     1, true},
    {"add-transponders", "Add the transponders of a satellite's scan table that the list can hold",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<AddArgs>();
       AddFlash(command, a->flash);
       command
           .add_option("--from", a->from,
                       "Satellite as the satellites command names it, or an orbital position "
                       "(19.2E) for all there")
           ->required()
           ->type_name("NAME");
       AddDiseqc(command, a->diseqc, "DiSEqC input of the satellite");
       AddChoice(command, "--fec-default", a->fec_default,
                 transponders::InfoOf(transponders::TransponderField::kFec),
                 satellites::kFecDefault, "FEC stored for a row whose FEC the list cannot store");
       AddTables(command, a->tables);
       AddOutput(command, a->out);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return AddTransponders(ui, files, *a);
       };
     },
     1, true},
};

}  // namespace

bool ReadTable(ConsoleFrontend& ui, common::Files& files, const std::string& tables,
               const std::string& name, ChosenTable& chosen) {
  const common::Result<std::vector<satellites::Satellite>> found =
      satellites::FindTables(files, tables, common::Value(kNameTablesFolder));
  if (!found.ok()) return !Refused(ui, found.status());
  const std::vector<satellites::Satellite>& list = *found;
  // Only the chosen files are read.
  const std::vector<const satellites::Satellite*> named = satellites::ChooseSatellites(list, name);
  if (named.empty()) {
    ui.ShowMessage(common::MessageKind::kError,
                   common::Value("No scan table named " + name + " in " + tables +
                                 ", nor one at that position (the satellites command lists "
                                 "them)."));
    return false;
  }
  common::Result<satellites::ScanTable> read = satellites::ReadScanTables(files, named);
  if (!read.ok()) return !Refused(ui, read.status());
  chosen.table = std::move(*read);
  chosen.shown = named.size() == 1 ? satellites::NameForTerminal(named.front()->name)
                                   : common::ToUpperAscii(name);
  for (const satellites::Satellite& satellite : list) {
    if (std::find(named.begin(), named.end(), &satellite) == named.end()) {
      chosen.others.push_back(satellite);
    }
  }
  return true;
}

void AddTables(CLI::App& command, std::string& tables) {
  command.add_option("--tables", tables, "Folder of DVB-S scan tables")
      ->default_str(satellites::kSystemTablesFolder)
      ->type_name("DIR");
}

std::span<const Subcommand> SatelliteCommands() { return kSatelliteCommands; }

}  // namespace chanforge::cli
