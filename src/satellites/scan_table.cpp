#include "satellites/scan_table.h"

#include <algorithm>
#include <cctype>

#include "check/image_lists.h"
#include "common/file_access.h"
#include "common/text_lines.h"

namespace chanforge::satellites {

namespace {

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsHeading(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// "13.0E" at the end of "Hotbird-13.0E" or "Eutelsat5_5.0W": digits, one dot, E or W,
// after a dash or an underscore.
std::string PositionOf(std::string_view name) {
  if (name.size() < 3 || (name.back() != 'E' && name.back() != 'W')) return {};
  std::size_t start = name.size() - 1;
  while (start > 0 && (std::isdigit(static_cast<unsigned char>(name[start - 1])) != 0 ||
                       name[start - 1] == '.')) {
    --start;
  }
  const std::string_view position = name.substr(start);
  if (start == 0 || (name[start - 1] != '-' && name[start - 1] != '_') || position.size() < 2 ||
      position.front() == '.' || std::count(position.begin(), position.end(), '.') > 1) {
    return {};
  }
  return std::string(position);
}

// Stores one KEY = VALUE line in the row; why not, or empty.
std::string Store(ScanRow& row, std::string_view key, std::string_view value) {
  struct Text {
    const char* key;
    std::string ScanRow::*field;
  };
  static constexpr Text kTexts[] = {{"DELIVERY_SYSTEM", &ScanRow::delivery_system},
                                    {"MODULATION", &ScanRow::modulation},
                                    {"POLARIZATION", &ScanRow::polarization},
                                    {"INNER_FEC", &ScanRow::inner_fec}};
  struct Number {
    const char* key;
    std::int64_t ScanRow::*field;
  };
  static constexpr Number kNumbers[] = {{"FREQUENCY", &ScanRow::frequency},
                                        {"SYMBOL_RATE", &ScanRow::symbol_rate},
                                        {"STREAM_ID", &ScanRow::stream_id}};
  for (const Text& text : kTexts) {
    // Shown with its control bytes escaped: these texts reach messages and terminals.
    if (key == text.key) row.*text.field = check::ShownBytes(common::ToUpperAscii(value));
  }
  for (const Number& number : kNumbers) {
    if (key != number.key) continue;
    const std::optional<std::int64_t> read = common::ReadValue(value);
    if (!read) {
      return std::string(key) + " " + common::QuotedText(check::ShownBytes(value)) +
             " is not a number";
    }
    row.*number.field = *read;
  }
  return {};
}

}  // namespace

std::string WhereToGetTables(const std::string& folder, const std::string& how_to_name_folder) {
  return "No DVB-S scan tables in " + folder +
         ": on Debian and Ubuntu they come with the package dtv-scan-tables; elsewhere, name "
         "a folder that holds them " +
         how_to_name_folder + ".";
}

std::vector<Satellite> ListSatellites(const std::string& folder) {
  std::vector<Satellite> list;
  std::vector<std::string> names;
  std::string error;
  if (!common::FilesInFolder(folder, names, error)) return list;
  for (std::string& name : names) {
    Satellite satellite{name, PositionOf(name), {}, 0};
    const std::u8string path = (common::PathOf(folder) / common::PathOf(name)).u8string();
    satellite.path.assign(path.begin(), path.end());
    const common::ReadResult read = common::ReadWholeFile(satellite.path, kTableFileLimit);
    if (!read.ok) continue;
    common::LineReader reader(read.bytes);
    for (std::string_view line; reader.Next(line);) satellite.rows += IsHeading(Trim(line));
    if (satellite.rows > 0) list.push_back(std::move(satellite));
  }
  return list;
}

const Satellite* FindSatellite(const std::vector<Satellite>& list, std::string_view name) {
  const std::string wanted = common::ToUpperAscii(name);
  for (const Satellite& satellite : list) {
    if (common::ToUpperAscii(satellite.name) == wanted) return &satellite;
  }
  return nullptr;
}

std::vector<const Satellite*> ChooseSatellites(const std::vector<Satellite>& list,
                                               std::string_view name) {
  if (const Satellite* satellite = FindSatellite(list, name)) return {satellite};
  std::vector<const Satellite*> chosen;
  const std::string position = common::ToUpperAscii(name);
  for (const Satellite& satellite : list) {
    if (!position.empty() && satellite.position == position) chosen.push_back(&satellite);
  }
  return chosen;
}

ScanTable ParseScanTable(std::string_view text) {
  ScanTable table;
  common::LineReader reader(text);
  std::size_t number = 0;
  for (std::string_view line; reader.Next(line);) {
    ++number;
    line = Trim(line.substr(0, line.find('#')));
    if (line.empty()) continue;
    if (IsHeading(line)) {
      table.rows.push_back({});
      table.rows.back().line = number;
      continue;
    }
    std::vector<std::string>& problems =
        table.rows.empty() ? table.problems : table.rows.back().problems;
    const std::size_t equals = line.find('=');
    std::string problem =
        equals == std::string_view::npos || table.rows.empty()
            ? common::QuotedText(check::ShownBytes(line)) + " is not KEY = VALUE in a section"
            : Store(table.rows.back(), common::ToUpperAscii(Trim(line.substr(0, equals))),
                    Trim(line.substr(equals + 1)));
    if (!problem.empty()) problems.push_back("line " + std::to_string(number) + ": " + problem);
  }
  return table;
}

ScanTable ReadScanTable(const std::string& path) {
  const common::ReadResult read = common::ReadWholeFile(path, kTableFileLimit);
  if (!read.ok) {
    ScanTable table;
    table.error = path + ": " + read.error;
    return table;
  }
  return ParseScanTable(read.bytes);
}

ScanTable ReadScanTables(const std::vector<const Satellite*>& satellites) {
  if (satellites.size() == 1) return ReadScanTable(satellites.front()->path);
  ScanTable all;
  for (const Satellite* satellite : satellites) {
    ScanTable table = ReadScanTable(satellite->path);
    if (!table.error.empty()) return table;
    for (const std::string& problem : table.problems) {
      all.problems.push_back(satellite->name + " " + problem);
    }
    for (ScanRow& row : table.rows) {
      row.table = satellite->name;
      all.rows.push_back(std::move(row));
    }
  }
  return all;
}

std::string RowLabel(const ScanRow& row) {
  if (row.frequency < 0) return "line " + std::to_string(row.line);
  std::string label = std::to_string(row.frequency / 1000);
  if (!row.polarization.empty()) label += " " + row.polarization.substr(0, 1);
  return label;
}

}  // namespace chanforge::satellites
