#include "transponders/transponder_conversions.h"

#include "common/list_files.h"
#include "transponders/transponder_record.h"

namespace chanforge::transponders {

common::Outcome ConvertTptToText(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text, bool decLink) {
  return common::ConvertBinaryToText(
      frontend, binary, text, "TPT",
      [decLink](std::string_view list) { return FormatTptText(list, decLink); });
}

common::Outcome ConvertTextToTpt(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text, bool /*decLink*/) {
  return common::ConvertTextToBinary(frontend, binary, text, ParseTptLineInto, kTptFileMinimumSize);
}

}  // namespace chanforge::transponders
