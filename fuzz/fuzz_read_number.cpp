// ReadNumber and the field helpers built on it must take any text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "channels/text_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = chanforge::channels::ReadNumber(text);
  (void)chanforge::channels::RoundToInt32(value);
  (void)chanforge::channels::HexTextToByte(text.substr(0, 2), 255);
  return 0;
}
