// What needs a POSIX shell: real failed writes, interruptions, races, a link, a full disk, a
// terminal. Each gets its message and status; no old file is lost, half written or left behind.
#include <sys/stat.h>

#include <csignal>
#include <cstdio>

#include "cli/terminal.h"
#include "cli_fixture.h"
#include "common/file_access.h"
#include "flash/blocks.h"

namespace chanforge::cli {
namespace {

TEST_F(Robustness, FailedWritesKeepTheOldTargetAndSayWhy) {
  for (const std::string args :
       {"read-block flash512k.bin 0 TCS -o target", "save-block flash512k.bin 0 target --whole",
        "tcs2txt TCS target", "txt2tcs TCS.txt target", "tpt2txt TPT target",
        "txt2tpt TPT.txt target"}) {
    dir_.Write("target", "old content");
    const std::size_t entries = dir_.EntryCount();
    // 512 bytes at most: every one of these writes is larger.
    const Result run = Cmd("--yes " + args, "ulimit -f 1 &&");
    EXPECT_EQ(run.status, 1) << args;
    EXPECT_NE(run.err.find("File too large"), std::string::npos) << args;
    EXPECT_EQ(run.err.rfind("File too large"), run.err.find("File too large")) << args;  // once
    EXPECT_EQ(Read("target"), "old content") << args;
    EXPECT_EQ(dir_.EntryCount(), entries) << args;
  }
}

TEST_F(Robustness, AnInterruptedWriteLeavesNoTemporaryFile) {
  std::string big;
  for (int i = 0; i < 1600; ++i) big += Read("TCS.txt");  // about 15 MB
  dir_.Write("big.txt", big);
  dir_.Write("out.bin", "old");
  const std::size_t entries = dir_.EntryCount();
  for (const int signal_number : {SIGTERM, SIGQUIT, SIGUSR1, SIGALRM}) {
    const int status = Shell(
        "ulimit -c 0; $CLI --yes txt2tcs big.txt out.bin & pid=$!; "
        "for i in $(seq 500); do ls -a | grep -q chanforge- && break; sleep 0.01; done; "
        "kill -" +
        std::to_string(signal_number) + " $pid; wait $pid");
    EXPECT_EQ(status, 128 + signal_number);
    EXPECT_EQ(Read("out.bin"), "old");
    EXPECT_EQ(dir_.EntryCount(), entries) << signal_number;
  }
}

TEST_F(Robustness, SimultaneousChangesToOneImageTakeTurns) {
  // Two swaps of the same block cancel out; a lost update would leave one of them.
  for (int round = 0; round < 5; ++round) {
    ASSERT_EQ(Shell("$CLI --yes swap-diseqc flash512k.bin 1 -o flash512k.bin & "
                    "$CLI --yes swap-diseqc flash512k.bin 1 -o flash512k.bin; wait"),
              0);
    ASSERT_EQ(Read("flash512k.bin"), MakeSampleImage()) << round;
  }
}

TEST_F(Cli, AnImageCutShortWhileMappedEndsWithAMessage) {
  const std::string path = dir_.Path("flash512k.bin");
  EXPECT_EXIT(
      {
        EndOnMappedReadFault(2);
        const auto mapped = common::SystemFiles().Map(path, common::kImageFileLimit);
        std::filesystem::resize_file(path, 0);
        std::printf("%d", mapped->bytes()[70000]);
      },
      ::testing::ExitedWithCode(2), "flash512k\\.bin");
}

// Refusals go to stderr; unprintable output fails with its status yet says what was written.
TEST_F(Cli, EveryFailureIsToldOnStandardError) {
  const Result missing = Cmd("view --tcs missing");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("can not be found"), std::string::npos);
  EXPECT_EQ(Shell("$CLI --help >/dev/full 2>/dev/null"), 1);
  EXPECT_EQ(Shell("$CLI swap-diseqc flash512k.bin 1 -o swapped.bin >&- 2>err.txt"), 1);
  EXPECT_NE(Read("err.txt").find("swapped.bin was written"), std::string::npos);
  EXPECT_EQ(Shell("$CLI diff flash512k.bin swapped.bin >/dev/full 2>/dev/null"), 2);
  // An input that would keep the command waiting is refused at once.
  ASSERT_EQ(::mkfifo(dir_.Path("fifo").c_str(), 0600), 0);
  EXPECT_EQ(Cmd("set-channel fifo 1 sid=1 -o fifo").status, 1);
}

TEST_F(Cli, BlocksOnAFullDiskAndAtATerminal) {
  flash::FlashImage image{MakeSampleImage(), {}};
  flash::PutBlock(image, 2, "T\xE9\x1B[2J", "");
  dir_.Write("odd.bin", image.owned);
  // A full disk is told with its cause, and the file written all the same is named.
  EXPECT_EQ(Shell("$CLI --yes swap-diseqc odd.bin 1 -o new.bin >/dev/full 2>err.txt"), 1);
  EXPECT_EQ(Read("err.txt"),
            "Error Writing the file standard output !\nNo space left on device\nnew.bin was "
            "written\n");
  // A reader that stops early took what it wanted: every command that writes a file ends as it
  // would without it, the file written and the status its own, and a listing ends quietly.
  for (const char* input :
       {"save-block odd.bin 0 t.tcs", "tcs2txt t.tcs t.txt", "export-csv odd.bin --channels t.csv"})
    ASSERT_EQ(Cmd(input).status, 0);
  for (const std::string command :
       {"swap-diseqc odd.bin 1 -o w", "set-channel odd.bin 1 sid=7 -o w", "save-block odd.bin 0 w",
        "set-transponder odd.bin 1 fec=3/4 -o w", "sort-channels odd.bin --by name -o w",
        "remove-channels odd.bin 2-3 -o w", "move-transponder odd.bin 1 3 -o w",
        "remove-transponder odd.bin 5 -o w", "clear-block odd.bin 5 -o w", "tcs2txt t.tcs w",
        "read-block odd.bin 0 t.tcs -o w", "txt2tcs t.txt w", "export-csv odd.bin --channels w",
        "import-csv odd.bin --channels t.csv -o w", "export-html odd.bin -o w", "make-sample w",
        "apply-order odd.bin --from t.csv -o w", "blocks odd.bin", "channels odd.bin"}) {
    for (const auto& [wait, reader] : {std::pair{"sleep 0.1; ", ":"}, {"", "head -1"}}) {
      Shell(std::string("rm -f w; { ") + wait + "$CLI --yes " + command +
            " 2>e; echo $? >st; } | " + reader);
      EXPECT_TRUE(Read("st") == "0\n" && Read("e").find("Error") == std::string::npos &&
                  (Exists("w") || !command.ends_with(" w")))
          << command << " | " << reader << ": " << Read("e");
    }
  }
  // A terminal never gets a control byte, in a listing or in a message's file name.
  ASSERT_EQ(
      Shell("script -qec \"$CLI blocks odd.bin; $CLI blocks 'x\x1B[2J'; true\" /dev/null >tty.txt"),
      0);
  const std::string tty = Read("tty.txt");
  EXPECT_NE(tty.find("Block:2 T\xC3\xA9.[2J ("), std::string::npos);
  EXPECT_NE(tty.find("x.[2J"), std::string::npos);
  EXPECT_EQ(tty.find('\x1B'), std::string::npos);
}

}  // namespace
}  // namespace chanforge::cli
