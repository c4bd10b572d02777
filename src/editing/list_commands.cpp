#include "editing/list_commands.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <numeric>

#include "common/text_lines.h"

namespace chanforge::editing {

using channels::TcsWord;
using transponders::kFlagDiseqcB;
using transponders::kFlagHorizontal;
using transponders::kFlagUpperBand;

namespace {

std::string Counted(std::size_t count, const char* thing, std::size_t first) {
  return count == 1 ? std::string(thing) + " " + std::to_string(first + 1)
                    : std::to_string(count) + " " + thing + "s";
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

// The TP map of a transponder move: old position to new, for positions 1 to size.
std::array<std::uint8_t, 256> MoveMap(std::size_t size, std::size_t first, std::size_t count,
                                      std::size_t before) {
  std::vector<std::size_t> order(size);
  std::iota(order.begin(), order.end(), std::size_t{0});
  MoveRows(order, first, count, before);
  std::array<std::uint8_t, 256> map = Identity();
  for (std::size_t now = 0; now < size; ++now) {
    if (order[now] < 255 && now < 255) map[order[now] + 1] = static_cast<std::uint8_t>(now + 1);
  }
  return map;
}

// Shifts the TPs of transponders at or behind a 0-based position by delta.
std::array<std::uint8_t, 256> ShiftMap(std::size_t size, std::size_t position, int delta) {
  std::array<std::uint8_t, 256> map = Identity();
  for (std::size_t tp = position + 1; tp <= std::min<std::size_t>(size, 255); ++tp) {
    const long shifted = static_cast<long>(tp) + delta;
    if (shifted >= 1 && shifted <= 255) map[tp] = static_cast<std::uint8_t>(shifted);
  }
  return map;
}

std::string NameKey(const ChannelRecord& channel) {
  std::string key =
      common::ToUpperAscii(std::string_view(channel.name.data(), channel.name.size()));
  while (!key.empty() && (key.back() == ' ' || key.back() == '\0')) key.pop_back();
  return key;
}

class SetChannelCommand : public Command {
 public:
  SetChannelCommand(ListDocument& document, std::size_t row, ChannelField field,
                    ChannelRecord after)
      : document_(document),
        row_(row),
        field_(field),
        before_(document.channels()[row]),
        after_(after) {}
  void Apply() override { Set(after_); }
  void Revert() override { Set(before_); }
  std::string Description() const override {
    const std::string channel = "channel " + std::to_string(row_ + 1);
    if (field_ == ChannelField::kName) return "Rename " + channel;
    return std::string("Change ") + kChannelFieldHeadings[static_cast<int>(field_)] + " of " +
           channel;
  }
  bool MergeWith(const Command& next) override {
    const auto* same = dynamic_cast<const SetChannelCommand*>(&next);
    if (!same || same->row_ != row_ || same->field_ != field_) return false;
    after_ = same->after_;
    return true;
  }

 private:
  void Set(const ChannelRecord& record) {
    document_.mutable_channels()[row_] = record;
    document_.WriteChannels();
  }
  ListDocument& document_;
  std::size_t row_;
  ChannelField field_;
  ChannelRecord before_;
  ChannelRecord after_;
};

class InsertChannelsCommand : public Command {
 public:
  InsertChannelsCommand(ListDocument& document, std::size_t position,
                        std::vector<ChannelRecord> records, bool duplicate)
      : document_(document),
        position_(position),
        records_(std::move(records)),
        duplicate_(duplicate) {}
  void Apply() override {
    auto& channels = document_.mutable_channels();
    channels.insert(channels.begin() + static_cast<long>(position_), records_.begin(),
                    records_.end());
    document_.WriteChannels();
  }
  void Revert() override {
    auto& channels = document_.mutable_channels();
    const auto at = channels.begin() + static_cast<long>(position_);
    channels.erase(at, at + static_cast<long>(records_.size()));
    document_.WriteChannels();
  }
  std::string Description() const override {
    return (duplicate_ ? "Duplicate " : "Insert ") + Counted(records_.size(), "channel", position_);
  }

 private:
  ListDocument& document_;
  std::size_t position_;
  std::vector<ChannelRecord> records_;
  bool duplicate_;
};

class RemoveChannelsCommand : public Command {
 public:
  RemoveChannelsCommand(ListDocument& document, std::vector<std::size_t> rows)
      : document_(document), rows_(std::move(rows)) {
    std::sort(rows_.begin(), rows_.end());
    rows_.erase(std::unique(rows_.begin(), rows_.end()), rows_.end());
    for (const std::size_t row : rows_) records_.push_back(document.channels()[row]);
  }
  void Apply() override {
    auto& channels = document_.mutable_channels();
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
    document_.WriteChannels();
  }
  void Revert() override {
    auto& channels = document_.mutable_channels();
    std::vector<ChannelRecord> whole;
    whole.reserve(channels.size() + rows_.size());
    std::size_t from = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      while (whole.size() < rows_[i]) whole.push_back(channels[from++]);
      whole.push_back(records_[i]);
    }
    whole.insert(whole.end(), channels.begin() + static_cast<long>(from), channels.end());
    channels = std::move(whole);
    document_.WriteChannels();
  }
  std::string Description() const override {
    return "Remove " + Counted(rows_.size(), "channel", rows_.empty() ? 0 : rows_[0]);
  }

 private:
  ListDocument& document_;
  std::vector<std::size_t> rows_;
  std::vector<ChannelRecord> records_;
};

class MoveChannelsCommand : public Command {
 public:
  MoveChannelsCommand(ListDocument& document, std::size_t first, std::size_t count,
                      std::size_t before)
      : document_(document), first_(first), count_(count), before_(before) {}
  void Apply() override {
    MoveRows(document_.mutable_channels(), first_, count_, before_);
    document_.WriteChannels();
  }
  void Revert() override {
    MoveRows(document_.mutable_channels(), MovedFirst(first_, count_, before_), count_,
             MoveBackBefore(first_, count_, before_));
    document_.WriteChannels();
  }
  std::string Description() const override { return "Move " + Counted(count_, "channel", first_); }

