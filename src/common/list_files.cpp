#include "common/list_files.h"

#include <algorithm>
#include <vector>

#include "common/reported_files.h"
#include "common/text_lines.h"

namespace chanforge::common {

namespace {

constexpr std::size_t kPiece = std::size_t{1} << 20;
constexpr std::size_t kListedLines = 10;
// The lines a stored-as-written question shows, as the CSV import lists its refusals.
constexpr std::size_t kListedUnstored = 20;
constexpr auto kConvertAnyway = Wording("convert.anyway", "Convert anyway ?");
constexpr auto kViewerNotFound = Wording("viewer.not-found", "File {1} can not be found!");
constexpr auto kViewerUnreadable = Wording("viewer.unreadable", "File {1} can not be read!");
constexpr auto kViewerUnreadableBecause =
    Wording("viewer.unreadable-because", "File {1} can not be read!\r\n{2}");
constexpr auto kSourceNotFound = Wording("file.not-found", "File : {1} not found!");
constexpr auto kRoundTrip =
    Wording("convert.round-trip", "The text will not convert back to the same list: {1}\r\n{2}");
constexpr auto kUnstored =
    CountedWording("convert.unstored", "{1} lines of {2} will not be stored as written:",
                   "{1} line of {2} will not be stored as written:");
constexpr auto kUnstoredLine = Wording("convert.unstored-line",
                                       "Line {1}: {2}\r\n"
                                       "  as written: \"{3}\"\r\n"
                                       "  read back:  \"{4}\"");
constexpr auto kPartBytes = CountedWording(
    "convert.part-bytes", "the last {1} bytes are not a whole record and are left out",
    "the last byte is not a whole record and is left out");
constexpr auto kLoadingAndConverting =
    Wording("status.loading-converting", "Loading and converting {1}...");
constexpr auto kLargeList =
    Wording("convert.large-list", "File is bigger then 64Kb, load anyway ?");
constexpr auto kLineRefused =
    Wording("convert.line-refused", "Line {1} of {2} can not be converted: {3}");

// Whether a text file is UTF-8 with a character of more than one byte: read ahead of the
// conversion, and only as far as it must. A sequence cut by a piece's end waits for the next.
TextEncoding EncodingOf(Files& files, const std::string& name) {
  const Result<std::unique_ptr<InputFile>> opened = files.OpenInput(name, kListFileLimit);
  if (!opened.ok()) return TextEncoding::kLatin1;
  InputFile* const reader = opened->get();
  std::string bytes;
  bool multibyte = false;
  for (;;) {
    const std::size_t kept = bytes.size();
    if (!reader->Read(kPiece, bytes)) return TextEncoding::kLatin1;
    const bool at_end = bytes.size() - kept < kPiece;
    if (IsAscii(bytes)) {
      bytes.clear();
    } else {
      multibyte = true;
      // The last lead byte whose sequence may not be complete yet.
      std::size_t cut = bytes.size();
      for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto c = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if (c >= 0xC0) {
          cut = bytes.size() - back;
          break;
        }
        if (c < 0x80) break;
      }
      if (at_end) cut = bytes.size();
      if (!IsUtf8(std::string_view(bytes).substr(0, cut))) return TextEncoding::kLatin1;
      bytes.erase(0, cut);
    }
    if (at_end) break;
  }
  return multibyte ? TextEncoding::kUtf8 : TextEncoding::kLatin1;
}

// The run of the line between blanks around a byte.
std::string_view WordAt(std::string_view line, std::size_t at) {
  const std::size_t start = line.find_last_of(" \t", at);
  const std::size_t begin = start == std::string_view::npos ? 0 : start + 1;
  return line.substr(begin, std::min(line.find_first_of(" \t", at), line.size()) - begin);
}

}  // namespace

Message ViewerNotFoundText(const std::string& name) { return Say(kViewerNotFound, {Value(name)}); }

Message ViewerUnreadableText(const std::string& name, Message reason) {
  if (reason.empty()) return Say(kViewerUnreadable, {Value(name)});
  return Say(kViewerUnreadableBecause, {Value(name), std::move(reason)});
}

Result<FileStart> ReadListFileForViewer(Files& files, const std::string& name) {
  if (!files.Exists(name)) return ViewerNotFoundText(name);
  Result<std::string> read = files.ReadPrefix(name, static_cast<std::int64_t>(kLargeListSize));
  if (!read.ok()) return ViewerUnreadableText(name, read.message());
  return FileStart{std::move(*read), files.SizeOf(name)};
}

