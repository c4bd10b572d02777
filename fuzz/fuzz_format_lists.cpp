// Both formatters take arbitrary bytes, keep their line widths, and their lines parse.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "channels/channel_record.h"
#include "transponders/transponder_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge;
  const std::string_view list(reinterpret_cast<const char*>(data), size);
  const auto tcs = channels::FormatTcsLines(list);
  if (tcs.size() != size / channels::kTcsRecordSize) std::abort();
  for (const auto& line : tcs) {
    if (line.size() != channels::kTcsLineLength) std::abort();
    if (!channels::ParseTcsLine(line).ok()) std::abort();
  }
  for (const auto layout : {common::TptLayout::kFull, common::TptLayout::kDecLink}) {
    for (const auto& line : transponders::FormatTptLines(list, layout)) {
      const std::size_t width = layout == common::TptLayout::kDecLink
                                    ? transponders::kTptDecLinkLineLength
                                    : transponders::kTptLineLength;
      if (line.size() != width) std::abort();
      (void)transponders::ParseTptLine(line);
    }
  }
  return 0;
}
