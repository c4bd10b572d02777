// The POSIX side of the file access: reading, stamps, the safe replacement and the image
// lock.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/xattr.h>
#endif

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "common/file_access.h"
#include "common/file_access_platform.h"
#include "common/reported_files.h"

namespace fs = std::filesystem;

namespace chanforge::common {

namespace {

constexpr auto kOwnedBy = Wording("file.notice.owned-by", "is now owned by {1}");
constexpr auto kLostAttributes =
    Wording("file.notice.lost-attributes", "lost its extended attributes {1}");

// The temporary file of the write in progress, for a signal handler to remove. A fixed
// buffer: a handler may not allocate.
char pending_temporary[4096];
volatile std::sig_atomic_t has_pending_temporary = 0;

void SetPending(const std::string& name) {
  has_pending_temporary = 0;
  if (name.size() >= sizeof pending_temporary) return;
  std::memcpy(pending_temporary, name.c_str(), name.size() + 1);
  has_pending_temporary = 1;
}

// A temporary file for a new target, named from the pattern's last six letters, created as
// open(2) creates any new file (mode 0666 less the umask, or the folder's default ACL), so
// that it gets the permissions, and the ACL mask, a file the user makes there would get.
int CreateLikeAnyNewFile(std::string& pattern) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::uint64_t seed =
      static_cast<std::uint64_t>(::getpid()) * 0x9E3779B97F4A7C15u ^
      reinterpret_cast<std::uintptr_t>(&pattern) ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < 100; ++attempt) {
    for (std::size_t i = pattern.size() - 6; i < pattern.size(); ++i) {
      seed = seed * 6364136223846793005u + 1442695040888963407u;
      pattern[i] = kLetters[(seed >> 33) % (sizeof kLetters - 1)];
    }
    const int fd = ::open(pattern.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

int FdOf(std::intptr_t handle) { return static_cast<int>(handle); }

#ifdef __linux__
// The names of a file's extended attributes.
std::vector<std::string> AttributeNames(const char* path) {
  std::string names;
  for (int attempt = 0; attempt < 3; ++attempt) {  // the list may grow between the calls
    const ssize_t size = ::listxattr(path, nullptr, 0);
    if (size <= 0) return {};
    names.resize(static_cast<std::size_t>(size));
    const ssize_t got = ::listxattr(path, names.data(), names.size());
    if (got >= 0) {
      names.resize(static_cast<std::size_t>(got));
      break;
    }
    if (errno != ERANGE) return {};
  }
  std::vector<std::string> list;
  for (std::size_t at = 0; at < names.size();) {
    const std::size_t end = std::min(names.find('\0', at), names.size());
    if (end > at) list.push_back(names.substr(at, end - at));
    at = end + 1;
  }
  return list;
}

// Copies the extended attributes of the old file, its access control list among them (as
// system.posix_acl_access), onto the new one; an ACL the new file inherited from its folder
// and the old one lacked goes. What could not be copied, for the notice, or empty.
std::string CopyAttributes(const char* from, int fd) {
  constexpr char kAcl[] = "system.posix_acl_access";
  const std::vector<std::string> names = AttributeNames(from);
  if (std::find(names.begin(), names.end(), kAcl) == names.end()) ::fremovexattr(fd, kAcl);
  std::string lost;
  const auto note_lost = [&](const std::string& name) {
    lost += (lost.empty() ? "" : ", ") + name + " (" + std::strerror(errno) + ")";
  };
  for (const std::string& name : names) {
    std::string value;
    ssize_t size = ::getxattr(from, name.c_str(), nullptr, 0);
    if (size > 0) {
      value.resize(static_cast<std::size_t>(size));
      size = ::getxattr(from, name.c_str(), value.data(), value.size());
    }
    if (size < 0) {
      note_lost(name);
      continue;
    }
    value.resize(static_cast<std::size_t>(size));
    // One the new file has already (a security label from its folder) is not set again:
    // that may need a right the user lacks.
    std::string own(value.size() + 1, '\0');
    if (::fgetxattr(fd, name.c_str(), own.data(), own.size()) == size &&
        own.compare(0, value.size(), value) == 0) {
      continue;
    }
    if (::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) != 0) note_lost(name);
  }
  return lost;
}
#else
std::string CopyAttributes(const char*, int) { return {}; }
#endif

// The files mapped now, for a fault handler to name: a fixed table, as a handler may not
// allocate. A slot is in use while begin is set.
struct MappedRange {
  std::atomic<std::uintptr_t> begin{0};
  std::size_t size = 0;
  char message[4200];
  std::size_t message_size = 0;
};
MappedRange mapped_ranges[4];
// A handler reads the table: its atomics must not take a lock.
static_assert(std::atomic<std::uintptr_t>::is_always_lock_free);
std::atomic<bool> mapping_allowed{false};

bool NoteMapped(const std::string& name, const char* data, std::size_t size) {
  const std::string message = Format(UnreadableText(name)) + "\n";
  if (message.size() > sizeof mapped_ranges[0].message) return false;
  for (MappedRange& range : mapped_ranges) {
    if (range.begin.load() != 0) continue;
    std::memcpy(range.message, message.data(), message.size());
    range.message_size = message.size();
    range.size = size;
    range.begin.store(reinterpret_cast<std::uintptr_t>(data));
    return true;
  }
  return false;
}

// Opens an input without waiting: O_NONBLOCK lets a FIFO open with no writer (to be refused
// by its kind) and makes a read that would wait for data fail. -1 with errno set.
int OpenForReading(const std::string& name) {
  if (name.empty() || name.find('\0') != std::string::npos) {
    errno = ENOENT;
    return -1;
  }
  return ::open(PathOf(name).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

}  // namespace

// Devices have directory entries here, so a status sees them already.
bool IsDevice(const fs::path&) { return false; }

void PrepareForWriting(char* data, std::size_t size) {
#ifdef MADV_POPULATE_WRITE
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) / page * page;
  const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + size) / page * page;
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#else
  (void)data;
  (void)size;
#endif
}

void AllowMappedReads() noexcept { mapping_allowed = true; }

namespace {

// A file mapped here, known to the fault handler while it lives.
class Mapping final : public MappedFile {
 public:
  Mapping(const char* data, std::size_t size)
      : MappedFile({data, size}), data_(data), size_(size) {}
  ~Mapping() override {
    for (MappedRange& range : mapped_ranges) {
      if (range.begin.load() == reinterpret_cast<std::uintptr_t>(data_)) range.begin.store(0);
    }
    ::munmap(const_cast<char*>(data_), size_);
  }

