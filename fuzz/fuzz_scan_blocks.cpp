// The scan and the block list on arbitrary images: no crash, one line per reached block.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "flash/flash_image.h"
#include "views/block_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge;
  flash::Workspace w;
  w.Load(std::string(reinterpret_cast<const char*>(data), size), {});
  if (views::BlockLines(w).size() != static_cast<std::size_t>(w.block_count())) std::abort();
  return 0;
}
