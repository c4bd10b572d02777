#include "editing/list_csv.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>

#include "common/reported_files.h"
#include "common/text_lines.h"
#include "editing/list_commands.h"
#include "flash/blocks.h"

namespace chanforge::editing {

using transponders::kFlagDiseqcB;
using transponders::kFlagHorizontal;
using transponders::kFlagUpperBand;

namespace {

constexpr std::size_t kFieldCount = 9;
constexpr const char* kTransponderHeadings[kFieldCount] = {
    "Frequency (kHz)", "Band", "Polarisation", "DiSEqC", "FEC", "TID", "NID", "Chn", "SR"};
constexpr const char kNumberHeading[] = "Nr";
constexpr const char kTpKhzHeading[] = "TP frequency (kHz)";
constexpr const char kTpPolarisationHeading[] = "TP polarisation";
static_assert(kChannelFieldCount == kFieldCount);

// A cell as RFC 4180 writes it: quoted only when it has to be, or when a spreadsheet
// would otherwise trim its blanks.
void AppendCell(std::string& out, std::string_view cell) {
  const bool quoted = cell.find_first_of(",\"\r\n") != std::string_view::npos ||
                      (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
  if (!quoted) {
    out += cell;
    return;
  }
  out += '"';
  for (const char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendRow(std::string& out, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += ',';
    AppendCell(out, cells[i]);
  }
  out += common::kCrLf;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The editable fields as the CSV shows them, in heading order. A name ends at its first
// NUL: spreadsheets do not keep the bytes behind it, so an unchanged cell keeps them.
std::vector<std::string> ChannelCells(const ChannelRecord& channel) {
  const std::string_view name(channel.name.data(), channel.name.size());
  std::vector<std::string> cells{common::Latin1ToUtf8(name.substr(0, name.find('\0'))),
                                 std::to_string(channel.use), std::to_string(channel.tp)};
  for (const std::uint16_t word : channel.words) cells.push_back(std::to_string(word));
  return cells;
}

std::vector<std::string> TransponderCells(const TransponderRecord& t) {
  return {std::to_string(t.Khz()),
          t.flags & kFlagUpperBand ? "U" : "D",
          t.flags & kFlagHorizontal ? "H" : "V",
          t.flags & kFlagDiseqcB ? "B" : "A",
          t.FecText(),
          std::to_string(t.tid),
          std::to_string(t.nid),
          std::to_string(t.chn),
          std::to_string(t.sr)};
}

std::string NotANumber(const char* heading, std::string_view cell) {
  return std::string(heading) + " " + Quoted(cell) + " is not a number.";
}

// One of two letters (either case) for a flag; why not, or empty.
std::string SetFlagCell(TransponderRecord& record, TransponderField field, const char* heading,
                        std::string_view cell, char off, char on) {
  const std::string letter = common::ToUpperAscii(cell);
  if (letter.size() != 1 || (letter[0] != off && letter[0] != on)) {
    return std::string(heading) + " " + Quoted(cell) + " is not " + off + " or " + on + ".";
  }
  return SetTransponderValue(record, field, letter[0] == on ? 1 : 0);
}

// Changes the fields whose cells differ from the record's own; why not, or empty.
std::string ReadChannelRow(const ListDocument& document, ChannelRecord& record,
                           const std::vector<std::string_view>& cells) {
  const std::vector<std::string> shown = ChannelCells(record);
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    const auto field = static_cast<ChannelField>(f);
    const std::string_view cell =
        field == ChannelField::kName ? cells[f] : common::TrimBlanks(cells[f]);
    if (cell == shown[f]) continue;
    const std::optional<std::string> latin1 = Utf8ToLatin1(cell);
    if (!latin1) return Quoted(cell) + " holds a character that Latin-1 cannot store.";
    std::string reason = SetChannelValue(document, record, field, *latin1);
    if (!reason.empty()) return reason;
  }
  return {};
}

std::string ReadTransponderRow(TransponderRecord& record,
                               const std::vector<std::string_view>& raw_cells) {
  std::vector<std::string_view> cells;
  for (const std::string_view cell : raw_cells) cells.push_back(common::TrimBlanks(cell));
  const std::vector<std::string> shown = TransponderCells(record);
  const auto changed = [&](std::size_t f) { return cells[f] != shown[f]; };
  if (changed(0) || changed(1)) {
    const std::string band = common::ToUpperAscii(cells[1]);
    if (band != "U" && band != "D") return "Band " + Quoted(cells[1]) + " is not U or D.";
    const std::optional<std::int64_t> khz = ReadValue(cells[0]);
    if (!khz) return NotANumber("Frequency", cells[0]);
    record.flags = static_cast<std::uint8_t>(band == "U" ? record.flags | kFlagUpperBand
                                                         : record.flags & ~kFlagUpperBand);
    std::string reason = SetTransponderValue(record, TransponderField::kKhz, *khz);
    if (!reason.empty()) return reason;
  }
  std::string reason;
  if (changed(2)) {
    reason =
        SetFlagCell(record, TransponderField::kPolarisation, "Polarisation", cells[2], 'V', 'H');
  }
  if (reason.empty() && changed(3)) {
    reason = SetFlagCell(record, TransponderField::kDiseqc, "DiSEqC", cells[3], 'A', 'B');
  }
  if (reason.empty() && changed(4)) {
    const auto* const begin = std::begin(transponders::kFecTexts);
    const auto* const fec = std::find(begin, std::end(transponders::kFecTexts), cells[4]);
    if (fec == std::end(transponders::kFecTexts)) {
      return "FEC " + Quoted(cells[4]) + " is unknown: it is 1/2, 2/3, 3/4 or 4/5.";
    }
    record.fec = static_cast<std::uint8_t>(fec - begin);
  }
  constexpr TransponderField kNumbers[] = {TransponderField::kTid, TransponderField::kNid,
                                           TransponderField::kChn, TransponderField::kSr};
  for (std::size_t f = 5; reason.empty() && f < kFieldCount; ++f) {
    if (!changed(f)) continue;
    const std::optional<std::int64_t> value = ReadValue(cells[f]);
    if (!value) return NotANumber(kTransponderHeadings[f], cells[f]);
    reason = SetTransponderValue(record, kNumbers[f - 5], *value);
  }
  return reason;
}

// Finds each heading's column in the header row, Nr first; why not, or empty.
std::string FindColumns(const CsvRow& header, const char* const* headings,
                        std::vector<std::size_t>& columns) {
  for (std::size_t h = 0; h <= kFieldCount; ++h) {
    const std::string wanted = common::ToUpperAscii(h == 0 ? kNumberHeading : headings[h - 1]);
    std::size_t c = 0;
    while (c < header.cells.size() &&
           common::ToUpperAscii(common::TrimBlanks(header.cells[c])) != wanted) {
      ++c;
    }
    if (c == header.cells.size()) {
      return "Missing column " + Quoted(h == 0 ? kNumberHeading : headings[h - 1]) + ".";
    }
    columns.push_back(c);
  }
  return {};
}

}  // namespace

std::string SplitCsv(std::string_view text, std::vector<CsvRow>& rows) {
  // Spreadsheets in locales with a decimal comma write semicolons; the header row tells.
  const std::string_view header = text.substr(0, text.find_first_of("\r\n"));
  const char separator =
      header.find(',') == std::string_view::npos && header.find(';') != std::string_view::npos
          ? ';'
          : ',';
  const char ends[] = {separator, '\r', '\n', '\0'};
  std::size_t line = 1;
  std::size_t i = 0;
  // Steps over a line end at i (CR LF, CR or LF), counting it.
  const auto line_end = [&] {
    if (i >= text.size() || (text[i] != '\r' && text[i] != '\n')) return false;
    i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
    ++line;
    return true;
  };
  while (i < text.size()) {
    CsvRow row{line, {}};
    for (;;) {
      std::string cell;
      if (i < text.size() && text[i] == '"') {
        const std::size_t opened = line;
        for (++i;;) {
          if (i >= text.size()) {
            return "Line " + std::to_string(opened) + ": A quoted field is not closed.";
          }
          if (text[i] == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
              cell += '"';
              i += 2;
              continue;
            }
            ++i;
            break;
          }
          const std::size_t from = i;
          if (line_end()) {
            cell += text.substr(from, i - from);
          } else {
            cell += text[i++];
          }
        }
        if (i < text.size() && text[i] != separator && text[i] != '\r' && text[i] != '\n') {
          return "Line " + std::to_string(line) + ": Text follows a closing quote.";
        }
      } else {
        const std::size_t end = std::min(text.find_first_of(ends, i), text.size());
        cell = text.substr(i, end - i);
        if (cell.find('"') != std::string::npos) {
          return "Line " + std::to_string(line) + ": A quote inside a field that does not start " +
                 "with one.";
        }
        i = end;
      }
      row.cells.push_back(std::move(cell));
      if (i < text.size() && text[i] == separator) {
        ++i;
        continue;
      }
      line_end();
      break;
    }
    rows.push_back(std::move(row));
  }
  return {};
}

std::string ListCsv(const ListDocument& document, CsvList list) {
  std::string out;
  std::vector<std::string> header{kNumberHeading};
  if (list == CsvList::kChannels) {
    header.insert(header.end(), std::begin(kChannelFieldHeadings), std::end(kChannelFieldHeadings));
    header.push_back(kTpKhzHeading);
    header.push_back(kTpPolarisationHeading);
    AppendRow(out, header);
    std::size_t number = 0;
    for (const ChannelRecord& channel : document.channels()) {
      std::vector<std::string> cells = ChannelCells(channel);
      cells.insert(cells.begin(), std::to_string(++number));
      const std::int64_t khz = document.TransponderKhz(channel.tp);
      cells.push_back(khz == 0 ? "" : std::to_string(khz));
      const bool horizontal =
          khz != 0 && document.transponders()[channel.tp - 1u].flags & kFlagHorizontal;
      cells.push_back(khz == 0 ? "" : horizontal ? "H" : "V");
      AppendRow(out, cells);
    }
    return out;
  }
  header.insert(header.end(), std::begin(kTransponderHeadings), std::end(kTransponderHeadings));
  AppendRow(out, header);
  std::size_t number = 0;
  for (const TransponderRecord& transponder : document.transponders()) {
    std::vector<std::string> cells = TransponderCells(transponder);
    cells.insert(cells.begin(), std::to_string(++number));
    AppendRow(out, cells);
  }
  return out;
}

CsvImport ImportListCsv(const flash::Workspace& workspace, CsvList list, std::string_view csv,
                        const std::string& file) {
  CsvImport result;
  // A byte order mark is not part of the first heading.
  if (csv.substr(0, 3) == "\xEF\xBB\xBF") csv.remove_prefix(3);
  std::vector<CsvRow> rows;
  std::string problem = SplitCsv(csv, rows);
  if (!problem.empty()) {
    result.error = problem.insert(problem.find(':'), " of " + file);
    return result;
  }
  const auto refuse = [&](std::size_t line, const std::string& reason) {
    result.error = "Line " + std::to_string(line) + " of " + file + ": " + reason;
    return result;
  };
  // The image stays untouched: the list is written back into a copy.
  flash::Workspace scratch = workspace;
  scratch.observers.clear();
  ListDocument document(scratch);
  const bool channels = list == CsvList::kChannels;
  result.block = channels ? document.channel_block() : document.transponder_block();
  if (result.block < 0) {
    result.error =
        channels ? document.ChannelsReadOnlyReason() : document.TranspondersReadOnlyReason();
    return result;
  }
  std::vector<std::size_t> columns;
  problem = FindColumns(rows.empty() ? CsvRow{1, {}} : rows[0],
                        channels ? kChannelFieldHeadings : kTransponderHeadings, columns);
  if (!problem.empty()) return refuse(1, problem);

  std::vector<ChannelRecord> new_channels;
  std::vector<TransponderRecord> new_transponders;
  const std::size_t known = channels ? document.channels().size() : document.transponders().size();
  const std::size_t room = channels ? kChannelRoom : std::max(kMostTransponders, known);
  for (std::size_t r = 1; r < rows.size(); ++r) {
    const CsvRow& row = rows[r];
    if (std::all_of(row.cells.begin(), row.cells.end(),
                    [](const std::string& c) { return common::TrimBlanks(c).empty(); })) {
      continue;  // spreadsheets leave empty rows behind
    }
    std::vector<std::string_view> cells;
    for (std::size_t h = 0; h <= kFieldCount; ++h) {
      if (columns[h] >= row.cells.size()) {
        const char* heading = h == 0     ? kNumberHeading
                              : channels ? kChannelFieldHeadings[h - 1]
                                         : kTransponderHeadings[h - 1];
        return refuse(row.line, "Missing column " + Quoted(heading) + ".");
      }
      cells.push_back(row.cells[columns[h]]);
    }
    const std::size_t count = new_channels.size() + new_transponders.size();
    if (count == room) {
      return refuse(row.line, channels ? CheckInsertChannels(document, kChannelRoom + 1)
                                       : CheckInsertTransponders(document, kMostTransponders + 1));
    }
    std::size_t from = 0;  // the record the row started from, 1-based; 0 for a new one
    if (const std::string_view nr = common::TrimBlanks(cells[0]); !nr.empty()) {
      const std::optional<std::int64_t> number = ReadValue(nr);
      if (!number) return refuse(row.line, NotANumber(kNumberHeading, nr));
      if (*number < 1 || static_cast<std::size_t>(*number) > known) {
        return refuse(row.line, "Nr " + std::string(nr) + " names no " +
                                    (channels ? "channel" : "transponder") + ": the list has " +
                                    std::to_string(known) + ".");
      }
      from = static_cast<std::size_t>(*number);
    }
    cells.erase(cells.begin());
    std::string reason;
    if (channels) {
      ChannelRecord record = from ? document.channels()[from - 1] : ChannelRecord{};
      reason = ReadChannelRow(document, record, cells);
      new_channels.push_back(record);
    } else {
      TransponderRecord record = from ? document.transponders()[from - 1] : TransponderRecord{};
      reason = ReadTransponderRow(record, cells);
      new_transponders.push_back(record);
    }
    if (!reason.empty()) return refuse(row.line, reason);
  }

  result.before = flash::WholeBlockBytes(workspace, *flash::FindBlock(workspace, result.block));
  result.rows = channels ? new_channels.size() : new_transponders.size();
  if (channels) {
    document.mutable_channels() = std::move(new_channels);
    document.WriteChannels();
  } else {
    document.mutable_transponders() = std::move(new_transponders);
    document.WriteTransponders();
  }
  result.after = flash::WholeBlockBytes(scratch, *flash::FindBlock(scratch, result.block));
  return result;
}

std::string CsvListName(CsvList list) {
  return list == CsvList::kChannels ? "channels" : "transponders";
}

common::Outcome ExportCsvFile(common::Frontend& frontend, flash::Workspace& workspace, CsvList list,
                              const std::string& file, std::string& done) {
  using common::Outcome;
  const ListDocument document(workspace);
  const std::string reason = list == CsvList::kChannels ? document.ChannelsReadOnlyReason()
                                                        : document.TranspondersReadOnlyReason();
  if (!reason.empty()) {
    frontend.ShowMessage(common::MessageKind::kError, reason);
    return Outcome::kRefused;
  }
  if (!workspace.image.fileName.empty() && common::SameFile(file, workspace.image.fileName)) {
    frontend.ShowMessage(common::MessageKind::kError,
                         "Source and target are the same file : " + file);
    return Outcome::kRefused;
  }
  if (!common::CheckWritableTarget(frontend, file)) return Outcome::kRefused;
  if (!common::ConfirmOverwrite(frontend, file)) return Outcome::kCancelled;
  frontend.ShowStatus("Writing " + file + "...");
  if (!common::WriteFileOrReport(frontend, file, ListCsv(document, list))) return Outcome::kFailed;
  const std::size_t count =
      list == CsvList::kChannels ? document.channels().size() : document.transponders().size();
  done = "Exported " + std::to_string(count) + " " + CsvListName(list) + " to " +
         common::PathOf(file).filename().string();
  return Outcome::kDone;
}

common::Outcome ImportCsvFile(common::Frontend& frontend, flash::Workspace& workspace,
                              UndoStack& history, CsvList list, const std::string& file,
                              std::string& done) {
  using common::Outcome;
  const std::int64_t size = common::SizeOrReport(frontend, file, common::kImageFileLimit);
  std::string bytes;
  if (size < 0 || !common::ReadFileOrReport(frontend, file, size, bytes)) return Outcome::kFailed;
  frontend.ShowStatus("Loading " + file + "...");
  CsvImport import = ImportListCsv(workspace, list, bytes, file);
  if (!import.error.empty()) {
    frontend.ShowMessage(common::MessageKind::kError, import.error);
    return Outcome::kRefused;
  }
  const std::string name = common::PathOf(file).filename().string();
  if (import.after != import.before) {
    history.Push(std::make_unique<BlockSnapshotCommand>(
        workspace, import.block, std::move(import.before), std::move(import.after),
        "Import " + CsvListName(list) + " from " + name));
  }
  done = "Imported " + std::to_string(import.rows) + " " + CsvListName(list) + " from " + name;
  return Outcome::kDone;
}

}  // namespace chanforge::editing