 private:
  const char* data_;
  std::size_t size_;
};

}  // namespace

std::shared_ptr<const MappedFile> SystemFiles::Map(const std::string& name, std::int64_t limit) {
  if (!mapping_allowed) return nullptr;
  const int fd = OpenForReading(name);
  if (fd < 0) return nullptr;
  struct stat info {};
  void* data = MAP_FAILED;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
      info.st_size <= limit) {
    int flags = MAP_PRIVATE;
#ifdef MAP_POPULATE
    flags |= MAP_POPULATE;  // the page table filled in one call, not a fault per page
#endif
    data = ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, flags, fd, 0);
  }
  ::close(fd);
  if (data == MAP_FAILED) return nullptr;
  const auto size = static_cast<std::size_t>(info.st_size);
  if (!NoteMapped(name, static_cast<const char*>(data), size)) {
    ::munmap(data, size);
    return nullptr;
  }
  return std::make_shared<const Mapping>(static_cast<const char*>(data), size);
}

bool ReportMappedReadFault(const void* address) noexcept {
  const auto at = reinterpret_cast<std::uintptr_t>(address);
  for (const MappedRange& range : mapped_ranges) {
    const std::uintptr_t begin = range.begin.load();
    if (begin == 0 || at < begin || at - begin >= range.size) continue;
    const ssize_t written = ::write(STDERR_FILENO, range.message, range.message_size);
    (void)written;  // nothing more can be done about a lost message here
    return true;
  }
  return false;
}

void RemovePendingTemporaryFile() noexcept {
  if (has_pending_temporary) {
    ::unlink(pending_temporary);
    has_pending_temporary = 0;
  }
}

FileReader::~FileReader() { Close(); }

void FileReader::Close() {
  if (handle_ >= 0) ::close(FdOf(handle_));
  handle_ = -1;
}

Status FileReader::Open(const std::string& name, std::int64_t ceiling) {
  Close();
  ceiling_ = ceiling;
  total_ = 0;
  const int fd = OpenForReading(name);
  if (fd < 0) {
    return Value(std::strerror(errno));
  }
  // The kind of what was opened, not of what the name named a moment before.
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return Say(S_ISDIR(info.st_mode) ? kFolderError : kNotRegularError);
  }
  handle_ = fd;
  return {};
}

