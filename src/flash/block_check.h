// The guard of every block command.
#pragma once

#include <string>

#include "common/frontend.h"

namespace chanforge::flash {

// The refusal of anything that needs a loaded image.
inline constexpr auto kNoFileOpen = common::Wording("image.no-file-open", "No File Open!");

// The block commands, as the refusal without a selected block names them.
enum class BlockAction { kSave, kUpdate, kClear, kConvert, kView };

// Refuses with a message when no file is loaded, the file has no blocks or no line
// is selected; true when the block command may go on.
bool CheckBlockSelected(common::Frontend& frontend, int line_count, int selected,
                        const std::string& fileName, BlockAction action);

}  // namespace chanforge::flash
