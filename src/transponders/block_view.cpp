#include "transponders/block_view.h"

#include "channels/channel_record.h"
#include "channels/text_fields.h"
#include "transponders/transponder_record.h"

namespace chanforge::transponders {

namespace {

const flash::BlockInfo* Block(const flash::Workspace& workspace, int index) {
  if (index < 0 || index >= static_cast<int>(workspace.block_lines.size())) return nullptr;
  return &workspace.blocks[static_cast<std::size_t>(index)];
}

std::string BlockData(const flash::Workspace& workspace, int index) {
  const flash::BlockInfo* block = Block(workspace, index);
  return block ? flash::ImageBytes(workspace.image, block->start, block->length) : std::string{};
}

}  // namespace

std::vector<std::string> ShowBlockHex(const flash::Workspace& workspace, common::Frontend& frontend,
                                      int index) {
  std::vector<std::string> lines;
  const flash::BlockInfo* block = Block(workspace, index);
  if (!block) return lines;
  const std::string bytes =
      flash::ImageBytes(workspace.image, block->start - flash::DataOffset, flash::BlockSize);
  frontend.ShowStatus("Converting Block...");
  lines.reserve(bytes.size() / 16 + 1);
  for (std::size_t o = 0; o < bytes.size(); o += 16) {
    const std::string_view row = std::string_view(bytes).substr(o, 16);
    std::string line = channels::HexWord(static_cast<std::int64_t>(o));
    line.reserve(69);
    for (const char c : row) line += channels::HexByteField(static_cast<std::uint8_t>(c));
    line.push_back(' ');
    line.append(row);
    lines.push_back(std::move(line));
  }
  frontend.ShowStatus("");
  return lines;
}

std::vector<std::string> ShowBlockAsTcs(const flash::Workspace& workspace,
                                        common::Frontend& frontend, int index) {
  std::vector<std::string> lines{channels::TcsHeading};
  const std::string data = BlockData(workspace, index);
  frontend.ShowStatus("Converting TCS...");
  for (std::string& line : channels::FormatTcsLines(data)) lines.push_back(std::move(line));
  frontend.ShowStatus("");
  return lines;
}

std::vector<std::string> ShowBlockAsTpt(const flash::Workspace& workspace,
                                        common::Frontend& frontend, int index) {
  std::vector<std::string> lines{TptHeading};
  const std::string data = BlockData(workspace, index);
  frontend.ShowStatus("Converting TPT...");
  for (std::string& line : FormatTptLines(data, false)) lines.push_back(std::move(line));
  frontend.ShowStatus("");
  return lines;
}

std::string ListViewCaption(const std::string& block_name) {
  if (block_name == "TCS") return "&View as TCS";
  if (block_name == "TPT") return "&View as TPT";
  return {};
}

}  // namespace chanforge::transponders
