#include "editing/list_csv.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

#include "common/reported_files.h"
#include "common/text_lines.h"
#include "editing/list_commands.h"
#include "flash/blocks.h"

namespace chanforge::editing {

namespace {

using channels::kChannelFields;
using transponders::kTransponderFieldCount;
using transponders::kTransponderFields;
static_assert(kChannelFieldCount == kTransponderFieldCount);
constexpr std::size_t kFieldCount = kChannelFieldCount;
constexpr const char kNumberHeading[] = "Nr";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// The mark as a spreadsheet shows it after reading the file as Latin-1 or Windows-1252
// ("ï»¿") and writing it back as UTF-8.
constexpr std::string_view kGarbledUtf8Mark = "\xC3\xAF\xC2\xBB\xC2\xBF";

// The mark that keeps a cell text in a spreadsheet. Calc keeps a leading apostrophe of a
// CSV cell as part of the text, and our import removes exactly one.
constexpr char kTextMark = '\'';

// A cell a spreadsheet would run as a formula (the leading characters OWASP names).
bool ReadsAsFormula(std::string_view cell) {
  return !cell.empty() && std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos;
}

// Upper case for ASCII letters and for the accented letters of Latin-1 (UTF-8 C3 A0 to
// C3 BE); a pound or yen sign becomes a blank, as a spreadsheet takes it for part of a
// number.
std::string UpperWithoutCurrency(std::string_view text) {
  std::string upper = common::ToUpperAscii(text);
  for (std::size_t i = 0; i + 1 < upper.size(); ++i) {
    const auto next = static_cast<unsigned char>(upper[i + 1]);
    if (upper[i] == '\xC3' && next >= 0xA0 && next <= 0xBE && next != 0xB7) {
      upper[i + 1] = static_cast<char>(next - 0x20);
    } else if (upper[i] == '\xC2' && (next == 0xA3 || next == 0xA5)) {
      upper.replace(i, 2, "  ");
    }
  }
  return upper;
}

// A text cell a spreadsheet's import could take for a number, a date, a time or a truth
// value, in any language's spelling we know of: one that starts or ends with a blank, a
// truth word ("TRUE", "WAHR"), or one with a digit whose words are all such values'
// ("1.000", "1E5", "12:30 PM", "Jan 5", "5. Mai", "£5"). Words without a digit stay text.
bool ReadsAsValue(std::string_view cell) {
  static constexpr std::string_view kTruthWords[] = {"TRUE", "FALSE", "WAHR",      "FALSCH",
                                                     "VRAI", "FAUX",  "VERDADERO", "FALSO",
                                                     "VERO", "WAAR",  "ONWAAR"};
  // Exponents, times of day and months, in English, German, French, Spanish, Italian and
  // Dutch, abbreviated and whole (Latin-1 letters in UTF-8).
  // clang-format off
  static constexpr std::string_view kValueWords[] = {
      "E", "A", "P", "AM", "PM", "T",
      "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "SEPT", "OCT", "NOV", "DEC",
      "JANUARY", "FEBRUARY", "MARCH", "APRIL", "JUNE", "JULY", "AUGUST", "SEPTEMBER", "OCTOBER",
      "NOVEMBER", "DECEMBER",
      "JANUAR", "FEBRUAR", "M\xC3\x84R", "M\xC3\x84RZ", "MAI", "JUNI", "JULI", "OKT", "OKTOBER",
      "DEZ", "DEZEMBER",
      "JANV", "F\xC3\x89V", "F\xC3\x89VR", "MARS", "AVR", "JUIN", "JUIL", "AO\xC3\x9BT",
      "D\xC3\x89" "C",
      "ENE", "ABR", "AGO", "DIC", "GEN", "MAG", "GIU", "LUG", "SET", "OTT", "MRT", "MEI"};
  // clang-format on
  if (cell.empty()) return false;
  if (cell.front() == ' ' || cell.back() == ' ') return true;
  const std::string upper = UpperWithoutCurrency(cell);
  const bool digit = upper.find_first_of("0123456789") != std::string::npos;
  std::size_t words = 0;
  for (std::size_t i = 0; i < upper.size();) {
    const auto letter = [&](std::size_t k) {
      const auto c = static_cast<unsigned char>(upper[k]);
      return (c >= 'A' && c <= 'Z') || c >= 0x80;
    };
    if (!letter(i)) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < upper.size() && letter(end)) ++end;
    const std::string_view word = std::string_view(upper).substr(i, end - i);
    const auto known = [&](const auto& list) {
      return std::find(std::begin(list), std::end(list), word) != std::end(list);
    };
    if (!known(digit ? std::span<const std::string_view>(kValueWords)
                     : std::span<const std::string_view>(kTruthWords))) {
      return false;
    }
    ++words;
    i = end;
  }
  return digit || words > 0;
}

// A cell as the export writes it: marked when a spreadsheet would run it, or, for a text
// cell (a name, a FEC), when it would take it for a value or it starts with the mark
// itself. A number cell stays a number.
std::string MarkedCell(std::string cell, bool text) {
  const bool marked = ReadsAsFormula(cell) ||
                      (text && !cell.empty() && (cell.front() == kTextMark || ReadsAsValue(cell)));
  if (marked) cell.insert(cell.begin(), kTextMark);
  return cell;
}

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

// The cells of a row; text[i] (where given) tells a text cell from a number's.
void AppendRow(std::string& out, std::vector<std::string> cells,
               const std::vector<bool>& text = {}) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += ',';
    AppendCell(out, MarkedCell(std::move(cells[i]), i < text.size() && text[i]));
  }
  out += common::kCrLf;
}

