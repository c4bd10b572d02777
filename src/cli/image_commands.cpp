#include <memory>

#include "cli/commands.h"
#include "cli/session.h"
#include "common/file_access.h"
#include "common/reported_files.h"
#include "editing/diseqc_swap.h"
#include "editing/sample_image.h"
#include "flash/block_check.h"
#include "flash/block_clear.h"
#include "flash/block_transfer.h"
#include "flash/blocks.h"
#include "flash/flash_file.h"
#include "views/block_lines.h"
#include "views/block_view.h"

namespace chanforge::cli {

using common::Outcome;

int ExitStatus(Outcome outcome) { return outcome == Outcome::kDone ? 0 : 1; }

namespace {

// Loads the image and checks the block the way the window's block commands do.
bool LoadAndSelect(ConsoleFrontend& ui, Session& session, const std::string& flash, int index,
                   const std::string& action, const std::string& out = {}) {
  if (!Load(ui, session, flash, out)) return false;
  const flash::Workspace& w = session.workspace;
  return flash::CheckBlockSelected(ui, w.block_count, index < w.block_count ? index : -1,
                                   w.image.fileName, action);
}

}  // namespace

int Blocks(ConsoleFrontend& ui, std::ostream& out, const std::string& flash) {
  Session session;
  if (!Load(ui, session, flash)) return 1;
  // An image too short for any block is refused like every other block command.
  if (!flash::CheckBlockSelected(ui, session.workspace.block_count, 0, flash, "")) return 1;
  ui.PrintBytes(out, views::BlockLines(session.workspace));
  return 0;
}

int SaveBlock(ConsoleFrontend& ui, const std::string& flash, int index, const std::string& out,
              bool whole) {
  Session session;
  if (!LoadAndSelect(ui, session, flash, index, "Save")) return 1;
  flash::ListFileNames names;
  ui.QueueFile(out);
  return ExitStatus(flash::SaveBlockToFile(session.workspace, ui, index, whole, names));
}

int ReadBlock(ConsoleFrontend& ui, const std::string& flash, int index, const std::string& in,
              const std::string& out, bool whole) {
  Session session;
  if (!LoadAndSelect(ui, session, flash, index, "Update", out)) return 1;
  flash::ListFileNames names;
  ui.QueueFile(in);
  if (flash::ReadBlockFromFile(session.workspace, ui, index, whole, names) != Outcome::kDone) {
    return 1;
  }
  return SaveImage(ui, session, out);
}

int ClearBlock(ConsoleFrontend& ui, const std::string& flash, int index, const std::string& out,
               bool whole) {
  Session session;
  if (!LoadAndSelect(ui, session, flash, index, "Clear", out)) return 1;
  if (flash::ConfirmAndClearBlock(session.workspace, ui, index, whole) != Outcome::kDone) {
    return 1;
  }
  return SaveImage(ui, session, out);
}

int SwapDiseqc(ConsoleFrontend& ui, const std::string& flash, int index, const std::string& out) {
  Session session;
  if (!LoadAndSelect(ui, session, flash, index, "Convert (a TPT block!)", out)) return 1;
  int count = 0;
  if (editing::SwapDiseqcSilently(session.workspace, ui, index, count) != Outcome::kDone) {
    return 1;
  }
  const int status = SaveImage(ui, session, out);
  // The count is only news once the swapped image is written.
  if (status == 0) ui.ShowMessage(common::MessageKind::kReport, editing::SwapReport(count));
  return status;
}

int HexDump(ConsoleFrontend& ui, std::ostream& out, const std::string& flash, int index,
            ViewAs as) {
  Session session;
  if (!LoadAndSelect(ui, session, flash, index, "View")) return 1;
  const flash::Workspace& w = session.workspace;
  const flash::BlockInfo& block = *flash::FindBlock(w, index);
  const flash::ListKind wanted = as == ViewAs::kTcs ? flash::ListKind::kTcs : flash::ListKind::kTpt;
  // As the window's list option: only the names as the receiver writes them.
  if (as != ViewAs::kHex && flash::ListKindOf(block, flash::NameMatch::kExact) != wanted) {
    ui.ShowMessage(common::MessageKind::kError, "Block " + std::to_string(index) + " is not a " +
                                                    flash::ListKindName(wanted) + " block");
    return 1;
  }
  if (as == ViewAs::kHex) {
    // The character column never feeds a terminal control bytes.
    for (const std::string& line :
         views::HexDumpLines(flash::WholeBlockBytes(w, block), views::CharColumn::kAscii)) {
      out << line << '\n';
    }
    return 0;
  }
  const std::string data = flash::BlockData(w, block);
  ui.PrintBytes(out, as == ViewAs::kTcs ? views::TcsListLines(data) : views::TptListLines(data));
  return 0;
}

int MakeSample(ConsoleFrontend& ui, const std::string& out) {
  if (!common::ConfirmOverwrite(ui, out)) return 1;
  return common::WriteFileOrReport(ui, out, editing::MakeSampleImage()) ? 0 : 1;
}

}  // namespace chanforge::cli
