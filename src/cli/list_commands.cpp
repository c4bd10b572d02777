#include "cli/commands.h"
#include "transponders/list_view.h"

namespace chanforge::cli {

int View(ConsoleFrontend& ui, std::ostream& out, const std::string& tcs, const std::string& tpt) {
  const transponders::ListedFile listed =
      tcs.empty() ? transponders::ListTptFile(ui, tpt) : transponders::ListTcsFile(ui, tcs);
  for (const std::string& line : listed.lines) out << line << '\n';
  return listed.read ? 0 : 1;
}

}  // namespace chanforge::cli
