#include "cli/commands.h"
#include "cli/sample_image.h"
#include "common/reported_files.h"
#include "flash/block_check.h"
#include "flash/block_clear.h"
#include "flash/block_transfer.h"
#include "flash/flash_file.h"
#include "transponders/block_view.h"
#include "transponders/diseqc_swap.h"

namespace chanforge::cli {

using common::Outcome;

int ExitStatus(Outcome outcome) { return outcome == Outcome::kDone ? 0 : 1; }

namespace {

// Loads the image and checks the block the way the window's block commands do.
bool LoadAndSelect(ConsoleFrontend& ui, flash::Workspace& workspace, const std::string& flash,
                   int index, const std::string& action) {
  ui.QueueFile(flash);
  if (flash::LoadFlashFile(workspace, ui, flash) != Outcome::kDone) return false;
  const int lines = static_cast<int>(workspace.block_lines.size());
  workspace.selected = index < lines ? index : -1;
  return flash::CheckBlockSelected(ui, lines, workspace.selected, workspace.image.fileName, action);
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
  for (const std::string& line : workspace.block_lines) out << line << '\n';
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
  if (transponders::SwapDiseqc(workspace, ui, index) != Outcome::kDone) return 1;
  return SaveImage(ui, workspace, out);
}

int HexDump(ConsoleFrontend& ui, std::ostream& out, const std::string& flash, int index,
            ViewAs as) {
  flash::Workspace workspace;
  if (!LoadAndSelect(ui, workspace, flash, index, "View")) return 1;
  const std::string& name = workspace.blocks[static_cast<std::size_t>(index)].name;
  const char* wanted = as == ViewAs::kTcs ? "TCS" : "TPT";
  if (as != ViewAs::kHex && name != wanted) {
    ui.ShowMessage(common::MessageKind::kError,
                   "Block " + std::to_string(index) + " is not a " + wanted + " block");
    return 1;
  }
  if (as == ViewAs::kHex) {
    for (std::string line : transponders::ShowBlockHex(workspace, ui, index)) {
      // Never feed a terminal control bytes: the character column shows them as dots.
      for (std::size_t i = 53; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c < 0x20 || c > 0x7E) line[i] = '.';
      }
      out << line << '\n';
    }
    return 0;
  }
  const auto lines = as == ViewAs::kTcs ? transponders::ShowBlockAsTcs(workspace, ui, index)
                                        : transponders::ShowBlockAsTpt(workspace, ui, index);
  for (const std::string& line : lines) out << line << '\n';
  return 0;
}

int MakeSample(ConsoleFrontend& ui, const std::string& out) {
  if (!common::ConfirmOverwrite(ui, out)) return 1;
  return common::WriteFileOrReport(ui, out, MakeSampleImage()) ? 0 : 1;
}

}  // namespace chanforge::cli