// Which columns of a list's rows hold texts: the name, a choice field's (a FEC, a band),
// a channel's transponder polarisation. The rest are numbers, Nr first.
std::vector<bool> TextColumns(ListKind list) {
  std::vector<bool> text{false};
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    text.push_back(list == ListKind::kChannels ? f == static_cast<std::size_t>(ChannelField::kName)
                                               : !kTransponderFields[f].texts.empty());
  }
  if (list == ListKind::kChannels) {
    text.push_back(false);
    text.push_back(true);
  }
  return text;
}

std::string Quoted(std::string_view text) { return common::QuotedText(text); }

// The editable fields as the CSV shows them, in heading order. A name ends at its first
// NUL: spreadsheets do not keep the bytes behind it, so an unchanged cell keeps them.
std::vector<std::string> ChannelCells(const ChannelRecord& channel) {
  std::vector<std::string> cells;
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    cells.push_back(common::Latin1ToUtf8(channels::ChannelText(channel, ChannelField(f))));
  }
  return cells;
}

std::vector<std::string> TransponderCells(const TransponderRecord& t) {
  std::vector<std::string> cells;
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    cells.push_back(transponders::TransponderText(t, TransponderField(f)));
  }
  return cells;
}

// A cell as Latin-1 bytes, or why not.
std::optional<std::string> Latin1Cell(std::string_view cell, std::string& reason) {
  std::optional<std::string> latin1 = common::Utf8ToLatin1(cell);
  if (!latin1) reason = Quoted(cell) + " holds a character that Latin-1 cannot store.";
  return latin1;
}

// Changes the fields whose cells differ from the record's own; why not, or empty.
std::string ReadChannelRow(const ListDocument& document, ChannelRecord& record,
                           const std::vector<std::string_view>& cells) {
  const std::vector<std::string> shown = ChannelCells(record);
  std::string reason;
  for (std::size_t f = 0; f < kFieldCount && reason.empty(); ++f) {
    const auto field = static_cast<ChannelField>(f);
    const std::string_view cell =
        field == ChannelField::kName ? cells[f] : common::TrimBlanks(cells[f]);
    if (cell == shown[f]) continue;
    if (const auto latin1 = Latin1Cell(cell, reason)) {
      reason = SetChannelValue(document, record, field, *latin1);
    }
  }
  return reason;
}