 private:
  ListDocument& document_;
  std::size_t first_, count_, before_;
};

class SortChannelsCommand : public Command {
 public:
  SortChannelsCommand(ListDocument& document, SortKey key) : document_(document), key_(key) {
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
    if (key == SortKey::kName) {
      // std::string compares its bytes as unsigned values.
      by([](const ChannelRecord& c) { return NameKey(c); });
    } else if (key == SortKey::kSid) {
      by([](const ChannelRecord& c) { return c.words[TcsWord::kSid]; });
    } else {
      by([&](const ChannelRecord& c) {
        const std::int64_t khz = document.TransponderKhz(c.tp);
        return khz == 0 ? std::numeric_limits<std::int64_t>::max() : khz;
      });
    }
    // An order that changes nothing costs no memory in the history.
    if (!std::is_sorted(order.begin(), order.end())) order_ = std::move(order);
  }
  void Apply() override {
    if (order_.empty()) return;
    auto& channels = document_.mutable_channels();
    std::vector<ChannelRecord> sorted(channels.size());
    for (std::size_t i = 0; i < order_.size(); ++i) sorted[i] = channels[order_[i]];
    channels = std::move(sorted);
    document_.WriteChannels();
  }
  void Revert() override {
    if (order_.empty()) return;
    auto& channels = document_.mutable_channels();
    std::vector<ChannelRecord> unsorted(channels.size());
    for (std::size_t i = 0; i < order_.size(); ++i) unsorted[order_[i]] = channels[i];
    channels = std::move(unsorted);
    document_.WriteChannels();
  }
  std::string Description() const override {
    return key_ == SortKey::kName  ? "Sort channels by name"
           : key_ == SortKey::kSid ? "Sort channels by SID"
                                   : "Sort channels by frequency";
  }

