// Every block operation on an in-memory image with hostile headers: each stays inside its
// block, the image never changes length, and the views take whatever the block holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "editing/diseqc_swap.h"
#include "flash/block_clear.h"
#include "flash/blocks.h"
#include "silent_frontend.h"
#include "views/block_lines.h"
#include "views/block_view.h"

namespace {

using namespace chanforge;

// The bytes just outside block i, where an operation that overran block i would write.
std::string Outside(std::string_view image, int i) {
  constexpr std::size_t kWindow = 4096;
  const auto begin = static_cast<std::size_t>(i) * common::kBlockSize;
  const std::size_t end = begin + common::kBlockSize;
  std::string rest(image.substr(begin > kWindow ? begin - kWindow : 0, std::min(begin, kWindow)));
  if (end < image.size()) rest += image.substr(end, kWindow);
  return rest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  // The input's head sets the image's length (up to a block and a half: a neighbour
  // and a block cut short, and small enough to fuzz fast) and one header
  // pair (name byte, length field) per block; the rest is the data read into blocks.
  const std::size_t length =
      (std::size_t{data[0]} | std::size_t{data[1]} << 8 | std::size_t{data[2] & 1u} << 15) + 34;
  flash::FlashImage image{std::string(length, static_cast<char>(data[3])), {}};
  std::size_t at = 4;
  for (int i = 0; i < flash::kBlockCount && at + 3 <= size; ++i, at += 3) {
    const std::string name{static_cast<char>(data[at]), 'P', 'T'};
    const std::string field{static_cast<char>(data[at + 1]), static_cast<char>(data[at + 2])};
    flash::WriteIntoImage(image, std::int64_t{i} * common::kBlockSize + flash::kNameOffset, name);
    flash::WriteIntoImage(image, std::int64_t{i} * common::kBlockSize + flash::kLengthOffset,
                          field);
  }
  const std::string payload(reinterpret_cast<const char*>(data) + std::min(at, size),
                            size - std::min(at, size));
  flash::Workspace w;
  w.Load(std::move(image.owned), {});
  (void)views::BlockLines(w);
  testing::SilentFrontend ui;
  for (int i = 0; i < w.block_count(); ++i) {
    const flash::BlockInfo block = w.blocks()[static_cast<std::size_t>(i)];
    const std::string data_bytes = flash::BlockData(w, block);
    if (data_bytes.size() != static_cast<std::size_t>(flash::UsableLength(block))) std::abort();
    // The formatters have targets of their own; a slice keeps this one fast.
    (void)views::HexDumpLines(flash::ImageBytes(w.image(), block.start - flash::kDataOffset, 512),
                              views::CharColumn::kAscii);
    (void)views::TcsListLines(data_bytes.substr(0, 600));
    (void)views::TptListLines(data_bytes.substr(0, 240));
    const std::string before = Outside(w.image().bytes(), i);
    const int op = payload.empty() ? i : static_cast<unsigned char>(payload[0]) + i;
    const auto part = op % 8 >= 4 ? flash::BlockPart::kWhole : flash::BlockPart::kData;
    switch (op % 4) {
      case 0:
        flash::ReplaceBlockData(w, i, payload, part);
        break;
      case 1:
        flash::ReplaceBlockData(w, i, flash::ClearedBlock(w, i, part), flash::BlockPart::kWhole);
        break;
      case 2: {
        std::string swapped;
        int count = 0;
        if (editing::SwappedBlock(w, ui, i, swapped, count) == common::Outcome::kDone) {
          flash::ReplaceBlockData(w, i, swapped, flash::BlockPart::kWhole);
        }
        break;
      }
      default:
        (void)flash::ImageBytes(w.image(), block.start, flash::UsableLength(block));
        break;
    }
    if (w.image().bytes().size() != length || Outside(w.image().bytes(), i) != before) std::abort();
  }
  return 0;
}
