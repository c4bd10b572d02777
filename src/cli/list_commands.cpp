#include "cli/commands.h"
#include "common/file_access.h"
#include "transponders/list_view.h"

namespace chanforge::cli {

int View(ConsoleFrontend& ui, std::ostream& out, const std::string& tcs, const std::string& tpt) {
  const std::string& name = tcs.empty() ? tpt : tcs;
  const auto lines =
      tcs.empty() ? transponders::ListTptFile(ui, tpt) : transponders::ListTcsFile(ui, tcs);
  for (const std::string& line : lines) out << line << '\n';
  // The list shows a missing or unreadable file as its only line; the caller learns it here.
  return common::ReadWholeFile(name).ok ? 0 : 1;
}

}  // namespace chanforge::cli
