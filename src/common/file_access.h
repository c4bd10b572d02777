// All disk access of the core: what a name refers to, bounded and piecewise reads, the
// safe replacement that every write goes through, and the advisory lock of an image.
// Platform code lives in file_access_posix.cpp and file_access_windows.cpp.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::common {

inline constexpr std::int64_t kMiB = 1024 * 1024;
// Larger files are refused before anything is read: no image or block file comes near
// the first, no channel list near the second.
inline constexpr std::int64_t kImageFileLimit = 64 * kMiB;   // flash images, block files
inline constexpr std::int64_t kListFileLimit = 1024 * kMiB;  // binary lists, text files

// A UTF-8 name as a path.
std::filesystem::path PathOf(const std::string& name);
// The file that a write through this name replaces: links followed, the last one kept.
std::filesystem::path ResolveLinks(std::filesystem::path path);

// True for an ordinary file or a folder of that name; any error gives false.
bool FileExists(const std::string& name);

// True when both names exist and denote the same file (links and spellings resolved).
bool SameFile(const std::string& first, const std::string& second);

// What a name refers to, links followed. A link that loops, a device, a FIFO or a
// socket is kOther.
enum class EntryKind { kMissing, kRegular, kFolder, kOther };
EntryKind KindOf(const std::string& name);

// What tells one version of a file from another: size, modification time, identity.
struct FileStamp {
  std::int64_t size = -1;  // -1: the file could not be looked at
  std::int64_t modified_ns = 0;
  std::uint64_t inode = 0;
  std::uint64_t device = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const std::string& name);

// The regular files in a folder (links followed), as UTF-8 names sorted bytewise; false,
// with the system's reason, when the folder cannot be read.
bool FilesInFolder(const std::string& folder, std::vector<std::string>& names, std::string& error);

// The length of a file, or -1 when it cannot be looked at.
std::int64_t FileSize(const std::string& name);

// ReadResult::error of a file longer than its limit.
inline constexpr char kTooLargeError[] = "too large";

struct ReadResult {
  bool ok = false;
  std::string bytes;
  std::string error;
  std::int64_t size = -1;  // the file's length when bytes hold only its start, else -1
};

// Reads a whole file as bytes, at most limit of them. A folder, an unreadable file or a
// longer file fails ("too large"), also one that proves longer only while it is read.
ReadResult ReadWholeFile(const std::string& name, std::int64_t limit = kImageFileLimit);
// Reads the first count bytes (fewer when the file is shorter).
ReadResult ReadFilePrefix(const std::string& name, std::int64_t count);

// A regular file's bytes mapped into memory to be read, rather than copied: nothing to
// fill but the system's own cache. Another program's change to the file may show through,
// and a read of a part lost to truncation or to a device error faults (SIGBUS), so only a
// program that handles that fault maps (ReportMappedReadFault).
class MappedFile {
 public:
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile();
  // Null when the file is not mapped: not a regular file, empty, longer than limit, or a
  // system that does not map. The caller then reads it, and reports what the read finds.
  static std::shared_ptr<const MappedFile> Map(const std::string& name, std::int64_t limit);
  std::string_view bytes() const { return {data_, size_}; }

 private:
  MappedFile(const char* data, std::size_t size) : data_(data), size_(size) {}
  const char* data_;
  std::size_t size_;
};

// For a handler of the fault: when address lies in a mapped file, writes "File : NAME can
// not be read !" to standard error and returns true. Safe inside a signal handler.
bool ReportMappedReadFault(const void* address) noexcept;
// Called once the fault is handled; until then MappedFile::Map maps nothing.
void AllowMappedReads() noexcept;

// Reads a file from its start in pieces, so that memory stays flat whatever its size.
// Nothing waits: a FIFO or device is refused once opened, and a regular file whose read
// would wait for data (a kernel log) fails the read instead of hanging.
class FileReader {
 public:
  FileReader() = default;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;
  ~FileReader();
  // False, with the reason, for a folder, a special file or an unreadable file. Reading
  // stops past ceiling bytes, whatever the file's length said (a special file may go on
  // forever).
  bool Open(const std::string& name, std::string& error, std::int64_t ceiling = kListFileLimit);
  // Appends up to count bytes to out; false on a read error (one that would wait too) or
  // past the ceiling. Nothing appended: the end.
  bool Read(std::size_t count, std::string& out);
  // After a false Read: the file proved longer than the ceiling.
  bool too_large() const { return total_ > ceiling_; }
  std::int64_t total() const { return total_; }

 private:
  void Close();

  std::intptr_t handle_ = -1;
  std::int64_t ceiling_ = kListFileLimit;
  std::int64_t total_ = 0;
};

// SafeWriter::error() of a target that nobody may write.
inline constexpr char kReadOnlyError[] = "it is read-only";

struct WriteResult {
  bool ok = false;
  std::string error;
};

// Writes a new file in pieces beside the target and puts it in the target's place only
// when it is complete, flushed to disk: the old file survives any failure untouched, no
// reader sees half a file, and an unfinished temporary file is removed. A link keeps
// pointing at the replaced file; the replacement keeps the old file's owner, group,
// permission bits, extended attributes and access control list where the process may set
// them, and says what it could not keep. Only regular files are replaced, and never a
// read-only one ("it is read-only"): the user protected it. A file with other names (hard
// links) is replaced all the same, and the notice says that those keep the old content.
class SafeWriter {
 public:
  SafeWriter() = default;
  SafeWriter(const SafeWriter&) = delete;
  SafeWriter& operator=(const SafeWriter&) = delete;
  ~SafeWriter();  // removes the temporary file unless committed

  bool Open(const std::string& name);
  bool Write(std::string_view bytes);
  bool Commit();
  // Why the last step failed, in the system's words (and the name of a temporary file
  // that could not be removed).
  const std::string& error() const { return error_; }
  // After a commit: what the user should know about the new file ("is now owned by X"),
  // or empty.
  const std::string& notice() const { return notice_; }

 private:
  bool Fail(int code);
  bool Fail(const std::string& reason);
  void AddNotice(const std::string& notice);
  void Discard();

  std::string target_;
  std::string temp_;
  std::intptr_t handle_ = -1;
  std::string error_;
  std::string notice_;
  std::string left_behind_;  // a temporary file Discard could not remove
};

// The targets committed so far in this process, for a program that must say what it
// wrote after its report could not be printed.
const std::vector<std::string>& CommittedFiles();
void NoteCommitted(const std::string& target);

// Open, one write and commit.
WriteResult WriteFileSafely(const std::string& name, std::string_view bytes);

// Removes the temporary file of a write in progress; safe inside a signal handler.
void RemovePendingTemporaryFile() noexcept;

// An exclusive advisory lock on a file, held while the object lives, so that two
// programs that load, change and replace the same image take turns.
class FileLock {
 public:
  FileLock() = default;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();
  // Waits for the lock. Follows the name to the file it names when the lock is taken,
  // even if another program replaced the file meanwhile. False when it cannot be opened,
  // or when the system cannot lock it (error() then says why).
  bool Lock(const std::string& name);
  const std::string& error() const { return error_; }

 private:
  std::intptr_t handle_ = -1;
  std::string error_;
};

}  // namespace chanforge::common
