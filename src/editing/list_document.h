// The channel and transponder lists of an image as typed records, written back into
// their blocks after every change.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "channels/channel_fields.h"
#include "channels/channel_record.h"
#include "common/list_kind.h"
#include "common/status.h"
#include "flash/flash_image.h"
#include "transponders/transponder_record.h"

namespace chanforge::editing {

// The most channels and transponders a block's data area holds.
inline constexpr std::size_t kChannelRoom = flash::kBlockDataRoom / channels::kTcsRecordSize;
inline constexpr std::size_t kTransponderRoom =
    flash::kBlockDataRoom / transponders::kTptRecordSize;
// A channel's TP is one byte: transponders beyond it cannot be reached.
inline constexpr auto kMostTransponders =
    static_cast<std::size_t>(channels::InfoOf(channels::ChannelField::kTp).most);

class ListDocument {
 public:
  // Reads the first TCS and the first TPT block (names in any case).
  explicit ListDocument(flash::Workspace& workspace);
  // Reads the blocks again after a change made outside the document.
  void Reload();

  const std::vector<channels::ChannelRecord>& channels() const { return channels_; }
  // Up to the last used record, as the list views count them.
  const std::vector<transponders::TransponderRecord>& transponders() const { return transponders_; }
  // The transponders a fresh read of the image counts: an edit may leave unused records
  // (frequency 0) behind the last used one, which a read then takes for padding.
  std::size_t CountedTransponders() const;
  // The block index each side edits, or -1 when the image has no such block.
  int channel_block() const { return channel_block_; }
  int transponder_block() const { return transponder_block_; }
  // The block index of a side, or -1 when the image has no such block.
  int block(common::ListKind kind) const {
    return kind == common::ListKind::kChannels ? channel_block_ : transponder_block_;
  }
  // The records a side holds.
  std::size_t size(common::ListKind kind) const {
    return kind == common::ListKind::kChannels ? channels_.size() : transponders_.size();
  }
  // Whether a side can be edited: it needs a block of its own.
  common::Status CheckEditable(common::ListKind kind) const;
  flash::Workspace& workspace() { return *workspace_; }
  const flash::Workspace& workspace() const { return *workspace_; }

  // The frequency in kHz of the transponder a TP names (1-based), 0 when it names none.
  std::int64_t TransponderKhz(std::uint8_t tp) const;
  // Channels whose TP names the transponder at a 1-based position.
  std::size_t ChannelsUsing(std::size_t transponder) const;
  // The same for every transponder in turn, in one pass over the channels.
  std::vector<std::size_t> ChannelsUsingEach() const;

  // For the commands: change the records, then write the side back.
  std::vector<channels::ChannelRecord>& mutable_channels() { return channels_; }
  std::vector<transponders::TransponderRecord>& mutable_transponders() { return transponders_; }
  void WriteChannels();
  void WriteTransponders();

 private:
  // The block as loaded (see loaded_channel_block_).
  const std::string& Loaded(std::optional<std::string>& copy, int index);

  // A pointer, so that a document can be assigned a copy of itself taken earlier: the
  // window's history puts it back when a whole-block step is undone.
  flash::Workspace* workspace_;
  int channel_block_ = -1;
  int transponder_block_ = -1;
  std::vector<channels::ChannelRecord> channels_;
  std::vector<transponders::TransponderRecord> transponders_;
  // What was read: written back whole when the records return to it, so that undoing
  // every step restores the block byte for byte.
  std::vector<channels::ChannelRecord> loaded_channels_;
  std::vector<transponders::TransponderRecord> loaded_transponders_;
  // The whole blocks as loaded, copied at the first write rather than at the load: until
  // then the blocks are as loaded (every other change to them reloads the document), and
  // a command that only reads never pays for the copies.
  std::optional<std::string> loaded_channel_block_;
  std::optional<std::string> loaded_transponder_block_;
  std::size_t channel_length_ = 0;  // the data lengths read
  std::size_t transponder_length_ = 0;
  // What the length fields said beyond the data their blocks hold.
  std::size_t channel_excess_ = 0;
  std::size_t transponder_excess_ = 0;
  // The bytes behind the last whole channel record and behind the last used transponder:
  // kept as they were, behind the list, so that an edit changes only what it edits.
  std::string channel_tail_;
  std::string transponder_tail_;
};

}  // namespace chanforge::editing
