// The DiSEqC swap: used records toggle, everything else stays, and the count is reported.
#include "editing/diseqc_swap.h"

#include <gtest/gtest.h>

#include "editing/block_steps.h"
#include "editing/list_document.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "support/workspace.h"

namespace chanforge::editing {
namespace {

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

// The swap is a step of the history: the window's and the command line's alike.
TEST(SwapDiseqc, TogglesUsedRecordsAsOneStep) {
  flash::Workspace w =
      testing::LoadedWorkspace(FlashImageBuilder()
                                   .Block(2, "tpt", Records() + "\x01\x02\x03\x04")
                                   .Raw(0x20044 + 40, "\x77")  // past the list: never touched
                                   .Build());
  ListDocument document(w);
  UndoStack history(document);
  const std::string original(w.image().bytes());
  ScriptedFrontend ui;
  int count = 0;
  EXPECT_EQ(SwapDiseqc(history, ui, 2, count), Outcome::kDone);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(ui.statuses.at(0), "Converting tpt...");
  std::string swapped = original;
  swapped[0x20044 + 11] = 0x0A;
  swapped[0x20044 + 35] = 0x02;
  EXPECT_EQ(w.image().bytes(), swapped);
  EXPECT_TRUE(w.dirty());
  EXPECT_EQ(history.UndoDescription(), "Swap DiSEqC");
  history.Undo();
  EXPECT_EQ(w.image().bytes(), original);
  EXPECT_FALSE(w.dirty());
  EXPECT_EQ(SwapReport(2), " 2 Transponders have been swapped from DiSEqC A <=> B");
}

TEST(SwapDiseqc, RefusesOtherBlocksAndMakesNoStepWhenNothingChanges) {
  flash::Workspace w = testing::LoadedWorkspace(
      FlashImageBuilder().Block(0, "TCS", Records()).Block(1, "TPT", "").Build());
  ListDocument document(w);
  UndoStack history(document);
  ScriptedFrontend ui;
  int count = 0;
  EXPECT_EQ(SwapDiseqc(history, ui, 0, count), Outcome::kRefused);
  EXPECT_EQ(ui.OnlyMessage(), "Please select a TPT block to convert");
  EXPECT_EQ(SwapDiseqc(history, ui, 1, count), Outcome::kDone);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(history.size(), 0u);
  EXPECT_FALSE(w.dirty());
}

}  // namespace
}  // namespace chanforge::editing