Outcome ConfirmSourceAndTarget(Frontend& frontend, Files& files, const std::string& source,
                               const std::string& target) {
  if (!files.Exists(source)) {
    frontend.ShowMessage(MessageKind::kError, Say(kSourceNotFound, {Value(source)}));
    return Outcome::kFailed;
  }
  if (files.SameFile(source, target)) {
    frontend.ShowMessage(MessageKind::kError, SameFileText(source));
    return Outcome::kRefused;
  }
  if (!CheckWritableTarget(frontend, files, target)) return Outcome::kRefused;
  return ConfirmOverwrite(frontend, files, target) ? Outcome::kDone : Outcome::kCancelled;
}

Message RoundTripQuestion(Message reason) {
  return Say(kRoundTrip, {std::move(reason), Say(kConvertAnyway)});
}

Message StoredAsWrittenQuestion(const std::vector<UnstoredLine>& lines, std::size_t total,
                                const std::string& file) {
  std::vector<Message> parts;
  parts.push_back(Say(kUnstored, {Value(total), Value(file)}));
  for (const UnstoredLine& line : lines) {
    parts.push_back(Say(kUnstoredLine,
                        {Value(line.number), line.reason, Value(line.written), Value(line.back)}));
  }
  if (total > lines.size()) parts.push_back(Say(kMoreLines, {Value(total - lines.size())}));
  parts.push_back(Say(kConvertAnyway));
  return Joined(std::move(parts), kLineBreaks);
}

void RecordNumbers::Add(std::int64_t number) {
  if (listed_.size() < kListedLines) {
    listed_.push_back(number);
  } else {
    ++more_;
  }
}

void RecordNumbers::Add(const RecordNumbers& later) {
  for (const std::int64_t number : later.listed_) Add(number);
  more_ += later.more_;
}

Message RecordNumbers::Said(const Wording& counted) const {
  if (listed_.empty()) return {};
  std::vector<Message> numbers;
  for (const std::int64_t number : listed_) numbers.push_back(Value(number));
  Message listed = Joined(std::move(numbers), kCommas);
  if (more_ > 0) listed = Say(kAndMore, {std::move(listed), Value(more_)});
  return Say(counted, {Value(listed_.size() + more_), std::move(listed)});
}

namespace {

// Reads a binary list file afresh in pieces of whole records.
PieceStatus EachPiece(Files& files, const std::string& binary, std::size_t record_size,
                      const std::function<bool(std::string_view)>& use, std::int64_t& read) {
  const std::size_t piece = kPiece / record_size * record_size;
  std::string bytes;
  const Result<std::unique_ptr<InputFile>> opened = files.OpenInput(binary, kListFileLimit);
  if (!opened.ok()) return PieceStatus::kUnreadable;
  InputFile* const reader = opened->get();
  do {
    bytes.clear();
    if (!reader->Read(piece, bytes)) {
      read = reader->total();
      return reader->too_large() ? PieceStatus::kTooLarge : PieceStatus::kUnreadable;
    }
    if (!use(bytes)) return PieceStatus::kStopped;
  } while (bytes.size() == piece);
  read = reader->total();
  return PieceStatus::kDone;
}

}  // namespace

PieceStatus ScanListFile(Files& files, const std::string& binary, ListTextFormat& format,
                         std::int64_t& read) {
  return EachPiece(
      files, binary, format.record_size(),
      [&](std::string_view records) {
        format.Scan(records);
        return true;
      },
      read);
}

PieceStatus FormatListFile(Files& files, const std::string& binary, ListTextFormat& format,
                           const std::function<bool(std::string_view text)>& write,
                           std::int64_t& read) {
  std::string lines;
  return EachPiece(
      files, binary, format.record_size(),
      [&](std::string_view records) {
        lines.clear();
        format.Format(records, lines);
        return write(lines);
      },
      read);
}

namespace {

// The text of a piece of lines, a line at a time without its CR LF.
bool PrintLines(std::string_view text, const std::function<bool(std::string_view)>& print) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find("\r\n", at), text.size());
    if (!print(text.substr(at, end - at))) return false;
    at = end + 2;
  }
  return true;
}

}  // namespace

Status StreamListFile(Files& files, const std::string& name, ListTextFormat& format,
                      std::string_view heading,
                      const std::function<Message(std::int64_t size)>& oversize_line,
                      const std::function<bool(std::string_view line)>& print) {
  if (!files.Exists(name)) return ViewerNotFoundText(name);
  const std::int64_t size = files.SizeOf(name);
  if (size > kListFileLimit) return TooLargeText(name, size);
  std::int64_t read = 0;
  PieceStatus status = ScanListFile(files, name, format, read);
  if (status == PieceStatus::kDone) {
    if (!print(heading)) return {};
    if (size > static_cast<std::int64_t>(kLargeListSize) && !print(Format(oversize_line(size)))) {
      return {};
    }
    status = FormatListFile(
        files, name, format, [&](std::string_view text) { return PrintLines(text, print); }, read);
  }
  if (status == PieceStatus::kTooLarge) return TooLargeText(name, read);
  if (status == PieceStatus::kUnreadable) return ViewerUnreadableText(name);
  return {};
}

