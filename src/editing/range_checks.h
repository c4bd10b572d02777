// The checks made before a command on rows of a list: numbers, ranges, moves, room.
#pragma once

#include <cstddef>
#include <string>

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
// Why count channels cannot be inserted (the block would overflow), or an empty text.
std::string CheckInsertChannels(const ListDocument& document, std::size_t count);
// Why count transponders cannot be inserted, or an empty text.
std::string CheckInsertTransponders(const ListDocument& document, std::size_t count);
// The question asked before removing a transponder (0-based row) that channels use, or
// an empty text when none does. Yes removes the transponder and those channels.
std::string RemoveTransponderQuestion(const ListDocument& document, std::size_t row);
// The answer that removes them, for a front end that names its buttons.
std::string RemoveTransponderAnswer(const ListDocument& document, std::size_t row);

}  // namespace chanforge::editing
