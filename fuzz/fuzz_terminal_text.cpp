// Whatever names an image or a file has, no text the command line shows at a terminal holds
// a byte that could steer it: the block list, the record lists, the check's findings and the
// comparison's changes of an image whose block and channel names are the input, and the
// input itself as a message, a file name and a scan table's name, each through the cleaner
// that output takes. Allowed are printable ASCII, whole UTF-8 characters but the C1 controls,
// and, in a message, its line breaks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "check/image_check.h"
#include "check/image_diff.h"
#include "common/message.h"
#include "common/text_lines.h"
#include "flash/blocks.h"
#include "satellites/scan_table.h"
#include "views/block_lines.h"
#include "views/block_view.h"

namespace {

using namespace chanforge;

void ExpectSafe(std::string_view shown, bool lines = false) {
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const auto b = static_cast<unsigned char>(shown[i]);
    if (b == '\n' && lines) continue;
    if (b < 0x20 || b == 0x7F) std::abort();
    if (b < 0x80) continue;
    const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    // A byte outside a whole character is shown only where a Latin-1 terminal shows a letter.
    if (length == 1 || i + length > shown.size() || !common::IsUtf8(shown.substr(i, length))) {
      if (b <= 0x9F) std::abort();
      continue;
    }
    if (b == 0xC2 && static_cast<unsigned char>(shown[i + 1]) <= 0x9F) std::abort();  // C1
    i += length - 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  ExpectSafe(common::Latin1ForTerminal(input));
  ExpectSafe(common::Utf8ForTerminal(input));
  ExpectSafe(common::LinesForTerminal(input), true);
  ExpectSafe(satellites::NameForTerminal(input));
  // An image: block 0 a TCS list of the input's records, block 1 named from its start.
  if (size < 4) return 0;
  // Block 1 only as far as its header, which is all its name needs: a smaller image runs faster.
  flash::FlashImage image{std::string(common::kBlockSize + flash::kDataOffset, '\0'), {}};
  flash::PutBlock(image, 0, "TCS", std::string(input.substr(4)));
  flash::PutBlock(image, 1, std::string(input.substr(0, 4)), "");
  flash::Workspace workspace;
  workspace.Load(std::move(image.owned), {});
  for (const std::string& line : views::BlockLines(workspace)) {
    ExpectSafe(common::Latin1ForTerminal(line));
  }
  for (const std::string& line : views::TcsListLines(input.substr(4))) {
    ExpectSafe(common::Latin1ForTerminal(line));
  }
  for (const check::Finding& finding : check::CheckImage(workspace)) {
    ExpectSafe(common::Utf8ForTerminal(common::Format(check::FormatFinding(finding))));
  }
  // The comparison is the slower half: one input in four.
  if ((data[0] & 3) != 0) return 0;
  flash::Workspace blank;
  blank.Load(std::string(common::kBlockSize + flash::kDataOffset, '\0'), {});
  for (const check::Change& change : check::DiffImages(blank, workspace)) {
    ExpectSafe(common::Utf8ForTerminal(common::Format(check::FormatChange(change))));
  }
  return 0;
}
