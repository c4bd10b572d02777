#include "check/image_diff.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <numeric>
#include <utility>

#include "channels/channel_fields.h"
#include "check/image_check.h"
#include "check/image_lists.h"
#include "common/coding.h"
#include "common/text_lines.h"
#include "flash/block_header.h"
#include "flash/blocks.h"
#include "transponders/transponder_fields.h"

namespace chanforge::check {

using channels::ChannelRecord;
using transponders::TransponderRecord;

namespace {

using Key = std::pair<std::int64_t, std::int64_t>;

// A channel's TP that names no transponder, as a change shows it: "42 (no transponder)".
constexpr auto kNoTransponderLabel = common::Wording("diff.no-transponder", "{1} (no transponder)");

struct Field {
  const char* name;
  common::Message text;  // as the line shows it
  std::string same;      // what is compared: the text, or an identity the text does not show
};
using Fields = std::vector<Field>;

std::string Number(std::int64_t value) { return std::to_string(value); }

std::string Hex(std::int64_t value, std::size_t digits) {
  std::string text = common::HexDigits(static_cast<unsigned long long>(value));
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  return "0x" + text;
}

// The transponders that one image's channels point into. A transponder and its
// counterpart in the other image get the same id, so that a channel whose TP was only
// renumbered reads the same.
struct TransponderSide {
  const TransponderTable* table = nullptr;
  std::vector<std::int64_t> ids;  // by record index

