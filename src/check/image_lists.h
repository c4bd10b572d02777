// The decoded lists of an image as the check and the comparison read them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "channels/channel_record.h"
#include "flash/flash_image.h"
#include "transponders/transponder_record.h"

namespace chanforge::check {

// An all-0xFF (erased) or all-zero record: a free slot, not a channel.
bool IsBlankChannel(const channels::ChannelRecord& record);

// A list block's records as the lists read its data (flash::BlockData), read in place:
// whole records up to the last used one, as the text line counts them; trailing free
// slots are padding.
std::vector<channels::ChannelRecord> DecodeChannels(const flash::Workspace& workspace,
                                                    const flash::BlockInfo& block);
std::vector<transponders::TransponderRecord> DecodeTransponders(const flash::Workspace& workspace,
                                                                const flash::BlockInfo& block);

// The transponder list channels point into: the image's first TPT block.
struct TransponderTable {
  int block = -1;  // -1 when the image has no TPT block
  std::vector<transponders::TransponderRecord> records;
};
TransponderTable FirstTransponders(const flash::Workspace& workspace);

// The frequency a channel's TP points at, or -1 when it points at no used record.
std::int64_t ChannelKhz(const TransponderTable& table, std::uint8_t tp);

}  // namespace chanforge::check
