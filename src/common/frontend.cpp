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

}  // namespace chanforge::common
