#include "cli/commands.h"
#include "common/list_files.h"
#include "views/list_view.h"

namespace chanforge::cli {

int View(ConsoleFrontend& ui, std::ostream& out, const std::string& tcs, const std::string& tpt) {
  const std::string& name = tcs.empty() ? tpt : tcs;
  ui.ShowStatus("Loading " + name + "...");
  const common::ReadResult file = common::ReadListFileForViewer(name);
  const views::ListedFile listed =
      tcs.empty() ? views::ListTptFile(file) : views::ListTcsFile(file);
  if (listed.read) {
    ui.PrintBytes(out, listed.lines);
  } else {
    for (const std::string& line : listed.lines) out << line << '\n';  // a message, UTF-8
  }
  return listed.read ? 0 : 1;
}

}  // namespace chanforge::cli
