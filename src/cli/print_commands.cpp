// export-html: the channel list as a page to print, with the window's choices.
#include <ctime>
#include <iterator>
#include <memory>

#include "cli/command_session.h"
#include "cli/commands.h"
#include "cli/html_page.h"
#include "cli/options.h"
#include "editing/list_csv.h"

namespace chanforge::cli {

namespace {

struct Args {
  std::string flash, out, columns, group = "none", paper = "a4";
  int page_columns = views::PrintChoices().page_columns;
};

template <std::size_t kCount>
std::vector<std::string> Names(const char* const (&names)[kCount]) {
  return {std::begin(names), std::end(names)};
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  char date[16] = "";
  std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
  return date;
}

int ExportHtml(ConsoleFrontend& ui, common::Files& files, const Args& a) {
  views::PrintChoices choices;
  // No --columns reads as none and keeps the default; the option's check refused the rest.
  if (auto columns = views::ReadPrintColumns(a.columns); columns.ok()) {
    choices.columns = std::move(*columns);
  }
  choices.group = views::PrintGroupNamed(a.group).value_or(views::PrintGroup::kNone);
  choices.paper = views::PaperNamed(a.paper).value_or(views::Paper::kA4);
  choices.page_columns = a.page_columns;
  CommandSession session(files);
  if (!LoadForReading(ui, session, a.flash)) return 1;
  const editing::ListDocument& document = session.document();
  const auto page = [&](const editing::WritePiece& write) {
    return WriteHtmlPage(
        views::PrintSource(document.channels(), document.transponders(), choices, a.flash, Today()),
        choices, write);
  };
  return ExitStatus(
      editing::ExportListFile(ui, files, document, common::ListKind::kChannels, a.out, page)
          .outcome);
}

constexpr Subcommand kPrintCommands[] = {
    {"export-html", "Write the channel list as an HTML page to print",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlash(command, a->flash);
       AddFile(command, "-o,--output", a->out, "HTML file to write")->required();
       command
           .add_option("--columns", a->columns,
                       "Columns in their order (default nr,name,tp,sid): nr and the fields of "
                       "set-channel")
           ->check(CLI::Validator(
               [](std::string& text) {
                 return common::Format(views::ReadPrintColumns(text).message());
               },
               "LIST"));
       command.add_option("--group", a->group, "Channels gathered by DiSEqC input or transponder")
           ->check(CLI::IsMember(Names(views::kPrintGroupNames), CLI::ignore_case))
           ->capture_default_str();
       command.add_option("--page-columns", a->page_columns, "Lists of channels side by side")
           ->check(CLI::IsMember({1, 2}))
           ->capture_default_str();
       command.add_option("--paper", a->paper, "Paper size")
           ->check(CLI::IsMember(Names(views::kPaperNames), CLI::ignore_case))
           ->capture_default_str();
       return [a](ConsoleFrontend& ui, common::Files& files) { return ExportHtml(ui, files, *a); };
     }},
};

}  // namespace

std::span<const Subcommand> PrintCommands() { return kPrintCommands; }

}  // namespace chanforge::cli
