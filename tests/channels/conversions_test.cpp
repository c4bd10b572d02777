#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>

#include "channels/channel_conversions.h"
#include "channels/channel_record.h"
#include "common/list_files.h"
#include "support/builders.h"
#include "support/fake_files.h"
#include "support/scripted_frontend.h"

namespace chanforge::channels {
namespace {

using common::Outcome;
using testing::ChannelList;
using testing::ScriptedFrontend;
using testing::TempDir;

TEST(ConvertTcsToText, WritesCrLfLinesAndAsksOnlyAbove64Kb) {
  // 36000 records: more than one read piece, past the last four-digit number.
  for (const std::size_t records : {std::size_t{0}, std::size_t{2184}, std::size_t{36000}}) {
    TempDir dir;
    const std::string list = ChannelList(records);
    const std::string bin = dir.Write("TCS", list), txt = dir.Path("TCS.txt");
    ScriptedFrontend ui;
    std::vector<std::string> asked;
    if (list.size() > 65536) asked.push_back("File is bigger then 64Kb, load anyway ?");
    if (records > 9999)
      asked.push_back(
          "The text will not convert back to the same list: records from 10000 on "
          "shift their columns\r\nConvert anyway ?");
    for (std::size_t i = 0; i < asked.size(); ++i) ui.Answer(true);
    const common::Converted done = ConvertTcsToText(ui, dir.disk, bin, txt);
    EXPECT_TRUE(done == Outcome::kDone && done.records == static_cast<std::int64_t>(records));
    std::string text;
    for (const std::string& line : FormatTcsLines(list)) text += line + "\r\n";
    EXPECT_EQ(TempDir::Read(txt), text);
    EXPECT_EQ(ui.questions, asked);
    EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Loading " + bin + "...", "Converting TCS...",
                                                     "Writing " + txt + "..."}));
  }
}

TEST(ConvertTcsToText, AsksWhenTheTextWillNotConvertBack) {
  std::string split = ChannelList(12);
  split[30 * 2 + 3] = '\n';
  split[30 * 11] = '\r';
  // Channel 1 split, 2 padded with blanks, 4 and 5 with a NUL inside; 3 comes back whole.
  std::string names = ChannelList(5) + "xyz";
  names[3] = '\r';
  names.replace(30 + 9, 7, 7, ' ');
  names[30 * 3 + 7] = names[30 * 4 + 7] = '\0';
  std::string eleven = ChannelList(11);  // ten are named, the rest counted
  for (int i = 0; i < 11; ++i) eleven[30 * static_cast<std::size_t>(i) + 3] = '\n';
  for (const auto& [list, reason] :
       {std::pair{split, "channels 3, 12 hold a line-end byte in their names"},
        {names,
         "channel 1 holds a line-end byte in its name; channel 2 ends its name in blanks, which "
         "come back as NULs; channels 4, 5 hold NULs inside their names, which come back as "
         "blanks; the last 3 bytes are not a whole record and are left out"},
        {ChannelList(1) + "x", "the last byte is not a whole record and is left out"},
        {eleven,
         "channels 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 1 more hold a line-end byte in their "
         "names"},
        {testing::TcsRecord("\xC3\xA9t\xC3\xA9", 1, 1, 1, 1, 1),
         "channel 1 has a name that reads back as UTF-8, as other bytes (write the text as UTF-8 "
         "to keep it)"}}) {
    TempDir dir;
    const std::string bin = dir.Write("TCS", list), txt = dir.Write("TCS.txt", "old");
    ScriptedFrontend ui;
    ui.Answer(true).Answer(false);
    EXPECT_EQ(ConvertTcsToText(ui, dir.disk, bin, txt), Outcome::kCancelled);
    EXPECT_EQ(ui.questions.back(), "The text will not convert back to the same list: " +
                                       std::string(reason) + "\r\nConvert anyway ?");
    EXPECT_EQ(TempDir::Read(txt), "old");
    EXPECT_EQ(dir.EntryCount(), 2u);
  }
}

