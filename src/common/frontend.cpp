#include "common/frontend.h"

namespace chanforge::common {

std::string ChooseFileWithFallback(Frontend& frontend, FileRequest request,
                                   const std::string& fallback) {
  // A fallback that is itself rejected would loop for ever; one retry is enough.
  for (int attempt = 0; attempt < 2; ++attempt) {
    const FileChoice choice = frontend.ChooseFile(request);
    if (choice.status == FileChoiceStatus::kChosen) return choice.name;
    if (choice.status == FileChoiceStatus::kCancelled) return {};
    request.proposed_name = fallback;
  }
  return {};
}

std::string OverwriteQuestion(const std::string& name) {
  return "File : " + name + " already exists !" + kCrLf + "Overwrite ?";
}

std::string WriteErrorMessage(const std::string& name) {
  return "Error Writing the file " + name + " !";
}

std::string UnreadableMessage(const std::string& name) {
  return "File : " + name + " can not be read !";
}

}  // namespace chanforge::common