std::string ReadTransponderRow(TransponderRecord& record,
                               const std::vector<std::string_view>& raw_cells) {
  std::vector<std::string> cells;
  std::string reason;
  for (const std::string_view cell : raw_cells) {
    const auto latin1 = Latin1Cell(common::TrimBlanks(cell), reason);
    if (!latin1) return reason;
    cells.push_back(*latin1);
  }
  const std::vector<std::string> shown = TransponderCells(record);
  const auto changed = [&](TransponderField field) {
    const auto f = static_cast<std::size_t>(field);
    return cells[f] != shown[f];
  };
  const auto cell = [&](TransponderField field) { return cells[static_cast<std::size_t>(field)]; };
  // The band gives the frequency its meaning: both are set together.
  if (changed(TransponderField::kKhz) || changed(TransponderField::kBand)) {
    reason = transponders::SetKhzAndBandText(record, cell(TransponderField::kKhz),
                                             cell(TransponderField::kBand));
  }
  for (std::size_t f = static_cast<std::size_t>(TransponderField::kPolarisation);
       f < kFieldCount && reason.empty(); ++f) {
    const auto field = static_cast<TransponderField>(f);
    if (changed(field)) reason = SetTransponderText(record, field, cell(field));
  }
  return reason;
}

// "Nr" and the fields' column titles.
std::vector<std::string> Titles(ListKind list) {
  std::vector<std::string> titles{kNumberHeading};
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    titles.push_back(common::ColumnTitle(list == ListKind::kChannels ? kChannelFields[f]
                                                                     : kTransponderFields[f]));
  }
  return titles;
}

// The refusals of an import: every bad line up to kListedErrors, then how many more.
class CsvErrors {
 public:
  static constexpr std::size_t kListedErrors = 20;
  explicit CsvErrors(const std::string& file) : file_(file) {}
  void Add(std::size_t line, const std::string& reason) {
    AddText("Line " + std::to_string(line) + " of " + file_ + ": " + reason);
  }
  void AddText(const std::string& text) {
    if (listed_ == kListedErrors) {
      ++more_;
      return;
    }
    text_ += (listed_++ > 0 ? common::kCrLf : "") + text;
  }
  bool empty() const { return listed_ == 0; }
  std::string Text() const {
    return more_ == 0 ? text_ : text_ + common::kCrLf + "and " + std::to_string(more_) + " more";
  }

 private:
  const std::string& file_;
  std::string text_;
  std::size_t listed_ = 0;
  std::size_t more_ = 0;
};

// "1 channel", "150 channels".
std::string Counted(std::size_t count, ListKind list) {
  return std::to_string(count) + " " +
         (count == 1 ? common::RecordNameOf(list) : common::ListNameOf(list));
}

// The names that cells would empty, for one question: the channels of the first
// kListedErrors by their Nr and old name, then how many more.
class EmptiedNames {
 public:
  void Add(std::size_t nr, const ChannelRecord& record) {
    if (count_++ < CsvErrors::kListedErrors) {
      listed_ += (listed_.empty() ? "" : ", ") + std::string("channel ") + std::to_string(nr) +
                 " " +
                 common::QuotedText(
                     common::Latin1ToUtf8(channels::ChannelText(record, ChannelField::kName)));
    }
  }
  // "3 names would become empty: channel 12 "NA", ….\r\nEmpty them ?", or empty.
  std::string Question() const {
    if (count_ == 0) return {};
    const std::size_t more = count_ - std::min(count_, CsvErrors::kListedErrors);
    return std::to_string(count_) + (count_ == 1 ? " name" : " names") +
           " would become empty: " + listed_ +
           (more ? " and " + std::to_string(more) + " more" : "") + "." + common::kCrLf +
           (count_ == 1 ? "Empty it ?" : "Empty them ?");
  }

 private:
  std::size_t count_ = 0;
  std::string listed_;
};

// A file without rows would empty the list: what goes with it.
std::string EmptyFileQuestion(const ListDocument& document, ListKind list,
                              const std::string& file) {
  std::string question = file + " has no rows: the import would empty the list of " +
                         Counted(document.size(list), list);
  std::size_t channels = 0;
  for (std::size_t t = 1; list == ListKind::kTransponders && t <= document.size(list); ++t) {
    channels += document.ChannelsUsing(t);
  }
  if (channels > 0) {
    question += " and remove the " + Counted(channels, ListKind::kChannels) + " on them";
  }
  return question + "." + common::kCrLf + "Empty the list ?";
}

