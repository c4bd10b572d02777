#include "common/field_info.h"

#include "common/text_lines.h"

namespace chanforge::common {

std::optional<std::int64_t> ChoiceCode(const FieldInfo& info, std::string_view text) {
  const std::string upper = ToUpperAscii(text);
  for (std::size_t code = 0; code < info.texts.size(); ++code) {
    if (upper == info.texts[code]) return static_cast<std::int64_t>(code);
  }
  return {};
}

std::string ChoicesText(const FieldInfo& info) {
  std::string text;
  for (std::size_t i = 0; i < info.texts.size(); ++i) {
    if (i > 0) text += i + 1 == info.texts.size() ? " or " : ", ";
    text += info.texts[i];
  }
  return text;
}

}  // namespace chanforge::common
