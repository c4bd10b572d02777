// Loading and saving the image: the one session the window and the CLI both work in.
#pragma once

#include <string>

#include "common/files.h"
#include "common/frontend.h"
#include "editing/list_document.h"
#include "editing/undo_stack.h"
#include "flash/flash_file.h"
#include "flash/flash_image.h"

namespace chanforge::editing {

// One image from its load to its saves: whether one was loaded, the file as it was when
// loaded or saved, and the history whose clean point the dirty flag follows.
class Session {
 public:
  // Every load and save goes through files.
  explicit Session(common::Files& files) : files_(files) {}
  // The history and the document point into the workspace.
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  flash::Workspace& workspace() { return workspace_; }
  const flash::Workspace& workspace() const { return workspace_; }
  UndoStack& history() { return history_; }
  ListDocument& document() { return document_; }
  common::Files& files() { return files_; }
  // An image was loaded in this session; a later failed load keeps it.
  bool loaded() const { return loaded_; }

  // True when an image is loaded; otherwise says flash::kNoFileOpen.
  bool CheckLoaded(common::Frontend& frontend) const;

  // Asks before unsaved changes are dropped, lets the user choose a flash file (proposing
  // proposedName) and loads it with a new history.
  common::Outcome Load(common::Frontend& frontend, const std::string& proposedName);
  // The same for a file already chosen: dropped on the window, or named on a command line.
  common::Outcome LoadChosen(common::Frontend& frontend, const std::string& name,
                             flash::ImageReading reading = flash::ImageReading::kCopy);

  // Refuses before any load. Otherwise asks before writing an image with errors, lets the
  // user choose a name (proposing proposedName), asks before replacing a file, writes the
  // whole image and makes the present state the clean one.
  common::Outcome Save(common::Frontend& frontend, const std::string& proposedName);

 private:
  bool ConfirmDiscardChanges(common::Frontend& frontend) const;
  bool ConfirmUnchangedOnDisk(common::Frontend& frontend, const std::string& name) const;
  common::Outcome Read(common::Frontend& frontend, const std::string& name,
                       flash::ImageReading reading);

  common::Files& files_;
  flash::Workspace workspace_;
  ListDocument document_{workspace_};
  UndoStack history_{document_};
  // The file as it was when loaded or saved, to find a change made behind our back.
  common::FileStamp stamp_;
  bool loaded_ = false;
};

}  // namespace chanforge::editing