bool FileReader::Read(std::size_t count, std::string& out) {
  if (handle_ < 0) return false;
  const std::size_t at = out.size();
  out.resize(at + count);
  std::size_t done = 0;
  bool failed = false;
  while (done < count) {
    const ssize_t n = ::read(FdOf(handle_), out.data() + at + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    // EAGAIN too: the data would have to be waited for.
    failed = n < 0;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  out.resize(at + done);
  total_ += static_cast<std::int64_t>(done);
  return !failed && !too_large();
}

FileStamp SystemFiles::StampOf(const std::string& name) {
  struct stat info {};
  if (name.empty() || ::stat(PathOf(name).c_str(), &info) != 0) return {};
  return {static_cast<std::int64_t>(info.st_size),
          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
          static_cast<std::uint64_t>(info.st_ino), static_cast<std::uint64_t>(info.st_dev)};
}

SafeWriter::~SafeWriter() { Discard(); }

bool SafeWriter::Fail(int code) { return Fail(Value(std::strerror(code))); }

void SafeWriter::Discard() {
  if (handle_ >= 0) ::close(FdOf(handle_));
  handle_ = -1;
  if (!temp_.empty()) {
    if (::unlink(temp_.c_str()) != 0 && errno != ENOENT) left_behind_ = temp_;
    has_pending_temporary = 0;
    temp_.clear();
  }
}

bool SafeWriter::Open(const std::string& name) {
  Discard();
  notice_ = {};
  left_behind_.clear();
  if (name.empty()) return Fail(ENOENT);
  const EntryKind kind = KindOfName(name);
  if (kind == EntryKind::kFolder) return Fail(EISDIR);
  // A device, FIFO or socket must never become a regular file behind the user's back.
  if (kind == EntryKind::kOther) return Fail(EINVAL);
  const fs::path target = ResolveLinks(PathOf(name));
  // Nobody may write it: someone protected it, and a rename would not ask (root's neither).
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && (existing.st_mode & 0222) == 0) {
    return Fail(Say(kReadOnlyError));
  }
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  // A short name of its own, so that any legal target name leaves room for it.
  std::string temp = (folder / ".chanforge-XXXXXX").string();
  // Replacing a file, the temporary one is the user's alone until it takes the old one's
  // permissions; a new one is made as any new file there would be.
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  const int fd = replacing ? ::mkstemp(temp.data()) : CreateLikeAnyNewFile(temp);
  if (fd < 0) return Fail(errno);
  handle_ = fd;
  temp_ = temp;
  target_ = target.string();
  SetPending(temp_);
  if (replacing) {
    // Keep the old file's owner and group where we may (root may; others may keep their
    // own group), its extended attributes, then its permission bits, which also set the
    // mask of a copied ACL as the old file had it.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && old.st_uid != ::geteuid()) {
      // The new file is this user's, as any new file would be: say so once it is in place.
      if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // nor the group: it is the user's too
      }
      const struct passwd* user = ::getpwuid(::geteuid());
      AddNotice(
          Say(kOwnedBy, {Value(user ? std::string(user->pw_name) : std::to_string(::geteuid()))}));
    }
    const std::string lost = CopyAttributes(target_.c_str(), fd);
    if (!lost.empty()) AddNotice(Say(kLostAttributes, {Value(lost)}));
    if (::fchmod(fd, static_cast<mode_t>(old.st_mode & 07777)) != 0) return Fail(errno);
    if (old.st_nlink > 1) AddNotice(OtherNamesNotice(old.st_nlink));
  }
  return true;
}

bool SafeWriter::Write(std::string_view bytes) {
  if (handle_ < 0) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(FdOf(handle_), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail(errno);
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool SafeWriter::Commit() {
  if (handle_ < 0) return false;
  const int fd = FdOf(handle_);
  if (::fsync(fd) != 0) return Fail(errno);
  handle_ = -1;
  if (::close(fd) != 0) return Fail(errno);
  if (::rename(temp_.c_str(), target_.c_str()) != 0) return Fail(errno);
  has_pending_temporary = 0;
  temp_.clear();
  NoteCommitted(target_);
  // Make the rename itself durable; a failure here no longer endangers any data.
  fs::path folder = fs::path(target_).parent_path();
  if (folder.empty()) folder = ".";
  const int dir_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir_fd >= 0) {
    ::fsync(dir_fd);
    ::close(dir_fd);
  }
  return true;
}

FileLock::~FileLock() {
  if (handle_ >= 0) ::close(FdOf(handle_));  // closing releases the lock
}

bool FileLock::Lock(const std::string& name) {
  error_ = {};
  const std::string path = PathOf(name).string();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const int fd = OpenForReading(name);
    if (fd < 0) return false;
    int locked_status = 0;
    while ((locked_status = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked_status != 0) {
      error_ = Value(std::strerror(errno));
      ::close(fd);
      return false;
    }
    // The holder before us may have replaced the file: lock the one the name names now.
    struct stat locked {};
    struct stat named {};
    if (::fstat(fd, &locked) == 0 && ::stat(path.c_str(), &named) == 0 &&
        locked.st_ino == named.st_ino && locked.st_dev == named.st_dev) {
      if (handle_ >= 0) ::close(FdOf(handle_));
      handle_ = fd;
      return true;
    }
    ::close(fd);
  }
  return false;
}

}  // namespace chanforge::common
