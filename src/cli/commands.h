// The subcommands of chanforge-cli. Each one calls the core routine the GUI calls.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/console_frontend.h"

namespace chanforge::cli {

enum class ViewAs { kHex, kTcs, kTpt };

int ExitStatus(common::Outcome outcome);

int Blocks(ConsoleFrontend& ui, std::ostream& out, const std::string& flash);
int SaveBlock(ConsoleFrontend& ui, const std::string& flash, int index, const std::string& out,
              bool whole);
int ReadBlock(ConsoleFrontend& ui, const std::string& flash, int index, const std::string& in,
              const std::string& out, bool whole);
int ClearBlock(ConsoleFrontend& ui, const std::string& flash, int index, const std::string& out,
               bool whole);
int SwapDiseqc(ConsoleFrontend& ui, const std::string& flash, int index, const std::string& out);
int HexDump(ConsoleFrontend& ui, std::ostream& out, const std::string& flash, int index, ViewAs as);
int MakeSample(ConsoleFrontend& ui, const std::string& out);

// Prints the image's findings; 1 when it has errors (or warnings, if they count).
int Check(ConsoleFrontend& ui, std::ostream& out, const std::string& flash,
          bool warnings_as_errors);
// Prints what changed from image a to image b; 1 when they differ.
int Diff(ConsoleFrontend& ui, std::ostream& out, const std::string& a, const std::string& b);

int View(ConsoleFrontend& ui, std::ostream& out, const std::string& tcs, const std::string& tpt);

// List editing. Numbers are 1-based, as in the lists.
struct Range {
  std::size_t first = 0;
  std::size_t last = 0;
};
// "N" or "N-M"; nothing when the text is neither.
std::optional<Range> ParseRange(std::string_view text);

int Channels(ConsoleFrontend& ui, std::ostream& out, const std::string& flash);
int Transponders(ConsoleFrontend& ui, std::ostream& out, const std::string& flash);
int SetChannel(ConsoleFrontend& ui, const std::string& flash, std::size_t number,
               const std::vector<std::string>& assignments, const std::string& out);
int MoveChannels(ConsoleFrontend& ui, const std::string& flash, Range rows, std::size_t before,
                 const std::string& out);
int RemoveChannels(ConsoleFrontend& ui, const std::string& flash, const std::vector<Range>& ranges,
                   const std::string& out);
int SortChannels(ConsoleFrontend& ui, const std::string& flash, const std::string& by,
                 const std::string& out);
int RemoveTransponder(ConsoleFrontend& ui, const std::string& flash, std::size_t number,
                      const std::string& out);
int MoveTransponder(ConsoleFrontend& ui, const std::string& flash, std::size_t number,
                    std::size_t before, const std::string& out);

// CSV exchange of the channel list (channels) or the transponder list.
int ExportCsv(ConsoleFrontend& ui, const std::string& flash, bool channels, const std::string& out);
int ImportCsv(ConsoleFrontend& ui, const std::string& flash, bool channels, const std::string& in,
              const std::string& out);

}  // namespace chanforge::cli