// An import that leaves both lists as they are is no step of its own.
bool Unchanged(const ListDocument& document, ListKind list, const CsvImport& import) {
  if (list == ListKind::kChannels) return import.channels == document.channels();
  std::vector<ChannelRecord> channels = document.channels();
  std::vector<TransponderRecord> transponders = document.transponders();
  ReplaceTransponderList(channels, transponders, import.transponders, import.origins);
  return channels == document.channels() && transponders == document.transponders();
}

}  // namespace

std::string TpTitle(TransponderField field) {
  const common::FieldInfo& info = transponders::InfoOf(field);
  std::string title = std::string(channels::InfoOf(ChannelField::kTp).heading) + " " + info.name;
  return *info.unit ? title + " (" + info.unit + ")" : title;
}

std::string_view UnmarkedCell(std::string_view cell) {
  if (!cell.empty() && cell.front() == kTextMark) cell.remove_prefix(1);
  return cell;
}

std::string FindColumns(const CsvRow& header, const std::vector<std::string>& titles,
                        std::vector<std::size_t>& columns) {
  for (const std::string& title : titles) {
    const std::string wanted = common::ToUpperAscii(title);
    // The heading without its unit is read too, as files written before the unit have it.
    const std::string bare = wanted.substr(0, wanted.find(" ("));
    std::size_t c = 0;
    const auto matches = [&](std::string_view cell) {
      const std::string upper = common::ToUpperAscii(common::TrimBlanks(cell));
      return upper == wanted || upper == bare;
    };
    while (c < header.cells.size() && !matches(header.cells[c])) ++c;
    if (c == header.cells.size()) return "Missing column " + Quoted(title) + ".";
    columns.push_back(c);
  }
  return {};
}

std::string SplitCsv(std::string_view text, std::vector<CsvRow>& rows) {
  return SplitCsv(text, [&](CsvRow& row) {
    rows.push_back(std::move(row));
    return true;
  });
}

std::string SplitCsv(std::string_view text, const std::function<bool(CsvRow&)>& use) {
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
    if (!use(row)) break;
  }
  return {};
}

std::string ListCsv(const ListDocument& document, ListKind list) {
  // The byte order mark tells spreadsheets that read it (Excel) the file is UTF-8; one
  // that takes the file for another character set shows it in the first heading, which
  // the import then refuses rather than store names it garbled.
  std::string out(kUtf8Mark);
  const std::vector<bool> text = TextColumns(list);
  std::vector<std::string> header = Titles(list);
  std::size_t number = 0;
  if (list == ListKind::kChannels) {
    header.push_back(TpTitle(TransponderField::kKhz));
    header.push_back(TpTitle(TransponderField::kPolarisation));
    AppendRow(out, header);
    for (const ChannelRecord& channel : document.channels()) {
      std::vector<std::string> cells = ChannelCells(channel);
      cells.insert(cells.begin(), std::to_string(++number));
      const bool named = document.TransponderKhz(channel.tp) != 0;
      for (const TransponderField field :
           {TransponderField::kKhz, TransponderField::kPolarisation}) {
        cells.push_back(
            named ? transponders::TransponderText(document.transponders()[channel.tp - 1u], field)
                  : "");
      }
      AppendRow(out, std::move(cells), text);
    }
    return out;
  }
  AppendRow(out, header);
  for (const TransponderRecord& transponder : document.transponders()) {
    std::vector<std::string> cells = TransponderCells(transponder);
    cells.insert(cells.begin(), std::to_string(++number));
    AppendRow(out, std::move(cells), text);
  }
  return out;
}

