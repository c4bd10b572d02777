#include "channels/channel_conversions.h"

#include "channels/channel_record.h"
#include "common/list_files.h"

namespace chanforge::channels {

common::Outcome ConvertTcsToText(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text) {
  return common::ConvertBinaryToText(frontend, binary, text, "TCS", FormatTcsText);
}

common::Outcome ConvertTextToTcs(common::Frontend& frontend, const std::string& binary,
                                 const std::string& text) {
  return common::ConvertTextToBinary(frontend, binary, text, ParseTcsLineInto, 0);
}

}  // namespace chanforge::channels
