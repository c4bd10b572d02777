#include "views/done_texts.h"

#include "common/files.h"
#include "common/text_lines.h"

namespace chanforge::views {

namespace {

using common::Say;
using common::Value;
using common::Wording;

constexpr auto kSavedBlock = Wording("done.saved-block", "Saved block {1} ({2}, {3} bytes)");
constexpr auto kSavedBlockTo =
    Wording("done.saved-block-to", "Saved block {1} ({2}, {3} bytes) to {4}");
constexpr auto kReadBlock = Wording("done.read-block", "Read block {1} ({2}, {3} bytes)");
constexpr auto kReadBlockFrom =
    Wording("done.read-block-from", "Read block {1} ({2}, {3} bytes) from {4}");
constexpr auto kClearedBlock = Wording("done.cleared-block", "Cleared block {1} ({2})");
constexpr auto kSavedImage = Wording("done.saved-image", "Saved {1} ({2} bytes)");
constexpr auto kLoadedImage = Wording("done.loaded-image", "Loaded {1} ({2} bytes)");
constexpr auto kConvertedChannels =
    Wording("done.converted-channels", "Converted {1} channels to {2}");
constexpr auto kConvertedTransponders =
    Wording("done.converted-transponders", "Converted {1} transponders to {2}");
//: A number's digits before its last group of three, then that group: "2,040". Write
//: the group separator of your language.
constexpr auto kThousands = Wording("number.thousands", "{1},{2}");
constexpr auto kReadAsUtf8 = Wording("done.read-as-utf8", "{1} (read as UTF-8)");

common::Message FileNameOf(const std::string& file) {
  return Value(common::PathOf(file).filename().string());
}

}  // namespace

common::Message Grouped(std::int64_t value) {
  const std::string digits = std::to_string(value);
  const std::size_t sign = digits.front() == '-' ? 1 : 0;
  const std::size_t head = sign + (digits.size() - sign - 1) % 3 + 1;
  common::Message grouped = Value(digits.substr(0, head));
  for (std::size_t at = head; at < digits.size(); at += 3) {
    grouped = Say(kThousands, {std::move(grouped), Value(digits.substr(at, 3))});
  }
  return grouped;
}

common::Message BlockDoneText(BlockDone what, int index, const std::string& block_name,
                              std::int64_t bytes, const std::string& file) {
  const common::Message number = Value(index);
  const common::Message name = Value(common::Latin1ToUtf8(block_name));
  if (what == BlockDone::kCleared) return Say(kClearedBlock, {number, name});
  const bool saved = what == BlockDone::kSaved;
  if (file.empty()) return Say(saved ? kSavedBlock : kReadBlock, {number, name, Grouped(bytes)});
  return Say(saved ? kSavedBlockTo : kReadBlockFrom,
             {number, name, Grouped(bytes), FileNameOf(file)});
}

common::Message ImageDoneText(ImageDone what, const std::string& file, std::int64_t bytes) {
  return Say(what == ImageDone::kSaved ? kSavedImage : kLoadedImage,
             {FileNameOf(file), Grouped(bytes)});
}

common::Message ConversionDoneText(common::ListKind kind, std::int64_t records,
                                   const std::string& to, common::TextEncoding read_as) {
  common::Message done =
      Say(kind == common::ListKind::kChannels ? kConvertedChannels : kConvertedTransponders,
          {Grouped(records), FileNameOf(to)});
  if (read_as == common::TextEncoding::kUtf8) done = Say(kReadAsUtf8, {std::move(done)});
  return done;
}

}  // namespace chanforge::views
