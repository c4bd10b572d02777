#include "common/files.h"

#include <algorithm>

#include "common/file_access_platform.h"

namespace chanforge::common {

std::filesystem::path PathOf(const std::string& name) {
  // Names are UTF-8 everywhere in the program.
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

bool Files::Exists(const std::string& name) {
  const EntryKind kind = KindOf(name);
  return kind == EntryKind::kRegular || kind == EntryKind::kFolder;
}

std::int64_t Files::SizeOf(const std::string& name) { return StampOf(name).size; }

ReadResult Files::ReadPrefix(const std::string& name, std::int64_t count) {
  ReadResult result;
  const std::unique_ptr<InputFile> reader = OpenInput(name, result.error, kListFileLimit);
  if (!reader) return result;
  // The length may change under us; never trust it for more than a bound.
  const std::int64_t size = SizeOf(name);
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
    if (!reader->Read(piece, result.bytes)) {
      result.error = Say(kReadError);
      result.bytes.clear();
      return result;
    }
    if (result.bytes.size() == before) break;
  }
  result.ok = true;
  return result;
}

ReadResult Files::ReadWhole(const std::string& name, std::int64_t limit) {
  if (SizeOf(name) > limit) return {false, {}, Say(kTooLargeError)};
  // One byte more than the limit tells a file that grows past it while it is read.
  ReadResult read = ReadPrefix(name, limit + 1);
  if (read.ok && static_cast<std::int64_t>(read.bytes.size()) > limit)
    return {false, {}, Say(kTooLargeError)};
  return read;
}

WriteResult Files::WriteWhole(const std::string& name, std::string_view bytes) {
  WriteResult result;
  const std::unique_ptr<OutputFile> writer = Replace(name, result.error);
  if (!writer) return result;
  result.ok = writer->Write(bytes) && writer->Commit();
  if (!result.ok) result.error = writer->error();
  return result;
}

}  // namespace chanforge::common
