// The real disk: SystemFiles and the classes behind it, the reading, the safe replacement
// and the advisory lock, and what a program does about them when a signal arrives. Platform
// code lives in file_access_posix.cpp and file_access_windows.cpp.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/files.h"

namespace chanforge::common {

// The file that a write through this name replaces: links followed, the last one kept.
std::filesystem::path ResolveLinks(std::filesystem::path path);

// For a handler of the fault that reading a mapped file cut short raises (SIGBUS): when
// address lies in a mapped file, writes "File : NAME can not be read !" to standard error
// and returns true. Safe inside a signal handler.
bool ReportMappedReadFault(const void* address) noexcept;
// Called once the fault is handled; until then SystemFiles maps nothing.
void AllowMappedReads() noexcept;

// Reads a file from its start in pieces. Nothing waits: a FIFO or device is refused once
// opened, and a regular file whose read would wait for data (a kernel log) fails the read
// instead of hanging.
class FileReader : public InputFile {
 public:
  FileReader() = default;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;
  ~FileReader() override;
  // Fails, with the reason, for a folder, a special file or an unreadable file. Reading
  // stops past ceiling bytes, whatever the file's length said (a special file may go on
  // forever).
  Status Open(const std::string& name, std::int64_t ceiling = kListFileLimit);
  bool Read(std::size_t count, std::string& out) override;
  bool too_large() const override { return total_ > ceiling_; }
  std::int64_t total() const override { return total_; }

 private:
  void Close();

  std::intptr_t handle_ = -1;
  std::int64_t ceiling_ = kListFileLimit;
  std::int64_t total_ = 0;
};

// The safe replacement: a new file in pieces beside the target, put in its place only when
// it is complete and flushed to disk, so that no reader sees half a file. A link keeps
// pointing at the replaced file; the replacement keeps the old file's owner, group,
// permission bits, extended attributes and access control list where the process may set
// them, and says what it could not keep. Only regular files are replaced, and never a
// read-only one (kReadOnlyError): the user protected it. A file with other names (hard
// links) is replaced all the same, and the notice says that those keep the old content.
class SafeWriter : public OutputFile {
 public:
  SafeWriter() = default;
  SafeWriter(const SafeWriter&) = delete;
  SafeWriter& operator=(const SafeWriter&) = delete;
  ~SafeWriter() override;  // removes the temporary file unless committed

  bool Open(const std::string& name);
  bool Write(std::string_view bytes) override;
  bool Commit() override;
  // In the system's words (and the name of a temporary file that could not be removed).
  const Message& error() const override { return error_; }
  const Message& notice() const override { return notice_; }

 private:
  bool Fail(int code);
  bool Fail(Message reason);
  void AddNotice(Message notice);
  void Discard();

  std::string target_;
  std::string temp_;
  std::intptr_t handle_ = -1;
  Message error_;
  Message notice_;
  std::string left_behind_;  // a temporary file Discard could not remove
};

// The targets committed so far in this process, for a program that must say what it
// wrote after its report could not be printed.
const std::vector<std::string>& CommittedFiles();
void NoteCommitted(const std::string& target);

// Removes the temporary file of a write in progress; safe inside a signal handler.
void RemovePendingTemporaryFile() noexcept;
// Has each signal that ends the program by default and that a user, a script or the system
// sends (interrupt, terminate, hang-up, quit, alarms, user signals, CPU limits, Ctrl+Break)
// remove that file first; the program then ends as the signal says.
void RemoveTemporaryFileOnSignals();

// An exclusive advisory lock on a file, held while the object lives, so that two
// programs that load, change and replace the same image take turns.
class FileLock : public HeldLock {
 public:
  FileLock() = default;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock() override;
  // Waits for the lock. Follows the name to the file it names when the lock is taken,
  // even if another program replaced the file meanwhile. False when it cannot be opened,
  // or when the system cannot lock it (error() then says why).
  bool Lock(const std::string& name);
  const Message& error() const { return error_; }

 private:
  std::intptr_t handle_ = -1;
  Message error_;
};

// The disk of this computer.
class SystemFiles final : public Files {
 public:
  EntryKind KindOf(const std::string& name) override;
  FileStamp StampOf(const std::string& name) override;
  bool SameFile(const std::string& first, const std::string& second) override;
  Result<std::vector<std::string>> FilesInFolder(const std::string& folder) override;
  Result<std::unique_ptr<InputFile>> OpenInput(const std::string& name,
                                               std::int64_t ceiling) override;
  // Mapped only in a program that reports a fault on a file cut short meanwhile
  // (AllowMappedReads), as another program's change to the file may show through, and a
  // read of a part lost to truncation or to a device error faults.
  std::shared_ptr<const MappedFile> Map(const std::string& name, std::int64_t limit) override;
  Result<std::unique_ptr<OutputFile>> Replace(const std::string& name) override;
  Result<std::unique_ptr<HeldLock>> Lock(const std::string& name) override;
};

}  // namespace chanforge::common
