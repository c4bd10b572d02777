// A workspace holding an image as if it had just been loaded and scanned.
#pragma once

#include <string>
#include <utility>

#include "flash/flash_image.h"

namespace chanforge::testing {

inline flash::Workspace LoadedWorkspace(std::string bytes) {
  flash::Workspace workspace;
  workspace.image = {std::move(bytes), "flash.bin"};
  flash::ScanBlocks(workspace);
  return workspace;
}

}  // namespace chanforge::testing
