// The one answer to each block question: what list a block holds, whether an index
// names a block, where its data lies, and the one way to replace its data.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/list_kind.h"
#include "flash/flash_image.h"

namespace chanforge::flash {

enum class NameMatch {
  kAnyCase,  // the block list's counts, the swap and the list tools: "tpt" is a TPT block
  kExact,    // the block viewer's list option, `hexdump --as` and the remembered file
             // names take only the names as the receiver writes them
};

// The list a block holds by its name, or nothing for a block of another kind.
std::optional<common::ListKind> ListKindOf(const BlockInfo& block,
                                           NameMatch match = NameMatch::kAnyCase);
std::optional<common::ListKind> ListKindOf(std::string_view name,
                                           NameMatch match = NameMatch::kAnyCase);
// The record size of a list kind; 0 for a block of another kind.
constexpr std::size_t RecordSize(std::optional<common::ListKind> kind) {
  return kind ? common::RecordSizeOf(*kind) : 0;
}

// The block at a block list index, or nothing when the index names no block.
const BlockInfo* FindBlock(const Workspace& workspace, int index);

// The data length that fits behind the header: a length field beyond the block's end
// never lets an operation reach into the next block.
std::int64_t UsableLength(const BlockInfo& block);

// The block's data as lists read it: UsableLength bytes, zero past the image's end.
std::string BlockData(const Workspace& workspace, const BlockInfo& block);
// The whole 64 KB block as stored, shorter when the image ends first.
std::string WholeBlockBytes(const Workspace& workspace, const BlockInfo& block);
// The same bytes without a copy, valid until the image changes.
std::string_view WholeBlockView(const Workspace& workspace, const BlockInfo& block);

// Replaces a block's data (data only: zeroes the old data, writes the new and its length
// field) or the whole block (zeroes it, then writes from its first byte), then rescans,
// marks the image changed and tells the observers. Nothing is written past the block.
// False when the index names no block.
bool ReplaceBlockData(Workspace& workspace, int index, std::string_view data, BlockPart part);

// A named block with its length field and data, for building images.
void PutBlock(FlashImage& image, int index, std::string_view name, std::string_view data);

}  // namespace chanforge::flash
