#include "transponders/diseqc_swap.h"

#include <string>

#include "common/text_lines.h"
#include "transponders/transponder_record.h"

namespace chanforge::transponders {

bool IsTptBlock(const std::string& name) { return common::ToUpperAscii(name) == "TPT"; }

common::Outcome SwapDiseqc(flash::Workspace& workspace, common::Frontend& frontend, int index) {
  if (index < 0 || index >= static_cast<int>(workspace.block_lines.size())) {
    return common::Outcome::kRefused;
  }
  const flash::BlockInfo& block = workspace.blocks[static_cast<std::size_t>(index)];
  frontend.ShowStatus("Converting " + block.name + "...");
  if (!IsTptBlock(block.name)) {
    frontend.ShowMessage(common::MessageKind::kError, "Please select a TPT block to convert");
    return common::Outcome::kRefused;
  }
  flash::FlashImage& image = workspace.image;
  int count = 0;
  const std::int64_t records = block.length / static_cast<std::int64_t>(TptRecordSize);
  for (std::int64_t k = 0; k < records; ++k) {
    const std::int64_t p = block.start + static_cast<std::int64_t>(TptRecordSize) * k;
    // A record cut off by the image's end is left alone rather than half-written.
    if (p + static_cast<std::int64_t>(TptRecordSize) > image.size()) break;
    if (flash::ImageByteAt(image, p) == 0) continue;
    char& flags = image.bytes[static_cast<std::size_t>(p) + kTptFlagsOffset];
    flags = static_cast<char>(flags ^ kFlagDiseqcB);
    ++count;
  }
  // Unlike the receiver's own tools, a swap counts as an unsaved change.
  if (count > 0) workspace.dirty = true;
  frontend.ShowMessage(
      common::MessageKind::kReport,
      " " + std::to_string(count) + " Transponders have been swapped from DiSEqC A <=> B");
  return common::Outcome::kDone;
}

}  // namespace chanforge::transponders
