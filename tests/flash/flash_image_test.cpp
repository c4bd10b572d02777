#include "flash/flash_image.h"

#include <gtest/gtest.h>

#include "flash/blocks.h"
#include "support/builders.h"
#include "support/workspace.h"

namespace chanforge::flash {
namespace {

using testing::FlashImageBuilder;
using testing::LoadedWorkspace;

TEST(ScanBlocks, ReachesBlocksByTheImageLength) {
  for (const auto& [size, blocks] : {std::pair<std::size_t, int>{0, 0},
                                     {33, 0},
                                     {34, 1},
                                     {65569, 1},
                                     {65570, 2},
                                     {524288, 8},
                                     {589824, 8}}) {
    EXPECT_EQ(LoadedWorkspace(std::string(size, '\xFF')).block_count, blocks) << size;
  }
}

TEST(ScanBlocks, ReadsNamesLengthsAndStarts) {
  Workspace w = LoadedWorkspace(FlashImageBuilder()
                                    .Block(1, "TPT", std::string(1500, 't'))
                                    .Header(3, "", 0x1234)
                                    .Raw(4 * 65536, std::string(0x44, '\0'))
                                    .Build());
  EXPECT_EQ(w.blocks[1].name, "TPT");
  EXPECT_EQ(w.blocks[1].start, 0x10044);
  EXPECT_EQ(w.blocks[1].length, 1500);
  for (const int unnamed : {0, 3, 4}) {
    EXPECT_EQ(w.blocks[unnamed].name, "----");
    EXPECT_EQ(w.blocks[unnamed].length, 0);
  }
  // No NUL before 0x40: the name runs into the length bytes (0x03 then 0x00 ends it).
  std::string image = FlashImageBuilder(70000).Raw(0x20, std::string(32, 'N')).Build();
  image[0x40] = 0x03;
  image[0x41] = 0x00;
  w = LoadedWorkspace(image);
  EXPECT_EQ(w.blocks[0].name, std::string(32, 'N') + "\x03");
  EXPECT_EQ(w.blocks[0].length, 3);
  // An image that ends inside the name stops it there; a missing length byte reads as 0.
  w = LoadedWorkspace(FlashImageBuilder(65536 + 0x24, 'X').Build());
  EXPECT_EQ(w.blocks[1].name, "XXXX");
  EXPECT_EQ(w.blocks[1].length, 0);
  w = LoadedWorkspace(FlashImageBuilder(65536 + 0x41, 'X').Build());
  EXPECT_EQ(w.blocks[1].length, 'X');
}

TEST(ImageAccess, ReadsAsZeroAndWritesAreCutOffOutsideTheImage) {
  FlashImage image{std::string(10, 'a'), ""};
  WriteIntoImage(image, 8, "XYZ");
  WriteIntoImage(image, -1, "Q");
  WriteIntoImage(image, 10, "Q");
  FillImage(image, 0, 2, '0');
  FillImage(image, -5, 7, '!');
  FillImage(image, 20, 5, '0');
  EXPECT_EQ(image.bytes, "00aaaaaaXY");
  EXPECT_EQ(ImageByteAt(image, 0), '0');
  EXPECT_EQ(ImageByteAt(image, 9), 'Y');
  EXPECT_EQ(ImageByteAt(image, 10), 0);
  EXPECT_EQ(ImageByteAt(image, -1), 0);
  EXPECT_EQ(ImageBytes(image, 8, 100), "XY");
  EXPECT_EQ(ImageBytes(image, -1, 3), "");
}

TEST(BlockVocabulary, KindsIndexesAndLengths) {
  EXPECT_EQ(ListKindOf("tcs"), ListKind::kTcs);
  EXPECT_EQ(ListKindOf("Tpt"), ListKind::kTpt);
  EXPECT_EQ(ListKindOf("tpt", NameMatch::kExact), ListKind::kOther);
  EXPECT_EQ(ListKindOf("TPT", NameMatch::kExact), ListKind::kTpt);
  EXPECT_EQ(ListKindOf("TCS "), ListKind::kOther);
  const Workspace w = LoadedWorkspace(std::string(3 * 65536, '\xFF'));
  EXPECT_EQ(FindBlock(w, -1), nullptr);
  EXPECT_EQ(FindBlock(w, 3), nullptr);
  EXPECT_EQ(FindBlock(w, 2), &w.blocks[2]);
  EXPECT_EQ(UsableLength(BlockInfo{68, 0xFFFF, "TPT"}), 65468);
  EXPECT_EQ(UsableLength(BlockInfo{68, 65468, "TPT"}), 65468);
}

TEST(ReplaceBlockData, WritesLengthFillsAndAnnounces) {
  Workspace w = LoadedWorkspace(FlashImageBuilder().Block(0, "TCS", std::string(600, 'c')).Build());
  int announced = 0;
  w.observers.push_back([&] { ++announced; });
  ASSERT_TRUE(ReplaceBlockData(w, 0, "abc", false));
  EXPECT_EQ(w.image.bytes.substr(0x40, 604), std::string("\x03\0\0\0abc", 7) + std::string(597, 0));
  EXPECT_EQ(w.blocks[0].length, 3);
  EXPECT_TRUE(w.dirty);
  EXPECT_EQ(announced, 1);
  EXPECT_FALSE(ReplaceBlockData(w, 8, "abc", false));
  EXPECT_EQ(announced, 1);
}

}  // namespace
}  // namespace chanforge::flash
