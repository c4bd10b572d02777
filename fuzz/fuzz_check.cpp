// The image check and the comparison on images with hostile headers and records: no
// crash, and an image compared with an unchanged copy shows no change.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "check/image_check.h"
#include "check/image_diff.h"
#include "flash/blocks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge;
  if (size < 8) return 0;
  // Head: the image's length (up to a block and a half), the offset of a one-byte edit,
  // then a (name, length) pair per block; the rest is the records, copied into block 0's
  // data and repeated into block 1's. Lengths stay within 4 KB unless their top bit asks
  // for a hostile one, so that most inputs check fast.
  const std::size_t length =
      (std::size_t{data[0]} | std::size_t{data[1]} << 8 | std::size_t{data[2] & 1u} << 15) + 34;
  const std::size_t edit = std::size_t{data[3]} | std::size_t{data[4]} << 8;
  flash::FlashImage image{std::string(length, '\0'), {}};
  for (int i = 0; i < 2; ++i) {
    const std::size_t at = 5 + static_cast<std::size_t>(i) * 3;
    if (at + 3 > size) break;
    const unsigned field = (data[at + 1] & 0xE0) == 0xE0
                               ? 0xFF00u | data[at + 2]
                               : (data[at + 1] & 0x0Fu) << 8 | data[at + 2];
    const std::string name = (data[at] & 1)   ? "TPT"
                             : (data[at] & 2) ? "TCS"
                                              : std::string(1, static_cast<char>(data[at])) + "X";
    flash::WriteIntoImage(image, std::int64_t{i} * common::kBlockSize + flash::kNameOffset,
                          name + '\0');
    flash::WriteIntoImage(
        image, std::int64_t{i} * common::kBlockSize + flash::kLengthOffset,
        std::string{static_cast<char>(field & 0xFF), static_cast<char>(field >> 8)});
  }
  const std::string records(reinterpret_cast<const char*>(data) + 11, size > 11 ? size - 11 : 0);
  for (int i = 0; i < 2; ++i) {
    flash::WriteIntoImage(image, std::int64_t{i} * common::kBlockSize + flash::kDataOffset,
                          records);
  }
  flash::Workspace a;
  a.Load(std::move(image.owned), {});
  (void)check::CheckImage(a);
  // The comparison is the slower half: one input in four compares an edited copy.
  if ((data[3] & 3) != 0) return 0;
  std::string edited(a.image().bytes());
  if (edit < edited.size()) edited[edit] = static_cast<char>(edited[edit] ^ 0x5A);
  flash::Workspace b;
  b.Load(std::move(edited), {});
  // An unchanged copy shows no change; a changed one, whatever the comparison finds.
  const bool same = a.image().bytes() == b.image().bytes();
  if (!check::DiffImages(a, b).empty() && same) std::abort();
  return 0;
}
