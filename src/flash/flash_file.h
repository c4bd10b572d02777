// Loading a flash file into the workspace and saving the image back.
#pragma once

#include <string>

#include "common/frontend.h"
#include "flash/flash_image.h"

namespace chanforge::flash {

inline constexpr char kFlashFilter[] = "Bin Files (*.bin)|*.bin|All Files (*.*)|*.*";
inline constexpr char kDefaultFlashName[] = "flash512k.bin";

// Asks before unsaved changes are dropped; true when there are none or the user agrees.
bool ConfirmDiscardChanges(const Workspace& workspace, common::Frontend& frontend);

// Before replacing the file the workspace was loaded from (or last saved to): asks when
// another program changed it since; true when it did not or the user agrees.
bool ConfirmUnchangedOnDisk(const Workspace& workspace, common::Frontend& frontend,
                            const std::string& name);

// Lets the user choose a flash file (proposing proposedName) and loads it.
common::Outcome LoadFlashFile(Workspace& workspace, common::Frontend& frontend,
                              const std::string& proposedName);

// Loads a file already chosen, such as one dropped on the window. Does not ask about
// unsaved changes; the caller does that first.
common::Outcome LoadChosenFlashFile(Workspace& workspace, common::Frontend& frontend,
                                    const std::string& name);

// Lets the user choose a name and writes the whole image to it.
common::Outcome SaveFlashFile(Workspace& workspace, common::Frontend& frontend,
                              const std::string& proposedName);

}  // namespace chanforge::flash
