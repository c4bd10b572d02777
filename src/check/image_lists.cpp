#include "check/image_lists.h"

#include <algorithm>

#include "common/text_lines.h"
#include "flash/blocks.h"

namespace chanforge::check {

using channels::ChannelRecord;
using channels::TcsRecordSize;
using transponders::TptRecordSize;
using transponders::TransponderRecord;

bool IsBlankChannel(const ChannelRecord& record) {
  char bytes[TcsRecordSize];
  record.EncodeInto(bytes);
  const bool zero = std::all_of(bytes, bytes + TcsRecordSize, [](char c) { return c == '\0'; });
  return zero || std::all_of(bytes, bytes + TcsRecordSize, [](char c) { return c == '\xFF'; });
}

std::vector<ChannelRecord> DecodeChannels(std::string_view list) {
  std::vector<ChannelRecord> records;
  records.reserve(list.size() / TcsRecordSize);
  for (std::size_t p = 0; p + TcsRecordSize <= list.size(); p += TcsRecordSize) {
    records.push_back(ChannelRecord::Decode(list.substr(p, TcsRecordSize)));
  }
  while (!records.empty() && IsBlankChannel(records.back())) records.pop_back();
  return records;
}

std::vector<TransponderRecord> DecodeTransponders(std::string_view list) {
  std::vector<TransponderRecord> records;
  records.reserve(list.size() / TptRecordSize);
  for (std::size_t p = 0; p + TptRecordSize <= list.size(); p += TptRecordSize) {
    records.push_back(TransponderRecord::Decode(list.substr(p, TptRecordSize)));
  }
  while (!records.empty() && records.back().IsEmpty()) records.pop_back();
  return records;
}

TransponderTable FirstTransponders(const flash::Workspace& workspace) {
  for (int i = 0; i < workspace.block_count(); ++i) {
    const flash::BlockInfo& block = workspace.blocks()[static_cast<std::size_t>(i)];
    if (flash::ListKindOf(block) == flash::ListKind::kTpt) {
      return {i, DecodeTransponders(flash::BlockData(workspace, block))};
    }
  }
  return {};
}

std::int64_t ChannelKhz(const TransponderTable& table, std::uint8_t tp) {
  if (tp == 0 || tp > table.records.size()) return -1;
  const TransponderRecord& record = table.records[tp - 1u];
  return record.IsEmpty() ? -1 : record.Khz();
}

std::string ShownBytes(std::string_view bytes) {
  std::string shown;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      shown += "\\x" + Hex2(byte).substr(2);
    } else {
      shown += common::Latin1ToUtf8(std::string_view(&c, 1));
    }
  }
  return shown;
}

std::string ShownName(const ChannelRecord& record) {
  std::string_view name(record.name.data(), record.name.size());
  while (!name.empty() && name.back() == '\0') name.remove_suffix(1);
  return ShownBytes(name);
}

std::string Hex2(unsigned value) {
  std::string digits = common::HexDigits(value);
  if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');
  return "0x" + digits;
}

}  // namespace chanforge::check
