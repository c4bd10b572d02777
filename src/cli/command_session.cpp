#include "cli/command_session.h"

#include "cli/commands.h"
#include "flash/flash_file.h"

namespace chanforge::cli {

bool Load(ConsoleFrontend& ui, CommandSession& session, const std::string& flash,
          const std::string& out) {
  if (!out.empty() && (out == flash || session.files().SameFile(out, flash))) {
    common::Result<std::unique_ptr<common::HeldLock>> lock = session.files().Lock(flash);
    if (lock.ok()) {
      session.lock = std::move(*lock);
    } else {
      // Some network file systems cannot lock: go on, as the user asked for the change.
      ui.ShowMessage(common::MessageKind::kNotice,
                     "could not lock " + flash + ": " + common::Format(lock.message()) +
                         "; another writer may overwrite this change");
    }
  }
  return session.LoadChosen(ui, flash) == common::Outcome::kDone;
}

bool Refused(ConsoleFrontend& ui, const common::Status& status) {
  if (status.ok()) return false;
  ui.ShowMessage(common::MessageKind::kError, status.message());
  return true;
}

editing::ListDocument* OpenLists(ConsoleFrontend& ui, CommandSession& session,
                                 const std::string& flash, const std::string& out,
                                 common::ListKind list) {
  if (!Load(ui, session, flash, out)) return nullptr;
  editing::ListDocument& document = session.document();
  return Refused(ui, document.CheckEditable(list)) ? nullptr : &document;
}

bool LoadForReading(ConsoleFrontend& ui, common::Files& files, flash::Workspace& workspace,
                    const std::string& flash) {
  return flash::LoadChosenFlashFile(workspace, ui, files, flash, flash::ImageReading::kMap) ==
         common::Outcome::kDone;
}

bool LoadForReading(ConsoleFrontend& ui, CommandSession& session, const std::string& flash) {
  return session.LoadChosen(ui, flash, flash::ImageReading::kMap) == common::Outcome::kDone;
}

int SaveImage(ConsoleFrontend& ui, CommandSession& session, const std::string& out) {
  ui.QueueFile(out);
  return ExitStatus(session.Save(ui, out));
}

}  // namespace chanforge::cli
