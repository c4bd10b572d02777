// POSIX only (ulimit, kill, symbolic links, a shell running two at once).
// Writes that fail for real, interruptions, races and hostile inputs: each gets its
// message and status, and no old file is lost, half written or left behind.
#include "cli_fixture.h"

namespace chanforge::cli {
namespace {

class Robustness : public Cli {
 protected:
  void SetUp() override {
    Sample();
    ASSERT_EQ(Cmd("save-block flash512k.bin 0 TCS").status, 0);
    ASSERT_EQ(Cmd("save-block flash512k.bin 1 TPT").status, 0);
    ASSERT_EQ(Cmd("tcs2txt TCS TCS.txt").status, 0);
    ASSERT_EQ(Cmd("tpt2txt TPT TPT.txt").status, 0);
  }
};

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
    EXPECT_EQ(Read("target"), "old content") << args;
    EXPECT_EQ(dir_.EntryCount(), entries) << args;
  }
}

TEST_F(Robustness, HostileInputsAreRefusedUnreadAndWriteNothing) {
  std::filesystem::create_directory(dir_.Path("folder"));
  dir_.Write("empty.bin", "");
  dir_.Write("long.bin", std::string(70020, 'b'));
  std::filesystem::resize_file(dir_.Write("huge.bin", ""), std::uintmax_t{15} << 40);
  std::filesystem::create_symlink("TCS", dir_.Path("link"));
  for (const std::string args :
       {"blocks folder", "blocks huge.bin", "save-block empty.bin 0 out",
        "read-block flash512k.bin 0 long.bin -o out", "read-block flash512k.bin 0 huge.bin -o out",
        "tcs2txt huge.bin out", "txt2tcs huge.bin out", "view --tcs huge.bin", "tcs2txt link TCS",
        "txt2tcs folder out", "tcs2txt missing out"}) {
    const Result run = Cmd(args);
    EXPECT_EQ(run.status, 1) << args;
    EXPECT_FALSE(run.err.empty() && run.out.empty()) << args;
    EXPECT_FALSE(Exists("out")) << args;
  }
  EXPECT_EQ(Read("TCS"), MakeSampleImage().substr(0x44, 4500));
}

TEST_F(Robustness, OddButReadableInputsConvert) {
  for (const auto& [text, records] :
       {std::pair{std::string("  001 A\0B\0", 10) + std::string(40, '\0') + "\r\n", 1u},
        {std::string(10000, '7') + "\r\n" + std::string(10000, ' ') + "\n" + std::string(9999, 'z'),
         2u},
        {std::string(500, '\r'), 0u}}) {
    dir_.Write("odd.txt", text);
    EXPECT_EQ(Cmd("--yes txt2tcs odd.txt odd.bin").status, 0);
    EXPECT_EQ(Read("odd.bin").size(), 30 * records);
  }
}

TEST_F(Robustness, AnInterruptedWriteLeavesNoTemporaryFile) {
  std::string big;
  for (int i = 0; i < 1600; ++i) big += Read("TCS.txt");  // about 15 MB
  dir_.Write("big.txt", big);
  dir_.Write("out.bin", "old");
  const std::size_t entries = dir_.EntryCount();
  const int status = Shell(
      "$CLI --yes txt2tcs big.txt out.bin & pid=$!; "
      "for i in $(seq 500); do ls -a | grep -q chanforge- && break; sleep 0.01; done; "
      "kill -TERM $pid; wait $pid");
  EXPECT_EQ(status, 128 + 15);
  EXPECT_EQ(Read("out.bin"), "old");
  EXPECT_EQ(dir_.EntryCount(), entries);
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

}  // namespace
}  // namespace chanforge::cli
