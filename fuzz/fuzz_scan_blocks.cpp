// The scan and the block list on arbitrary images: no crash, one line per reached block.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "flash/flash_image.h"
#include "views/block_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge;
  flash::Workspace w;
  w.image.bytes.assign(reinterpret_cast<const char*>(data), size);
  flash::ScanBlocks(w);
  if (views::BlockLines(w).size() != static_cast<std::size_t>(w.block_count)) std::abort();
  return 0;
}
