// Positions and ranges as typed on the command line, read one way for every command.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace chanforge::cli {

// No list holds more records: a larger position is a typing error, not a place.
inline constexpr std::size_t kMostPosition = 65535;

// Digits only, from first to last. Anything else (a sign, a fraction, 0 for a 1-based
// number, more digits than any list) is a usage error that quotes what was typed: why
// not, or empty.
std::string CheckTypedNumber(std::string_view text, std::size_t first = 1,
                             std::size_t last = kMostPosition);

// Rows N to M of a list, 1-based.
struct Range {
  std::size_t first = 0;
  std::size_t last = 0;
};
// "N" or "N-M", each read as CheckTypedNumber reads it; why not in problem.
std::optional<Range> ParseRange(std::string_view text, std::string& problem);

}  // namespace chanforge::cli
