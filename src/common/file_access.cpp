#include "common/file_access.h"

#include <algorithm>
#include <system_error>

#include "common/file_access_platform.h"

namespace fs = std::filesystem;

namespace chanforge::common {

fs::path PathOf(const std::string& name) {
  // Names are UTF-8 everywhere in the program.
  return fs::path(std::u8string(name.begin(), name.end()));
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

bool FileExists(const std::string& name) {
  const EntryKind kind = KindOf(name);
  return kind == EntryKind::kRegular || kind == EntryKind::kFolder;
}

bool SameFile(const std::string& first, const std::string& second) {
  std::error_code ec;
  const bool same = fs::equivalent(PathOf(first), PathOf(second), ec);
  return !ec && same;
}

EntryKind KindOf(const std::string& name) {
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

bool FilesInFolder(const std::string& folder, std::vector<std::string>& names, std::string& error) {
  std::error_code ec;
  for (fs::directory_iterator it(PathOf(folder), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code kind_ec;
    if (!it->is_regular_file(kind_ec)) continue;
    const std::u8string name = it->path().filename().u8string();
    names.emplace_back(name.begin(), name.end());
  }
  if (ec) {
    error = ec.message();
    return false;
  }
  std::sort(names.begin(), names.end());
  return true;
}

std::int64_t FileSize(const std::string& name) {
  const FileStamp stamp = StampOf(name);
  return stamp.size;
}

ReadResult ReadFilePrefix(const std::string& name, std::int64_t count) {
  ReadResult result;
  FileReader reader;
  if (!reader.Open(name, result.error)) return result;
  // The length may change under us; never trust it for more than a bound.
  const std::int64_t size = FileSize(name);
  const std::int64_t wanted = size >= 0 && size < count ? size : count;
  constexpr std::size_t kPiece = 1 << 20;
  // Pieces up to the length the file said, then one byte to learn whether it goes on, and
  // larger pieces only when it does: a piece is zeroed before it is read into.
  constexpr std::int64_t kProbe = 1 << 16;
  result.bytes.reserve(static_cast<std::size_t>(std::min(wanted + 1, count)));
  if (wanted == size) {
    PrepareForWriting(result.bytes.data(), result.bytes.size() + static_cast<std::size_t>(wanted));
  }
  while (static_cast<std::int64_t>(result.bytes.size()) < count) {
    const std::size_t before = result.bytes.size();
    const auto left = static_cast<std::size_t>(count - static_cast<std::int64_t>(before));
    const std::size_t piece =
        static_cast<std::int64_t>(before) < wanted
            ? std::min(static_cast<std::size_t>(wanted) - before, kPiece)
            : std::min(left, static_cast<std::size_t>(
                                 static_cast<std::int64_t>(before) == wanted ? 1 : kProbe));
    if (!reader.Read(piece, result.bytes)) {
      result.error = "read error";
      result.bytes.clear();
      return result;
    }
    if (result.bytes.size() == before) break;
  }
  result.ok = true;
  return result;
}

ReadResult ReadWholeFile(const std::string& name, std::int64_t limit) {
  const std::int64_t size = FileSize(name);
  if (size > limit) return {false, {}, kTooLargeError};
  // One byte more than the limit tells a file that grows past it while it is read.
  ReadResult read = ReadFilePrefix(name, limit + 1);
  if (read.ok && static_cast<std::int64_t>(read.bytes.size()) > limit)
    return {false, {}, kTooLargeError};
  return read;
}

namespace {
std::vector<std::string>& Committed() {
  static std::vector<std::string> files;
  return files;
}
}  // namespace

const std::vector<std::string>& CommittedFiles() { return Committed(); }
void NoteCommitted(const std::string& target) { Committed().push_back(target); }

std::string OtherNamesNotice(std::uint64_t links) {
  const std::uint64_t others = links - 1;
  return others == 1
             ? "is a file of its own now: its other name (a hard link) keeps the old content"
             : "is a file of its own now: its " + std::to_string(others) +
                   " other names (hard links) keep the old content";
}

bool SafeWriter::Fail(const std::string& reason) {
  error_ = reason;
  Discard();
  if (!left_behind_.empty()) error_ += "; the temporary file " + left_behind_ + " is left behind";
  return false;
}

void SafeWriter::AddNotice(const std::string& notice) {
  notice_ += (notice_.empty() ? "" : "; ") + notice;
}

WriteResult WriteFileSafely(const std::string& name, std::string_view bytes) {
  SafeWriter writer;
  if (writer.Open(name) && writer.Write(bytes) && writer.Commit()) return {true, {}};
  return {false, writer.error()};
}

}  // namespace chanforge::common