 private:
  ListDocument& document_;
  SortKey key_;
  std::vector<std::uint32_t> order_;  // sorted row i was row order_[i]
};

constexpr const char* kTransponderFieldNames[] = {
    "frequency", "band", "polarisation", "DiSEqC", "FEC", "TID", "NID", "Chn", "SR"};

class SetTransponderCommand : public Command {
 public:
  SetTransponderCommand(ListDocument& document, std::size_t row, TransponderField field,
                        TransponderRecord after)
      : document_(document),
        row_(row),
        field_(field),
        before_(document.transponders()[row]),
        after_(after) {}
  void Apply() override { Set(after_); }
  void Revert() override { Set(before_); }
  std::string Description() const override {
    return std::string("Change ") + kTransponderFieldNames[static_cast<int>(field_)] +
           " of transponder " + std::to_string(row_ + 1);
  }
  bool MergeWith(const Command& next) override {
    const auto* same = dynamic_cast<const SetTransponderCommand*>(&next);
    if (!same || same->row_ != row_ || same->field_ != field_) return false;
    after_ = same->after_;
    return true;
  }

 private:
  void Set(const TransponderRecord& record) {
    document_.mutable_transponders()[row_] = record;
    document_.WriteTransponders();
  }
  ListDocument& document_;
  std::size_t row_;
  TransponderField field_;
  TransponderRecord before_;
  TransponderRecord after_;
};

class InsertTranspondersCommand : public Command {
 public:
  InsertTranspondersCommand(ListDocument& document, std::size_t position,
                            std::vector<TransponderRecord> records)
      : document_(document), position_(position), records_(std::move(records)) {}
  void Apply() override {
    auto& transponders = document_.mutable_transponders();
    tps_ = TpsOf(document_.channels());
    Renumber(document_.mutable_channels(),
             ShiftMap(transponders.size(), position_, static_cast<int>(records_.size())));
    transponders.insert(transponders.begin() + static_cast<long>(position_), records_.begin(),
                        records_.end());
    Write();
  }
  void Revert() override {
    auto& transponders = document_.mutable_transponders();
    const auto at = transponders.begin() + static_cast<long>(position_);
    transponders.erase(at, at + static_cast<long>(records_.size()));
    RestoreTps(document_.mutable_channels(), tps_);
    Write();
  }
  std::string Description() const override {
    return "Insert " + Counted(records_.size(), "transponder", position_);
  }

 private:
  void Write() {
    document_.WriteTransponders();
    document_.WriteChannels();
  }
  ListDocument& document_;
  std::size_t position_;
  std::vector<TransponderRecord> records_;
  std::vector<std::uint8_t> tps_;
};

class RemoveTransponderCommand : public Command {
 public:
  RemoveTransponderCommand(ListDocument& document, std::size_t row)
      : document_(document), row_(row), record_(document.transponders()[row]) {
    std::vector<std::size_t> users;
    for (std::size_t i = 0; i < document.channels().size(); ++i) {
      if (document.channels()[i].tp == row + 1) users.push_back(i);
    }
    if (!users.empty()) users_ = RemoveChannels(document, std::move(users));
  }
  void Apply() override {
    if (users_) users_->Apply();
    auto& transponders = document_.mutable_transponders();
    tps_ = TpsOf(document_.channels());
    Renumber(document_.mutable_channels(), ShiftMap(transponders.size(), row_ + 1, -1));
    transponders.erase(transponders.begin() + static_cast<long>(row_));
    document_.WriteTransponders();
    document_.WriteChannels();
  }
  void Revert() override {
    auto& transponders = document_.mutable_transponders();
    RestoreTps(document_.mutable_channels(), tps_);
    transponders.insert(transponders.begin() + static_cast<long>(row_), record_);
    document_.WriteTransponders();
    if (users_) {
      users_->Revert();
    } else {
      document_.WriteChannels();
    }
  }
  std::string Description() const override {
    std::string text = "Remove transponder " + std::to_string(row_ + 1);
    if (users_) text += " and its channels";
    return text;
  }

