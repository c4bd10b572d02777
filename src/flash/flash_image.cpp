#include "flash/flash_image.h"

#include <algorithm>

namespace chanforge::flash {

void AnnounceChange(Workspace& workspace) {
  ++workspace.revision;
  // A copy: an observer may subscribe another while it runs.
  const auto observers = workspace.observers;
  for (const auto& observer : observers) observer();
}

int ImageByteAt(const FlashImage& image, std::int64_t offset) {
  if (offset < 0 || offset >= image.size()) return 0;
  return static_cast<unsigned char>(image.bytes[static_cast<std::size_t>(offset)]);
}

void WriteIntoImage(FlashImage& image, std::int64_t offset, std::string_view data) {
  const std::int64_t size = image.size();
  if (offset < 0 || offset >= size) return;
  const auto count = static_cast<std::size_t>(
      std::min<std::int64_t>(static_cast<std::int64_t>(data.size()), size - offset));
  image.bytes.replace(static_cast<std::size_t>(offset), count, data.substr(0, count));
}

void FillImage(FlashImage& image, std::int64_t offset, std::int64_t count, char value) {
  const std::int64_t size = image.size();
  if (offset < 0 || offset >= size || count <= 0) return;
  const auto n = static_cast<std::size_t>(std::min(count, size - offset));
  image.bytes.replace(static_cast<std::size_t>(offset), n, n, value);
}

std::string ImageBytes(const FlashImage& image, std::int64_t offset, std::int64_t count) {
  const std::int64_t size = image.size();
  if (offset < 0 || offset >= size || count <= 0) return {};
  return image.bytes.substr(static_cast<std::size_t>(offset),
                            static_cast<std::size_t>(std::min(count, size - offset)));
}

void ScanBlocks(Workspace& workspace) {
  const FlashImage& image = workspace.image;
  workspace.block_count = 0;
  for (int i = 0; i < BlockCount; ++i) {
    BlockInfo& block = workspace.blocks[static_cast<std::size_t>(i)];
    block = BlockInfo{};
    const std::int64_t h = static_cast<std::int64_t>(i) * BlockSize + NameOffset;
    if (image.size() <= h + 1) continue;  // the image does not reach this block
    ++workspace.block_count;
    const int first = ImageByteAt(image, h);
    block.start = i * BlockSize + DataOffset;
    if (first != 0x00 && first != 0xFF) {
      // The name has no length limit: it runs on to the first 0x00 or the image's end.
      const std::string_view rest =
          std::string_view(image.bytes).substr(static_cast<std::size_t>(h));
      block.name = rest.substr(0, rest.find('\0'));
      block.length = ImageByteAt(image, h + 32) + 256 * ImageByteAt(image, h + 33);
    } else {
      block.name = "----";
    }
  }
}

}  // namespace chanforge::flash
