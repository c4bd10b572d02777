#include "cli/session.h"

#include "cli/commands.h"
#include "flash/flash_file.h"

namespace chanforge::cli {

bool Load(ConsoleFrontend& ui, Session& session, const std::string& flash, const std::string& out) {
  if (!out.empty() && (out == flash || common::SameFile(out, flash))) session.lock.Lock(flash);
  ui.QueueFile(flash);
  return flash::LoadFlashFile(session.workspace, ui, flash) == common::Outcome::kDone;
}

int SaveImage(ConsoleFrontend& ui, Session& session, const std::string& out) {
  ui.QueueFile(out);
  return ExitStatus(flash::SaveFlashFile(session.workspace, ui, out));
}

}  // namespace chanforge::cli
