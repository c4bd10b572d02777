// The subcommands of chanforge-cli. Each one calls the core routine the GUI calls.
#pragma once

#include <ostream>
#include <string>

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

}  // namespace chanforge::cli
