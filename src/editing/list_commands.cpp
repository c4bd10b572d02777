#include "editing/list_commands.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>
#include <set>
#include <type_traits>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "channels/channel_fields.h"
#include "common/text_lines.h"

namespace chanforge::editing {

using channels::ChannelField;
using channels::ChannelRecord;
using transponders::SetTransponderText;
using transponders::SetTransponderValue;
using transponders::TransponderField;
using transponders::TransponderRecord;

using channels::TcsWord;

namespace {

using common::ListKind;
using common::Message;
using common::Say;
using common::Value;
using common::Wording;

constexpr auto kChannel = Wording("step.channel", "channel {1}");
constexpr auto kTransponder = Wording("step.transponder", "transponder {1}");
constexpr auto kMove = Wording("step.move", "Move {1}");
constexpr auto kInsert = Wording("step.insert", "Insert {1}");
constexpr auto kDuplicate = Wording("step.duplicate", "Duplicate {1}");
constexpr auto kRemove = Wording("step.remove", "Remove {1}");
// {1} counts the transponders that {2} names.
constexpr auto kRemoveWithTheir = common::CountedWording(
    "step.remove-with-their", "Remove {2} and their channels", "Remove {2} and its channels");
constexpr auto kRename = Wording("step.rename", "Rename channel {1}");
constexpr auto kChangeChannel = Wording("step.change-channel", "Change {1} of channel {2}");
constexpr auto kChangeTransponder =
    Wording("step.change-transponder", "Change {1} of transponder {2}");
constexpr auto kSortByName = Wording("step.sort-name", "Sort channels by name");
constexpr auto kSortBySid = Wording("step.sort-sid", "Sort channels by SID");
constexpr auto kSortByFrequency = Wording("step.sort-frequency", "Sort channels by frequency");
constexpr auto kNeedsTransponder =
    Wording("step.needs-transponder", "A new channel needs a transponder: the TPT list has none.");

// "channel 5" (the first, 0-based) or "3 channels".
Message Counted(std::size_t count, ListKind list, std::size_t first) {
  if (count != 1) return common::CountOf(list, count);
  return Say(list == ListKind::kChannels ? kChannel : kTransponder, {Value(first + 1)});
}

// Moves rows [first, first + count) of a list before `before`.
template <typename T>
void MoveRows(std::vector<T>& rows, std::size_t first, std::size_t count, std::size_t before) {
  const auto begin = rows.begin();
  if (before < first) {
    std::rotate(begin + static_cast<long>(before), begin + static_cast<long>(first),
                begin + static_cast<long>(first + count));
  } else if (before > first + count) {
    std::rotate(begin + static_cast<long>(first), begin + static_cast<long>(first + count),
                begin + static_cast<long>(before));
  }
}

// Where a move's rows stand afterwards, and the `before` that takes them back.
std::size_t MovedFirst(std::size_t first, std::size_t count, std::size_t before) {
  return before > first + count ? before - count : before < first ? before : first;
}
std::size_t MoveBackBefore(std::size_t first, std::size_t count, std::size_t before) {
  return before > first + count ? first : before < first ? first + count : before;
}

// Points every channel's TP at its transponder's new position. Only positions a TP can
// hold are mapped; a TP that names no transponder stays as it is.
void Renumber(std::vector<ChannelRecord>& channels, const std::array<std::uint8_t, 256>& map) {
  for (ChannelRecord& channel : channels) channel.tp = map[channel.tp];
}

// The TP of every channel, so that undo puts back what a renumbering merged (a TP that
// named no transponder can come to name one).
std::vector<std::uint8_t> TpsOf(const std::vector<ChannelRecord>& channels) {
  std::vector<std::uint8_t> tps(channels.size());
  for (std::size_t i = 0; i < channels.size(); ++i) tps[i] = channels[i].tp;
  return tps;
}

void RestoreTps(std::vector<ChannelRecord>& channels, const std::vector<std::uint8_t>& tps) {
  for (std::size_t i = 0; i < channels.size(); ++i) channels[i].tp = tps[i];
}

std::array<std::uint8_t, 256> Identity() {
  std::array<std::uint8_t, 256> map{};
  std::iota(map.begin(), map.end(), std::uint8_t{0});
  return map;
}

// The TP map of a new transponder order (order[now] is the old 0-based position): old TP to
// new, for the TPs a channel can hold.
template <typename Index>
std::array<std::uint8_t, 256> OrderMap(const std::vector<Index>& order) {
  std::array<std::uint8_t, 256> map = Identity();
  for (std::size_t now = 0; now < order.size() && now < kMostTransponders; ++now) {
    if (order[now] < kMostTransponders) map[order[now] + 1] = static_cast<std::uint8_t>(now + 1);
  }
  return map;
}

// The TP map of a transponder move: old position to new, for positions 1 to size.
std::array<std::uint8_t, 256> MoveMap(std::size_t size, std::size_t first, std::size_t count,
                                      std::size_t before) {
  std::vector<std::size_t> order(size);
  std::iota(order.begin(), order.end(), std::size_t{0});
  MoveRows(order, first, count, before);
  return OrderMap(order);
}

// Shifts the TPs of transponders at or behind a 0-based position by delta.
std::array<std::uint8_t, 256> ShiftMap(std::size_t size, std::size_t position, int delta) {
  std::array<std::uint8_t, 256> map = Identity();
  for (std::size_t tp = position + 1; tp <= std::min(size, kMostTransponders); ++tp) {
    const long shifted = static_cast<long>(tp) + delta;
    if (shifted >= 1 && shifted <= static_cast<long>(kMostTransponders))
      map[tp] = static_cast<std::uint8_t>(shifted);
  }
  return map;
}

std::string NameKey(const ChannelRecord& channel) {
  return common::ToUpperAscii(channels::NameText(channel));
}

// A change of one field of one channel or transponder. The record as it was is taken when
// the change is first applied; typing on in the same cell merges into the same step.
template <typename Record, typename Field>
class SetFieldCommand : public Command {
 public:
  SetFieldCommand(std::size_t row, Field field, Record after)
      : row_(row), field_(field), after_(after) {}
  void Apply(ListDocument& document) override {
    if (!before_) before_ = Rows(document)[row_];
    Set(document, after_);
  }
  void Revert(ListDocument& document) override { Set(document, *before_); }
  Message Description() const override {
    const Message number = Value(row_ + 1);
    if constexpr (kChannels) {
      if (field_ == ChannelField::kName) return Say(kRename, {number});
      return Say(kChangeChannel, {common::HeadingOf(channels::InfoOf(field_)), number});
    } else {
      return Say(kChangeTransponder, {common::HeadingOf(transponders::InfoOf(field_)), number});
    }
  }
  bool MergeWith(const Command& next) override {
    const auto* same = dynamic_cast<const SetFieldCommand*>(&next);
    if (!same || same->row_ != row_ || same->field_ != field_) return false;
    after_ = same->after_;
    return true;
  }

