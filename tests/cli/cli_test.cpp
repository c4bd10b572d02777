// The built chanforge-cli end to end: each command's wiring, exit statuses, what reaches the disk.
#include <vector>

#include "cli_fixture.h"
#include "common/files.h"
#include "flash/blocks.h"

namespace chanforge::cli {
namespace {

TEST_F(Robustness, TheFullRoadEndsWithExactBytes) {
  std::string text = Read("TCS.txt");
  text.replace(5, 16, "MY CHANNEL      ");
  dir_.Write("TCS.txt", text);
  ASSERT_EQ(Cmd("--yes txt2tcs TCS.txt TCS").status, 0);
  ASSERT_EQ(Cmd("read-block flash512k.bin 0 TCS -o new.bin").status, 0);
  std::string expected = MakeSampleImage();
  expected.replace(0x44, 16, std::string("MY CHANNEL\0\0\0\0\0\0", 16));
  EXPECT_EQ(Read("new.bin"), expected);
  // A text written as UTF-8 reads back, and says it was read so; a DecLink text takes the
  // input it is given.
  ASSERT_EQ(Cmd("tcs2txt --utf8 TCS utf8.txt").status, 0);
  const Result utf8 = Cmd("txt2tcs utf8.txt back");
  EXPECT_EQ(utf8.status, 0);
  EXPECT_EQ(utf8.err, "");  // no name of the sample needs more than one byte
  EXPECT_EQ(Read("back"), Read("TCS"));
  EXPECT_EQ(Cmd("txt2tpt TPT.txt a.bin").status, 1);  // DiSEqC missing: answered No
  EXPECT_EQ(Cmd("txt2tpt --declink --diseqc B TPT.txt b.bin").status, 0);
  EXPECT_EQ(Cmd("txt2tpt --diseqc B TPT.txt c.bin").status, 2);
  EXPECT_EQ(Read("b.bin")[11] & 0x08, 0x08);
}

TEST_F(Cli, SwapReportsOnlyOnceTheImageIsWritten) {
  EXPECT_EQ(Cmd("swap-diseqc flash512k.bin 0 -o out.bin").status, 1);
  EXPECT_FALSE(Exists("out.bin"));
  dir_.Write("taken.bin", "keep");
  Result run = Cmd("swap-diseqc flash512k.bin 1 -o taken.bin");  // Overwrite? answered No
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  run = Cmd("swap-diseqc flash512k.bin 1 -o out.bin");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, " 40 Transponders have been swapped from DiSEqC A <=> B\n");
  EXPECT_EQ(Cmd("swap-diseqc out.bin 1 -o out.bin --yes").status, 0);  // in place; --yes behind
  EXPECT_EQ(Read("out.bin"), MakeSampleImage());
}

TEST_F(Cli, BlocksHexDumpAndListsInAPipe) {
  flash::FlashImage image{MakeSampleImage(), {}};
  flash::PutBlock(image, 2, "T\xE9\x1B[2J", "");
  dir_.Write("odd.bin", image.owned);
  EXPECT_EQ(Cmd("blocks odd.bin").LineCount(), 8);
  dir_.Write("one.bin", "x");
  EXPECT_EQ(Cmd("blocks one.bin").status, 1);
  EXPECT_EQ(Cmd("hexdump odd.bin 1").LineCount(), 4096);
  const Result run = Cmd("hexdump odd.bin one.bin odd.bin 1");  // a head line, a blank between
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.LineCount(), 2 * 4096 + 5);
  EXPECT_EQ(Cmd("hexdump odd.bin 1 --as tpt").out.substr(0, 4), "Nr  ");
  EXPECT_EQ(Cmd("hexdump odd.bin 2 --as tcs").status, 1);
  // A pipe gets the bytes as they are.
  EXPECT_NE(Cmd("blocks odd.bin").out.find("Block:2 T\xE9\x1B[2J ("), std::string::npos);
}

