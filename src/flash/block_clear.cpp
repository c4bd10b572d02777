#include "flash/block_clear.h"

#include <algorithm>

#include "flash/blocks.h"

namespace chanforge::flash {

std::string ClearQuestion(int index) {
  return "Clear block  " + std::to_string(index) + "?" + common::kCrLf + "Are you sure ?";
}

void ClearBlock(Workspace& workspace, int index, bool wholeBlock) {
  const BlockInfo* block = FindBlock(workspace, index);
  if (!block) return;
  std::string bytes;
  if (!wholeBlock && block->name != kUnnamedBlock) {
    // The name stays; the length field, the two spare bytes and the data, up to the
    // block's end, become zeros.
    bytes = WholeBlockBytes(workspace, *block);
    constexpr auto spare = static_cast<std::size_t>(SpareOffset);
    const std::size_t end =
        std::min(bytes.size(), static_cast<std::size_t>(DataOffset + UsableLength(*block)));
    if (end > spare) bytes.replace(spare, end - spare, end - spare, '\0');
    WriteBlockLength(bytes, 0, 0);
  }
  ReplaceBlockData(workspace, index, bytes, true);
}

common::Outcome ConfirmAndClearBlock(Workspace& workspace, common::Frontend& frontend, int index,
                                     bool wholeBlock) {
  if (!FindBlock(workspace, index)) return common::Outcome::kRefused;
  if (!frontend.AskYesNo(ClearQuestion(index))) return common::Outcome::kCancelled;
  ClearBlock(workspace, index, wholeBlock);
  return common::Outcome::kDone;
}

}  // namespace chanforge::flash
