// All disk access of the core: existence tests, whole-file reads and the safe
// replacement that every write goes through.
#pragma once

#include <string>
#include <string_view>

namespace chanforge::common {

// True for an ordinary file or a folder of that name; any error gives false.
bool FileExists(const std::string& name);

// True when both names exist and denote the same file (links and spellings resolved).
bool SameFile(const std::string& first, const std::string& second);

struct ReadResult {
  bool ok = false;
  std::string bytes;
  std::string error;
};

// Reads a whole file as bytes. A folder or an unreadable file fails.
ReadResult ReadWholeFile(const std::string& name);

struct WriteResult {
  bool ok = false;
  std::string error;
};

// Writes the bytes to a temporary file beside the target, flushes it to disk and
// renames it over the target, so the old file survives any failure untouched and
// no reader sees half a file. A symlinked target keeps its link; an existing file
// keeps its permission bits; a failed write leaves no temporary file behind.
WriteResult WriteFileSafely(const std::string& name, std::string_view bytes);

}  // namespace chanforge::common
