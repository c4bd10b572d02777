#include "editing/csv_text.h"

#include <algorithm>
#include <array>
#include <deque>
#include <span>
#include <vector>

#include "common/frontend.h"
#include "common/text_lines.h"

namespace chanforge::editing {

namespace {

// The mark that keeps a cell text in a spreadsheet. Calc keeps a leading apostrophe of a
// CSV cell as part of the text, and our import removes exactly one.
constexpr char kTextMark = '\'';

constexpr auto kGarbled = common::Wording(
    "csv.garbled",
    "The file starts with \"{1}\": it was read in a Western character set, which garbles "
    "accented letters. Open the exported file again with the character set Unicode (UTF-8).");
constexpr auto kMarkTwice = common::Wording(
    "csv.mark-twice",
    "The file starts with two byte order marks: a program added one to a file that had it. "
    "Open the exported file again with the character set Unicode (UTF-8).");
constexpr auto kMissingColumn = common::Wording("csv.missing-column", "Missing column {1}.");
constexpr auto kColumnTwice =
    common::Wording("csv.column-twice", "Column {1} is there twice: which one to read is unclear.");
constexpr auto kNotClosed = common::Wording("csv.not-closed", "A quoted field is not closed.");
constexpr auto kAfterQuote = common::Wording("csv.after-quote", "Text follows a closing quote.");
constexpr auto kInnerQuote =
    common::Wording("csv.inner-quote", "A quote inside a field that does not start with one.");

// A cell a spreadsheet would run as a formula (the leading characters OWASP names).
bool ReadsAsFormula(std::string_view cell) {
  if (cell.empty()) return false;
  switch (cell.front()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
      return true;
    default:
      return false;
  }
}

// Upper case for ASCII letters and for the accented letters of Latin-1 (UTF-8 C3 A0 to
// C3 BE); a pound or yen sign becomes a blank, as a spreadsheet takes it for part of a
// number. Into a text kept from cell to cell: an export asks it of every name.
std::string_view UpperWithoutCurrency(std::string_view text) {
  thread_local std::string upper;
  upper.assign(text);
  for (char& c : upper) c = common::UpperAscii(c);
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

// A list of words, looked up among those of the same length only: an export asks it of
// every word of every name.
class WordSet {
 public:
  explicit WordSet(std::span<const std::string_view> words) {
    for (const std::string_view word : words) {
      if (word.size() >= by_length_.size()) by_length_.resize(word.size() + 1);
      by_length_[word.size()].push_back(word);
    }
  }
  bool Has(std::string_view word) const {
    if (word.size() >= by_length_.size()) return false;
    const std::vector<std::string_view>& same = by_length_[word.size()];
    return std::find(same.begin(), same.end(), word) != same.end();
  }

 private:
  std::vector<std::vector<std::string_view>> by_length_;
};

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
  static const WordSet kValues(kValueWords);
  static const WordSet kTruths(kTruthWords);
  if (cell.empty()) return false;
  if (cell.front() == ' ' || cell.back() == ' ') return true;
  const std::string_view upper = UpperWithoutCurrency(cell);
  const bool digit =
      std::any_of(upper.begin(), upper.end(), [](char c) { return c >= '0' && c <= '9'; });
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
    const std::string_view word = upper.substr(i, end - i);
    if (!(digit ? kValues : kTruths).Has(word)) return false;
    ++words;
    i = end;
  }
  return digit || words > 0;
}

// Whether the export marks a cell: when a spreadsheet would run it, or, for a text cell (a
// name, a FEC), when it would take it for a value or it starts with the mark itself. A
// number cell stays a number.
bool Marked(std::string_view cell, bool text) {
  return ReadsAsFormula(cell) ||
         (text && !cell.empty() && (cell.front() == kTextMark || ReadsAsValue(cell)));
}

// A cell as RFC 4180 writes it, behind the mark where marked: quoted only when it has to
// be, or when a spreadsheet would otherwise trim its blanks (the mark covers a leading one).
void AppendCell(std::string& out, std::string_view cell, bool mark) {
  const bool quoted =
      std::any_of(cell.begin(), cell.end(),
                  [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; }) ||
      (!cell.empty() && ((!mark && cell.front() == ' ') || cell.back() == ' '));
  if (quoted) out += '"';
  if (mark) out += kTextMark;
  if (!quoted) {
    out += cell;
    return;
  }
  for (const char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

void AppendCsvCell(std::string& out, std::string_view cell, CellKind kind) {
  AppendCell(out, cell, Marked(cell, kind == CellKind::kText));
}

void AppendRow(std::string& out, const std::vector<std::string>& cells,
               const std::vector<bool>& text) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += ',';
    AppendCsvCell(out, cells[i], i < text.size() && text[i] ? CellKind::kText : CellKind::kNumber);
  }
  out += common::kCrLf;
}

std::string_view UnmarkedCell(std::string_view cell) {
  if (!cell.empty() && cell.front() == kTextMark) cell.remove_prefix(1);
  return cell;
}

common::Status LeaveOutByteOrderMark(std::string_view& csv, std::string& unmarked, bool& skipped) {
  csv = common::WithoutByteOrderMark(csv);
  const std::size_t at = csv.starts_with('"') ? 1 : 0;
  if (common::WithoutByteOrderMark(csv.substr(at)).size() != csv.size() - at) {
    return common::Say(kMarkTwice);
  }
  skipped = false;
  if (!csv.substr(at).starts_with(kGarbledUtf8Mark)) return {};
  const std::string_view rest = csv.substr(at + kGarbledUtf8Mark.size());
  if (!std::all_of(rest.begin(), rest.end(),
                   [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    return common::Say(kGarbled, {common::Value(std::string(kGarbledUtf8Mark))});
  }
  unmarked = std::string(csv.substr(0, at)) + std::string(rest);
  csv = unmarked;
  skipped = true;
  return {};
}

common::Message MissingColumnText(std::string_view title) {
  return common::Say(kMissingColumn, {common::Value(common::QuotedText(title))});
}

common::Status FindColumns(const CsvRow& header, const std::vector<std::string>& titles,
                           std::vector<std::size_t>& columns,
                           const std::vector<common::CsvNeed>& needs) {
  for (std::size_t h = 0; h < titles.size(); ++h) {
    const std::string& title = titles[h];
    const std::string wanted = common::ToUpperAscii(title);
    // The heading without its unit is read too, as files written before the unit have it.
    const std::string bare = wanted.substr(0, wanted.find(" ("));
    std::size_t c = 0;
    const auto matches = [&](std::string_view cell) {
      const std::string upper = common::ToUpperAscii(common::TrimBlanks(cell));
      return upper == wanted || upper == bare;
    };
    while (c < header.cells.size() && !matches(header.cells[c])) ++c;
    const bool may_lack = h < needs.size() && needs[h] == common::CsvNeed::kOptional;
    if (c == header.cells.size() && !may_lack) return MissingColumnText(title);
    // Reading either of two columns of one heading would drop the other's values unseen.
    if (c < header.cells.size() &&
        std::any_of(header.cells.begin() + static_cast<std::ptrdiff_t>(c) + 1, header.cells.end(),
                    matches)) {
      return common::Say(kColumnTwice, {common::Value(common::QuotedText(title))});
    }
    columns.push_back(c == header.cells.size() ? kNoColumn : c);
  }
  return {};
}

namespace {

// Reads a CSV text cell by cell, counting its lines.
class CsvCursor {
 public:
  CsvCursor(std::string_view text, const std::string& file)
      : text_(text),
        file_(file),
        // Spreadsheets in locales with a decimal comma write semicolons; the header row tells.
        separator_(HeaderSeparator(text.substr(0, text.find_first_of("\r\n")))) {
    for (const char c : {separator_, '\r', '\n', '"'}) stops_[static_cast<unsigned char>(c)] = true;
  }

  bool AtEnd() const { return i_ >= text_.size(); }
  std::size_t line() const { return line_; }

  // The cell at the cursor, quoted or not; the cursor then stands behind it. The cell is
  // the text's own bytes, or a copy in unquoted where doubled quotes had to be undone.
  common::Status Cell(std::string_view& cell, std::deque<std::string>& unquoted) {
    if (i_ < text_.size() && text_[i_] == '"') return QuotedCell(cell, unquoted);
    std::size_t end = i_;
    while (end < text_.size() && !stops_[static_cast<unsigned char>(text_[end])]) ++end;
    if (end < text_.size() && text_[end] == '"') return NotCsv(line_, kInnerQuote);
    cell = text_.substr(i_, end - i_);
    i_ = end;
    return {};
  }

  // Steps over the separator behind a cell: true. Else over the line end: false.
  bool NextCell() {
    if (i_ < text_.size() && text_[i_] == separator_) {
      ++i_;
      return true;
    }
    LineEnd();
    return false;
  }

 private:
  static char HeaderSeparator(std::string_view header) {
    return header.find(',') == std::string_view::npos && header.find(';') != std::string_view::npos
               ? ';'
               : ',';
  }

  // Steps over a line end at the cursor (CR LF, CR or LF), counting it.
  bool LineEnd() {
    if (i_ >= text_.size() || (text_[i_] != '\r' && text_[i_] != '\n')) return false;
    i_ += text_.compare(i_, 2, "\r\n") == 0 ? 2 : 1;
    ++line_;
    return true;
  }

  common::Message NotCsv(std::size_t line, const common::Wording& why) const {
    return common::Say(kLineOfFile, {common::Value(line), common::Value(file_), common::Say(why)});
  }

  common::Status QuotedCell(std::string_view& cell, std::deque<std::string>& unquoted) {
    const std::size_t opened = line_;
    std::size_t piece = ++i_;     // the part not yet in copy
    std::string* copy = nullptr;  // only a cell with a doubled quote needs one
    for (;;) {
      const std::size_t quote = text_.find('"', i_);
      if (quote == std::string_view::npos) return NotCsv(opened, kNotClosed);
      while (i_ < quote) {
        if (!LineEnd()) ++i_;  // a line end inside the quotes is a line of the file
      }
      ++i_;
      if (i_ >= text_.size() || text_[i_] != '"') break;
      // A doubled quote is one quote of the cell.
      if (copy == nullptr) copy = &unquoted.emplace_back();
      copy->append(text_.substr(piece, i_ - piece));
      piece = ++i_;
    }
    cell = text_.substr(piece, i_ - 1 - piece);
    if (copy != nullptr) cell = copy->append(cell);
    if (i_ < text_.size() && text_[i_] != separator_ && text_[i_] != '\r' && text_[i_] != '\n') {
      return NotCsv(line_, kAfterQuote);
    }
    return {};
  }

  std::string_view text_;
  const std::string& file_;
  char separator_;
  // The bytes that end an unquoted cell, and the quote that may not stand in one.
  std::array<bool, 256> stops_{};
  std::size_t line_ = 1;
  std::size_t i_ = 0;
};

}  // namespace

common::Status SplitCsv(std::string_view text, const std::string& file,
                        const std::function<bool(CsvRow&)>& use) {
  CsvCursor cursor(text, file);
  // One row's cells, their room kept from row to row, and its cells that had quotes undone.
  CsvRow row;
  std::deque<std::string> unquoted;
  while (!cursor.AtEnd()) {
    row.line = cursor.line();
    row.cells.clear();
    if (!unquoted.empty()) unquoted.clear();
    do {
      std::string_view& cell = row.cells.emplace_back();
      if (common::Status read = cursor.Cell(cell, unquoted); !read.ok()) return read;
    } while (cursor.NextCell());
    if (!use(row)) break;
  }
  return {};
}

}  // namespace chanforge::editing
