// What the core says as data: a wording (an identifier and its English words, with {1},
// {2}, ... where its values go) and the values, which may be messages of their own. One
// formatter makes the English text that the command line prints and the tests assert; the
// window makes its own language's text from the same record, and a script reads it as JSON.
#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::common {

// One kind of message. The English words name their values {1} to {9}.
// Written `constexpr auto kName = common::Wording("area.id", "English {1}");` so that Qt's
// translation tools find every wording in the sources.
struct Wording {
  constexpr Wording(const char* wording_id, const char* english_words)
      : id(wording_id), english(english_words) {}
  constexpr Wording(const char* wording_id, const char* english_words, const char* english_one)
      : id(wording_id), english(english_words), one(english_one) {}
  const char* id;       // stable, for scripts and translations: "check.tp-missing"
  const char* english;  // "transponder {1} does not exist ({2} used)"
  // A counted wording's English words for a count of one, `english` being those for every
  // other count; null for a wording that counts nothing. Its count is always value {1},
  // whether the words show it or not, so that each language picks its own form for it.
  const char* one = nullptr;
};

// A wording whose words follow the count in its value {1}: English has a form for one and a
// form for every other count, other languages as many as their grammar has.
// Written `constexpr auto kName = common::CountedWording("area.id", "{1} lines", "{1} line");`
// so that Qt's translation tools find it as a counted text.
constexpr Wording CountedWording(const char* wording_id, const char* other, const char* one) {
  return Wording(wording_id, other, one);
}

struct Message {
  const Wording* wording = nullptr;  // null: a value, given as text
  std::string text;                  // the value's text (UTF-8) when there is no wording
  std::vector<Message> values;

  // Says nothing: no refusal, an idle status line.
  bool empty() const { return wording == nullptr && text.empty(); }
  bool operator==(const Message&) const = default;
};

// A value: a name, a path, a text of the image shown as UTF-8.
Message Value(std::string text);
Message Value(std::int64_t number);
// A count, a position or any other whole number.
template <std::integral Integer>
Message Value(Integer number) {
  return Value(static_cast<std::int64_t>(number));
}
// A character would come out as its code: give it as a text.
Message Value(char) = delete;
// A message in its wording with its values.
Message Say(const Wording& wording, std::vector<Message> values = {});

// Parts said one after the other: "{1}; {2}" joins "a; b; c", "{1}\r\n{2}" puts each on a
// line of its own. No parts: an empty message.
Message Joined(std::vector<Message> parts, const Wording& pair);
// Items as a sentence lists them: "a, b and c" with kAnd as last, "a, b or c" with kOr.
Message Listed(std::vector<Message> items, const Wording& last);

//: Two clauses of one sentence: "a; b".
inline constexpr auto kSemicolons = Wording("list.semicolons", "{1}; {2}");
//: Two items of a list: "a, b"; a longer list repeats it.
inline constexpr auto kCommas = Wording("list.commas", "{1}, {2}");
//: The last two items of a list: "a, b and c".
inline constexpr auto kAnd = Wording("list.and", "{1} and {2}");
//: The last two choices of a list: "a, b or c".
inline constexpr auto kOr = Wording("list.or", "{1} or {2}");
//: Two parts of a message, each on a line of its own.
inline constexpr auto kLineBreaks = Wording("list.lines", "{1}\r\n{2}");
// The ones not listed: "3, 12 and 2 more", and a line of its own after listed lines.
inline constexpr auto kAndMore = Wording("list.more-numbers", "{1} and {2} more");
inline constexpr auto kMoreLines = Wording("convert.more-lines", "and {1} more");
//: A clause made a sentence of its own.
inline constexpr auto kSentence = Wording("list.sentence", "{1}.");

// The count a counted wording's words follow: its value {1} as a number; -1 for a message
// that counts nothing.
std::int64_t SaidCount(const Message& message);
// The English words for a message: a counted wording's form for its count.
const char* EnglishWords(const Message& message);

// The text of a message, its wordings' words from words (the English ones by default) and
// its values put in where the words name them. words is asked with each message that has a
// wording, so that it can pick a counted wording's form by the message's count.
std::string Format(const Message& message);
// The English text, as the command line prints it.
std::ostream& operator<<(std::ostream& out, const Message& message);
std::string Format(const Message& message, const std::function<std::string(const Message&)>& words);

}  // namespace chanforge::common
