// chanforge-cli: the editor's operations for scripts and terminals.
#include <CLI/CLI.hpp>
#include <csignal>
#include <exception>
#include <iostream>
#include <optional>

#include "channels/channel_conversions.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "common/file_access.h"
#include "transponders/transponder_conversions.h"

namespace {

constexpr int kUsageError = 2;

// An interrupted write leaves no temporary file; the program then ends as the signal says.
extern "C" void OnTerminatingSignal(int signal_number) {
  chanforge::common::RemovePendingTemporaryFile();
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

// The command's usage line, so that a mistake shows what the command takes.
std::string UsageOf(const CLI::App& app) {
  const CLI::App* command = &app;
  for (const CLI::App* sub : app.get_subcommands()) command = sub;
  const std::string name =
      command == &app ? "chanforge-cli" : "chanforge-cli " + command->get_name();
  return CLI::Formatter().make_usage(command, name);
}

int Run(int argc, char** argv);

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  // A file size limit must fail the write with a message, not kill the program.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  std::signal(SIGINT, OnTerminatingSignal);
  std::signal(SIGTERM, OnTerminatingSignal);
#ifdef SIGHUP
  std::signal(SIGHUP, OnTerminatingSignal);
#endif
#ifdef SIGBREAK
  std::signal(SIGBREAK, OnTerminatingSignal);  // Ctrl+Break in a Windows console
#endif
  // The last resort: nothing ends the program through an exception without a word.
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "chanforge-cli: the command failed: " << e.what() << '\n';
  } catch (...) {
    std::cerr << "chanforge-cli: the command failed\n";
  }
  return 1;
}

