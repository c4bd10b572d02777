#include "common/reported_files.h"

namespace chanforge::common {

bool CheckWritableTarget(Frontend& frontend, Files& files, const std::string& name) {
  const EntryKind kind = files.KindOf(name);
  if (kind == EntryKind::kMissing || kind == EntryKind::kRegular) return true;
  frontend.ShowMessage(MessageKind::kError, "File : " + name + " is not a regular file !");
  return false;
}

bool ConfirmOverwrite(Frontend& frontend, Files& files, const std::string& name) {
  if (!CheckWritableTarget(frontend, files, name)) return false;
  return files.KindOf(name) == EntryKind::kMissing ||
         frontend.AskYesNo("File : " + name + " already exists !" + kCrLf + "Overwrite ?");
}

std::int64_t SizeOrReport(Frontend& frontend, Files& files, const std::string& name,
                          std::int64_t limit) {
  const std::int64_t size = files.KindOf(name) == EntryKind::kRegular ? files.SizeOf(name) : -1;
  if (size < 0) {
    frontend.ShowMessage(MessageKind::kError, UnreadableText(name));
  } else if (size > limit) {
    frontend.ShowMessage(MessageKind::kError, TooLargeText(name, size));
    return -1;
  }
  return size;
}

std::string UnreadableText(const std::string& name) {
  return "File : " + name + " can not be read !";
}

std::string CannotOpenText(const std::string& name) {
  return "File : " + name + " can not be opened !";
}

std::string SameFileText(const std::string& name) {
  return "Source and target are the same file : " + name;
}

std::string TooLargeText(const std::string& name, std::int64_t size) {
  return "File : " + name + " is too large (" + std::to_string(size) + " bytes) !";
}

bool ReadWholeFileOrReport(Frontend& frontend, Files& files, const std::string& name,
                           std::int64_t limit, std::string& bytes) {
  ReadResult read = files.ReadWhole(name, limit);
  if (!read.ok) {
    frontend.ShowMessage(MessageKind::kError, read.error == kTooLargeError
                                                  ? TooLargeText(name, limit + 1)
                                                  : UnreadableText(name));
    return false;
  }
  bytes = std::move(read.bytes);
  return true;
}

bool ReadFileOrReport(Frontend& frontend, Files& files, const std::string& name, std::int64_t count,
                      std::string& bytes) {
  ReadResult read = files.ReadPrefix(name, count);
  if (!read.ok) {
    frontend.ShowMessage(MessageKind::kError, UnreadableText(name));
    return false;
  }
  bytes = std::move(read.bytes);
  return true;
}

std::string WriteErrorText(const std::string& name, const std::string& reason) {
  return "Error Writing the file " + name + " !" + kCrLf + reason;
}

std::unique_ptr<OutputFile> OpenOrReport(Frontend& frontend, Files& files,
                                         const std::string& name) {
  std::string error;
  std::unique_ptr<OutputFile> writer = files.Replace(name, error);
  if (!writer) frontend.ShowMessage(MessageKind::kError, WriteErrorText(name, error));
  return writer;
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
      frontend.ShowMessage(MessageKind::kNotice, name + " " + writer.notice());
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
