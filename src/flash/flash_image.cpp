#include "flash/flash_image.h"

#include <algorithm>
#include <utility>

namespace chanforge::flash {

std::string& FlashImage::writable() {
  if (mapped) {
    owned.assign(mapped->bytes());
    copied = std::move(mapped);
  }
  return owned;
}

void Workspace::Load(std::string bytes, std::string fileName) {
  image_ = {std::move(bytes), std::move(fileName), nullptr, nullptr};
  table_ = ScanBlocks(image_);
  dirty_ = false;
}

void Workspace::LoadMapped(std::shared_ptr<const common::MappedFile> mapped, std::string fileName) {
  image_ = {{}, std::move(fileName), std::move(mapped), nullptr};
  table_ = ScanBlocks(image_);
  dirty_ = false;
}

void Workspace::MarkSaved(std::string fileName) {
  image_.fileName = std::move(fileName);
  dirty_ = false;
}

void Workspace::SetDirty(bool dirty) {
  if (dirty_ == dirty) return;
  dirty_ = dirty;
  AnnounceChange(*this);
}

void Workspace::Subscribe(std::function<void()> observer) {
  observers_.push_back(std::move(observer));
}

void AnnounceChange(Workspace& workspace) {
  ++workspace.revision_;
  // A copy: an observer may subscribe another while it runs.
  const auto observers = workspace.observers_;
  for (const auto& observer : observers) observer();
}

int ImageByteAt(const FlashImage& image, std::int64_t offset) {
  if (offset < 0 || offset >= image.size()) return 0;
  return static_cast<unsigned char>(image.bytes()[static_cast<std::size_t>(offset)]);
}

void WriteIntoImage(FlashImage& image, std::int64_t offset, std::string_view data) {
  const std::int64_t size = image.size();
  if (offset < 0 || offset >= size) return;
  const auto count = static_cast<std::size_t>(
      std::min<std::int64_t>(static_cast<std::int64_t>(data.size()), size - offset));
  image.writable().replace(static_cast<std::size_t>(offset), count, data.substr(0, count));
}

void FillImage(FlashImage& image, std::int64_t offset, std::int64_t count, char value) {
  const std::int64_t size = image.size();
  if (offset < 0 || offset >= size || count <= 0) return;
  const auto n = static_cast<std::size_t>(std::min(count, size - offset));
  image.writable().replace(static_cast<std::size_t>(offset), n, n, value);
}

std::string ImageBytes(const FlashImage& image, std::int64_t offset, std::int64_t count) {
  return std::string(ImageView(image, offset, count));
}

std::string_view ImageView(const FlashImage& image, std::int64_t offset, std::int64_t count) {
  const std::int64_t size = image.size();
  if (offset < 0 || offset >= size || count <= 0) return {};
  return image.bytes().substr(static_cast<std::size_t>(offset),
                              static_cast<std::size_t>(std::min(count, size - offset)));
}

BlockTable ScanBlocks(const FlashImage& image) {
  BlockTable table;
  for (int i = 0; i < kBlockCount; ++i) {
    BlockInfo& block = table.blocks[static_cast<std::size_t>(i)];
    const std::int64_t begin = static_cast<std::int64_t>(i) * common::kBlockSize;
    if (image.size() <= begin + kNameOffset + 1) continue;  // the image does not reach it
    ++table.count;
    block.start = i * common::kBlockSize + kDataOffset;
    BlockHeader header = ReadBlockHeader(image.bytes(), static_cast<std::size_t>(begin));
    block.name = std::move(header.name);
    block.length = header.length;
  }
  return table;
}

}  // namespace chanforge::flash