 private:
  static constexpr bool kChannels = std::is_same_v<Record, ChannelRecord>;
  static std::vector<Record>& Rows(ListDocument& document) {
    if constexpr (kChannels) {
      return document.mutable_channels();
    } else {
      return document.mutable_transponders();
    }
  }
  void Set(ListDocument& document, const Record& record) {
    Rows(document)[row_] = record;
    if constexpr (kChannels) {
      document.WriteChannels();
    } else {
      document.WriteTransponders();
    }
  }
  std::size_t row_;
  Field field_;
  std::optional<Record> before_;
  Record after_;
};

class InsertChannelsCommand : public Command {
 public:
  InsertChannelsCommand(std::size_t position, std::vector<ChannelRecord> records, Inserted inserted)
      : position_(position), records_(std::move(records)), inserted_(inserted) {}
  void Apply(ListDocument& document) override {
    auto& channels = document.mutable_channels();
    channels.insert(channels.begin() + static_cast<long>(position_), records_.begin(),
                    records_.end());
    document.WriteChannels();
  }
  void Revert(ListDocument& document) override {
    auto& channels = document.mutable_channels();
    const auto at = channels.begin() + static_cast<long>(position_);
    channels.erase(at, at + static_cast<long>(records_.size()));
    document.WriteChannels();
  }
  Message Description() const override {
    return Say(inserted_ == Inserted::kCopies ? kDuplicate : kInsert,
               {Counted(records_.size(), ListKind::kChannels, position_)});
  }

 private:
  std::size_t position_;
  std::vector<ChannelRecord> records_;
  Inserted inserted_;
};

class RemoveChannelsCommand : public Command {
 public:
  explicit RemoveChannelsCommand(std::vector<std::size_t> rows) : rows_(std::move(rows)) {
    std::sort(rows_.begin(), rows_.end());
    rows_.erase(std::unique(rows_.begin(), rows_.end()), rows_.end());
  }
  void Apply(ListDocument& document) override {
    records_.clear();
    for (const std::size_t row : rows_) records_.push_back(document.channels()[row]);
    auto& channels = document.mutable_channels();
    std::size_t kept = 0;
    std::size_t next = 0;
    for (std::size_t i = 0; i < channels.size(); ++i) {
      if (next < rows_.size() && rows_[next] == i) {
        ++next;
      } else {
        channels[kept++] = channels[i];
      }
    }
    channels.resize(kept);
    document.WriteChannels();
  }
  void Revert(ListDocument& document) override {
    auto& channels = document.mutable_channels();
    std::vector<ChannelRecord> whole;
    whole.reserve(channels.size() + rows_.size());
    std::size_t from = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      while (whole.size() < rows_[i]) whole.push_back(channels[from++]);
      whole.push_back(records_[i]);
    }
    whole.insert(whole.end(), channels.begin() + static_cast<long>(from), channels.end());
    channels = std::move(whole);
    document.WriteChannels();
  }
  Message Description() const override {
    return Say(kRemove, {Counted(rows_.size(), ListKind::kChannels, rows_.empty() ? 0 : rows_[0])});
  }

