// The scan and every block routine on arbitrary images: no crash, and the image never
// changes length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "flash/block_clear.h"
#include "flash/blocks.h"
#include "silent_frontend.h"
#include "transponders/diseqc_swap.h"
#include "views/block_lines.h"
#include "views/block_view.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge;
  flash::Workspace w;
  w.image.bytes.assign(reinterpret_cast<const char*>(data), size);
  flash::ScanBlocks(w);
  testing::SilentFrontend ui;
  const int lines = w.block_count;
  if (lines == 0) return 0;
  (void)views::BlockLines(w);
  // The views are the slow part: one block an input, chosen by the input itself.
  const flash::BlockInfo& viewed = w.blocks[static_cast<std::size_t>(data[size / 2] % lines)];
  (void)views::HexDumpLines(flash::WholeBlockBytes(w, viewed), views::CharColumn::kAscii);
  (void)views::TcsListLines(flash::BlockData(w, viewed));
  (void)views::TptListLines(flash::BlockData(w, viewed));
  for (int i = 0; i < lines; ++i) {
    (void)transponders::SwapDiseqc(w, ui, i);
    flash::ClearBlock(w, i, i % 2 == 0);
    if (w.image.bytes.size() != size) std::abort();
  }
  return 0;
}
