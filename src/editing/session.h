// Loading and saving the image: the one session the window and the CLI both work in.
#pragma once

#include <string>
#include <vector>

#include "check/image_diff.h"
#include "common/files.h"
#include "common/frontend.h"
#include "editing/list_document.h"
#include "editing/undo_stack.h"
#include "flash/flash_file.h"
#include "flash/flash_image.h"

namespace chanforge::editing {

// What a comparison starts from: another image as it was read, or the loaded file, which then
// follows every load and save (it holds the image as it was last loaded or saved).
enum class BaseFollows { kNothing, kTheFile };

// The changes from the comparison's base to the image as it is now.
struct Comparison {
  std::string base_name;
  std::vector<check::Change> changes;
};

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
  // Counts the loads and saves: after each, the file holds the image as it is.
  std::size_t file_generation() const { return file_generation_; }

  // True when an image is loaded; otherwise says flash::kNoFileOpen.
  bool CheckLoaded(common::Frontend& frontend) const;

  // Over unsaved changes asks Save (in place), Discard or Cancel; lets the user choose a
  // flash file (proposing proposedName) and loads it with a new history.
  common::Outcome Load(common::Frontend& frontend, const std::string& proposedName);
  // The same for a file already chosen: dropped on the window, or named on a command line.
  common::Outcome LoadChosen(common::Frontend& frontend, const std::string& name,
                             flash::ImageReading reading = flash::ImageReading::kCopy);

  // Refuses before any load. Otherwise asks before writing an image with errors, lets the
  // user choose a name (proposing proposedName), asks before replacing a file, writes the
  // whole image and makes the present state the clean one.
  common::Outcome Save(common::Frontend& frontend, const std::string& proposedName);
  // Writes the image back to the file it was loaded from or last saved to, without a file
  // dialog: after the check's question, and asking first when the file changed on disk.
  common::Outcome SaveInPlace(common::Frontend& frontend);
  // Before the program ends over unsaved changes: Save writes them in place first, Discard
  // drops them, Cancel keeps the program open. True when it may end.
  bool ConfirmQuit(common::Frontend& frontend);
  // What the image check finds in the loaded image, said after a load ("2 errors, 1
  // warning", or "No findings"); the load never waits for it.
  common::Message LoadedSummary() const;

  // Reads the image a comparison starts from, saying why not through the frontend.
  common::Outcome LoadComparisonBase(common::Frontend& frontend, const std::string& name,
                                     BaseFollows follows);
  // The changes from the base (none before one is read); a base that follows the file is the
  // image as it was last loaded or saved.
  Comparison Compare();

 private:
  // Save, Discard or Cancel over unsaved changes; true when the caller may go on.
  bool ConfirmDropChanges(common::Frontend& frontend, const common::Wording& question);
  bool ConfirmUnchangedOnDisk(common::Frontend& frontend, const std::string& name) const;
  common::Outcome Read(common::Frontend& frontend, const std::string& name,
                       flash::ImageReading reading);
  common::Outcome Write(common::Frontend& frontend, const std::string& name);

  common::Files& files_;
  flash::Workspace workspace_;
  ListDocument document_{workspace_};
  UndoStack history_{document_};
  // The file as it was when loaded or saved, to find a change made behind our back.
  common::FileStamp stamp_;
  bool loaded_ = false;
  std::size_t file_generation_ = 0;
  flash::Workspace base_;
  std::string base_name_;
  BaseFollows base_follows_ = BaseFollows::kNothing;
  std::size_t base_generation_ = 0;  // the loads and saves when the base was taken
};

}  // namespace chanforge::editing
