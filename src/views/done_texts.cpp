#include "views/done_texts.h"

#include <algorithm>

#include "channels/channel_record.h"
#include "common/file_access.h"
#include "common/text_lines.h"
#include "transponders/transponder_record.h"

namespace chanforge::views {

namespace {

std::string FileNameOf(const std::string& file) { return common::PathOf(file).filename().string(); }

}  // namespace

std::string Grouped(std::int64_t value) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
  return (value < 0 ? "-" : "") + digits;
}

std::string BlockDoneText(BlockDone what, int index, const std::string& block_name,
                          std::int64_t bytes, const std::string& file) {
  const char* verb = what == BlockDone::kSaved  ? "Saved"
                     : what == BlockDone::kRead ? "Read"
                                                : "Cleared";
  std::string text = std::string(verb) + " block " + std::to_string(index) + " (" +
                     common::Latin1ToUtf8(block_name);
  text += what == BlockDone::kCleared ? ")" : ", " + Grouped(bytes) + " bytes)";
  if (!file.empty()) text += (what == BlockDone::kSaved ? " to " : " from ") + FileNameOf(file);
  return text;
}

std::string ImageDoneText(bool saved, const std::string& file, std::int64_t bytes) {
  return std::string(saved ? "Saved " : "Loaded ") + FileNameOf(file) + " (" + Grouped(bytes) +
         " bytes)";
}

std::string ConversionDoneText(bool channels, const std::string& binary, const std::string& to) {
  std::int64_t records = 0;
  if (channels) {
    records = std::max<std::int64_t>(common::FileSize(binary), 0) /
              static_cast<std::int64_t>(channels::TcsRecordSize);
  } else {
    // A transponder list is padded with empty records that its text leaves out.
    const common::ReadResult read = common::ReadFilePrefix(binary, 16 * common::kMiB);
    records = static_cast<std::int64_t>(transponders::FormatTptLines(read.bytes, false).size());
  }
  return "Converted " + Grouped(records) + (channels ? " channels" : " transponders") + " to " +
         FileNameOf(to);
}

}  // namespace chanforge::views
