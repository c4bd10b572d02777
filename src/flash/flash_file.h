// Reading a flash file into a workspace; the session (editing/session.h) loads and saves.
#pragma once

#include <string>

#include "common/frontend.h"
#include "flash/flash_image.h"

namespace chanforge::flash {

inline constexpr char kFlashFilter[] = "Bin Files (*.bin)|*.bin|All Files (*.*)|*.*";
inline constexpr char kDefaultFlashName[] = "flash512k.bin";

// Reads a file already chosen into the image and scans its blocks. Neither asks about
// unsaved changes nor announces the change: the caller does both.
common::Outcome LoadChosenFlashFile(Workspace& workspace, common::Frontend& frontend,
                                    const std::string& name);

}  // namespace chanforge::flash
