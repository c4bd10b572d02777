#include "flash/flash_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "flash/block_check.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"

namespace chanforge::flash {
namespace {

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
  const common::FileRequest& request = ui.requests.at(0);
  EXPECT_EQ(request.proposed_name, "proposed.bin");
  EXPECT_EQ(request.filter, "Bin Files (*.bin)|*.bin|All Files (*.*)|*.*");
  EXPECT_EQ(request.kind, common::FileDialogKind::kOpen);
  EXPECT_EQ(w.image.bytes, image);
  EXPECT_EQ(w.image.fileName, path);
  EXPECT_EQ(w.block_count, 8);
  EXPECT_EQ(announced, 1);
  EXPECT_EQ(ui.statuses, std::vector<std::string>{"Loading... " + path});
}

TEST(LoadFlashFile, FailuresAndNoLeaveTheWorkspaceAlone) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path("folder"));
  std::filesystem::resize_file(dir.Write("huge.bin", ""), std::uintmax_t{15} << 40);
  const std::pair<std::string, std::string> cases[] = {
      {"", "File has been changed, but not saved !\r\nLoad anyway ?"},  // answered No
      {dir.Path("missing.bin"), "File : " + dir.Path("missing.bin") + " can not be opened !"},
      {dir.Path("folder"), "File : " + dir.Path("folder") + " can not be read !"},
      {dir.Path("huge.bin"),
       "File : " + dir.Path("huge.bin") + " is too large (16492674416640 bytes) !"},
  };
  for (const auto& [name, text] : cases) {
    Workspace w;
    w.image = {"old", "old.bin"};
    w.dirty = true;
    ScriptedFrontend ui;
    ui.Answer(!name.empty());
    if (!name.empty()) ui.Choose(name);
    EXPECT_EQ(LoadFlashFile(w, ui, ""), name.empty() ? Outcome::kCancelled : Outcome::kFailed);
    EXPECT_EQ(name.empty() ? ui.questions.at(0) : ui.OnlyMessage(), text);
    EXPECT_EQ(w.image.bytes + w.image.fileName, "oldold.bin");
    EXPECT_TRUE(w.dirty);
  }
  Workspace w;
  ScriptedFrontend ui;
  ui.RejectProposal().Cancel();
  EXPECT_EQ(LoadFlashFile(w, ui, "bad\x01name"), Outcome::kCancelled);
  EXPECT_EQ(ui.requests.at(1).proposed_name, "flash512k.bin");
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
  Workspace empty;  // before any load: an empty file
  ui.Choose(dir.Path("new.bin"));
  EXPECT_EQ(SaveFlashFile(empty, ui, ""), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(dir.Path("new.bin")), "");
  EXPECT_EQ(empty.image.fileName, dir.Path("new.bin"));
}

TEST(SaveFlashFile, NoKeepsTheTargetAndFailureKeepsState) {
  TempDir dir;
  const std::string target = dir.Write("out.bin", "keep");
  Workspace w;
  w.image = {"data", "in.bin"};
  w.dirty = true;
  ScriptedFrontend ui;
  ui.Choose(target).Answer(false).Choose(dir.Path("no/such/folder.bin")).Choose("/dev/null");
  EXPECT_EQ(SaveFlashFile(w, ui, ""), Outcome::kCancelled);
  EXPECT_EQ(TempDir::Read(target), "keep");
  EXPECT_EQ(SaveFlashFile(w, ui, ""), Outcome::kFailed);
  EXPECT_EQ(ui.messages.at(0).second, "Error Writing the file " + dir.Path("no/such/folder.bin") +
                                          " !\r\nNo such file or directory");
  EXPECT_EQ(SaveFlashFile(w, ui, ""), Outcome::kCancelled);
  EXPECT_EQ(ui.messages.at(1).second, "File : /dev/null is not a regular file !");
  EXPECT_EQ(w.image.fileName, "in.bin");
  EXPECT_TRUE(w.dirty);
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
  EXPECT_EQ(ui.questions.back(),
            "File : " + path + " has changed on disk since it was loaded !\r\nOverwrite anyway ?");
  EXPECT_EQ(TempDir::Read(path), "another program's image");
}

TEST(BlockCheck, RefusesWithTheRightMessage) {
  const std::string select = "Please select a block to Convert (a TPT block!)";
  const struct {
    int lines, selected;
    std::string file, message;
  } cases[] = {{0, -1, "", "No File Open!"},
               {0, -1, "x.bin", "File does not contain any usable blocks"},
               {8, -1, "x.bin", select},
               {8, 8, "x.bin", select},
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
