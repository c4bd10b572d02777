// A workspace holding an image as if it had just been loaded and scanned.
#pragma once

#include <string>
#include <utility>

#include "flash/flash_image.h"
#include "support/message_text.h"

namespace chanforge::testing {

inline flash::Workspace LoadedWorkspace(std::string bytes) {
  flash::Workspace workspace;
  workspace.Load(std::move(bytes), "flash.bin");
  return workspace;
}

}  // namespace chanforge::testing