TEST(ConvertTextToTcs, ReadsEveryLineEndAcrossPiecesAndSkipsBlankLines) {
  const auto lines = FormatTcsLines(ChannelList(3));
  const std::string &a = lines[0], &b = lines[1], &c = lines[2];
  const std::string long_blank(3 << 20, ' ');  // longer than a read piece
  for (const auto& [text, records] : {
           std::pair{a + "\r\n" + b + "\r\n" + c + "\r\n", 3},
           {a + "\n" + b + "\n" + c, 3},  // LF alone, last line unended
           {a + "\r" + b + "\r\n\r\n   \r\n" + c, 3},
           {long_blank + "\r\n" + a + "\r\n" + b + long_blank + "\r\n" + c, 3},
           {"", 0},
       }) {
    TempDir dir;
    const std::string txt = dir.Write("t.txt", text), bin = dir.Path("TCS");
    ScriptedFrontend ui;
    EXPECT_EQ(ConvertTextToTcs(ui, dir.disk, bin, txt), Outcome::kDone);
    EXPECT_EQ(TempDir::Read(bin), ChannelList(3).substr(0, 30 * records));
    EXPECT_EQ(ui.statuses.front(), "Loading and converting " + txt + "...");
  }
}

TEST(ConvertTextToTcs, RefusedOrUnstoredLinesWriteNothingUnlessConfirmed) {
  TempDir dir;
  const std::string bin = dir.Write("TCS", "old");
  std::string bad = FormatTcsLines(ChannelList(1))[0], unstored = bad;
  bad.replace(28, 5, " 9E20");
  unstored.replace(28, 5, "99999");
  std::string text;
  for (int i = 0; i < 22; ++i) text += unstored + "\r\n";
  const std::string refused = dir.Write("refused.txt", "\r\n" + unstored + "\r\n" + bad);
  const std::string asks = dir.Write("asks.txt", "\r\n" + text);
  ScriptedFrontend ui;
  ui.Answer(true);
  EXPECT_EQ(ConvertTextToTcs(ui, dir.disk, bin, refused), Outcome::kFailed);
  EXPECT_EQ(ui.OnlyMessage(),
            "Line 3 of " + refused + " can not be converted: SID value 9E20 is out of range");
  ui.Answer(true).Answer(false);
  EXPECT_EQ(ConvertTextToTcs(ui, dir.disk, bin, asks), Outcome::kCancelled);
  // The first twenty lines, each as written and as it reads back, then a count.
  std::string stored = unstored;
  stored.replace(28, 5, "34463");
  const std::string listed =
      "Line 2: SID 99999 is outside 0 to 65535: it would be stored as "
      "SID 34463\r\n  as written: \"" +
      unstored + "\"\r\n  read back:  \"" + stored + "\"\r\n";
  const std::string head = "22 lines of " + asks + " will not be stored as written:\r\n" + listed;
  const std::string tail = "\"\r\nand 2 more\r\nConvert anyway ?";
  const std::string& question = ui.questions.back();
  EXPECT_EQ(question.substr(0, head.size()), head);
  EXPECT_EQ(question.substr(question.size() - tail.size()), tail);
  EXPECT_EQ(std::count(question.begin(), question.end(), '\n'), 2 + 20 * 3);
  EXPECT_EQ(TempDir::Read(bin), "old");
  EXPECT_EQ(dir.EntryCount(), 3u);
  ui.Answer(true).Answer(true);
  EXPECT_EQ(ConvertTextToTcs(ui, dir.disk, bin, asks), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(bin).size(), 22u * 30);
  ScriptedFrontend split_ui;  // a CR LF split between two read pieces ends one line
  split_ui.Answer(true);
  const std::string split = dir.Write("split.txt", std::string((1 << 20) - 1, ' ') + "\r\n" + bad);
  EXPECT_EQ(ConvertTextToTcs(split_ui, dir.disk, bin, split), Outcome::kFailed);
  EXPECT_EQ(split_ui.OnlyMessage().rfind("Line 2 of ", 0), 0u);
}

