// ReadNumber and the field helpers built on it must take any text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/text_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = chanforge::common::ReadNumber(text);
  (void)chanforge::common::RoundToInt32(value);
  (void)chanforge::common::HexTextToByte(text.substr(0, 2), 255);
  return 0;
}
