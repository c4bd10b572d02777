// What each cell of the two lists shows and offers: the headings, the texts, the choices and
// the alignment. The list editor draws them and the printed list prints them; neither decides
// a cell of its own, so a field or a use code is added here and in the field table only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "channels/channel_fields.h"
#include "common/list_kind.h"
#include "common/message.h"
#include "transponders/transponder_fields.h"

namespace chanforge::views {

// How a cell's value is typed: not at all (Nr, Channels), as a number, as a name, or
// chosen from a list.
enum class CellEditor { kNone, kNumber, kName, kChoice };
enum class CellAlign { kLeft, kCenter, kRight };

struct CellChoice {
  common::Message text;
  std::int64_t value = 0;
  bool operator==(const CellChoice&) const = default;
};

// A list's columns: the place in the list, the record's fields in their table's order, and
// for transponders how many channels use each.
inline constexpr std::size_t kNrColumn = 0;
std::size_t ColumnCount(common::ListKind kind);
common::Message ColumnHeading(common::ListKind kind, std::size_t column);
CellAlign ColumnAlign(common::ListKind kind, std::size_t column);
CellEditor ColumnEditor(common::ListKind kind, std::size_t column);
// The field of a column that shows one.
std::optional<channels::ChannelField> ChannelColumnField(std::size_t column);
std::optional<transponders::TransponderField> TransponderColumnField(std::size_t column);
// The column that shows a field.
std::size_t ColumnOf(channels::ChannelField field);

// A channel's transponder as a cell shows it: "23 · 11836 H", or "42 · none" when the number
// names no used transponder. `transponders` is the list up to its last used record.
common::Message TransponderCell(std::uint8_t tp,
                                std::span<const transponders::TransponderRecord> transponders);
// A use code as a cell shows it: its name, or the number ("0x0C").
common::Message UseCell(std::int64_t use);

// The text of a channel's cell; `row` is its place in the list, from 0.
common::Message ChannelCell(std::size_t row, const channels::ChannelRecord& channel,
                            std::span<const transponders::TransponderRecord> transponders,
                            std::size_t column);
// The text of a transponder's cell, with the count of channels that use it.
common::Message TransponderCellText(std::size_t row,
                                    const transponders::TransponderRecord& transponder,
                                    std::size_t channels_using, std::size_t column);

// What a chooser offers for a cell: every named use code, or every transponder a channel can
// name; a value that is none of them is offered too, as it is, so that it is kept unless
// another is chosen. A transponder's flags and FEC offer their texts.
std::vector<CellChoice> ChannelChoices(
    const channels::ChannelRecord& channel,
    std::span<const transponders::TransponderRecord> transponders, std::size_t column);
std::vector<CellChoice> TransponderChoices(std::size_t column);

// The value a cell's editor starts from, as text (UTF-8): the name without its padding, or
// the number; a chooser's value is ChannelValue or TransponderValue of the field.
std::string ChannelEditText(const channels::ChannelRecord& channel, std::size_t column);

}  // namespace chanforge::views
