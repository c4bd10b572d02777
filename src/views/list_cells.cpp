#include "views/list_cells.h"

#include <algorithm>

#include "common/coding.h"
#include "common/text_lines.h"

namespace chanforge::views {

namespace {

using channels::ChannelField;
using common::ListKind;
using common::Message;
using common::Say;
using common::Value;
using common::Wording;
using transponders::TransponderField;

constexpr auto kChannelsHeading = Wording("cell.channels", "Channels");
constexpr auto kNoTransponder = Wording("cell.no-transponder", "{1} \u00b7 none");

constexpr std::size_t kChannelColumns = channels::kChannelFieldCount + 1;
constexpr std::size_t kChannelsColumn = transponders::kTransponderFieldCount + 1;

// The transponders a channel's TP can reach: its byte's range, and the list's used records.
std::size_t Reachable(std::span<const transponders::TransponderRecord> transponders) {
  return std::min(transponders.size(),
                  static_cast<std::size_t>(channels::InfoOf(ChannelField::kTp).most));
}

}  // namespace

std::size_t ColumnCount(ListKind kind) {
  return kind == ListKind::kChannels ? kChannelColumns : kChannelsColumn + 1;
}

std::optional<ChannelField> ChannelColumnField(std::size_t column) {
  if (column == kNrColumn || column >= kChannelColumns) return {};
  return static_cast<ChannelField>(column - 1);
}

std::optional<TransponderField> TransponderColumnField(std::size_t column) {
  if (column == kNrColumn || column >= kChannelsColumn) return {};
  return static_cast<TransponderField>(column - 1);
}

std::size_t ColumnOf(ChannelField field) { return static_cast<std::size_t>(field) + 1; }

Message ColumnHeading(ListKind kind, std::size_t column) {
  if (column == kNrColumn) return Say(common::kNrHeading);
  if (kind == ListKind::kChannels) {
    const std::optional<ChannelField> field = ChannelColumnField(column);
    return field ? common::ColumnTitle(channels::InfoOf(*field)) : Message{};
  }
  if (column == kChannelsColumn) return Say(kChannelsHeading);
  const std::optional<TransponderField> field = TransponderColumnField(column);
  return field ? common::ColumnTitle(transponders::InfoOf(*field)) : Message{};
}

CellAlign ColumnAlign(ListKind kind, std::size_t column) {
  if (kind == ListKind::kChannels) {
    return ChannelColumnField(column) == ChannelField::kName ? CellAlign::kLeft : CellAlign::kRight;
  }
  // A letter or a FEC reads best centred under its heading.
  const std::optional<TransponderField> field = TransponderColumnField(column);
  return field && !transponders::InfoOf(*field).texts.empty() ? CellAlign::kCenter
                                                              : CellAlign::kRight;
}

CellEditor ColumnEditor(ListKind kind, std::size_t column) {
  if (kind == ListKind::kChannels) {
    const std::optional<ChannelField> field = ChannelColumnField(column);
    if (!field) return CellEditor::kNone;
    if (*field == ChannelField::kName) return CellEditor::kName;
    const bool chosen = *field == ChannelField::kTp || !channels::InfoOf(*field).names.empty();
    return chosen ? CellEditor::kChoice : CellEditor::kNumber;
  }
  const std::optional<TransponderField> field = TransponderColumnField(column);
  if (!field) return CellEditor::kNone;
  return transponders::InfoOf(*field).texts.empty() ? CellEditor::kNumber : CellEditor::kChoice;
}

Message TransponderCell(std::uint8_t tp,
                        std::span<const transponders::TransponderRecord> transponders) {
  if (tp == 0 || tp > transponders.size()) return Say(kNoTransponder, {Value(tp)});
  return Value(transponders::TransponderLabel(tp, transponders[tp - 1u]));
}

Message UseCell(std::int64_t use) {
  if (const Wording* name = common::NameOfCode(channels::InfoOf(ChannelField::kUse), use)) {
    return Say(*name);
  }
  return Value(common::Hex2(static_cast<unsigned>(use)));
}

Message ChannelCell(std::size_t row, const channels::ChannelRecord& channel,
                    std::span<const transponders::TransponderRecord> transponders,
                    std::size_t column) {
  const std::optional<ChannelField> field = ChannelColumnField(column);
  if (!field) return column == kNrColumn ? Value(row + 1) : Message{};
  switch (*field) {
    case ChannelField::kName:
      return Value(channels::ShownName(channel));
    case ChannelField::kUse:
      return UseCell(channel.use);
    case ChannelField::kTp:
      return TransponderCell(channel.tp, transponders);
    default:
      return Value(channels::ChannelValue(channel, *field));
  }
}

Message TransponderCellText(std::size_t row, const transponders::TransponderRecord& transponder,
                            std::size_t channels_using, std::size_t column) {
  if (column == kNrColumn) return Value(row + 1);
  if (column == kChannelsColumn) return Value(channels_using);
  const std::optional<TransponderField> field = TransponderColumnField(column);
  return field ? Value(transponders::TransponderText(transponder, *field)) : Message{};
}

std::vector<CellChoice> ChannelChoices(
    const channels::ChannelRecord& channel,
    std::span<const transponders::TransponderRecord> transponders, std::size_t column) {
  std::vector<CellChoice> choices;
  const std::optional<ChannelField> field = ChannelColumnField(column);
  if (field == ChannelField::kTp) {
    const std::size_t reachable = Reachable(transponders);
    for (std::size_t tp = 1; tp <= reachable; ++tp) {
      choices.push_back({TransponderCell(static_cast<std::uint8_t>(tp), transponders),
                         static_cast<std::int64_t>(tp)});
    }
  } else if (field) {
    for (const common::CodeName& named : channels::InfoOf(*field).names) {
      choices.push_back({Say(named.name), named.code});
    }
  }
  if (field && !choices.empty()) {
    const std::int64_t value = channels::ChannelValue(channel, *field);
    const bool offered = std::any_of(choices.begin(), choices.end(), [&](const CellChoice& choice) {
      return choice.value == value;
    });
    if (!offered) choices.push_back({ChannelCell(0, channel, transponders, column), value});
  }
  return choices;
}

std::vector<CellChoice> TransponderChoices(std::size_t column) {
  std::vector<CellChoice> choices;
  const std::optional<TransponderField> field = TransponderColumnField(column);
  if (!field) return choices;
  const common::FieldInfo& info = transponders::InfoOf(*field);
  for (std::size_t code = 0; code < info.texts.size(); ++code) {
    choices.push_back({Value(info.texts[code]), static_cast<std::int64_t>(code)});
  }
  return choices;
}

std::string ChannelEditText(const channels::ChannelRecord& channel, std::size_t column) {
  const std::optional<ChannelField> field = ChannelColumnField(column);
  if (!field) return {};
  if (*field == ChannelField::kName) return common::Latin1ToUtf8(channels::NameText(channel));
  return std::to_string(channels::ChannelValue(channel, *field));
}

}  // namespace chanforge::views
