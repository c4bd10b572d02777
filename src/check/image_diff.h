// The field-level comparison of two flash images: what changed from one to the other,
// one printable line a change.
#pragma once

#include <string>
#include <vector>

#include "flash/flash_image.h"

namespace chanforge::check {

enum class ChangeKind {
  kSize,
  kName,
  kLength,
  kAdded,
  kRemoved,
  kMoved,
  kField,
  kBytes,
  kMoreBytes
};

inline constexpr int kPastBlocks = flash::BlockCount;  // block of bytes behind block 7

struct Change {
  ChangeKind kind;
  int block = -1;    // -1 for the image size
  int record = 0;    // channel or transponder number: in the old image for kRemoved, else new
  std::string line;  // "block 0 channel 12 name: ARD → Das Erste"
};

// Changes that turn image a into image b, ordered by block and record. Transponders are
// matched by frequency, polarisation, band and DiSEqC input, channels by SID and the
// transponder they are on (equal ones in order); what stays unmatched but looks alike
// between two matched ones is the same record edited. A TP that was only renumbered, and
// a record that only shifted because others came or went, are no change.
std::vector<Change> DiffImages(const flash::Workspace& a, const flash::Workspace& b);

// Byte ranges that differ in more blocks than this are counted, not listed.
inline constexpr std::size_t kMaxRangesPerBlock = 20;
// Differences fewer than this many equal bytes apart make one range.
inline constexpr std::int64_t kRangeMergeGap = 16;

}  // namespace chanforge::check
