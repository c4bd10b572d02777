#include "common/field_info.h"

#include "common/coding.h"
#include "common/text_lines.h"

namespace chanforge::common {

std::int64_t ReadField(const FieldInfo& info, std::string_view record) {
  if (info.flag != 0) return (static_cast<std::uint8_t>(record[info.offset]) & info.flag) != 0;
  return DecodeBigEndian(record.substr(info.offset, info.width));
}

void WriteField(const FieldInfo& info, char* record, std::int64_t value) {
  if (info.flag == 0) {
    EncodeBigEndianInto(record + info.offset, value, static_cast<int>(info.width));
    return;
  }
  const auto byte = static_cast<std::uint8_t>(record[info.offset]);
  record[info.offset] = static_cast<char>(value != 0 ? byte | info.flag : byte & ~info.flag);
}

std::optional<std::int64_t> ChoiceCode(const FieldInfo& info, std::string_view text) {
  // Compared in place, without an upper-case copy or a length of each choice: every line of
  // a text list asks this.
  for (std::size_t code = 0; code < info.texts.size(); ++code) {
    const char* const choice = info.texts[code];
    std::size_t i = 0;
    while (i < text.size() && choice[i] != '\0' && UpperAscii(text[i]) == choice[i]) ++i;
    if (i == text.size() && choice[i] == '\0') return static_cast<std::int64_t>(code);
  }
  return {};
}

std::optional<std::int64_t> NamedCode(const FieldInfo& info, std::string_view text) {
  const std::string upper = ToUpperAscii(text);
  for (const CodeName& named : info.names) {
    if (upper == ToUpperAscii(named.name.english)) return named.code;
  }
  return {};
}

const Wording* NameOfCode(const FieldInfo& info, std::int64_t code) {
  for (const CodeName& named : info.names) {
    if (named.code == code) return &named.name;
  }
  return nullptr;
}

Message ChoicesText(const FieldInfo& info) {
  std::vector<Message> texts;
  for (const char* text : info.texts) texts.push_back(Value(text));
  return Listed(std::move(texts), kOr);
}

namespace {
//: A column title with its unit: "Frequency (kHz)".
constexpr auto kWithUnit = Wording("field.with-unit", "{1} ({2})");
//: The heading of the list a field points into, then the field: "TP Nr".
constexpr auto kLinked = Wording("field.linked", "{1} {2}");
}  // namespace

Message ColumnTitle(const FieldInfo& info) {
  if (*info.unit == '\0') return HeadingOf(info);
  return Say(kWithUnit, {HeadingOf(info), Value(info.unit)});
}

Message LinkedColumnTitle(const FieldInfo& link, const FieldInfo& info) {
  Message title = Say(kLinked, {HeadingOf(link), Value(info.name)});
  if (*info.unit == '\0') return title;
  return Say(kWithUnit, {std::move(title), Value(info.unit)});
}

}  // namespace chanforge::common