TEST_F(Cli, ExportHtmlWritesOneValidPageWithEveryNameOnceEscaped) {
  dir_.Write("full.bin", testing::FullChannelImage());
  for (const char* image : {"flash512k.bin", "full.bin"}) {
    ASSERT_EQ(Cmd(std::string("--yes export-html ") + image + " -o list.html").status, 0);
#ifndef _WIN32
    EXPECT_EQ(std::system(("tidy -e -q '" + dir_.Path("list.html") + "'").c_str()), 0) << image;
#endif
  }
  const std::string html = Read("list.html");
  std::size_t at = 0;
  for (std::size_t i = 0; i < 2182; ++i) {
    const char* escaped[] = {"&lt;b&gt;&amp;&quot;", "Caf\xC3\xA9 \\x01 &#39;x&#39;",
                             "A  B &gt; C"};
    const std::string cell = "<td>" + (i < 3 ? escaped[i] : testing::FullChannelName(i)) + "</td>";
    const std::size_t found = html.find(cell, at);
    ASSERT_NE(found, std::string::npos) << cell;
    EXPECT_EQ(html.find(cell, found + 1), std::string::npos) << cell;
    at = found;
  }
  EXPECT_EQ(Cmd("export-html full.bin -o list.html --group input").status, 1);  // no --yes
  EXPECT_EQ(Read("list.html"), html);
  EXPECT_EQ(Cmd("--yes export-html full.bin -o full.bin").status, 1);
  EXPECT_EQ(Read("full.bin"), testing::FullChannelImage());
  EXPECT_EQ(Cmd("export-html full.bin -o g.html --group INPUT --columns sid,name").status, 0);
  EXPECT_NE(Read("g.html").find(
                "<tbody class=\"sheet\">\n<tr><th class=\"group\" colspan=\"2\">DiSEqC B"),
            std::string::npos);
  EXPECT_EQ(Cmd("export-html full.bin -o h.html --columns sid,bad").status, 2);
  EXPECT_FALSE(Exists("h.html"));
  // A control character, C1 too, shows as its code in a cell and in the title.
#ifndef _WIN32
  const std::string odd = "o\x1B";
#else
  const std::string odd = "o";  // Windows keeps control characters out of file names
#endif
  const std::string record = testing::TcsRecord(std::string("A\x9B") + "B", 4, 1, 1, 2, 3);
  dir_.Write(odd + ".bin", testing::FlashImageBuilder().Block(0, "TCS", record).Build());
  ASSERT_EQ(Cmd("export-html " + odd + ".bin -o c.html").status, 0);
  const std::string page = Read("c.html");
  EXPECT_NE(page.find("<td>A\\x9BB</td>"), std::string::npos);
  EXPECT_EQ(page.find("\xC2\x9B"), std::string::npos);
  EXPECT_EQ(page.find('\x1B'), std::string::npos);
}

TEST_F(Cli, UsageErrorsExitWithTwoAndShowTheCommand) {
  for (const char* args : {"", "frobnicate", "blocks", "blocks ''", "save-block f 8 out",
                           "save-block '' 0 x", "hexdump f 1 --as x", "hexdump f", "hexdump f g 8",
                           "view", "view --tcs a --tpt b", "--json make-sample x.bin"}) {
    const Result run = Cmd(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_NE(run.err.find("Usage: chanforge-cli"), std::string::npos) << args;
  }
  EXPECT_EQ(Cmd("--help").status, 0);
  EXPECT_NE(Cmd("read-block --help").out.find("--whole"), std::string::npos);
  EXPECT_EQ(Cmd("--version").out, "chanforge-cli " CHANFORGE_VERSION "\n");
}

TEST_F(Robustness, HostileInputsAndUnansweredQuestionsWriteNothing) {
  std::filesystem::create_directory(dir_.Path("folder"));
  dir_.Write("empty.bin", "");
  dir_.Write("long.bin", std::string(70020, 'b'));
  std::filesystem::resize_file(dir_.Write("huge.bin", ""), common::kImageFileLimit + 1);
#ifndef _WIN32
  std::filesystem::create_symlink("TCS", dir_.Path("link"));  // the target as the source
#endif
  for (const std::string& args : std::vector<std::string>{
           "blocks folder", "blocks huge.bin", "save-block empty.bin 0 out",
           "read-block flash512k.bin 0 long.bin -o out",
           "read-block flash512k.bin 0 huge.bin -o out", "tcs2txt huge.bin out",
           "txt2tcs huge.bin out", "txt2tcs folder out", "tcs2txt missing out",
           "tcs2txt TCS TCS.txt", "clear-block flash512k.bin 3 -o out",
           "--yes save-block flash512k.bin 0 flash512k.bin",
           "--yes tcs2txt flash512k.bin " + std::string(kNullDevice), "tcs2txt link TCS"}) {
    const Result run = Cmd(args);
    EXPECT_EQ(run.status, 1) << args;
    EXPECT_FALSE(run.err.empty() && run.out.empty()) << args;
    EXPECT_FALSE(Exists("out")) << args;
  }
  EXPECT_EQ(Read("TCS"), MakeSampleImage().substr(0x44, 4500));
  EXPECT_EQ(Read("flash512k.bin"), MakeSampleImage());
}

}  // namespace
}  // namespace chanforge::cli
