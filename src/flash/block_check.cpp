#include "flash/block_check.h"

namespace chanforge::flash {

namespace {

using common::Wording;

constexpr auto kNoBlocks = Wording("image.no-blocks", "File does not contain any usable blocks");
// By BlockAction.
constexpr Wording kSelectBlock[] = {
    Wording("block.select-to-save", "Please select a block to Save"),
    Wording("block.select-to-update", "Please select a block to Update"),
    Wording("block.select-to-clear", "Please select a block to Clear"),
    Wording("block.select-to-convert", "Please select a block to Convert (a TPT block!)"),
    Wording("block.select-to-view", "Please select a block to View"),
};

}  // namespace

bool CheckBlockSelected(common::Frontend& frontend, int line_count, int selected,
                        const std::string& fileName, BlockAction action) {
  common::Message refusal;
  if (line_count <= 0) {
    refusal = common::Say(fileName.empty() ? kNoFileOpen : kNoBlocks);
  } else if (selected < 0 || selected >= line_count) {
    refusal = common::Say(kSelectBlock[static_cast<int>(action)]);
  } else {
    return true;
  }
  frontend.ShowMessage(common::MessageKind::kError, refusal);
  return false;
}

}  // namespace chanforge::flash
