// The loaded flash image, its table of eight 64 KB blocks and the unsaved-changes flag.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::flash {

inline constexpr std::int32_t BlockSize = 65536;
inline constexpr int BlockCount = 8;
// Block header layout, as offsets from the block's first byte.
inline constexpr std::int32_t NameOffset = 0x20;    // name, ended by a 0x00 byte
inline constexpr std::int32_t LengthOffset = 0x40;  // data length, 16-bit little-endian
inline constexpr std::int32_t DataOffset = 0x44;    // first data byte

struct FlashImage {
  std::string bytes;     // the file's content, one char per byte
  std::string fileName;  // last loaded or saved, empty before the first load

  std::int32_t size() const { return static_cast<std::int32_t>(bytes.size()); }
};

struct BlockInfo {
  std::int32_t start = 0;   // offset of the first data byte; 0 when not reached
  std::int32_t length = 0;  // data bytes from the header; 0 when unnamed
  std::string name;         // as stored; "----" when unnamed; empty when not reached
};

// Everything one editing session works on. The GUI keeps one for its whole run;
// each CLI command makes its own.
struct Workspace {
  FlashImage image;
  std::array<BlockInfo, BlockCount> blocks{};
  std::vector<std::string> block_lines;  // one per reached block, index = block index
  int selected = -1;                     // selected block line, -1 for none
  bool dirty = false;                    // unsaved changes in the image
};

// The byte at an offset, or 0 at or beyond the image's end.
int ImageByteAt(const FlashImage& image, std::int64_t offset);

// Replaces image bytes in place from offset on; the part past the end is dropped.
void WriteIntoImage(FlashImage& image, std::int64_t offset, std::string_view data);
// Sets count bytes from offset on to value, cut off at the image's end.
void FillImage(FlashImage& image, std::int64_t offset, std::int64_t count, char value);
// Up to count bytes from offset on, fewer when the image ends first.
std::string ImageBytes(const FlashImage& image, std::int64_t offset, std::int64_t count);

// The line to keep selected after a rescan: the old one if it still exists, else none.
int SelectionAfterScan(int old_selection, int line_count);

// Rebuilds the block table and the block list lines from the image and keeps the
// selection where it can. Never touches the dirty flag.
void ScanBlocks(Workspace& workspace);

}  // namespace chanforge::flash
