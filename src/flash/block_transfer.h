// Reading a file into one block of the image and saving a block out to a file.
#pragma once

#include <string>

#include "common/frontend.h"
#include "flash/flash_image.h"

namespace chanforge::flash {

// The TCS and TPT binary list file names of the caller; a transfer proposes them and
// writes the chosen name back.
struct ListFileNames {
  std::string tcs;
  std::string tpt;
};

inline constexpr std::int32_t kDataOnlyLimit = 65466;  // header and length field fit

std::string BlockFileName(const std::string& kind, const ListFileNames& names);

common::Outcome ReadBlockFromFile(Workspace& workspace, common::Frontend& frontend, int index,
                                  bool wholeBlock, ListFileNames& names);

common::Outcome SaveBlockToFile(Workspace& workspace, common::Frontend& frontend, int index,
                                bool wholeBlock, ListFileNames& names);

}  // namespace chanforge::flash
