#include "common/text_columns.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <type_traits>
#include <vector>

#include "common/text_lines.h"

namespace chanforge::common {

namespace {

constexpr auto kRecordNumber = Wording("columns.record-number", "the record number");
constexpr auto kTheName = Wording("columns.the-name", "the name");
constexpr auto kMovesLeft =
    Wording("columns.moves-left", "{1}: {2} and the columns behind it move {3} to the left");
constexpr auto kMovesRight =
    Wording("columns.moves-right", "{1}: {2} and the columns behind it move {3} to the right");
constexpr auto kNumberEnds =
    Wording("columns.number-ends", "the record number {1} ends in column {2}, not {3}");
constexpr auto kNameTakes =
    Wording("columns.name-takes", "the name {1} and its blanks take {2} columns, not {3}");
constexpr auto kTokenWide =
    Wording("columns.token-wide", "{1} {2} is {3} characters wide, not {4}");
constexpr auto kGapWide =
    Wording("columns.gap-wide", "the gap before {1} is {2} columns wide, not {3}");
constexpr auto kLineEnds =
    Wording("columns.line-ends", "the line ends in column {1}: {2} are missing");
constexpr auto kNotBlank = Wording("columns.not-blank", "column {1} is not a blank");
constexpr auto kNotRead = Wording("columns.not-read", "text after column {1} is not read");
//: A field's heading, then the value read back: "Frequency 11500".
constexpr auto kFieldValue = Wording("columns.field-value", "{1} {2}");
//: A list of fields cut short: "Name Sky, …".
constexpr auto kAndSoOn = Wording("columns.and-so-on", "{1}, \u2026");
constexpr auto kFixedHolds = Wording("columns.fixed-holds", "column {1} holds {2}, not {3}");
constexpr auto kMissing = Wording("columns.missing", "{1} is missing");
constexpr auto kBlank = Wording("columns.blank", "{1} is blank");
constexpr auto kNotHex = Wording("columns.not-hex", "{1} {2} is not a hex number");
constexpr auto kTab = Wording(
    "columns.tab", "column {1} holds a tab, one column however wide an editor shows it; {2}");
constexpr auto kAndStoredAs =
    Wording("columns.and-stored-as", "{1}, and it would be stored as {2}");
constexpr auto kStoredAs = Wording("columns.stored-as", "{1}: it would be stored as {2}");

std::size_t EndOf(const TextColumn& column) { return column.start + column.width; }

// A field whose column holds any text: the channel's name.
bool IsFreeText(const TextColumn& column) {
  return column.field != nullptr && column.field->base == 0 && column.field->texts.empty();
}

// Bytes of a line in a message: quoted, one character a byte, no control byte raw.
Message Shown(std::string_view text) { return Value(QuotedText(LineForMessage(text))); }

// The value of digits in a base, or nothing for any other text. The columns are at most
// eight characters wide: no overflow.
std::optional<std::int64_t> NumberIn(std::string_view text, int base) {
  if (text.empty() || text.size() > 9) return {};
  std::int64_t value = 0;
  for (const char c : text) {
    // Unsigned, so that one test each keeps a digit's range: every line checks its columns.
    const auto decimal = static_cast<unsigned>(c - '0');
    const auto letter = static_cast<unsigned>((c | 0x20) - 'a');  // either case
    if (decimal < 10) {
      value = value * base + decimal;
    } else if (base == 16 && letter < 6) {
      value = value * 16 + 10 + letter;
    } else {
      return {};
    }
  }
  return value;
}

// Why a value is not one its column stores as written, as ValueProblem words it.
enum class ValueFault { kNone, kEmpty, kNotOneOf, kNotANumber, kOutsideRange };

ValueFault FaultOf(const TextColumn& column, std::string_view value) {
  const FieldInfo& info = *column.field;
  if (IsFreeText(column) || (value.empty() && column.optional)) return ValueFault::kNone;
  if (value.empty()) return ValueFault::kEmpty;
  if (!info.texts.empty())
    return ChoiceCode(info, value) ? ValueFault::kNone : ValueFault::kNotOneOf;
  const std::optional<std::int64_t> number = NumberIn(value, info.base);
  if (!number) return ValueFault::kNotANumber;
  if (column.ranged && (*number < info.least || *number > info.most)) {
    return ValueFault::kOutsideRange;
  }
  return ValueFault::kNone;
}

// Whether ColumnProblem finds nothing, told without composing what it would say: every line
// of a file is asked.
bool ColumnFits(const TextColumn& column, std::string_view line) {
  const std::string_view text = Column(line, column.start, column.width);
  if (column.field == nullptr) {
    return column.fixed == '\0' || text == std::string_view(&column.fixed, 1);
  }
  return FaultOf(column, TrimBlanks(text)) == ValueFault::kNone;
}

// A run of the line between blanks (tabs count as blanks here: they part what they stand in).
struct Span {
  std::size_t start = 0;
  std::size_t end = 0;
};

// Bit i set where byte i of the eight is a blank or a tab, found in all eight at once.
std::uint64_t BlankBits(const char* eight) {
  std::uint64_t word;  // byte i in bits 8i to 8i+7
  std::memcpy(&word, eight, sizeof word);
  if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F, kOnes = 0x0101010101010101;
  const auto zero_bytes = [](std::uint64_t x) {  // 0x80 in each byte that is zero, exactly
    return ~(((x & kLow7) + kLow7) | x | kLow7);
  };
  const std::uint64_t marks = zero_bytes(word ^ (kOnes * ' ')) | zero_bytes(word ^ (kOnes * '\t'));
  // Each byte's mark to bit i: the multiplication adds the eight marks without a carry.
  return ((marks >> 7) * 0x0102040810204080) >> 56;
}

// Bit i set where byte i of the count (at most 64) is a blank or a tab; past them, all set.
std::uint64_t BlankBits(const char* bytes, std::size_t count) {
  std::uint64_t blank = count < 64 ? ~std::uint64_t{0} << count : 0;
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) blank |= BlankBits(bytes + i) << i;
  if (i < count) {
    char last[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    std::copy_n(bytes + i, count - i, last);
    blank |= BlankBits(last) << i;
  }
  return blank;
}

// The line's tokens, in a list kept for the next line: every line that does not read as
// written is placed, and a conversion may have a million of them. The blanks are marked as
// bits, 64 bytes at a time, and the tokens read off where the marks change: a test of each
// byte would guess wrong at every token's edge.
const std::vector<Span>& WrittenTokens(std::string_view line) {
  thread_local std::vector<Span> tokens;
  tokens.clear();
  std::uint64_t after_blank = 1;  // the line starts as if behind a blank
  std::size_t start = 0;
  for (std::size_t base = 0; base < line.size(); base += 64) {
    const std::uint64_t blank =
        BlankBits(line.data() + base, std::min<std::size_t>(64, line.size() - base));
    for (std::uint64_t edges = blank ^ (blank << 1 | after_blank); edges != 0; edges &= edges - 1) {
      const auto at = static_cast<std::size_t>(std::countr_zero(edges));
      if ((blank >> at & 1) != 0) {
        tokens.push_back({start, base + at});
      } else {
        start = base + at;
      }
    }
    after_blank = blank >> 63;
  }
  if (after_blank == 0) tokens.push_back({start, line.size()});
  return tokens;
}

// A list of at most a layout's columns, held in place rather than allocated for each line.
template <typename T>
class ColumnList {
 public:
  static constexpr std::size_t kMost = 16;  // more than any list's layout has
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);
  void push_back(const T& item) { items_.at[size_++] = item; }
  void resize(std::size_t size) {
    for (std::size_t i = size_; i < size; ++i) items_.at[i] = T{};
    size_ = size;
  }
  T& back() { return items_.at[size_ - 1]; }
  bool empty() const { return size_ == 0; }
  std::size_t size() const { return size_; }
  T& operator[](std::size_t i) { return items_.at[i]; }
  const T& operator[](std::size_t i) const { return items_.at[i]; }
  const T* begin() const { return items_.at; }
  const T* end() const { return items_.at + size_; }

