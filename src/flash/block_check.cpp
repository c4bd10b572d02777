#include "flash/block_check.h"

namespace chanforge::flash {

bool CheckBlockSelected(common::Frontend& frontend, int line_count, int selected,
                        const std::string& fileName, const std::string& action) {
  std::string refusal;
  if (line_count <= 0) {
    refusal = fileName.empty() ? kNoFileOpen : "File does not contain any usable blocks";
  } else if (selected < 0 || selected >= line_count) {
    refusal = "Please select a block to " + action;
  } else {
    return true;
  }
  frontend.ShowMessage(common::MessageKind::kError, refusal);
  return false;
}

}  // namespace chanforge::flash
