// The one way a list is chosen everywhere: the channel list, which TCS blocks hold, or
// the transponder list, which TPT blocks hold.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/message.h"

namespace chanforge::common {

enum class ListKind { kChannels, kTransponders };

inline constexpr ListKind kListKinds[] = {ListKind::kChannels, ListKind::kTransponders};

// A flash block, which holds at most one list: 64 KiB.
inline constexpr std::int32_t kBlockSize = 65536;

// The bytes of one record: 30 a channel, 12 a transponder.
constexpr std::size_t RecordSizeOf(ListKind kind) { return kind == ListKind::kChannels ? 30 : 12; }

// "TCS" or "TPT": the name of the blocks that hold the list.
constexpr const char* BlockNameOf(ListKind kind) {
  return kind == ListKind::kChannels ? "TCS" : "TPT";
}
// "channel" or "transponder": one record of the list.
constexpr const char* RecordNameOf(ListKind kind) {
  return kind == ListKind::kChannels ? "channel" : "transponder";
}
// "channels" or "transponders".
constexpr const char* ListNameOf(ListKind kind) {
  return kind == ListKind::kChannels ? "channels" : "transponders";
}

//: The kind of record a block file holds, in "not a whole number of {3} records".
inline constexpr auto kChannelRecords = Wording("list.record-channel", "channel");
//: The kind of record a block file holds, in "not a whole number of {3} records".
inline constexpr auto kTransponderRecords = Wording("list.record-transponder", "transponder");
inline constexpr auto kSomeChannels =
    CountedWording("list.channels", "{1} channels", "{1} channel");
inline constexpr auto kSomeTransponders =
    CountedWording("list.transponders", "{1} transponders", "{1} transponder");

// "1 channel", "150 channels", "2 transponders".
inline Message CountOf(ListKind kind, std::size_t count) {
  const bool channels = kind == ListKind::kChannels;
  return Say(channels ? kSomeChannels : kSomeTransponders, {Value(count)});
}

}  // namespace chanforge::common
