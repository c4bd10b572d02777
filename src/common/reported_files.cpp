#include "common/reported_files.h"

#include "common/file_access.h"

namespace chanforge::common {

bool ConfirmOverwrite(Frontend& frontend, const std::string& name) {
  return !FileExists(name) ||
         frontend.AskYesNo("File : " + name + " already exists !" + kCrLf + "Overwrite ?");
}

bool ReadFileOrReport(Frontend& frontend, const std::string& name, std::string& bytes) {
  ReadResult read = ReadWholeFile(name);
  if (!read.ok) {
    frontend.ShowMessage(MessageKind::kError, "File : " + name + " can not be read !");
    return false;
  }
  bytes = std::move(read.bytes);
  return true;
}

bool WriteFileOrReport(Frontend& frontend, const std::string& name, std::string_view bytes) {
  if (!WriteFileSafely(name, bytes).ok) {
    frontend.ShowMessage(MessageKind::kError, "Error Writing the file " + name + " !");
    return false;
  }
  return true;
}

}  // namespace chanforge::common
