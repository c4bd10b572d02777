#include "satellites/scan_table.h"

#include <algorithm>
#include <cctype>

#include "common/coding.h"
#include "common/field_info.h"
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

using common::Message;
using common::Say;
using common::Value;
using common::Wording;

constexpr auto kTooManyRows = Wording("scan.too-many-rows", "it has more than {1} sections");
constexpr auto kNotATable = Wording("scan.not-table", "{1} is not a scan table: {2}.");
constexpr auto kCannotRead =
    Wording("scan.cannot-read", "The scan table {1} can not be read: {2}.");
constexpr auto kTooLarge =
    Wording("scan.too-large", "it is larger than {1} MiB, more than any table");
constexpr auto kWhereToGet =
    Wording("scan.where-to-get",
            "No DVB-S scan tables in {1}: on Debian and Ubuntu they come with the package "
            "dtv-scan-tables; elsewhere, name a folder that holds them {2}.");
constexpr auto kFolderUnreadable =
    Wording("scan.folder-unreadable", "The folder of scan tables {1} can not be read: {2}.");
constexpr auto kEmpty = Wording("scan.empty", "it is empty");
constexpr auto kNotText = Wording("scan.not-text", "it is not UTF-8 or Latin-1 text");
constexpr auto kNotKeyValue = Wording("scan.not-key-value", "{1} is not KEY = VALUE in a section");
constexpr auto kLineSays = Wording("scan.line-says", "line {1}: {2}");
constexpr auto kTooManyProblems =
    Wording("scan.too-many-problems", "more than {1} of its lines do not read ({2})");
//: A scan table's name, then what is wrong with one of its lines.
constexpr auto kTableSays = Wording("scan.table-says", "{1} {2}");
constexpr auto kLine = Wording("scan.line", "line {1}");
constexpr auto kTableLine = Wording("scan.table-line", "{1} line {2}");
//: Where a scan table's row is, then the row: "line 12, 11494 H 22000".
constexpr auto kPlaceLabel = Wording("scan.place-label", "{1}, {2}");

// Stores one KEY = VALUE line in the row.
common::Status Store(ScanRow& row, std::string_view key, std::string_view value) {
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
    if (key == text.key) row.*text.field = common::ShownBytes(common::ToUpperAscii(value));
  }
  for (const Number& number : kNumbers) {
    if (key != number.key) continue;
    const std::optional<std::int64_t> read = common::ReadValue(value);
    if (!read) {
      return Say(common::kNotANumber,
                 {Value(std::string(key)), Value(common::QuotedText(common::ShownBytes(value)))});
    }
    row.*number.field = *read;
  }
  return {};
}

Message TooManyRows() { return Say(kTooManyRows, {Value(kMostTableRows)}); }

Message NotATable(const std::string& path, Message reason) {
  return Say(kNotATable, {Value(path), std::move(reason)});
}

Message FileError(const std::string& path, const Message& reason) {
  return Say(kCannotRead,
             {Value(path), reason.wording == &common::kTooLargeError
                               ? Say(kTooLarge, {Value(kTableFileLimit / common::kMiB)})
                               : reason});
}

}  // namespace

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

Message WhereToGetTables(const std::string& folder, Message how_to_name_folder) {
  return Say(kWhereToGet, {Value(folder), std::move(how_to_name_folder)});
}

common::Result<std::vector<Satellite>> FindTables(common::Files& files, const std::string& folder,
                                                  const Message& how_to_name_folder) {
  common::Result<std::vector<std::string>> names = files.FilesInFolder(folder);
  if (!names.ok()) {
    // The usual case, no tables installed, says where to get them; anything else its cause.
    if (files.KindOf(folder) == common::EntryKind::kMissing) {
      return WhereToGetTables(folder, how_to_name_folder);
    }
    return Say(kFolderUnreadable, {Value(folder), names.message()});
  }
  if (names->empty()) return WhereToGetTables(folder, how_to_name_folder);
  std::vector<Satellite> list;
  for (std::string& name : *names) {
    const std::u8string path = (common::PathOf(folder) / common::PathOf(name)).u8string();
    list.push_back({name, PositionOf(name), std::string(path.begin(), path.end()), 0});
  }
  return list;
}

