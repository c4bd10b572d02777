// Any line either is blank, is refused with a reason, or gives exactly 30 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "channels/channel_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge::channels;
  const chanforge::common::Result<std::string> parsed =
      ParseTcsLine(std::string_view(reinterpret_cast<const char*>(data), size));
  if (parsed.ok() && !parsed->empty() && parsed->size() != kTcsRecordSize) std::abort();
  if (!parsed.ok() && parsed.message().empty()) std::abort();
  (void)CheckTcsLine(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
