// The DVB-S scan tables that Linux systems ship, one file per satellite: finding them and
// reading one into its rows as written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::satellites {

// Where Debian and Ubuntu put the tables (package dtv-scan-tables).
inline constexpr char kSystemTablesFolder[] = "/usr/share/dvb/dvb-s";
// No table comes near this; a larger file is not one.
inline constexpr std::int64_t kTableFileLimit = 1024 * 1024;

// Said when a folder holds no tables: where they come from instead of a bare failure.
// how_to_name_folder: the front end's way, "with --tables DIR".
std::string WhereToGetTables(const std::string& folder, const std::string& how_to_name_folder);

// One satellite's table, as a list of satellites shows it.
struct Satellite {
  std::string name;      // the file's name, "Hotbird-13.0E"
  std::string position;  // "13.0E" from the name's end, or empty
  std::string path;
  std::size_t rows = 0;  // its sections
};

// Every table in a folder, by name; none when it cannot be read. Counts the sections
// without reading their keys, so that the list of all satellites stays quick.
std::vector<Satellite> ListSatellites(const std::string& folder);
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
  std::vector<std::string> problems;  // its lines that did not read, with their numbers
};

struct ScanTable {
  std::vector<ScanRow> rows;
  std::vector<std::string> problems;  // lines before the first section that did not read
  std::string error;                  // set when the file could not be read
};

// Reads a table's text: "# comments", "[SECTION]" headings, "KEY = VALUE" lines. Keys that
// do not matter to the list are skipped.
ScanTable ParseScanTable(std::string_view text);
ScanTable ReadScanTable(const std::string& path);
// The tables of several satellites as one, each row naming its own; one alone as it is.
ScanTable ReadScanTables(const std::vector<const Satellite*>& satellites);

// "10719 V", or "line 12" for a row without a frequency: a row as a message names it.
std::string RowLabel(const ScanRow& row);

}  // namespace chanforge::satellites
