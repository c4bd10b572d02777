// The one way a list is chosen everywhere: the channel list, which TCS blocks hold, or
// the transponder list, which TPT blocks hold.
#pragma once

namespace chanforge::common {

enum class ListKind { kChannels, kTransponders };

inline constexpr ListKind kListKinds[] = {ListKind::kChannels, ListKind::kTransponders};

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

}  // namespace chanforge::common
