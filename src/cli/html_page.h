// The printable channel list as one self-contained HTML page that any browser prints.
#pragma once

#include <string>
#include <string_view>

#include "views/print_rows.h"

namespace chanforge::cli {

// Text as HTML shows it: &, <, >, " and ' as references.
std::string HtmlEscaped(std::string_view text);

// The page: inline styles for the paper chosen, the header and the column headings repeated
// on every printed page, a group of its own page starting one.
std::string HtmlPage(const views::PrintedList& list, const views::PrintChoices& choices);

}  // namespace chanforge::cli
