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
constexpr auto kNr = Wording("print.nr", "Nr");
constexpr auto kNoTransponder = Wording("print.no-transponder", "No transponder");
constexpr auto kDiseqc = Wording("print.diseqc", "DiSEqC {1}");
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

ChannelField FieldOf(PrintColumn column) {
  return static_cast<ChannelField>(static_cast<int>(column) - 1);
}

// "nr", then the field table's names.
constexpr auto kColumnNames = [] {
  std::array<const char*, channels::kChannelFieldCount + 1> names{"nr"};
  for (std::size_t i = 0; i < channels::kChannelFieldCount; ++i) {
    names[i + 1] = channels::kChannelFields[i].name;
  }
  return names;
}();

// The transponder a channel's TP names, or null when it names no used record.
const TransponderRecord* TransponderOf(const std::vector<TransponderRecord>& transponders,
                                       std::uint8_t tp) {
  if (tp == 0 || tp > transponders.size() || transponders[tp - 1u].IsEmpty()) return nullptr;
  return &transponders[tp - 1u];
}

std::string TransponderText(const std::vector<TransponderRecord>& transponders, std::uint8_t tp) {
  const TransponderRecord* t = TransponderOf(transponders, tp);
  return t ? transponders::TransponderLabel(tp, *t) : std::to_string(tp) + " (no transponder)";
}

}  // namespace

std::string PrintColumnsText(const std::vector<PrintColumn>& columns) {
  std::string text;
  for (const PrintColumn column : columns) {
    text += (text.empty() ? "" : ",") + std::string(kColumnNames[static_cast<std::size_t>(column)]);
  }
  return text;
}

Message ReadPrintColumns(std::string_view text, std::vector<PrintColumn>& columns) {
  std::vector<PrintColumn> read;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view name = common::TrimBlanks(text.substr(0, comma));
    const std::optional<PrintColumn> column = Named<PrintColumn>(name, kColumnNames);
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
  columns = std::move(read);
  return {};
}

Message PrintHeading(PrintColumn column) {
  return column == PrintColumn::kNr ? Say(kNr)
                                    : common::ColumnTitle(channels::InfoOf(FieldOf(column)));
}

std::optional<PrintGroup> PrintGroupNamed(std::string_view name) {
  return Named<PrintGroup>(name, kPrintGroupNames);
}

std::optional<Paper> PaperNamed(std::string_view name) { return Named<Paper>(name, kPaperNames); }

PrintedList PrintRows(const std::vector<ChannelRecord>& channels,
                      const std::vector<TransponderRecord>& transponders,
                      const PrintChoices& choices, const std::string& image_file,
                      const std::string& date) {
  PrintedList list;
  list.file_name = common::PathOf(image_file).filename().string();
  list.date = date;
  list.count = common::CountOf(common::ListKind::kChannels, channels.size());
  for (const PrintColumn column : choices.columns) {
    list.headings.push_back(PrintHeading(column));
    list.numbers.push_back(column == PrintColumn::kNr ||
                           channels::InfoOf(FieldOf(column)).base != 0);
  }
  // Groups by key, in key order; a channel on no transponder gathers under the largest key.
  constexpr int kNoTransponderKey = 1 << 16;
  const auto key_of = [&](const ChannelRecord& channel) {
    const TransponderRecord* t = TransponderOf(transponders, channel.tp);
    if (choices.group == PrintGroup::kNone) return 0;
    if (!t) return kNoTransponderKey;
    return choices.group == PrintGroup::kTransponder      ? static_cast<int>(channel.tp)
           : (t->flags & transponders::kFlagDiseqcB) != 0 ? 1
                                                          : 0;
  };
  std::map<int, PrintedGroup> groups;
  for (std::size_t i = 0; i < channels.size(); ++i) {
    const ChannelRecord& channel = channels[i];
    std::vector<std::string>& row = groups[key_of(channel)].rows.emplace_back();
    for (const PrintColumn column : choices.columns) {
      if (column == PrintColumn::kNr) {
        row.push_back(std::to_string(i + 1));
      } else if (column == PrintColumn::kName) {
        row.push_back(channels::ShownName(channel));
      } else if (column == PrintColumn::kTp) {
        row.push_back(TransponderText(transponders, channel.tp));
      } else {
        row.push_back(channels::ChannelText(channel, FieldOf(column)));
      }
    }
  }
  const auto title_of = [&](int key) -> Message {
    if (key == kNoTransponderKey) return Say(kNoTransponder);
    if (choices.group == PrintGroup::kInput) {
      return Say(kDiseqc, {Value(transponders::kDiseqcTexts[key])});
    }
    return Value(TransponderText(transponders, static_cast<std::uint8_t>(key)));
  };
  for (auto& [key, group] : groups) {
    if (choices.group != PrintGroup::kNone) {
      group.title =
          Say(kGroupTitle,
              {title_of(key), common::CountOf(common::ListKind::kChannels, group.rows.size())});
    }
    // An input is a satellite: each on a sheet of its own.
    group.new_page = choices.group == PrintGroup::kInput && !list.groups.empty();
    list.groups.push_back(std::move(group));
  }
  return list;
}

Message PageText(int page, int pages) { return Say(kPage, {Value(page), Value(pages)}); }

}  // namespace chanforge::views
