// The field-level comparison of two flash images: what changed from one to the other,
// one printable line a change.
#pragma once

#include <string>
#include <vector>

#include "flash/flash_image.h"

namespace chanforge::check {

enum class ChangeKind { kSize, kName, kAdded, kRemoved, kMoved, kField, kBytes, kMoreBytes };

inline constexpr int kPastBlocks = flash::BlockCount;  // block of bytes behind block 7

struct Change {
  ChangeKind kind;
  int block = -1;    // -1 for the image size
  int record = 0;    // channel or transponder number: in the old image for kRemoved, else new
  std::string line;  // "block 0 channel 12 name: ARD → Das Erste"
};

// Changes that turn image a into image b, ordered by block and record. Channels are
// matched by SID and transponder frequency, transponders by frequency and polarisation,
// and what stays unmatched by its place between matched ones. A channel that only
// shifted because others came or went is not reported as moved.
std::vector<Change> DiffImages(const flash::Workspace& a, const flash::Workspace& b);

// Byte ranges that differ in more blocks than this are counted, not listed.
inline constexpr std::size_t kMaxRangesPerBlock = 20;
// Differences fewer than this many equal bytes apart make one range.
inline constexpr std::int64_t kRangeMergeGap = 16;

}  // namespace chanforge::check
