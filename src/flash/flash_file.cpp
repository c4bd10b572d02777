#include "flash/flash_file.h"

#include <utility>

#include "common/reported_files.h"

namespace chanforge::flash {

using common::Outcome;

Outcome LoadChosenFlashFile(Workspace& workspace, common::Frontend& frontend, common::Files& files,
                            const std::string& name, ImageReading reading) {
  if (!files.Exists(name)) {
    frontend.ShowMessage(common::MessageKind::kError, common::CannotOpenText(name));
    return Outcome::kFailed;
  }
  const std::int64_t size = common::SizeOrReport(frontend, files, name, common::kImageFileLimit);
  if (size < 0) return Outcome::kFailed;
  static constexpr auto kLoadingImage = common::Wording("status.loading-image", "Loading... {1}");
  frontend.ShowStatus(common::Say(kLoadingImage, {common::Value(name)}));
  if (reading == ImageReading::kMap) {
    if (auto mapped = files.Map(name, common::kImageFileLimit)) {
      workspace.LoadMapped(std::move(mapped), name);
      return Outcome::kDone;
    }
  }
  std::string bytes;
  if (!common::ReadWholeFileOrReport(frontend, files, name, common::kImageFileLimit, bytes)) {
    return Outcome::kFailed;
  }
  workspace.Load(std::move(bytes), name);
  return Outcome::kDone;
}

}  // namespace chanforge::flash
