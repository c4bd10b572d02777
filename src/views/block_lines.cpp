#include "views/block_lines.h"

#include "common/text_lines.h"
#include "flash/blocks.h"

namespace chanforge::views {

namespace {

constexpr auto kBlockLine = common::Wording("block.line", "Block:{1} {2} (${3}-${4}) ${5} bytes");
//: A block line, then its count of records: "Block:1 ... 65536 bytes (150 channels)".
constexpr auto kWithRecords = common::Wording("block.line-records", "{1} ({2})");

// The line with the block's name as given: its stored bytes or their text.
common::Message Line(int index, const flash::BlockInfo& block, std::string name) {
  using common::HexDigits;
  using common::Value;
  const auto start = static_cast<unsigned long long>(block.start);
  const auto length = static_cast<unsigned long long>(block.length);
  common::Message line =
      common::Say(kBlockLine, {Value(index), Value(std::move(name)), Value(HexDigits(start)),
                               Value(HexDigits(start + length)), Value(HexDigits(length))});
  const std::size_t record = flash::RecordSize(flash::ListKindOf(block));
  if (record == 0) return line;
  const auto records = static_cast<std::int64_t>(static_cast<std::size_t>(block.length) / record);
  return common::Say(kWithRecords, {std::move(line), Value(records)});
}

}  // namespace

std::string BlockLine(int index, const flash::BlockInfo& block) {
  return common::Format(Line(index, block, block.name));
}

common::Message BlockLineMessage(int index, const flash::BlockInfo& block) {
  return Line(index, block, common::Latin1ToUtf8(block.name));
}

std::vector<std::string> BlockLines(const flash::Workspace& workspace) {
  std::vector<std::string> lines;
  for (int i = 0; i < workspace.block_count(); ++i) {
    lines.push_back(BlockLine(i, workspace.blocks()[static_cast<std::size_t>(i)]));
  }
  return lines;
}

}  // namespace chanforge::views
