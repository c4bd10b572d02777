#include "editing/list_document.h"

#include <algorithm>

#include "flash/blocks.h"

namespace chanforge::editing {

using channels::ChannelRecord;
using transponders::TransponderRecord;

using channels::kTcsRecordSize;
using transponders::kTptRecordSize;

namespace {

int FirstBlockOf(const flash::Workspace& workspace, common::ListKind kind) {
  for (int i = 0; i < workspace.block_count(); ++i) {
    if (flash::ListKindOf(workspace.blocks()[static_cast<std::size_t>(i)]) == kind) return i;
  }
  return -1;
}

// The loaded block with new list data: its old data area zeroed as a block read does, and
// the bytes behind it kept, so that a list that grows and shrinks again leaves the block
// as it found it. A length field that said more than the block holds keeps its excess:
// an edit changes the length only by what it adds or removes.
std::string WithData(const std::string& loaded, std::size_t loaded_length, std::size_t excess,
                     std::string_view data) {
  std::string block = loaded;
  const auto put = [&](std::size_t at, std::string_view bytes) {
    if (at < block.size()) block.replace(at, std::min(bytes.size(), block.size() - at), bytes);
  };
  data = data.substr(0, flash::kBlockDataRoom);
  put(flash::kDataOffset, std::string(loaded_length, '\0'));
  put(flash::kDataOffset, data);
  flash::WriteBlockLength(block, 0, std::min<std::size_t>(data.size() + excess, 0xFFFF));
  return block;
}

// What a length field says beyond the data its block holds.
std::size_t ExcessOf(const flash::BlockInfo& block) {
  return static_cast<std::size_t>(block.length - flash::UsableLength(block));
}

}  // namespace

ListDocument::ListDocument(flash::Workspace& workspace) : workspace_(&workspace) { Reload(); }

void ListDocument::Reload() {
  channels_.clear();
  transponders_.clear();
  transponder_tail_.clear();
  loaded_channel_block_.reset();
  loaded_transponder_block_.reset();
  channel_tail_.clear();
  channel_length_ = 0;
  transponder_length_ = 0;
  channel_excess_ = 0;
  transponder_excess_ = 0;
  channel_block_ = FirstBlockOf(*workspace_, common::ListKind::kChannels);
  transponder_block_ = FirstBlockOf(*workspace_, common::ListKind::kTransponders);
  if (channel_block_ >= 0) {
    const flash::BlockInfo& block = *flash::FindBlock(*workspace_, channel_block_);
    const std::string data = flash::BlockData(*workspace_, block);
    const std::size_t records = data.size() / kTcsRecordSize;
    channels_.reserve(records);
    for (std::size_t p = 0; p < records * kTcsRecordSize; p += kTcsRecordSize) {
      channels_.push_back(ChannelRecord::Decode(std::string_view(data).substr(p)));
    }
    channel_tail_ = data.substr(records * kTcsRecordSize);
    channel_length_ = data.size();
    channel_excess_ = ExcessOf(block);
  }
  if (transponder_block_ >= 0) {
    const flash::BlockInfo& block = *flash::FindBlock(*workspace_, transponder_block_);
    const std::string data = flash::BlockData(*workspace_, block);
    std::size_t used = 0;
    for (std::size_t p = 0; p + kTptRecordSize <= data.size(); p += kTptRecordSize) {
      transponders_.push_back(TransponderRecord::Decode(std::string_view(data).substr(p)));
      if (!transponders_.back().IsEmpty()) used = transponders_.size();
    }
    transponders_.resize(used);
    transponder_tail_ = data.substr(used * kTptRecordSize);
    transponder_length_ = data.size();
    transponder_excess_ = ExcessOf(block);
  }
  loaded_channels_ = channels_;
  loaded_transponders_ = transponders_;
}

namespace {
constexpr auto kNoBlock = common::Wording("list.no-block", "The image has no {1} block.");
}  // namespace

common::Status ListDocument::CheckEditable(common::ListKind kind) const {
  if (block(kind) >= 0) return {};
  return common::Say(kNoBlock, {common::Value(common::BlockNameOf(kind))});
}

std::int64_t ListDocument::TransponderKhz(std::uint8_t tp) const {
  if (tp == 0 || tp > transponders_.size()) return 0;
  return transponders_[tp - 1u].Khz();
}

std::size_t ListDocument::CountedTransponders() const {
  return transponders::UsedCount(transponders_);
}

std::size_t ListDocument::ChannelsUsing(std::size_t transponder) const {
  return static_cast<std::size_t>(
      std::count_if(channels_.begin(), channels_.end(),
                    [&](const ChannelRecord& c) { return c.tp == transponder; }));
}

std::vector<std::size_t> ListDocument::ChannelsUsingEach() const {
  std::vector<std::size_t> users(transponders_.size());
  for (const ChannelRecord& channel : channels_) {
    if (channel.tp >= 1 && channel.tp <= users.size()) ++users[channel.tp - 1u];
  }
  return users;
}

const std::string& ListDocument::Loaded(std::optional<std::string>& copy, int index) {
  if (!copy) copy = flash::WholeBlockBytes(*workspace_, *flash::FindBlock(*workspace_, index));
  return *copy;
}

void ListDocument::WriteChannels() {
  if (channel_block_ < 0) return;
  const std::string& loaded = Loaded(loaded_channel_block_, channel_block_);
  if (channels_ == loaded_channels_) {
    flash::ReplaceBlockData(*workspace_, channel_block_, loaded, flash::BlockPart::kWhole);
    return;
  }
  std::string data(channels_.size() * kTcsRecordSize, '\0');
  for (std::size_t i = 0; i < channels_.size(); ++i) {
    channels_[i].EncodeInto(data.data() + i * kTcsRecordSize);
  }
  data += channel_tail_;
  flash::ReplaceBlockData(*workspace_, channel_block_,
                          WithData(loaded, channel_length_, channel_excess_, data),
                          flash::BlockPart::kWhole);
}

void ListDocument::WriteTransponders() {
  if (transponder_block_ < 0) return;
  const std::string& loaded = Loaded(loaded_transponder_block_, transponder_block_);
  if (transponders_ == loaded_transponders_) {
    flash::ReplaceBlockData(*workspace_, transponder_block_, loaded, flash::BlockPart::kWhole);
    return;
  }
  const std::size_t records = transponders_.size() * kTptRecordSize;
  std::string data(records, '\0');
  for (std::size_t i = 0; i < transponders_.size(); ++i) {
    transponders_[i].EncodeInto(data.data() + i * kTptRecordSize);
  }
  data += transponder_tail_;
  // As the file conversions do: the size it had, at least 2040 bytes. A longer list
  // takes the zero records behind it first.
  const std::size_t size = std::max(transponder_length_, transponders::kTptFileMinimumSize);
  while (data.size() > size && data.size() > records && data.back() == '\0') data.pop_back();
  if (data.size() < size) data.resize(size, '\0');
  flash::ReplaceBlockData(*workspace_, transponder_block_,
                          WithData(loaded, transponder_length_, transponder_excess_, data),
                          flash::BlockPart::kWhole);
}

}  // namespace chanforge::editing
