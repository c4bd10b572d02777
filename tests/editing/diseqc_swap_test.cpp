// The DiSEqC swap: used records toggle, everything else stays, and the count is reported.
#include "editing/diseqc_swap.h"

#include <gtest/gtest.h>

#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "support/workspace.h"

namespace chanforge::editing {
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
  flash::Workspace w =
      testing::LoadedWorkspace(FlashImageBuilder()
                                   .Block(2, "tpt", Records() + "\x01\x02\x03\x04")
                                   .Raw(0x20044 + 40, "\x77")  // past the list: never touched
                                   .Build());
  const std::string original(w.image().bytes());
  for (int run = 0; run < 2; ++run) {
    ScriptedFrontend ui;
    EXPECT_EQ(SwapDiseqc(w, ui, 2), Outcome::kDone);
    EXPECT_EQ(ui.messages.at(0).first, MessageKind::kReport);
    EXPECT_EQ(ui.statuses.at(0), "Converting tpt...");
    if (run == 0) {
      std::string swapped = original;
      swapped[0x20044 + 11] = 0x0A;
      swapped[0x20044 + 35] = 0x02;
      EXPECT_EQ(w.image().bytes(), swapped);
      EXPECT_TRUE(w.dirty());
    }
  }
  EXPECT_EQ(w.image().bytes(), original);
}

TEST(SwapDiseqc, RefusesOtherBlocksAndKeepsDirtyWhenNothingChanged) {
  flash::Workspace w = testing::LoadedWorkspace(
      FlashImageBuilder().Block(0, "TCS", Records()).Block(1, "TPT", "").Build());
  ScriptedFrontend ui;
  EXPECT_EQ(SwapDiseqc(w, ui, 0), Outcome::kRefused);
  EXPECT_EQ(ui.messages.at(0).second, "Please select a TPT block to convert");
  EXPECT_EQ(SwapDiseqc(w, ui, 1), Outcome::kDone);
  EXPECT_EQ(ui.messages.at(1).second, " 0 Transponders have been swapped from DiSEqC A <=> B");
  EXPECT_FALSE(w.dirty());
}

}  // namespace
}  // namespace chanforge::editing
