#include "editing/range_checks.h"

#include "common/text_lines.h"

namespace chanforge::editing {

std::string CheckNumber(std::size_t number, std::size_t size, const char* thing) {
  if (number >= 1 && number <= size) return {};
  return std::string(thing) + " " + std::to_string(number) + " is beyond the list of " +
         std::to_string(size) + ".";
}

std::string CheckRange(std::size_t first, std::size_t last, std::size_t size, const char* thing) {
  if (first > last) {
    return std::string(thing) + " range " + std::to_string(first) + "-" + std::to_string(last) +
           " runs backwards.";
  }
  std::string refusal = CheckNumber(first, size, thing);
  return refusal.empty() ? CheckNumber(last, size, thing) : refusal;
}

std::string CheckMove(std::size_t first, std::size_t last, std::size_t before, std::size_t size,
                      const char* thing) {
  std::string refusal = CheckRange(first, last, size, thing);
  if (refusal.empty() && (before < 1 || before > size + 1)) {
    refusal = "Position " + std::to_string(before) + " is beyond the list of " +
              std::to_string(size) + ".";
  }
  if (refusal.empty() && before > first && before <= last) {
    refusal = "Position " + std::to_string(before) + " lies inside " + std::to_string(first) + "-" +
              std::to_string(last) + ".";
  }
  return refusal;
}

std::string CheckStep(const std::vector<std::size_t>& rows, int step, std::size_t size,
                      const char* thing) {
  if (rows.empty()) return {};
  if (step < 0 && rows.front() == 0) {
    return std::string(thing) + " 1 is the first: it cannot move up.";
  }
  if (step > 0 && rows.back() + 1 >= size) {
    return std::string(thing) + " " + std::to_string(size) + " is the last: it cannot move down.";
  }
  return {};
}

std::string CheckInsertChannels(const ListDocument& document, std::size_t count) {
  if (document.channel_block() < 0) return document.ReadOnlyReason(common::ListKind::kChannels);
  if (document.channels().size() + count > kChannelRoom) {
    return "The TCS block holds at most " + std::to_string(kChannelRoom) + " channels.";
  }
  return {};
}

std::string CheckInsertTransponders(const ListDocument& document, std::size_t count) {
  if (document.transponder_block() < 0) {
    return document.ReadOnlyReason(common::ListKind::kTransponders);
  }
  if (document.transponders().size() + count > kMostTransponders) {
    return "A channel reaches at most " + std::to_string(kMostTransponders) + " transponders.";
  }
  return {};
}

namespace {

// "its channel" or "its 2 channels".
std::string ItsChannels(std::size_t users) {
  return users == 1 ? "its channel" : "its " + std::to_string(users) + " channels";
}

}  // namespace

std::string RemoveTransponderQuestion(const ListDocument& document, std::size_t row) {
  const std::size_t users = document.ChannelsUsing(row + 1);
  if (users == 0) return {};
  // Yes must read as removing the channels too: No keeps the transponder as well.
  return std::to_string(users) + (users == 1 ? " channel uses" : " channels use") +
         " transponder " + std::to_string(row + 1) + " (" +
         std::to_string(document.transponders()[row].Khz()) + " kHz)." + common::kCrLf +
         "Remove the transponder and " + ItsChannels(users) + " ?";
}

std::string RemoveTransponderAnswer(const ListDocument& document, std::size_t row) {
  return "Remove transponder and " + ItsChannels(document.ChannelsUsing(row + 1));
}

namespace {

std::size_t ChannelsUsingAny(const ListDocument& document, const std::vector<std::size_t>& rows) {
  std::size_t users = 0;
  for (const std::size_t row : rows) users += document.ChannelsUsing(row + 1);
  return users;
}

}  // namespace

std::string RemoveTranspondersQuestion(const ListDocument& document,
                                       const std::vector<std::size_t>& rows) {
  if (rows.size() == 1) return RemoveTransponderQuestion(document, rows[0]);
  const std::size_t users = ChannelsUsingAny(document, rows);
  if (users == 0) return {};
  std::size_t used = 0;
  for (const std::size_t row : rows) used += document.ChannelsUsing(row + 1) > 0 ? 1 : 0;
  const std::string count = std::to_string(rows.size());
  return std::to_string(users) + (users == 1 ? " channel uses " : " channels use ") +
         (used == rows.size() ? "the " : std::to_string(used) + " of the ") + count +
         " transponders." + common::kCrLf + "Remove the " + count + " transponders and their " +
         std::to_string(users) + (users == 1 ? " channel ?" : " channels ?");
}

std::string RemoveTranspondersAnswer(const ListDocument& document,
                                     const std::vector<std::size_t>& rows) {
  if (rows.size() == 1) return RemoveTransponderAnswer(document, rows[0]);
  const std::size_t users = ChannelsUsingAny(document, rows);
  return "Remove " + std::to_string(rows.size()) + " transponders and their " +
         std::to_string(users) + (users == 1 ? " channel" : " channels");
}

}  // namespace chanforge::editing
