#include "channels/channel_conversions.h"
#include "common/list_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "channels/channel_record.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"

namespace chanforge::channels {
namespace {

using common::ConfirmSourceAndTarget;
using common::MessageKind;
using common::Outcome;
using testing::ChannelList;
using testing::ScriptedFrontend;
using testing::TempDir;

TEST(ConvertTcsToText, WritesOneCrLfLinePerRecordWithTheStatusTexts) {
  TempDir dir;
  const std::string bin = dir.Write("TCS", ChannelList(2000));
  const std::string txt = dir.Path("TCS.txt");
  ScriptedFrontend ui;
  EXPECT_EQ(ConvertTcsToText(ui, bin, txt), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(txt), FormatTcsText(ChannelList(2000)));
  EXPECT_EQ(TempDir::Read(txt).size(), 2000u * 65);
  EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Loading " + bin + "...", "Converting TCS...",
                                                   "Writing " + txt + "..."}));
}

TEST(ConvertTcsToText, SizeQuestionOnlyAbove64Kb) {
  for (const std::size_t size : {std::size_t{0}, std::size_t{65536}, std::size_t{65537}}) {
    TempDir dir;
    const std::string bin = dir.Write("TCS", std::string(size, 'a'));
    ScriptedFrontend ui;
    if (size > 65536) ui.Answer(true);
    EXPECT_EQ(ConvertTcsToText(ui, bin, dir.Path("t.txt")), Outcome::kDone);
    EXPECT_EQ(TempDir::Read(dir.Path("t.txt")).size(), size / 30 * 65);
    if (size > 65536) {
      EXPECT_EQ(ui.questions[0], "File is bigger then 64Kb, load anyway ?");
    }
  }
}

TEST(ConvertTcsToText, OldTargetSurvivesEveryStopAfterYes) {
  TempDir dir;
  const std::string bin = dir.Write("TCS", std::string(70000, 'a'));
  const std::string txt = dir.Write("t.txt", "precious");
  ScriptedFrontend ui;
  ui.Answer(true).Answer(false);  // replace it: yes; load the big file: no
  EXPECT_EQ(ConvertTcsToText(ui, bin, txt), Outcome::kCancelled);
  EXPECT_EQ(ui.questions[0], "File : " + txt + " already exists !\r\nOverwrite ?");
  EXPECT_EQ(TempDir::Read(txt), "precious");
  EXPECT_EQ(dir.EntryCount(), 2u);
}

TEST(ConfirmSourceAndTarget, RefusalsAndQuestions) {
  TempDir dir;
  const std::string src = dir.Write("src.txt", "x");
  const std::string dst = dir.Write("dst.bin", "keep");
  std::filesystem::create_directory(dir.Path("sub"));
  std::filesystem::create_symlink(src, dir.Path("link.txt"));
  const struct {
    std::string source;
    std::string target;
    Outcome outcome;
    std::string message;
  } cases[] = {
      {dir.Path("nope"), dst, Outcome::kFailed, "File : " + dir.Path("nope") + " not found!"},
      {src, dir.Path("sub/../src.txt"), Outcome::kRefused,
       "Source and target are the same file : " + src},
      {src, dir.Path("link.txt"), Outcome::kRefused,
       "Source and target are the same file : " + src},
      {src, dir.Path("new.bin"), Outcome::kDone, ""},
  };
  for (const auto& c : cases) {
    ScriptedFrontend ui;
    EXPECT_EQ(ConfirmSourceAndTarget(ui, c.source, c.target), c.outcome) << c.target;
    EXPECT_EQ(ui.OnlyMessage(), c.message);
    EXPECT_TRUE(ui.questions.empty());
  }
  ScriptedFrontend ui;
  ui.Answer(false);
  EXPECT_EQ(ConfirmSourceAndTarget(ui, src, dst), Outcome::kCancelled);
  EXPECT_EQ(TempDir::Read(dst), "keep");
  EXPECT_EQ(TempDir::Read(src), "x");
}

TEST(ConvertTextToTcs, ReadsEveryLineEndAndSkipsBlankLines) {
  const std::string a = FormatTcsLines(ChannelList(3))[0];
  const std::string b = FormatTcsLines(ChannelList(3))[1];
  const std::string c = FormatTcsLines(ChannelList(3))[2];
  const struct {
    std::string text;
    std::size_t records;
  } cases[] = {
      {a + "\r\n" + b + "\r\n" + c + "\r\n", 3},
      {a + "\n" + b + "\n" + c, 3},               // LF alone, last line unended
      {a + "\r" + b + "\r\n\r\n   \r\n" + c, 3},  // lone CR and blank lines
      {"", 0},
  };
  for (const auto& k : cases) {
    TempDir dir;
    const std::string txt = dir.Write("t.txt", k.text);
    const std::string bin = dir.Path("TCS");
    ScriptedFrontend ui;
    EXPECT_EQ(ConvertTextToTcs(ui, bin, txt), Outcome::kDone);
    EXPECT_EQ(TempDir::Read(bin), ChannelList(3).substr(0, 30 * k.records));
    EXPECT_EQ(ui.statuses.front(), "Loading and converting" + txt + "...");
  }
}

TEST(ConvertTextToTcs, BadLineOrUnreadableSourceWritesNothing) {
  TempDir dir;
  const std::string bin = dir.Write("TCS", "old");
  std::string line = FormatTcsLines(ChannelList(1))[0];
  line.replace(28, 5, " 9E20");
  const std::string txt =
      dir.Write("t.txt", "\r\n" + FormatTcsLines(ChannelList(1))[0] + "\r\n" + line + "\r\n");
  ScriptedFrontend ui;
  ui.Answer(true);
  EXPECT_EQ(ConvertTextToTcs(ui, bin, txt), Outcome::kFailed);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].first, MessageKind::kError);
  EXPECT_EQ(ui.messages[0].second.rfind("Line 3 of " + txt + " can not be converted: ", 0), 0u);
  EXPECT_EQ(TempDir::Read(bin), "old");

  std::filesystem::create_directory(dir.Path("folder"));
  ScriptedFrontend folder_ui;
  EXPECT_EQ(ConvertTextToTcs(folder_ui, dir.Path("new"), dir.Path("folder")), Outcome::kFailed);
  EXPECT_EQ(folder_ui.OnlyMessage(), "File : " + dir.Path("folder") + " can not be read !");
  EXPECT_FALSE(std::filesystem::exists(dir.Path("new")));
}

TEST(ConvertTcs, RoundTripOverFiles) {
  TempDir dir;
  const std::string list = ChannelList(2184);
  const std::string bin = dir.Write("TCS", list);
  ScriptedFrontend ui;
  ui.Answer(true);
  ASSERT_EQ(ConvertTcsToText(ui, bin, dir.Path("t.txt")), Outcome::kDone);
  ASSERT_EQ(ConvertTextToTcs(ui, bin, dir.Path("t.txt")), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(bin), list);
}

}  // namespace
}  // namespace chanforge::channels
