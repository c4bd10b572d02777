// The block commands, the block dump and the demo image.
#include <iostream>
#include <memory>

#include "cli/command_session.h"
#include "cli/commands.h"
#include "cli/each_image.h"
#include "cli/options.h"
#include "common/reported_files.h"
#include "editing/block_steps.h"
#include "editing/diseqc_swap.h"
#include "editing/sample_image.h"
#include "flash/block_check.h"
#include "flash/block_transfer.h"
#include "flash/blocks.h"
#include "flash/flash_file.h"
#include "views/block_lines.h"
#include "views/block_view.h"

namespace chanforge::cli {

using common::Outcome;

int ExitStatus(Outcome outcome) { return outcome == Outcome::kDone ? 0 : 1; }

namespace {

// Checks the block the way the window's block commands do.
bool Selected(ConsoleFrontend& ui, const flash::Workspace& w, int index,
              flash::BlockAction action) {
  return flash::CheckBlockSelected(ui, w.block_count(), index < w.block_count() ? index : -1,
                                   w.image().fileName, action);
}

bool LoadAndSelect(ConsoleFrontend& ui, CommandSession& session, const std::string& flash,
                   int index, flash::BlockAction action, const std::string& out) {
  return Load(ui, session, flash, out) && Selected(ui, session.workspace(), index, action);
}

int Blocks(ConsoleFrontend& ui, common::Files& files, std::ostream& out, const std::string& flash,
           ImageEntry& entry) {
  flash::Workspace workspace;
  if (!LoadForReading(ui, files, workspace, flash)) return 1;
  // An image too short for any block is refused like every other block command.
  if (!flash::CheckBlockSelected(ui, workspace.block_count(), 0, flash, flash::BlockAction::kView))
    return 1;
  if (!ui.options().json) {
    ui.PrintBytes(out, views::BlockLines(workspace));
    return 0;
  }
  Json& blocks = entry.json["blocks"] = Json::array();
  for (int i = 0; i < workspace.block_count(); ++i) {
    blocks.push_back(BlockJson(i, workspace.blocks()[static_cast<std::size_t>(i)]));
  }
  return 0;
}

int SaveBlock(ConsoleFrontend& ui, common::Files& files, const std::string& flash, int index,
              const std::string& out, flash::BlockPart part) {
  flash::Workspace workspace;
  if (!LoadForReading(ui, files, workspace, flash) ||
      !Selected(ui, workspace, index, flash::BlockAction::kSave))
    return 1;
  flash::ListFileNames names;
  ui.QueueFile(out);
  return ExitStatus(flash::SaveBlockToFile(workspace, ui, files, index, part, names));
}

int ReadBlock(ConsoleFrontend& ui, common::Files& files, const std::string& flash, int index,
              const std::string& in, const std::string& out, flash::BlockPart part) {
  CommandSession session(files);
  if (!LoadAndSelect(ui, session, flash, index, flash::BlockAction::kUpdate, out)) return 1;
  flash::ListFileNames names;
  ui.QueueFile(in);
  if (editing::ReadBlock(session.history(), ui, files, index, part, names) != Outcome::kDone) {
    return 1;
  }
  return SaveImage(ui, session, out);
}

int ClearBlock(ConsoleFrontend& ui, common::Files& files, const std::string& flash, int index,
               const std::string& out, flash::BlockPart part) {
  CommandSession session(files);
  if (!LoadAndSelect(ui, session, flash, index, flash::BlockAction::kClear, out)) return 1;
  if (editing::ClearBlock(session.history(), ui, index, part) != Outcome::kDone) return 1;
  return SaveImage(ui, session, out);
}

int SwapDiseqc(ConsoleFrontend& ui, common::Files& files, const std::string& flash, int index,
               const std::string& out) {
  CommandSession session(files);
  if (!LoadAndSelect(ui, session, flash, index, flash::BlockAction::kConvert, out)) return 1;
  int count = 0;
  if (editing::SwapDiseqc(session.history(), ui, index, count) != Outcome::kDone) return 1;
  const int status = SaveImage(ui, session, out);
  // The count is only news once the swapped image is written.
  if (status == 0) ui.ShowMessage(common::MessageKind::kReport, editing::SwapReport(count));
  return status;
}

enum class ViewAs { kHex, kTcs, kTpt };

int HexDump(ConsoleFrontend& ui, common::Files& files, std::ostream& out, const std::string& flash,
            int index, ViewAs as) {
  flash::Workspace w;
  if (!LoadForReading(ui, files, w, flash) || !Selected(ui, w, index, flash::BlockAction::kView))
    return 1;
  const flash::BlockInfo& block = *flash::FindBlock(w, index);
  const common::ListKind wanted =
      as == ViewAs::kTcs ? common::ListKind::kChannels : common::ListKind::kTransponders;
  // As the window's list option: only the names as the receiver writes them.
  if (as != ViewAs::kHex && flash::ListKindOf(block, flash::NameMatch::kExact) != wanted) {
    ui.ShowMessage(common::MessageKind::kError, "Block " + std::to_string(index) + " is not a " +
                                                    common::BlockNameOf(wanted) + " block");
    return 1;
  }
  if (as == ViewAs::kHex) {
    // The character column never feeds a terminal control bytes.
    // A piece at a time into one reused buffer.
    const std::string_view bytes = flash::WholeBlockView(w, block);
    std::string text;
    for (std::size_t at = 0; at < bytes.size(); at += 4096) {
      text.clear();
      views::AppendHexDump(text, bytes, views::CharColumn::kAscii, at, at + 4096);
      out << text;
    }
    return 0;
  }
  const std::string data = flash::BlockData(w, block);
  ui.PrintBytes(out, as == ViewAs::kTcs ? views::TcsListLines(data) : views::TptListLines(data));
  return 0;
}

int MakeSample(ConsoleFrontend& ui, common::Files& files, const std::string& out) {
  if (!common::ConfirmOverwrite(ui, files, out)) return 1;
  return common::WriteFileOrReport(ui, files, out, editing::MakeSampleImage()) ? 0 : 1;
}

struct Args {
  std::vector<std::string> flashes;
  std::string flash, in, out, as;
  int index = 0;
  bool whole = false;  // --whole
  flash::BlockPart Part() const {
    return whole ? flash::BlockPart::kWhole : flash::BlockPart::kData;
  }
};

constexpr Subcommand kBlockCommands[] = {
    {"blocks", "Print the block list lines",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlashes(command, a->flashes);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return EachImage(ui, std::cout, a->flashes, Heading::kFileName,
                          {{"blocks", Json::array()}},
                          [&](const std::string& flash, ImageEntry& entry) {
                            return Blocks(ui, files, std::cout, flash, entry);
                          });
       };
     },
     1, true},
    {"save-block", "Save a block's data (or whole block)",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlashIndex(command, a->flash, a->index);
       AddFile(command, "OUT", a->out, "Block file to write")->required();
       command.add_flag("--whole", a->whole, "The whole 64 KB block, header included");
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return SaveBlock(ui, files, a->flash, a->index, a->out, a->Part());
       };
     }},
    {"read-block", "Read a file into a block",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlashIndex(command, a->flash, a->index);
       AddFile(command, "IN", a->in, "Block file to read")->required();
       AddOutput(command, a->out);
       command.add_flag("--whole", a->whole, "The file is a whole 64 KB block");
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return ReadBlock(ui, files, a->flash, a->index, a->in, a->out, a->Part());
       };
     }},
    {"clear-block", "Clear a block",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlashIndex(command, a->flash, a->index);
       AddOutput(command, a->out);
       command.add_flag("--whole", a->whole, "Clear the whole 64 KB block");
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return ClearBlock(ui, files, a->flash, a->index, a->out, a->Part());
       };
     }},
    {"swap-diseqc", "Swap DiSEqC A/B of a TPT block",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlashIndex(command, a->flash, a->index);
       AddOutput(command, a->out);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return SwapDiseqc(ui, files, a->flash, a->index, a->out);
       };
     }},
};

constexpr Subcommand kDumpCommands[] = {
    {"hexdump", "Print a block as the block viewer shows it",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlashesIndex(command, a->flashes, a->index);
       command.add_option("--as", a->as, "Show the block as a list")
           ->check(CLI::IsMember({"tcs", "tpt"}));
       return [a](ConsoleFrontend& ui, common::Files& files) {
         const ViewAs as = a->as == "tcs"   ? ViewAs::kTcs
                           : a->as == "tpt" ? ViewAs::kTpt
                                            : ViewAs::kHex;
         return EachImage(ui, std::cout, a->flashes, Heading::kFileName, Json::object(),
                          [&](const std::string& flash, ImageEntry&) {
                            return HexDump(ui, files, std::cout, flash, a->index, as);
                          });
       };
     }},
    {"make-sample", "Write a 512 KB demo image",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFile(command, "OUT", a->out, "Image file to write")->required();
       return
           [a](ConsoleFrontend& ui, common::Files& files) { return MakeSample(ui, files, a->out); };
     }},
};

}  // namespace

std::span<const Subcommand> BlockCommands() { return kBlockCommands; }
std::span<const Subcommand> DumpCommands() { return kDumpCommands; }

}  // namespace chanforge::cli
