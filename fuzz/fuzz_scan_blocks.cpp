// The scan and every block routine on arbitrary images: no crash, and the image never
// changes length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "flash/block_clear.h"
#include "flash/flash_image.h"
#include "support/silent_frontend.h"
#include "transponders/block_view.h"
#include "transponders/diseqc_swap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge;
  flash::Workspace w;
  w.image.bytes.assign(reinterpret_cast<const char*>(data), size);
  flash::ScanBlocks(w);
  testing::SilentFrontend ui;
  const int lines = static_cast<int>(w.block_lines.size());
  if (lines == 0) return 0;
  // The views are the slow part: one block an input, chosen by the input itself.
  const int viewed = data[size / 2] % lines;
  (void)transponders::ShowBlockHex(w, ui, viewed);
  (void)transponders::ShowBlockAsTcs(w, ui, viewed);
  (void)transponders::ShowBlockAsTpt(w, ui, viewed);
  for (int i = 0; i < lines; ++i) {
    (void)transponders::SwapDiseqc(w, ui, i);
    flash::ClearBlock(w, i, i % 2 == 0);
    if (w.image.bytes.size() != size) std::abort();
  }
  return 0;
}
