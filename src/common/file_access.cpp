#include "common/file_access.h"

#include <algorithm>
#include <csignal>
#include <system_error>

#include "common/file_access_platform.h"

namespace fs = std::filesystem;

namespace chanforge::common {

namespace {

// The write's temporary file goes, then the program ends as the signal says.
extern "C" void OnEndingSignal(int signal_number) {
  RemovePendingTemporaryFile();
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

}  // namespace

void RemoveTemporaryFileOnSignals() {
  // Each signal whose default ends the program and that a user, a script or the system
  // sends; a crash's signals are left to the crash.
  for (const int signal_number : {
           SIGINT, SIGTERM,
#ifdef SIGHUP
           SIGHUP, SIGQUIT, SIGALRM, SIGUSR1, SIGUSR2, SIGXCPU, SIGVTALRM, SIGPROF,
#endif
#ifdef SIGBREAK
           SIGBREAK,  // Ctrl+Break in a Windows console
#endif
       }) {
    std::signal(signal_number, OnEndingSignal);
  }
}

fs::path ResolveLinks(fs::path path) {
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, ec)); ++hops) {
    fs::path next = fs::read_symlink(path, ec);
    if (ec) break;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;
}

EntryKind KindOfName(const std::string& name) {
  if (name.empty() || name.find('\0') != std::string::npos) return EntryKind::kMissing;
  std::error_code ec;
  const fs::file_status status = fs::status(PathOf(name), ec);
  if (ec == std::errc::too_many_symbolic_link_levels) return EntryKind::kOther;
  if (ec || !fs::exists(status))
    return IsDevice(PathOf(name)) ? EntryKind::kOther : EntryKind::kMissing;
  if (fs::is_regular_file(status)) return EntryKind::kRegular;
  if (fs::is_directory(status)) return EntryKind::kFolder;
  return EntryKind::kOther;
}

Result<std::vector<std::string>> SystemFiles::FilesInFolder(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(PathOf(folder), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code kind_ec;
    if (it->is_directory(kind_ec)) continue;
    const std::u8string name = it->path().filename().u8string();
    names.emplace_back(name.begin(), name.end());
  }
  if (ec) return Value(ec.message());
  std::sort(names.begin(), names.end());
  return names;
}

namespace {
std::vector<std::string>& Committed() {
  static std::vector<std::string> files;
  return files;
}
}  // namespace

const std::vector<std::string>& CommittedFiles() { return Committed(); }
void NoteCommitted(const std::string& target) { Committed().push_back(target); }

namespace {
constexpr auto kOtherNames = CountedWording(
    "file.notice.other-names",
    "is a file of its own now: its {1} other names (hard links) keep the old content",
    "is a file of its own now: its other name (a hard link) keeps the old content");
constexpr auto kLeftBehind =
    Wording("file.reason.left-behind", "{1}; the temporary file {2} is left behind");
//: Two notices about one written file, said one after the other.
constexpr auto kBoth = Wording("file.notice.both", "{1}; {2}");
}  // namespace

Message OtherNamesNotice(std::uint64_t links) {
  const std::uint64_t others = links - 1;
  return Say(kOtherNames, {Value(others)});
}

bool SafeWriter::Fail(Message reason) {
  error_ = std::move(reason);
  Discard();
  if (!left_behind_.empty()) error_ = Say(kLeftBehind, {std::move(error_), Value(left_behind_)});
  return false;
}

void SafeWriter::AddNotice(Message notice) {
  notice_ =
      notice_.empty() ? std::move(notice) : Say(kBoth, {std::move(notice_), std::move(notice)});
}

EntryKind SystemFiles::KindOf(const std::string& name) { return KindOfName(name); }

bool SystemFiles::SameFile(const std::string& first, const std::string& second) {
  std::error_code ec;
  const bool same = fs::equivalent(PathOf(first), PathOf(second), ec);
  return !ec && same;
}

Result<std::unique_ptr<InputFile>> SystemFiles::OpenInput(const std::string& name,
                                                          std::int64_t ceiling) {
  auto reader = std::make_unique<FileReader>();
  if (Status opened = reader->Open(name, ceiling); !opened.ok()) return opened;
  return std::unique_ptr<InputFile>(std::move(reader));
}

Result<std::unique_ptr<OutputFile>> SystemFiles::Replace(const std::string& name) {
  auto writer = std::make_unique<SafeWriter>();
  if (!writer->Open(name)) return writer->error();
  return std::unique_ptr<OutputFile>(std::move(writer));
}

Result<std::unique_ptr<HeldLock>> SystemFiles::Lock(const std::string& name) {
  auto lock = std::make_unique<FileLock>();
  if (lock->Lock(name)) return std::unique_ptr<HeldLock>(std::move(lock));
  if (!lock->error().empty()) return lock->error();
  return std::unique_ptr<HeldLock>();
}

}  // namespace chanforge::common
