#include "common/coding.h"

#include <algorithm>

#include "common/text_lines.h"

namespace chanforge::common {

std::string EncodeBigEndian(std::int64_t value, int width) {
  if (width <= 0) return {};
  std::string bytes(static_cast<std::size_t>(width), '\0');
  EncodeBigEndianInto(bytes.data(), value, width);
  return bytes;
}

std::string Hex2(unsigned value) {
  std::string digits = HexDigits(value);
  if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');
  return "0x" + digits;
}

std::string ShownBytes(std::string_view bytes) {
  // Printable ASCII, as most names are, stands as it is: a printed full list asks this of
  // every name.
  if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0x20 && c < 0x7F; })) {
    return std::string(bytes);
  }
  std::string shown;
  shown.reserve(bytes.size());
  const auto control = [&](std::size_t i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    return byte < 0x20 || byte == 0x7F;
  };
  // Runs of bytes between controls as UTF-8, each control as its code.
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    std::size_t end = at;
    while (end < bytes.size() && !control(end)) ++end;
    AppendLatin1AsUtf8(shown, bytes.substr(at, end - at));
    if (end == bytes.size()) break;
    shown += "\\x" + Hex2(static_cast<unsigned char>(bytes[end])).substr(2);
    at = end;
  }
  return shown;
}

}  // namespace chanforge::common