Converted ConvertBinaryToText(Frontend& frontend, Files& files, const std::string& binary,
                              const std::string& text, const std::string& kind,
                              ListTextFormat& format) {
  if (const Outcome confirmed = ConfirmSourceAndTarget(frontend, files, binary, text);
      confirmed != Outcome::kDone) {
    return confirmed;
  }
  frontend.ShowStatus(Say(kLoadingStatus, {Value(binary)}));
  const std::int64_t size = SizeOrReport(frontend, files, binary, kListFileLimit);
  if (size < 0) return Outcome::kFailed;
  if (size > static_cast<std::int64_t>(kLargeListSize) && !frontend.AskYesNo(Say(kLargeList))) {
    return Outcome::kCancelled;
  }
  const auto failed = [&](PieceStatus status, std::int64_t read) {
    if (status == PieceStatus::kUnreadable) {
      frontend.ShowMessage(MessageKind::kError, UnreadableText(binary));
    } else if (status == PieceStatus::kTooLarge) {
      frontend.ShowMessage(MessageKind::kError, TooLargeText(binary, read));
    }
    return Outcome::kFailed;
  };
  std::int64_t read = 0;
  if (const PieceStatus status = ScanListFile(files, binary, format, read);
      status != PieceStatus::kDone) {
    return failed(status, read);
  }
  std::vector<Message> problems;
  if (Message problem = format.RoundTripProblem(); !problem.empty())
    problems.push_back(std::move(problem));
  if (const auto part =
          static_cast<std::int64_t>(static_cast<std::size_t>(size) % format.record_size());
      part > 0) {
    problems.push_back(Say(kPartBytes, {Value(part)}));
  }
  if (!problems.empty() &&
      !frontend.AskYesNo(RoundTripQuestion(Joined(std::move(problems), kSemicolons)))) {
    return Outcome::kCancelled;
  }
  frontend.ShowStatus(Say(kConvertingStatus, {Value(kind)}));
  frontend.ShowStatus(Say(kWritingStatus, {Value(text)}));
  const std::unique_ptr<OutputFile> writer = OpenOrReport(frontend, files, text);
  if (!writer) return Outcome::kFailed;
  if (const PieceStatus status = FormatListFile(
          files, binary, format,
          [&](std::string_view lines) { return WriteOrReport(frontend, *writer, text, lines); },
          read);
      status != PieceStatus::kDone) {
    return failed(status, read);
  }
  if (!CommitOrReport(frontend, *writer, text)) return Outcome::kFailed;
  return {Outcome::kDone, format.formatted()};
}

namespace {

// Reads a text file's lines in pieces into use, which stops the reading by returning false;
// false, after saying why, when the file cannot be read to its end. arrived sees each piece
// before its lines are used.
template <typename Arrived, typename Use>
bool ReadTextLines(Frontend& frontend, InputFile& file, const std::string& text, Arrived arrived,
                   Use use) {
  LineSplitter lines;
  for (bool at_end = false; !at_end;) {
    std::string& pending = lines.pending();
    const std::size_t before = pending.size();
    if (!file.Read(kPiece, pending)) {
      frontend.ShowMessage(MessageKind::kError, file.too_large() ? TooLargeText(text, file.total())
                                                                 : UnreadableText(text));
      return false;
    }
    arrived(std::string_view(pending).substr(before));
    at_end = pending.size() - before < kPiece;
    if (!lines.Split(at_end, use)) return false;
  }
  return true;
}

// The lines of a text list made into records and written piece by piece; the lines that
// would not read back as written are kept for the question.
class LinesToRecords {
 public:
  LinesToRecords(Frontend& frontend, Files& files, OutputFile& writer, const std::string& binary,
                 const std::string& text, const ListTextReader& reader)
      : frontend_(frontend),
        files_(files),
        writer_(writer),
        binary_(binary),
        text_(text),
        reader_(reader) {}

  // Until a byte past ASCII arrives, the lines read alike in both encodings: the whole file
  // is read ahead for its encoding only then, so that a plain ASCII list is read once.
  void Arrived(std::string_view piece) {
    if (!encoding_ && !IsAscii(piece)) encoding_ = EncodingOf(files_, text_);
  }
  TextEncoding encoding() const { return encoding_.value_or(TextEncoding::kLatin1); }

