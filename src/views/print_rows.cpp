#include "views/print_rows.h"

#include <algorithm>
#include <array>
#include <map>
#include <span>

#include "channels/channel_fields.h"
#include "common/file_access.h"
#include "common/list_kind.h"
#include "common/text_lines.h"
#include "transponders/transponder_fields.h"
#include "views/list_cells.h"

namespace chanforge::views {

namespace {

using channels::ChannelField;
using channels::ChannelRecord;
using transponders::TransponderRecord;

using common::Message;
using common::Say;
using common::Value;
using common::Wording;

constexpr auto kNotAColumn = Wording("print.not-a-column", "Column {1} is none of {2}.");
constexpr auto kTwice = Wording("print.twice", "Column {1} is named twice.");
constexpr auto kNoTransponder = Wording("print.no-transponder", "No transponder");
constexpr auto kDiseqc = Wording("print.diseqc", "DiSEqC {1}");
//: A printed group's title: its satellite or transponder, then its count of channels.
constexpr auto kGroupTitle = Wording("print.group-title", "{1} \u00b7 {2}");
constexpr auto kPage = Wording("print.page", "page {1} of {2}");

// The choice a name (any case) names: its place among the names.
template <typename Choice>
std::optional<Choice> Named(std::string_view name, std::span<const char* const> names) {
  const std::string upper = common::ToUpperAscii(common::TrimBlanks(name));
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (upper == common::ToUpperAscii(names[i])) return static_cast<Choice>(i);
  }
  return {};
}

// "nr", then the field table's names.
constexpr auto kColumnNames = [] {
  std::array<const char*, channels::kChannelFieldCount + 1> names{"nr"};
  for (std::size_t i = 0; i < channels::kChannelFieldCount; ++i) {
    names[i + 1] = channels::kChannelFields[i].name;
  }
  return names;
}();

}  // namespace

std::string PrintColumnsText(const std::vector<std::size_t>& columns) {
  std::string text;
  for (const std::size_t column : columns) {
    text += (text.empty() ? "" : ",") + std::string(kColumnNames[column]);
  }
  return text;
}

common::Result<std::vector<std::size_t>> ReadPrintColumns(std::string_view text) {
  std::vector<std::size_t> read;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view name = common::TrimBlanks(text.substr(0, comma));
    const std::optional<std::size_t> column = Named<std::size_t>(name, kColumnNames);
    if (!column) {
      std::string names;
      for (const char* known : kColumnNames) {
        names += (names.empty() ? "" : ", ") + std::string(known);
      }
      return Say(kNotAColumn, {Value(common::QuotedText(name)), Value(names)});
    }
    if (std::find(read.begin(), read.end(), *column) != read.end()) {
      return Say(kTwice, {Value(common::QuotedText(name))});
    }
    read.push_back(*column);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return read;
}

std::optional<PrintGroup> PrintGroupNamed(std::string_view name) {
  return Named<PrintGroup>(name, kPrintGroupNames);
}

std::optional<Paper> PaperNamed(std::string_view name) { return Named<Paper>(name, kPaperNames); }

PrintSource::PrintSource(const std::vector<ChannelRecord>& channels,
                         const std::vector<TransponderRecord>& transponders,
                         const PrintChoices& choices, const std::string& image_file,
                         const std::string& date)
    : channels_(channels),
      used_(transponders.data(), transponders::UsedCount(transponders)),
      columns_(choices.columns) {
  list_.file_name = common::PathOf(image_file).filename().string();
  list_.date = date;
  list_.count = common::CountOf(common::ListKind::kChannels, channels.size());
  for (const std::size_t column : choices.columns) {
    list_.headings.push_back(ColumnHeading(common::ListKind::kChannels, column));
    list_.numbers.push_back(ColumnAlign(common::ListKind::kChannels, column) == CellAlign::kRight);
    if (ChannelColumnField(column) == ChannelField::kTp && tp_cells_.empty()) {
      tp_cells_.resize(256);  // a TP is one byte
      for (const ChannelRecord& channel : channels) {
        std::optional<Message>& cell = tp_cells_[channel.tp];
        if (!cell) cell = TransponderCell(channel.tp, used_);
      }
    }
  }
  // Groups by key, in key order; a channel on no transponder gathers under the largest key.
  constexpr int kNoTransponderKey = 1 << 16;
  const auto key_of = [&](const ChannelRecord& channel) {
    if (choices.group == PrintGroup::kNone) return 0;
    if (channel.tp == 0 || channel.tp > used_.size()) return kNoTransponderKey;
    const TransponderRecord* t = &used_[channel.tp - 1u];
    return choices.group == PrintGroup::kTransponder      ? static_cast<int>(channel.tp)
           : (t->flags & transponders::kFlagDiseqcB) != 0 ? 1
                                                          : 0;
  };
  std::map<int, std::vector<std::size_t>> groups;
  for (std::size_t i = 0; i < channels.size(); ++i) groups[key_of(channels[i])].push_back(i);
  const auto title_of = [&](int key) -> Message {
    if (key == kNoTransponderKey) return Say(kNoTransponder);
    if (choices.group == PrintGroup::kInput) {
      return Say(kDiseqc, {Value(transponders::kDiseqcTexts[key])});
    }
    return TransponderCell(static_cast<std::uint8_t>(key), used_);
  };
  for (auto& [key, members] : groups) {
    PrintedGroup& group = list_.groups.emplace_back();
    if (choices.group != PrintGroup::kNone) {
      group.title =
          Say(kGroupTitle,
              {title_of(key), common::CountOf(common::ListKind::kChannels, members.size())});
    }
    // An input is a satellite: each on a sheet of its own.
    group.new_page = choices.group == PrintGroup::kInput && list_.groups.size() > 1;
    members_.push_back(std::move(members));
  }
}

void PrintSource::Cells(std::size_t group, std::size_t row, std::vector<Message>& cells) const {
  const std::size_t i = members_[group][row];
  cells.clear();
  for (const std::size_t column : columns_) {
    if (!tp_cells_.empty() && ChannelColumnField(column) == ChannelField::kTp) {
      cells.push_back(*tp_cells_[channels_[i].tp]);
    } else {
      cells.push_back(ChannelCell(i, channels_[i], used_, column));
    }
  }
}

PrintedList PrintRows(const std::vector<ChannelRecord>& channels,
                      const std::vector<TransponderRecord>& transponders,
                      const PrintChoices& choices, const std::string& image_file,
                      const std::string& date) {
  const PrintSource source(channels, transponders, choices, image_file, date);
  PrintedList list = source.list();
  for (std::size_t g = 0; g < list.groups.size(); ++g) {
    std::vector<std::vector<Message>>& rows = list.groups[g].rows;
    rows.resize(source.rows(g));
    for (std::size_t r = 0; r < rows.size(); ++r) source.Cells(g, r, rows[r]);
  }
  return list;
}

Message PageText(int page, int pages) { return Say(kPage, {Value(page), Value(pages)}); }

}  // namespace chanforge::views
