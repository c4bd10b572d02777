#include "transponders/diseqc_swap.h"

#include <gtest/gtest.h>

#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "support/workspace.h"

namespace chanforge::transponders {
namespace {

using common::MessageKind;
using common::Outcome;
using testing::FlashImageBuilder;
using testing::ScriptedFrontend;

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
    EXPECT_EQ(ui.messages.at(0),
              std::make_pair(MessageKind::kReport, std::string(" 2 Transponders have been swapped "
                                                               "from DiSEqC A <=> B")));
    EXPECT_EQ(ui.statuses.at(0), "Converting tpt...");
    if (run == 0) {
      EXPECT_EQ(w.image.bytes[0x20044 + 11], 0x0A);
      EXPECT_EQ(w.image.bytes[0x20044 + 23], 0x02);
      EXPECT_EQ(w.image.bytes[0x20044 + 35], 0x02);
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

TEST(SwapDiseqc, NeverWritesPastTheImageEnd) {
  // The block claims 36 bytes but the image ends 30 bytes into its data.
  const std::string image =
      FlashImageBuilder(0x44 + 30).Header(0, "TPT", 36).Raw(0x44, Records().substr(0, 30)).Build();
  flash::Workspace w = testing::LoadedWorkspace(image);
  ScriptedFrontend ui;
  EXPECT_EQ(SwapDiseqc(w, ui, 0), Outcome::kDone);
  EXPECT_EQ(ui.OnlyMessage(), " 1 Transponders have been swapped from DiSEqC A <=> B");
  EXPECT_EQ(w.image.bytes.size(), image.size());
}

TEST(SwapDiseqc, NeverReachesIntoTheNextBlock) {
  // A length field of 0xFFFF: the last whole record inside the block ends 8 bytes short.
  std::string image = FlashImageBuilder(524288, '\x40').Header(0, "TPT", 0xFFFF).Build();
  flash::Workspace w = testing::LoadedWorkspace(image);
  ScriptedFrontend ui;
  EXPECT_EQ(SwapDiseqc(w, ui, 0), Outcome::kDone);
  EXPECT_EQ(ui.OnlyMessage(), " 5455 Transponders have been swapped from DiSEqC A <=> B");
  EXPECT_EQ(w.image.bytes.substr(65536), image.substr(65536));
}

}  // namespace
}  // namespace chanforge::transponders