// A table's text, or why the file is none: it cannot be read, it is empty, or it is not text
// (a table saved as UTF-16, or binary).
common::Result<std::string> TableText(common::Files& files, const std::string& path) {
  common::Result<std::string> read = files.ReadWhole(path, kTableFileLimit);
  if (!read.ok()) return FileError(path, read.message());
  if (read->empty()) return NotATable(path, Say(kEmpty));
  if (read->find('\0') != std::string::npos) return NotATable(path, Say(kNotText));
  return read;
}

common::Status CountRows(common::Files& files, Satellite& satellite) {
  // Read as a choice of it is, so that the list holds only tables that can be used.
  const common::Result<ScanTable> table = ReadScanTable(files, satellite.path);
  if (!table.ok()) return table.status();
  satellite.rows = table->rows.size();
  return {};
}

std::vector<Satellite> ListSatellites(common::Files& files, const std::string& folder) {
  common::Result<std::vector<Satellite>> found = FindTables(files, folder, {});
  std::vector<Satellite> list;
  if (!found.ok()) return list;
  for (Satellite& satellite : *found) {
    if (CountRows(files, satellite).ok() && satellite.rows > 0)
      list.push_back(std::move(satellite));
  }
  return list;
}

std::string NameForTerminal(std::string_view name) {
  return common::IsUtf8(name) ? common::Utf8ForTerminal(name) : common::Latin1ForTerminal(name);
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

common::Result<ScanTable> ParseScanTable(std::string_view text) {
  ScanTable table;
  common::LineReader reader(text);
  std::size_t number = 0;
  std::size_t problem_count = 0;
  Message first_problem;
  for (std::string_view line; reader.Next(line);) {
    ++number;
    line = Trim(line.substr(0, line.find('#')));
    if (line.empty()) continue;
    if (IsHeading(line)) {
      if (table.rows.size() == kMostTableRows) return TooManyRows();
      table.rows.push_back({});
      table.rows.back().line = number;
      continue;
    }
    std::vector<Message>& problems =
        table.rows.empty() ? table.problems : table.rows.back().problems;
    const std::size_t equals = line.find('=');
    const common::Status stored =
        equals == std::string_view::npos || table.rows.empty()
            ? Say(kNotKeyValue, {Value(common::QuotedText(common::ShownBytes(line)))})
            : Store(table.rows.back(), common::ToUpperAscii(Trim(line.substr(0, equals))),
                    Trim(line.substr(equals + 1)));
    if (stored.ok()) continue;
    Message problem = Say(kLineSays, {Value(number), stored.message()});
    if (first_problem.empty()) first_problem = problem;
    if (++problem_count > kMostTableProblems) {
      return Say(kTooManyProblems, {Value(kMostTableProblems), first_problem});
    }
    problems.push_back(std::move(problem));
  }
  return table;
}

common::Result<ScanTable> ReadScanTable(common::Files& files, const std::string& path) {
  const common::Result<std::string> read = TableText(files, path);
  if (!read.ok()) return read.status();
  common::Result<ScanTable> table = ParseScanTable(*read);
  if (!table.ok()) return NotATable(path, table.message());
  return table;
}

common::Result<ScanTable> ReadScanTables(common::Files& files,
                                         const std::vector<const Satellite*>& satellites) {
  if (satellites.size() == 1) return ReadScanTable(files, satellites.front()->path);
  ScanTable all;
  for (const Satellite* satellite : satellites) {
    common::Result<ScanTable> table = ReadScanTable(files, satellite->path);
    if (!table.ok()) return table;
    const std::string name = NameForTerminal(satellite->name);
    for (const Message& problem : table->problems) {
      all.problems.push_back(Say(kTableSays, {Value(name), problem}));
    }
    for (ScanRow& row : table->rows) {
      row.table = name;
      all.rows.push_back(std::move(row));
    }
  }
  return all;
}

Message RowLine(const ScanRow& row) {
  return row.table.empty() ? Say(kLine, {Value(row.line)})
                           : Say(kTableLine, {Value(row.table), Value(row.line)});
}

Message RowPlace(const ScanRow& row) {
  Message place = RowLine(row);
  if (row.frequency < 0) return place;
  return Say(kPlaceLabel, {std::move(place), RowLabel(row)});
}

Message RowLabel(const ScanRow& row) {
  if (row.frequency < 0) return Say(kLine, {Value(row.line)});
  std::string label = std::to_string(row.frequency / 1000);
  if (!row.polarization.empty()) label += " " + row.polarization.substr(0, 1);
  return Value(std::move(label));
}

}  // namespace chanforge::satellites
