// The session's load and save: the questions before either, the new history and the
// clean point, and nothing written before an image was loaded.
#include "editing/session.h"

#include <gtest/gtest.h>

#include <memory>

#include "editing/block_steps.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"

namespace chanforge::editing {
namespace {

using common::Outcome;
using testing::FlashImageBuilder;
using testing::ScriptedFrontend;
using testing::TempDir;

void Change(Session& session) {
  session.history().Push(ReplaceBlock(0, "after", flash::BlockPart::kWhole, common::Value("step")));
}

TEST(Session, LoadAsksBeforeDroppingChangesAndStartsANewHistory) {
  TempDir dir;
  const std::string path =
      dir.Write("flash.bin", FlashImageBuilder().Block(1, "TCS", std::string(60, 'c')).Build());
  Session session(dir.disk);
  std::vector<std::size_t> seen;  // the channels the document held at each announcement
  session.workspace().Subscribe([&] { seen.push_back(session.document().channels().size()); });
  ScriptedFrontend ui;
  ui.Choose(path);
  EXPECT_EQ(session.Load(ui, "proposed.bin"), Outcome::kDone);
  EXPECT_EQ(seen, std::vector<std::size_t>{2});
  // A block step tells once more when the document has read the block anew.
  session.history().Push(
      ReplaceBlock(1, std::string(90, 'd'), flash::BlockPart::kData, common::Value("step")));
  EXPECT_EQ(seen.back(), 3u);
  session.history().Undo();
  EXPECT_EQ(seen.back(), 2u);
  EXPECT_EQ(ui.requests.at(0).proposed_name, "proposed.bin");
  EXPECT_EQ(ui.requests.at(0).filter, "Bin Files (*.bin)|*.bin|All Files (*.*)|*.*");
  EXPECT_TRUE(session.loaded());
  // What the check finds is said after the load: here two equal channels share one SID.
  EXPECT_EQ(session.LoadedSummary(), "0 errors, 1 warning");
  Change(session);
  ui.AnswerSave(common::SaveAnswer::kCancel).AnswerSave(common::SaveAnswer::kCancel);
  EXPECT_EQ(session.LoadChosen(ui, path), Outcome::kCancelled);
  EXPECT_EQ(ui.questions.back(),
            "File has been changed, but not saved !\r\nSave the changes before loading ?");
  EXPECT_FALSE(session.ConfirmQuit(ui));
  EXPECT_EQ(ui.questions.back(),
            "File has been changed, but not saved !\r\nSave the changes before exiting ?");
  EXPECT_TRUE(session.workspace().dirty());
  ui.AnswerSave(common::SaveAnswer::kSave);  // in place, without a file dialog
  EXPECT_TRUE(session.ConfirmQuit(ui));
  EXPECT_EQ(TempDir::Read(path), std::string(session.workspace().image().bytes()));
  Change(session);
  ui.AnswerSave(common::SaveAnswer::kDiscard).Choose(path);
  EXPECT_EQ(session.Load(ui, ""), Outcome::kDone);
  EXPECT_FALSE(session.workspace().dirty() || session.history().CanUndo());
  ui.Choose(path).Answer(true);  // the file it came from, unchanged: only "Overwrite ?"
  EXPECT_EQ(session.Save(ui, path), Outcome::kDone);
  ui.RejectProposal().Cancel();
  EXPECT_EQ(session.Load(ui, "bad\x01name"), Outcome::kCancelled);
  EXPECT_EQ(ui.requests.back().proposed_name, "flash512k.bin");
  EXPECT_TRUE(ui.messages.empty());
}

TEST(Session, AComparisonWithTheFileFollowsItsLoadsAndSaves) {
  TempDir dir;
  const std::string path = dir.Write("a.bin", FlashImageBuilder().Block(1, "TCS", "").Build());
  const std::string other = dir.Write("b.bin", FlashImageBuilder().Build());
  Session session(dir.disk);
  ScriptedFrontend ui;
  ASSERT_EQ(session.LoadChosen(ui, path), Outcome::kDone);
  ASSERT_EQ(session.LoadComparisonBase(ui, path, BaseFollows::kTheFile), Outcome::kDone);
  Change(session);
  EXPECT_EQ(session.Compare().changes.size(), 1u);
  ASSERT_EQ(session.SaveInPlace(ui), Outcome::kDone);
  EXPECT_TRUE(session.Compare().changes.empty());  // the file holds the image now
  ASSERT_EQ(session.LoadComparisonBase(ui, other, BaseFollows::kNothing), Outcome::kDone);
  ASSERT_EQ(session.LoadChosen(ui, other), Outcome::kDone);
  EXPECT_EQ(session.Compare().base_name, other);
}

TEST(Session, SaveBeforeAnyLoadRefusesWithoutAskingOrWriting) {
  TempDir dir;
  const std::string target = dir.Write("victim.bin", "keep");
  Session session(dir.disk);
  ScriptedFrontend ui;  // any question or file dialog fails the test
  EXPECT_EQ(session.Save(ui, target), Outcome::kRefused);
  EXPECT_EQ(ui.messages.at(0).second, "No File Open!");
  EXPECT_EQ(TempDir::Read(target), "keep");
}

TEST(Session, SaveChecksWritesEveryByteAndMovesTheCleanPoint) {
  TempDir dir;
  std::string image = FlashImageBuilder(589824).Block(0, "TCS", "abc").Build();  // has errors
  image.back() = '\x42';
  const std::string source = dir.Write("in.bin", image);
  const std::string target = dir.Write("out.bin", std::string(700000, 'z'));
  Session session(dir.disk);
  ScriptedFrontend ui;
  ASSERT_EQ(session.LoadChosen(ui, source), Outcome::kDone);
  ui.Answer(false);
  EXPECT_EQ(session.Save(ui, source), Outcome::kCancelled);
  EXPECT_TRUE(ui.requests.empty());
  ui.Choose(target).Answer(true).Answer(true);
  EXPECT_EQ(session.Save(ui, source), Outcome::kDone);
  EXPECT_EQ(ui.requests.at(0).kind, common::FileDialogKind::kSave);
  EXPECT_EQ(ui.statuses.back(), "Saving... " + target);
  EXPECT_EQ(TempDir::Read(target), image);
  EXPECT_EQ(session.workspace().image().fileName, target);
  Change(session);
  int announced = 0;
  session.workspace().Subscribe([&] { ++announced; });
  ui.Choose(target).Answer(true).Answer(true);
  EXPECT_EQ(session.Save(ui, target), Outcome::kDone);
  EXPECT_EQ(announced, 1);
  EXPECT_FALSE(session.workspace().dirty());
  session.history().Undo();
  EXPECT_TRUE(session.workspace().dirty());
  ASSERT_TRUE(dir.disk.WriteWhole(target, "another program's image").ok());
  ui.Choose(target).Answer(true).Answer(true).Answer(false);
  EXPECT_EQ(session.Save(ui, target), Outcome::kCancelled);
  EXPECT_EQ(ui.questions.back(), "File : " + target +
                                     " has changed on disk since it was loaded !\r\nOverwrite "
                                     "anyway ?");
  EXPECT_EQ(TempDir::Read(target), "another program's image");
  ui.Answer(true).Answer(true);  // its errors, and the change on disk: no file dialog
  EXPECT_EQ(session.SaveInPlace(ui), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(target), std::string(session.workspace().image().bytes()));
}

#ifndef _WIN32
// POSIX gives the reason in its own words.
TEST(Session, SaveNoKeepsTheTargetAndFailureKeepsState) {
  TempDir dir;
  const std::string source = dir.Write("in.bin", "data");
  const std::string target = dir.Write("out.bin", "keep");
  Session session(dir.disk);
  ScriptedFrontend ui;
  ASSERT_EQ(session.LoadChosen(ui, source), Outcome::kDone);
  session.workspace().SetDirty(true);
  ui.Choose(target).Answer(true).Answer(false);  // yes to its errors, no to "Overwrite ?"
  ui.Choose(dir.Path("no/such/folder.bin")).Answer(true);
  EXPECT_EQ(session.Save(ui, ""), Outcome::kCancelled);
  EXPECT_EQ(TempDir::Read(target), "keep");
  EXPECT_EQ(session.Save(ui, ""), Outcome::kFailed);
  EXPECT_EQ(ui.messages.at(0).second, "Error Writing the file " + dir.Path("no/such/folder.bin") +
                                          " !\r\nNo such file or directory");
  EXPECT_EQ(session.workspace().image().fileName, source);
  EXPECT_TRUE(session.workspace().dirty());
}
#endif

}  // namespace
}  // namespace chanforge::editing
