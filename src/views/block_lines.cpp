#include "views/block_lines.h"

#include "common/text_lines.h"
#include "flash/blocks.h"

namespace chanforge::views {

std::string BlockLine(int index, const flash::BlockInfo& block) {
  using common::HexDigits;
  std::string suffix;
  const std::size_t record = flash::RecordSize(flash::ListKindOf(block));
  if (record > 0) {
    suffix = " (" + std::to_string(static_cast<std::size_t>(block.length) / record) + ")";
  }
  const auto start = static_cast<unsigned long long>(block.start);
  const auto length = static_cast<unsigned long long>(block.length);
  return "Block:" + std::to_string(index) + " " + block.name + " ($" + HexDigits(start) + "-$" +
         HexDigits(start + length) + ") $" + HexDigits(length) + " bytes" + suffix;
}

std::vector<std::string> BlockLines(const flash::Workspace& workspace) {
  std::vector<std::string> lines;
  for (int i = 0; i < workspace.block_count(); ++i) {
    lines.push_back(BlockLine(i, workspace.blocks()[static_cast<std::size_t>(i)]));
  }
  return lines;
}

}  // namespace chanforge::views
