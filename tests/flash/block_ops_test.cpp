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
using testing::LoadedWorkspace;
using testing::ScriptedFrontend;
using testing::TempDir;

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
  EXPECT_EQ(BlockFileName("T\xE9ST", names), "T\xC3\xA9ST");  // a file name is UTF-8
}

TEST(BlockTransfer, SaveAndReadBackLeaveTheImageIdentical) {
  for (const bool whole : {false, true}) {
    TempDir dir;
    const std::string image = StandardImage();
    Workspace w = LoadedWorkspace(image);
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
  Workspace w = LoadedWorkspace(StandardImage());
  ListFileNames names;
  ScriptedFrontend ui;
  ui.Choose(dir.Write("small", std::string(120, 'n')));
  ASSERT_EQ(ReadBlockFromFile(w, ui, 0, false, names), Outcome::kDone);
  EXPECT_EQ(w.image.bytes.substr(0x44, 120), std::string(120, 'n'));
  EXPECT_EQ(w.image.bytes.substr(0x44 + 120, 59880), std::string(59880, '\0'));
  EXPECT_EQ(w.image.bytes.substr(0x40, 2), std::string("\x78\x00", 2));
  EXPECT_EQ(w.blocks[0].length, 120);
}

TEST(BlockTransfer, QuestionsComeBeforeTheReadAndCutAtTheLimits) {
  const struct {
    int block;
    bool whole;
    std::size_t size;
    std::vector<std::string> questions;
    std::size_t taken;
  } cases[] = {
      {3, false, 65466, {}, 65466},
      {3, false, 65467, {"Block is bigger then 64Kb, load only first 64Kb ?"}, 65466},
      {3, true, 65536, {}, 65536},
      {3, true, 65537, {"Block is bigger then 64Kb, load only first 64Kb ?"}, 65536},
      {1,
       false,
       13,
       {"is 13 bytes: not a whole number of transponder records.\r\nRead anyway ?"},
       13},
      {0, false, 31, {"is 31 bytes: not a whole number of channel records.\r\nRead anyway ?"}, 31},
      {0, true, 31, {}, 31},
  };
  for (const auto& c : cases) {
    TempDir dir;
    Workspace w = LoadedWorkspace(StandardImage());
    ListFileNames names;
    ScriptedFrontend ui;
    const std::string file = dir.Write("big", std::string(c.size, 'b'));
    ui.Choose(file);
    for (std::size_t i = 0; i < c.questions.size(); ++i) ui.Answer(true);
    ASSERT_EQ(ReadBlockFromFile(w, ui, c.block, c.whole, names), Outcome::kDone);
    ASSERT_EQ(ui.questions.size(), c.questions.size());
    for (std::size_t i = 0; i < c.questions.size(); ++i) {
      const std::string& expected = c.questions[i];
      EXPECT_EQ(ui.questions[i],
                expected.rfind("is ", 0) == 0 ? "File : " + file + " " + expected : expected);
    }
    const std::size_t at = static_cast<std::size_t>(c.block) * 65536 + (c.whole ? 0 : 0x44);
    EXPECT_EQ(w.image.bytes.substr(at, c.taken), std::string(c.taken, 'b'));
  }
}

TEST(BlockTransfer, RefusalsLeaveTheImageUnchanged) {
  TempDir dir;
  const std::string image = StandardImage();
  Workspace w = LoadedWorkspace(image);
  ListFileNames names;
  ScriptedFrontend ui;
  dir.Sparse("huge", std::uintmax_t{1} << 40);
  ui.Choose(dir.Write("big", std::string(70020, 'b'))).Answer(false);
  ui.Choose(dir.Path("missing"));
  ui.Choose(dir.Path("huge"));
  ui.Cancel();
  EXPECT_EQ(ReadBlockFromFile(w, ui, 0, false, names), Outcome::kCancelled);
  EXPECT_EQ(ReadBlockFromFile(w, ui, 0, false, names), Outcome::kFailed);
  EXPECT_EQ(ui.messages.at(0).second, "File : " + dir.Path("missing") + " can not be opened !");
  EXPECT_EQ(names.tcs, dir.Path("missing"));  // kept even though the read failed
  EXPECT_EQ(ReadBlockFromFile(w, ui, 0, true, names), Outcome::kFailed);
  EXPECT_EQ(ReadBlockFromFile(w, ui, 0, false, names), Outcome::kCancelled);
  EXPECT_EQ(w.image.bytes, image);
  EXPECT_FALSE(w.dirty);
}

TEST(BlockTransfer, UnnamedAndLowerCaseBlocksAndTheLoadedImage) {
  TempDir dir;
  Workspace w = LoadedWorkspace(StandardImage());
  w.image.fileName = dir.Write("flash.bin", "image");
  ListFileNames names{"chan.bin", "tp.bin"};
  ScriptedFrontend ui;
  ui.Choose(dir.Write("data", "abc")).Choose(dir.Path("lower")).Choose(w.image.fileName);
  ASSERT_EQ(ReadBlockFromFile(w, ui, 3, false, names), Outcome::kDone);
  EXPECT_EQ(ui.requests[0].proposed_name, "----");
  EXPECT_EQ(w.image.bytes.substr(0x30044, 3), "abc");
  EXPECT_EQ(w.blocks[3].name, "----");
  ASSERT_EQ(SaveBlockToFile(w, ui, 2, false, names), Outcome::kDone);
  EXPECT_EQ(ui.requests[1].proposed_name, "chan.bin");
  EXPECT_EQ(names.tcs, "chan.bin");  // the lower-case name is not written back
  EXPECT_EQ(SaveBlockToFile(w, ui, 2, false, names), Outcome::kRefused);
  EXPECT_EQ(ui.OnlyMessage(), "Source and target are the same file : " + w.image.fileName);
  EXPECT_EQ(TempDir::Read(w.image.fileName), "image");
}

TEST(BlockTransfer, SaveOfABlockCutShortByTheImageEnd) {
  TempDir dir;
  Workspace w = LoadedWorkspace(std::string(7 * 65536 + 1000, '\xFF'));
  ListFileNames names;
  ScriptedFrontend ui;
  ui.Choose(dir.Path("last"));
  ASSERT_EQ(SaveBlockToFile(w, ui, 7, true, names), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(dir.Path("last")), std::string(1000, '\xFF'));
}

TEST(ClearBlock, DataOnlyAndWholeBlock) {
  Workspace w = LoadedWorkspace(StandardImage());
  ClearBlock(w, 0, false);
  EXPECT_EQ(w.image.bytes.substr(0x40, 60004), std::string(60004, '\0'));
  EXPECT_EQ(w.image.bytes.substr(0x20, 4), std::string("TCS\0", 4));
  EXPECT_EQ(w.image.bytes[0x40 + 60004], static_cast<char>(0xFF));
  EXPECT_EQ(w.blocks[0].length, 0);
  EXPECT_TRUE(w.dirty);

  w = LoadedWorkspace(StandardImage());
  ClearBlock(w, 7, true);
  EXPECT_EQ(w.image.bytes.substr(7 * 65536), std::string(65536, '\0'));
  EXPECT_EQ(w.image.bytes.substr(0, 7 * 65536), StandardImage().substr(0, 7 * 65536));
  EXPECT_EQ(w.blocks[7].name, "----");

  w = LoadedWorkspace(StandardImage());
  ClearBlock(w, 4, false);  // unnamed: always the whole block
  EXPECT_EQ(w.image.bytes.substr(4 * 65536, 65536), std::string(65536, '\0'));
}

TEST(ClearBlock, AsksFirstAndNoChangesNothing) {
  Workspace w = LoadedWorkspace(StandardImage());
  ScriptedFrontend ui;
  ui.Answer(false);
  EXPECT_EQ(ConfirmAndClearBlock(w, ui, 3, false), Outcome::kCancelled);
  EXPECT_EQ(ui.questions.at(0), "Clear block  3?\r\nAre you sure ?");
  EXPECT_EQ(ConfirmAndClearBlock(w, ui, 8, false), Outcome::kRefused);
  EXPECT_EQ(w.image.bytes, StandardImage());
  EXPECT_FALSE(w.dirty);
}

// A length field of 0xFFFF claims more than the block holds: no operation may reach
// into the next block's header.
TEST(OverlongLength, EveryBlockOperationStaysInsideItsBlock) {
  const std::string image = FlashImageBuilder(524288, '\x5A')
                                .Header(0, "TPT", 0xFFFF)
                                .Block(1, "TPT", testing::ThreeTransponders())
                                .Build();
  const std::string next = image.substr(65536, 0x44);
  TempDir dir;
  ListFileNames names;
  ScriptedFrontend ui;
  Workspace w = LoadedWorkspace(image);
  ClearBlock(w, 0, false);
  EXPECT_EQ(w.image.bytes.substr(65536, 0x44), next);
  w = LoadedWorkspace(image);
  ui.Choose(dir.Write("short", std::string(12, 'r')));
  ASSERT_EQ(ReadBlockFromFile(w, ui, 0, false, names), Outcome::kDone);
  EXPECT_EQ(w.image.bytes.substr(65536, 0x44), next);
  w = LoadedWorkspace(image);
  ui.Choose(dir.Path("saved"));
  ASSERT_EQ(SaveBlockToFile(w, ui, 0, false, names), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(dir.Path("saved")).size(), 65468u);
  EXPECT_EQ(BlockData(w, w.blocks[0]).size(), 65468u);
}

}  // namespace
}  // namespace chanforge::flash
