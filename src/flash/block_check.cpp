#include "flash/block_check.h"

#include <vector>

namespace chanforge::flash {

bool CheckBlockSelected(common::Frontend& frontend, int line_count, int selected,
                        const std::string& fileName, const std::string& action) {
  std::string refusal;
  if (line_count <= 0) {
    refusal = fileName.empty() ? "No File Open!" : "File does not contain any usable blocks";
  } else if (selected < 0 || selected >= line_count) {
    refusal = "Please select a block to " + action;
  } else {
    return true;
  }
  frontend.ShowMessage(common::MessageKind::kError, refusal);
  return false;
}

namespace {

// Byte offsets where each UTF-8 code point starts.
std::vector<std::size_t> CodePointStarts(const std::string& text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
  }
  return starts;
}

}  // namespace

std::string FileLabelText(const std::string& fileName) {
  const std::vector<std::size_t> starts = CodePointStarts(fileName);
  if (starts.size() <= 55) return fileName;
  return fileName.substr(0, starts[3]) + "..." + fileName.substr(starts[starts.size() - 49]);
}

std::string ChangedMarkerText(const std::string& fileName, bool dirty) {
  return (!fileName.empty() && dirty) ? "File Changed" : "";
}

}  // namespace chanforge::flash
