// End-to-end tests of chanforge-cli that need a POSIX shell: a full disk and a terminal.
#include "cli_fixture.h"
#include "flash/blocks.h"

namespace chanforge::cli {
namespace {

TEST_F(Cli, BlocksOnAFullDiskAndAtATerminal) {
  flash::FlashImage image{MakeSampleImage(), {}};
  flash::PutBlock(image, 2, "T\xE9\x1B[2J", "");
  dir_.Write("odd.bin", image.bytes);
  EXPECT_EQ(Shell("$CLI blocks odd.bin >/dev/full"), 1);
  // A terminal never gets a control byte.
  ASSERT_EQ(Shell("script -qec \"$CLI blocks odd.bin\" /dev/null >tty.txt"), 0);
  const std::string tty = Read("tty.txt");
  EXPECT_NE(tty.find("Block:2 T\xC3\xA9.[2J ("), std::string::npos);
  EXPECT_EQ(tty.find('\x1B'), std::string::npos);
}

}  // namespace
}  // namespace chanforge::cli
