// The front end of chanforge-cli: messages on stderr, questions answered by --yes, at
// the terminal, or No; the file chooser answers with the names from the command line.
#pragma once

#include <deque>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/frontend.h"

namespace chanforge::cli {

struct ConsoleOptions {
  bool yes = false;
  bool verbose = false;
  bool interactive = false;      // standard input is a terminal
  bool terminal_output = false;  // standard output is a terminal
  bool terminal_errors = false;  // standard error is a terminal
  bool json = false;             // standard output carries one JSON document, nothing else
};

class ConsoleFrontend : public common::Frontend {
 public:
  ConsoleFrontend(ConsoleOptions options, std::istream& in, std::ostream& out, std::ostream& err)
      : options_(options), in_(in), out_(out), err_(err) {}

  // The next file the chooser gives; names are used in the order they are queued.
  void QueueFile(const std::string& name) { files_.push_back(name); }

  void ShowMessage(common::MessageKind kind, const common::Message& message) override;
  bool AskYesNo(const common::Message& question) override;
  common::FileChoice ChooseFile(const common::FileRequest& request) override;
  void ShowStatus(const common::Message& status) override;
  // The command line's own texts, which stay English.
  void ShowMessage(common::MessageKind kind, std::string text) {
    ShowMessage(kind, common::Value(std::move(text)));
  }
  bool AskYesNo(std::string question) { return AskYesNo(common::Value(std::move(question))); }
  void ShowStatus(std::string status) { ShowStatus(common::Value(std::move(status))); }

  const ConsoleOptions& options() const { return options_; }
  // The last error told (or question answered No) since the previous call, for a JSON
  // document that names why an image was passed over; empty when there was none.
  std::string TakeError() { return std::exchange(error_, {}); }

  // Prints lines of image or list bytes: at a terminal as UTF-8 with control characters
  // shown as "."; to a pipe or a file as the bytes they are, which scripts rely on.
  void PrintBytes(std::ostream& out, const std::vector<std::string>& lines) const;
  void PrintLine(std::ostream& out, std::string_view line) const;
  // Prints a line of UTF-8 text (a change, a finding): at a terminal with its control
  // characters shown as "."; elsewhere as it is.
  void PrintText(std::ostream& out, const std::string& text) const;

 private:
  ConsoleOptions options_;
  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
  std::deque<std::string> files_;
  std::string error_;
};

// CR LF inside a message becomes a plain line break; for a terminal, a control character of
// a line shows as "." (a file name's ESC, a C1 control), so that no name steers the terminal.
std::string ConsoleText(const std::string& text, bool terminal = false);

}  // namespace chanforge::cli
