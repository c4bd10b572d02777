#include "common/message.h"

namespace chanforge::common {

Message Value(std::string text) { return {nullptr, std::move(text), {}}; }

Message Value(std::int64_t number) { return Value(std::to_string(number)); }

Message Say(const Wording& wording, std::vector<Message> values) {
  return {&wording, {}, std::move(values)};
}

std::string Format(const Message& message,
                   const std::function<std::string_view(const Wording&)>& words) {
  if (message.wording == nullptr) return message.text;
  const std::string_view pattern = words(*message.wording);
  std::string text;
  text.reserve(pattern.size() + 16);
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    // "{n}" with n from 1 to 9 is the n-th value; every other character stands as it is.
    if (pattern[at] == '{' && at + 2 < pattern.size() && pattern[at + 2] == '}' &&
        pattern[at + 1] >= '1' && pattern[at + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[at + 1] - '1');
      if (index < message.values.size()) text += Format(message.values[index], words);
      at += 2;
      continue;
    }
    text += pattern[at];
  }
  return text;
}

std::string Format(const Message& message) {
  return Format(message, [](const Wording& wording) { return std::string_view(wording.english); });
}

}  // namespace chanforge::common
