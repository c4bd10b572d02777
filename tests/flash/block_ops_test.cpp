#include <gtest/gtest.h>

#include "flash/block_clear.h"
#include "flash/block_transfer.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "support/workspace.h"

namespace chanforge::flash {
namespace {

using common::Outcome;
using testing::FlashImageBuilder;
using testing::ScriptedFrontend;
using testing::TempDir;

Workspace Loaded(std::string bytes) { return testing::LoadedWorkspace(std::move(bytes)); }

std::string StandardImage() {
  return FlashImageBuilder()
      .Block(0, "TCS", testing::ChannelList(2000))
      .Block(1, "TPT", std::string(2040, '\x11'))
      .Header(2, "tcs", 90)
      .Build();
}

TEST(BlockFileName, ProposesTheListNamesForListBlocks) {
  const ListFileNames names{"chan.bin", ""};
  EXPECT_EQ(BlockFileName("TCS", names), "chan.bin");
  EXPECT_EQ(BlockFileName("tcs", names), "chan.bin");
  EXPECT_EQ(BlockFileName("TPT", names), "TPT");
  EXPECT_EQ(BlockFileName("----", names), "----");
}

TEST(BlockTransfer, SaveAndReadBackLeaveTheImageIdentical) {
  for (const bool whole : {false, true}) {
    TempDir dir;
    const std::string image = StandardImage();
    Workspace w = Loaded(image);
    ListFileNames names{"TCS", "TPT"};
    ScriptedFrontend ui;
    const std::string file = dir.Path("block0");
    ui.Choose(file).Choose(file);
    ASSERT_EQ(SaveBlockToFile(w, ui, 0, whole, names), Outcome::kDone);
    EXPECT_EQ(TempDir::Read(file).size(), whole ? 65536u : 60000u);
    EXPECT_EQ(names.tcs, file);
    EXPECT_FALSE(w.dirty);
    ASSERT_EQ(ReadBlockFromFile(w, ui, 0, whole, names), Outcome::kDone);
    EXPECT_EQ(w.image.bytes, image);
    EXPECT_TRUE(w.dirty);
    EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Saving TCS...", "Loading TCS..."}));
  }
}

TEST(BlockTransfer, DataOnlyReadReplacesDataAndLength) {
  TempDir dir;
  Workspace w = Loaded(StandardImage());
  ListFileNames names;
  ScriptedFrontend ui;
  ui.Choose(dir.Write("small", std::string(100, 'n')));
  ASSERT_EQ(ReadBlockFromFile(w, ui, 0, false, names), Outcome::kDone);
  EXPECT_EQ(w.image.bytes.substr(0x44, 100), std::string(100, 'n'));
  EXPECT_EQ(w.image.bytes.substr(0x44 + 100, 59900), std::string(59900, '\0'));
  EXPECT_EQ(w.image.bytes.substr(0x40, 2), std::string("\x64\x00", 2));
  EXPECT_EQ(w.blocks[0].length, 100);
}

TEST(BlockTransfer, SizeLimitsAskBeforeCutting) {
  const struct {
    bool whole;
    std::size_t size;
    bool asks;
    std::size_t taken;
  } cases[] = {{false, 65466, false, 65466},
               {false, 65467, true, 65466},
               {true, 65536, false, 65536},
               {true, 65537, true, 65536}};
  for (const auto& c : cases) {
    TempDir dir;
    Workspace w = Loaded(StandardImage());
    ListFileNames names;
    ScriptedFrontend ui;
    ui.Choose(dir.Write("big", std::string(c.size, 'b')));
    if (c.asks) ui.Answer(true);
    ASSERT_EQ(ReadBlockFromFile(w, ui, 1, c.whole, names), Outcome::kDone);
    EXPECT_EQ(ui.questions.size(), c.asks ? 1u : 0u);
    if (c.asks) {
      EXPECT_EQ(ui.questions[0], "Block is bigger then 64Kb, load only first 64Kb ?");
    }
    if (!c.whole) {
      EXPECT_EQ(w.image.bytes.substr(0x10040, 2), std::string("\xBA\xFF"));
    }
    EXPECT_EQ(w.image.bytes.substr(c.whole ? 0x10000 : 0x10044, c.taken),
              std::string(c.taken, 'b'));
  }
}

TEST(BlockTransfer, RefusalsLeaveTheImageUnchanged) {
  TempDir dir;
  const std::string image = StandardImage();
  Workspace w = Loaded(image);
  ListFileNames names;
  ScriptedFrontend ui;
  ui.Choose(dir.Write("big", std::string(70000, 'b'))).Answer(false);
  ui.Choose(dir.Path("missing"));
  ui.Cancel();
  EXPECT_EQ(ReadBlockFromFile(w, ui, 0, false, names), Outcome::kCancelled);
  EXPECT_EQ(ReadBlockFromFile(w, ui, 0, false, names), Outcome::kFailed);
  EXPECT_EQ(ui.OnlyMessage(), "File : " + dir.Path("missing") + " can not be opened !");
  EXPECT_EQ(names.tcs, dir.Path("missing"));  // kept even though the read failed
  EXPECT_EQ(ReadBlockFromFile(w, ui, 0, false, names), Outcome::kCancelled);
  EXPECT_EQ(w.image.bytes, image);
  EXPECT_FALSE(w.dirty);
}

TEST(BlockTransfer, WholeBlockReadOfShortFileZeroesTheRest) {
  TempDir dir;
  Workspace w = Loaded(StandardImage());
  ListFileNames names;
  ScriptedFrontend ui;
  std::string file(1000, 'q');
  file.replace(0x20, 4, std::string("TPT\0", 4));
  file[0x40] = 12;
  file[0x41] = 0;
  ui.Choose(dir.Write("header", file));
  ASSERT_EQ(ReadBlockFromFile(w, ui, 0, true, names), Outcome::kDone);
  EXPECT_EQ(w.image.bytes.substr(0, 1000), file);
  EXPECT_EQ(w.image.bytes.substr(1000, 64536), std::string(64536, '\0'));
  EXPECT_EQ(w.blocks[0].name, "TPT");
  EXPECT_EQ(w.blocks[0].length, 12);
}

TEST(BlockTransfer, UnnamedAndLowerCaseBlocks) {
  TempDir dir;
  Workspace w = Loaded(StandardImage());
  ListFileNames names{"chan.bin", "tp.bin"};
  ScriptedFrontend ui;
  ui.Choose(dir.Write("data", "abc")).Choose(dir.Path("lower"));
  ASSERT_EQ(ReadBlockFromFile(w, ui, 3, false, names), Outcome::kDone);
  EXPECT_EQ(ui.requests[0].proposed_name, "----");
  EXPECT_EQ(w.image.bytes.substr(0x30044, 3), "abc");
  EXPECT_EQ(w.blocks[3].name, "----");
  ASSERT_EQ(SaveBlockToFile(w, ui, 2, false, names), Outcome::kDone);
  EXPECT_EQ(ui.requests[1].proposed_name, "chan.bin");
  EXPECT_EQ(names.tcs, "chan.bin");  // the lower-case name is not written back
}

TEST(BlockTransfer, SaveOfABlockCutShortByTheImageEnd) {
  TempDir dir;
  Workspace w = Loaded(std::string(7 * 65536 + 1000, '\xFF'));
  ListFileNames names;
  ScriptedFrontend ui;
  ui.Choose(dir.Path("last"));
  ASSERT_EQ(SaveBlockToFile(w, ui, 7, true, names), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(dir.Path("last")), std::string(1000, '\xFF'));
}

TEST(BlockTransfer, FailedSaveReportsAndKeepsTheOldFile) {
  TempDir dir;
  Workspace w = Loaded(StandardImage());
  ListFileNames names;
  ScriptedFrontend ui;
  ui.Choose(dir.Path("nowhere/out"));
  EXPECT_EQ(SaveBlockToFile(w, ui, 0, false, names), Outcome::kFailed);
  EXPECT_EQ(ui.OnlyMessage(), "Error Writing the file " + dir.Path("nowhere/out") + " !");
}

TEST(ClearBlock, DataOnlyAndWholeBlock) {
  Workspace w = Loaded(StandardImage());
  ClearBlock(w, 0, false);
  EXPECT_EQ(w.image.bytes.substr(0x40, 60004), std::string(60004, '\0'));
  EXPECT_EQ(w.image.bytes.substr(0x20, 4), std::string("TCS\0", 4));
  EXPECT_EQ(w.image.bytes[0x40 + 60004], static_cast<char>(0xFF));
  EXPECT_EQ(w.blocks[0].length, 0);
  EXPECT_TRUE(w.dirty);

  w = Loaded(StandardImage());
  ClearBlock(w, 7, true);
  EXPECT_EQ(w.image.bytes.substr(7 * 65536), std::string(65536, '\0'));
  EXPECT_EQ(w.image.bytes.substr(0, 7 * 65536), StandardImage().substr(0, 7 * 65536));
  EXPECT_EQ(w.blocks[7].name, "----");

  w = Loaded(StandardImage());
  ClearBlock(w, 4, false);  // unnamed: always the whole block
  EXPECT_EQ(w.image.bytes.substr(4 * 65536, 65536), std::string(65536, '\0'));
}

TEST(ClearBlock, AsksFirstAndNoChangesNothing) {
  Workspace w = Loaded(StandardImage());
  ScriptedFrontend ui;
  ui.Answer(false);
  EXPECT_EQ(ConfirmAndClearBlock(w, ui, 3, false), Outcome::kCancelled);
  EXPECT_EQ(ui.questions.at(0), "Clear block  3?\r\nAre you sure ?");
  EXPECT_EQ(w.image.bytes, StandardImage());
  EXPECT_FALSE(w.dirty);
}

}  // namespace
}  // namespace chanforge::flash
