#include "common/coding.h"

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
  std::string shown;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      shown += "\\x" + Hex2(byte).substr(2);
    } else {
      shown += Latin1ToUtf8(std::string_view(&c, 1));
    }
  }
  return shown;
}

}  // namespace chanforge::common
