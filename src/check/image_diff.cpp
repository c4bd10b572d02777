#include "check/image_diff.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <utility>

#include "channels/channel_fields.h"
#include "check/image_lists.h"
#include "common/text_lines.h"
#include "flash/blocks.h"
#include "transponders/transponder_fields.h"

namespace chanforge::check {

using channels::ChannelRecord;
using transponders::TransponderRecord;

namespace {

constexpr char kArrow[] = " \xE2\x86\x92 ";  // " → "

using Key = std::pair<std::int64_t, std::int64_t>;
using Fields = std::vector<std::pair<const char*, std::string>>;

std::string Number(std::int64_t value) { return std::to_string(value); }

std::string Hex(std::int64_t value, std::size_t digits) {
  std::string text = common::HexDigits(static_cast<unsigned long long>(value));
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  return "0x" + text;
}

// How the comparison sees one kind of record.
template <typename Record>
struct RecordView {
  const char* item;                                 // "channel"
  std::function<std::string(const Record&)> label;  // shown for added, removed, moved
  // Every byte, field by field; a channel's TP as the transponder it names.
  std::function<Fields(const Record&, const TransponderTable&)> fields;
  std::function<std::string(const Record&)> likeness;  // alike apart from an edited key
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

template <typename Record>
void DiffRecords(const RecordView<Record>& view, int block, const std::vector<Record>& a,
                 const std::vector<Key>& a_keys, const TransponderTable& a_table,
                 const std::vector<Record>& b, const std::vector<Key>& b_keys,
                 const TransponderTable& b_table, std::vector<Change>& out) {
  const int na = static_cast<int>(a.size()), nb = static_cast<int>(b.size());
  std::vector<int> partner_of_a(a.size(), -1), partner_of_b(b.size(), -1);
  std::map<Key, std::deque<int>> by_key;
  for (int j = 0; j < nb; ++j) by_key[b_keys[j]].push_back(j);
  std::vector<std::pair<int, int>> keyed;
  for (int i = 0; i < na; ++i) {
    const auto it = by_key.find(a_keys[i]);
    if (it == by_key.end() || it->second.empty()) continue;
    const int j = it->second.front();
    it->second.pop_front();
    partner_of_a[i] = j;
    partner_of_b[j] = i;
    keyed.emplace_back(i, j);
  }
  const std::vector<bool> kept = KeptOrder(keyed);

  const auto place = [&](int number) {
    return "block " + Number(block) + " " + view.item + " " + Number(number);
  };
  std::vector<std::pair<int, Change>> changes;  // sorted by record number afterwards
  const auto add = [&](ChangeKind kind, int number, std::string line) {
    changes.push_back({number, {kind, block, number, std::move(line)}});
  };
  const auto compare = [&](int i, int j) {
    const Fields old_fields = view.fields(a[i], a_table), new_fields = view.fields(b[j], b_table);
    for (std::size_t f = 0; f < old_fields.size(); ++f) {
      if (old_fields[f].second == new_fields[f].second) continue;
      add(ChangeKind::kField, j + 1,
          place(j + 1) + " " + old_fields[f].first + ": " + old_fields[f].second + kArrow +
              new_fields[f].second);
    }
  };

  // Anchors: the matched records that kept their order, with both ends as sentinels.
  std::vector<std::pair<int, int>> anchors = {{-1, -1}};
  for (std::size_t k = 0; k < keyed.size(); ++k) {
    if (kept[k]) {
      anchors.push_back(keyed[k]);
    } else {
      const auto [i, j] = keyed[k];
      add(ChangeKind::kMoved, j + 1,
          place(j + 1) + " moved from " + Number(i + 1) + ": " + view.label(b[j]));
    }
    compare(keyed[k].first, keyed[k].second);
  }
  anchors.emplace_back(na, nb);
  // Between two anchors the unmatched records pair up in order: an edited key is a
  // changed field, not a removal and an addition.
  for (std::size_t k = 0; k + 1 < anchors.size(); ++k) {
    std::vector<int> old_free, new_free;
    for (int i = anchors[k].first + 1; i < anchors[k + 1].first; ++i) {
      if (partner_of_a[i] < 0) old_free.push_back(i);
    }
    for (int j = anchors[k].second + 1; j < anchors[k + 1].second; ++j) {
      if (partner_of_b[j] < 0) new_free.push_back(j);
    }
    // Records that still look alike (same name, same network ids) pair first, so that a
    // removal beside an edit does not pair the wrong two.
    std::vector<bool> old_used(old_free.size(), false), new_used(new_free.size(), false);
    std::map<std::string, std::deque<std::size_t>> by_likeness;
    for (std::size_t q = 0; q < new_free.size(); ++q) {
      by_likeness[view.likeness(b[new_free[q]])].push_back(q);
    }
    for (std::size_t p = 0; p < old_free.size(); ++p) {
      const auto it = by_likeness.find(view.likeness(a[old_free[p]]));
      if (it == by_likeness.end() || it->second.empty()) continue;
      const std::size_t q = it->second.front();
      it->second.pop_front();
      old_used[p] = new_used[q] = true;
      compare(old_free[p], new_free[q]);
    }
    std::vector<int> old_rest, new_rest;
    for (std::size_t p = 0; p < old_free.size(); ++p) {
      if (!old_used[p]) old_rest.push_back(old_free[p]);
    }
    for (std::size_t q = 0; q < new_free.size(); ++q) {
      if (!new_used[q]) new_rest.push_back(new_free[q]);
    }
    const std::size_t paired = std::min(old_rest.size(), new_rest.size());
    for (std::size_t p = 0; p < paired; ++p) compare(old_rest[p], new_rest[p]);
    for (std::size_t p = paired; p < old_rest.size(); ++p) {
      const int i = old_rest[p];
      add(ChangeKind::kRemoved, i + 1, place(i + 1) + " removed: " + view.label(a[i]));
    }
    for (std::size_t p = paired; p < new_rest.size(); ++p) {
      const int j = new_rest[p];
      add(ChangeKind::kAdded, j + 1, place(j + 1) + " added: " + view.label(b[j]));
    }
  }
  std::stable_sort(changes.begin(), changes.end(),
                   [](const auto& x, const auto& y) { return x.first < y.first; });
  for (auto& [number, change] : changes) out.push_back(std::move(change));
}

// The transponder a TP names, as transponders are matched: a channel whose transponder
// only moved in the list, or changed another field, shows no change of its own.
std::string TransponderNamed(const TransponderTable& table, std::uint8_t tp) {
  if (ChannelKhz(table, tp) < 0) return Hex2(tp) + " (no transponder)";
  const TransponderRecord& t = table.records[tp - 1u];
  return Number(t.Khz()) + " kHz " +
         transponders::TransponderText(t, transponders::TransponderField::kPolarisation);
}

Fields ChannelFields(const ChannelRecord& record, const TransponderTable& table) {
  using channels::ChannelField;
  using channels::InfoOf;
  Fields fields = {{InfoOf(ChannelField::kName).name, ShownName(record)},
                   {InfoOf(ChannelField::kUse).name, Hex2(record.use)},
                   {InfoOf(ChannelField::kTp).name, TransponderNamed(table, record.tp)}};
  for (std::size_t w = 0; w < channels::kTcsWordCount; ++w) {
    fields.emplace_back(InfoOf(channels::WordField(w)).name, Number(record.words[w]));
  }
  return fields;
}

const char* Polarisation(const TransponderRecord& record) {
  return (record.flags & transponders::kFlagHorizontal) ? "H" : "V";
}

Fields TransponderFields(const TransponderRecord& record, const TransponderTable&) {
  std::string frequency = Number(record.Khz()) + " kHz";
  // The text line shows whole kHz; the Hz below them still count.
  if (record.frequency % 1000 != 0) frequency += " (+" + Number(record.frequency % 1000) + " Hz)";
  using transponders::InfoOf;
  using transponders::TransponderField;
  const bool known_fec = record.fec <= InfoOf(TransponderField::kFec).most;
  // The flag bits are compared as one byte: the bits no field shows count too.
  return {{InfoOf(TransponderField::kKhz).name, frequency},
          {InfoOf(TransponderField::kTid).name, Number(record.tid)},
          {InfoOf(TransponderField::kNid).name, Number(record.nid)},
          {InfoOf(TransponderField::kChn).name, Hex2(record.chn)},
          {InfoOf(TransponderField::kSr).name, Hex2(record.sr)},
          {InfoOf(TransponderField::kFec).name,
           known_fec ? std::string(record.FecText()) : Hex2(record.fec)},
          {"flags", Hex2(record.flags)}};
}

// Differing byte ranges of two stretches, at base within their block; offsets for which
// skip says so are not compared.
void DiffBytes(std::string_view a, std::string_view b, int block, std::int64_t base,
               const std::function<bool(std::int64_t)>& skip, std::vector<Change>& out) {
  const std::size_t size = std::min(a.size(), b.size());
  if (std::memcmp(a.data(), b.data(), size) == 0) return;
  std::vector<std::pair<std::int64_t, std::int64_t>> ranges;  // first, last
  for (std::size_t p = 0; p < size; ++p) {
    if (a[p] == b[p]) continue;
    const auto at = static_cast<std::int64_t>(p);
    if (skip && skip(at)) continue;
    if (!ranges.empty() && at - ranges.back().second - 1 < kRangeMergeGap) {
      ranges.back().second = at;
    } else {
      ranges.emplace_back(at, at);
    }
  }
  const std::string place =
      block == kPastBlocks ? std::string("past the blocks") : "block " + Number(block);
  const std::size_t digits = block == kPastBlocks ? 5 : 4;
  for (std::size_t r = 0; r < ranges.size() && r < kMaxRangesPerBlock; ++r) {
    out.push_back({ChangeKind::kBytes, block, 0,
                   place + " bytes " + Hex(base + ranges[r].first, digits) + "-" +
                       Hex(base + ranges[r].second, digits) + " changed"});
  }
  if (ranges.size() > kMaxRangesPerBlock) {
    out.push_back({ChangeKind::kMoreBytes, block, 0,
                   place + ": " +
                       Number(static_cast<std::int64_t>(ranges.size() - kMaxRangesPerBlock)) +
                       " more changed byte ranges"});
  }
}

const RecordView<ChannelRecord> kChannelView = {
    "channel",
    [](const ChannelRecord& r) {
      return ShownName(r) + " (SID " + Number(r.words[channels::kSid]) + ")";
    },
    ChannelFields,
    [](const ChannelRecord& r) { return std::string(r.name.data(), r.name.size()); }};

const RecordView<TransponderRecord> kTransponderView = {
    "transponder",
    [](const TransponderRecord& r) { return Number(r.Khz()) + " kHz " + Polarisation(r); },
    TransponderFields,
    [](const TransponderRecord& r) { return Number(r.tid) + "/" + Number(r.nid); }};

// A channel is the service (SID) on the transponder its TP points at, wherever that
// transponder sits in its list.
std::vector<Key> ChannelKeys(const std::vector<ChannelRecord>& records,
                             const TransponderTable& table) {
  std::vector<Key> keys;
  keys.reserve(records.size());
  for (const ChannelRecord& r : records) {
    keys.emplace_back(r.words[channels::kSid], ChannelKhz(table, r.tp));
  }
  return keys;
}

std::vector<Key> TransponderKeys(const std::vector<TransponderRecord>& records) {
  std::vector<Key> keys;
  keys.reserve(records.size());
  for (const TransponderRecord& r : records) {
    keys.emplace_back(r.Khz(), (r.flags & transponders::kFlagHorizontal) ? 1 : 0);
  }
  return keys;
}

// A name that runs on past its header is garbage after a few bytes: show its start.
std::string BlockName(const flash::BlockInfo& block) {
  constexpr std::size_t kShown = 32;
  if (block.name.size() <= kShown) return ShownBytes(block.name);
  return ShownBytes(std::string_view(block.name).substr(0, kShown)) + "\xE2\x80\xA6";  // "…"
}

class Differ {
 public:
  Differ(const flash::Workspace& a, const flash::Workspace& b)
      : a_(a), b_(b), a_table_(FirstTransponders(a)), b_table_(FirstTransponders(b)) {}

