#include "views/done_texts.h"

#include "common/files.h"
#include "common/text_lines.h"

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

std::string ConversionDoneText(common::ListKind kind, std::int64_t records, const std::string& to,
                               common::TextEncoding read_as) {
  return "Converted " + Grouped(records) + " " + common::ListNameOf(kind) + " to " +
         FileNameOf(to) + (read_as == common::TextEncoding::kUtf8 ? " (read as UTF-8)" : "");
}

}  // namespace chanforge::views
