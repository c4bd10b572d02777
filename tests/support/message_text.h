// Tests compare what the core says with its English text.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/message.h"
#include "common/status.h"

namespace chanforge::common {

inline bool operator==(const Message& message, std::string_view english) {
  return Format(message) == english;
}

inline void PrintTo(const Message& message, std::ostream* out) {
  *out << '"' << Format(message) << '"';
}

// A step's failure as its English text; "" when it worked.
inline bool operator==(const Status& status, std::string_view english) {
  return Format(status.message()) == english;
}

inline void PrintTo(const Status& status, std::ostream* out) { PrintTo(status.message(), out); }

// The same for a step that gives a value.
template <typename T>
bool operator==(const Result<T>& result, std::string_view english) {
  return result.status() == english;
}

template <typename T>
void PrintTo(const Result<T>& result, std::ostream* out) {
  PrintTo(result.status(), out);
}

// The English texts of several messages.
inline std::vector<std::string> Texts(const std::vector<Message>& messages) {
  std::vector<std::string> texts;
  for (const Message& message : messages) texts.push_back(Format(message));
  return texts;
}

}  // namespace chanforge::common