 private:
  std::vector<std::size_t> rows_;
  std::vector<ChannelRecord> records_;
};

class MoveChannelsCommand : public Command {
 public:
  MoveChannelsCommand(std::size_t first, std::size_t count, std::size_t before)
      : first_(first), count_(count), before_(before) {}
  void Apply(ListDocument& document) override {
    MoveRows(document.mutable_channels(), first_, count_, before_);
    document.WriteChannels();
  }
  void Revert(ListDocument& document) override {
    MoveRows(document.mutable_channels(), MovedFirst(first_, count_, before_), count_,
             MoveBackBefore(first_, count_, before_));
    document.WriteChannels();
  }
  Message Description() const override {
    return Say(kMove, {Counted(count_, ListKind::kChannels, first_)});
  }

 private:
  std::size_t first_, count_, before_;
};

// Which way a command runs: done, or undone.
enum class Run { kApply, kRevert };

// Row i becomes the row that was at order[i]; undone, each goes back.
template <typename T>
void Permute(std::vector<T>& rows, const std::vector<std::uint32_t>& order, Run run) {
  std::vector<T> reordered(rows.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (run == Run::kRevert) {
      reordered[order[i]] = rows[i];
    } else {
      reordered[i] = rows[order[i]];
    }
  }
  rows = std::move(reordered);
}

void Reorder(ListDocument& document, const std::vector<std::uint32_t>& order, Run run) {
  Permute(document.mutable_channels(), order, run);
  document.WriteChannels();
}

// A new order of either list; the channels' TPs follow a transponder to its new place.
class ReorderCommand : public Command {
 public:
  ReorderCommand(common::ListKind list, std::vector<std::uint32_t> order, Message description)
      : list_(list), order_(std::move(order)), description_(std::move(description)) {}
  void Apply(ListDocument& document) override { Go(document, Run::kApply); }
  void Revert(ListDocument& document) override { Go(document, Run::kRevert); }
  Message Description() const override { return description_; }

 private:
  void Go(ListDocument& document, Run run) {
    if (list_ == common::ListKind::kChannels) return Reorder(document, order_, run);
    if (run == Run::kRevert) {
      RestoreTps(document.mutable_channels(), tps_);
    } else {
      tps_ = TpsOf(document.channels());
      Renumber(document.mutable_channels(), OrderMap(order_));
    }
    Permute(document.mutable_transponders(), order_, run);
    document.WriteTransponders();
    document.WriteChannels();
  }

