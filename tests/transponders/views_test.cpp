#include <gtest/gtest.h>

#include <filesystem>

#include "channels/channel_record.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "support/workspace.h"
#include "transponders/block_view.h"
#include "transponders/list_view.h"
#include "transponders/transponder_record.h"

namespace chanforge::transponders {
namespace {

using namespace std::string_literals;
using testing::FlashImageBuilder;
using testing::ScriptedFrontend;
using testing::TempDir;
using testing::TptRecord;

TEST(ShowBlockHex, DumpsTheWholeBlockIn69CharacterLines) {
  const flash::Workspace w = testing::LoadedWorkspace(
      FlashImageBuilder().Block(1, "TPT", testing::ThreeTransponders()).Build());
  ScriptedFrontend ui;
  const auto lines = ShowBlockHex(w, ui, 1);
  ASSERT_EQ(lines.size(), 4096u);
  EXPECT_EQ(lines.front().substr(0, 4), "0000");
  EXPECT_EQ(lines.back().substr(0, 4), "FFF0");
  EXPECT_EQ(lines[2], "0020 54 50 54 00 FF FF FF FF FF FF FF FF FF FF FF FF TPT\0"s +
                          std::string(12, '\xFF'));
  EXPECT_EQ(lines[2].size(), 69u);
  EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Converting Block...", ""}));
}

TEST(ShowBlockHex, StopsAtTheImageEnd) {
  const flash::Workspace w = testing::LoadedWorkspace(std::string(65536 + 100, 'A'));
  ScriptedFrontend ui;
  const auto lines = ShowBlockHex(w, ui, 1);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines.back(), "0060 41 41 41 41 AAAA");
}

TEST(ShowBlockAs, FormatsTheListWithItsHeading) {
  const flash::Workspace w =
      testing::LoadedWorkspace(FlashImageBuilder()
                                   .Block(0, "TCS", testing::ChannelList(5))
                                   .Block(1, "TPT", testing::ThreeTransponders())
                                   .Block(2, "TPT", std::string(2040, '\0'))
                                   .Build());
  ScriptedFrontend ui;
  const auto tpt = ShowBlockAsTpt(w, ui, 1);
  ASSERT_EQ(tpt.size(), 4u);
  EXPECT_EQ(tpt[0], TptHeading);
  EXPECT_EQ(tpt[1], "01  11778000  00001  00002  03  04  3/4  H/U B");
  EXPECT_EQ(ShowBlockAsTpt(w, ui, 2), std::vector<std::string>{TptHeading});
  const auto tcs = ShowBlockAsTcs(w, ui, 0);
  EXPECT_EQ(tcs.size(), 6u);
  EXPECT_EQ(tcs[0], channels::TcsHeading);
  EXPECT_EQ(ListViewCaption("TCS"), "&View as TCS");
  EXPECT_EQ(ListViewCaption("TPT"), "&View as TPT");
  EXPECT_EQ(ListViewCaption("tpt"), "");
  EXPECT_EQ(ListViewCaption("----"), "");
}

TEST(ShowListFiles, ShowsHeadingsOversizeAndMissingFiles) {
  TempDir dir;
  ScriptedFrontend ui;
  ListFilesView view = ShowListFiles(ui, dir.Path("a"), dir.Path("b"));
  EXPECT_EQ(view.tcs_caption, dir.Path("a"));
  EXPECT_EQ(view.tcs_lines,
            std::vector<std::string>{"File " + dir.Path("a") + " can not be found!"});
  EXPECT_EQ(view.tpt_lines,
            std::vector<std::string>{"File " + dir.Path("b") + " can not be found!"});

  view = ShowListFiles(ui, dir.Write("empty", ""), dir.Write("tpt", testing::ThreeTransponders()));
  EXPECT_EQ(view.tcs_lines, std::vector<std::string>{channels::TcsHeading});
  ASSERT_EQ(view.tpt_lines.size(), 4u);
  EXPECT_EQ(view.tpt_lines[1].size(), TptLineLength);  // the DiSEqC column always shows

  view = ShowListFiles(ui, dir.Write("big", std::string(65537, 'x')),
                       dir.Write("exact", std::string(65536, '\0')));
  ASSERT_EQ(view.tcs_lines.size(), 2u + 2184);
  EXPECT_EQ(view.tcs_lines[1], "TCS FILE IS LARGER THAN 64Kb (65537 bytes)");
  EXPECT_EQ(view.tpt_lines, std::vector<std::string>{TptHeading});

  std::filesystem::create_directory(dir.Path("folder"));
  view = ShowListFiles(ui, dir.Path("folder"), dir.Path("b"));
  EXPECT_EQ(view.tcs_lines,
            std::vector<std::string>{"File " + dir.Path("folder") + " can not be read!"});
  EXPECT_EQ(ui.statuses.back(), "");
}

}  // namespace
}  // namespace chanforge::transponders
