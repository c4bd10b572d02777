// End-to-end tests of chanforge-cli that need a POSIX shell: a full disk and a terminal.
#include "cli_fixture.h"
#include "flash/blocks.h"

namespace chanforge::cli {
namespace {

TEST_F(Cli, BlocksPrintsTheBlockListLines) {
  Sample();
  const Result run = Cmd("blocks flash512k.bin");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "Block:0 TCS ($44-$11D8) $1194 bytes (150)");
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 8);
  dir_.Write("one.bin", "x");
  EXPECT_EQ(Shell("$CLI blocks flash512k.bin >/dev/full"), 1);
  for (const char* args : {"blocks missing.bin", "blocks one.bin"}) {
    const Result failed = Cmd(args);
    EXPECT_EQ(failed.status, 1) << args;
    EXPECT_FALSE(failed.err.empty()) << args;
  }
}

TEST_F(Cli, HexDumpAndListsAtATerminalAndInAPipe) {
  flash::FlashImage image{MakeSampleImage(), {}};
  flash::PutBlock(image, 2, "T\xE9\x1B[2J", "");
  dir_.Write("odd.bin", image.bytes);
  Result run = Cmd("hexdump odd.bin 1");
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 4096);
  EXPECT_NE(run.out.find("0020 54 50 54 00 FF FF FF FF FF FF FF FF FF FF FF FF TPT.............\n"),
            std::string::npos);
  EXPECT_EQ(Cmd("hexdump odd.bin 1 --as tpt").out.substr(0, 4), "Nr  ");
  EXPECT_EQ(Cmd("hexdump odd.bin 2 --as tcs").status, 1);
  // A pipe gets the bytes as they are; a terminal never gets a control byte.
  EXPECT_NE(Cmd("blocks odd.bin").out.find("Block:2 T\xE9\x1B[2J ("), std::string::npos);
  ASSERT_EQ(Shell("script -qec \"$CLI blocks odd.bin\" /dev/null >tty.txt"), 0);
  const std::string tty = Read("tty.txt");
  EXPECT_NE(tty.find("Block:2 T\xC3\xA9.[2J ("), std::string::npos);
  EXPECT_EQ(tty.find('\x1B'), std::string::npos);
}

}  // namespace
}  // namespace chanforge::cli
