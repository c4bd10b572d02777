#include "flash/block_transfer.h"

#include "common/file_access.h"
#include "common/reported_files.h"
#include "common/text_lines.h"

namespace chanforge::flash {

using common::Frontend;
using common::MessageKind;
using common::Outcome;

std::string BlockFileName(const std::string& kind, const ListFileNames& names) {
  const std::string upper = common::ToUpperAscii(kind);
  if (upper == "TCS" && !names.tcs.empty()) return names.tcs;
  if (upper == "TPT" && !names.tpt.empty()) return names.tpt;
  return kind;
}

namespace {

bool ValidBlock(const Workspace& workspace, int index) {
  return index >= 0 && index < static_cast<int>(workspace.block_lines.size());
}

// The chooser and the common first steps; empty when the user gave no name.
std::string ChooseBlockFile(Frontend& frontend, const BlockInfo& block, bool for_reading,
                            ListFileNames& names) {
  const common::FileRequest request{
      for_reading ? common::FileDialogKind::kOpen : common::FileDialogKind::kSave, "",
      BlockFileName(block.name, names), "All Files (*.*)|*.*"};
  const std::string name = common::ChooseFileWithFallback(frontend, request, "");
  if (name.empty()) return name;
  // Case-sensitive on purpose: only exactly named list blocks remember the file.
  if (block.name == "TCS") names.tcs = name;
  if (block.name == "TPT") names.tpt = name;
  frontend.ShowStatus((for_reading ? "Loading " : "Saving ") + block.name + "...");
  return name;
}

}  // namespace

Outcome ReadBlockFromFile(Workspace& workspace, Frontend& frontend, int index, bool wholeBlock,
                          ListFileNames& names) {
  if (!ValidBlock(workspace, index)) return Outcome::kRefused;
  const BlockInfo block = workspace.blocks[static_cast<std::size_t>(index)];
  const std::string name = ChooseBlockFile(frontend, block, true, names);
  if (name.empty()) return Outcome::kCancelled;
  if (!common::FileExists(name)) {
    frontend.ShowMessage(MessageKind::kError, "File : " + name + " can not be opened !");
    return Outcome::kFailed;
  }
  std::string data;
  if (!common::ReadFileOrReport(frontend, name, data)) return Outcome::kFailed;
  const std::size_t limit = wholeBlock ? BlockSize : kDataOnlyLimit;
  if (data.size() > limit) {
    if (!frontend.AskYesNo("Block is bigger then 64Kb, load only first 64Kb ?")) {
      return Outcome::kCancelled;
    }
    data.resize(limit);
  }
  FlashImage& image = workspace.image;
  if (wholeBlock) {
    const std::int64_t block_begin = block.start - DataOffset;
    FillImage(image, block_begin, BlockSize, '\0');
    WriteIntoImage(image, block_begin, data);
  } else {
    FillImage(image, block.start, block.length, '\0');
    WriteIntoImage(image, block.start, data);
    const std::string length_field{static_cast<char>(data.size() % 256),
                                   static_cast<char>(data.size() / 256)};
    WriteIntoImage(image, block.start - 4, length_field);
  }
  ScanBlocks(workspace);
  workspace.dirty = true;
  return Outcome::kDone;
}

Outcome SaveBlockToFile(Workspace& workspace, Frontend& frontend, int index, bool wholeBlock,
                        ListFileNames& names) {
  if (!ValidBlock(workspace, index)) return Outcome::kRefused;
  const BlockInfo block = workspace.blocks[static_cast<std::size_t>(index)];
  const std::string name = ChooseBlockFile(frontend, block, false, names);
  if (name.empty()) return Outcome::kCancelled;
  if (!common::ConfirmOverwrite(frontend, name)) return Outcome::kCancelled;
  const std::string data = wholeBlock
                               ? ImageBytes(workspace.image, block.start - DataOffset, BlockSize)
                               : ImageBytes(workspace.image, block.start, block.length);
  return common::WriteFileOrReport(frontend, name, data) ? Outcome::kDone : Outcome::kFailed;
}

}  // namespace chanforge::flash
