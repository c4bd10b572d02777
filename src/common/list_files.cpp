#include "common/list_files.h"

#include <algorithm>
#include <vector>

#include "common/file_access.h"
#include "common/reported_files.h"
#include "common/text_lines.h"

namespace chanforge::common {

namespace {

constexpr std::size_t kPiece = std::size_t{1} << 20;
constexpr std::size_t kListedLines = 10;

}  // namespace

ReadResult ReadListFileForViewer(const std::string& name) {
  if (!FileExists(name)) return {false, {}, "File " + name + " can not be found!"};
  ReadResult read = ReadFilePrefix(name, static_cast<std::int64_t>(kLargeListSize));
  if (!read.ok) read.error = "File " + name + " can not be read!";
  read.size = FileSize(name);
  return read;
}

Outcome ConfirmSourceAndTarget(Frontend& frontend, const std::string& source,
                               const std::string& target) {
  if (!FileExists(source)) {
    frontend.ShowMessage(MessageKind::kError, "File : " + source + " not found!");
    return Outcome::kFailed;
  }
  if (SameFile(source, target)) {
    frontend.ShowMessage(MessageKind::kError, "Source and target are the same file : " + source);
    return Outcome::kRefused;
  }
  if (!CheckWritableTarget(frontend, target)) return Outcome::kRefused;
  return ConfirmOverwrite(frontend, target) ? Outcome::kDone : Outcome::kCancelled;
}

std::string RoundTripQuestion(const std::string& reason) {
  return "The text will not convert back to the same list: " + reason + kCrLf + "Convert anyway ?";
}

std::string StoredAsWrittenQuestion(const std::vector<std::size_t>& lines, std::size_t more,
                                    const std::string& file, const std::string& reason) {
  std::string listed;
  for (const std::size_t line : lines) {
    listed += (listed.empty() ? "" : ", ") + std::to_string(line);
  }
  if (more > 0) listed += " and " + std::to_string(more) + " more";
  return "Lines " + listed + " of " + file + " will not be stored as written: " + reason + kCrLf +
         "Convert anyway ?";
}

namespace {

// Reads a binary list file afresh in pieces of whole records.
PieceStatus EachPiece(const std::string& binary, std::size_t record_size,
                      const std::function<bool(std::string_view)>& use, std::int64_t& read) {
  const std::size_t piece = kPiece / record_size * record_size;
  FileReader reader;
  std::string error;
  std::string bytes;
  if (!reader.Open(binary, error)) return PieceStatus::kUnreadable;
  do {
    bytes.clear();
    if (!reader.Read(piece, bytes)) {
      read = reader.total();
      return reader.too_large() ? PieceStatus::kTooLarge : PieceStatus::kUnreadable;
    }
    if (!use(bytes)) return PieceStatus::kStopped;
  } while (bytes.size() == piece);
  read = reader.total();
  return PieceStatus::kDone;
}

}  // namespace

PieceStatus ScanListFile(const std::string& binary, ListTextFormat& format, std::int64_t& read) {
  return EachPiece(
      binary, format.record_size(),
      [&](std::string_view records) {
        format.Scan(records);
        return true;
      },
      read);
}

PieceStatus FormatListFile(const std::string& binary, ListTextFormat& format,
                           const std::function<bool(std::string_view text)>& write,
                           std::int64_t& read) {
  std::string lines;
  return EachPiece(
      binary, format.record_size(),
      [&](std::string_view records) {
        lines.clear();
        format.Format(records, lines);
        return write(lines);
      },
      read);
}

Outcome ConvertBinaryToText(Frontend& frontend, const std::string& binary, const std::string& text,
                            const std::string& kind, ListTextFormat& format) {
  if (const Outcome confirmed = ConfirmSourceAndTarget(frontend, binary, text);
      confirmed != Outcome::kDone) {
    return confirmed;
  }
  frontend.ShowStatus("Loading " + binary + "...");
  const std::int64_t size = SizeOrReport(frontend, binary, kListFileLimit);
  if (size < 0) return Outcome::kFailed;
  if (size > static_cast<std::int64_t>(kLargeListSize) &&
      !frontend.AskYesNo("File is bigger then 64Kb, load anyway ?")) {
    return Outcome::kCancelled;
  }
  const auto failed = [&](PieceStatus status, std::int64_t read) {
    if (status == PieceStatus::kUnreadable) {
      frontend.ShowMessage(MessageKind::kError, "File : " + binary + " can not be read !");
    } else if (status == PieceStatus::kTooLarge) {
      frontend.ShowMessage(MessageKind::kError, TooLargeText(binary, read));
    }
    return Outcome::kFailed;
  };
  std::int64_t read = 0;
  if (const PieceStatus status = ScanListFile(binary, format, read); status != PieceStatus::kDone) {
    return failed(status, read);
  }
  std::string problem = format.RoundTripProblem();
  if (const auto part = static_cast<std::size_t>(size) % format.record_size(); part > 0) {
    if (!problem.empty()) problem += "; ";
    problem += part == 1 ? "the last byte is not a whole record and is left out"
                         : "the last " + std::to_string(part) +
                               " bytes are not a whole record and are left out";
  }
  if (!problem.empty() && !frontend.AskYesNo(RoundTripQuestion(problem))) {
    return Outcome::kCancelled;
  }
  frontend.ShowStatus("Converting " + kind + "...");
  frontend.ShowStatus("Writing " + text + "...");
  SafeWriter writer;
  if (!OpenOrReport(frontend, writer, text)) return Outcome::kFailed;
  if (const PieceStatus status = FormatListFile(
          binary, format,
          [&](std::string_view lines) { return WriteOrReport(frontend, writer, text, lines); },
          read);
      status != PieceStatus::kDone) {
    return failed(status, read);
  }
  return CommitOrReport(frontend, writer, text) ? Outcome::kDone : Outcome::kFailed;
}

Outcome ConvertTextToBinary(Frontend& frontend, const std::string& binary, const std::string& text,
                            const LineParser& parser, const LineCheck& check,
                            std::size_t minimum_size) {
  if (const Outcome confirmed = ConfirmSourceAndTarget(frontend, text, binary);
      confirmed != Outcome::kDone) {
    return confirmed;
  }
  frontend.ShowStatus("Loading and converting" + text + "...");
  if (SizeOrReport(frontend, text, kListFileLimit) < 0) return Outcome::kFailed;
  FileReader reader;
  std::string error;
  if (!reader.Open(text, error)) {
    frontend.ShowMessage(MessageKind::kError, "File : " + text + " can not be read !");
    return Outcome::kFailed;
  }
  SafeWriter writer;
  if (!OpenOrReport(frontend, writer, binary)) return Outcome::kFailed;
  std::string records;
  std::size_t written = 0;
  std::size_t line_number = 0;
  std::vector<std::size_t> unstored;
  std::size_t more_unstored = 0;
  std::string first_reason;
  const auto flush = [&] {
    written += records.size();
    const bool ok = WriteOrReport(frontend, writer, binary, records);
    records.clear();
    return ok;
  };
  const auto use_line = [&](std::string_view line) {
    ++line_number;
    const LineStatus status = parser(line, records, error);
    if (status == LineStatus::kError) {
      frontend.ShowMessage(MessageKind::kError, "Line " + std::to_string(line_number) + " of " +
                                                    text + " can not be converted: " + error);
      return false;
    }
    if (std::string reason =
            status == LineStatus::kRecord ? check(line, first_reason.empty()) : std::string();
        !reason.empty()) {
      if (first_reason.empty()) first_reason = std::move(reason);
      if (unstored.size() < kListedLines) {
        unstored.push_back(line_number);
      } else {
        ++more_unstored;
      }
    }
    return records.size() < kPiece || flush();
  };
  LineSplitter lines;
  bool at_end = false;
  while (!at_end) {
    std::string& pending = lines.pending();
    const std::size_t before = pending.size();
    if (!reader.Read(kPiece, pending)) {
      frontend.ShowMessage(MessageKind::kError, reader.too_large()
                                                    ? TooLargeText(text, reader.total())
                                                    : "File : " + text + " can not be read !");
      return Outcome::kFailed;
    }
    at_end = pending.size() - before < kPiece;
    if (!lines.Split(at_end, use_line)) return Outcome::kFailed;
  }
  if (!flush()) return Outcome::kFailed;
  if (written < minimum_size &&
      !WriteOrReport(frontend, writer, binary, std::string(minimum_size - written, '\0'))) {
    return Outcome::kFailed;
  }
  if (!unstored.empty() &&
      !frontend.AskYesNo(StoredAsWrittenQuestion(unstored, more_unstored, text, first_reason))) {
    return Outcome::kCancelled;
  }
  frontend.ShowStatus("Writing " + binary + "...");
  return CommitOrReport(frontend, writer, binary) ? Outcome::kDone : Outcome::kFailed;
}

}  // namespace chanforge::common
