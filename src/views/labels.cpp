#include "views/labels.h"

#include <algorithm>
#include <vector>

#include "flash/blocks.h"

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
constexpr auto kEditedBlock = common::Wording("label.edited-block", "Editing Block:{1} ({2})");
constexpr auto kEditedFirstBlock = common::Wording(
    "label.edited-first-block", "Editing Block:{1} ({2}), the first of {3} {2} blocks");
constexpr auto kFileChanged = common::Wording("label.file-changed", "File Changed");
constexpr auto kSize = common::Wording("label.size", "Size :{1} bytes");
}  // namespace

common::Message ChangedMarkerText(const std::string& fileName, bool dirty) {
  return (!fileName.empty() && dirty) ? common::Say(kFileChanged) : common::Message();
}

common::Message EditedBlockText(const flash::Workspace& workspace, int index,
                                common::ListKind kind) {
  const auto count =
      std::count_if(workspace.blocks().begin(), workspace.blocks().end(),
                    [&](const flash::BlockInfo& b) { return ListKindOf(b) == kind; });
  std::vector<common::Message> values = {common::Value(index),
                                         common::Value(common::BlockNameOf(kind))};
  if (count < 2) return common::Say(kEditedBlock, std::move(values));
  values.push_back(common::Value(count));
  return common::Say(kEditedFirstBlock, std::move(values));
}

common::Message SizeLabelText(std::int64_t size) {
  return common::Say(kSize, {common::Value(size)});
}

}  // namespace chanforge::views