 private:
  // Only the first size_ are set: the lists are made for every line, and a kilobyte set to
  // zero each time would cost more than the rest of the placing.
  union Items {
    Items() {}
    T at[kMost];
  } items_;
  std::size_t size_ = 0;
};

// Columns the formatter writes without a blank between them: one token of the line.
struct LayoutToken {
  std::size_t first = 0;  // index of its first column
  std::size_t last = 0;   // and of its last
  Span span;
};

void AddTokensOf(std::span<const TextColumn> layout, ColumnList<LayoutToken>& tokens) {
  for (std::size_t i = 0; i < layout.size(); ++i) {
    if (!tokens.empty() && tokens.back().span.end == layout[i].start) {
      tokens.back().last = i;
      tokens.back().span.end = EndOf(layout[i]);
    } else {
      tokens.push_back({i, i, {layout[i].start, EndOf(layout[i])}});
    }
  }
}

// Where each layout token stands in the line as written, when the line has as many tokens
// as the layout (the name takes any number, the last optional token may be missing).
struct Placement {
  ColumnList<LayoutToken> layout;
  ColumnList<std::optional<Span>> written;  // by layout token; the name's is its column
  ColumnList<std::size_t> token_of;         // by column: its layout token
};

// Fills placement, which the caller keeps (a placement is a kilobyte, and a long list places
// every line); false when the line's tokens cannot stand for the layout's.
bool Place(std::span<const TextColumn> layout, std::string_view line, Placement& placement) {
  if (layout.size() > ColumnList<LayoutToken>::kMost) return false;
  ColumnList<LayoutToken>& tokens = placement.layout;
  AddTokensOf(layout, tokens);
  placement.token_of.resize(layout.size());
  for (std::size_t k = 0; k < tokens.size(); ++k) {
    for (std::size_t i = tokens[k].first; i <= tokens[k].last; ++i) placement.token_of[i] = k;
  }
  const std::vector<Span>& written = WrittenTokens(line);
  const std::size_t n = tokens.size();
  const auto free = std::find_if(tokens.begin(), tokens.end(), [&](const LayoutToken& token) {
    return IsFreeText(layout[token.first]);
  });
  placement.written.resize(n);
  if (free == tokens.end()) {
    const bool last_missing = written.size() + 1 == n && layout.back().optional;
    if (written.size() != n && !last_missing) return false;
    for (std::size_t k = 0; k < written.size(); ++k) placement.written[k] = written[k];
    return true;
  }
  const auto f = static_cast<std::size_t>(free - tokens.begin());
  const std::size_t after = n - f - 1;
  if (written.size() + 1 < n || f == 0 || after == 0) return false;
  for (std::size_t k = 0; k < f; ++k) placement.written[k] = written[k];
  for (std::size_t j = 0; j < after; ++j) {
    placement.written[f + 1 + j] = written[written.size() - after + j];
  }
  // The name's column as written: from behind the token before it up to the one after.
  placement.written[f] =
      Span{placement.written[f - 1]->end + 1,
           std::max(placement.written[f - 1]->end + 1, placement.written[f + 1]->start - 1)};
  return true;
}

Message Label(const TextColumn& column) {
  if (column.field == nullptr) return Say(kRecordNumber);
  if (IsFreeText(column)) return Say(kTheName);
  return HeadingOf(*column.field);
}

Message TokenText(std::string_view line, Span span) {
  return Shown(line.substr(span.start, span.end - span.start));
}

// "CAUSE: SID and the columns behind it move 1 to the left".
Message Moves(Message cause, Message what, long by) {
  return Say(by < 0 ? kMovesLeft : kMovesRight,
             {std::move(cause), std::move(what), Value(by < 0 ? -by : by)});
}

// The token that moves the ones behind it, in words, or empty when every token stands where
// the layout puts it.
Message ShiftCause(std::span<const TextColumn> layout, const Placement& placement,
                   std::string_view line) {
  const ColumnList<LayoutToken>& tokens = placement.layout;
  for (std::size_t k = 0; k < tokens.size(); ++k) {
    const TextColumn& column = layout[tokens[k].first];
    const std::optional<Span>& written = placement.written[k];
    if (!written || IsFreeText(column)) continue;
    const Span expected = tokens[k].span;
    const auto width = [](Span span) { return span.end - span.start; };
    if (column.field == nullptr && column.fixed == '\0') {
      // The record number is right-aligned: only its end counts.
      if (written->end == expected.end || k + 1 == tokens.size()) continue;
      return Moves(
          Say(kNumberEnds, {TokenText(line, *written), Value(written->end), Value(expected.end)}),
          Label(layout[tokens[k + 1].first]),
          static_cast<long>(written->end) - static_cast<long>(expected.end));
    }
    if (written->start != expected.start) {
      const LayoutToken& before = tokens[k - 1];
      const TextColumn& before_column = layout[before.first];
      const Span before_written = *placement.written[k - 1];
      Message cause;
      if (IsFreeText(before_column)) {
        const std::string_view name = TrimBlanks(
            line.substr(before_written.start, before_written.end - before_written.start));
        const std::size_t taken = std::max(written->start, before.span.start + 1) - 1;
        cause = Say(kNameTakes,
                    {Shown(name), Value(taken - before.span.start), Value(width(before.span))});
      } else if (width(before_written) != width(before.span)) {
        cause = Say(kTokenWide, {Label(before_column), TokenText(line, before_written),
                                 Value(width(before_written)), Value(width(before.span))});
      } else {
        cause = Say(kGapWide, {Label(column), Value(written->start - before_written.end),
                               Value(expected.start - before.span.end)});
      }
      return Moves(std::move(cause), Label(column),
                   static_cast<long>(written->start) - static_cast<long>(expected.start));
    }
    if (width(*written) != width(expected) && k + 1 == tokens.size()) {
      return Say(kTokenWide, {Label(column), TokenText(line, *written), Value(width(*written)),
                              Value(width(expected))});
    }
  }
  return {};
}

// The first gap, column or text past the end that is not as the layout has it.
Message FirstProblem(std::span<const TextColumn> layout, std::string_view line) {
  const std::size_t used = line.find_last_not_of(' ') + 1;
  std::vector<Message> missing;
  for (const TextColumn& column : layout) {
    if (column.field != nullptr && !column.optional && !IsFreeText(column) &&
        column.start >= used) {
      missing.push_back(HeadingOf(*column.field));
    }
  }
  if (missing.size() > 1) {
    return Say(kLineEnds, {Value(used), Listed(std::move(missing), kAnd)});
  }
  std::size_t at = 0;
  for (const TextColumn& column : layout) {
    for (std::size_t p = at; p < column.start && p < line.size(); ++p) {
      if (line[p] != ' ') return Say(kNotBlank, {Value(p + 1)});
    }
    if (Message problem = ColumnProblem(column, line); !problem.empty()) return problem;
    at = EndOf(column);
  }
  return used > at ? Say(kNotRead, {Value(at)}) : Message();
}

// A column's value as its text: the same number, text or choice.
bool SameValue(const TextColumn& column, std::string_view meant, std::string_view back) {
  const FieldInfo& info = *column.field;
  if (IsFreeText(column)) return meant == back;
  if (!info.texts.empty()) {
    const std::optional<std::int64_t> code = ChoiceCode(info, meant);
    return code && code == ChoiceCode(info, back);
  }
  const std::optional<std::int64_t> number = NumberIn(meant, info.base);
  return number && number == NumberIn(back, info.base);
}

// The value as the read-back line shows it: a decimal number without its leading zeros.
Message BackValue(const TextColumn& column, std::string_view back) {
  if (IsFreeText(column)) return Shown(back);
  if (column.field->base == 10) {
    const std::size_t digit = std::min(back.find_first_not_of('0'), back.size() - 1);
    return Value(std::string(back.substr(digit)));
  }
  return Value(std::string(back));
}

// What the line meant for a column: the text of its token where the tokens stand in the
// layout's order, else the column's own text; nothing for an optional column left out.
std::optional<std::string_view> Meant(std::span<const TextColumn> layout, std::size_t index,
                                      std::string_view line, const Placement* placement) {
  const TextColumn& column = layout[index];
  if (!placement) {
    const std::string_view text = TrimBlanks(Column(line, column.start, column.width));
    if (column.optional && text.empty()) return {};
    return text;
  }
  const std::size_t k = placement->token_of[index];
  const LayoutToken* token = &placement->layout[k];
  const std::optional<Span>& written = placement->written[k];
  if (!written) return {};
  std::string_view meant = line.substr(written->start, written->end - written->start);
  if (token->first != token->last) {
    meant = meant.substr(std::min(meant.size(), column.start - token->span.start), column.width);
  }
  return TrimBlanks(meant);
}

// Whether the tokens tell one story: every one holds a value its column takes, and from the
// first that stands elsewhere than the layout puts it, all stand off by the same. Else the
// columns say more than the tokens' order.
bool PlacementHolds(std::span<const TextColumn> layout, std::string_view line,
                    const Placement& placement) {
  std::optional<long> off;
  for (std::size_t k = 0; k < placement.layout.size(); ++k) {
    const std::optional<Span>& written = placement.written[k];
    const LayoutToken& token = placement.layout[k];
    if (!written || IsFreeText(layout[token.first])) continue;
    // The record number is right-aligned: its end tells.
    const long by = layout[token.first].field == nullptr && layout[token.first].fixed == '\0'
                        ? static_cast<long>(written->end) - static_cast<long>(token.span.end)
                        : static_cast<long>(written->start) - static_cast<long>(token.span.start);
    if (off ? by != *off : by != 0) {
      if (off) return false;
      off = by;
    }
  }
  for (std::size_t i = 0; i < layout.size(); ++i) {
    if (layout[i].field == nullptr) continue;
    const std::optional<std::string_view> meant = Meant(layout, i, line, &placement);
    if (meant && FaultOf(layout[i], *meant) != ValueFault::kNone) return false;
  }
  return true;
}

// Calls differs(column, shown) for each field that the read-back line gives otherwise than
// the line meant it, in the layout's order, until it returns false.
template <typename Differs>
void VisitStoredOtherwise(std::span<const TextColumn> layout, std::string_view line,
                          std::string_view back, const Placement* placement, Differs differs) {
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const TextColumn& column = layout[i];
    if (column.field == nullptr) continue;
    const std::optional<std::string_view> meant = Meant(layout, i, line, placement);
    if (!meant) continue;
    const std::string_view shown = TrimBlanks(Column(back, column.start, column.width));
    if (!SameValue(column, *meant, shown) && !differs(column, shown)) return;
  }
}

