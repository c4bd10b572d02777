#include "check/image_lists.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "common/coding.h"
#include "flash/blocks.h"

namespace chanforge::check {

using channels::ChannelRecord;
using channels::kTcsRecordSize;
using transponders::kTptRecordSize;
using transponders::TransponderRecord;

bool IsBlankChannel(const ChannelRecord& record) {
  // Every byte of the record is one of these fields, so they are looked at in place: every
  // record of a full list is asked this more than once.
  static_assert(channels::kTcsNameWidth + 2 + 2 * channels::kTcsWordCount == kTcsRecordSize);
  const auto all = [&](std::uint8_t byte) {
    const std::uint16_t word = static_cast<std::uint16_t>(byte << 8 | byte);
    return std::all_of(record.name.begin(), record.name.end(),
                       [&](char c) { return static_cast<std::uint8_t>(c) == byte; }) &&
           record.use == byte && record.tp == byte &&
           std::all_of(record.words.begin(), record.words.end(),
                       [&](std::uint16_t w) { return w == word; });
  };
  return all(0x00) || all(0xFF);
}

namespace {

// All-zero records are free slots in both lists, and a list is mostly zeros past its last
// record when its length field runs on: the last nonzero byte bounds the decoding.
std::size_t NonzeroLength(std::string_view bytes) {
  static constexpr char kZeros[256] = {};
  std::size_t end = bytes.size();
  while (end >= sizeof kZeros &&
         std::memcmp(bytes.data() + end - sizeof kZeros, kZeros, sizeof kZeros) == 0) {
    end -= sizeof kZeros;
  }
  while (end > 0 && bytes[end - 1] == '\0') --end;
  return end;
}

template <typename Record, typename Blank>
std::vector<Record> DecodeList(const flash::Workspace& workspace, const flash::BlockInfo& block,
                               std::size_t size, Blank blank) {
  // The data reads as zeros past the image's end (flash::BlockData), and Decode pads a
  // short record with zeros.
  const auto length = static_cast<std::size_t>(flash::UsableLength(block));
  const std::string_view held = flash::ImageView(workspace.image(), block.start,
                                                 static_cast<std::int64_t>(length / size * size));
  const std::size_t count = (NonzeroLength(held) + size - 1) / size;
  std::vector<Record> records;
  records.reserve(count);
  for (std::size_t r = 0; r < count; ++r) {
    records.push_back(Record::Decode(held.substr(r * size, size)));
  }
  while (!records.empty() && blank(records.back())) records.pop_back();
  return records;
}

}  // namespace

std::vector<ChannelRecord> DecodeChannels(const flash::Workspace& workspace,
                                          const flash::BlockInfo& block) {
  return DecodeList<ChannelRecord>(workspace, block, kTcsRecordSize, IsBlankChannel);
}

std::vector<TransponderRecord> DecodeTransponders(const flash::Workspace& workspace,
                                                  const flash::BlockInfo& block) {
  return DecodeList<TransponderRecord>(workspace, block, kTptRecordSize,
                                       [](const TransponderRecord& r) { return r.IsEmpty(); });
}

TransponderTable FirstTransponders(const flash::Workspace& workspace) {
  for (int i = 0; i < workspace.block_count(); ++i) {
    const flash::BlockInfo& block = workspace.blocks()[static_cast<std::size_t>(i)];
    if (flash::ListKindOf(block) == common::ListKind::kTransponders) {
      return {i, DecodeTransponders(workspace, block)};
    }
  }
  return {};
}

std::int64_t ChannelKhz(const TransponderTable& table, std::uint8_t tp) {
  if (tp == 0 || tp > table.records.size()) return -1;
  const TransponderRecord& record = table.records[tp - 1u];
  return record.IsEmpty() ? -1 : record.Khz();
}

}  // namespace chanforge::check
