// The disk as the core sees it: what a name refers to, stamps, piecewise and mapped reads,
// the safe replacement that every write goes through, and the lock of an image. Abstract,
// so that a test can put an in-memory disk that records every access in its place; the
// real one is SystemFiles (common/file_access.h), which the window and the command line
// pass in.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/message.h"
#include "common/status.h"

namespace chanforge::common {

inline constexpr std::int64_t kMiB = 1024 * 1024;
// Larger files are refused before anything is read: no image or block file comes near
// the first, no channel list near the second.
inline constexpr std::int64_t kImageFileLimit = 64 * kMiB;   // flash images, block files
inline constexpr std::int64_t kListFileLimit = 1024 * kMiB;  // binary lists, text files

// A UTF-8 name as a path.
std::filesystem::path PathOf(const std::string& name);

// What a name refers to, links followed. A link that loops, a device, a FIFO or a
// socket is kOther.
enum class EntryKind { kMissing, kRegular, kFolder, kOther };

// What tells one version of a file from another: size, modification time, identity.
struct FileStamp {
  std::int64_t size = -1;  // -1: the file could not be looked at
  std::int64_t modified_ns = 0;
  std::uint64_t inode = 0;
  std::uint64_t device = 0;
  bool operator==(const FileStamp&) const = default;
};

// The reasons a read or a write fails are messages (common/message.h): the system's own
// words are their values.

// The failure of a read of a file longer than its limit.
inline constexpr auto kTooLargeError = Wording("file.reason.too-large", "too large");
// ... of a file that failed while it was read.
inline constexpr auto kReadError = Wording("file.reason.read-error", "read error");
// ... and Replace's reason for a folder or another file that is no regular one.
inline constexpr auto kFolderError = Wording("file.reason.folder", "it is a folder");
inline constexpr auto kNotRegularError = Wording("file.reason.not-regular", "not a regular file");

// The reason a replacement gives for a target that nobody may write.
inline constexpr auto kReadOnlyError = Wording("file.reason.read-only", "it is read-only");

// A file read from its start in pieces, so that memory stays flat whatever its size.
class InputFile {
 public:
  virtual ~InputFile() = default;
  // Appends up to count bytes to out; false on a read error (one that would wait too) or
  // past the ceiling it was opened with. Nothing appended: the end.
  virtual bool Read(std::size_t count, std::string& out) = 0;
  // After a false Read: the file proved longer than the ceiling.
  virtual bool too_large() const = 0;
  // The bytes read so far.
  virtual std::int64_t total() const = 0;
};

// A new file written in pieces beside its target, which it replaces only when committed:
// the old file survives any failure, and an uncommitted new one is removed when this goes.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual bool Write(std::string_view bytes) = 0;
  virtual bool Commit() = 0;
  // Why the last step failed.
  virtual const Message& error() const = 0;
  // After a commit: what the user should know about the new file ("is now owned by X").
  virtual const Message& notice() const = 0;
};

// A file's bytes mapped into memory rather than copied, for as long as this lives.
class MappedFile {
 public:
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  virtual ~MappedFile() = default;
  std::string_view bytes() const { return bytes_; }

 protected:
  explicit MappedFile(std::string_view bytes) : bytes_(bytes) {}

 private:
  std::string_view bytes_;
};

// An exclusive lock on a file, held for as long as this lives.
class HeldLock {
 public:
  virtual ~HeldLock() = default;
};

class Files {
 public:
  virtual ~Files() = default;

  virtual EntryKind KindOf(const std::string& name) = 0;
  virtual FileStamp StampOf(const std::string& name) = 0;
  // True when both names exist and denote the same file (links and spellings resolved).
  virtual bool SameFile(const std::string& first, const std::string& second) = 0;
  // The entries of a folder but its subfolders (links followed), as UTF-8 names sorted
  // bytewise, or the system's reason when the folder cannot be read. A FIFO, a device or a
  // dangling link is listed, so that a reader can say why it is no file it can use.
  virtual Result<std::vector<std::string>> FilesInFolder(const std::string& folder) = 0;
  // Opens a file to be read in pieces; reading stops past ceiling bytes, whatever the file's
  // length said. Fails, with the reason, for a folder, a special file or an unreadable file.
  // Nothing waits: a read that would wait for data fails.
  virtual Result<std::unique_ptr<InputFile>> OpenInput(const std::string& name,
                                                       std::int64_t ceiling) = 0;
  // A regular file of at most limit bytes mapped, or null when it is not: the caller then
  // reads it, and reports what the read finds.
  virtual std::shared_ptr<const MappedFile> Map(const std::string& name, std::int64_t limit) = 0;
  // Starts the safe replacement of a regular file (or a new one); fails, with the reason,
  // when it cannot start, as for a folder, a device or a read-only file (kReadOnlyError).
  virtual Result<std::unique_ptr<OutputFile>> Replace(const std::string& name) = 0;
  // Waits for the lock on the file the name names when it is taken. Null when the file
  // cannot be opened (its reader says why); fails, with the reason, when the system cannot
  // lock it.
  virtual Result<std::unique_ptr<HeldLock>> Lock(const std::string& name) = 0;

  // True for an ordinary file or a folder of that name.
  bool Exists(const std::string& name);
  // The length of a file, or -1 when it cannot be looked at.
  std::int64_t SizeOf(const std::string& name);
  // The first count bytes (fewer when the file is shorter).
  Result<std::string> ReadPrefix(const std::string& name, std::int64_t count);
  // The whole file, at most limit bytes: a folder, an unreadable file or a longer file fails
  // ("too large"), also one that proves longer only while it is read.
  Result<std::string> ReadWhole(const std::string& name, std::int64_t limit);
  // Replace, one write and commit.
  Status WriteWhole(const std::string& name, std::string_view bytes);
};

}  // namespace chanforge::common
