#include "common/message.h"

#include <charconv>
#include <deque>
#include <ostream>

namespace chanforge::common {

Message Value(std::string text) { return {nullptr, std::move(text), {}}; }

Message Value(std::int64_t number) { return Value(std::to_string(number)); }

Message Say(const Wording& wording, std::vector<Message> values) {
  return {&wording, {}, std::move(values)};
}

Message Joined(std::vector<Message> parts, const Wording& pair) {
  if (parts.empty()) return {};
  Message joined = std::move(parts.front());
  for (std::size_t i = 1; i < parts.size(); ++i) {
    joined = Say(pair, {std::move(joined), std::move(parts[i])});
  }
  return joined;
}

Message Listed(std::vector<Message> items, const Wording& last) {
  if (items.size() < 2) return Joined(std::move(items), kCommas);
  Message final_item = std::move(items.back());
  items.pop_back();
  return Say(last, {Joined(std::move(items), kCommas), std::move(final_item)});
}

std::int64_t SaidCount(const Message& message) {
  if (message.wording == nullptr || message.wording->one == nullptr || message.values.empty()) {
    return -1;
  }
  const std::string& text = message.values.front().text;
  std::int64_t count = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  return error == std::errc() && end == text.data() + text.size() ? count : -1;
}

const char* EnglishWords(const Message& message) {
  return SaidCount(message) == 1 ? message.wording->one : message.wording->english;
}

namespace {

template <typename Words>
void AppendFormatted(const Message& message, const Words& words, std::string& text) {
  if (message.wording == nullptr) {
    text += message.text;
    return;
  }
  const std::string_view pattern = words(message);
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    // "{n}" with n from 1 to 9 is the n-th value; every other character stands as it is.
    if (pattern[at] == '{' && at + 2 < pattern.size() && pattern[at + 2] == '}' &&
        pattern[at + 1] >= '1' && pattern[at + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[at + 1] - '1');
      if (index < message.values.size()) AppendFormatted(message.values[index], words, text);
      at += 2;
      continue;
    }
    text += pattern[at];
  }
}

}  // namespace

std::string Format(const Message& message,
                   const std::function<std::string(const Message&)>& words) {
  std::string text;
  // The translated words live until the text is built.
  std::deque<std::string> kept;  // a deque never moves what it holds
  AppendFormatted(
      message,
      [&](const Message& said) { return std::string_view(kept.emplace_back(words(said))); }, text);
  return text;
}

std::ostream& operator<<(std::ostream& out, const Message& message) {
  return out << Format(message);
}

std::string Format(const Message& message) {
  std::string text;
  AppendFormatted(
      message, [](const Message& said) { return std::string_view(EnglishWords(said)); }, text);
  return text;
}

}  // namespace chanforge::common
