#include "channels/channel_fields.h"

#include "common/coding.h"
#include "common/text_lines.h"

namespace chanforge::channels {

namespace {

using common::Say;
using common::Value;

constexpr auto kNameTooLong =
    common::Wording("channel.name-too-long", "{1} {2} is {3} bytes long; at most {4} fit.");
constexpr auto kNameEndsInBlank =
    common::Wording("channel.name-ends-in-blank",
                    "{1} {2} ends in a blank, which the list would store as a NUL: leave it out.");

}  // namespace

std::optional<ChannelField> ChannelFieldNamed(std::string_view name) {
  for (std::size_t i = 0; i < kChannelFieldCount; ++i) {
    if (name == kChannelFields[i].name) return static_cast<ChannelField>(i);
  }
  return {};
}

std::int64_t ChannelValue(const ChannelRecord& record, ChannelField field) {
  if (field == ChannelField::kName) return 0;
  std::array<char, kTcsRecordSize> bytes;
  record.EncodeInto(bytes.data());
  return common::ReadField(InfoOf(field), {bytes.data(), bytes.size()});
}

std::array<std::int64_t, kChannelFieldCount> ChannelValues(const ChannelRecord& record) {
  std::array<char, kTcsRecordSize> bytes;
  record.EncodeInto(bytes.data());
  std::array<std::int64_t, kChannelFieldCount> values{};
  for (std::size_t f = 0; f < kChannelFieldCount; ++f) {
    if (static_cast<ChannelField>(f) == ChannelField::kName) continue;
    values[f] = common::ReadField(kChannelFields[f], {bytes.data(), bytes.size()});
  }
  return values;
}

std::string_view NameText(const ChannelRecord& record) {
  std::string_view name(record.name.data(), record.name.size());
  while (!name.empty() && (name.back() == ' ' || name.back() == '\0')) name.remove_suffix(1);
  return name;
}

std::string_view NameUpToNul(const ChannelRecord& record) {
  const std::string_view name(record.name.data(), record.name.size());
  return name.substr(0, name.find('\0'));
}

std::string ShownName(const ChannelRecord& record) { return common::ShownBytes(NameText(record)); }

std::string ChannelText(const ChannelRecord& record, ChannelField field) {
  if (field != ChannelField::kName) return std::to_string(ChannelValue(record, field));
  return std::string(NameUpToNul(record));
}

bool NameFits(std::string_view utf8) {
  const std::optional<std::string> latin1 = common::Utf8ToLatin1(utf8);
  return latin1 && latin1->size() <= kTcsNameWidth;
}

common::Status SetChannelText(ChannelRecord& record, ChannelField field, std::string_view text) {
  const common::FieldInfo& info = InfoOf(field);
  const common::Message quoted = Value(common::QuotedText(common::Latin1ToUtf8(text)));
  if (field == ChannelField::kName) {
    // The name as it stands, blanks at its end included, is no change.
    if (text == ChannelText(record, field)) return {};
    if (text.size() > info.width) {
      return Say(kNameTooLong,
                 {common::HeadingOf(info), quoted, Value(text.size()), Value(info.width)});
    }
    // The text files take blanks at a name's end for padding, so the lists pad with NULs.
    if (!text.empty() && text.back() == ' ') {
      return Say(kNameEndsInBlank, {common::HeadingOf(info), quoted});
    }
    record.name.fill('\0');
    text.copy(record.name.data(), text.size());
    return {};
  }
  // A named code ("TV") is read as the number the window shows it for.
  std::optional<std::int64_t> number = common::ReadValue(text);
  if (!number) number = common::NamedCode(info, text);
  if (!number) {
    return Say(common::kSentence, {Say(common::kNotANumber, {common::HeadingOf(info), quoted})});
  }
  if (*number < info.least || *number > info.most) {
    return Say(common::kSentence, {Say(common::kOutsideRange,
                                       {common::HeadingOf(info), Value(common::Latin1ToUtf8(text)),
                                        Value(info.least), Value(info.most)})});
  }
  std::array<char, kTcsRecordSize> bytes;
  record.EncodeInto(bytes.data());
  common::WriteField(info, bytes.data(), *number);
  record = ChannelRecord::Decode({bytes.data(), bytes.size()});
  return {};
}

}  // namespace chanforge::channels
