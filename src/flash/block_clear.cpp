#include "flash/block_clear.h"

namespace chanforge::flash {

std::string ClearQuestion(int index) {
  return "Clear block  " + std::to_string(index) + "?" + common::kCrLf + "Are you sure ?";
}

void ClearBlock(Workspace& workspace, int index, bool wholeBlock) {
  if (index < 0 || index >= static_cast<int>(workspace.block_lines.size())) return;
  const BlockInfo& block = workspace.blocks[static_cast<std::size_t>(index)];
  if (wholeBlock || block.name == "----") {
    FillImage(workspace.image, block.start - DataOffset, BlockSize, '\0');
  } else {
    // The length field, the two bytes after it and the data.
    FillImage(workspace.image, block.start - 4, std::int64_t{block.length} + 4, '\0');
  }
  workspace.dirty = true;
  ScanBlocks(workspace);
}

common::Outcome ConfirmAndClearBlock(Workspace& workspace, common::Frontend& frontend, int index,
                                     bool wholeBlock) {
  if (index < 0 || index >= static_cast<int>(workspace.block_lines.size())) {
    return common::Outcome::kRefused;
  }
  if (!frontend.AskYesNo(ClearQuestion(index))) return common::Outcome::kCancelled;
  ClearBlock(workspace, index, wholeBlock);
  return common::Outcome::kDone;
}

}  // namespace chanforge::flash
