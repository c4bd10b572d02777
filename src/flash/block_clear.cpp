#include "flash/block_clear.h"

#include <algorithm>

#include "common/frontend.h"
#include "flash/blocks.h"

namespace chanforge::flash {

common::Message ClearQuestion(int index) {
  static constexpr auto kClear =
      common::Wording("block.clear-question", "Clear block  {1}?\r\nAre you sure ?");
  return common::Say(kClear, {common::Value(index)});
}

std::string ClearedBlock(const Workspace& workspace, int index, BlockPart part) {
  const BlockInfo* block = FindBlock(workspace, index);
  std::string bytes;
  if (!block) return bytes;
  if (part == BlockPart::kData && block->name != kUnnamedBlock) {
    // The name stays; the length field, the two spare bytes and the data, up to the
    // block's end, become zeros.
    bytes = WholeBlockBytes(workspace, *block);
    constexpr auto spare = static_cast<std::size_t>(kSpareOffset);
    const std::size_t end =
        std::min(bytes.size(), static_cast<std::size_t>(kDataOffset + UsableLength(*block)));
    if (end > spare) bytes.replace(spare, end - spare, end - spare, '\0');
    WriteBlockLength(bytes, 0, 0);
  }
  return bytes;
}

}  // namespace chanforge::flash
