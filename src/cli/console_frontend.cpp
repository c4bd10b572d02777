#include "cli/console_frontend.h"

#include "common/text_lines.h"

namespace chanforge::cli {

std::string ConsoleText(const std::string& text, bool terminal) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    result.push_back(text[i]);
  }
  // A name in a message may carry any byte a file name can.
  return terminal ? common::LinesForTerminal(result) : result;
}

void ConsoleFrontend::ShowMessage(common::MessageKind kind, const common::Message& message) {
  const std::string text = common::Format(message);
  // A report is the result of the command; refusals and notices are diagnostics. Under
  // --json the document is the result, and every text a diagnostic.
  if (kind == common::MessageKind::kError) error_ = ConsoleText(text);
  const bool report = kind == common::MessageKind::kReport && !options_.json;
  std::ostream& stream = report ? out_ : err_;
  stream << ConsoleText(text, report ? options_.terminal_output : options_.terminal_errors) << '\n';
  stream.flush();
}

bool ConsoleFrontend::AskYesNo(const common::Message& question) {
  const std::string text = common::Format(question);
  if (options_.yes) {
    if (options_.verbose)
      err_ << ConsoleText(text, options_.terminal_errors) << " (answered Yes)\n";
    return true;
  }
  if (!options_.interactive) {
    error_ = ConsoleText(text) + "\n(answered No; use --yes)";
    err_ << ConsoleText(error_, options_.terminal_errors) << '\n';
    return false;
  }
  err_ << ConsoleText(text, options_.terminal_errors) << " [y/N] ";
  err_.flush();
  std::string answer;
  if (!std::getline(in_, answer)) return false;
  return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes";
}

common::FileChoice ConsoleFrontend::ChooseFile(const common::FileRequest& /*request*/) {
  if (files_.empty()) return {common::FileChoiceStatus::kCancelled, {}};
  common::FileChoice choice{common::FileChoiceStatus::kChosen, files_.front()};
  files_.pop_front();
  return choice;
}

void ConsoleFrontend::PrintBytes(std::ostream& out, const std::vector<std::string>& lines) const {
  for (const std::string& line : lines) PrintLine(out, line);
}

void ConsoleFrontend::PrintLine(std::ostream& out, std::string_view line) const {
  if (options_.terminal_output) {
    out << common::Latin1ForTerminal(line) << '\n';
  } else {
    out << line << '\n';
  }
}

void ConsoleFrontend::PrintText(std::ostream& out, const std::string& text) const {
  out << (options_.terminal_output ? common::Utf8ForTerminal(text) : text) << '\n';
}

void ConsoleFrontend::ShowStatus(const common::Message& status) {
  if (options_.verbose && !status.empty()) err_ << common::Format(status) << '\n';
}

}  // namespace chanforge::cli
