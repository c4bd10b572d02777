#include "editing/csv_rows.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <span>

#include "common/text_fields.h"
#include "common/text_lines.h"
#include "editing/csv_text.h"
#include "editing/list_commands.h"

namespace chanforge::editing {

using channels::ChannelField;
using channels::ChannelRecord;
using channels::kChannelFieldCount;
using common::ListKind;
using transponders::SetTransponderText;
using transponders::TransponderField;
using transponders::TransponderRecord;

namespace {

using channels::kChannelFields;
using common::Message;
using common::Say;
using common::Value;
using common::Wording;
using transponders::kTransponderFieldCount;
using transponders::kTransponderFields;

constexpr auto kEmptied =
    common::CountedWording("csv.emptied", "{1} names would become empty: {2}.\r\nEmpty them ?",
                           "{1} name would become empty: {2}.\r\nEmpty it ?");
constexpr auto kEmptiedName = Wording("csv.emptied-name", "channel {1} {2}");
constexpr auto kNoRows = Wording(
    "csv.no-rows", "{1} has no rows: the import would empty the list of {2}.\r\nEmpty the list ?");
constexpr auto kNoRowsWithChannels =
    Wording("csv.no-rows-channels",
            "{1} has no rows: the import would empty the list of {2} and remove the {3} on "
            "them.\r\nEmpty the list ?");
constexpr auto kNrNotNumber = Wording("csv.nr-not-number", "Nr {1} is not a number.");
constexpr auto kNrNoChannel =
    Wording("csv.nr-no-channel", "Nr {1} names no channel: the list has {2}.");
constexpr auto kNrNoTransponder =
    Wording("csv.nr-no-transponder", "Nr {1} names no transponder: the list has {2}.");
constexpr auto kGarbledMarkSkipped =
    Wording("csv.garbled-mark-skipped",
            "{1} starts with a byte order mark read in a Western character set; the rest of the "
            "file is plain ASCII, which that does not garble, so the mark is left out.");
constexpr auto kTransponderBeyond =
    Wording("csv.transponder-beyond",
            "Transponder {1} would move to row {2}, beyond the {3} its channels can reach.");

// The heading of a channel file's column for its transponder's frequency or polarisation.
std::string TpTitle(TransponderField field) {
  return common::Format(
      common::LinkedColumnTitle(channels::InfoOf(ChannelField::kTp), transponders::InfoOf(field)));
}

// The numbering column's heading and the column titles of a record's fields.
template <std::size_t kCount>
std::vector<std::string> Titles(const std::array<common::FieldInfo, kCount>& fields) {
  std::vector<std::string> titles{common::kNrHeading.english};
  for (const common::FieldInfo& info : fields) {
    titles.push_back(common::Format(common::ColumnTitle(info)));
  }
  return titles;
}

// Whether a file must have each of those columns.
template <std::size_t kCount>
std::vector<common::CsvNeed> Needs(const std::array<common::FieldInfo, kCount>& fields) {
  std::vector<common::CsvNeed> needs{common::CsvNeed::kRequired};
  for (const common::FieldInfo& info : fields) needs.push_back(info.csv);
  return needs;
}

std::string Quoted(std::string_view text) { return common::QuotedText(text); }

// A transponder's editable fields as the CSV shows them, in heading order.
std::vector<std::string> TransponderCells(const TransponderRecord& t) {
  std::vector<std::string> cells;
  for (std::size_t f = 0; f < kTransponderFieldCount; ++f) {
    cells.push_back(transponders::TransponderText(t, TransponderField(f)));
  }
  return cells;
}

// A cell as Latin-1 bytes.
common::Result<std::string> Latin1Cell(std::string_view cell) {
  std::optional<std::string> latin1 = common::Utf8ToLatin1(cell);
  if (!latin1) return Say(common::kSentence, {common::NotLatin1Text(cell)});
  return std::move(*latin1);
}

// A row's cells in heading order; none where the file has no column for the field.
using RowCells = std::span<const std::optional<std::string_view>>;

// The name's cell: the name as it is where it is ASCII, else made UTF-8 in utf8. It ends at
// the name's first NUL: spreadsheets do not keep the bytes behind it, so an unchanged cell
// keeps them.
std::string_view NameCell(const ChannelRecord& channel, std::string& utf8) {
  const std::string_view name = channels::NameUpToNul(channel);
  const bool ascii = std::all_of(name.begin(), name.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return name;
  utf8 = common::Latin1ToUtf8(name);
  return utf8;
}

// Whether a cell is value's plain decimal, as the export writes it (a channel's numbers are
// never negative): read digit by digit in place, as every number cell of a full list is.
bool ShowsNumber(std::string_view cell, std::int64_t value) {
  // Nineteen digits never overflow; the export writes no leading zero.
  if (cell.empty() || cell.size() > 19 || (cell.size() > 1 && cell[0] == '0')) return false;
  std::uint64_t read = 0;
  for (const char c : cell) {
    if (c < '0' || c > '9') return false;
    read = read * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return value >= 0 && read == static_cast<std::uint64_t>(value);
}

// Whether a cell is the one ChannelCsv writes for the field, told without writing cells
// out: an import compares every row of a full list with its record (values: its
// ChannelValues).
bool ShowsAs(const ChannelRecord& channel, std::span<const std::int64_t> values, ChannelField field,
             std::string_view cell) {
  if (field != ChannelField::kName)
    return ShowsNumber(cell, values[static_cast<std::size_t>(field)]);
  std::string utf8;
  return cell == NameCell(channel, utf8);
}

// Changes the fields whose cells differ from the record's own.
common::Status ReadChannelRow(const ListDocument& document, ChannelRecord& record,
                              const RowCells& cells) {
  const ChannelRecord shown = record;
  const auto values = channels::ChannelValues(shown);
  for (std::size_t f = 0; f < kChannelFieldCount; ++f) {
    if (!cells[f]) continue;
    const auto field = static_cast<ChannelField>(f);
    const std::string_view cell =
        field == ChannelField::kName ? *cells[f] : common::TrimBlanks(*cells[f]);
    if (ShowsAs(shown, values, field, cell)) continue;
    const common::Result<std::string> latin1 = Latin1Cell(cell);
    if (!latin1.ok()) return latin1.status();
    if (common::Status set = SetChannelValue(document, record, field, *latin1); !set.ok()) {
      return set;
    }
  }
  return {};
}

common::Status ReadTransponderRow(TransponderRecord& record, const RowCells& raw_cells) {
  const std::vector<std::string> shown = TransponderCells(record);
  std::vector<std::string> cells;
  for (std::size_t f = 0; f < raw_cells.size(); ++f) {
    if (!raw_cells[f]) {
      cells.push_back(shown[f]);
      continue;
    }
    common::Result<std::string> latin1 = Latin1Cell(common::TrimBlanks(*raw_cells[f]));
    if (!latin1.ok()) return latin1.status();
    cells.push_back(std::move(*latin1));
  }
  const auto changed = [&](TransponderField field) {
    const auto f = static_cast<std::size_t>(field);
    return cells[f] != shown[f];
  };
  const auto cell = [&](TransponderField field) { return cells[static_cast<std::size_t>(field)]; };
  // The band gives the frequency its meaning: both are set together.
  if (changed(TransponderField::kKhz) || changed(TransponderField::kBand)) {
    if (common::Status set = transponders::SetKhzAndBandText(record, cell(TransponderField::kKhz),
                                                             cell(TransponderField::kBand));
        !set.ok()) {
      return set;
    }
  }
  for (std::size_t f = static_cast<std::size_t>(TransponderField::kPolarisation);
       f < kTransponderFieldCount; ++f) {
    const auto field = static_cast<TransponderField>(f);
    if (!changed(field)) continue;
    if (common::Status set = SetTransponderText(record, field, cell(field)); !set.ok()) return set;
  }
  return {};
}

// The refusals of an import: every bad line up to kListedErrors, then how many more.
class CsvErrors {
 public:
  static constexpr std::size_t kListedErrors = 20;
  explicit CsvErrors(const std::string& file) : file_(file) {}
  void Add(std::size_t line, Message reason) {
    AddText(Say(kLineOfFile, {Value(line), Value(file_), std::move(reason)}));
  }
  void AddText(Message text) {
    if (listed_.size() == kListedErrors) {
      ++more_;
      return;
    }
    listed_.push_back(std::move(text));
  }
  bool empty() const { return listed_.empty(); }
  Message Text() const {
    std::vector<Message> lines = listed_;
    if (more_ > 0) lines.push_back(Say(common::kMoreLines, {Value(more_)}));
    return common::Joined(std::move(lines), common::kLineBreaks);
  }

 private:
  const std::string& file_;
  std::vector<Message> listed_;
  std::size_t more_ = 0;
};

// The names that cells would empty, for one question: the channels of the first
// kListedErrors by their Nr and old name, then how many more.
class EmptiedNames {
 public:
  void Add(std::size_t nr, const ChannelRecord& record) {
    if (count_++ < CsvErrors::kListedErrors) {
      listed_.push_back(Say(
          kEmptiedName, {Value(nr), Value(common::QuotedText(common::Latin1ToUtf8(
                                        channels::ChannelText(record, ChannelField::kName))))}));
    }
  }
  // "3 names would become empty: channel 12 "NA", ….\r\nEmpty them ?", or empty.
  Message Question() const {
    if (count_ == 0) return {};
    const std::size_t more = count_ - std::min(count_, CsvErrors::kListedErrors);
    Message listed = common::Joined(listed_, common::kCommas);
    if (more > 0) listed = Say(common::kAndMore, {std::move(listed), Value(more)});
    return Say(kEmptied, {Value(count_), std::move(listed)});
  }

 private:
  std::size_t count_ = 0;
  std::vector<Message> listed_;
};

// A file without rows would empty the list: what goes with it.
Message EmptyFileQuestion(const ListDocument& document, ListKind list, const std::string& file) {
  std::size_t channels = 0;
  for (std::size_t t = 1; list == ListKind::kTransponders && t <= document.size(list); ++t) {
    channels += document.ChannelsUsing(t);
  }
  if (channels == 0) return Say(kNoRows, {Value(file), common::CountOf(list, document.size(list))});
  return Say(kNoRowsWithChannels, {Value(file), common::CountOf(list, document.size(list)),
                                   common::CountOf(ListKind::kChannels, channels)});
}

// A number's cell (a count or a field's value, never negative), written in place: digits,
// which no spreadsheet runs or trims, go as they are.
void AppendNumberCell(std::string& out, std::int64_t number) {
  common::AppendDecimalField(out, number, 0, common::LeadingBlank::kNone);
}

bool ChannelCsv(const ListDocument& document, const WritePiece& write) {
  std::string out(kUtf8Mark);
  std::vector<std::string> header = Titles(kChannelFields);
  header.push_back(TpTitle(TransponderField::kKhz));
  header.push_back(TpTitle(TransponderField::kPolarisation));
  AppendRow(out, header);
  // Each transponder's cells written once, not once for each of its channels: its
  // frequency, and its polarisation as a text; empty for a channel whose TP names no
  // transponder.
  std::vector<std::string> tp_cells(256, ",,");  // a TP is one byte
  for (std::size_t tp = 1; tp < tp_cells.size(); ++tp) {
    if (document.TransponderKhz(static_cast<std::uint8_t>(tp)) == 0) continue;
    const TransponderRecord& transponder = document.transponders()[tp - 1];
    std::string& cells = tp_cells[tp];
    cells = ",";
    AppendCsvCell(cells, transponders::TransponderText(transponder, TransponderField::kKhz),
                  CellKind::kNumber);
    cells += ',';
    AppendCsvCell(cells,
                  transponders::TransponderText(transponder, TransponderField::kPolarisation),
                  CellKind::kText);
  }
  // A full list is thousands of rows: each cell is written in place, the rows handed on a
  // piece at a time.
  out.reserve(kWritePiece + 256);
  std::int64_t number = 0;
  std::string utf8;
  for (const ChannelRecord& channel : document.channels()) {
    AppendNumberCell(out, ++number);
    const auto values = channels::ChannelValues(channel);
    // The name first, then every other field a number.
    static_assert(ChannelField::kName == ChannelField{});
    out += ',';
    AppendCsvCell(out, NameCell(channel, utf8), CellKind::kText);
    common::AppendDecimals(out, std::span(values).subspan(1), ',');
    out += tp_cells[channel.tp];
    out += common::kCrLf;
    if (!PassOnWhenFull(out, write)) return false;
  }
  return write(out);
}

std::string TransponderCsv(const ListDocument& document) {
  std::string out(kUtf8Mark);
  AppendRow(out, Titles(kTransponderFields));
  // A choice field's cells (a FEC, a band) are texts; the rest are numbers, Nr first.
  std::vector<bool> text{false};
  for (const common::FieldInfo& info : kTransponderFields) text.push_back(!info.texts.empty());
  std::size_t number = 0;
  for (const TransponderRecord& transponder : document.transponders()) {
    std::vector<std::string> cells = TransponderCells(transponder);
    cells.insert(cells.begin(), std::to_string(++number));
    AppendRow(out, cells, text);
  }
  return out;
}

// Reads a row's cells (in heading order, the Nr taken off) into the list, starting from the
// record the Nr names (1-based; 0 for a new one), or why the row cannot be stored.
using RowReader = std::function<common::Status(std::size_t from, const RowCells& cells)>;

// What one list's import gives the reading both lists share.
struct ListReading {
  ListKind list;
  std::vector<std::string> titles;  // Nr first
  std::vector<common::CsvNeed> needs;
  std::size_t room;     // the rows the list can take
  common::Status full;  // the refusal of a row beyond them
  RowReader read_row;
};

// One row: its cells by the header's columns (into cells, kept from row to row), and the
// record its Nr names.
common::Status ReadRow(const ListReading& reading, std::size_t known,
                       const std::vector<std::size_t>& columns, const CsvRow& row,
                       std::vector<std::optional<std::string_view>>& cells) {
  // A column the file lacks stays empty in every row; the others are each row's own.
  cells.resize(columns.size());
  for (std::size_t h = 0; h < columns.size(); ++h) {
    if (columns[h] == kNoColumn) continue;
    if (columns[h] >= row.cells.size()) {
      cells.clear();  // nothing of a row left half read, whose copied cells go with it
      return MissingColumnText(reading.titles[h]);
    }
    cells[h] = UnmarkedCell(row.cells[columns[h]]);
  }
  std::size_t from = 0;
  if (const std::string_view nr = common::TrimBlanks(*cells[0]); !nr.empty()) {
    const std::optional<std::int64_t> number = common::ReadValue(nr);
    if (!number) return Say(kNrNotNumber, {Value(Quoted(nr))});
    if (*number < 1 || static_cast<std::size_t>(*number) > known) {
      return Say(reading.list == ListKind::kChannels ? kNrNoChannel : kNrNoTransponder,
                 {Value(std::string(nr)), Value(known)});
    }
    from = static_cast<std::size_t>(*number);
  }
  return reading.read_row(from, RowCells(cells).subspan(1));
}

// The reading both lists share: the header, every row up to the list's room, the refusals,
// and the question before a file without rows empties the list. The list's own questions
// follow when it has rows.
common::Status ReadRows(const ListDocument& document, const ListReading& reading,
                        std::string_view csv, const std::string& file, CsvImport& import) {
  if (common::Status editable = document.CheckEditable(reading.list); !editable.ok()) {
    return editable;
  }
  CsvErrors errors(file);
  std::string unmarked;
  bool skipped = false;
  if (common::Status marked = LeaveOutByteOrderMark(csv, unmarked, skipped); !marked.ok()) {
    errors.Add(1, marked.message());
    return errors.Text();
  }
  if (skipped) import.notices.push_back(Say(kGarbledMarkSkipped, {Value(file)}));
  const std::size_t known = document.size(reading.list);
  std::vector<std::size_t> columns;
  std::vector<std::optional<std::string_view>> cells;  // kept from row to row
  std::size_t rows = 0;
  bool header = true;
  // Cells are split at ASCII bytes, so a text that is UTF-8 as a whole holds no cell that is
  // not: the cells of a full list are then not looked at one by one.
  const bool utf8 = common::IsUtf8(csv);
  const common::Status split = SplitCsv(csv, file, [&](CsvRow& row) {
    if (header) {
      header = false;
      const common::Status found = FindColumns(row, reading.titles, columns, reading.needs);
      if (found.ok()) return true;
      errors.Add(row.line, found.message());
      return false;
    }
    if (std::all_of(row.cells.begin(), row.cells.end(),
                    [](std::string_view c) { return common::TrimBlanks(c).empty(); })) {
      return true;  // spreadsheets leave empty rows behind
    }
    if (!utf8 && !std::all_of(row.cells.begin(), row.cells.end(), common::IsUtf8)) {
      errors.AddText(Say(kNotUtf8Line, {Value(row.line), Value(file)}));
      return true;
    }
    // Reading stops where the block is full.
    if (rows++ == reading.room) {
      errors.Add(row.line, reading.full.message());
      return false;
    }
    if (const common::Status read = ReadRow(reading, known, columns, row, cells); !read.ok()) {
      errors.Add(row.line, read.message());
    }
    return true;
  });
  if (!split.ok()) errors.AddText(split.message());
  if (header)
    errors.Add(1, FindColumns(CsvRow{}, reading.titles, columns, reading.needs).message());
  if (!errors.empty()) return errors.Text();
  import.rows = rows;
  if (rows == 0 && known > 0) {
    import.questions.push_back(EmptyFileQuestion(document, reading.list, file));
  }
  return {};
}

}  // namespace

bool PassOnWhenFull(std::string& out, const WritePiece& write) {
  if (out.size() < kWritePiece) return true;
  const bool written = write(out);
  out.clear();
  return written;
}

bool WriteListCsv(const ListDocument& document, ListKind list, const WritePiece& write) {
  // The byte order mark tells spreadsheets that read it (Excel) the file is UTF-8; one
  // that takes the file for another character set shows it in the first heading, which
  // the import then refuses rather than store names it garbled.
  return list == ListKind::kChannels ? ChannelCsv(document, write)
                                     : write(TransponderCsv(document));
}

std::string ListCsv(const ListDocument& document, ListKind list) {
  std::string csv;
  WriteListCsv(document, list, [&](std::string_view piece) {
    csv += piece;
    return true;
  });
  return csv;
}

common::Result<CsvImport> ReadChannelCsv(const ListDocument& document, std::string_view csv,
                                         const std::string& file) {
  CsvImport import;
  // Room for a file of the list's own rows at once: growing a full list's copy step by step
  // touches twice its memory.
  import.channels.reserve(std::min(document.channels().size(), kChannelRoom));
  EmptiedNames emptied;
  const auto read_row = [&](std::size_t from, const RowCells& cells) {
    ChannelRecord record = from ? document.channels()[from - 1] : ChannelRecord{};
    // A reader that takes "NA" or "NULL" for a missing value writes an empty cell.
    const std::optional<std::string_view>& name =
        cells[static_cast<std::size_t>(ChannelField::kName)];
    if (name && name->empty() && !channels::ChannelText(record, ChannelField::kName).empty()) {
      emptied.Add(from, record);
    }
    common::Status read = ReadChannelRow(document, record, cells);
    import.channels.push_back(record);
    return read;
  };
  const ListReading reading{ListKind::kChannels,
                            Titles(kChannelFields),
                            Needs(kChannelFields),
                            kChannelRoom,
                            CheckInsertChannels(document, kChannelRoom + 1),
                            read_row};
  if (common::Status read = ReadRows(document, reading, csv, file, import); !read.ok()) {
    return read;
  }
  if (import.rows == 0) return import;  // a file without rows asks only whether to empty
  if (Message question = emptied.Question(); !question.empty()) {
    import.questions.push_back(std::move(question));
  }
  return import;
}

common::Result<CsvImport> ReadTransponderCsv(const ListDocument& document, std::string_view csv,
                                             const std::string& file) {
  CsvImport import;
  const auto read_row = [&](std::size_t from, const RowCells& cells) {
    TransponderRecord record = from ? document.transponders()[from - 1] : TransponderRecord{};
    common::Status read = ReadTransponderRow(record, cells);
    // A channel's TP reaches only so far: a used transponder may not move beyond it.
    const auto& origins = import.origins;
    if (read.ok() && from != 0 && import.transponders.size() >= kMostTransponders &&
        document.ChannelsUsing(from) > 0 &&
        std::find(origins.begin(), origins.end(), from) == origins.end()) {
      read = Say(kTransponderBeyond,
                 {Value(from), Value(import.transponders.size() + 1), Value(kMostTransponders)});
    }
    import.transponders.push_back(record);
    import.origins.push_back(from);
    return read;
  };
  const ListReading reading{ListKind::kTransponders,
                            Titles(kTransponderFields),
                            Needs(kTransponderFields),
                            std::max(kMostTransponders, document.transponders().size()),
                            CheckInsertTransponders(document, kMostTransponders + 1),
                            read_row};
  if (common::Status read = ReadRows(document, reading, csv, file, import); !read.ok()) {
    return read;
  }
  if (import.rows == 0) return import;  // a file without rows asks only whether to empty
  for (const std::size_t tp : DroppedTransponders(document, import.origins)) {
    Message question = RemoveTransponderQuestion(document, tp - 1);
    if (!question.empty()) import.questions.push_back(std::move(question));
  }
  return import;
}

common::Result<CsvImport> ReadListCsv(const ListDocument& document, ListKind list,
                                      std::string_view csv, const std::string& file) {
  return list == ListKind::kChannels ? ReadChannelCsv(document, csv, file)
                                     : ReadTransponderCsv(document, csv, file);
}

std::unique_ptr<Command> ImportCommand(ListKind list, CsvImport import, Message description) {
  if (list == ListKind::kChannels) {
    return ReplaceChannels(std::move(import.channels), std::move(description));
  }
  return ReplaceTransponders(std::move(import.transponders), std::move(import.origins),
                             std::move(description));
}

}  // namespace chanforge::editing
