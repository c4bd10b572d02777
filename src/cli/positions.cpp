#include "cli/positions.h"

#include <algorithm>
#include <charconv>

#include "common/text_lines.h"

namespace chanforge::cli {

namespace {

enum class NumberFault { kNone, kZero, kOther };

// Only digits, in range: no sign, blank, fraction, "0x" or exponent slips through as
// another number, and no value wraps.
NumberFault FaultOf(std::string_view text, std::size_t first, std::size_t last) {
  std::size_t value = 0;
  const bool digits = !text.empty() && std::all_of(text.begin(), text.end(),
                                                   [](char c) { return c >= '0' && c <= '9'; });
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (!digits || error != std::errc() || end != text.data() + text.size()) {
    return NumberFault::kOther;
  }
  if (value == 0 && first == 1) return NumberFault::kZero;
  return value >= first && value <= last ? NumberFault::kNone : NumberFault::kOther;
}

// The message for a faulty part of what was typed.
std::string Problem(std::string_view typed, std::string_view part, NumberFault fault,
                    std::size_t first, std::size_t last) {
  if (fault == NumberFault::kNone) return {};
  std::string text = common::QuotedText(typed) + ": ";
  if (fault == NumberFault::kZero) return text + "numbers start at 1";
  if (part == typed) text.clear();
  return text + common::QuotedText(part) + " is not a whole number from " + std::to_string(first) +
         " to " + std::to_string(last);
}

}  // namespace

std::string CheckTypedNumber(std::string_view text, std::size_t first, std::size_t last) {
  return Problem(text, text, FaultOf(text, first, last), first, last);
}

std::optional<Range> ParseRange(std::string_view text, std::string& problem) {
  // A leading minus is a sign, which the number refuses, not a dash.
  const std::size_t dash = text.find('-', 1);
  const std::string_view parts[] = {text.substr(0, dash), dash == std::string_view::npos
                                                              ? text.substr(0, dash)
                                                              : text.substr(dash + 1)};
  Range range;
  std::size_t* values[] = {&range.first, &range.last};
  for (std::size_t i = 0; i < 2; ++i) {
    problem = Problem(text, parts[i], FaultOf(parts[i], 1, kMostPosition), 1, kMostPosition);
    if (!problem.empty()) return std::nullopt;
    std::from_chars(parts[i].data(), parts[i].data() + parts[i].size(), *values[i]);
  }
  return range;
}

}  // namespace chanforge::cli