  // A TP that names no used record is its own identity.
  std::int64_t Id(std::uint8_t tp) const {
    return ChannelKhz(*table, tp) < 0 ? -1 - tp : ids[tp - 1u];
  }
  common::Message Label(std::uint8_t tp) const {
    if (ChannelKhz(*table, tp) < 0) return common::Say(kNoTransponderLabel, {common::Value(tp)});
    return common::Value(transponders::TransponderLabel(tp, table->records[tp - 1u]));
  }
};

// How the comparison sees one kind of record.
template <typename Record>
struct RecordView {
  common::ListKind list;
  // The record as a place names it: "12", "23 · 11836 H".
  std::function<std::string(int number, const Record&)> place;
  // Said of an added, removed or moved record after its place; may be empty.
  std::function<std::string(const Record&)> label;
  // Every byte, field by field.
  std::function<Fields(const Record&, const TransponderSide&)> fields;
  std::function<std::string(const Record&)> likeness;  // alike apart from an edited key
  // Whether two equal records also point at the same things; none when they point at nothing.
  std::function<bool(const Record&, const TransponderSide&, const TransponderSide&)> same_links;
};

// Indexes into matched pairs, sorted by old index, that form the longest run whose
// new indexes also rise: the records that kept their order.
std::vector<bool> KeptOrder(const std::vector<std::pair<int, int>>& pairs) {
  std::vector<int> tails;  // index into pairs of the smallest tail of each run length
  std::vector<int> before(pairs.size(), -1);
  for (int i = 0; i < static_cast<int>(pairs.size()); ++i) {
    const auto at = std::lower_bound(tails.begin(), tails.end(), pairs[i].second,
                                     [&](int t, int value) { return pairs[t].second < value; });
    if (at != tails.begin()) before[i] = *(at - 1);
    if (at == tails.end()) {
      tails.push_back(i);
    } else {
      *at = i;
    }
  }
  std::vector<bool> kept(pairs.size(), false);
  for (int i = tails.empty() ? -1 : tails.back(); i >= 0; i = before[i]) kept[i] = true;
  return kept;
}

// Which old record is which new one.
struct Matching {
  std::vector<int> partner_of_a, partner_of_b;  // -1: removed, added
  std::vector<bool> moved;                      // by old index
};

// Records pair by key, equal keys in order. Between two pairs that kept their order, the
// records left over that still look alike pair too: an edited key or a channel put on
// another transponder is a changed field. The rest were removed or added.
template <typename Record>
Matching Match(const RecordView<Record>& view, const std::vector<Record>& a,
               const std::vector<Key>& a_keys, const std::vector<Record>& b,
               const std::vector<Key>& b_keys) {
  const int na = static_cast<int>(a.size()), nb = static_cast<int>(b.size());
  Matching m{std::vector<int>(a.size(), -1), std::vector<int>(b.size(), -1),
             std::vector<bool>(a.size(), false)};
  // The new records by key, equal keys in order; taken[p] counts the records already
  // paired from the run of equal keys that starts at p.
  std::vector<int> by_key(b.size());
  std::iota(by_key.begin(), by_key.end(), 0);
  std::stable_sort(by_key.begin(), by_key.end(),
                   [&](int x, int y) { return b_keys[x] < b_keys[y]; });
  std::vector<int> taken(b.size(), 0);
  std::vector<std::pair<int, int>> keyed;
  for (int i = 0; i < na; ++i) {
    const auto run = std::lower_bound(by_key.begin(), by_key.end(), a_keys[i],
                                      [&](int j, const Key& key) { return b_keys[j] < key; });
    const auto p = static_cast<std::size_t>(run - by_key.begin());
    const std::size_t next = p + static_cast<std::size_t>(p < taken.size() ? taken[p] : 0);
    if (next >= by_key.size() || b_keys[by_key[next]] != a_keys[i]) continue;
    keyed.emplace_back(i, by_key[next]);
    ++taken[p];
  }
  const std::vector<bool> kept = KeptOrder(keyed);
  std::vector<std::pair<int, int>> anchors = {{-1, -1}};
  for (std::size_t k = 0; k < keyed.size(); ++k) {
    const auto [i, j] = keyed[k];
    m.partner_of_a[i] = j;
    m.partner_of_b[j] = i;
    if (kept[k]) {
      anchors.push_back(keyed[k]);
    } else {
      m.moved[i] = true;
    }
  }
  anchors.emplace_back(na, nb);
  for (std::size_t k = 0; k + 1 < anchors.size(); ++k) {
    std::map<std::string, std::deque<int>> by_likeness;
    for (int j = anchors[k].second + 1; j < anchors[k + 1].second; ++j) {
      if (m.partner_of_b[j] < 0) by_likeness[view.likeness(b[j])].push_back(j);
    }
    for (int i = anchors[k].first + 1; i < anchors[k + 1].first; ++i) {
      if (m.partner_of_a[i] >= 0) continue;
      const auto it = by_likeness.find(view.likeness(a[i]));
      if (it == by_likeness.end() || it->second.empty()) continue;
      m.partner_of_a[i] = it->second.front();
      m.partner_of_b[it->second.front()] = i;
      it->second.pop_front();
    }
  }
  return m;
}

template <typename Record>
void DiffRecords(const RecordView<Record>& view, int block, const std::vector<Record>& a,
                 const TransponderSide& a_side, const std::vector<Record>& b,
                 const TransponderSide& b_side, const Matching& m, std::vector<Change>& out) {
  std::vector<std::pair<int, Change>> changes;  // sorted by record number afterwards
  const auto add = [&](ChangeKind kind, int number, const Record& record, std::string before,
                       std::string after) {
    changes.push_back({number,
                       {kind,
                        block,
                        number,
                        view.list,
                        view.place(number, record),
                        {},
                        common::Value(std::move(before)),
                        common::Value(std::move(after))}});
  };
  for (int i = 0; i < static_cast<int>(a.size()); ++i) {
    const int j = m.partner_of_a[i];
    if (j < 0) continue;
    if (m.moved[i]) add(ChangeKind::kMoved, j + 1, b[j], Number(i + 1), view.label(b[j]));
    if (a[i] == b[j] && (!view.same_links || view.same_links(a[i], a_side, b_side))) {
      continue;  // most records
    }
    const Fields old_fields = view.fields(a[i], a_side), new_fields = view.fields(b[j], b_side);
    for (std::size_t f = 0; f < old_fields.size(); ++f) {
      if (old_fields[f].same == new_fields[f].same) continue;
      changes.push_back({j + 1,
                         {ChangeKind::kField, block, j + 1, view.list, view.place(j + 1, b[j]),
                          old_fields[f].name, old_fields[f].text, new_fields[f].text}});
    }
  }
  for (int i = 0; i < static_cast<int>(a.size()); ++i) {
    if (m.partner_of_a[i] < 0) add(ChangeKind::kRemoved, i + 1, a[i], view.label(a[i]), {});
  }
  for (int j = 0; j < static_cast<int>(b.size()); ++j) {
    if (m.partner_of_b[j] < 0) add(ChangeKind::kAdded, j + 1, b[j], {}, view.label(b[j]));
  }
  std::stable_sort(changes.begin(), changes.end(),
                   [](const auto& x, const auto& y) { return x.first < y.first; });
  for (auto& [number, change] : changes) out.push_back(std::move(change));
}

Field Shown(const char* name, std::string text) { return {name, common::Value(text), text}; }

// Every field of the table, in its order; a new number field shows as a number.
Fields ChannelFields(const ChannelRecord& record, const TransponderSide& side) {
  using channels::ChannelField;
  Fields fields;
  for (std::size_t f = 0; f < channels::kChannelFieldCount; ++f) {
    const auto field = static_cast<ChannelField>(f);
    const char* name = channels::InfoOf(field).name;
    if (field == ChannelField::kName) {
      fields.push_back(Shown(name, channels::ShownName(record)));
    } else if (field == ChannelField::kUse) {
      fields.push_back(Shown(name, common::Hex2(record.use)));
    } else if (field == ChannelField::kTp) {
      fields.push_back({name, side.Label(record.tp), Number(side.Id(record.tp))});
    } else {
      fields.push_back(Shown(name, Number(channels::ChannelValue(record, field))));
    }
  }
  return fields;
}

Fields TransponderFields(const TransponderRecord& record, const TransponderSide&) {
  using transponders::TransponderField;
  Fields fields;
  for (std::size_t f = 0; f < transponders::kTransponderFieldCount; ++f) {
    const auto field = static_cast<TransponderField>(f);
    std::string text = transponders::TransponderText(record, field);
    if (field == TransponderField::kKhz) {
      text += " kHz";
      // The text line shows whole kHz; the Hz below them still count.
      if (record.frequency % 1000 != 0) text += " (+" + Number(record.frequency % 1000) + " Hz)";
    } else if (field == TransponderField::kFec &&
               record.fec > transponders::InfoOf(TransponderField::kFec).most) {
      text = common::Hex2(record.fec);
    }
    fields.push_back(Shown(transponders::InfoOf(field).name, std::move(text)));
  }
  // The flag bits no field shows count too.
  fields.push_back(Shown(transponders::kHiddenFlagsName,
                         common::Hex2(record.flags & ~transponders::kShownFlags & 0xFFu)));
  return fields;
}

// Differing byte ranges of two stretches, at base within their block; offsets for which
// skip says so are not compared.
void DiffBytes(std::string_view a, std::string_view b, int block, std::int64_t base,
               const std::function<bool(std::int64_t)>& skip, std::vector<Change>& out) {
  const std::size_t size = std::min(a.size(), b.size());
  if (std::memcmp(a.data(), b.data(), size) == 0) return;
  std::vector<std::pair<std::int64_t, std::int64_t>> ranges;  // first, last
  for (std::size_t p = 0; p < size; ++p) {
    // Equal stretches are passed a word at a time.
    while (p + 8 <= size && std::memcmp(a.data() + p, b.data() + p, 8) == 0) p += 8;
    if (p >= size) break;
    if (a[p] == b[p]) continue;
    const auto at = static_cast<std::int64_t>(p);
    if (skip && skip(at)) continue;
    if (!ranges.empty() && at - ranges.back().second - 1 < kRangeMergeGap) {
      ranges.back().second = at;
    } else {
      ranges.emplace_back(at, at);
    }
  }
  const std::size_t digits = block == kPastBlocks ? 5 : 4;
  for (std::size_t r = 0; r < ranges.size() && r < kMaxRangesPerBlock; ++r) {
    out.push_back({ChangeKind::kBytes,
                   block,
                   0,
                   {},
                   {},
                   {},
                   common::Value(Hex(base + ranges[r].first, digits)),
                   common::Value(Hex(base + ranges[r].second, digits))});
  }
  if (ranges.size() > kMaxRangesPerBlock) {
    out.push_back({ChangeKind::kMoreBytes,
                   block,
                   0,
                   {},
                   {},
                   {},
                   common::Value(ranges.size() - kMaxRangesPerBlock),
                   {}});
  }
}

const RecordView<ChannelRecord> kChannelView = {
    common::ListKind::kChannels,
    [](int number, const ChannelRecord&) { return Number(number); },
    [](const ChannelRecord& r) {
      return channels::ShownName(r) + " (SID " + Number(r.words[channels::kSid]) + ")";
    },
    ChannelFields,
    [](const ChannelRecord& r) { return std::string(r.name.data(), r.name.size()); },
    [](const ChannelRecord& r, const TransponderSide& a, const TransponderSide& b) {
      return a.Id(r.tp) == b.Id(r.tp);
    }};

const RecordView<TransponderRecord> kTransponderView = {
    common::ListKind::kTransponders,
    [](int number, const TransponderRecord& r) {
      return transponders::TransponderLabel(static_cast<std::size_t>(number), r);
    },
    [](const TransponderRecord&) { return std::string(); },
    TransponderFields,
    [](const TransponderRecord& r) { return Number(r.tid) + "/" + Number(r.nid); },
    nullptr};

// A channel is the service (SID) on its transponder, wherever that transponder sits.
std::vector<Key> ChannelKeys(const std::vector<ChannelRecord>& records,
                             const TransponderSide& side) {
  std::vector<Key> keys;
  keys.reserve(records.size());
  for (const ChannelRecord& r : records) keys.emplace_back(r.words[channels::kSid], side.Id(r.tp));
  return keys;
}

// A transponder is what a tuner is set to: frequency, polarisation, band and DiSEqC input.
std::vector<Key> TransponderKeys(const std::vector<TransponderRecord>& records) {
  std::vector<Key> keys;
  keys.reserve(records.size());
  for (const TransponderRecord& r : records) {
    keys.emplace_back(r.Khz(), r.flags & transponders::kShownFlags);
  }
  return keys;
}

Matching MatchTransponders(const std::vector<TransponderRecord>& a,
                           const std::vector<TransponderRecord>& b) {
  return Match(kTransponderView, a, TransponderKeys(a), b, TransponderKeys(b));
}

// A name that runs on past its header is garbage after a few bytes: show its start.
std::string BlockName(const flash::BlockInfo& block) {
  constexpr std::size_t kShown = 32;
  if (block.name.size() <= kShown) return common::ShownBytes(block.name);
  return common::ShownBytes(std::string_view(block.name).substr(0, kShown)) +
         "\xE2\x80\xA6";  // "…"
}

class Differ {
 public:
  Differ(const flash::Workspace& a, const flash::Workspace& b)
      : a_(a), b_(b), a_table_(FirstTransponders(a)), b_table_(FirstTransponders(b)) {
    first_match_ = MatchTransponders(a_table_.records, b_table_.records);
    const Matching& m = first_match_;
    const auto nb = static_cast<std::int64_t>(b_table_.records.size());
    a_side_.table = &a_table_;
    for (std::size_t i = 0; i < m.partner_of_a.size(); ++i) {
      const int j = m.partner_of_a[i];
      a_side_.ids.push_back(j >= 0 ? j : nb + static_cast<std::int64_t>(i));
    }
    b_side_.table = &b_table_;
    for (std::int64_t j = 0; j < nb; ++j) b_side_.ids.push_back(j);
    same_transponders_ = a_table_.records == b_table_.records;
  }

