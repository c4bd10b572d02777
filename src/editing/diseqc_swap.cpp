#include "editing/diseqc_swap.h"

#include <algorithm>

#include "channels/channel_record.h"
#include "common/text_lines.h"
#include "flash/blocks.h"
#include "transponders/transponder_record.h"

namespace chanforge::editing {

using transponders::kFlagDiseqcB;
using transponders::kTptRecordSize;
using transponders::TransponderRecord;

namespace {
constexpr auto kSwapped =
    common::Wording("swap.report", " {1} Transponders have been swapped from DiSEqC A <=> B");
constexpr auto kSelectTpt =
    common::Wording("swap.select-tpt", "Please select a TPT block to convert");
}  // namespace

common::Message SwapReport(int count) { return common::Say(kSwapped, {common::Value(count)}); }

common::Outcome SwappedBlock(const flash::Workspace& workspace, common::Frontend& frontend,
                             int index, std::string& bytes, int& count) {
  count = 0;
  const flash::BlockInfo* block = flash::FindBlock(workspace, index);
  if (!block) return common::Outcome::kRefused;
  frontend.ShowStatus(
      common::Say(common::kConvertingStatus, {common::Value(common::Latin1ToUtf8(block->name))}));
  if (flash::ListKindOf(*block) != common::ListKind::kTransponders) {
    frontend.ShowMessage(common::MessageKind::kError, common::Say(kSelectTpt));
    return common::Outcome::kRefused;
  }
  bytes = flash::WholeBlockBytes(workspace, *block);
  const std::size_t end = std::min(
      bytes.size(), static_cast<std::size_t>(flash::kDataOffset + flash::UsableLength(*block)));
  // A record cut off by the block's or the image's end is left alone.
  for (auto p = static_cast<std::size_t>(flash::kDataOffset); p + kTptRecordSize <= end;
       p += kTptRecordSize) {
    char* record_bytes = bytes.data() + p;
    TransponderRecord record = TransponderRecord::Decode({record_bytes, kTptRecordSize});
    if (record.frequency >> 24 == 0) continue;  // an unused record: its first byte is 0
    record.flags ^= kFlagDiseqcB;
    record.EncodeInto(record_bytes);
    ++count;
  }
  return common::Outcome::kDone;
}

}  // namespace chanforge::editing
