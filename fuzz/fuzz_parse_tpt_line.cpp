// Any line either is blank, is refused with a reason, or gives exactly 12 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "transponders/transponder_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge;
  const common::Result<std::string> parsed =
      transponders::ParseTptLine(std::string_view(reinterpret_cast<const char*>(data), size));
  if (parsed.ok() && !parsed->empty() && parsed->size() != transponders::kTptRecordSize) {
    std::abort();
  }
  if (!parsed.ok() && parsed.message().empty()) std::abort();
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  (void)transponders::CheckTptLine(line);
  (void)transponders::CheckTptLine(line, common::TptLayout::kDecLink);
  return 0;
}
