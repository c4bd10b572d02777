#include "check/image_diff.h"

#include <gtest/gtest.h>

#include "support/builders.h"
#include "support/workspace.h"

namespace chanforge::check {
namespace {

using testing::FlashImageBuilder;
using testing::TcsRecord;
using testing::TptRecord;

// Each line after where it is about: "0:12 " for block 0 record 12.
std::vector<std::string> Lines(const std::string& a, const std::string& b) {
  std::vector<std::string> lines;
  for (const Change& c : DiffImages(testing::LoadedWorkspace(a), testing::LoadedWorkspace(b)))
    lines.push_back(std::to_string(c.block) + ":" + std::to_string(c.record) + " " +
                    Format(FormatChange(c)));
  return lines;
}

std::string Image(const std::string& channels, const std::string& transponders) {
  return FlashImageBuilder().Block(0, "TCS", channels).Block(1, "TPT", transponders).Build();
}

std::string Ch(std::string_view name, std::uint8_t tp, std::uint16_t sid) {
  return TcsRecord(name, 4, tp, sid, 0, 0);
}

// A transponder list first of its kind in one image only is matched on its own records.
TEST(ImageDiff, AListFirstInOneImageOnlyIsMatchedOnItsOwn) {
  const std::string kept = TptRecord(1200000000, 1, 1, 0, 0, 1, 0);
  const auto image = [&](const char* block_1, std::uint16_t tid) {
    return FlashImageBuilder()
        .Block(0, "TCS", Ch("Alpha", 1, 1))
        .Block(1, block_1, TptRecord(1000000000, 7, 1, 0, 0, 1, 0))
        .Block(3, "TPT", kept + TptRecord(1300000000, tid, 1, 0, 0, 1, 0))
        .Build();
  };
  std::vector<std::string> third;
  for (const std::string& line : Lines(image("TPT", 2), image("DAT", 3)))
    if (line.starts_with("3:")) third.push_back(line);
  EXPECT_EQ(third, std::vector<std::string>{
                       "3:2 block 3 transponder 2 \xC2\xB7 11050 V tid: 2 \xE2\x86\x92 3"});
}

// Each kind of edit shows as exactly one line, in block and record order: renames, a removal,
// a new SID, a move, an append, sub-kHz digits, an FEC without text, a TID, another block.
TEST(ImageDiff, EachEditShowsAsOneLine) {
  const std::string a = Ch("Alpha", 1, 1), c = Ch("Gamma", 2, 3), e = Ch("Epsilon", 1, 5),
                    t1 = TptRecord(1000000000, 7, 1, 0, 0, 1, 0);
  const std::string old_image = Image(a + Ch("Beta", 1, 2) + c + Ch("Delta", 2, 4) + e,
                                      t1 + TptRecord(1100000000, 8, 1, 0, 0, 2, 0));
  EXPECT_TRUE(Lines(old_image, old_image).empty());
  std::string changed =
      Image(Ch("Bet\xE4 \x7F", 1, 2) + Ch("Delta", 2, 40) + Ch("Eps", 1, 5) + a + Ch("Neu", 2, 99),
            t1 + TptRecord(1100000005, 9, 1, 0, 0, 4, 0));
  changed[2 * common::kBlockSize + 0x50] ^= 1;
  EXPECT_EQ(Lines(old_image, changed),
            (std::vector<std::string>{
                "0:1 block 0 channel 1 name: Beta \xE2\x86\x92 Bet\xC3\xA4 \\x7F",
                "0:2 block 0 channel 2 sid: 4 \xE2\x86\x92 40",
                "0:3 block 0 channel 3 name: Epsilon \xE2\x86\x92 Eps",
                "0:3 block 0 channel 3 removed: Gamma (SID 3)",
                "0:4 block 0 channel 4 moved from 1: Alpha (SID 1)",
                "0:5 block 0 channel 5 added: Neu (SID 99)",
                "1:2 block 1 transponder 2 \xC2\xB7 10850 V frequency: 10850000 kHz \xE2\x86\x92 "
                "10850000 kHz (+5 Hz)",
                "1:2 block 1 transponder 2 \xC2\xB7 10850 V fec: 3/4 \xE2\x86\x92 0x04",
                "1:2 block 1 transponder 2 \xC2\xB7 10850 V tid: 8 \xE2\x86\x92 9",
                "2:0 block 2 bytes 0x0050-0x0050 changed",
            }));
}

// Records are matched by what they are, not by where they sit: a channel by its SID and
// its transponder, a transponder by frequency, polarisation, band and DiSEqC input.
TEST(ImageDiff, RecordsAreMatchedByIdentity) {
  const std::string t1 = TptRecord(1000000000, 1, 1, 0, 0, 1, 0),
                    t2 = TptRecord(1100000000, 2, 1, 0, 0, 1, 2), a1 = Ch("A", 1, 1),
                    b1 = Ch("B", 1, 2), c1 = Ch("C", 1, 3);
  const std::tuple<const char*, std::string, std::string, const char*> cases[] = {
      {"transponders swap, the channel follows", Image(a1, t1 + t2), Image(Ch("A", 2, 1), t2 + t1),
       "1:2 block 1 transponder 2 \xC2\xB7 10750 V moved from 1"},
      {"unused transponder removed", Image(Ch("A", 2, 1), t2 + t1), Image(a1, t1),
       "1:1 block 1 transponder 1 \xC2\xB7 10850 H removed"},
      {"channel on another transponder", Image(a1, t1 + t2), Image(Ch("A", 2, 1), t1 + t2),
       "0:1 block 0 channel 1 tp: 1 \xC2\xB7 10750 V \xE2\x86\x92 2 \xC2\xB7 10850 H"},
      {"between equal transponders", Image(a1, t1 + t1), Image(Ch("A", 2, 1), t1 + t1),
       "0:1 block 0 channel 1 tp: 1 \xC2\xB7 10750 V \xE2\x86\x92 2 \xC2\xB7 10750 V"},
      {"its transponder removed, the channel's bytes unchanged", Image(Ch("A", 2, 1), t1 + t2),
       Image(Ch("A", 2, 1), t1),
       "0:1 block 0 channel 1 tp: 2 \xC2\xB7 10850 H \xE2\x86\x92 2 (no transponder)\n"
       "1:2 block 1 transponder 2 \xC2\xB7 10850 H removed"},
      {"TP past the list", Image(a1, t1), Image(Ch("A", 9, 1), t1),
       "0:1 block 0 channel 1 tp: 1 \xC2\xB7 10750 V \xE2\x86\x92 9 (no transponder)"},
      {"deleted, and another copied into its place", Image(a1 + b1 + c1, t1),
       Image(a1 + a1 + c1, t1),
       "0:2 block 0 channel 2 removed: B (SID 2)\n0:2 block 0 channel 2 added: A (SID 1)"},
      {"one added before one renamed", Image(a1 + b1, t1), Image(a1 + c1 + Ch("Bee", 1, 2), t1),
       "0:2 block 0 channel 2 added: C (SID 3)\n0:3 block 0 channel 3 name: B \xE2\x86\x92 Bee"},
      {"same name on either side of a kept channel", Image(Ch("N", 1, 7) + a1, t1),
       Image(a1 + Ch("N", 1, 8), t1),
       "0:1 block 0 channel 1 removed: N (SID 7)\n0:2 block 0 channel 2 added: N (SID 8)"},
      {"DiSEqC input switched", Image(a1, t1), Image(a1, TptRecord(1000000000, 1, 1, 0, 0, 1, 8)),
       "1:1 block 1 transponder 1 \xC2\xB7 10750 V diseqc: A \xE2\x86\x92 B"},
      {"hidden flag bit", Image(a1, t1), Image(a1, TptRecord(1000000000, 1, 1, 0, 0, 1, 0x10)),
       "1:1 block 1 transponder 1 \xC2\xB7 10750 V flags: 0x00 \xE2\x86\x92 0x10"},
      {"a last channel of one letter, its other bytes zero", Image(a1, t1),
       Image(a1 + TcsRecord("B", 0, 0, 0, 0, 0), t1), "0:2 block 0 channel 2 added: B (SID 0)"},
      {"free slot at the end", Image(a1, t1), Image(a1 + std::string(30, '\xFF'), t1),
       "0:0 block 0 length: 30 \xE2\x86\x92 60"},
      {"byte behind the name's end", Image(a1, t1),
       FlashImageBuilder().Block(0, "TCS", a1).Block(1, "TPT", t1).Raw(0x24, "x").Build(),
       "0:0 block 0 bytes 0x0024-0x0024 changed"},
  };
  for (const auto& [edit, old_image, new_image, expected] : cases) {
    std::string lines;
    for (const std::string& line : Lines(old_image, new_image)) lines += "\n" + line;
    EXPECT_EQ(lines.erase(0, 1), expected) << edit;
  }
}

TEST(ImageDiff, ByteRangesMergeAndAreCapped) {
  FlashImageBuilder builder;
  builder.Block(0, "TCS", TcsRecord("A", 4, 1, 1, 2, 3) + "x")
      .Block(3, "LOGO", std::string(2048, 'U'));
  const std::string a = builder.Build() + "tail";
  // Beside the records: the byte after the length field and a cut record's byte.
  builder.Raw(0x42, "*").Raw(0x44 + 30, "*");
  for (std::size_t i = 0; i < 23; ++i) builder.Raw(3 * 65536 + 0x100 + i * 32, "*");
  builder.Raw(3 * 65536 + 0x100 + 15, "*");  // 14 equal bytes after the first: merged
  for (std::size_t i = 0; i < 20; ++i) builder.Raw(4 * 65536 + 0x100 + i * 32, "*");
  const std::vector<std::string> lines = Lines(a, builder.Build() + "tbil!");
  ASSERT_EQ(lines.size(), 45u);
  EXPECT_EQ(lines[0], "-1:0 image size: 524292 \xE2\x86\x92 524293 bytes");
  EXPECT_EQ(lines[1], "0:0 block 0 bytes 0x0042-0x0042 changed");
  EXPECT_EQ(lines[2], "0:0 block 0 bytes 0x0062-0x0062 changed");
  EXPECT_EQ(lines[3], "3:0 block 3 bytes 0x0100-0x010F changed");
  EXPECT_EQ(lines[22], "3:0 block 3 bytes 0x0360-0x0360 changed");
  EXPECT_EQ(lines[23], "3:0 block 3: 3 more changed byte ranges");
  EXPECT_EQ(lines[43], "4:0 block 4 bytes 0x0360-0x0360 changed");  // 20 ranges: all listed
  EXPECT_EQ(lines[44], "8:0 past the blocks bytes 0x80001-0x80001 changed");
}

}  // namespace
}  // namespace chanforge::check