CsvImport ReadListCsv(const ListDocument& document, ListKind list, std::string_view csv,
                      const std::string& file) {
  CsvImport result;
  // A byte order mark is not part of the first heading.
  csv = common::WithoutByteOrderMark(csv);
  const bool channels = list == ListKind::kChannels;
  const std::string read_only = document.ReadOnlyReason(list);
  if (!read_only.empty()) {
    result.error = read_only;
    return result;
  }
  const std::vector<std::string> titles = Titles(list);
  std::vector<std::size_t> columns;
  const std::size_t known = document.size(list);
  const std::size_t room = channels ? kChannelRoom : std::max(kMostTransponders, known);
  CsvErrors errors(file);
  EmptiedNames emptied;
  if (csv.substr(csv.starts_with('"') ? 1 : 0).starts_with(kGarbledUtf8Mark)) {
    errors.Add(1,
               "The file starts with \"\xC3\xAF\xC2\xBB\xC2\xBF\": it was read in a Western "
               "character set, which garbles accented letters. Open the exported file again "
               "with the character set Unicode (UTF-8).");
    result.error = errors.Text();
    return result;
  }

  // Reads one row into the result; why not, or empty.
  const auto read_row = [&](const CsvRow& row) -> std::string {
    std::vector<std::string_view> cells;
    for (std::size_t h = 0; h <= kFieldCount; ++h) {
      if (columns[h] >= row.cells.size()) return "Missing column " + Quoted(titles[h]) + ".";
      cells.push_back(UnmarkedCell(row.cells[columns[h]]));
    }
    std::size_t from = 0;  // the record the row started from, 1-based; 0 for a new one
    if (const std::string_view nr = common::TrimBlanks(cells[0]); !nr.empty()) {
      const std::optional<std::int64_t> number = common::ReadValue(nr);
      if (!number) return kNumberHeading + (" " + Quoted(nr)) + " is not a number.";
      if (*number < 1 || static_cast<std::size_t>(*number) > known) {
        return "Nr " + std::string(nr) + " names no " + common::RecordNameOf(list) +
               ": the list has " + std::to_string(known) + ".";
      }
      from = static_cast<std::size_t>(*number);
    }
    cells.erase(cells.begin());
    if (channels) {
      ChannelRecord record = from ? document.channels()[from - 1] : ChannelRecord{};
      // A reader that takes "NA" or "NULL" for a missing value writes an empty cell.
      if (cells[static_cast<std::size_t>(ChannelField::kName)].empty() &&
          !channels::ChannelText(record, ChannelField::kName).empty()) {
        emptied.Add(from, record);
      }
      const std::string reason = ReadChannelRow(document, record, cells);
      result.channels.push_back(record);
      return reason;
    }
    TransponderRecord record = from ? document.transponders()[from - 1] : TransponderRecord{};
    std::string reason = ReadTransponderRow(record, cells);
    // A channel's TP reaches only so far: a used transponder may not move beyond it.
    const auto& origins = result.origins;
    if (reason.empty() && from != 0 && result.transponders.size() >= kMostTransponders &&
        document.ChannelsUsing(from) > 0 &&
        std::find(origins.begin(), origins.end(), from) == origins.end()) {
      reason = "Transponder " + std::to_string(from) + " would move to row " +
               std::to_string(result.transponders.size() + 1) + ", beyond the " +
               std::to_string(kMostTransponders) + " its channels can reach.";
    }
    result.transponders.push_back(record);
    result.origins.push_back(from);
    return reason;
  };

  bool header = true;
  std::string problem = SplitCsv(csv, [&](CsvRow& row) {
    if (header) {
      header = false;
      const std::string missing = FindColumns(row, titles, columns);
      if (!missing.empty()) errors.Add(row.line, missing);
      return missing.empty();
    }
    if (std::all_of(row.cells.begin(), row.cells.end(),
                    [](const std::string& c) { return common::TrimBlanks(c).empty(); })) {
      return true;  // spreadsheets leave empty rows behind
    }
    if (!std::all_of(row.cells.begin(), row.cells.end(), common::IsUtf8)) {
      errors.AddText("Line " + std::to_string(row.line) + " of " + file +
                     " is not UTF-8 text: save the CSV as UTF-8");
      return true;
    }
    // Reading stops where the block is full.
    if (result.channels.size() + result.transponders.size() == room) {
      errors.Add(row.line, channels ? CheckInsertChannels(document, kChannelRoom + 1)
                                    : CheckInsertTransponders(document, kMostTransponders + 1));
      return false;
    }
    if (const std::string reason = read_row(row); !reason.empty()) errors.Add(row.line, reason);
    return true;
  });
  if (!problem.empty()) errors.AddText(problem.insert(problem.find(':'), " of " + file));
  if (header) errors.Add(1, FindColumns(CsvRow{}, titles, columns));
  if (!errors.empty()) {
    result.error = errors.Text();
    return result;
  }
  result.rows = channels ? result.channels.size() : result.transponders.size();
  if (result.rows == 0 && known > 0) {
    result.questions.push_back(EmptyFileQuestion(document, list, file));
    return result;
  }
  if (std::string question = emptied.Question(); !question.empty()) {
    result.questions.push_back(std::move(question));
  }
  if (!channels) {
    for (const std::size_t tp : DroppedTransponders(document, result.origins)) {
      std::string question = RemoveTransponderQuestion(document, tp - 1);
      if (!question.empty()) result.questions.push_back(std::move(question));
    }
  }
  return result;
}

