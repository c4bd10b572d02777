// The loaded flash image, its table of eight 64 KB blocks and the unsaved-changes flag.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/files.h"
#include "common/list_kind.h"
#include "flash/block_header.h"

namespace chanforge::flash {

inline constexpr int kBlockCount = 8;
// The most data bytes a block can hold behind its header.
inline constexpr std::int32_t kBlockDataRoom = common::kBlockSize - kDataOffset;

struct FlashImage {
  std::string owned;     // the content, one char per byte, unless it is mapped
  std::string fileName;  // last loaded or saved, empty before the first load
  // The content instead, for a command that only reads the file (ImageReading::kMap).
  std::shared_ptr<const common::MappedFile> mapped{};
  // A mapped file after its copy into owned, kept until the next load: a view taken
  // before the copy (the data a write is given, say) stays readable.
  std::shared_ptr<const common::MappedFile> copied{};

  std::string_view bytes() const { return mapped ? mapped->bytes() : std::string_view(owned); }
  std::int64_t size() const { return static_cast<std::int64_t>(bytes().size()); }
  // The content to change in place; a mapped file's is copied first.
  std::string& writable();
};

struct BlockInfo {
  std::int32_t start = 0;   // offset of the first data byte; 0 when not reached
  std::int32_t length = 0;  // data bytes from the header; 0 when unnamed
  std::string name;         // as stored; kUnnamedBlock when unnamed; empty when not reached
};

// The blocks an image reaches, as its headers describe them.
struct BlockTable {
  std::array<BlockInfo, kBlockCount> blocks{};
  int count = 0;  // blocks the image reaches, one block list line each
};

// How much of a block a read, a write or a clear takes: its data (the name, the length and
// the spare bytes stay), or the whole 64 KB, header included.
enum class BlockPart { kData, kWhole };

// Everything one editing session works on. The GUI keeps one for its whole run;
// each CLI command makes its own. The image changes only by a load or through
// ReplaceBlockData, so that the block table, the dirty flag and the observers follow.
class Workspace {
 public:
  const FlashImage& image() const { return image_; }
  const std::array<BlockInfo, kBlockCount>& blocks() const { return table_.blocks; }
  int block_count() const { return table_.count; }
  bool dirty() const { return dirty_; }  // unsaved changes in the image
  // Bumped, and the observers called, by every change to the image, the block table,
  // the file name or the dirty flag; windows refresh from it.
  std::uint64_t revision() const { return revision_; }

  // Takes an image as read from fileName: rescans, no unsaved changes. Announces
  // nothing: the caller does once its own state has followed the new image.
  void Load(std::string bytes, std::string fileName);
  void LoadMapped(std::shared_ptr<const common::MappedFile> mapped, std::string fileName);
  // After the image was written to fileName: keeps the name, no unsaved changes, no
  // rescan (the image did not change). Announces nothing, as Load.
  void MarkSaved(std::string fileName);
  // The history moves the flag with its clean point; announces only a change.
  void SetDirty(bool dirty);
  void Subscribe(std::function<void()> observer);

 private:
  friend void AnnounceChange(Workspace& workspace);
  friend bool ReplaceBlockData(Workspace& workspace, int index, std::string_view data,
                               BlockPart part);

  FlashImage image_;
  BlockTable table_;
  bool dirty_ = false;
  std::uint64_t revision_ = 0;
  std::vector<std::function<void()>> observers_;
};

// Tells the observers that the workspace changed.
void AnnounceChange(Workspace& workspace);

// The byte at an offset, or 0 at or beyond the image's end.
int ImageByteAt(const FlashImage& image, std::int64_t offset);

// Replaces image bytes in place from offset on; the part past the end is dropped.
void WriteIntoImage(FlashImage& image, std::int64_t offset, std::string_view data);
// Sets count bytes from offset on to value, cut off at the image's end.
void FillImage(FlashImage& image, std::int64_t offset, std::int64_t count, char value);
// Up to count bytes from offset on, fewer when the image ends first.
std::string ImageBytes(const FlashImage& image, std::int64_t offset, std::int64_t count);
// The same bytes without a copy, valid until the image changes.
std::string_view ImageView(const FlashImage& image, std::int64_t offset, std::int64_t count);

// The block table of an image.
BlockTable ScanBlocks(const FlashImage& image);

}  // namespace chanforge::flash