  std::vector<Change> Run() {
    if (a_.image().size() != b_.image().size()) {
      out_.push_back({ChangeKind::kSize,
                      -1,
                      0,
                      {},
                      {},
                      kImageSizeName,
                      common::Value(a_.image().size()),
                      common::Value(b_.image().size())});
    }
    const int blocks = std::min(a_.block_count(), b_.block_count());
    for (int i = 0; i < blocks; ++i) Block(i);
    // Should some byte still read the same in every line, changed images never read as equal.
    for (int i = 0; out_.empty() && i < blocks; ++i) {
      DiffBytes(flash::WholeBlockView(a_, a_.blocks()[static_cast<std::size_t>(i)]),
                flash::WholeBlockView(b_, b_.blocks()[static_cast<std::size_t>(i)]), i, 0, nullptr,
                out_);
    }
    const std::int64_t tail = static_cast<std::int64_t>(flash::kBlockCount) * common::kBlockSize;
    if (a_.image().size() > tail && b_.image().size() > tail) {
      DiffBytes(a_.image().bytes().substr(tail), b_.image().bytes().substr(tail), kPastBlocks, tail,
                nullptr, out_);
    }
    return std::move(out_);
  }

 private:
  void Block(int index) {
    const flash::BlockInfo& old_block = Of(a_, index);
    const flash::BlockInfo& new_block = Of(b_, index);
    const bool renamed = old_block.name != new_block.name;
    if (renamed) {
      out_.push_back({ChangeKind::kName,
                      index,
                      0,
                      {},
                      {},
                      flash::kNameFieldName,
                      common::Value(BlockName(old_block)),
                      common::Value(BlockName(new_block))});
    }
    const auto kind = flash::ListKindOf(old_block);
    const std::string_view old_bytes = flash::WholeBlockView(a_, old_block);
    const std::string_view new_bytes = flash::WholeBlockView(b_, new_block);
    if (!kind || kind != flash::ListKindOf(new_block)) {
      DiffBytes(old_bytes, new_bytes, index, 0, nullptr, out_);
      return;
    }
    const bool same_bytes = old_bytes == new_bytes;
    const std::optional<std::size_t> records = kind == common::ListKind::kChannels
                                                   ? ChannelBlock(index, same_bytes)
                                                   : TransponderBlock(index, same_bytes);
    if (!records) return;
    // The bytes around the name, the length and the records still count.
    const auto records_end =
        static_cast<std::int64_t>(flash::kDataOffset + *records * flash::RecordSize(kind));
    DiffBytes(
        old_bytes, new_bytes, index, 0,
        [renamed, records_end](std::int64_t at) {
          return (renamed && at >= flash::kNameOffset && at < flash::kLengthOffset) ||
                 (at >= flash::kLengthOffset && at < flash::kSpareOffset) ||
                 (at >= flash::kDataOffset && at < records_end);
        },
        out_);
  }

