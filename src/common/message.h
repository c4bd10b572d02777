// What the core says as data: a wording (an identifier and its English words, with {1},
// {2}, ... where its values go) and the values, which may be messages of their own. One
// formatter makes the English text that the command line prints and the tests assert; the
// window makes its own language's text from the same record, and a script reads it as JSON.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::common {

// One kind of message. The English words name their values {1} to {9}.
struct Wording {
  const char* id;       // stable, for scripts and translations: "check.tp-missing"
  const char* english;  // "transponder {1} does not exist ({2} used)"
};

struct Message {
  const Wording* wording = nullptr;  // null: a value, given as text
  std::string text;                  // the value's text (UTF-8) when there is no wording
  std::vector<Message> values;

  bool operator==(const Message&) const = default;
};

// A value: a name, a path, a text of the image shown as UTF-8.
Message Value(std::string text);
Message Value(std::int64_t number);
// A message in its wording with its values.
Message Say(const Wording& wording, std::vector<Message> values = {});

// The text of a message, its wordings' words from words (the English ones by default) and
// its values put in where the words name them.
std::string Format(const Message& message);
std::string Format(const Message& message,
                   const std::function<std::string_view(const Wording&)>& words);

}  // namespace chanforge::common
