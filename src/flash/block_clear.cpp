#include "flash/block_clear.h"

#include "flash/blocks.h"

namespace chanforge::flash {

std::string ClearQuestion(int index) {
  return "Clear block  " + std::to_string(index) + "?" + common::kCrLf + "Are you sure ?";
}

void ClearBlock(Workspace& workspace, int index, bool wholeBlock) {
  const BlockInfo* block = FindBlock(workspace, index);
  if (!block) return;
  if (wholeBlock || block->name == "----") {
    FillImage(workspace.image, block->start - DataOffset, BlockSize, '\0');
  } else {
    // The length field, the two bytes after it and the data, up to the block's end.
    FillImage(workspace.image, block->start - 4, UsableLength(*block) + 4, '\0');
  }
  FinishBlockChange(workspace);
}

common::Outcome ConfirmAndClearBlock(Workspace& workspace, common::Frontend& frontend, int index,
                                     bool wholeBlock) {
  if (!FindBlock(workspace, index)) return common::Outcome::kRefused;
  if (!frontend.AskYesNo(ClearQuestion(index))) return common::Outcome::kCancelled;
  ClearBlock(workspace, index, wholeBlock);
  return common::Outcome::kDone;
}

}  // namespace chanforge::flash