std::unique_ptr<Command> ImportCommand(ListKind list, CsvImport import, std::string description) {
  if (list == ListKind::kChannels) {
    return ReplaceChannels(std::move(import.channels), std::move(description));
  }
  return ReplaceTransponders(std::move(import.transponders), std::move(import.origins),
                             std::move(description));
}

common::Outcome ExportListFile(common::Frontend& frontend, const ListDocument& document,
                               ListKind list, const std::string& file,
                               const std::function<std::string()>& content, std::string& done) {
  using common::Outcome;
  const std::string reason = document.ReadOnlyReason(list);
  if (!reason.empty()) {
    frontend.ShowMessage(common::MessageKind::kError, reason);
    return Outcome::kRefused;
  }
  const std::string& image_file = document.workspace().image().fileName;
  if (!image_file.empty() && common::SameFile(file, image_file)) {
    frontend.ShowMessage(common::MessageKind::kError,
                         "Source and target are the same file : " + file);
    return Outcome::kRefused;
  }
  if (!common::CheckWritableTarget(frontend, file)) return Outcome::kRefused;
  if (!common::ConfirmOverwrite(frontend, file)) return Outcome::kCancelled;
  frontend.ShowStatus("Writing " + file + "...");
  if (!common::WriteFileOrReport(frontend, file, content())) return Outcome::kFailed;
  done = "Exported " + std::to_string(document.size(list)) + " " + common::ListNameOf(list) +
         " to " + common::PathOf(file).filename().string();
  return Outcome::kDone;
}

common::Outcome ExportCsvFile(common::Frontend& frontend, const ListDocument& document,
                              ListKind list, const std::string& file, std::string& done) {
  return ExportListFile(
      frontend, document, list, file, [&] { return ListCsv(document, list); }, done);
}

common::Outcome ImportCsvFile(common::Frontend& frontend, ListDocument& document,
                              UndoStack& history, ListKind list, const std::string& file,
                              std::string& done) {
  using common::Outcome;
  const std::int64_t size = common::SizeOrReport(frontend, file, kCsvFileLimit);
  std::string bytes;
  if (size < 0 || !common::ReadWholeFileOrReport(frontend, file, kCsvFileLimit, bytes)) {
    return Outcome::kFailed;
  }
  frontend.ShowStatus("Loading " + file + "...");
  CsvImport import = ReadListCsv(document, list, bytes, file);
  if (!import.error.empty()) {
    frontend.ShowMessage(common::MessageKind::kError, import.error);
    return Outcome::kRefused;
  }
  for (const std::string& question : import.questions) {
    if (!frontend.AskYesNo(question)) return Outcome::kCancelled;
  }
  const std::string name = common::PathOf(file).filename().string();
  const std::size_t rows = import.rows;
  if (!Unchanged(document, list, import)) {
    history.Push(
        ImportCommand(list, std::move(import),
                      std::string("Import ") + common::ListNameOf(list) + " from " + name));
  }
  done = "Imported " + std::to_string(rows) + " " + common::ListNameOf(list) + " from " + name;
  return Outcome::kDone;
}

}  // namespace chanforge::editing
