// The editing commands on a ListDocument: every change to the lists, links kept.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/list_kind.h"
#include "editing/field_setters.h"
#include "editing/list_document.h"
#include "editing/range_checks.h"
#include "editing/undo_stack.h"

namespace chanforge::editing {

enum class SortKey { kName, kSid, kFrequency };

// The commands get their document when applied. Rows are 0-based; the factories expect
// rows that range_checks.h has passed.
std::unique_ptr<Command> SetChannel(std::size_t row, channels::ChannelField field,
                                    const channels::ChannelRecord& after);
// Several fields of one channel as one step named after them ("Change SID and VPID of
// channel 2"): each field with the record as it stands once that field is set.
std::unique_ptr<Command> SetChannelFields(
    std::size_t row,
    const std::vector<std::pair<channels::ChannelField, channels::ChannelRecord>>& steps);
// What an insert makes of its records: new channels, or copies of others (only the step's
// description differs).
enum class Inserted { kNew, kCopies };
// Inserts before row `position`.
std::unique_ptr<Command> InsertChannels(std::size_t position,
                                        std::vector<channels::ChannelRecord> records,
                                        Inserted inserted);
std::unique_ptr<Command> RemoveChannels(std::vector<std::size_t> rows);
std::unique_ptr<Command> MoveChannels(std::size_t first, std::size_t count, std::size_t before);
// Stable: equal keys keep their order.
std::unique_ptr<Command> SortChannels(SortKey key);
// Row i becomes the channel now at row order[i]; order names every row once.
std::unique_ptr<Command> ReorderChannels(std::vector<std::uint32_t> order,
                                         common::Message description);
// A channel to insert beside row `like` (none in an empty list): on its transponder (else
// the first) with its Use, no name and SID 0, for the user to fill in. Without a
// transponder to put it on: refused.
common::Result<channels::ChannelRecord> NewChannel(const ListDocument& document,
                                                   std::optional<std::size_t> like);

// The editor's Insert: a new row before `position` (0 to the list's size), a channel as
// NewChannel makes it beside row `like`, or a transponder at the lower band's edge (an
// all-zero record would read as an unused one). Duplicate: copies of the rows (0-based,
// sorted) behind the last of them, none for no rows. One step each; refused when the list
// has no room or a new channel no transponder.
common::Result<std::unique_ptr<Command>> InsertNewRow(const ListDocument& document,
                                                      common::ListKind list, std::size_t position,
                                                      std::optional<std::size_t> like);
common::Result<std::unique_ptr<Command>> DuplicateRows(const ListDocument& document,
                                                       common::ListKind list,
                                                       const std::vector<std::size_t>& rows);

// The editor's moves of a selection, in either list, as one step: the rows (0-based, in any
// order, gaps allowed) gathered in list order before row `before` (0 to the list's size),
// or each run of them one place up (step -1) or down (+1), past the row beside it; for a
// step, range_checks.h's CheckStep has passed them. Null when no row would change its
// place. Channels follow their transponders.
std::unique_ptr<Command> MoveRows(const ListDocument& document, common::ListKind list,
                                  std::vector<std::size_t> rows, std::size_t before);
std::unique_ptr<Command> StepRows(const ListDocument& document, common::ListKind list,
                                  std::vector<std::size_t> rows, int step);
// Where the rows of MoveRows stand afterwards.
std::vector<std::size_t> MovedRows(std::vector<std::size_t> rows, std::size_t before);
// What a move did, said after it for the status line, since a row may pass rows a find
// hides: "ZDF HD is now 61" (one channel, named), "Transponder 3 is now 4", "2 channels
// moved up one place" (a step of several, step -1 or +1) or "2 channels are now 5 to 6"
// (several moved together, step 0). from and to: the rows before and after, sorted.
common::Message MovedText(const ListDocument& document, common::ListKind list,
                          const std::vector<std::size_t>& from, const std::vector<std::size_t>& to,
                          int step);

std::unique_ptr<Command> SetTransponder(std::size_t row, transponders::TransponderField field,
                                        const transponders::TransponderRecord& after);
std::unique_ptr<Command> InsertTransponders(std::size_t position,
                                            std::vector<transponders::TransponderRecord> records);
// Removes the channels using it in the same step.
std::unique_ptr<Command> RemoveTransponder(std::size_t row);
// Removes several (0-based rows, any order) and the channels using any of them, as one step.
std::unique_ptr<Command> RemoveTransponders(std::vector<std::size_t> rows);
std::unique_ptr<Command> MoveTransponders(std::size_t first, std::size_t count, std::size_t before);

// Where the records at `rows` of `before` stand in `after` (records as their bytes), to keep
// a selection on them. A row keeps its place when it still holds its record or was edited in
// place (it holds one that `before` did not have); otherwise it goes to the nearest row
// holding its record that no other row took (a move, a sort, their undo); a record that is
// gone leaves the row where it was, or on the last row.
std::vector<std::size_t> FollowRecords(const std::vector<std::size_t>& rows,
                                       const std::vector<std::string>& before,
                                       const std::vector<std::string>& after);

// What a cell's editor gives: the text typed (UTF-8), or the value chosen from its list.
struct CellInput {
  std::string typed;
  std::optional<std::int64_t> chosen;
};
// The step that gives a field of a row the input, or its refusal; no step when the input
// changes nothing. A typed number is read as every road reads it, blanks around it left aside.
common::Result<std::unique_ptr<Command>> EditChannelCell(const ListDocument& document,
                                                         std::size_t row,
                                                         channels::ChannelField field,
                                                         const CellInput& input);
common::Result<std::unique_ptr<Command>> EditTransponderCell(const ListDocument& document,
                                                             std::size_t row,
                                                             transponders::TransponderField field,
                                                             const CellInput& input);

// Several commands as one step, applied in order and reverted in reverse.
std::unique_ptr<Command> GroupCommands(std::vector<std::unique_ptr<Command>> commands,
                                       common::Message description);

// Replaces the whole channel list (an import).
std::unique_ptr<Command> ReplaceChannels(std::vector<channels::ChannelRecord> records,
                                         common::Message description);
// Replaces the whole transponder list (an import). origins[i] is the 1-based position the
// new record i came from, 0 for a new one. Channels follow their transponder to the first
// record that came from it; the channels of a transponder no record came from are removed.
std::unique_ptr<Command> ReplaceTransponders(std::vector<transponders::TransponderRecord> records,
                                             std::vector<std::size_t> origins,
                                             common::Message description);
// What ReplaceTransponders does to the lists.
void ReplaceTransponderList(std::vector<channels::ChannelRecord>& channels,
                            std::vector<transponders::TransponderRecord>& transponders,
                            const std::vector<transponders::TransponderRecord>& records,
                            const std::vector<std::size_t>& origins);
// The 1-based positions of the transponders no record of a replacement comes from.
std::vector<std::size_t> DroppedTransponders(const ListDocument& document,
                                             const std::vector<std::size_t>& origins);

}  // namespace chanforge::editing
