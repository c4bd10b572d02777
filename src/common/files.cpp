#include "common/files.h"

#include <algorithm>

#include "common/file_access_platform.h"

namespace chanforge::common {

std::filesystem::path PathOf(const std::string& name) {
  // Names are UTF-8 everywhere in the program.
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

bool Files::Exists(const std::string& name) { return KindOf(name) != EntryKind::kMissing; }

std::int64_t Files::SizeOf(const std::string& name) { return StampOf(name).size; }

Result<std::string> Files::ReadPrefix(const std::string& name, std::int64_t count) {
  Result<std::unique_ptr<InputFile>> opened = OpenInput(name, kListFileLimit);
  if (!opened.ok()) return opened.status();
  InputFile* const reader = opened->get();
  std::string bytes;
  // The length may change under us; never trust it for more than a bound.
  const std::int64_t size = SizeOf(name);
  const std::int64_t wanted = size >= 0 && size < count ? size : count;
  constexpr std::size_t kPiece = 1 << 20;
  // Pieces up to the length the file said, then one byte to learn whether it goes on, and
  // larger pieces only when it does: a piece is zeroed before it is read into.
  constexpr std::int64_t kProbe = 1 << 16;
  bytes.reserve(static_cast<std::size_t>(std::min(wanted + 1, count)));
  if (wanted == size) {
    PrepareForWriting(bytes.data(), bytes.size() + static_cast<std::size_t>(wanted));
  }
  while (static_cast<std::int64_t>(bytes.size()) < count) {
    const std::size_t before = bytes.size();
    const auto left = static_cast<std::size_t>(count - static_cast<std::int64_t>(before));
    const std::size_t piece =
        static_cast<std::int64_t>(before) < wanted
            ? std::min(static_cast<std::size_t>(wanted) - before, kPiece)
            : std::min(left, static_cast<std::size_t>(
                                 static_cast<std::int64_t>(before) == wanted ? 1 : kProbe));
    if (!reader->Read(piece, bytes)) return Say(kReadError);
    if (bytes.size() == before) break;
  }
  return bytes;
}

Result<std::string> Files::ReadWhole(const std::string& name, std::int64_t limit) {
  if (SizeOf(name) > limit) return Say(kTooLargeError);
  // One byte more than the limit tells a file that grows past it while it is read.
  Result<std::string> read = ReadPrefix(name, limit + 1);
  if (read.ok() && static_cast<std::int64_t>(read->size()) > limit) return Say(kTooLargeError);
  return read;
}

Status Files::WriteWhole(const std::string& name, std::string_view bytes) {
  const Result<std::unique_ptr<OutputFile>> writer = Replace(name);
  if (!writer.ok()) return writer.status();
  if (!(*writer)->Write(bytes) || !(*writer)->Commit()) return (*writer)->error();
  return {};
}

}  // namespace chanforge::common
