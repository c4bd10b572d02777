#include "views/labels.h"

#include <vector>

namespace chanforge::views {

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

namespace {
constexpr auto kFileChanged = common::Wording("label.file-changed", "File Changed");
constexpr auto kSize = common::Wording("label.size", "Size :{1} bytes");
}  // namespace

common::Message ChangedMarkerText(const std::string& fileName, bool dirty) {
  return (!fileName.empty() && dirty) ? common::Say(kFileChanged) : common::Message();
}

common::Message SizeLabelText(std::int64_t size) {
  return common::Say(kSize, {common::Value(size)});
}

}  // namespace chanforge::views
