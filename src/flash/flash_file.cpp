#include "flash/flash_file.h"

#include "common/file_access.h"
#include "common/reported_files.h"

namespace chanforge::flash {

using common::FileDialogKind;
using common::Frontend;
using common::MessageKind;
using common::Outcome;

bool ConfirmDiscardChanges(const Workspace& workspace, Frontend& frontend) {
  if (!workspace.dirty) return true;
  return frontend.AskYesNo(std::string("File has been changed, but not saved !") + common::kCrLf +
                           "Load anyway ?");
}

bool ConfirmUnchangedOnDisk(const Workspace& workspace, Frontend& frontend,
                            const std::string& name) {
  if (workspace.image.fileName.empty() || !common::SameFile(name, workspace.image.fileName) ||
      common::StampOf(name) == workspace.file_stamp) {
    return true;
  }
  return frontend.AskYesNo("File : " + name + " has changed on disk since it was loaded !" +
                           common::kCrLf + "Overwrite anyway ?");
}

Outcome LoadFlashFile(Workspace& workspace, Frontend& frontend, const std::string& proposedName) {
  if (!ConfirmDiscardChanges(workspace, frontend)) return Outcome::kCancelled;
  const std::string name = common::ChooseFileWithFallback(
      frontend, {FileDialogKind::kOpen, "", proposedName, kFlashFilter}, kDefaultFlashName);
  if (name.empty()) return Outcome::kCancelled;
  return LoadChosenFlashFile(workspace, frontend, name);
}

Outcome LoadChosenFlashFile(Workspace& workspace, Frontend& frontend, const std::string& name) {
  if (!common::FileExists(name)) {
    frontend.ShowMessage(MessageKind::kError, "File : " + name + " can not be opened !");
    return Outcome::kFailed;
  }
  const std::int64_t size = common::SizeOrReport(frontend, name, common::kImageFileLimit);
  if (size < 0) return Outcome::kFailed;
  frontend.ShowStatus("Loading... " + name);
  const common::FileStamp stamp = common::StampOf(name);
  std::string bytes;
  if (!common::ReadFileOrReport(frontend, name, common::kImageFileLimit, bytes)) {
    return Outcome::kFailed;
  }
  workspace.image.bytes = std::move(bytes);
  workspace.image.fileName = name;
  workspace.file_stamp = stamp;
  workspace.dirty = false;
  ScanBlocks(workspace);
  AnnounceChange(workspace);
  return Outcome::kDone;
}

Outcome SaveFlashFile(Workspace& workspace, Frontend& frontend, const std::string& proposedName) {
  const std::string name = common::ChooseFileWithFallback(
      frontend, {FileDialogKind::kSave, "", proposedName, kFlashFilter}, kDefaultFlashName);
  if (name.empty()) return Outcome::kCancelled;
  if (!common::ConfirmOverwrite(frontend, name)) return Outcome::kCancelled;
  if (!ConfirmUnchangedOnDisk(workspace, frontend, name)) return Outcome::kCancelled;
  frontend.ShowStatus("Saving... " + name);
  if (!common::WriteFileOrReport(frontend, name, workspace.image.bytes)) return Outcome::kFailed;
  workspace.image.fileName = name;
  workspace.file_stamp = common::StampOf(name);
  workspace.dirty = false;
  AnnounceChange(workspace);
  return Outcome::kDone;
}

}  // namespace chanforge::flash