TEST(ConvertTcs, HugeOrUnreadableSourcesAreRefusedUnread) {
  testing::FakeFiles files;
  files.File("huge", "", std::int64_t{3} << 40).Folder("folder");
  ScriptedFrontend ui;
  EXPECT_EQ(ConvertTcsToText(ui, files, "huge", "out"), Outcome::kFailed);
  EXPECT_EQ(ConvertTextToTcs(ui, files, "out", "huge"), Outcome::kFailed);
  EXPECT_EQ(ConvertTextToTcs(ui, files, "out", "folder"), Outcome::kFailed);
  EXPECT_EQ(ui.messages.size(), 3u);
  EXPECT_TRUE(files.opened.empty() && files.replaced.empty());
}

TEST(ConvertTcs, RoundTripOverFilesWithoutAQuestion) {
  TempDir dir;
  const std::string list = ChannelList(9999);
  const std::string bin = dir.Write("TCS", list);
  ScriptedFrontend ui;
  ui.Answer(true).Answer(true);  // the size, then replacing the old binary
  ASSERT_EQ(ConvertTcsToText(ui, dir.disk, bin, dir.Path("t.txt")), Outcome::kDone);
  ASSERT_EQ(ConvertTextToTcs(ui, dir.disk, bin, dir.Path("t.txt")), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(bin), list);
  EXPECT_EQ(ui.questions.size(), 2u);
  std::string many;  // more records than one write takes
  const std::string record = testing::TcsRecord("A", 0, 0, 0, 0, 0);
  for (int i = 0; i < 36000; ++i) many += FormatTcsLines(record)[0] + "\r\n";
  ASSERT_EQ(ConvertTextToTcs(ui, dir.disk, dir.Path("many"), dir.Write("many.txt", many)),
            Outcome::kDone);
  std::string records;
  for (int i = 0; i < 36000; ++i) records += record;
  EXPECT_EQ(TempDir::Read(dir.Path("many")), records);
}

#ifndef _WIN32
// A FIFO and a symbolic link as targets.
TEST(ConfirmSourceAndTarget, RefusalsAndQuestions) {
  TempDir dir;
  const std::string src = dir.Write("src.txt", "x"), dst = dir.Write("dst.bin", "keep");
  std::filesystem::create_symlink(src, dir.Path("link.txt"));
  ::mkfifo(dir.Path("fifo").c_str(), 0600);
  const std::string same = "Source and target are the same file : " + src;
  const std::tuple<std::string, std::string, Outcome, std::string> cases[] = {
      {dir.Path("nope"), dst, Outcome::kFailed, "File : " + dir.Path("nope") + " not found!"},
      {src, dir.Path("./src.txt"), Outcome::kRefused, same},
      {src, dir.Path("link.txt"), Outcome::kRefused, same},
      {src, dir.Path("fifo"), Outcome::kRefused,
       "File : " + dir.Path("fifo") + " is not a regular file !"},
      {src, dir.Path("new.bin"), Outcome::kDone, ""},
  };
  for (const auto& [source, target, outcome, message] : cases) {
    ScriptedFrontend ui;
    EXPECT_EQ(common::ConfirmSourceAndTarget(ui, dir.disk, source, target), outcome) << target;
    EXPECT_EQ(ui.OnlyMessage(), message);
  }
  ScriptedFrontend ui;
  ui.Answer(false);
  EXPECT_EQ(common::ConfirmSourceAndTarget(ui, dir.disk, src, dst), Outcome::kCancelled);
  EXPECT_EQ(ui.questions[0], "File : " + dst + " already exists !\r\nOverwrite ?");
  EXPECT_EQ(TempDir::Read(dst), "keep");
}
#endif

}  // namespace
}  // namespace chanforge::channels
