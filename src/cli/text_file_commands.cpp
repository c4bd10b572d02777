// The text file commands: a binary list to its text file and back, and the list viewer.
#include <iostream>
#include <memory>

#include "channels/channel_conversions.h"
#include "channels/channel_record.h"
#include "cli/command_session.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "transponders/transponder_conversions.h"
#include "transponders/transponder_record.h"
#include "views/list_view.h"

namespace chanforge::cli {

namespace {

int View(ConsoleFrontend& ui, common::Files& files, std::ostream& out, const std::string& tcs,
         const std::string& tpt) {
  const std::string& name = tcs.empty() ? tpt : tcs;
  ui.ShowStatus(common::Say(common::kLoadingStatus, {common::Value(name)}));
  // A line at a time: a list of any length is shown with flat memory.
  const bool channels = !tcs.empty();
  const std::unique_ptr<common::ListTextFormat> format =
      channels ? channels::MakeTcsTextFormat()
               : transponders::MakeTptTextFormat(common::TptLayout::kFull);
  const common::Status shown = common::StreamListFile(
      files, name, *format, channels ? channels::TcsHeading : transponders::TptHeading,
      [&](std::int64_t size) {
        return views::OversizeLine(common::BlockNameOf(channels ? common::ListKind::kChannels
                                                                : common::ListKind::kTransponders),
                                   size);
      },
      [&](std::string_view line) {
        ui.PrintLine(out, line);
        return static_cast<bool>(out);
      });
  return Refused(ui, shown) ? 1 : 0;
}

struct Args {
  std::string bin, txt, tcs, tpt, diseqc;
  bool dec_link = false, utf8 = false;
  common::TptLayout Layout() const {
    return dec_link ? common::TptLayout::kDecLink : common::TptLayout::kFull;
  }
};

// A text read as UTF-8 is said: its characters became the list's bytes.
int FromText(ConsoleFrontend& ui, const common::Converted& converted, const std::string& text) {
  if (converted == common::Outcome::kDone && converted.read_as == common::TextEncoding::kUtf8) {
    ui.ShowMessage(common::MessageKind::kNotice, "Read " + text + " as UTF-8 text");
  }
  return ExitStatus(converted.outcome);
}

// The binary file first or the text file first, in the order the conversion reads them.
enum class FileOrder { kBinaryFirst, kTextFirst };

std::shared_ptr<Args> AddFiles(CLI::App& command, const char* list, FileOrder order) {
  const bool binary_first = order == FileOrder::kBinaryFirst;
  auto a = std::make_shared<Args>();
  const std::string bin_help = std::string(list) + " binary file";
  const std::string txt_help = std::string(list) + " text file";
  if (binary_first) AddFile(command, "BIN", a->bin, bin_help)->required();
  AddFile(command, "TXT", a->txt, txt_help)->required();
  if (!binary_first) AddFile(command, "BIN", a->bin, bin_help)->required();
  return a;
}

constexpr Subcommand kTextFileCommands[] = {
    {"tcs2txt", "Convert a TCS binary file to text",
     [](CLI::App& command) -> Handler {
       auto a = AddFiles(command, "TCS", FileOrder::kBinaryFirst);
       command.add_flag("--utf8", a->utf8,
                        "Write the text as UTF-8, for an editor that reads it so (it reads back "
                        "the same)");
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return ExitStatus(channels::ConvertTcsToText(ui, files, a->bin, a->txt,
                                                      a->utf8 ? common::TextEncoding::kUtf8
                                                              : common::TextEncoding::kLatin1)
                               .outcome);
       };
     }},
    {"txt2tcs", "Convert a TCS text file to binary",
     [](CLI::App& command) -> Handler {
       auto a = AddFiles(command, "TCS", FileOrder::kTextFirst);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return FromText(ui, channels::ConvertTextToTcs(ui, files, a->bin, a->txt), a->txt);
       };
     }},
    {"tpt2txt", "Convert a TPT binary file to text",
     [](CLI::App& command) -> Handler {
       auto a = AddFiles(command, "TPT", FileOrder::kBinaryFirst);
       command.add_flag("--declink", a->dec_link, "Leave out the DiSEqC column");
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return ExitStatus(
             transponders::ConvertTptToText(ui, files, a->bin, a->txt, a->Layout()).outcome);
       };
     }},
    {"txt2tpt", "Convert a TPT text file to binary",
     [](CLI::App& command) -> Handler {
       auto a = AddFiles(command, "TPT", FileOrder::kTextFirst);
       CLI::Option* dec_link = command.add_flag(
           "--declink", a->dec_link, "The lines may leave out the DiSEqC column (DecLink layout)");
       AddDiseqc(command, a->diseqc, "DiSEqC input of the lines that leave it out, with --declink")
           ->needs(dec_link);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return FromText(ui,
                         transponders::ConvertTextToTpt(ui, files, a->bin, a->txt, a->Layout(),
                                                        IsDiseqcB(a->diseqc)),
                         a->txt);
       };
     }},
    {"view", "Print a list file as the list viewer shows it",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       CLI::Option* tcs = AddFile(command, "--tcs", a->tcs, "TCS binary file");
       CLI::Option* tpt = AddFile(command, "--tpt", a->tpt, "TPT binary file");
       tcs->excludes(tpt);
       command.require_option(1);
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return View(ui, files, std::cout, a->tcs, a->tpt);
       };
     }},
};

}  // namespace

std::span<const Subcommand> TextFileCommands() { return kTextFileCommands; }

}  // namespace chanforge::cli
