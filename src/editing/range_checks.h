// The checks made before a command on rows of a list: numbers, ranges, moves, room.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/list_kind.h"
#include "common/message.h"
#include "editing/list_document.h"

namespace chanforge::editing {

// Whether a 1-based number is in a list of size records of the list.
common::Status CheckNumber(std::size_t number, std::size_t size, common::ListKind list);
// Whether rows first to last (1-based) are a range of the list.
common::Status CheckRange(std::size_t first, std::size_t last, std::size_t size,
                          common::ListKind list);
// Whether rows first to last (1-based) can move before row `before` (one past the last is
// the end).
common::Status CheckMove(std::size_t first, std::size_t last, std::size_t before, std::size_t size,
                         common::ListKind list);
// Whether rows (0-based, ascending) can each move one place up (step -1) or down (+1).
common::Status CheckStep(const std::vector<std::size_t>& rows, int step, std::size_t size,
                         common::ListKind list);
// Whether count channels can be inserted (the block would overflow).
common::Status CheckInsertChannels(const ListDocument& document, std::size_t count);
// Whether count transponders can be inserted.
common::Status CheckInsertTransponders(const ListDocument& document, std::size_t count);
// The question asked before removing a transponder (0-based row) that channels use, or
// an empty text when none does. Yes removes the transponder and those channels.
common::Message RemoveTransponderQuestion(const ListDocument& document, std::size_t row);
// The answer that removes them, for a front end that names its buttons.
common::Message RemoveTransponderAnswer(const ListDocument& document, std::size_t row);
// The same for several transponders (0-based rows), asked once for all of them.
common::Message RemoveTranspondersQuestion(const ListDocument& document,
                                           const std::vector<std::size_t>& rows);
common::Message RemoveTranspondersAnswer(const ListDocument& document,
                                         const std::vector<std::size_t>& rows);

}  // namespace chanforge::editing
