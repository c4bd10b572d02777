// The lines the block viewer shows: a hex dump of a block, or its formatted list.
#pragma once

#include <string>
#include <vector>

#include "common/frontend.h"
#include "flash/flash_image.h"

namespace chanforge::transponders {

// One 69-character line per 16 bytes of the block; the dump stops at the image's end.
// The character column keeps the raw bytes; a display substitutes what it cannot show.
std::vector<std::string> ShowBlockHex(const flash::Workspace& workspace, common::Frontend& frontend,
                                      int index);

// The heading line, then the block's data formatted as a channel list.
std::vector<std::string> ShowBlockAsTcs(const flash::Workspace& workspace,
                                        common::Frontend& frontend, int index);

// The heading line, then the block's data formatted as a transponder list.
std::vector<std::string> ShowBlockAsTpt(const flash::Workspace& workspace,
                                        common::Frontend& frontend, int index);

// The caption of the list view option for a block name, empty when it has none.
std::string ListViewCaption(const std::string& block_name);

}  // namespace chanforge::transponders