// "Use 00, TP 04, SID 10": the fields that the read-back line gives otherwise than the line
// meant them, the first four of them.
Message StoredOtherwise(std::span<const TextColumn> layout, std::string_view line,
                        std::string_view back, const Placement* placement) {
  constexpr std::size_t kNamed = 4;
  std::vector<Message> items;
  VisitStoredOtherwise(
      layout, line, back, placement, [&](const TextColumn& column, std::string_view shown) {
        items.push_back(Say(kFieldValue, {HeadingOf(*column.field), BackValue(column, shown)}));
        return items.size() <= kNamed;
      });
  const bool more = items.size() > kNamed;
  if (more) items.resize(kNamed);
  Message named = Joined(std::move(items), kCommas);
  return more ? Say(kAndSoOn, {std::move(named)}) : named;
}

// Where a line's tokens stand, in placement, when they tell one story; else null.
const Placement* HoldingPlacement(std::span<const TextColumn> layout, std::string_view line,
                                  Placement& placement) {
  const bool holds = Place(layout, line, placement) && PlacementHolds(layout, line, placement);
  return holds ? &placement : nullptr;
}

}  // namespace

Message ColumnProblem(const TextColumn& column, std::string_view line) {
  const std::string_view text = Column(line, column.start, column.width);
  if (column.field == nullptr) {
    if (column.fixed == '\0' || text == std::string_view(&column.fixed, 1)) return {};
    return Say(kFixedHolds,
               {Value(column.start + 1), Shown(text), Value(std::string(1, column.fixed))});
  }
  return ValueProblem(column, TrimBlanks(text),
                      line.size() <= column.start ? EmptyValue::kLineEnds : EmptyValue::kBlank);
}

