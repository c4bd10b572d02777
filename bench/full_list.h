// A full TCS block's channels over 200 transponders, for the benchmarks of the printed list.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "channels/channel_record.h"
#include "editing/list_document.h"
#include "transponders/transponder_record.h"

namespace chanforge::bench {

struct FullList {
  std::vector<channels::ChannelRecord> channels;
  std::vector<transponders::TransponderRecord> transponders;
};

// 2,182 channels, each name its full 16 bytes, with a character HTML escapes.
inline FullList MakeFullList() {
  FullList list;
  for (std::uint32_t i = 0; i < 200; ++i) {
    transponders::TransponderRecord t;
    t.frequency = 1000000000u + i * 5000000u;
    t.flags = static_cast<std::uint8_t>(i % 2 == 0 ? 0x02 : 0x08);
    list.transponders.push_back(t);
  }
  std::mt19937 random(13);
  list.channels.resize(editing::kChannelRoom);
  for (channels::ChannelRecord& channel : list.channels) {
    const std::string name = "Sender & Co " + std::to_string(1000 + random() % 9000);
    name.copy(channel.name.data(), channel.name.size());
    channel.tp = static_cast<std::uint8_t>(1 + random() % 200);
    channel.words[channels::kSid] = static_cast<std::uint16_t>(random());
  }
  return list;
}

}  // namespace chanforge::bench