  std::vector<Change> Run() {
    if (a_.image().size() != b_.image().size()) {
      out_.push_back({ChangeKind::kSize, -1, 0,
                      "image size: " + Number(a_.image().size()) + kArrow +
                          Number(b_.image().size()) + " bytes"});
    }
    const int blocks = std::min(a_.block_count(), b_.block_count());
    for (int i = 0; i < blocks; ++i) Block(i);
    // Records that read the same (a TP moved between two equal transponders) still differ
    // in their bytes: changed images never read as equal.
    for (int i = 0; out_.empty() && i < blocks; ++i) {
      DiffBytes(flash::WholeBlockBytes(a_, a_.blocks()[static_cast<std::size_t>(i)]),
                flash::WholeBlockBytes(b_, b_.blocks()[static_cast<std::size_t>(i)]), i, 0, nullptr,
                out_);
    }
    const std::int64_t tail = static_cast<std::int64_t>(flash::BlockCount) * flash::BlockSize;
    if (a_.image().size() > tail && b_.image().size() > tail) {
      DiffBytes(std::string_view(a_.image().bytes).substr(tail),
                std::string_view(b_.image().bytes).substr(tail), kPastBlocks, tail, nullptr, out_);
    }
    return std::move(out_);
  }

 private:
  void Block(int index) {
    const flash::BlockInfo& old_block = a_.blocks()[static_cast<std::size_t>(index)];
    const flash::BlockInfo& new_block = b_.blocks()[static_cast<std::size_t>(index)];
    if (old_block.name != new_block.name) {
      out_.push_back({ChangeKind::kName, index, 0,
                      "block " + Number(index) + " name: " + BlockName(old_block) + kArrow +
                          BlockName(new_block)});
    }
    const flash::ListKind kind = flash::ListKindOf(old_block);
    const std::string old_bytes = flash::WholeBlockBytes(a_, old_block);
    const std::string new_bytes = flash::WholeBlockBytes(b_, new_block);
    if (kind == flash::ListKind::kOther || kind != flash::ListKindOf(new_block)) {
      DiffBytes(old_bytes, new_bytes, index, 0, nullptr, out_);
      return;
    }
    const std::string old_data = flash::BlockData(a_, old_block);
    const std::string new_data = flash::BlockData(b_, new_block);
    const auto size = static_cast<std::int64_t>(flash::RecordSize(kind));
    if (kind == flash::ListKind::kTcs) {
      const auto old_records = DecodeChannels(old_data), new_records = DecodeChannels(new_data);
      DiffRecords(kChannelView, index, old_records, ChannelKeys(old_records, a_table_), a_table_,
                  new_records, ChannelKeys(new_records, b_table_), b_table_, out_);
    } else {
      const auto old_records = DecodeTransponders(old_data);
      const auto new_records = DecodeTransponders(new_data);
      DiffRecords(kTransponderView, index, old_records, TransponderKeys(old_records), a_table_,
                  new_records, TransponderKeys(new_records), b_table_, out_);
    }
    // The name and length are reported above or follow from the records; the bytes
    // around them still count.
    const std::int64_t records_end =
        flash::DataOffset + std::max(static_cast<std::int64_t>(old_data.size()),
                                     static_cast<std::int64_t>(new_data.size())) /
                                size * size;
    DiffBytes(
        old_bytes, new_bytes, index, 0,
        [records_end](std::int64_t at) {
          return (at >= flash::NameOffset && at < flash::SpareOffset) ||
                 (at >= flash::DataOffset && at < records_end);
        },
        out_);
  }

  const flash::Workspace& a_;
  const flash::Workspace& b_;
  TransponderTable a_table_;
  TransponderTable b_table_;
  std::vector<Change> out_;
};

}  // namespace

std::vector<Change> DiffImages(const flash::Workspace& a, const flash::Workspace& b) {
  return Differ(a, b).Run();
}

}  // namespace chanforge::check