 private:
  ListDocument& document_;
  std::size_t row_;
  TransponderRecord record_;
  std::unique_ptr<Command> users_;
  std::vector<std::uint8_t> tps_;
};

class MoveTranspondersCommand : public Command {
 public:
  MoveTranspondersCommand(ListDocument& document, std::size_t first, std::size_t count,
                          std::size_t before)
      : document_(document), first_(first), count_(count), before_(before) {}
  void Apply() override {
    tps_ = TpsOf(document_.channels());
    Renumber(document_.mutable_channels(),
             MoveMap(document_.transponders().size(), first_, count_, before_));
    Move(first_, before_);
  }
  void Revert() override {
    RestoreTps(document_.mutable_channels(), tps_);
    Move(MovedFirst(first_, count_, before_), MoveBackBefore(first_, count_, before_));
  }
  std::string Description() const override {
    return "Move " + Counted(count_, "transponder", first_);
  }

 private:
  void Move(std::size_t first, std::size_t before) {
    MoveRows(document_.mutable_transponders(), first, count_, before);
    document_.WriteTransponders();
    document_.WriteChannels();
  }
  ListDocument& document_;
  std::size_t first_, count_, before_;
  std::vector<std::uint8_t> tps_;
};

}  // namespace

std::optional<ChannelField> ChannelFieldNamed(std::string_view name) {
  for (std::size_t i = 0; i < kChannelFieldCount; ++i) {
    std::string heading = kChannelFieldHeadings[i];
    std::transform(heading.begin(), heading.end(), heading.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    if (heading == name) return static_cast<ChannelField>(i);
  }
  return {};
}

std::string AssignChannelField(const ListDocument& document, ChannelRecord& record,
                               std::string_view utf8) {
  const std::optional<std::string> latin1 = Utf8ToLatin1(utf8);
  if (!latin1) {
    return "\"" + std::string(utf8) + "\" holds a character that Latin-1 cannot store.";
  }
  const std::string_view assignment = *latin1;
  const std::size_t equals = assignment.find('=');
  if (equals == std::string_view::npos) {
    return "\"" + common::Latin1ToUtf8(assignment) + "\" is not FIELD=VALUE.";
  }
  const std::string_view name = assignment.substr(0, equals);
  const std::optional<ChannelField> field = ChannelFieldNamed(name);
  if (!field) {
    return "Unknown field \"" + common::Latin1ToUtf8(name) +
           "\": the fields are name, use, tp, sid, vpid, apid, vecm, aecm, pcr.";
  }
  return SetChannelValue(document, record, *field, assignment.substr(equals + 1));
}

std::string SetChannelValue(const ListDocument& document, ChannelRecord& record, ChannelField field,
                            std::string_view value) {
  const char* heading = kChannelFieldHeadings[static_cast<int>(field)];
  if (field == ChannelField::kName) {
    if (value.size() > channels::kTcsNameWidth) {
      return "Name \"" + common::Latin1ToUtf8(value) + "\" is " + std::to_string(value.size()) +
             " bytes long; at most 16 fit.";
    }
    // As the text road stores it: trailing blanks dropped, NUL padded.
    while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
    record.name.fill('\0');
    value.copy(record.name.data(), value.size());
    return {};
  }
  const std::optional<std::int64_t> number = ReadValue(value);
  const std::int64_t most = field == ChannelField::kUse || field == ChannelField::kTp ? 255 : 65535;
  if (!number) {
    return std::string(heading) + " \"" + common::Latin1ToUtf8(value) + "\" is not a number.";
  }
  if (field == ChannelField::kTp) {
    const std::size_t count = document.transponders().size();
    if (*number < 1 || static_cast<std::size_t>(*number) > std::min(count, kMostTransponders)) {
      return "TP " + std::string(value) + " names no transponder: the list has " +
             std::to_string(count) + ".";
    }
    record.tp = static_cast<std::uint8_t>(*number);
    return {};
  }
  if (*number < 0 || *number > most) {
    return std::string(heading) + " " + std::string(value) + " is outside 0 to " +
           std::to_string(most) + ".";
  }
  if (field == ChannelField::kUse) {
    record.use = static_cast<std::uint8_t>(*number);
  } else {
    record.words[static_cast<int>(field) - static_cast<int>(ChannelField::kSid)] =
        static_cast<std::uint16_t>(*number);
  }
  return {};
}

std::string SetTransponderValue(TransponderRecord& record, TransponderField field,
                                std::int64_t value) {
  using transponders::kLowerOscillatorKhz;
  using transponders::kUpperBandShiftKhz;
  using transponders::kUpperBandThresholdKhz;
  const auto flag = [&](std::uint8_t bit) {
    record.flags = static_cast<std::uint8_t>(value ? record.flags | bit : record.flags & ~bit);
  };
  // The frequency field holds the IF in Hz; the digits below 1 kHz stay as they are.
  const auto put_khz = [&](std::int64_t khz, bool upper) -> std::string {
    if (upper && khz < kUpperBandThresholdKhz) {
      return "Band U needs at least " + std::to_string(kUpperBandThresholdKhz) + " kHz, not " +
             std::to_string(khz) + ".";
    }
    if (khz < kLowerOscillatorKhz) {
      return "Frequency " + std::to_string(khz) + " kHz lies below " +
             std::to_string(kLowerOscillatorKhz) + ".";
    }
    const std::int64_t hz = (khz - kLowerOscillatorKhz - (upper ? kUpperBandShiftKhz : 0)) * 1000 +
                            record.frequency % 1000;
    if (hz > std::numeric_limits<std::int32_t>::max()) {
      return "Frequency " + std::to_string(khz) + " kHz is out of range.";
    }
    record.frequency = static_cast<std::uint32_t>(hz);
    record.flags = static_cast<std::uint8_t>(upper ? record.flags | kFlagUpperBand
                                                   : record.flags & ~kFlagUpperBand);
    return {};
  };
  const auto in_range = [&](const char* name, std::int64_t most) -> std::string {
    if (value >= 0 && value <= most) return {};
    return std::string(name) + " " + std::to_string(value) + " is outside 0 to " +
           std::to_string(most) + ".";
  };
  std::string refusal;
  switch (field) {
    case TransponderField::kKhz:
      return put_khz(value, record.flags & kFlagUpperBand);
    case TransponderField::kBand:
      return put_khz(record.Khz(), value != 0);
    case TransponderField::kPolarisation:
      flag(kFlagHorizontal);
      return {};
    case TransponderField::kDiseqc:
      flag(kFlagDiseqcB);
      return {};
    case TransponderField::kFec:
      refusal = in_range("FEC", 3);
      if (refusal.empty()) record.fec = static_cast<std::uint8_t>(value);
      return refusal;
    case TransponderField::kTid:
    case TransponderField::kNid:
      refusal = in_range(field == TransponderField::kTid ? "TID" : "NID", 65535);
      if (refusal.empty()) {
        (field == TransponderField::kTid ? record.tid : record.nid) =
            static_cast<std::uint16_t>(value);
      }
      return refusal;
    case TransponderField::kChn:
    case TransponderField::kSr:
      refusal = in_range(field == TransponderField::kChn ? "Chn" : "SR", 255);
      if (refusal.empty()) {
        (field == TransponderField::kChn ? record.chn : record.sr) =
            static_cast<std::uint8_t>(value);
      }
      return refusal;
  }
  return {};
}

std::string CheckNumber(std::size_t number, std::size_t size, const char* thing) {
  if (number >= 1 && number <= size) return {};
  return std::string(thing) + " " + std::to_string(number) + " is beyond the list of " +
         std::to_string(size) + ".";
}

std::string CheckRange(std::size_t first, std::size_t last, std::size_t size, const char* thing) {
  if (first > last) {
    return std::string(thing) + " range " + std::to_string(first) + "-" + std::to_string(last) +
           " runs backwards.";
  }
  std::string refusal = CheckNumber(first, size, thing);
  return refusal.empty() ? CheckNumber(last, size, thing) : refusal;
}

std::string CheckMove(std::size_t first, std::size_t last, std::size_t before, std::size_t size,
                      const char* thing) {
  std::string refusal = CheckRange(first, last, size, thing);
  if (refusal.empty() && (before < 1 || before > size + 1)) {
    refusal = "Position " + std::to_string(before) + " is beyond the list of " +
              std::to_string(size) + ".";
  }
  if (refusal.empty() && before > first && before <= last) {
    refusal = "Position " + std::to_string(before) + " lies inside " + std::to_string(first) + "-" +
              std::to_string(last) + ".";
  }
  return refusal;
}

std::string CheckInsertChannels(const ListDocument& document, std::size_t count) {
  if (document.channel_block() < 0) return document.ChannelsReadOnlyReason();
  if (document.channels().size() + count > kChannelRoom) {
    return "The TCS block holds at most " + std::to_string(kChannelRoom) + " channels.";
  }
  return {};
}

std::string CheckInsertTransponders(const ListDocument& document, std::size_t count) {
  if (document.transponder_block() < 0) return document.TranspondersReadOnlyReason();
  if (document.transponders().size() + count > kMostTransponders) {
    return "A channel reaches at most " + std::to_string(kMostTransponders) + " transponders.";
  }
  return {};
}

std::string RemoveTransponderQuestion(const ListDocument& document, std::size_t row) {
  const std::size_t users = document.ChannelsUsing(row + 1);
  if (users == 0) return {};
  return std::to_string(users) + " channels use transponder " + std::to_string(row + 1) + " (" +
         std::to_string(document.transponders()[row].Khz()) + " kHz)." + common::kCrLf +
         "Remove them too ?";
}

std::unique_ptr<Command> SetChannel(ListDocument& document, std::size_t row, ChannelField field,
                                    const ChannelRecord& after) {
  return std::make_unique<SetChannelCommand>(document, row, field, after);
}

std::unique_ptr<Command> InsertChannels(ListDocument& document, std::size_t position,
                                        std::vector<ChannelRecord> records, bool duplicate) {
  return std::make_unique<InsertChannelsCommand>(document, position, std::move(records), duplicate);
}

std::unique_ptr<Command> RemoveChannels(ListDocument& document, std::vector<std::size_t> rows) {
  return std::make_unique<RemoveChannelsCommand>(document, std::move(rows));
}

std::unique_ptr<Command> MoveChannels(ListDocument& document, std::size_t first, std::size_t count,
                                      std::size_t before) {
  return std::make_unique<MoveChannelsCommand>(document, first, count, before);
}

std::unique_ptr<Command> SortChannels(ListDocument& document, SortKey key) {
  return std::make_unique<SortChannelsCommand>(document, key);
}

std::unique_ptr<Command> SetTransponder(ListDocument& document, std::size_t row,
                                        TransponderField field, const TransponderRecord& after) {
  return std::make_unique<SetTransponderCommand>(document, row, field, after);
}

std::unique_ptr<Command> InsertTransponders(ListDocument& document, std::size_t position,
                                            std::vector<TransponderRecord> records) {
  return std::make_unique<InsertTranspondersCommand>(document, position, std::move(records));
}

std::unique_ptr<Command> RemoveTransponder(ListDocument& document, std::size_t row) {
  return std::make_unique<RemoveTransponderCommand>(document, row);
}

std::unique_ptr<Command> MoveTransponders(ListDocument& document, std::size_t first,
                                          std::size_t count, std::size_t before) {
  return std::make_unique<MoveTranspondersCommand>(document, first, count, before);
}

std::optional<std::int64_t> ReadValue(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
  return value;
}

std::optional<std::string> Utf8ToLatin1(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      bytes.push_back(static_cast<char>(c));
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < text.size() &&
               (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
      bytes.push_back(static_cast<char>(((c & 0x03) << 6) | (text[++i] & 0x3F)));
    } else {
      return {};
    }
  }
  return bytes;
}

}  // namespace chanforge::editing
