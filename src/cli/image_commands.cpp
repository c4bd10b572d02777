#include "cli/commands.h"
#include "cli/sample_image.h"
#include "common/reported_files.h"
#include "flash/block_check.h"
#include "flash/block_clear.h"
#include "flash/block_transfer.h"
#include "flash/blocks.h"
#include "flash/flash_file.h"
#include "transponders/diseqc_swap.h"
#include "views/block_lines.h"
#include "views/block_view.h"

namespace chanforge::cli {

using common::Outcome;

int ExitStatus(Outcome outcome) { return outcome == Outcome::kDone ? 0 : 1; }

namespace {

// Loads the image and checks the block the way the window's block commands do.
bool LoadAndSelect(ConsoleFrontend& ui, flash::Workspace& workspace, const std::string& flash,
                   int index, const std::string& action) {
  ui.QueueFile(flash);
  if (flash::LoadFlashFile(workspace, ui, flash) != Outcome::kDone) return false;
  const int lines = workspace.block_count;
  return flash::CheckBlockSelected(ui, lines, index < lines ? index : -1, workspace.image.fileName,
                                   action);
}

// Writes the changed image to out with the flash save's rules.
int SaveImage(ConsoleFrontend& ui, flash::Workspace& workspace, const std::string& out) {
  ui.QueueFile(out);
  return ExitStatus(flash::SaveFlashFile(workspace, ui, out));
}

}  // namespace

int Blocks(ConsoleFrontend& ui, std::ostream& out, const std::string& flash) {
  flash::Workspace workspace;
  ui.QueueFile(flash);
  if (flash::LoadFlashFile(workspace, ui, flash) != Outcome::kDone) return 1;
  for (const std::string& line : views::BlockLines(workspace)) out << line << '\n';
  return 0;
}

int SaveBlock(ConsoleFrontend& ui, const std::string& flash, int index, const std::string& out,
              bool whole) {
  flash::Workspace workspace;
  if (!LoadAndSelect(ui, workspace, flash, index, "Save")) return 1;
  flash::ListFileNames names;
  ui.QueueFile(out);
  return ExitStatus(flash::SaveBlockToFile(workspace, ui, index, whole, names));
}

int ReadBlock(ConsoleFrontend& ui, const std::string& flash, int index, const std::string& in,
              const std::string& out, bool whole) {
  flash::Workspace workspace;
  if (!LoadAndSelect(ui, workspace, flash, index, "Update")) return 1;
  flash::ListFileNames names;
  ui.QueueFile(in);
  if (flash::ReadBlockFromFile(workspace, ui, index, whole, names) != Outcome::kDone) return 1;
  return SaveImage(ui, workspace, out);
}

int ClearBlock(ConsoleFrontend& ui, const std::string& flash, int index, const std::string& out,
               bool whole) {
  flash::Workspace workspace;
  if (!LoadAndSelect(ui, workspace, flash, index, "Clear")) return 1;
  if (flash::ConfirmAndClearBlock(workspace, ui, index, whole) != Outcome::kDone) return 1;
  return SaveImage(ui, workspace, out);
}

int SwapDiseqc(ConsoleFrontend& ui, const std::string& flash, int index, const std::string& out) {
  flash::Workspace workspace;
  if (!LoadAndSelect(ui, workspace, flash, index, "Convert (a TPT block!)")) return 1;
  int count = 0;
  if (transponders::SwapDiseqcSilently(workspace, ui, index, count) != Outcome::kDone) return 1;
  const int status = SaveImage(ui, workspace, out);
  // The count is only news once the swapped image is written.
  if (status == 0) ui.ShowMessage(common::MessageKind::kReport, transponders::SwapReport(count));
  return status;
}

int HexDump(ConsoleFrontend& ui, std::ostream& out, const std::string& flash, int index,
            ViewAs as) {
  flash::Workspace workspace;
  if (!LoadAndSelect(ui, workspace, flash, index, "View")) return 1;
  const flash::BlockInfo& block = *flash::FindBlock(workspace, index);
  const flash::ListKind wanted = as == ViewAs::kTcs ? flash::ListKind::kTcs : flash::ListKind::kTpt;
  // As the window's list option: only the names as the receiver writes them.
  if (as != ViewAs::kHex && flash::ListKindOf(block, flash::NameMatch::kExact) != wanted) {
    ui.ShowMessage(common::MessageKind::kError, "Block " + std::to_string(index) + " is not a " +
                                                    flash::ListKindName(wanted) + " block");
    return 1;
  }
  std::vector<std::string> lines;
  if (as == ViewAs::kHex) {
    // Never feed a terminal control bytes: the character column shows them as dots.
    lines =
        views::HexDumpLines(flash::WholeBlockBytes(workspace, block), views::CharColumn::kAscii);
  } else {
    const std::string data = flash::BlockData(workspace, block);
    lines = as == ViewAs::kTcs ? views::TcsListLines(data) : views::TptListLines(data);
  }
  for (const std::string& line : lines) out << line << '\n';
  return 0;
}

int MakeSample(ConsoleFrontend& ui, const std::string& out) {
  if (!common::ConfirmOverwrite(ui, out)) return 1;
  return common::WriteFileOrReport(ui, out, MakeSampleImage()) ? 0 : 1;
}

}  // namespace chanforge::cli
