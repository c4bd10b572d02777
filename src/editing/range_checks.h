// The checks made before a command on rows of a list: numbers, ranges, moves, room.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "editing/list_document.h"

namespace chanforge::editing {

// Why a 1-based number is not in a list of size things, or an empty text.
std::string CheckNumber(std::size_t number, std::size_t size, const char* thing);
// Why rows first to last (1-based) are not a range of the list, or an empty text.
std::string CheckRange(std::size_t first, std::size_t last, std::size_t size, const char* thing);
// Why rows first to last (1-based) cannot move before row `before` (one past the last
// is the end), or an empty text.
std::string CheckMove(std::size_t first, std::size_t last, std::size_t before, std::size_t size,
                      const char* thing);
// Why rows (0-based, ascending) cannot each move one place up (step -1) or down (+1), or an
// empty text.
std::string CheckStep(const std::vector<std::size_t>& rows, int step, std::size_t size,
                      const char* thing);
// Why count channels cannot be inserted (the block would overflow), or an empty text.
std::string CheckInsertChannels(const ListDocument& document, std::size_t count);
// Why count transponders cannot be inserted, or an empty text.
std::string CheckInsertTransponders(const ListDocument& document, std::size_t count);
// The question asked before removing a transponder (0-based row) that channels use, or
// an empty text when none does. Yes removes the transponder and those channels.
std::string RemoveTransponderQuestion(const ListDocument& document, std::size_t row);
// The answer that removes them, for a front end that names its buttons.
std::string RemoveTransponderAnswer(const ListDocument& document, std::size_t row);
// The same for several transponders (0-based rows), asked once for all of them.
std::string RemoveTranspondersQuestion(const ListDocument& document,
                                       const std::vector<std::size_t>& rows);
std::string RemoveTranspondersAnswer(const ListDocument& document,
                                     const std::vector<std::size_t>& rows);

}  // namespace chanforge::editing
