#include "check/image_diff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "channels/channel_record.h"
#include "cli/sample_image.h"
#include "flash/blocks.h"
#include "support/builders.h"
#include "support/workspace.h"
#include "transponders/transponder_record.h"

namespace chanforge::check {
namespace {

using channels::ChannelRecord;

std::vector<std::string> Lines(const flash::Workspace& a, const flash::Workspace& b) {
  std::vector<std::string> lines;
  for (const Change& change : DiffImages(a, b)) lines.push_back(change.line);
  return lines;
}

std::string Name(const ChannelRecord& r) {
  return std::string(r.name.data(), strnlen(r.name.data(), r.name.size()));
}

std::string Label(const ChannelRecord& r) {
  return Name(r) + " (SID " + std::to_string(r.words[channels::kSid]) + ")";
}

// Random edits of the sample: rename, remove, new SID, move to the end, append, a
// transponder's TID and a byte of another block. Each shows as exactly one line.
TEST(ImageDiff, RandomEditsOfTheSampleShowExactly) {
  const flash::Workspace sample = testing::LoadedWorkspace(cli::MakeSampleImage());
  EXPECT_TRUE(DiffImages(sample, sample).empty());
  const std::string list = flash::BlockData(sample, sample.blocks[0]);
  std::vector<ChannelRecord> original;
  for (std::size_t p = 0; p < list.size(); p += 30) {
    original.push_back(ChannelRecord::Decode(list.substr(p, 30)));
  }
  for (unsigned seed = 1; seed <= 25; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    std::vector<int> picks(original.size());
    for (int i = 0; i < static_cast<int>(picks.size()); ++i) picks[i] = i;
    std::shuffle(picks.begin(), picks.end(), random);
    const int renamed = picks[0], removed = picks[1], new_sid = picks[2], moved = picks[3];
    std::vector<std::pair<int, ChannelRecord>> edited;  // original index, record
    for (int i = 0; i < static_cast<int>(original.size()); ++i) {
      if (i != removed && i != moved) edited.emplace_back(i, original[i]);
    }
    edited.emplace_back(moved, original[moved]);
    ChannelRecord added = original[0];
    added.name = {'N', 'e', 'u'};
    added.words[channels::kSid] = 65001;
    edited.emplace_back(-1, added);
    const auto new_number = [&](int index) {
      const auto at = std::find_if(edited.begin(), edited.end(),
                                   [&](const auto& e) { return e.first == index; });
      return "block 0 channel " + std::to_string(at - edited.begin() + 1);
    };
    for (auto& [index, record] : edited) {
      if (index == renamed) record.name = {'Z', '\xE4', 'h', 'l', 'e', 'r'};
      if (index == new_sid) record.words[channels::kSid] = 65000;
    }
    std::string new_list;
    for (const auto& e : edited) new_list += e.second.Encode();
    flash::Workspace changed = sample;
    flash::ReplaceBlockData(changed, 0, new_list, false);
    auto tpt = flash::BlockData(changed, changed.blocks[1]);
    const std::size_t t = random() % 40;
    auto transponder = transponders::TransponderRecord::Decode(tpt.substr(t * 12));
    const std::uint16_t old_tid = transponder.tid;
    transponder.tid = static_cast<std::uint16_t>(old_tid + 1);
    transponder.frequency += 5;  // below the kHz the text line shows
    const std::string old_fec = transponder.FecText();
    transponder.fec = 4;  // no text of its own
    tpt.replace(t * 12, 12, transponder.Encode());
    flash::ReplaceBlockData(changed, 1, tpt, false);
    changed.image.bytes[2 * flash::BlockSize + 0x50] ^= 1;

    std::vector<std::string> expected = {
        new_number(renamed) + " name: " + Name(original[renamed]) + " \xE2\x86\x92 Z\xC3\xA4hler",
        "block 0 channel " + std::to_string(removed + 1) + " removed: " + Label(original[removed]),
        new_number(new_sid) + " sid: " + std::to_string(original[new_sid].words[0]) +
            " \xE2\x86\x92 65000",
        new_number(moved) + " moved from " + std::to_string(moved + 1) + ": " +
            Label(original[moved]),
        new_number(-1) + " added: Neu (SID 65001)",
        "block 1 transponder " + std::to_string(t + 1) + " tid: " + std::to_string(old_tid) +
            " \xE2\x86\x92 " + std::to_string(old_tid + 1),
        "block 1 transponder " + std::to_string(t + 1) +
            " frequency: " + std::to_string(transponder.Khz()) + " kHz \xE2\x86\x92 " +
            std::to_string(transponder.Khz()) + " kHz (+5 Hz)",
        "block 1 transponder " + std::to_string(t + 1) + " fec: " + old_fec + " \xE2\x86\x92 0x04",
        "block 2 bytes 0x0050-0x0050 changed",
    };
    for (const Change& c : DiffImages(sample, changed)) {
      if (c.record == 0) continue;
      const std::string place = "block " + std::to_string(c.block) +
                                (c.block == 0 ? " channel " : " transponder ") +
                                std::to_string(c.record) + " ";
      EXPECT_EQ(c.line.substr(0, place.size()), place);
    }
    std::vector<std::string> lines = Lines(sample, changed);
    std::sort(lines.begin(), lines.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(lines, expected);
  }
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
