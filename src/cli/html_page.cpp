#include "cli/html_page.h"

#include <array>

#include "common/coding.h"
#include "common/text_lines.h"

namespace chanforge::cli {

namespace {

// Printed at 8 pt, as the window prints: a full list on as few sheets as stay readable.
// The header and the headings sit in the table's head, which browsers repeat on every
// printed page; "page N of M" goes in the page's margin where the browser fills one.
constexpr char kStyle[] = R"(
body { font: 8pt/1.3 "DejaVu Sans", Arial, Helvetica, sans-serif; margin: 1em; color: #000; }
.two { column-count: 2; column-gap: 8mm; }
table { border-collapse: collapse; }
th, td { padding: 0.1em 1.2em 0.1em 0; text-align: left; white-space: pre; }
thead th { border-bottom: 0.5pt solid #000; }
thead th.page { font-size: 9pt; border-bottom: 1pt solid #000; padding-bottom: 0.3em; }
th.group { padding-top: 0.8em; break-after: avoid; }
.n { text-align: right; }
tbody tr:nth-child(even) td { background: #eee; }
tr { break-inside: avoid; }
tbody.sheet { break-before: page; }
@media print {
  body { margin: 0; }
  tbody tr:nth-child(even) td { print-color-adjust: exact; -webkit-print-color-adjust: exact; }
}
)";

// A row's tags, made once for the page: a cell's are most of what its row writes.
struct RowTags {
  std::vector<std::string> open;  // per column: "<td>" or "<td class=\"n\">"
  std::string close;              // "</td>"
};

RowTags TagsOf(std::string_view tag, const std::vector<bool>& numbers) {
  RowTags tags;
  for (const bool number : numbers) {
    tags.open.push_back("<" + std::string(tag) + (number ? " class=\"n\">" : ">"));
  }
  tags.close = "</" + std::string(tag) + ">";
  return tags;
}

void AppendRow(std::string& out, const std::vector<common::Message>& cells, const RowTags& tags) {
  out += "<tr>";
  std::string formatted;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    out += tags.open[c];
    // A value is its text as it stands; only a wording is put together.
    const common::Message& cell = cells[c];
    if (cell.wording != nullptr) formatted = common::Format(cell);
    AppendHtmlEscaped(out, cell.wording != nullptr ? formatted : cell.text);
    out += tags.close;
  }
  out += "</tr>\n";
}

// The ASCII that HTML takes as it stands: the printable characters but markup.
constexpr auto kPlainInHtml = [] {
  std::array<bool, 128> plain{};
  for (int c = ' '; c <= '~'; ++c) plain[static_cast<std::size_t>(c)] = true;
  for (const char c : {'&', '<', '>', '"', '\''}) plain[static_cast<unsigned char>(c)] = false;
  return plain;
}();

// Where a run of text that goes on the page as it stands ends: most of a channel list. A byte
// past ASCII stands too unless it starts a C1 control.
std::size_t PlainRunEnd(std::string_view text, std::size_t at) {
  while (at < text.size()) {
    const auto b = static_cast<unsigned char>(text[at]);
    if (b < 0x80 ? !kPlainInHtml[b] : common::ControlCharacterAt(text, at) != 0) break;
    ++at;
  }
  return at;
}

}  // namespace

void AppendHtmlEscaped(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t end = PlainRunEnd(text, i);
    out.append(text.substr(i, end - i));
    if (end == text.size()) return;
    i = end;
    const char c = text[i];
    // A control character (C0, DEL, or C1) shows as its code, as messages show it: a page is
    // read by a person, and some readers take a control for markup or drop it.
    if (const std::size_t length = common::ControlCharacterAt(text, i); length != 0) {
      i += length - 1;  // a C1 control's code is its second byte
      out += "\\x" + common::Hex2(static_cast<unsigned char>(text[i])).substr(2);
      continue;
    }
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
}

bool WriteHtmlPage(const views::PrintSource& source, const views::PrintChoices& choices,
                   const editing::WritePiece& write) {
  const views::PrintedList& list = source.list();
  const std::string span = std::to_string(list.headings.size());
  const std::string header =
      list.file_name + " \u00b7 " + list.date + " \u00b7 " + common::Format(list.count);
  // Handed on a piece at a time: a writer keeps one in memory, not the page.
  std::string out;
  out.reserve(editing::kWritePiece + 4096);
  out += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
  AppendHtmlEscaped(out, header);
  out += "</title>\n<style>";
  out += kStyle;
  out += std::string("@page { size: ") +
         (choices.paper == views::Paper::kLetter ? "letter" : "A4") +
         "; margin: 12mm 10mm;\n  @bottom-right { content: \"page \" counter(page) \" of \" "
         "counter(pages); font-size: 8pt; } }\n</style>\n</head>\n<body>\n";
  out += choices.page_columns == 2 ? "<div class=\"two\">\n" : "<div>\n";
  out += "<table>\n<thead>\n<tr><th class=\"page\" colspan=\"" + span + "\">";
  AppendHtmlEscaped(out, header);
  out += "</th></tr>\n";
  AppendRow(out, list.headings, TagsOf("th", list.numbers));
  out += "</thead>\n";
  std::vector<common::Message> cells;  // a row's, kept from row to row
  const RowTags cell_tags = TagsOf("td", list.numbers);
  for (std::size_t g = 0; g < list.groups.size(); ++g) {
    const views::PrintedGroup& group = list.groups[g];
    out += group.new_page ? "<tbody class=\"sheet\">\n" : "<tbody>\n";
    if (!group.title.empty()) {
      out += "<tr><th class=\"group\" colspan=\"" + span + "\">";
      AppendHtmlEscaped(out, common::Format(group.title));
      out += "</th></tr>\n";
    }
    for (std::size_t r = 0; r < source.rows(g); ++r) {
      source.Cells(g, r, cells);
      AppendRow(out, cells, cell_tags);
      if (!editing::PassOnWhenFull(out, write)) return false;
    }
    out += "</tbody>\n";
  }
  out += "</table>\n</div>\n</body>\n</html>\n";
  return write(out);
}

}  // namespace chanforge::cli