  static const flash::BlockInfo& Of(const flash::Workspace& workspace, int index) {
    return workspace.blocks()[static_cast<std::size_t>(index)];
  }

  // A channel block's record changes; the larger count, whose record lines cover their
  // bytes, or none when every channel reads the same.
  std::optional<std::size_t> ChannelBlock(int index, bool same_bytes) {
    // Equal bytes over equal transponders: every channel reads the same.
    if (same_bytes && same_transponders_) return {};
    const auto old_records = DecodeChannels(a_, Of(a_, index));
    const auto new_records = DecodeChannels(b_, Of(b_, index));
    const std::size_t records = Length(index, old_records.size(), new_records.size());
    DiffRecords(kChannelView, index, old_records, a_side_, new_records, b_side_,
                Match(kChannelView, old_records, ChannelKeys(old_records, a_side_), new_records,
                      ChannelKeys(new_records, b_side_)),
                out_);
    return records;
  }

  std::optional<std::size_t> TransponderBlock(int index, bool same_bytes) {
    if (same_bytes) return {};
    // The first lists are decoded already, for the channels.
    const auto decoded = [&](const TransponderTable& table, const flash::Workspace& workspace) {
      return index == table.block ? std::vector<TransponderRecord>()
                                  : DecodeTransponders(workspace, Of(workspace, index));
    };
    const auto old_decoded = decoded(a_table_, a_);
    const auto new_decoded = decoded(b_table_, b_);
    const auto& old_records = index == a_table_.block ? a_table_.records : old_decoded;
    const auto& new_records = index == b_table_.block ? b_table_.records : new_decoded;
    const std::size_t records = Length(index, old_records.size(), new_records.size());
    const bool first = index == a_table_.block && index == b_table_.block;
    DiffRecords(kTransponderView, index, old_records, a_side_, new_records, b_side_,
                first ? first_match_ : MatchTransponders(old_records, new_records), out_);
    return records;
  }

