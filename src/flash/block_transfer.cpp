#include "flash/block_transfer.h"

#include "common/reported_files.h"
#include "common/text_lines.h"
#include "flash/blocks.h"

namespace chanforge::flash {

using common::Frontend;
using common::MessageKind;
using common::Outcome;

std::string BlockFileName(const std::string& kind, const ListFileNames& names) {
  const auto list = ListKindOf(kind);
  if (list == common::ListKind::kChannels && !names.tcs.empty()) return names.tcs;
  if (list == common::ListKind::kTransponders && !names.tpt.empty()) return names.tpt;
  return common::Latin1ToUtf8(kind);
}

namespace {

constexpr auto kSavingBlock = common::Wording("status.saving-block", "Saving {1}...");
constexpr auto kBigBlock =
    common::Wording("block.big-file", "Block is bigger then 64Kb, load only first 64Kb ?");
// {1} counts the file's bytes.
constexpr auto kNotWholeRecords = common::CountedWording(
    "block.not-whole-records",
    "File : {2} is {1} bytes: not a whole number of {3} records.\r\nRead anyway ?",
    "File : {2} is {1} byte: not a whole number of {3} records.\r\nRead anyway ?");

// The chooser and the common first steps; empty when the user gave no name.
std::string ChooseBlockFile(Frontend& frontend, const BlockInfo& block, common::FileDialogKind kind,
                            ListFileNames& names) {
  const common::FileRequest request{kind, "", BlockFileName(block.name, names),
                                    common::kAllFilesFilter};
  const std::string name = common::ChooseFileWithFallback(frontend, request, "");
  if (name.empty()) return name;
  // Only exactly named list blocks remember the file.
  const auto list = ListKindOf(block, NameMatch::kExact);
  if (list == common::ListKind::kChannels) names.tcs = name;
  if (list == common::ListKind::kTransponders) names.tpt = name;
  frontend.ShowStatus(
      common::Say(kind == common::FileDialogKind::kOpen ? common::kLoadingStatus : kSavingBlock,
                  {common::Value(common::Latin1ToUtf8(block.name))}));
  return name;
}

}  // namespace

Outcome ReadBlockFile(const Workspace& workspace, Frontend& frontend, common::Files& files,
                      int index, BlockPart part, ListFileNames& names, std::string& data) {
  const BlockInfo* found = FindBlock(workspace, index);
  if (!found) return Outcome::kRefused;
  const BlockInfo block = *found;
  const std::string name = ChooseBlockFile(frontend, block, common::FileDialogKind::kOpen, names);
  if (name.empty()) return Outcome::kCancelled;
  if (!files.Exists(name)) {
    frontend.ShowMessage(MessageKind::kError, common::CannotOpenText(name));
    return Outcome::kFailed;
  }
  // The questions come before any byte is read; a huge file is refused unread.
  const std::int64_t size = common::SizeOrReport(frontend, files, name, common::kImageFileLimit);
  if (size < 0) return Outcome::kFailed;
  const auto kind = ListKindOf(block);
  if (part == BlockPart::kData && kind && size % static_cast<std::int64_t>(RecordSize(kind)) != 0 &&
      !frontend.AskYesNo(RecordSizeQuestion(name, size, *kind))) {
    return Outcome::kCancelled;
  }
  const std::int64_t limit = part == BlockPart::kWhole ? common::kBlockSize : kDataOnlyLimit;
  if (size > limit && !frontend.AskYesNo(common::Say(kBigBlock))) {
    return Outcome::kCancelled;
  }
  return common::ReadFileOrReport(frontend, files, name, limit, data) ? Outcome::kDone
                                                                      : Outcome::kFailed;
}

common::Message RecordSizeQuestion(const std::string& name, std::int64_t size,
                                   common::ListKind kind) {
  // The kind's word in the reader's language, as the sentence around it.
  const common::Message record = common::Say(
      kind == common::ListKind::kChannels ? common::kChannelRecords : common::kTransponderRecords);
  return common::Say(kNotWholeRecords, {common::Value(size), common::Value(name), record});
}

Outcome SaveBlockToFile(Workspace& workspace, Frontend& frontend, common::Files& files, int index,
                        BlockPart part, ListFileNames& names) {
  const BlockInfo* found = FindBlock(workspace, index);
  if (!found) return Outcome::kRefused;
  const BlockInfo block = *found;
  const std::string name = ChooseBlockFile(frontend, block, common::FileDialogKind::kSave, names);
  if (name.empty()) return Outcome::kCancelled;
  // Saving a block over the image it came from would lose the image.
  if (!workspace.image().fileName.empty() && files.SameFile(name, workspace.image().fileName)) {
    frontend.ShowMessage(MessageKind::kError, common::SameFileText(name));
    return Outcome::kRefused;
  }
  if (!common::ConfirmOverwrite(frontend, files, name)) return Outcome::kCancelled;
  const std::string data = part == BlockPart::kWhole
                               ? WholeBlockBytes(workspace, block)
                               : ImageBytes(workspace.image(), block.start, UsableLength(block));
  return common::WriteFileOrReport(frontend, files, name, data) ? Outcome::kDone : Outcome::kFailed;
}

}  // namespace chanforge::flash
