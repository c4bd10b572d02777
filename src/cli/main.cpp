// chanforge-cli: the editor's operations for scripts and terminals.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <csignal>
#include <exception>
#include <iostream>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/terminal.h"
#include "common/file_access.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kOutOfMemory = 2;  // as for a failure the command cannot go on from

// The command's usage line, so that a mistake shows what the command takes.
std::string UsageOf(const CLI::App& app) {
  const CLI::App* command = &app;
  for (const CLI::App* sub : app.get_subcommands()) command = sub;
  const std::string name =
      command == &app ? "chanforge-cli" : "chanforge-cli " + command->get_name();
  return CLI::Formatter().make_usage(command, name);
}

int Run(int argc, char** argv);

// Output that never arrived is a failure, whatever the command did; a file it wrote is
// named, as the report that would have said so is lost. A reader that closed the pipe took
// what it wanted (head, a pager that was quit): the command's own status stands.
int CheckOutput(int status, int failure_status) {
  std::cout.flush();
  if (std::cout) return status;
  const std::optional<chanforge::cli::OutputFailure> failure = chanforge::cli::FirstOutputFailure();
  if (failure && failure->reader_gone) return status;
  std::cerr << "Error Writing the file standard output !\n";
  if (failure) std::cerr << failure->reason << '\n';
  for (const std::string& file : chanforge::common::CommittedFiles()) {
    std::cerr << chanforge::cli::ConsoleText(file, chanforge::cli::IsTerminal(stderr))
              << " was written\n";
  }
  return failure_status;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  // A file size limit must fail the write with a message, not kill the program.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef SIGPIPE
  // Nor a reader that closed the pipe early: the write fails, and what was written is told.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  // An interrupted write leaves no temporary file.
  chanforge::common::RemoveTemporaryFileOnSignals();
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

using chanforge::cli::ConsoleOptions;

constexpr const char* kJsonHelp = "Print one JSON document (man chanforge-formats) for scripts";

struct Entry {
  const CLI::App* command;
  chanforge::cli::Handler handler;
  int failure_status;
  bool json;
};

// Only the subcommand the line names is built, as building them all costs more than most
// commands' work; without one (--help), or with a name that is none, all are built.
std::vector<Entry> AddCommands(CLI::App& app, const std::vector<std::string>& arguments,
                               ConsoleOptions& options) {
  using namespace chanforge::cli;
  const auto groups = {BlockCommands(),     TextFileCommands(),  DumpCommands(),  CheckCommands(),
                       EditCommands(),      CsvCommands(),       PrintCommands(), OrderCommands(),
                       SatelliteCommands(), CompletionCommands()};
  const auto first_word = std::find_if(arguments.begin() + 1, arguments.end(),
                                       [](const std::string& a) { return a.rfind('-', 0) != 0; });
  const std::string named = first_word == arguments.end() ? std::string() : *first_word;
  const bool known = std::any_of(groups.begin(), groups.end(), [&](const auto& group) {
    return std::any_of(group.begin(), group.end(),
                       [&](const Subcommand& entry) { return named == entry.name; });
  });
  std::vector<Entry> handlers;
  for (const auto& group : groups) {
    for (const Subcommand& entry : group) {
      if (known && named != entry.name) continue;
      CLI::App* command = app.add_subcommand(entry.name, entry.description);
      handlers.push_back({command, entry.add_options(*command), entry.failure_status, entry.json});
      // Listed in the command's own help too.
      if (entry.json) command->add_flag("--json", options.json, kJsonHelp);
    }
  }
  return handlers;
}

// Reads the line: the status to end with at once (help, version, a mistake), or none.
std::optional<int> Parse(CLI::App& app, const std::vector<std::string>& arguments) {
  std::vector<const char*> argument_texts;
  for (const std::string& argument : arguments) argument_texts.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(argument_texts.size()), argument_texts.data());
  } catch (const CLI::CallForHelp& e) {
    return CheckOutput(app.exit(e), 1);
  } catch (const CLI::CallForAllHelp& e) {
    return CheckOutput(app.exit(e), 1);
  } catch (const CLI::CallForVersion& e) {
    return CheckOutput(app.exit(e), 1);
  } catch (const CLI::ParseError& e) {
    // The line's own words come back in the reason: at a terminal, none may steer it.
    std::cerr << chanforge::cli::ConsoleText(e.what(), chanforge::cli::IsTerminal(stderr)) << '\n'
              << UsageOf(app) << "Run with --help for more information.\n";
    return kUsageError;
  }
  return {};
}

int Run(int argc, char** argv) {
  using namespace chanforge::cli;
  CLI::App app{"Chanforge: edit the channel and transponder lists of a receiver's flash image"};
  app.require_subcommand(1);
  app.set_version_flag("--version", "chanforge-cli " CHANFORGE_VERSION);
  ConsoleOptions options;
  // The options of every command stand before or after the command, as users type them.
  app.fallthrough();
  app.footer("--yes, --verbose and --json stand before or after the command and its arguments.");
  app.add_flag("--yes", options.yes, "Answer Yes to every question");
  app.add_flag("--verbose", options.verbose, "Show the progress texts on standard error");
  CLI::Option* json = app.add_flag("--json", options.json, kJsonHelp);
  const std::vector<std::string> arguments = Utf8Arguments(argc, argv);
  const std::vector<Entry> handlers = AddCommands(app, arguments, options);
  if (const std::optional<int> status = Parse(app, arguments)) return *status;

  KeepOutputFailures();
  options.interactive = IsTerminal(stdin);
  options.terminal_output = IsTerminal(stdout);
  options.terminal_errors = IsTerminal(stderr);
  ConsoleFrontend ui(options, std::cin, std::cout, std::cerr);
  chanforge::common::SystemFiles files;
  for (const Entry& entry : handlers) {
    if (!entry.command->parsed()) continue;
    if (json->count() > 0 && !entry.json) {
      std::cerr << entry.command->get_name() << " has no JSON output\n" << UsageOf(app);
      return kUsageError;
    }
    int status = entry.failure_status;
    EndOnMappedReadFault(entry.failure_status);
    std::string failed;
    try {
      status = entry.handler(ui, files);
      failed = ui.TakeError();
    } catch (const std::bad_alloc&) {
      // Nothing was replaced: a file is only replaced once it is whole.
      failed = "chanforge-cli: not enough memory to run " + entry.command->get_name();
      std::cerr << failed << '\n';
      status = kOutOfMemory;
    } catch (const std::exception& e) {
      failed = std::string("chanforge-cli: the command failed: ") + e.what();
      std::cerr << failed << '\n';
    }
    // A script reading the document gets one for a failure too, with the status the text has.
    if (options.json && status != 0 && !AnyJsonPrinted()) {
      PrintJson(std::cout, {{"error", failed.empty() ? Json() : Json(JsonText(failed))}});
    }
    return CheckOutput(status, entry.failure_status);
  }
  return kUsageError;
}

}  // namespace
