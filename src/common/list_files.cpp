#include "common/list_files.h"

#include "common/file_access.h"
#include "common/reported_files.h"
#include "common/text_lines.h"

namespace chanforge::common {

Outcome ConfirmSourceAndTarget(Frontend& frontend, const std::string& source,
                               const std::string& target) {
  if (!FileExists(source)) {
    frontend.ShowMessage(MessageKind::kError, "File : " + source + " not found!");
    return Outcome::kFailed;
  }
  if (!FileExists(target)) return Outcome::kDone;
  if (SameFile(source, target)) {
    frontend.ShowMessage(MessageKind::kError, "Source and target are the same file : " + source);
    return Outcome::kRefused;
  }
  return ConfirmOverwrite(frontend, target) ? Outcome::kDone : Outcome::kCancelled;
}

namespace {

Outcome WriteTarget(Frontend& frontend, const std::string& name, std::string_view content) {
  frontend.ShowStatus("Writing " + name + "...");
  return WriteFileOrReport(frontend, name, content) ? Outcome::kDone : Outcome::kFailed;
}

}  // namespace

Outcome ConvertBinaryToText(Frontend& frontend, const std::string& binary, const std::string& text,
                            const std::string& kind, const TextFormatter& formatter) {
  if (const Outcome confirmed = ConfirmSourceAndTarget(frontend, binary, text);
      confirmed != Outcome::kDone) {
    return confirmed;
  }
  frontend.ShowStatus("Loading " + binary + "...");
  std::string list;
  if (!ReadFileOrReport(frontend, binary, list)) return Outcome::kFailed;
  if (list.size() > kLargeListSize &&
      !frontend.AskYesNo("File is bigger then 64Kb, load anyway ?")) {
    return Outcome::kCancelled;
  }
  frontend.ShowStatus("Converting " + kind + "...");
  const std::string content = formatter(list);
  return WriteTarget(frontend, text, content);
}

Outcome ConvertTextToBinary(Frontend& frontend, const std::string& binary, const std::string& text,
                            const LineParser& parser, std::size_t minimum_size) {
  if (const Outcome confirmed = ConfirmSourceAndTarget(frontend, text, binary);
      confirmed != Outcome::kDone) {
    return confirmed;
  }
  frontend.ShowStatus("Loading and converting" + text + "...");
  std::string source;
  if (!ReadFileOrReport(frontend, text, source)) return Outcome::kFailed;
  std::string list;
  list.reserve(source.size() / 2);
  std::size_t line_number = 0;
  LineReader reader(source);
  std::string_view line;
  std::string error;
  while (reader.Next(line)) {
    ++line_number;
    if (parser(line, list, error) == LineStatus::kError) {
      frontend.ShowMessage(MessageKind::kError, "Line " + std::to_string(line_number) + " of " +
                                                    text + " can not be converted: " + error);
      return Outcome::kFailed;
    }
  }
  if (list.size() < minimum_size) list.resize(minimum_size, '\0');
  return WriteTarget(frontend, binary, list);
}

}  // namespace chanforge::common
