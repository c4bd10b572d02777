#include "flash/flash_image.h"

#include <gtest/gtest.h>

#include "support/builders.h"
#include "support/workspace.h"

namespace chanforge::flash {
namespace {

using testing::FlashImageBuilder;

Workspace Scanned(std::string bytes, int selected = -1) {
  return testing::LoadedWorkspace(std::move(bytes), selected);
}

TEST(ScanBlocks, LineCountFollowsTheImageLength) {
  const struct {
    std::size_t size;
    std::size_t lines;
  } cases[] = {{0, 0},     {33, 0},     {34, 1},     {65569, 1},
               {65570, 2}, {200000, 4}, {524288, 8}, {589824, 8}};
  for (const auto& c : cases) {
    EXPECT_EQ(Scanned(std::string(c.size, '\xFF')).block_lines.size(), c.lines) << c.size;
  }
}

TEST(ScanBlocks, WritesTheExactBlockLines) {
  const std::string image = FlashImageBuilder()
                                .Block(0, "TCS", std::string(60000, 'c'))
                                .Block(1, "TPT", std::string(1500, 't'))
                                .Header(2, "tcs", 65)
                                .Header(3, "", 0x1234)
                                .Raw(4 * 65536, std::string(0x44, '\0'))
                                .Header(5, "LOGO", 0)
                                .Build();
  const Workspace w = Scanned(image);
  ASSERT_EQ(w.block_lines.size(), 8u);
  EXPECT_EQ(w.block_lines[0], "Block:0 TCS ($44-$EAA4) $EA60 bytes (2000)");
  EXPECT_EQ(w.block_lines[1], "Block:1 TPT ($10044-$10620) $5DC bytes (125)");
  EXPECT_EQ(w.block_lines[2], "Block:2 tcs ($20044-$20085) $41 bytes (2)");
  EXPECT_EQ(w.block_lines[3], "Block:3 ---- ($30044-$30044) $0 bytes");
  EXPECT_EQ(w.block_lines[4], "Block:4 ---- ($40044-$40044) $0 bytes");
  EXPECT_EQ(w.block_lines[5], "Block:5 LOGO ($50044-$50044) $0 bytes");
  EXPECT_EQ(w.blocks[1].start, 0x10044);
  EXPECT_EQ(w.blocks[1].length, 1500);
}

TEST(ScanBlocks, NamesRunOnPastTheHeaderAndStopAtTheImageEnd) {
  // No NUL before 0x40: the name runs into the length bytes (0x03 then 0x00 ends it).
  std::string image = FlashImageBuilder(70000).Raw(0x20, std::string(32, 'N')).Build();
  image[0x40] = 0x03;
  image[0x41] = 0x00;
  Workspace w = Scanned(image);
  EXPECT_EQ(w.blocks[0].name, std::string(32, 'N') + "\x03");
  EXPECT_EQ(w.blocks[0].length, 3);

  // An image that ends inside the name: the name stops there, the length reads as 0.
  w = Scanned(FlashImageBuilder(65536 + 0x24, 'X').Build());
  ASSERT_EQ(w.block_lines.size(), 2u);
  EXPECT_EQ(w.blocks[1].name, "XXXX");
  EXPECT_EQ(w.blocks[1].length, 0);
  // An image ending at block offset 0x41 misses the high length byte.
  w = Scanned(FlashImageBuilder(65536 + 0x41, 'X').Build());
  EXPECT_EQ(w.blocks[1].length, 'X');
}

TEST(ScanBlocks, KeepsTheSelectionOnlyWhileTheLineExists) {
  EXPECT_EQ(Scanned(std::string(524288, '\xFF'), 5).selected, 5);
  EXPECT_EQ(Scanned(std::string(5 * 65536, '\xFF'), 5).selected, -1);
  EXPECT_EQ(SelectionAfterScan(-1, 8), -1);
  EXPECT_EQ(SelectionAfterScan(7, 8), 7);
  EXPECT_EQ(SelectionAfterScan(8, 8), -1);
}

TEST(ImageWrites, AreCutOffAtTheEnd) {
  FlashImage image{std::string(10, 'a'), ""};
  WriteIntoImage(image, 8, "XYZ");
  FillImage(image, 0, 2, '0');
  FillImage(image, -5, 7, '!');
  FillImage(image, 20, 5, '0');
  WriteIntoImage(image, 10, "Q");
  EXPECT_EQ(image.bytes, "00aaaaaaXY");
  EXPECT_EQ(ImageByteAt(image, 9), 'Y');
  EXPECT_EQ(ImageByteAt(image, 10), 0);
  EXPECT_EQ(ImageByteAt(image, -1), 0);
  EXPECT_EQ(ImageBytes(image, 8, 100), "XY");
}

}  // namespace
}  // namespace chanforge::flash
