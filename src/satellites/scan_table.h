// The DVB-S scan tables that Linux systems ship, one file per satellite: finding them and
// reading one into its rows as written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/files.h"
#include "common/message.h"
#include "common/status.h"
namespace chanforge::satellites {

// Where Debian and Ubuntu put the tables (package dtv-scan-tables).
inline constexpr char kSystemTablesFolder[] = "/usr/share/dvb/dvb-s";
// No table comes near this; a larger file is not one.
inline constexpr std::int64_t kTableFileLimit = 1024 * 1024;
// Nor does any satellite carry this many transponders, nor has a table this many lines
// that do not read: past either a file is refused, so that a table's rows take memory in
// proportion to a real table, whatever the file holds.
inline constexpr std::size_t kMostTableRows = 4096;
inline constexpr std::size_t kMostTableProblems = 100;

// Said when a folder holds no tables: where they come from instead of a bare failure.
// how_to_name_folder: the front end's way, "with --tables DIR".
common::Message WhereToGetTables(const std::string& folder, common::Message how_to_name_folder);

// One satellite's table, as a list of satellites shows it.
// "13.0E" at the end of "Hotbird-13.0E" or "Eutelsat5_5.0W": digits, one dot, E or W,
// after a dash or an underscore; empty for a name without one.
std::string PositionOf(std::string_view name);

struct Satellite {
  std::string name;      // the file's name, "Hotbird-13.0E"
  std::string position;  // "13.0E" from the name's end, or empty
  std::string path;
  std::size_t rows = 0;  // its sections, once counted
};

// The files of a folder as tables, by name, none of them read (rows 0): choosing one by
// name or position reads that one alone. Fails (where to get tables, or why the folder
// cannot be read) when the folder holds no file.
common::Result<std::vector<Satellite>> FindTables(common::Files& files, const std::string& folder,
                                                  const common::Message& how_to_name_folder);
// Counts a table's sections, reading it as a choice of it would be read; fails, with the
// reason, for a file that cannot be read or is no table (empty, not text, too many sections
// or unreadable lines).
common::Status CountRows(common::Files& files, Satellite& satellite);
// Every table in a folder with its rows counted, by name; files that CountRows refuses or
// that hold no section are left out, and none is there when the folder cannot be read.
std::vector<Satellite> ListSatellites(common::Files& files, const std::string& folder);
// A file name as a terminal may show it: control characters as ".", and bytes that are
// not UTF-8 as the Latin-1 characters they would be.
std::string NameForTerminal(std::string_view name);
// The satellite of that name (any case), or null.
const Satellite* FindSatellite(const std::vector<Satellite>& list, std::string_view name);
// The satellite of that name, else every one at that orbital position ("19.2E"): the
// satellites of one position reach one dish. None when nothing matches.
std::vector<const Satellite*> ChooseSatellites(const std::vector<Satellite>& list,
                                               std::string_view name);

// One section ([CHANNEL]) as written; upper-case texts, -1 for a number not given.
struct ScanRow {
  std::size_t line = 0;  // of the section's heading, 1-based
  std::string table;     // the satellite it comes from, when rows of several are read as one
  std::string delivery_system;
  std::string modulation;
  std::string polarization;
  std::string inner_fec;
  std::int64_t frequency = -1;    // kHz
  std::int64_t symbol_rate = -1;  // symbols per second
  std::int64_t stream_id = -1;
  std::vector<common::Message> problems;  // its lines that did not read, with their numbers
};

struct ScanTable {
  std::vector<ScanRow> rows;
  std::vector<common::Message> problems;  // lines before the first section that did not read
};

// Reads a table's text: "# comments", "[SECTION]" headings, "KEY = VALUE" lines. Keys that
// do not matter to the list are skipped. Fails past kMostTableRows sections or
// kMostTableProblems lines that do not read.
common::Result<ScanTable> ParseScanTable(std::string_view text);
// The same for a file; the failure then names it.
common::Result<ScanTable> ReadScanTable(common::Files& files, const std::string& path);
// The tables of several satellites as one, each row naming its own; one alone as it is.
common::Result<ScanTable> ReadScanTables(common::Files& files,
                                         const std::vector<const Satellite*>& satellites);

// "10719 V", or "line 12" for a row without a frequency: a row as a message names it.
common::Message RowLabel(const ScanRow& row);
// "line 12", or "Hotbird-13.0E line 12" for a row of several tables read as one.
common::Message RowLine(const ScanRow& row);
// "Hotbird-13.0E line 12, 10719 V", or "line 12" for a row of the one table read that has no
// frequency: where a row stands, for a message about it.
common::Message RowPlace(const ScanRow& row);

}  // namespace chanforge::satellites
