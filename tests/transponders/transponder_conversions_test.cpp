#include "transponders/transponder_conversions.h"

#include <gtest/gtest.h>

#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "support/workspace.h"
#include "transponders/diseqc_swap.h"

namespace chanforge::transponders {
namespace {

using common::MessageKind;
using common::Outcome;
using testing::FlashImageBuilder;
using testing::ScriptedFrontend;
using testing::TempDir;

const std::string kLine = "01  11778000  00001  00002  03  04  3/4  H/U";

TEST(ConvertTpt, SizesPaddingAndTheQuestionAbove64Kb) {
  std::string many;
  for (int i = 0; i < 171; ++i) many += kLine + " B\n";
  const struct {
    bool to_text;
    std::string input;
    std::size_t size;  // of the output
  } cases[] = {
      {true, "", 0},
      {true, std::string(65536, '\0'), 0},
      {false, kLine + "\r\n" + kLine + " A\r\n\r\n  \r\n" + kLine, 2040},
      {false, "", 2040},
      {false, many, 2052},  // longer than the padding
  };
  for (const auto& c : cases) {
    TempDir dir;
    ScriptedFrontend ui;
    const std::string in = dir.Write("in", c.input), out = dir.Path("out");
    EXPECT_EQ(
        c.to_text ? ConvertTptToText(ui, in, out, false) : ConvertTextToTpt(ui, out, in, false),
        Outcome::kDone);
    EXPECT_EQ(TempDir::Read(out).size(), c.size);
  }
  TempDir dir;
  ScriptedFrontend ui;
  ui.Answer(false);
  const std::string big = dir.Write("c", std::string(65537, '\0'));
  EXPECT_EQ(ConvertTptToText(ui, big, dir.Path("c.txt"), false), Outcome::kCancelled);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("c.txt")));
}

TEST(ConvertTpt, RoundTripAndDecLinkReadsBackAsA) {
  TempDir dir;
  const std::string list = testing::ThreeTransponders();
  const std::string bin = dir.Write("TPT", list);
  ScriptedFrontend ui;
  ui.Answer(true).Answer(true);
  ASSERT_EQ(ConvertTptToText(ui, bin, dir.Path("t.txt"), false), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(dir.Path("t.txt")).substr(0, 48), kLine + " B\r\n");
  EXPECT_EQ(ui.statuses[1], "Converting TPT...");
  ASSERT_EQ(ConvertTextToTpt(ui, bin, dir.Path("t.txt"), false), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(bin), list);
  ASSERT_EQ(ConvertTptToText(ui, bin, dir.Path("d.txt"), true), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(dir.Path("d.txt")).size(), 3u * 46);
  ASSERT_EQ(ConvertTextToTpt(ui, bin, dir.Path("d.txt"), true), Outcome::kDone);
  std::string as_a = list;
  as_a[11] = 0x03;
  EXPECT_EQ(TempDir::Read(bin), as_a);
}

TEST(ConvertTextToTpt, LineWithoutFrequencyStopsAndNamesTheLine) {
  TempDir dir;
  const std::string bin = dir.Write("TPT", "old");
  const std::string txt = dir.Write("t.txt", kLine + " B\n02          00001\n");
  ScriptedFrontend ui;
  ui.Answer(true);
  EXPECT_EQ(ConvertTextToTpt(ui, bin, txt, false), Outcome::kFailed);
  EXPECT_EQ(ui.OnlyMessage().rfind("Line 2 of " + txt + " can not be converted: ", 0), 0u);
  EXPECT_EQ(TempDir::Read(bin), "old");
}

std::string Records() {
  std::string list(36, '\x55');
  list[0] = 0x4A;
  list[12] = 0x00;
  list[24] = 0x46;
  list[11] = 0x02;
  list[23] = 0x02;
  list[35] = 0x0A;
  return list;
}

TEST(SwapDiseqc, TogglesUsedRecordsAndReports) {
  flash::Workspace w = testing::LoadedWorkspace(
      FlashImageBuilder().Block(2, "tpt", Records() + "\x01\x02\x03\x04").Build());
  w.image.bytes[0x20044 + 40] = 0x77;  // past the list: never touched
  const std::string original = w.image.bytes;
  for (int run = 0; run < 2; ++run) {
    ScriptedFrontend ui;
    EXPECT_EQ(SwapDiseqc(w, ui, 2), Outcome::kDone);
    EXPECT_EQ(ui.messages.at(0).first, MessageKind::kReport);
    EXPECT_EQ(ui.statuses.at(0), "Converting tpt...");
    if (run == 0) {
      std::string swapped = original;
      swapped[0x20044 + 11] = 0x0A;
      swapped[0x20044 + 35] = 0x02;
      EXPECT_EQ(w.image.bytes, swapped);
      EXPECT_TRUE(w.dirty);
    }
  }
  EXPECT_EQ(w.image.bytes, original);
}

TEST(SwapDiseqc, RefusesOtherBlocksAndKeepsDirtyWhenNothingChanged) {
  flash::Workspace w = testing::LoadedWorkspace(
      FlashImageBuilder().Block(0, "TCS", Records()).Block(1, "TPT", "").Build());
  ScriptedFrontend ui;
  EXPECT_EQ(SwapDiseqc(w, ui, 0), Outcome::kRefused);
  EXPECT_EQ(ui.messages.at(0).second, "Please select a TPT block to convert");
  EXPECT_EQ(SwapDiseqc(w, ui, 1), Outcome::kDone);
  EXPECT_EQ(ui.messages.at(1).second, " 0 Transponders have been swapped from DiSEqC A <=> B");
  EXPECT_FALSE(w.dirty);
}

// The block's length field claims more than the image or the block holds: the swap stops at
// the last whole record inside both.
TEST(SwapDiseqc, NeverWritesPastTheImageEndOrIntoTheNextBlock) {
  const std::pair<std::string, std::string> cases[] = {
      {FlashImageBuilder(0x44 + 30).Header(0, "TPT", 36).Raw(0x44, Records().substr(0, 30)).Build(),
       " 1 Transponders have been swapped from DiSEqC A <=> B"},
      {FlashImageBuilder(524288, '\x40').Header(0, "TPT", 0xFFFF).Build(),
       " 5455 Transponders have been swapped from DiSEqC A <=> B"},
  };
  for (const auto& [image, report] : cases) {
    flash::Workspace w = testing::LoadedWorkspace(image);
    ScriptedFrontend ui;
    EXPECT_EQ(SwapDiseqc(w, ui, 0), Outcome::kDone);
    EXPECT_EQ(ui.OnlyMessage(), report);
    const std::size_t next = std::min<std::size_t>(65536, image.size());
    EXPECT_EQ(w.image.bytes.substr(next), image.substr(next));
  }
}

}  // namespace
}  // namespace chanforge::transponders
