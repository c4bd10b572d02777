// Reading a file into one block of the image and saving a block out to a file.
#pragma once

#include <string>

#include "common/files.h"
#include "common/frontend.h"
#include "flash/blocks.h"

namespace chanforge::flash {

// The TCS and TPT binary list file names of the caller; a transfer proposes them and
// writes the chosen name back.
struct ListFileNames {
  std::string tcs;
  std::string tpt;
};

inline constexpr std::int32_t kDataOnlyLimit = 65466;  // header and length field fit

std::string BlockFileName(const std::string& kind, const ListFileNames& names);

// "File : X is N bytes: not a whole number of channel records." CR LF "Read anyway ?"
common::Message RecordSizeQuestion(const std::string& name, std::int64_t size,
                                   common::ListKind kind);

// Chooses the file and reads what the block takes from it (asking first about a length that
// is no whole number of the list's records and about a file larger than the block), without
// changing the image: data receives the bytes to write, data only or whole.
common::Outcome ReadBlockFile(const Workspace& workspace, common::Frontend& frontend,
                              common::Files& files, int index, BlockPart part, ListFileNames& names,
                              std::string& data);

common::Outcome SaveBlockToFile(Workspace& workspace, common::Frontend& frontend,
                                common::Files& files, int index, BlockPart part,
                                ListFileNames& names);

}  // namespace chanforge::flash
