#include "editing/session.h"

#include "check/image_check.h"
#include "common/reported_files.h"
#include "flash/block_check.h"
#include "flash/flash_file.h"

namespace chanforge::editing {

using common::FileDialogKind;
using common::Frontend;
using common::Outcome;

namespace {

constexpr auto kSaveBeforeLoading =
    common::Wording("session.save-before-loading",
                    "File has been changed, but not saved !\r\nSave the changes before loading ?");
constexpr auto kSaveBeforeExiting =
    common::Wording("session.save-before-exiting",
                    "File has been changed, but not saved !\r\nSave the changes before exiting ?");
constexpr auto kChangedOnDisk =
    common::Wording("session.changed-on-disk",
                    "File : {1} has changed on disk since it was loaded !\r\nOverwrite anyway ?");
constexpr auto kSaving = common::Wording("status.saving", "Saving... {1}");
constexpr auto kNoFindings = common::Wording("session.no-findings", "No findings");

}  // namespace

bool Session::CheckLoaded(Frontend& frontend) const {
  if (!loaded_) frontend.ShowMessage(common::MessageKind::kError, common::Say(flash::kNoFileOpen));
  return loaded_;
}

bool Session::ConfirmDropChanges(Frontend& frontend, const common::Wording& question) {
  if (!workspace_.dirty()) return true;
  switch (frontend.AskSaveChanges(common::Say(question))) {
    case common::SaveAnswer::kSave:
      return SaveInPlace(frontend) == Outcome::kDone;
    case common::SaveAnswer::kDiscard:
      return true;
    default:
      return false;
  }
}

common::Message Session::LoadedSummary() const {
  common::Message summary = check::CheckSummary(check::CheckImage(workspace_));
  return summary.empty() ? common::Say(kNoFindings) : summary;
}

bool Session::ConfirmQuit(Frontend& frontend) {
  return ConfirmDropChanges(frontend, kSaveBeforeExiting);
}

bool Session::ConfirmUnchangedOnDisk(Frontend& frontend, const std::string& name) const {
  const std::string& loaded = workspace_.image().fileName;
  if (loaded.empty() || !files_.SameFile(name, loaded) || files_.StampOf(name) == stamp_) {
    return true;
  }
  return frontend.AskYesNo(common::Say(kChangedOnDisk, {common::Value(name)}));
}

Outcome Session::Load(Frontend& frontend, const std::string& proposedName) {
  if (!ConfirmDropChanges(frontend, kSaveBeforeLoading)) return Outcome::kCancelled;
  const std::string name = common::ChooseFileWithFallback(
      frontend, {FileDialogKind::kOpen, "", proposedName, flash::kFlashFilter},
      flash::kDefaultFlashName);
  if (name.empty()) return Outcome::kCancelled;
  return Read(frontend, name, flash::ImageReading::kCopy);
}

Outcome Session::LoadChosen(Frontend& frontend, const std::string& name,
                            flash::ImageReading reading) {
  if (!ConfirmDropChanges(frontend, kSaveBeforeLoading)) return Outcome::kCancelled;
  return Read(frontend, name, reading);
}

Outcome Session::Read(Frontend& frontend, const std::string& name, flash::ImageReading reading) {
  // Taken before the read, so that a change while reading still counts as one.
  const common::FileStamp stamp = files_.StampOf(name);
  const Outcome outcome = flash::LoadChosenFlashFile(workspace_, frontend, files_, name, reading);
  if (outcome != Outcome::kDone) return outcome;
  stamp_ = stamp;
  loaded_ = true;
  ++file_generation_;
  history_.Clear();
  document_.Reload();
  // Once, when the document has read the new lists too.
  flash::AnnounceChange(workspace_);
  return Outcome::kDone;
}

Outcome Session::Save(Frontend& frontend, const std::string& proposedName) {
  // Before any load there is no image: a save would replace a file with nothing.
  if (!CheckLoaded(frontend)) return Outcome::kRefused;
  if (!check::ConfirmSaveDespiteErrors(workspace_, frontend)) {
    return Outcome::kCancelled;
  }
  const std::string name = common::ChooseFileWithFallback(
      frontend, {FileDialogKind::kSave, "", proposedName, flash::kFlashFilter},
      flash::kDefaultFlashName);
  if (name.empty()) return Outcome::kCancelled;
  if (!common::ConfirmOverwrite(frontend, files_, name)) return Outcome::kCancelled;
  if (!ConfirmUnchangedOnDisk(frontend, name)) return Outcome::kCancelled;
  return Write(frontend, name);
}

Outcome Session::SaveInPlace(Frontend& frontend) {
  if (!CheckLoaded(frontend)) return Outcome::kRefused;
  if (!check::ConfirmSaveDespiteErrors(workspace_, frontend)) return Outcome::kCancelled;
  const std::string name = workspace_.image().fileName;
  if (!ConfirmUnchangedOnDisk(frontend, name)) return Outcome::kCancelled;
  return Write(frontend, name);
}

Outcome Session::Write(Frontend& frontend, const std::string& name) {
  frontend.ShowStatus(common::Say(kSaving, {common::Value(name)}));
  if (!common::WriteFileOrReport(frontend, files_, name, workspace_.image().bytes()))
    return Outcome::kFailed;
  workspace_.MarkSaved(name);
  stamp_ = files_.StampOf(name);
  ++file_generation_;
  // The flag is cleared first so that the history does not announce it on its own.
  history_.MarkClean();
  flash::AnnounceChange(workspace_);
  return Outcome::kDone;
}

common::Outcome Session::LoadComparisonBase(common::Frontend& frontend, const std::string& name,
                                            BaseFollows follows) {
  flash::Workspace base;
  const common::Outcome outcome = flash::LoadChosenFlashFile(base, frontend, files_, name);
  if (outcome != common::Outcome::kDone) return outcome;
  base_ = std::move(base);
  base_name_ = name;
  base_follows_ = follows;
  base_generation_ = file_generation_;
  return outcome;
}

Comparison Session::Compare() {
  if (base_follows_ == BaseFollows::kTheFile && base_generation_ != file_generation_) {
    // Loaded or saved since: the file now holds the image as it is.
    base_.Load(std::string(workspace_.image().bytes()), workspace_.image().fileName);
    base_name_ = workspace_.image().fileName;
    base_generation_ = file_generation_;
  }
  return {base_name_, check::DiffImages(base_, workspace_)};
}

}  // namespace chanforge::editing
