// The field-level comparison of two flash images: what changed from one to the other,
// one printable line a change.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/list_kind.h"
#include "common/message.h"
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

inline constexpr int kPastBlocks = flash::kBlockCount;  // block of bytes behind block 7

// One change as data; FormatChange makes its line.
struct Change {
  ChangeKind kind;
  int block = -1;  // -1 for the image size; kPastBlocks for the bytes behind block 7
  int record = 0;  // channel or transponder number: in the old image for kRemoved, else new
  std::optional<common::ListKind> list;  // the record's list
  std::string record_label;              // "12", "23 · 11836 H": the record as a place names it
  // The field's name for kName, kLength, kField and kSize ("name", "length", "tp", "size").
  std::string field;
  // As shown: the old and the new value; a record's label (after for kAdded and kMoved,
  // before for kRemoved) and the number it moved from (before); the first and last offset of
  // changed bytes; the count of ranges not listed (before).
  common::Message before;
  common::Message after;
};

// Where a change applies: "image", "block 3", "block 0 channel 12", "past the blocks".
common::Message ChangePlace(const Change& change);
// "block 0 channel 12 name: ARD → Das Erste", "block 0 channel 12 added: ZDF (SID 28006)".
common::Message FormatChange(const Change& change);

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
