// Any line either is blank, is refused with a reason, or gives exactly 12 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "transponders/transponder_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge;
  const common::ParsedLine parsed =
      transponders::ParseTptLine(std::string_view(reinterpret_cast<const char*>(data), size));
  if (parsed.status == common::LineStatus::kRecord &&
      parsed.record.size() != transponders::kTptRecordSize) {
    std::abort();
  }
  if (parsed.status == common::LineStatus::kError && parsed.error.empty()) std::abort();
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  (void)transponders::CheckTptLine(line);
  (void)transponders::CheckTptLine(line, common::TptLayout::kDecLink);
  return 0;
}