Message ValueProblem(const TextColumn& column, std::string_view value, EmptyValue empty) {
  const FieldInfo& info = *column.field;
  switch (FaultOf(column, value)) {
    case ValueFault::kNone:
      return {};
    case ValueFault::kEmpty:
      return Say(empty == EmptyValue::kLineEnds ? kMissing : kBlank, {HeadingOf(info)});
    case ValueFault::kNotOneOf:
      return Say(kNotOneOf, {HeadingOf(info), Shown(value), ChoicesText(info)});
    case ValueFault::kNotANumber:
      return Say(info.base == 16 ? kNotHex : kNotANumber, {HeadingOf(info), Shown(value)});
    case ValueFault::kOutsideRange:
      break;
  }
  return Say(kOutsideRange,
             {HeadingOf(info), Value(std::string(value)), Value(info.least), Value(info.most)});
}

bool ReadsAsWritten(std::span<const TextColumn> layout, std::string_view line) {
  std::size_t at = 0;
  for (const TextColumn& column : layout) {
    for (std::size_t p = at; p < column.start && p < line.size(); ++p) {
      if (line[p] != ' ') return false;
    }
    if (!ColumnFits(column, line)) return false;
    at = EndOf(column);
  }
  return at >= line.size() || line.find_first_not_of(' ', at) == std::string_view::npos;
}

