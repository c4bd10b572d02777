#include "flash/blocks.h"

#include <algorithm>

#include "common/text_lines.h"

namespace chanforge::flash {

std::optional<common::ListKind> ListKindOf(std::string_view name, NameMatch match) {
  if (name.size() != 3) return {};  // names run on: never copy a long one
  const std::string compared =
      match == NameMatch::kExact ? std::string(name) : common::ToUpperAscii(name);
  for (const common::ListKind kind : common::kListKinds) {
    if (compared == common::BlockNameOf(kind)) return kind;
  }
  return {};
}

std::optional<common::ListKind> ListKindOf(const BlockInfo& block, NameMatch match) {
  return ListKindOf(block.name, match);
}

const BlockInfo* FindBlock(const Workspace& workspace, int index) {
  if (index < 0 || index >= workspace.block_count()) return nullptr;
  return &workspace.blocks()[static_cast<std::size_t>(index)];
}

std::int64_t UsableLength(const BlockInfo& block) {
  return std::min<std::int64_t>(block.length, kBlockDataRoom);
}

std::string BlockData(const Workspace& workspace, const BlockInfo& block) {
  std::string data = ImageBytes(workspace.image(), block.start, UsableLength(block));
  data.resize(static_cast<std::size_t>(UsableLength(block)), '\0');
  return data;
}

std::string WholeBlockBytes(const Workspace& workspace, const BlockInfo& block) {
  return std::string(WholeBlockView(workspace, block));
}

std::string_view WholeBlockView(const Workspace& workspace, const BlockInfo& block) {
  return ImageView(workspace.image(), block.start - kDataOffset, common::kBlockSize);
}

bool ReplaceBlockData(Workspace& workspace, int index, std::string_view data, BlockPart part) {
  const BlockInfo* found = FindBlock(workspace, index);
  if (!found) return false;
  const BlockInfo block = *found;
  FlashImage& image = workspace.image_;
  if (part == BlockPart::kWhole) {
    const std::int64_t begin = block.start - kDataOffset;
    FillImage(image, begin, common::kBlockSize, '\0');
    WriteIntoImage(image, begin, data.substr(0, common::kBlockSize));
  } else {
    data = data.substr(0, kBlockDataRoom);
    FillImage(image, block.start, UsableLength(block), '\0');
    WriteIntoImage(image, block.start, data);
    WriteBlockLength(image.writable(), static_cast<std::size_t>(block.start - kDataOffset),
                     data.size());
  }
  workspace.table_ = ScanBlocks(image);
  workspace.dirty_ = true;
  AnnounceChange(workspace);
  return true;
}

void PutBlock(FlashImage& image, int index, std::string_view name, std::string_view data) {
  const std::int64_t base = static_cast<std::int64_t>(index) * common::kBlockSize;
  std::string header(name);
  header.push_back('\0');
  WriteIntoImage(image, base + kNameOffset, header);
  WriteBlockLength(image.writable(), static_cast<std::size_t>(base), data.size());
  FillImage(image, base + kSpareOffset, 2, '\0');
  WriteIntoImage(image, base + kDataOffset, data.substr(0, kBlockDataRoom));
}

}  // namespace chanforge::flash
