#include <gtest/gtest.h>

#include <filesystem>

#include "channels/channel_conversions.h"
#include "channels/channel_record.h"
#include "common/list_files.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"

namespace chanforge::channels {
namespace {

using common::Outcome;
using testing::ChannelList;
using testing::ScriptedFrontend;
using testing::TempDir;

std::string Text(const std::string& list) {
  std::string text;
  for (const std::string& line : FormatTcsLines(list)) text += line + "\r\n";
  return text;
}

TEST(ConvertTcsToText, WritesCrLfLinesAndAsksOnlyAbove64Kb) {
  for (const std::size_t records : {std::size_t{0}, std::size_t{2184}, std::size_t{2185}}) {
    TempDir dir;
    const std::string list = ChannelList(records);
    const std::string bin = dir.Write("TCS", list), txt = dir.Path("TCS.txt");
    ScriptedFrontend ui;
    if (list.size() > 65536) ui.Answer(true);
    EXPECT_EQ(ConvertTcsToText(ui, bin, txt), Outcome::kDone);
    EXPECT_EQ(TempDir::Read(txt), Text(list));
    EXPECT_EQ(ui.questions.size(), list.size() > 65536 ? 1u : 0u);
    if (!ui.questions.empty()) {
      EXPECT_EQ(ui.questions[0], "File is bigger then 64Kb, load anyway ?");
    }
    EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Loading " + bin + "...", "Converting TCS...",
                                                     "Writing " + txt + "..."}));
  }
}

TEST(ConvertTcsToText, AsksWhenTheTextWillNotConvertBack) {
  std::string split = ChannelList(12);
  split[30 * 2 + 3] = '\n';
  split[30 * 11] = '\r';
  const struct {
    std::string list;
    std::string question;
  } cases[] = {
      {split, "channels 3, 12 hold a line-end byte in their names"},
      {ChannelList(10000), "records from 10000 on shift their columns"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const std::string bin = dir.Write("TCS", c.list), txt = dir.Write("TCS.txt", "old");
    ScriptedFrontend ui;
    ui.Answer(true);
    if (c.list.size() > 65536) ui.Answer(true);
    ui.Answer(false);
    EXPECT_EQ(ConvertTcsToText(ui, bin, txt), Outcome::kCancelled);
    EXPECT_EQ(ui.questions.back(), common::RoundTripQuestion(c.question));
    EXPECT_EQ(ui.questions.back(), "The text will not convert back to the same list: " +
                                       c.question + "\r\nConvert anyway ?");
    EXPECT_EQ(TempDir::Read(txt), "old");
    EXPECT_EQ(dir.EntryCount(), 2u);
  }
}

TEST(ConvertTextToTcs, ReadsEveryLineEndAcrossPiecesAndSkipsBlankLines) {
  const auto lines = FormatTcsLines(ChannelList(3));
  const std::string& a = lines[0];
  const std::string& b = lines[1];
  const std::string& c = lines[2];
  const std::string long_blank(3 << 20, ' ');  // longer than a read piece
  const struct {
    std::string text;
    std::size_t records;
  } cases[] = {
      {a + "\r\n" + b + "\r\n" + c + "\r\n", 3},
      {a + "\n" + b + "\n" + c, 3},  // LF alone, last line unended
      {a + "\r" + b + "\r\n\r\n   \r\n" + c, 3},
      {long_blank + "\r\n" + a + "\r\n" + b + long_blank + "\r\n" + c, 3},
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

TEST(ConvertTextToTcs, RefusedOrUnstoredLinesWriteNothingUnlessConfirmed) {
  TempDir dir;
  const std::string bin = dir.Write("TCS", "old");
  std::string bad = FormatTcsLines(ChannelList(1))[0];
  bad.replace(28, 5, " 9E20");
  std::string unstored = FormatTcsLines(ChannelList(1))[0];
  unstored.replace(28, 5, "99999");
  std::string text;
  for (int i = 0; i < 12; ++i) text += unstored + "\r\n";
  const std::string refused = dir.Write("refused.txt", "\r\n" + unstored + "\r\n" + bad);
  const std::string asks = dir.Write("asks.txt", "\r\n" + text);
  ScriptedFrontend ui;
  ui.Answer(true);
  EXPECT_EQ(ConvertTextToTcs(ui, bin, refused), Outcome::kFailed);
  EXPECT_EQ(ui.OnlyMessage(),
            "Line 3 of " + refused + " can not be converted: SID value 9E20 is out of range");
  ui.Answer(true).Answer(false);
  EXPECT_EQ(ConvertTextToTcs(ui, bin, asks), Outcome::kCancelled);
  EXPECT_EQ(ui.questions.back(),
            "Lines 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 and 2 more of " + asks +
                " will not be stored as written: SID 99999 is outside 0 to 65535\r\nConvert "
                "anyway ?");
  EXPECT_EQ(TempDir::Read(bin), "old");
  EXPECT_EQ(dir.EntryCount(), 3u);
  ui.Answer(true).Answer(true);
  EXPECT_EQ(ConvertTextToTcs(ui, bin, asks), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(bin).size(), 12u * 30);
}

TEST(ConvertTcs, HugeOrUnreadableSourcesAreRefusedUnread) {
  TempDir dir;
  dir.Sparse("huge", std::uintmax_t{3} << 40);
  std::filesystem::create_directory(dir.Path("folder"));
  ScriptedFrontend ui;
  EXPECT_EQ(ConvertTcsToText(ui, dir.Path("huge"), dir.Path("out")), Outcome::kFailed);
  EXPECT_EQ(ConvertTextToTcs(ui, dir.Path("out"), dir.Path("huge")), Outcome::kFailed);
  EXPECT_EQ(ConvertTextToTcs(ui, dir.Path("out"), dir.Path("folder")), Outcome::kFailed);
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[0].second,
            "File : " + dir.Path("huge") + " is too large (3298534883328 bytes) !");
  EXPECT_EQ(ui.messages[2].second, "File : " + dir.Path("folder") + " can not be read !");
  EXPECT_FALSE(std::filesystem::exists(dir.Path("out")));
}

TEST(ConvertTcs, RoundTripOverFilesWithoutAQuestion) {
  TempDir dir;
  const std::string list = ChannelList(9999);
  const std::string bin = dir.Write("TCS", list);
  ScriptedFrontend ui;
  ui.Answer(true).Answer(true);  // the size, then replacing the old binary
  ASSERT_EQ(ConvertTcsToText(ui, bin, dir.Path("t.txt")), Outcome::kDone);
  ASSERT_EQ(ConvertTextToTcs(ui, bin, dir.Path("t.txt")), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(bin), list);
  EXPECT_EQ(ui.questions.size(), 2u);
}

}  // namespace
}  // namespace chanforge::channels