  // False, after saying why, when the line is refused or the writing fails.
  bool Use(std::string_view line) {
    ++line_number_;
    if (encoding_ == TextEncoding::kUtf8) {
      // Columns count characters: each becomes the Latin-1 byte the list stores.
      if (line_number_ == 1) line = WithoutByteOrderMark(line);
      std::optional<std::string> bytes = Utf8ToLatin1(line);
      if (!bytes) return Refuse(NotLatin1Text(WordAt(line, FirstNonLatin1(line))));
      latin1_ = std::move(*bytes);
      line = latin1_;
    }
    const std::size_t at = records_.size();
    bool as_written = false;
    const Result<LineStatus> parsed = reader_.ParseAndCheck(line, records_, as_written);
    if (!parsed.ok()) return Refuse(parsed.message());
    const LineStatus status = *parsed;
    if (status == LineStatus::kRecord && !as_written) {
      const std::string_view record = std::string_view(records_).substr(at);
      // The question lists the first lines with their reasons; the rest are only counted.
      if (unstored_count_ < kListedUnstored) {
        Message reason = reader_.WhyNot(line, record, record_number_ + 1, back_);
        if (!reason.empty()) {
          ++unstored_count_;
          unstored_.push_back(
              {line_number_, std::move(reason), LineForMessage(line), LineForMessage(back_)});
        }
      } else if (reader_.StoredOtherwise(line, record, record_number_ + 1, back_)) {
        ++unstored_count_;
      }
    }
    if (status == LineStatus::kRecord) ++record_number_;
    return records_.size() < kPiece || Flush();
  }

  bool Flush() {
    written_ += records_.size();
    const bool ok = WriteOrReport(frontend_, writer_, binary_, records_);
    records_.clear();
    return ok;
  }

  std::size_t written() const { return written_; }
  std::int64_t records() const { return static_cast<std::int64_t>(record_number_); }
  // Null when every line reads back as written.
  std::optional<Message> Question() const {
    if (unstored_.empty()) return {};
    return StoredAsWrittenQuestion(unstored_, unstored_count_, text_);
  }

 private:
  bool Refuse(Message reason) {
    frontend_.ShowMessage(MessageKind::kError, Say(kLineRefused, {Value(line_number_), Value(text_),
                                                                  std::move(reason)}));
    return false;
  }

  Frontend& frontend_;
  Files& files_;
  OutputFile& writer_;
  const std::string& binary_;
  const std::string& text_;
  const ListTextReader& reader_;
  std::optional<TextEncoding> encoding_;
  std::string records_;
  std::size_t written_ = 0;
  std::size_t line_number_ = 0;
  std::size_t record_number_ = 0;
  std::vector<UnstoredLine> unstored_;
  std::size_t unstored_count_ = 0;
  std::string latin1_;
  std::string back_;
};

}  // namespace

Converted ConvertTextToBinary(Frontend& frontend, Files& files, const std::string& binary,
                              const std::string& text, const ListTextReader& reader,
                              std::size_t minimum_size) {
  if (const Outcome confirmed = ConfirmSourceAndTarget(frontend, files, text, binary);
      confirmed != Outcome::kDone) {
    return confirmed;
  }
  frontend.ShowStatus(Say(kLoadingAndConverting, {Value(text)}));
  if (SizeOrReport(frontend, files, text, kListFileLimit) < 0) return Outcome::kFailed;
  const Result<std::unique_ptr<InputFile>> file = files.OpenInput(text, kListFileLimit);
  if (!file.ok()) {
    frontend.ShowMessage(MessageKind::kError, UnreadableText(text, file.message()));
    return Outcome::kFailed;
  }
  const std::unique_ptr<OutputFile> writer = OpenOrReport(frontend, files, binary);
  if (!writer) return Outcome::kFailed;
  LinesToRecords lines(frontend, files, *writer, binary, text, reader);
  if (!ReadTextLines(
          frontend, **file, text, [&](std::string_view piece) { lines.Arrived(piece); },
          [&](std::string_view line) { return lines.Use(line); }) ||
      !lines.Flush()) {
    return Outcome::kFailed;
  }
  if (lines.written() < minimum_size &&
      !WriteOrReport(frontend, *writer, binary,
                     std::string(minimum_size - lines.written(), '\0'))) {
    return Outcome::kFailed;
  }
  if (const std::optional<Message> question = lines.Question();
      question && !frontend.AskYesNo(*question)) {
    return Outcome::kCancelled;
  }
  frontend.ShowStatus(Say(kWritingStatus, {Value(binary)}));
  if (!CommitOrReport(frontend, *writer, binary)) return Outcome::kFailed;
  return {Outcome::kDone, lines.records(), lines.encoding()};
}

}  // namespace chanforge::common