namespace {

int Run(int argc, char** argv) {
  using namespace chanforge::cli;
  CLI::App app{"Chanforge: edit the channel and transponder lists of a receiver's flash image"};
  app.require_subcommand(1);
  app.set_version_flag("--version", "chanforge-cli " CHANFORGE_VERSION);
  ConsoleOptions options;
  app.add_flag("--yes", options.yes, "Answer Yes to every question");
  app.add_flag("--verbose", options.verbose, "Show the progress texts on standard error");

  std::string flash, in, out, tcs, tpt, as;
  int index = 0;
  bool whole = false;
  bool declink = false;
  // An empty name would read as a cancelled choice; it is a usage error with its reason.
  const CLI::Validator file_name(
      [](std::string& name) {
        return name.empty() ? std::string("a file name may not be empty") : "";
      },
      "FILE");
  const auto add_flash_index = [&](CLI::App* command) {
    command->add_option("FLASH", flash, "Flash image file")->required()->check(file_name);
    command->add_option("INDEX", index, "Block index")->required()->check(CLI::Range(0, 7));
  };

  auto* blocks = app.add_subcommand("blocks", "Print the block list lines");
  blocks->add_option("FLASH", flash, "Flash image file")->required()->check(file_name);

  auto* save_block = app.add_subcommand("save-block", "Save a block's data (or whole block)");
  add_flash_index(save_block);
  save_block->add_option("OUT", out, "Block file to write")->required()->check(file_name);
  save_block->add_flag("--whole", whole, "The whole 64 KB block, header included");

  auto* read_block = app.add_subcommand("read-block", "Read a file into a block");
  add_flash_index(read_block);
  read_block->add_option("IN", in, "Block file to read")->required()->check(file_name);
  read_block->add_option("-o,--output", out, "Image file to write")->required()->check(file_name);
  read_block->add_flag("--whole", whole, "The file is a whole 64 KB block");

  auto* clear_block = app.add_subcommand("clear-block", "Clear a block");
  add_flash_index(clear_block);
  clear_block->add_option("-o,--output", out, "Image file to write")->required()->check(file_name);
  clear_block->add_flag("--whole", whole, "Clear the whole 64 KB block");

  auto* swap = app.add_subcommand("swap-diseqc", "Swap DiSEqC A/B of a TPT block");
  add_flash_index(swap);
  swap->add_option("-o,--output", out, "Image file to write")->required()->check(file_name);

  auto* tcs2txt = app.add_subcommand("tcs2txt", "Convert a TCS binary file to text");
  tcs2txt->add_option("BIN", in, "TCS binary file")->required()->check(file_name);
  tcs2txt->add_option("TXT", out, "TCS text file")->required()->check(file_name);
  auto* txt2tcs = app.add_subcommand("txt2tcs", "Convert a TCS text file to binary");
  txt2tcs->add_option("TXT", in, "TCS text file")->required()->check(file_name);
  txt2tcs->add_option("BIN", out, "TCS binary file")->required()->check(file_name);
  auto* tpt2txt = app.add_subcommand("tpt2txt", "Convert a TPT binary file to text");
  tpt2txt->add_option("BIN", in, "TPT binary file")->required()->check(file_name);
  tpt2txt->add_option("TXT", out, "TPT text file")->required()->check(file_name);
  tpt2txt->add_flag("--declink", declink, "Leave out the DiSEqC column");
  auto* txt2tpt = app.add_subcommand("txt2tpt", "Convert a TPT text file to binary");
  txt2tpt->add_option("TXT", in, "TPT text file")->required()->check(file_name);
  txt2tpt->add_option("BIN", out, "TPT binary file")->required()->check(file_name);

  auto* view = app.add_subcommand("view", "Print a list file as the list viewer shows it");
  auto* view_tcs = view->add_option("--tcs", tcs, "TCS binary file")->check(file_name);
  auto* view_tpt = view->add_option("--tpt", tpt, "TPT binary file")->check(file_name);
  view_tcs->excludes(view_tpt);
  view->require_option(1);

  auto* hexdump = app.add_subcommand("hexdump", "Print a block as the block viewer shows it");
  add_flash_index(hexdump);
  hexdump->add_option("--as", as, "Show the block as a list")->check(CLI::IsMember({"tcs", "tpt"}));

  auto* sample = app.add_subcommand("make-sample", "Write a 512 KB demo image");
  sample->add_option("OUT", out, "Image file to write")->required()->check(file_name);

  std::string other;
  bool warnings_as_errors = false;
  auto* check = app.add_subcommand("check", "Print what would make the receiver misbehave");
  check->add_option("FLASH", flash, "Flash image file")->required()->check(file_name);
  check->add_flag("--warnings-as-errors", warnings_as_errors, "Exit 1 on warnings too");
  auto* diff = app.add_subcommand("diff", "Print what changed from image A to image B");
  diff->add_option("A", flash, "Old flash image file")->required()->check(file_name);
  diff->add_option("B", other, "New flash image file")->required()->check(file_name);
  // List editing: each command loads FLASH and writes the changed image to OUT.
  std::size_t number = 0, before = 0;
  std::string rows, by;
  std::vector<std::string> assignments, row_ranges;
  const auto add_out = [&](CLI::App* command) {
    command->add_option("-o,--output", out, "Image file to write")->required()->check(file_name);
  };
  const CLI::Validator range_text(
      [](std::string& text) {
        return ParseRange(text) ? std::string() : "\"" + text + "\" is not N or N-M";
      },
      "N[-M]");
  auto* channels = app.add_subcommand("channels", "Print the channel list, tab-separated");
  channels->add_option("FLASH", flash, "Flash image file")->required()->check(file_name);
  auto* transponder_list =
      app.add_subcommand("transponders", "Print the transponder list, tab-separated");
  transponder_list->add_option("FLASH", flash, "Flash image file")->required()->check(file_name);
  auto* set_channel = app.add_subcommand("set-channel", "Set fields of a channel");
  set_channel->add_option("FLASH", flash, "Flash image file")->required()->check(file_name);
  set_channel->add_option("N", number, "Channel number")->required();
  set_channel
      ->add_option("FIELD=VALUE", assignments, "name, use, tp, sid, vpid, apid, vecm, aecm, pcr")
      ->required();
  add_out(set_channel);
  auto* move_channels = app.add_subcommand("move-channels", "Move channels before a position");
  move_channels->add_option("FLASH", flash, "Flash image file")->required()->check(file_name);
  move_channels->add_option("FROM[-TO]", rows, "Channels to move")->required()->check(range_text);
  move_channels->add_option("BEFORE", before, "Position to move them before")->required();
  add_out(move_channels);
  auto* remove_channels = app.add_subcommand("remove-channels", "Remove channels");
  remove_channels->add_option("FLASH", flash, "Flash image file")->required()->check(file_name);
  remove_channels->add_option("N[-M]", row_ranges, "Channels to remove")
      ->required()
      ->check(range_text);
  add_out(remove_channels);
  auto* sort_channels = app.add_subcommand("sort-channels", "Sort the channels (stable)");
  sort_channels->add_option("FLASH", flash, "Flash image file")->required()->check(file_name);
  sort_channels->add_option("--by", by, "Sort key")
      ->required()
      ->check(CLI::IsMember({"name", "sid", "frequency"}));
  add_out(sort_channels);
  auto* remove_transponder = app.add_subcommand(
      "remove-transponder", "Remove a transponder (asks about channels using it)");
  remove_transponder->add_option("FLASH", flash, "Flash image file")->required()->check(file_name);
  remove_transponder->add_option("T", number, "Transponder number")->required();
  add_out(remove_transponder);
  auto* move_transponder =
      app.add_subcommand("move-transponder", "Move a transponder before a position");
  move_transponder->add_option("FLASH", flash, "Flash image file")->required()->check(file_name);
  move_transponder->add_option("T", number, "Transponder number")->required();
  move_transponder->add_option("BEFORE", before, "Position to move it before")->required();
  add_out(move_transponder);
  // CSV exchange: one of the two lists, chosen by a flag.
  bool csv_channels = false, csv_transponders = false;
  const auto add_csv_list = [&](CLI::App* command) {
    command->add_option("FLASH", flash, "Flash image file")->required()->check(file_name);
    command->add_flag("--channels", csv_channels, "The channel list");
    command->add_flag("--transponders", csv_transponders, "The transponder list");
    // Checked here rather than with excludes(), which the completion would read as a value.
    command->parse_complete_callback([&] {
      if (csv_channels == csv_transponders) {
        throw CLI::ValidationError("give one of --channels and --transponders");
      }
    });
  };
  auto* export_csv = app.add_subcommand("export-csv", "Write a list as a CSV file");
  add_csv_list(export_csv);
  export_csv->add_option("OUT", out, "CSV file to write")->required()->check(file_name);
  auto* import_csv = app.add_subcommand("import-csv", "Replace a list with a CSV file's rows");
  add_csv_list(import_csv);
  import_csv->add_option("IN", in, "CSV file to read")->required()->check(file_name);
  add_out(import_csv);
  const auto run_edit = [&](ConsoleFrontend& ui) -> std::optional<int> {
    if (*export_csv) return ExportCsv(ui, flash, csv_channels, out);
    if (*import_csv) return ImportCsv(ui, flash, csv_channels, in, out);
    if (*channels) return Channels(ui, std::cout, flash);
    if (*transponder_list) return Transponders(ui, std::cout, flash);
    if (*set_channel) return SetChannel(ui, flash, number, assignments, out);
    if (*move_channels) return MoveChannels(ui, flash, *ParseRange(rows), before, out);
    if (*remove_channels) {
      std::vector<Range> ranges;
      for (const std::string& text : row_ranges) ranges.push_back(*ParseRange(text));
      return RemoveChannels(ui, flash, ranges, out);
    }
    if (*sort_channels) return SortChannels(ui, flash, by, out);
    if (*remove_transponder) return RemoveTransponder(ui, flash, number, out);
    if (*move_transponder) return MoveTransponder(ui, flash, number, before, out);
    return std::nullopt;
  };

  const std::vector<std::string> arguments = Utf8Arguments(argc, argv);
  std::vector<const char*> argument_texts;
  for (const std::string& argument : arguments) argument_texts.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(argument_texts.size()), argument_texts.data());
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << e.what() << '\n' << UsageOf(app) << "Run with --help for more information.\n";
    return kUsageError;
  }

  options.interactive = IsTerminal(stdin);
  options.terminal_output = IsTerminal(stdout);
  ConsoleFrontend ui(options, std::cin, std::cout, std::cerr);
  const auto dispatch = [&]() -> int {
    using chanforge::channels::ConvertTcsToText;
    if (*blocks) return Blocks(ui, std::cout, flash);
    if (*save_block) return SaveBlock(ui, flash, index, out, whole);
    if (*read_block) return ReadBlock(ui, flash, index, in, out, whole);
    if (*clear_block) return ClearBlock(ui, flash, index, out, whole);
    if (*swap) return SwapDiseqc(ui, flash, index, out);
    if (*tcs2txt) return ExitStatus(ConvertTcsToText(ui, in, out));
    if (*txt2tcs) return ExitStatus(chanforge::channels::ConvertTextToTcs(ui, out, in));
    if (*tpt2txt)
      return ExitStatus(chanforge::transponders::ConvertTptToText(ui, in, out, declink));
    if (*txt2tpt) return ExitStatus(chanforge::transponders::ConvertTextToTpt(ui, out, in, false));
    if (*view) return View(ui, std::cout, tcs, tpt);
    if (*hexdump) {
      const ViewAs view_as = as == "tcs" ? ViewAs::kTcs : as == "tpt" ? ViewAs::kTpt : ViewAs::kHex;
      return HexDump(ui, std::cout, flash, index, view_as);
    }
    if (*sample) return MakeSample(ui, out);
    if (*check) return Check(ui, std::cout, flash, warnings_as_errors);
    if (*diff) return Diff(ui, std::cout, flash, other);
    if (const std::optional<int> status = run_edit(ui)) return *status;
    return kUsageError;
  };
  const int status = dispatch();
  // Output that never arrived is a failure, whatever the command did.
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "Error Writing the file standard output !\n";
    return 1;
  }
  return status;
}

}  // namespace
