#include "check/image_diff.h"

#include <gtest/gtest.h>

#include "flash/blocks.h"
#include "support/builders.h"
#include "support/workspace.h"

namespace chanforge::check {
namespace {

std::vector<std::string> Lines(const flash::Workspace& a, const flash::Workspace& b) {
  std::vector<std::string> lines;
  for (const Change& change : DiffImages(a, b)) lines.push_back(change.line);
  return lines;
}

// Each kind of edit shows as exactly one line, in block and record order: a rename, a
// removal, a new SID, a channel moved to the end, one appended, a transponder's TID, digits
// below the kHz and an FEC without text, and a byte of another block.
TEST(ImageDiff, EachEditShowsAsOneLine) {
  using testing::TcsRecord;
  using testing::TptRecord;
  const auto image = [](const std::string& channels, const std::string& transponders) {
    return testing::LoadedWorkspace(testing::FlashImageBuilder()
                                        .Block(0, "TCS", channels)
                                        .Block(1, "TPT", transponders)
                                        .Build());
  };
  const std::string a = TcsRecord("Alpha", 4, 1, 1, 0, 0), c = TcsRecord("Gamma", 4, 2, 3, 0, 0),
                    e = TcsRecord("Epsilon", 4, 1, 5, 0, 0),
                    t1 = TptRecord(1000000000, 7, 1, 0, 0, 1, 0);
  const flash::Workspace old_image =
      image(a + TcsRecord("Beta", 4, 1, 2, 0, 0) + c + TcsRecord("Delta", 4, 2, 4, 0, 0) + e,
            t1 + TptRecord(1100000000, 8, 1, 0, 0, 2, 0));
  EXPECT_TRUE(DiffImages(old_image, old_image).empty());
  flash::Workspace new_image =
      image(TcsRecord("Bet\xE4", 4, 1, 2, 0, 0) + TcsRecord("Delta", 4, 2, 40, 0, 0) + e + a +
                TcsRecord("Neu", 4, 2, 99, 0, 0),
            t1 + TptRecord(1100000005, 9, 1, 0, 0, 4, 0));
  new_image.image.bytes[2 * flash::BlockSize + 0x50] ^= 1;
  EXPECT_EQ(Lines(old_image, new_image),
            (std::vector<std::string>{
                "block 0 channel 1 name: Beta \xE2\x86\x92 Bet\xC3\xA4",
                "block 0 channel 2 sid: 4 \xE2\x86\x92 40",
                "block 0 channel 3 removed: Gamma (SID 3)",
                "block 0 channel 4 moved from 1: Alpha (SID 1)",
                "block 0 channel 5 added: Neu (SID 99)",
                "block 1 transponder 2 frequency: 10850000 kHz \xE2\x86\x92 10850000 kHz (+5 Hz)",
                "block 1 transponder 2 tid: 8 \xE2\x86\x92 9",
                "block 1 transponder 2 fec: 3/4 \xE2\x86\x92 0x04",
                "block 2 bytes 0x0050-0x0050 changed",
            }));
  std::string places;
  for (const Change& change : DiffImages(old_image, new_image)) {
    places += std::to_string(change.block) + ":" + std::to_string(change.record) + " ";
  }
  EXPECT_EQ(places, "0:1 0:2 0:3 0:4 0:5 1:2 1:2 1:2 2:0 ");
}

TEST(ImageDiff, ByteRangesMergeAndAreCapped) {
  testing::FlashImageBuilder builder;
  builder.Block(0, "TCS", testing::TcsRecord("A", 4, 1, 1, 2, 3) + "x")
      .Block(3, "LOGO", std::string(2048, 'U'));
  const flash::Workspace a = testing::LoadedWorkspace(builder.Build());
  // Beside the records: the byte after the length field and a cut record's byte.
  builder.Raw(0x42, "*").Raw(0x44 + 30, "*");
  for (std::size_t i = 0; i < 23; ++i) builder.Raw(3 * 65536 + 0x100 + i * 32, "*");
  builder.Raw(3 * 65536 + 0x100 + 15, "*");  // 14 equal bytes after the first: merged
  for (std::size_t i = 0; i < 20; ++i) builder.Raw(4 * 65536 + 0x100 + i * 32, "*");
  const std::vector<std::string> lines =
      Lines(a, testing::LoadedWorkspace(builder.Build() + "tail"));
  ASSERT_EQ(lines.size(), 44u);
  EXPECT_EQ(lines[0], "image size: 524288 \xE2\x86\x92 524292 bytes");
  EXPECT_EQ(lines[1], "block 0 bytes 0x0042-0x0042 changed");
  EXPECT_EQ(lines[2], "block 0 bytes 0x0062-0x0062 changed");
  EXPECT_EQ(lines[3], "block 3 bytes 0x0100-0x010F changed");
  EXPECT_EQ(lines[22], "block 3 bytes 0x0360-0x0360 changed");
  EXPECT_EQ(lines[23], "block 3: 3 more changed byte ranges");
  EXPECT_EQ(lines[43], "block 4 bytes 0x0360-0x0360 changed");  // 20 ranges: all listed
}

}  // namespace
}  // namespace chanforge::check