Message WhyNotAsWritten(std::span<const TextColumn> layout, std::string_view line,
                        std::string_view back) {
  Placement placed;
  const Placement* const placement = HoldingPlacement(layout, line, placed);
  Message stored = StoredOtherwise(layout, line, back, placement);
  // The columns moved, yet every value lands as the line meant it.
  if (placement && stored.empty()) return {};
  Message reason = placement ? ShiftCause(layout, *placement, line) : Message();
  const bool moved = !reason.empty();
  if (!moved) reason = FirstProblem(layout, line);
  if (!stored.empty())
    reason = Say(moved ? kAndStoredAs : kStoredAs, {std::move(reason), std::move(stored)});
  if (const std::size_t tab = line.find('\t'); tab != std::string_view::npos) {
    reason = Say(kTab, {Value(tab + 1), std::move(reason)});
  }
  return reason;
}

bool StoredOtherwiseThanWritten(std::span<const TextColumn> layout, std::string_view line,
                                std::string_view back) {
  // As WhyNotAsWritten decides, without saying it. The line does not read as written, so it
  // says something unless its tokens tell one story and every field lands as they mean it:
  // where a field lands otherwise, whether the story holds need not be asked (most such
  // lines of a long list end there).
  Placement placement;
  if (!Place(layout, line, placement)) return true;
  bool differs = false;
  VisitStoredOtherwise(layout, line, back, &placement, [&](const TextColumn&, std::string_view) {
    differs = true;
    return false;
  });
  return differs || !PlacementHolds(layout, line, placement);
}

}  // namespace chanforge::common
