#include "flash/flash_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "flash/block_check.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"

namespace chanforge::flash {
namespace {

using common::MessageKind;
using common::Outcome;
using testing::FlashImageBuilder;
using testing::ScriptedFrontend;
using testing::TempDir;

TEST(LoadFlashFile, LoadsScansAndAnnounces) {
  TempDir dir;
  const std::string image = FlashImageBuilder().Block(1, "TPT", std::string(24, 't')).Build();
  const std::string path = dir.Write("flash.bin", image);
  Workspace w;
  int announced = 0;
  w.observers.push_back([&] { ++announced; });
  ScriptedFrontend ui;
  ui.Choose(path);
  EXPECT_EQ(LoadFlashFile(w, ui, "proposed.bin"), Outcome::kDone);
  EXPECT_EQ(ui.requests.at(0).proposed_name, "proposed.bin");
  EXPECT_EQ(ui.requests.at(0).filter, "Bin Files (*.bin)|*.bin|All Files (*.*)|*.*");
  EXPECT_EQ(ui.requests.at(0).kind, common::FileDialogKind::kOpen);
  EXPECT_EQ(w.image.bytes, image);
  EXPECT_EQ(w.image.fileName, path);
  EXPECT_EQ(w.block_count, 8);
  EXPECT_EQ(announced, 1);
  EXPECT_EQ(ui.statuses, std::vector<std::string>{"Loading... " + path});
}

TEST(LoadFlashFile, FailuresLeaveTheWorkspaceAlone) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path("folder"));
  dir.Sparse("huge.bin", std::uintmax_t{15} << 40);
  const struct {
    std::string name;
    std::string message;
  } cases[] = {
      {dir.Path("missing.bin"), "File : " + dir.Path("missing.bin") + " can not be opened !"},
      {dir.Path("folder"), "File : " + dir.Path("folder") + " can not be read !"},
      {dir.Path("huge.bin"),
       "File : " + dir.Path("huge.bin") + " is too large (16492674416640 bytes) !"},
  };
  for (const auto& c : cases) {
    Workspace w;
    w.image = {"old", "old.bin"};
    w.dirty = true;
    ScriptedFrontend ui;
    ui.Answer(true).Choose(c.name);
    EXPECT_EQ(LoadFlashFile(w, ui, ""), Outcome::kFailed);
    EXPECT_EQ(ui.messages.at(0), std::make_pair(MessageKind::kError, c.message));
    EXPECT_EQ(w.image.bytes, "old");
    EXPECT_EQ(w.image.fileName, "old.bin");
    EXPECT_TRUE(w.dirty);
  }
}

TEST(LoadFlashFile, AsksBeforeDroppingUnsavedChangesAndFallsBackOnABadProposal) {
  Workspace w;
  w.image = {"old", "old.bin"};
  w.dirty = true;
  ScriptedFrontend ui;
  ui.Answer(false);
  EXPECT_EQ(LoadFlashFile(w, ui, ""), Outcome::kCancelled);
  EXPECT_EQ(ui.questions.at(0), "File has been changed, but not saved !\r\nLoad anyway ?");
  EXPECT_EQ(w.image.bytes, "old");
  ui.Answer(true).RejectProposal().Cancel();
  EXPECT_EQ(LoadFlashFile(w, ui, "bad\x01name"), Outcome::kCancelled);
  ASSERT_EQ(ui.requests.size(), 2u);
  EXPECT_EQ(ui.requests[1].proposed_name, "flash512k.bin");
  EXPECT_TRUE(ui.messages.empty());
}

TEST(SaveFlashFile, RoundTripsByteForByteIncludingBytesPastTheEighthBlock) {
  TempDir dir;
  std::string image = FlashImageBuilder(589824).Block(0, "TCS", "abc").Build();
  image.back() = '\x42';
  const std::string source = dir.Write("in.bin", image);
  const std::string target = dir.Write("out.bin", std::string(700000, 'z'));
  Workspace w;
  ScriptedFrontend ui;
  ui.Choose(source).Choose(target).Answer(true);
  ASSERT_EQ(LoadFlashFile(w, ui, ""), Outcome::kDone);
  w.dirty = true;
  EXPECT_EQ(SaveFlashFile(w, ui, source), Outcome::kDone);
  EXPECT_EQ(ui.requests.at(1).kind, common::FileDialogKind::kSave);
  EXPECT_EQ(TempDir::Read(target), image);
  EXPECT_EQ(w.image.fileName, target);
  EXPECT_FALSE(w.dirty);
}

TEST(SaveFlashFile, AsksWhenTheLoadedFileChangedOnDisk) {
  TempDir dir;
  const std::string path = dir.Write("flash.bin", FlashImageBuilder().Build());
  Workspace w;
  ScriptedFrontend ui;
  ui.Choose(path);
  ASSERT_EQ(LoadFlashFile(w, ui, ""), Outcome::kDone);
  ui.Choose(path).Answer(true);
  EXPECT_EQ(SaveFlashFile(w, ui, path), Outcome::kDone);  // unchanged: only "Overwrite ?"
  ASSERT_TRUE(common::WriteFileSafely(path, "another program's image").ok);
  ui.Choose(path).Answer(true).Answer(false);
  EXPECT_EQ(SaveFlashFile(w, ui, path), Outcome::kCancelled);
  EXPECT_EQ(ui.questions.back(), "File : " + path +
                                     " has changed on disk since it was loaded !\r\nOverwrite "
                                     "anyway ?");
  EXPECT_EQ(TempDir::Read(path), "another program's image");
}

TEST(SaveFlashFile, BeforeAnyLoadWritesAnEmptyFile) {
  TempDir dir;
  Workspace w;
  ScriptedFrontend ui;
  ui.Choose(dir.Path("new.bin"));
  EXPECT_EQ(SaveFlashFile(w, ui, ""), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(dir.Path("new.bin")), "");
  EXPECT_EQ(w.image.fileName, dir.Path("new.bin"));
}

TEST(BlockCheck, RefusesWithTheRightMessage) {
  const struct {
    int lines;
    int selected;
    std::string file;
    std::string message;
  } cases[] = {{0, -1, "", "No File Open!"},
               {0, -1, "x.bin", "File does not contain any usable blocks"},
               {8, -1, "x.bin", "Please select a block to Convert (a TPT block!)"},
               {8, 8, "x.bin", "Please select a block to Convert (a TPT block!)"},
               {8, 7, "x.bin", ""}};
  for (const auto& c : cases) {
    ScriptedFrontend ui;
    EXPECT_EQ(CheckBlockSelected(ui, c.lines, c.selected, c.file, "Convert (a TPT block!)"),
              c.message.empty());
    EXPECT_EQ(ui.OnlyMessage(), c.message);
  }
}

}  // namespace
}  // namespace chanforge::flash
