// The steps every command that loads an image, and perhaps writes it back, shares.
#pragma once

#include <memory>
#include <string>

#include "cli/console_frontend.h"
#include "common/files.h"
#include "editing/session.h"

namespace chanforge::cli {

// One command's session. When the command writes the image back over itself, the
// image stays locked from load to replace, so that two such commands take turns
// instead of one silently undoing the other.
struct CommandSession : editing::Session {
  explicit CommandSession(common::Files& files) : editing::Session(files) {}
  std::unique_ptr<common::HeldLock> lock;
};

// Loads the image; out names the file the command will write the image to.
bool Load(ConsoleFrontend& ui, CommandSession& session, const std::string& flash,
          const std::string& out);

// Reports a refusal as an error; true when there was one.
bool Refused(ConsoleFrontend& ui, const common::Status& status);

// Loads the image for a command that changes one list; null, with the reason told, when the
// image has no such list.
editing::ListDocument* OpenLists(ConsoleFrontend& ui, CommandSession& session,
                                 const std::string& flash, const std::string& out,
                                 common::ListKind list);

// For a command that never writes the image: mapped rather than copied (a file cut short
// meanwhile ends the program, see terminal.h). The first alone, without the editing state
// a CommandSession builds around it.
bool LoadForReading(ConsoleFrontend& ui, common::Files& files, flash::Workspace& workspace,
                    const std::string& flash);
bool LoadForReading(ConsoleFrontend& ui, CommandSession& session, const std::string& flash);

// Writes the changed image to out with the window's rules: an image with errors is written
// only when the question about them is answered Yes (--yes, or at the terminal).
int SaveImage(ConsoleFrontend& ui, CommandSession& session, const std::string& out);

}  // namespace chanforge::cli