  common::ListKind list_;
  std::vector<std::uint32_t> order_;
  Message description_;
  std::vector<std::uint8_t> tps_;
};

std::vector<std::size_t> SortedUnique(std::vector<std::size_t> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

// The reorder of a move, or null when it keeps every row in place.
std::unique_ptr<Command> MoveStep(common::ListKind list, std::vector<std::uint32_t> order,
                                  const std::vector<std::size_t>& rows) {
  if (rows.empty() || std::is_sorted(order.begin(), order.end())) return nullptr;
  return std::make_unique<ReorderCommand>(list, std::move(order),
                                          Say(kMove, {Counted(rows.size(), list, rows[0])}));
}

class SortChannelsCommand : public Command {
 public:
  explicit SortChannelsCommand(SortKey key) : key_(key) {}
  void Apply(ListDocument& document) override {
    if (!found_) FindOrder(document);
    if (!order_.empty()) Reorder(document, order_, Run::kApply);
  }
  void Revert(ListDocument& document) override {
    if (!order_.empty()) Reorder(document, order_, Run::kRevert);
  }
  Message Description() const override {
    return Say(key_ == SortKey::kName  ? kSortByName
               : key_ == SortKey::kSid ? kSortBySid
                                       : kSortByFrequency);
  }

 private:
  // The order is found when the command is first applied; a redo meets the same list.
  void FindOrder(const ListDocument& document) {
    const auto& channels = document.channels();
    std::vector<std::uint32_t> order(channels.size());
    std::iota(order.begin(), order.end(), 0u);
    const auto by = [&](auto key_of) {
      using Key = decltype(key_of(channels[0]));
      std::vector<Key> keys;
      keys.reserve(channels.size());
      for (const ChannelRecord& channel : channels) keys.push_back(key_of(channel));
      std::stable_sort(order.begin(), order.end(),
                       [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
    };
    if (key_ == SortKey::kName) {
      // std::string compares its bytes as unsigned values.
      by([](const ChannelRecord& c) { return NameKey(c); });
    } else if (key_ == SortKey::kSid) {
      by([](const ChannelRecord& c) { return c.words[TcsWord::kSid]; });
    } else {
      by([&](const ChannelRecord& c) {
        const std::int64_t khz = document.TransponderKhz(c.tp);
        return khz == 0 ? std::numeric_limits<std::int64_t>::max() : khz;
      });
    }
    found_ = true;
    // An order that changes nothing costs no memory in the history.
    if (!std::is_sorted(order.begin(), order.end())) order_ = std::move(order);
  }

  SortKey key_;
  bool found_ = false;
  std::vector<std::uint32_t> order_;  // sorted row i was row order_[i]
};

class InsertTranspondersCommand : public Command {
 public:
  InsertTranspondersCommand(std::size_t position, std::vector<TransponderRecord> records)
      : position_(position), records_(std::move(records)) {}
  void Apply(ListDocument& document) override {
    auto& transponders = document.mutable_transponders();
    tps_ = TpsOf(document.channels());
    Renumber(document.mutable_channels(),
             ShiftMap(transponders.size(), position_, static_cast<int>(records_.size())));
    transponders.insert(transponders.begin() + static_cast<long>(position_), records_.begin(),
                        records_.end());
    Write(document);
  }
  void Revert(ListDocument& document) override {
    auto& transponders = document.mutable_transponders();
    const auto at = transponders.begin() + static_cast<long>(position_);
    transponders.erase(at, at + static_cast<long>(records_.size()));
    RestoreTps(document.mutable_channels(), tps_);
    Write(document);
  }
  Message Description() const override {
    return Say(kInsert, {Counted(records_.size(), ListKind::kTransponders, position_)});
  }

 private:
  static void Write(ListDocument& document) {
    document.WriteTransponders();
    document.WriteChannels();
  }
  std::size_t position_;
  std::vector<TransponderRecord> records_;
  std::vector<std::uint8_t> tps_;
};

class RemoveTranspondersCommand : public Command {
 public:
  explicit RemoveTranspondersCommand(std::vector<std::size_t> rows)
      : rows_(SortedUnique(std::move(rows))) {}
  void Apply(ListDocument& document) override {
    auto& transponders = document.mutable_transponders();
    std::vector<bool> gone(transponders.size() + 1, false);  // by 1-based position
    records_.clear();
    for (const std::size_t row : rows_) {
      records_.push_back(transponders[row]);
      gone[row + 1] = true;
    }
    std::vector<std::size_t> users;
    for (std::size_t i = 0; i < document.channels().size(); ++i) {
      const std::uint8_t tp = document.channels()[i].tp;
      if (tp < gone.size() && gone[tp]) users.push_back(i);
    }
    users_ = users.empty() ? nullptr : RemoveChannels(std::move(users));
    if (users_) users_->Apply(document);
    tps_ = TpsOf(document.channels());
    // A transponder behind removed ones moves up by their number.
    std::array<std::uint8_t, 256> map = Identity();
    std::size_t removed = 0;
    for (std::size_t tp = 1; tp <= std::min(transponders.size(), kMostTransponders); ++tp) {
      if (gone[tp]) {
        ++removed;
      } else {
        map[tp] = static_cast<std::uint8_t>(tp - removed);
      }
    }
    Renumber(document.mutable_channels(), map);
    for (auto row = rows_.rbegin(); row != rows_.rend(); ++row) {
      transponders.erase(transponders.begin() + static_cast<long>(*row));
    }
    document.WriteTransponders();
    document.WriteChannels();
  }
  void Revert(ListDocument& document) override {
    auto& transponders = document.mutable_transponders();
    RestoreTps(document.mutable_channels(), tps_);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      transponders.insert(transponders.begin() + static_cast<long>(rows_[i]), records_[i]);
    }
    document.WriteTransponders();
    if (users_) {
      users_->Revert(document);
    } else {
      document.WriteChannels();
    }
  }
  Message Description() const override {
    const Message counted = Counted(rows_.size(), ListKind::kTransponders, rows_[0]);
    if (!users_) return Say(kRemove, {counted});
    return Say(kRemoveWithTheir, {Value(rows_.size()), counted});
  }

 private:
  std::vector<std::size_t> rows_;
  std::vector<TransponderRecord> records_;
  std::unique_ptr<Command> users_;
  std::vector<std::uint8_t> tps_;
};

class MoveTranspondersCommand : public Command {
 public:
  MoveTranspondersCommand(std::size_t first, std::size_t count, std::size_t before)
      : first_(first), count_(count), before_(before) {}
  void Apply(ListDocument& document) override {
    tps_ = TpsOf(document.channels());
    Renumber(document.mutable_channels(),
             MoveMap(document.transponders().size(), first_, count_, before_));
    Move(document, first_, before_);
  }
  void Revert(ListDocument& document) override {
    RestoreTps(document.mutable_channels(), tps_);
    Move(document, MovedFirst(first_, count_, before_), MoveBackBefore(first_, count_, before_));
  }
  Message Description() const override {
    return Say(kMove, {Counted(count_, ListKind::kTransponders, first_)});
  }

 private:
  void Move(ListDocument& document, std::size_t first, std::size_t before) {
    MoveRows(document.mutable_transponders(), first, count_, before);
    document.WriteTransponders();
    document.WriteChannels();
  }
  std::size_t first_, count_, before_;
  std::vector<std::uint8_t> tps_;
};

// Both lists as they were, put back whole on undo: a replacement changes everything.
class ReplaceListsCommand : public Command {
 public:
  explicit ReplaceListsCommand(Message description) : description_(std::move(description)) {}
  void Apply(ListDocument& document) override {
    before_channels_ = document.channels();
    before_transponders_ = document.transponders();
    Change(document.mutable_channels(), document.mutable_transponders());
    document.WriteTransponders();
    document.WriteChannels();
  }
  void Revert(ListDocument& document) override {
    document.mutable_channels() = before_channels_;
    document.mutable_transponders() = before_transponders_;
    document.WriteTransponders();
    document.WriteChannels();
  }
  Message Description() const override { return description_; }

 protected:
  virtual void Change(std::vector<ChannelRecord>& channels,
                      std::vector<TransponderRecord>& transponders) = 0;

 private:
  Message description_;
  std::vector<ChannelRecord> before_channels_;
  std::vector<TransponderRecord> before_transponders_;
};

class ReplaceChannelsCommand : public ReplaceListsCommand {
 public:
  ReplaceChannelsCommand(std::vector<ChannelRecord> records, Message description)
      : ReplaceListsCommand(std::move(description)), records_(std::move(records)) {}

 protected:
  void Change(std::vector<ChannelRecord>& channels, std::vector<TransponderRecord>&) override {
    channels = records_;
  }

 private:
  std::vector<ChannelRecord> records_;
};

class ReplaceTranspondersCommand : public ReplaceListsCommand {
 public:
  ReplaceTranspondersCommand(std::vector<TransponderRecord> records,
                             std::vector<std::size_t> origins, Message description)
      : ReplaceListsCommand(std::move(description)),
        records_(std::move(records)),
        origins_(std::move(origins)) {}

 protected:
  void Change(std::vector<ChannelRecord>& channels,
              std::vector<TransponderRecord>& transponders) override {
    ReplaceTransponderList(channels, transponders, records_, origins_);
  }

 private:
  std::vector<TransponderRecord> records_;
  std::vector<std::size_t> origins_;
};

class GroupCommand : public Command {
 public:
  GroupCommand(std::vector<std::unique_ptr<Command>> commands, Message description)
      : commands_(std::move(commands)), description_(std::move(description)) {}
  void Apply(ListDocument& document) override {
    for (const auto& command : commands_) command->Apply(document);
  }
  void Revert(ListDocument& document) override {
    for (auto it = commands_.rbegin(); it != commands_.rend(); ++it) (*it)->Revert(document);
  }
  Message Description() const override { return description_; }

 private:
  std::vector<std::unique_ptr<Command>> commands_;
  Message description_;
};

}  // namespace

std::unique_ptr<Command> GroupCommands(std::vector<std::unique_ptr<Command>> commands,
                                       Message description) {
  return std::make_unique<GroupCommand>(std::move(commands), std::move(description));
}

std::unique_ptr<Command> ReplaceChannels(std::vector<ChannelRecord> records, Message description) {
  return std::make_unique<ReplaceChannelsCommand>(std::move(records), std::move(description));
}

std::unique_ptr<Command> ReplaceTransponders(std::vector<TransponderRecord> records,
                                             std::vector<std::size_t> origins,
                                             Message description) {
  return std::make_unique<ReplaceTranspondersCommand>(std::move(records), std::move(origins),
                                                      std::move(description));
}

void ReplaceTransponderList(std::vector<ChannelRecord>& channels,
                            std::vector<TransponderRecord>& transponders,
                            const std::vector<TransponderRecord>& records,
                            const std::vector<std::size_t>& origins) {
  // Old position to new, 0 for a transponder no record comes from; a TP that names no
  // transponder is left as it is.
  std::array<std::uint8_t, 256> map = Identity();
  const std::size_t reached = std::min(transponders.size(), kMostTransponders);
  for (std::size_t tp = 1; tp <= reached; ++tp) map[tp] = 0;
  for (std::size_t i = origins.size(); i-- > 0;) {
    const std::size_t from = origins[i];
    if (from >= 1 && from <= reached && i < kMostTransponders) {
      map[from] = static_cast<std::uint8_t>(i + 1);
    }
  }
  std::vector<ChannelRecord> kept;
  for (ChannelRecord channel : channels) {
    if (channel.tp >= 1 && channel.tp <= reached && map[channel.tp] == 0) continue;
    channel.tp = map[channel.tp];
    kept.push_back(channel);
  }
  channels = std::move(kept);
  transponders = records;
}

std::vector<std::size_t> DroppedTransponders(const ListDocument& document,
                                             const std::vector<std::size_t>& origins) {
  const std::size_t count = document.transponders().size();
  std::vector<bool> kept(count + 1, false);  // [0] stands for a new record
  for (const std::size_t from : origins) {
    if (from <= count) kept[from] = true;
  }
  std::vector<std::size_t> dropped;
  for (std::size_t tp = 1; tp <= count; ++tp) {
    if (!kept[tp]) dropped.push_back(tp);
  }
  return dropped;
}

std::unique_ptr<Command> SetChannel(std::size_t row, ChannelField field,
                                    const ChannelRecord& after) {
  return std::make_unique<SetFieldCommand<ChannelRecord, ChannelField>>(row, field, after);
}

std::unique_ptr<Command> SetChannelFields(
    std::size_t row, const std::vector<std::pair<ChannelField, ChannelRecord>>& steps) {
  if (steps.size() == 1) return SetChannel(row, steps[0].first, steps[0].second);
  std::vector<std::unique_ptr<Command>> commands;
  std::vector<Message> fields;
  for (const auto& [field, after] : steps) {
    commands.push_back(SetChannel(row, field, after));
    fields.push_back(common::HeadingOf(channels::InfoOf(field)));
  }
  return GroupCommands(
      std::move(commands),
      Say(kChangeChannel, {common::Listed(std::move(fields), common::kAnd), Value(row + 1)}));
}

std::unique_ptr<Command> InsertChannels(std::size_t position, std::vector<ChannelRecord> records,
                                        Inserted inserted) {
  return std::make_unique<InsertChannelsCommand>(position, std::move(records), inserted);
}

std::unique_ptr<Command> RemoveChannels(std::vector<std::size_t> rows) {
  return std::make_unique<RemoveChannelsCommand>(std::move(rows));
}

std::unique_ptr<Command> MoveChannels(std::size_t first, std::size_t count, std::size_t before) {
  return std::make_unique<MoveChannelsCommand>(first, count, before);
}

std::unique_ptr<Command> ReorderChannels(std::vector<std::uint32_t> order, Message description) {
  return std::make_unique<ReorderCommand>(common::ListKind::kChannels, std::move(order),
                                          std::move(description));
}

common::Result<ChannelRecord> NewChannel(const ListDocument& document,
                                         std::optional<std::size_t> like) {
  const std::size_t transponders = document.transponders().size();
  if (transponders == 0) return Say(kNeedsTransponder);
  ChannelRecord channel;
  // In an empty list a new channel is a TV channel, the first named use.
  channel.use = static_cast<std::uint8_t>(channels::InfoOf(ChannelField::kUse).names[0].code);
  channel.tp = 1;
  if (like && *like < document.channels().size()) {
    const ChannelRecord& beside = document.channels()[*like];
    channel.use = beside.use;
    if (beside.tp >= 1 && beside.tp <= transponders) channel.tp = beside.tp;
  }
  return channel;
}

std::vector<std::size_t> MovedRows(std::vector<std::size_t> rows, std::size_t before) {
  rows = SortedUnique(std::move(rows));
  const auto ahead =
      static_cast<std::size_t>(std::lower_bound(rows.begin(), rows.end(), before) - rows.begin());
  std::vector<std::size_t> moved(rows.size());
  std::iota(moved.begin(), moved.end(), before - ahead);
  return moved;
}

common::Result<std::unique_ptr<Command>> InsertNewRow(const ListDocument& document, ListKind list,
                                                      std::size_t position,
                                                      std::optional<std::size_t> like) {
  if (list == ListKind::kChannels) {
    if (common::Status room = CheckInsertChannels(document, 1); !room.ok()) return room;
    const common::Result<ChannelRecord> channel = NewChannel(document, like);
    if (!channel.ok()) return channel.status();
    return InsertChannels(position, {*channel}, Inserted::kNew);
  }
  if (common::Status room = CheckInsertTransponders(document, 1); !room.ok()) return room;
  TransponderRecord transponder;
  // The lower band's edge is a frequency every record carries.
  (void)SetTransponderValue(transponder, TransponderField::kKhz, transponders::kKhzLeast);
  return InsertTransponders(position, {transponder});
}

common::Result<std::unique_ptr<Command>> DuplicateRows(const ListDocument& document, ListKind list,
                                                       const std::vector<std::size_t>& rows) {
  const bool channels = list == ListKind::kChannels;
  if (common::Status room = channels ? CheckInsertChannels(document, rows.size())
                                     : CheckInsertTransponders(document, rows.size());
      !room.ok()) {
    return room;
  }
  if (rows.empty()) return std::unique_ptr<Command>();
  if (channels) {
    std::vector<ChannelRecord> copies;
    for (const std::size_t row : rows) copies.push_back(document.channels()[row]);
    return InsertChannels(rows.back() + 1, std::move(copies), Inserted::kCopies);
  }
  std::vector<TransponderRecord> copies;
  for (const std::size_t row : rows) copies.push_back(document.transponders()[row]);
  return InsertTransponders(rows.back() + 1, std::move(copies));
}

// A message keeps its wording's address: a wording lives as long as the program.
constexpr auto kNamedIsNow = Wording("moved.named", "{1} is now {2}");
constexpr auto kChannelIsNow = Wording("moved.channel", "Channel {1} is now {2}");
constexpr auto kTransponderIsNow = Wording("moved.transponder", "Transponder {1} is now {2}");
constexpr auto kUp = Wording("moved.up", "{1} moved up one place");
constexpr auto kDown = Wording("moved.down", "{1} moved down one place");
constexpr auto kTogether = Wording("moved.together", "{1} are now {2} to {3}");

Message MovedText(const ListDocument& document, ListKind list, const std::vector<std::size_t>& from,
                  const std::vector<std::size_t>& to, int step) {
  if (to.empty() || from.size() != to.size()) return {};
  if (to.size() > 1) {
    const Message count = common::CountOf(list, to.size());
    if (step == 0) return Say(kTogether, {count, Value(to.front() + 1), Value(to.back() + 1)});
    return Say(step < 0 ? kUp : kDown, {count});
  }
  const Message now = Value(to[0] + 1);
  if (list == ListKind::kChannels && to[0] < document.channels().size()) {
    const std::string name = channels::ShownName(document.channels()[to[0]]);
    if (!name.empty()) return Say(kNamedIsNow, {Value(name), now});
  }
  return Say(list == ListKind::kChannels ? kChannelIsNow : kTransponderIsNow,
             {Value(from[0] + 1), now});
}

std::unique_ptr<Command> MoveRows(const ListDocument& document, common::ListKind list,
                                  std::vector<std::size_t> rows, std::size_t before) {
  rows = SortedUnique(std::move(rows));
  const std::size_t size = document.size(list);
  std::vector<bool> chosen(size, false);
  for (const std::size_t row : rows) chosen[row] = true;
  std::vector<std::uint32_t> order;
  order.reserve(size);
  const auto others = [&](std::size_t from, std::size_t to) {
    for (std::size_t row = from; row < to; ++row) {
      if (!chosen[row]) order.push_back(static_cast<std::uint32_t>(row));
    }
  };
  others(0, before);
  for (const std::size_t row : rows) order.push_back(static_cast<std::uint32_t>(row));
  others(before, size);
  return MoveStep(list, std::move(order), rows);
}

std::unique_ptr<Command> StepRows(const ListDocument& document, common::ListKind list,
                                  std::vector<std::size_t> rows, int step) {
  rows = SortedUnique(std::move(rows));
  std::vector<std::uint32_t> order(document.size(list));
  std::iota(order.begin(), order.end(), 0u);
  // Row by row from the side they move to, each trades places with the row beside it: a run
  // of rows moves as one, and the row it passes goes to its other end.
  if (step < 0) {
    for (const std::size_t row : rows) std::swap(order[row - 1], order[row]);
  } else {
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
      std::swap(order[*row], order[*row + 1]);
  }
  return MoveStep(list, std::move(order), rows);
}

std::unique_ptr<Command> SortChannels(SortKey key) {
  return std::make_unique<SortChannelsCommand>(key);
}

std::vector<std::size_t> FollowRecords(const std::vector<std::size_t>& rows,
                                       const std::vector<std::string>& before,
                                       const std::vector<std::string>& after) {
  std::unordered_multimap<std::string_view, std::size_t> places;
  for (std::size_t row = 0; row < after.size(); ++row) places.emplace(after[row], row);
  const std::unordered_set<std::string_view> old(before.begin(), before.end());
  const auto distance = [](std::size_t a, std::size_t b) { return a > b ? a - b : b - a; };
  std::set<std::size_t> taken;
  std::vector<std::size_t> found;
  for (const std::size_t row : rows) {
    std::size_t place = after.empty() ? 0 : std::min(row, after.size() - 1);
    const bool stays =
        row >= before.size() ||
        (row < after.size() && (after[row] == before[row] || !old.contains(after[row])));
    if (!stays) {
      std::optional<std::size_t> best;
      const auto [from, to] = places.equal_range(before[row]);
      for (auto it = from; it != to; ++it) {
        if (taken.contains(it->second)) continue;
        // Of two as near, the one above: the map's order of equal records is no order.
        const auto nearer = [&](std::size_t a, std::size_t b) {
          return std::pair(distance(a, row), a) < std::pair(distance(b, row), b);
        };
        if (!best || nearer(it->second, *best)) best = it->second;
      }
      if (best) place = *best;
    }
    taken.insert(place);
    found.push_back(place);
  }
  return found;
}

namespace {

// What a typed text keeps of the blanks around it: a name all, a number none.
enum class Blanks { kKept, kTrimmed };

// A typed text as Latin-1 bytes; refused when a character is beyond Latin-1.
common::Result<std::string> TypedBytes(const CellInput& input, Blanks blanks) {
  if (input.chosen) return std::to_string(*input.chosen);
  std::optional<std::string> latin1 = common::Utf8ToLatin1(input.typed);
  if (!latin1) return Say(common::kSentence, {common::NotLatin1Text(input.typed)});
  if (blanks == Blanks::kTrimmed) return std::string(common::TrimBlanks(*latin1));
  return std::move(*latin1);
}

}  // namespace

common::Result<std::unique_ptr<Command>> EditChannelCell(const ListDocument& document,
                                                         std::size_t row, ChannelField field,
                                                         const CellInput& input) {
  const common::Result<std::string> bytes =
      TypedBytes(input, field == ChannelField::kName ? Blanks::kKept : Blanks::kTrimmed);
  if (!bytes.ok()) return bytes.status();
  ChannelRecord record = document.channels()[row];
  if (common::Status set = SetChannelValue(document, record, field, *bytes); !set.ok()) return set;
  if (record == document.channels()[row]) return std::unique_ptr<Command>();
  return SetChannel(row, field, record);
}

common::Result<std::unique_ptr<Command>> EditTransponderCell(const ListDocument& document,
                                                             std::size_t row,
                                                             TransponderField field,
                                                             const CellInput& input) {
  TransponderRecord record = document.transponders()[row];
  if (input.chosen) {
    if (common::Status set = SetTransponderValue(record, field, *input.chosen); !set.ok()) {
      return set;
    }
  } else {
    const common::Result<std::string> bytes = TypedBytes(input, Blanks::kTrimmed);
    if (!bytes.ok()) return bytes.status();
    if (common::Status set = SetTransponderText(record, field, *bytes); !set.ok()) return set;
  }
  if (record == document.transponders()[row]) return std::unique_ptr<Command>();
  return SetTransponder(row, field, record);
}

std::unique_ptr<Command> SetTransponder(std::size_t row, TransponderField field,
                                        const TransponderRecord& after) {
  return std::make_unique<SetFieldCommand<TransponderRecord, TransponderField>>(row, field, after);
}

std::unique_ptr<Command> InsertTransponders(std::size_t position,
                                            std::vector<TransponderRecord> records) {
  return std::make_unique<InsertTranspondersCommand>(position, std::move(records));
}

std::unique_ptr<Command> RemoveTransponder(std::size_t row) { return RemoveTransponders({row}); }

std::unique_ptr<Command> RemoveTransponders(std::vector<std::size_t> rows) {
  return std::make_unique<RemoveTranspondersCommand>(std::move(rows));
}

std::unique_ptr<Command> MoveTransponders(std::size_t first, std::size_t count,
                                          std::size_t before) {
  return std::make_unique<MoveTranspondersCommand>(first, count, before);
}

}  // namespace chanforge::editing
