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
  for (int i = 0; i < static_cast<int>(w.block_lines.size()); ++i) {
    (void)transponders::ShowBlockHex(w, ui, i);
    (void)transponders::ShowBlockAsTcs(w, ui, i);
    (void)transponders::ShowBlockAsTpt(w, ui, i);
    (void)transponders::SwapDiseqc(w, ui, i);
    flash::ClearBlock(w, i, i % 2 == 0);
    if (w.image.bytes.size() != size) std::abort();
  }
  return 0;
}
