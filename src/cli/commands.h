// The subcommands of chanforge-cli, as a table of entries that each add their own options
// and hand back their handler. Each one calls the core routine the GUI calls.
#pragma once

#include <functional>
#include <span>

#include "cli/console_frontend.h"
#include "common/files.h"

namespace CLI {
class App;
}  // namespace CLI

namespace chanforge::cli {

int ExitStatus(common::Outcome outcome);

// Runs the parsed subcommand on the disk it is given; returns its exit status.
using Handler = std::function<int(ConsoleFrontend& ui, common::Files& files)>;

// An entry of the table: the subcommand's name and help line, and the step that adds its
// options, bound to values that the handler it returns reads once the line is parsed.
struct Subcommand {
  const char* name;
  const char* description;
  Handler (*add_options)(CLI::App& command);
  // The exit status of a failure (an exception, output that never arrived): 2 where 1
  // is an answer, as for check and diff.
  int failure_status = 1;
  // Takes --json: prints one JSON document (see json_output.h) instead of its text.
  bool json = false;
};

// The groups, each in the file that implements it. --help lists them in this order.
std::span<const Subcommand> BlockCommands();     // blocks ... swap-diseqc
std::span<const Subcommand> TextFileCommands();  // the conversions and view
std::span<const Subcommand> DumpCommands();      // hexdump and make-sample
std::span<const Subcommand> CheckCommands();     // check and diff
std::span<const Subcommand> EditCommands();      // the list editing commands
std::span<const Subcommand> CsvCommands();       // export-csv and import-csv
std::span<const Subcommand> OrderCommands();     // apply-order
std::span<const Subcommand> PrintCommands();     // export-html

std::span<const Subcommand> SatelliteCommands();   // satellites and add-transponders
std::span<const Subcommand> CompletionCommands();  // complete, for the shell, hidden

}  // namespace chanforge::cli
