// What the status line says for a few seconds after a command succeeded.
#pragma once

#include <cstdint>
#include <string>

#include "common/list_files.h"
#include "common/list_kind.h"
#include "common/message.h"

namespace chanforge::views {

// Digits in groups of three, as the reader's language separates them: "4,500", "4.500".
common::Message Grouped(std::int64_t value);

enum class BlockDone { kSaved, kRead, kCleared };
enum class ImageDone { kLoaded, kSaved };

// "Saved block 0 (TCS, 4,500 bytes) to TCS", "Read block 0 (TCS, 4,500 bytes) from TCS" or
// "Cleared block 0 (TCS)"; the file part only when a file is given. The name is the
// block's own bytes.
common::Message BlockDoneText(BlockDone what, int index, const std::string& block_name,
                              std::int64_t bytes, const std::string& file);

// "Loaded flash512k.bin (524,288 bytes)" or "Saved flash512k.bin (524,288 bytes)".
common::Message ImageDoneText(ImageDone what, const std::string& file, std::int64_t bytes);

// "Converted 150 channels to TCS.txt", and " (read as UTF-8)" after a text read so; records
// as the list's text shows them.
common::Message ConversionDoneText(common::ListKind kind, std::int64_t records,
                                   const std::string& to,
                                   common::TextEncoding read_as = common::TextEncoding::kLatin1);

}  // namespace chanforge::views
