// The printable channel list as one self-contained HTML page that any browser prints.
#pragma once

#include <string>
#include <string_view>

#include "editing/csv_rows.h"
#include "views/print_rows.h"

namespace chanforge::cli {

// Text as HTML shows it, appended to out: &, <, >, " and ' as references.
void AppendHtmlEscaped(std::string& out, std::string_view text);

// The page, handed to write piece by piece (false once write was): inline styles for the paper
// chosen, the header and the column headings repeated on every printed page, a group of its own
// page starting one.
bool WriteHtmlPage(const views::PrintSource& source, const views::PrintChoices& choices,
                   const editing::WritePiece& write);

}  // namespace chanforge::cli
