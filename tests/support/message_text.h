// Tests compare what the core says with its English text.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/message.h"

namespace chanforge::common {

inline bool operator==(const Message& message, std::string_view english) {
  return Format(message) == english;
}

inline void PrintTo(const Message& message, std::ostream* out) {
  *out << '"' << Format(message) << '"';
}

// The English texts of several messages.
inline std::vector<std::string> Texts(const std::vector<Message>& messages) {
  std::vector<std::string> texts;
  for (const Message& message : messages) texts.push_back(Format(message));
  return texts;
}

}  // namespace chanforge::common