  // The larger record count. A length that grew or shrank by more than the records it
  // holds (free slots at the end) shows no record line: it gets its own.
  std::size_t Length(int index, std::size_t old_count, std::size_t new_count) {
    const flash::BlockInfo& old_block = Of(a_, index);
    const flash::BlockInfo& new_block = Of(b_, index);
    const auto size = static_cast<std::int64_t>(flash::RecordSize(flash::ListKindOf(old_block)));
    if (old_block.length != new_block.length &&
        old_block.length - static_cast<std::int64_t>(old_count) * size !=
            new_block.length - static_cast<std::int64_t>(new_count) * size) {
      out_.push_back({ChangeKind::kLength,
                      index,
                      0,
                      {},
                      {},
                      flash::kLengthFieldName,
                      common::Value(old_block.length),
                      common::Value(new_block.length)});
    }
    return std::max(old_count, new_count);
  }

  const flash::Workspace& a_;
  const flash::Workspace& b_;
  TransponderTable a_table_;
  TransponderTable b_table_;
  TransponderSide a_side_;
  TransponderSide b_side_;
  Matching first_match_;            // of the first lists, which the channels point into
  bool same_transponders_ = false;  // a channel's TP means the same transponder in both
  std::vector<Change> out_;
};

}  // namespace

std::vector<Change> DiffImages(const flash::Workspace& a, const flash::Workspace& b) {
  return Differ(a, b).Run();
}

namespace {

using common::Say;
using common::Value;
using common::Wording;

constexpr auto kPastTheBlocks = Wording("diff.past-blocks", "past the blocks");
constexpr auto kSizeChange = Wording("diff.size", "{1} {2}: {3} → {4} bytes");
constexpr auto kMovedFrom = Wording("diff.moved", "{1} moved from {2}");
constexpr auto kMovedFromLabel = Wording("diff.moved-label", "{1} moved from {2}: {3}");
constexpr auto kAdded = Wording("diff.added", "{1} added");
constexpr auto kAddedLabel = Wording("diff.added-label", "{1} added: {2}");
constexpr auto kRemoved = Wording("diff.removed", "{1} removed");
constexpr auto kRemovedLabel = Wording("diff.removed-label", "{1} removed: {2}");
constexpr auto kBytesChanged = Wording("diff.bytes", "{1} bytes {2}-{3} changed");
// {1} counts the ranges not listed.
constexpr auto kMoreRanges = common::CountedWording(
    "diff.more-ranges", "{2}: {1} more changed byte ranges", "{2}: {1} more changed byte range");
//: A change of a field: where, the field, the value before, the value after.
constexpr auto kFieldChange = Wording("diff.field", "{1} {2}: {3} → {4}");

}  // namespace

common::Message ChangePlace(const Change& change) {
  if (change.block == kPastBlocks) return Say(kPastTheBlocks);
  return PlaceOf(change.block, change.list, Value(change.record_label));
}

common::Message FormatChange(const Change& change) {
  const common::Message place = ChangePlace(change);
  switch (change.kind) {
    case ChangeKind::kSize:
      return Say(kSizeChange, {place, Value(change.field), change.before, change.after});
    case ChangeKind::kMoved:
      return change.after.empty() ? Say(kMovedFrom, {place, change.before})
                                  : Say(kMovedFromLabel, {place, change.before, change.after});
    case ChangeKind::kAdded:
      return change.after.empty() ? Say(kAdded, {place}) : Say(kAddedLabel, {place, change.after});
    case ChangeKind::kRemoved:
      return change.before.empty() ? Say(kRemoved, {place})
                                   : Say(kRemovedLabel, {place, change.before});
    case ChangeKind::kBytes:
      return Say(kBytesChanged, {place, change.before, change.after});
    case ChangeKind::kMoreBytes:
      return Say(kMoreRanges, {change.before, place});
    default:
      return Say(kFieldChange, {place, Value(change.field), change.before, change.after});
  }
}

}  // namespace chanforge::check
