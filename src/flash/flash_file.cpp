#include "flash/flash_file.h"

#include <utility>

#include "common/file_access.h"
#include "common/reported_files.h"

namespace chanforge::flash {

using common::Outcome;

Outcome LoadChosenFlashFile(Workspace& workspace, common::Frontend& frontend,
                            const std::string& name, ImageReading reading) {
  if (!common::FileExists(name)) {
    frontend.ShowMessage(common::MessageKind::kError, common::CannotOpenText(name));
    return Outcome::kFailed;
  }
  const std::int64_t size = common::SizeOrReport(frontend, name, common::kImageFileLimit);
  if (size < 0) return Outcome::kFailed;
  frontend.ShowStatus("Loading... " + name);
  if (reading == ImageReading::kMap) {
    if (auto mapped = common::MappedFile::Map(name, common::kImageFileLimit)) {
      workspace.LoadMapped(std::move(mapped), name);
      return Outcome::kDone;
    }
  }
  std::string bytes;
  if (!common::ReadWholeFileOrReport(frontend, name, common::kImageFileLimit, bytes)) {
    return Outcome::kFailed;
  }
  workspace.Load(std::move(bytes), name);
  return Outcome::kDone;
}

}  // namespace chanforge::flash
