// End-to-end tests of the built chanforge-cli on files in a temporary folder.
#include "cli_fixture.h"

namespace chanforge::cli {
namespace {

TEST_F(Cli, BlocksPrintsTheBlockListLines) {
  Sample();
  const Result run = Cmd("blocks flash512k.bin");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "Block:0 TCS ($44-$11D8) $1194 bytes (150)");
  EXPECT_NE(run.out.find("Block:1 TPT ($10044-$1083C) $7F8 bytes (170)\n"), std::string::npos);
  EXPECT_NE(run.out.find("Block:7 ---- ($70044-$70044) $0 bytes\n"), std::string::npos);
  EXPECT_EQ(Cmd("blocks missing.bin").err, "File : missing.bin can not be opened !\n");
}

TEST_F(Cli, TheFullRoadEndsWithExactBytes) {
  Sample();
  ASSERT_EQ(Cmd("save-block flash512k.bin 0 TCS").status, 0);
  ASSERT_EQ(Cmd("tcs2txt TCS TCS.txt").status, 0);
  std::string text = Read("TCS.txt");
  text.replace(5, 16, "MY CHANNEL      ");
  dir_.Write("TCS.txt", text);
  ASSERT_EQ(Cmd("--yes txt2tcs TCS.txt TCS").status, 0);
  ASSERT_EQ(Cmd("read-block flash512k.bin 0 TCS -o new.bin").status, 0);
  std::string expected = MakeSampleImage();
  expected.replace(0x44, 16, std::string("MY CHANNEL\0\0\0\0\0\0", 16));
  EXPECT_EQ(Read("new.bin"), expected);
  EXPECT_EQ(Cmd("blocks new.bin").out, Cmd("blocks flash512k.bin").out);
}

TEST_F(Cli, QuestionsNeedYesWithoutATerminal) {
  Sample();
  dir_.Write("TCS.txt", "keep");
  Result run = Cmd("tcs2txt flash512k.bin TCS.txt");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "File : TCS.txt already exists !\nOverwrite ?\n(answered No; use --yes)\n");
  EXPECT_EQ(Read("TCS.txt"), "keep");
  run = Cmd("--yes tcs2txt flash512k.bin TCS.txt");  // 512 KB: the size question too
  EXPECT_EQ(run.status, 0);
  // From record 10000 on the number takes five characters.
  EXPECT_EQ(Read("TCS.txt").size(), 524288u / 30 * 65 + (524288u / 30 - 9999));
}

TEST_F(Cli, ChangingCommandsWriteOnlyWhenDone) {
  Sample();
  EXPECT_EQ(Cmd("clear-block flash512k.bin 3 -o out.bin").status, 1);  // not confirmed
  EXPECT_FALSE(Exists("out.bin"));
  EXPECT_EQ(Cmd("swap-diseqc flash512k.bin 0 -o out.bin").err,
            "Please select a TPT block to convert\n");
  EXPECT_FALSE(Exists("out.bin"));
  Result run = Cmd("swap-diseqc flash512k.bin 1 -o out.bin");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, " 40 Transponders have been swapped from DiSEqC A <=> B\n");
  run = Cmd("--yes swap-diseqc out.bin 1 -o out.bin");  // in place, back again
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Read("out.bin"), MakeSampleImage());
  EXPECT_EQ(Cmd("--yes clear-block flash512k.bin 3 -o cleared.bin --whole").status, 0);
  EXPECT_EQ(Read("cleared.bin").substr(3 * 65536, 65536), std::string(65536, '\0'));
}

TEST_F(Cli, ListViewsAndHexDump) {
  Sample();
  ASSERT_EQ(Cmd("save-block flash512k.bin 1 TPT").status, 0);
  Result run = Cmd("view --tpt TPT");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            "Nr  Freq      TID    NID    Chn SR  Fec  LNB DiSEqC");
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 41);
  run = Cmd("view --tcs nothing");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "File nothing can not be found!\n");

  run = Cmd("hexdump flash512k.bin 1");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 4096);
  EXPECT_NE(run.out.find("0020 54 50 54 00 FF FF FF FF FF FF FF FF FF FF FF FF TPT.............\n"),
            std::string::npos);
  EXPECT_EQ(Cmd("hexdump flash512k.bin 1 --as tpt").out.substr(0, 4), "Nr  ");
  run = Cmd("hexdump flash512k.bin 2 --as tcs");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Block 2 is not a TCS block\n");
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
  for (const char* args : {"", "frobnicate", "blocks", "save-block f 8 out", "hexdump f 1 --as x",
                           "view", "view --tcs a --tpt b"}) {
    EXPECT_EQ(Cmd(args).status, 2) << args;
  }
  EXPECT_EQ(Cmd("--help").status, 0);
  EXPECT_EQ(Cmd("--version").out, "chanforge-cli " CHANFORGE_VERSION "\n");
  EXPECT_NE(Cmd("read-block --help").out.find("--whole"), std::string::npos);
}

TEST_F(Cli, FailuresWriteNothing) {
  Sample();
  dir_.Write("bad.txt", "01  11778000  00001\n02  ABC\n");
  const Result run = Cmd("txt2tpt bad.txt TPT");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("Line 2 of bad.txt can not be converted: ", 0), 0u);
  EXPECT_FALSE(Exists("TPT"));
  std::filesystem::create_directory(dir_.Path("folder"));
  EXPECT_EQ(Cmd("blocks folder").err, "File : folder can not be read !\n");
  EXPECT_EQ(Cmd("--yes tcs2txt flash512k.bin flash512k.bin").err,
            "Source and target are the same file : flash512k.bin\n");
  EXPECT_EQ(Read("flash512k.bin"), MakeSampleImage());
}

}  // namespace
}  // namespace chanforge::cli
