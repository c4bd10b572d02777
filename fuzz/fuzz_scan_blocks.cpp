// The scan and every block routine on arbitrary images: no crash, and the image never
// changes length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/frontend.h"
#include "flash/block_clear.h"
#include "flash/flash_image.h"
#include "transponders/block_view.h"
#include "transponders/diseqc_swap.h"

namespace {

class SilentFrontend : public chanforge::common::Frontend {
 public:
  void ShowMessage(chanforge::common::MessageKind, const std::string&) override {}
  bool AskYesNo(const std::string&) override { return true; }
  chanforge::common::FileChoice ChooseFile(const chanforge::common::FileRequest&) override {
    return {};
  }
  void ShowStatus(const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge;
  flash::Workspace w;
  w.image.bytes.assign(reinterpret_cast<const char*>(data), size);
  flash::ScanBlocks(w);
  SilentFrontend ui;
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
