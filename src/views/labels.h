// The texts of the windows' labels: the file label, the changed marker, the size, and the
// block the list editor edits.
#pragma once

#include <cstdint>
#include <string>

#include "common/list_kind.h"
#include "common/message.h"
#include "flash/flash_image.h"

namespace chanforge::views {

// The file label: the whole name up to 55 characters, else the first 3, "..." and
// the last 49. Characters are counted as UTF-8 code points, never split.
std::string FileLabelText(const std::string& fileName);

// "File Changed" while a loaded or saved file has unsaved changes, else empty.
common::Message ChangedMarkerText(const std::string& fileName, bool dirty);

// The size label text after a load: "Size :524288 bytes".
common::Message SizeLabelText(std::int64_t size);

// "Editing Block:1 (TCS)", naming the first when the image has more of the kind.
common::Message EditedBlockText(const flash::Workspace& workspace, int index,
                                common::ListKind kind);

}  // namespace chanforge::views
