// Reading a flash file into a workspace; the session (editing/session.h) loads and saves.
#pragma once

#include <string>

#include "common/files.h"
#include "common/frontend.h"
#include "flash/flash_image.h"

namespace chanforge::flash {

inline constexpr char kFlashFilter[] = "Bin Files (*.bin)|*.bin|All Files (*.*)|*.*";
inline constexpr char kDefaultFlashName[] = "flash512k.bin";

// How a load holds the file: copied, or mapped for a command that only reads it where the
// disk maps (common::Files::Map; otherwise it is copied). A mapped image is copied at its
// first change.
enum class ImageReading { kCopy, kMap };

// Reads a file already chosen into the image and scans its blocks. Neither asks about
// unsaved changes nor announces the change: the caller does both.
common::Outcome LoadChosenFlashFile(Workspace& workspace, common::Frontend& frontend,
                                    common::Files& files, const std::string& name,
                                    ImageReading reading = ImageReading::kCopy);

}  // namespace chanforge::flash
