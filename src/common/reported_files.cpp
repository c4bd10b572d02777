#include "common/reported_files.h"

namespace chanforge::common {

namespace {
constexpr auto kNotRegular = Wording("file.not-regular", "File : {1} is not a regular file !");
constexpr auto kOverwrite = Wording("file.overwrite", "File : {1} already exists !\r\nOverwrite ?");
constexpr auto kUnreadable = Wording("file.unreadable", "File : {1} can not be read !");
constexpr auto kUnreadableBecause =
    Wording("file.unreadable-because", "File : {1} can not be read !\r\n{2}");
constexpr auto kCannotOpen = Wording("file.cannot-open", "File : {1} can not be opened !");
constexpr auto kSameFile = Wording("file.same", "Source and target are the same file : {1}");
constexpr auto kTooLarge = Wording("file.too-large", "File : {1} is too large ({2} bytes) !");
constexpr auto kWriteError = Wording("file.write-error", "Error Writing the file {1} !\r\n{2}");
//: A file name, then what became of it: "a.bin is a file of its own now: ...".
constexpr auto kNewFileNotice = Wording("file.new-file-notice", "{1} {2}");
}  // namespace

bool CheckWritableTarget(Frontend& frontend, Files& files, const std::string& name) {
  const EntryKind kind = files.KindOf(name);
  if (kind == EntryKind::kMissing || kind == EntryKind::kRegular) return true;
  frontend.ShowMessage(MessageKind::kError, Say(kNotRegular, {Value(name)}));
  return false;
}

bool ConfirmOverwrite(Frontend& frontend, Files& files, const std::string& name) {
  if (!CheckWritableTarget(frontend, files, name)) return false;
  return files.KindOf(name) == EntryKind::kMissing ||
         frontend.AskYesNo(Say(kOverwrite, {Value(name)}));
}

std::int64_t SizeOrReport(Frontend& frontend, Files& files, const std::string& name,
                          std::int64_t limit) {
  const EntryKind kind = files.KindOf(name);
  const std::int64_t size = kind == EntryKind::kRegular ? files.SizeOf(name) : -1;
  if (size < 0) {
    frontend.ShowMessage(MessageKind::kError, UnreadableText(name, KindReason(kind)));
  } else if (size > limit) {
    frontend.ShowMessage(MessageKind::kError, TooLargeText(name, size));
    return -1;
  }
  return size;
}

Message UnreadableText(const std::string& name, Message reason) {
  if (reason.empty()) return Say(kUnreadable, {Value(name)});
  return Say(kUnreadableBecause, {Value(name), std::move(reason)});
}

Message KindReason(EntryKind kind) {
  if (kind == EntryKind::kFolder) return Say(kFolderError);
  return kind == EntryKind::kOther ? Say(kNotRegularError) : Message();
}

Message CannotOpenText(const std::string& name) { return Say(kCannotOpen, {Value(name)}); }

Message SameFileText(const std::string& name) { return Say(kSameFile, {Value(name)}); }

Message TooLargeText(const std::string& name, std::int64_t size) {
  return Say(kTooLarge, {Value(name), Value(size)});
}

bool ReadWholeFileOrReport(Frontend& frontend, Files& files, const std::string& name,
                           std::int64_t limit, std::string& bytes) {
  Result<std::string> read = files.ReadWhole(name, limit);
  if (!read.ok()) {
    frontend.ShowMessage(MessageKind::kError, read.message().wording == &kTooLargeError
                                                  ? TooLargeText(name, limit + 1)
                                                  : UnreadableText(name, read.message()));
    return false;
  }
  bytes = std::move(*read);
  return true;
}

bool ReadFileOrReport(Frontend& frontend, Files& files, const std::string& name, std::int64_t count,
                      std::string& bytes) {
  Result<std::string> read = files.ReadPrefix(name, count);
  if (!read.ok()) {
    frontend.ShowMessage(MessageKind::kError, UnreadableText(name, read.message()));
    return false;
  }
  bytes = std::move(*read);
  return true;
}

Message WriteErrorText(const std::string& name, Message reason) {
  return Say(kWriteError, {Value(name), std::move(reason)});
}

std::unique_ptr<OutputFile> OpenOrReport(Frontend& frontend, Files& files,
                                         const std::string& name) {
  Result<std::unique_ptr<OutputFile>> writer = files.Replace(name);
  if (!writer.ok()) {
    frontend.ShowMessage(MessageKind::kError, WriteErrorText(name, writer.message()));
    return nullptr;
  }
  return std::move(*writer);
}

bool WriteOrReport(Frontend& frontend, OutputFile& writer, const std::string& name,
                   std::string_view bytes) {
  if (writer.Write(bytes)) return true;
  frontend.ShowMessage(MessageKind::kError, WriteErrorText(name, writer.error()));
  return false;
}

bool CommitOrReport(Frontend& frontend, OutputFile& writer, const std::string& name) {
  if (writer.Commit()) {
    if (!writer.notice().empty())
      frontend.ShowMessage(MessageKind::kNotice,
                           Say(kNewFileNotice, {Value(name), writer.notice()}));
    return true;
  }
  frontend.ShowMessage(MessageKind::kError, WriteErrorText(name, writer.error()));
  return false;
}

bool WriteFileOrReport(Frontend& frontend, Files& files, const std::string& name,
                       std::string_view bytes) {
  const std::unique_ptr<OutputFile> writer = OpenOrReport(frontend, files, name);
  return writer && WriteOrReport(frontend, *writer, name, bytes) &&
         CommitOrReport(frontend, *writer, name);
}

}  // namespace chanforge::common
