// The loaded flash image, its table of eight 64 KB blocks and the unsaved-changes flag.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_access.h"
#include "flash/block_header.h"

namespace chanforge::flash {

inline constexpr std::int32_t BlockSize = 65536;
inline constexpr int BlockCount = 8;
// The most data bytes a block can hold behind its header.
inline constexpr std::int32_t kBlockDataRoom = BlockSize - DataOffset;

struct FlashImage {
  std::string bytes;     // the file's content, one char per byte
  std::string fileName;  // last loaded or saved, empty before the first load

  std::int64_t size() const { return static_cast<std::int64_t>(bytes.size()); }
};

struct BlockInfo {
  std::int32_t start = 0;   // offset of the first data byte; 0 when not reached
  std::int32_t length = 0;  // data bytes from the header; 0 when unnamed
  std::string name;         // as stored; kUnnamedBlock when unnamed; empty when not reached
};

// Everything one editing session works on. The GUI keeps one for its whole run;
// each CLI command makes its own.
struct Workspace {
  FlashImage image;
  std::array<BlockInfo, BlockCount> blocks{};
  int block_count = 0;  // blocks the image reaches, one block list line each
  bool dirty = false;   // unsaved changes in the image
  // Bumped, and the observers called, by every change to the image, the block table,
  // the file name or the dirty flag; windows refresh from it.
  std::uint64_t revision = 0;
  std::vector<std::function<void()>> observers;
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

// Rebuilds the block table from the image. Never touches the dirty flag.
void ScanBlocks(Workspace& workspace);

}  // namespace chanforge::flash
