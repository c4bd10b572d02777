#include "editing/range_checks.h"

#include "common/text_lines.h"

namespace chanforge::editing {

namespace {

using common::ListKind;
using common::Message;
using common::Say;
using common::Value;
using common::Wording;

// A wording for each list, as the sentence starts with the record's name.
struct Words {
  Wording channels;
  Wording transponders;
  const Wording& of(ListKind list) const {
    return list == ListKind::kChannels ? channels : transponders;
  }
};

constexpr Words kBeyond = {
    Wording("range.channel-beyond", "Channel {1} is beyond the list of {2}."),
    Wording("range.transponder-beyond", "Transponder {1} is beyond the list of {2}.")};
constexpr Words kBackwards = {
    Wording("range.channels-backwards", "Channel range {1}-{2} runs backwards."),
    Wording("range.transponders-backwards", "Transponder range {1}-{2} runs backwards.")};
constexpr Words kFirst = {
    Wording("range.channel-first", "Channel 1 is the first: it cannot move up."),
    Wording("range.transponder-first", "Transponder 1 is the first: it cannot move up.")};
constexpr Words kLast = {
    Wording("range.channel-last", "Channel {1} is the last: it cannot move down."),
    Wording("range.transponder-last", "Transponder {1} is the last: it cannot move down.")};
constexpr auto kPositionBeyond =
    Wording("range.position-beyond", "Position {1} is beyond the list of {2}.");
constexpr auto kPositionInside =
    Wording("range.position-inside", "Position {1} lies inside {2}-{3}.");
constexpr auto kChannelRoomFull =
    Wording("range.channel-room", "The TCS block holds at most {1} channels.");
constexpr auto kTransponderReach =
    Wording("range.transponder-reach", "A channel reaches at most {1} transponders.");
// Each counts the channels removed with the transponders, in {1}.
constexpr auto kSomeUse = common::CountedWording(
    "range.some-use",
    "{1} channels use transponder {2} ({3} kHz).\r\nRemove the transponder and its {1} channels ?",
    "{1} channel uses transponder {2} ({3} kHz).\r\nRemove the transponder and its channel ?");
constexpr auto kRemoveSome =
    common::CountedWording("range.remove-some", "Remove transponder and its {1} channels",
                           "Remove transponder and its channel");
constexpr auto kSomeUseAll =
    common::CountedWording("range.some-use-all",
                           "{1} channels use the {2} transponders.\r\nRemove the {2} transponders "
                           "and their {1} channels ?",
                           "{1} channel uses the {2} transponders.\r\nRemove the {2} transponders "
                           "and their {1} channel ?");
constexpr auto kSomeUseSome = common::CountedWording(
    "range.some-use-some",
    "{1} channels use {3} of the {2} transponders.\r\nRemove the {2} transponders and their {1} "
    "channels ?",
    "{1} channel uses {3} of the {2} transponders.\r\nRemove the {2} transponders and their {1} "
    "channel ?");
constexpr auto kRemoveAllSome = common::CountedWording(
    "range.remove-all-some", "Remove {2} transponders and their {1} channels",
    "Remove {2} transponders and their {1} channel");

}  // namespace

common::Status CheckNumber(std::size_t number, std::size_t size, ListKind list) {
  if (number >= 1 && number <= size) return {};
  return Say(kBeyond.of(list), {Value(number), Value(size)});
}

common::Status CheckRange(std::size_t first, std::size_t last, std::size_t size, ListKind list) {
  if (first > last) return Say(kBackwards.of(list), {Value(first), Value(last)});
  if (common::Status in = CheckNumber(first, size, list); !in.ok()) return in;
  return CheckNumber(last, size, list);
}

common::Status CheckMove(std::size_t first, std::size_t last, std::size_t before, std::size_t size,
                         ListKind list) {
  if (common::Status range = CheckRange(first, last, size, list); !range.ok()) return range;
  if (before < 1 || before > size + 1) return Say(kPositionBeyond, {Value(before), Value(size)});
  if (before > first && before <= last) {
    return Say(kPositionInside, {Value(before), Value(first), Value(last)});
  }
  return {};
}

common::Status CheckStep(const std::vector<std::size_t>& rows, int step, std::size_t size,
                         ListKind list) {
  if (rows.empty()) return {};
  if (step < 0 && rows.front() == 0) return Say(kFirst.of(list));
  if (step > 0 && rows.back() + 1 >= size) return Say(kLast.of(list), {Value(size)});
  return {};
}

common::Status CheckInsertChannels(const ListDocument& document, std::size_t count) {
  if (document.channel_block() < 0) return document.CheckEditable(ListKind::kChannels);
  if (document.channels().size() + count > kChannelRoom) {
    return Say(kChannelRoomFull, {Value(kChannelRoom)});
  }
  return {};
}

common::Status CheckInsertTransponders(const ListDocument& document, std::size_t count) {
  if (document.transponder_block() < 0) return document.CheckEditable(ListKind::kTransponders);
  if (document.transponders().size() + count > kMostTransponders) {
    return Say(kTransponderReach, {Value(kMostTransponders)});
  }
  return {};
}

Message RemoveTransponderQuestion(const ListDocument& document, std::size_t row) {
  const std::size_t users = document.ChannelsUsing(row + 1);
  if (users == 0) return {};
  // Yes must read as removing the channels too: No keeps the transponder as well.
  const Message khz = Value(document.transponders()[row].Khz());
  return Say(kSomeUse, {Value(users), Value(row + 1), khz});
}

Message RemoveTransponderAnswer(const ListDocument& document, std::size_t row) {
  const std::size_t users = document.ChannelsUsing(row + 1);
  return Say(kRemoveSome, {Value(users)});
}

namespace {

std::size_t ChannelsUsingAny(const ListDocument& document, const std::vector<std::size_t>& rows) {
  std::size_t users = 0;
  for (const std::size_t row : rows) users += document.ChannelsUsing(row + 1);
  return users;
}

}  // namespace

Message RemoveTranspondersQuestion(const ListDocument& document,
                                   const std::vector<std::size_t>& rows) {
  if (rows.size() == 1) return RemoveTransponderQuestion(document, rows[0]);
  const std::size_t users = ChannelsUsingAny(document, rows);
  if (users == 0) return {};
  std::size_t used = 0;
  for (const std::size_t row : rows) used += document.ChannelsUsing(row + 1) > 0 ? 1 : 0;
  const bool all = used == rows.size();
  return Say(all ? kSomeUseAll : kSomeUseSome, {Value(users), Value(rows.size()), Value(used)});
}

Message RemoveTranspondersAnswer(const ListDocument& document,
                                 const std::vector<std::size_t>& rows) {
  if (rows.size() == 1) return RemoveTransponderAnswer(document, rows[0]);
  const std::size_t users = ChannelsUsingAny(document, rows);
  return Say(kRemoveAllSome, {Value(users), Value(rows.size())});
}

}  // namespace chanforge::editing
