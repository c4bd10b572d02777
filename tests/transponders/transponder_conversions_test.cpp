#include "transponders/transponder_conversions.h"

#include <gtest/gtest.h>

#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "transponders/transponder_record.h"

namespace chanforge::transponders {
namespace {

using common::Outcome;
using testing::ScriptedFrontend;
using testing::TempDir;
using testing::TptRecord;

TEST(ConvertTptToText, WritesUsedRecordsInBothLayouts) {
  for (const bool declink : {false, true}) {
    TempDir dir;
    const std::string bin = dir.Write("TPT", testing::ThreeTransponders());
    ScriptedFrontend ui;
    EXPECT_EQ(ConvertTptToText(ui, bin, dir.Path("t.txt"), declink), Outcome::kDone);
    const std::string text = TempDir::Read(dir.Path("t.txt"));
    EXPECT_EQ(text.size(), 3u * (declink ? 46 : 48));
    const std::string first = "01  11778000  00001  00002  03  04  3/4  H/U";
    EXPECT_EQ(text.substr(0, declink ? 46 : 48), first + (declink ? "\r\n" : " B\r\n"));
    EXPECT_EQ(ui.statuses[1], "Converting TPT...");
  }
}

TEST(ConvertTptToText, EmptyFileGivesEmptyTextAndBigFilesAsk) {
  TempDir dir;
  ScriptedFrontend ui;
  EXPECT_EQ(ConvertTptToText(ui, dir.Write("e", ""), dir.Path("e.txt"), false), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(dir.Path("e.txt")), "");
  EXPECT_EQ(
      ConvertTptToText(ui, dir.Write("b", std::string(65536, '\0')), dir.Path("b.txt"), false),
      Outcome::kDone);
  ui.Answer(false);
  EXPECT_EQ(
      ConvertTptToText(ui, dir.Write("c", std::string(65537, '\0')), dir.Path("c.txt"), false),
      Outcome::kCancelled);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("c.txt")));
}

TEST(ConvertTextToTpt, PadsTo2040BytesUnlessLonger) {
  const std::string line = "01  11778000  00001  00002  03  04  3/4  H/U B";
  const struct {
    std::string text;
    std::size_t size;
  } cases[] = {
      {line + "\r\n" + line + "\r\n\r\n  \r\n" + line, 2040},
      {"", 2040},
  };
  for (const auto& c : cases) {
    TempDir dir;
    ScriptedFrontend ui;
    EXPECT_EQ(ConvertTextToTpt(ui, dir.Path("TPT"), dir.Write("t.txt", c.text), false),
              Outcome::kDone);
    const std::string bin = TempDir::Read(dir.Path("TPT"));
    EXPECT_EQ(bin.size(), c.size);
  }
  std::string many;
  for (int i = 0; i < 171; ++i) many += line + "\n";
  TempDir dir;
  ScriptedFrontend ui;
  EXPECT_EQ(ConvertTextToTpt(ui, dir.Path("TPT"), dir.Write("t.txt", many), false), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(dir.Path("TPT")).size(), 2052u);
}

TEST(ConvertTpt, RoundTripAndDecLinkReadsBackAsA) {
  TempDir dir;
  const std::string list = testing::ThreeTransponders();
  const std::string bin = dir.Write("TPT", list);
  ScriptedFrontend ui;
  ui.Answer(true).Answer(true);
  ASSERT_EQ(ConvertTptToText(ui, bin, dir.Path("t.txt"), false), Outcome::kDone);
  ASSERT_EQ(ConvertTextToTpt(ui, bin, dir.Path("t.txt"), false), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(bin), list);
  ASSERT_EQ(ConvertTptToText(ui, bin, dir.Path("d.txt"), true), Outcome::kDone);
  ASSERT_EQ(ConvertTextToTpt(ui, bin, dir.Path("d.txt"), true), Outcome::kDone);
  std::string as_a = list;
  as_a[11] = 0x03;
  EXPECT_EQ(TempDir::Read(bin), as_a);
}

TEST(ConvertTextToTpt, LineWithoutFrequencyStopsAndNamesTheLine) {
  TempDir dir;
  const std::string bin = dir.Write("TPT", "old");
  const std::string txt =
      dir.Write("t.txt", "01  11778000  00001  00002  03  04  3/4  H/U B\n02          00001\n");
  ScriptedFrontend ui;
  ui.Answer(true);
  EXPECT_EQ(ConvertTextToTpt(ui, bin, txt, false), Outcome::kFailed);
  EXPECT_EQ(ui.OnlyMessage().rfind("Line 2 of " + txt + " can not be converted: ", 0), 0u);
  EXPECT_EQ(TempDir::Read(bin), "old");
}

}  // namespace
}  // namespace chanforge::transponders
