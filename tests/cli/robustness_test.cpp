// Writes that fail for real (a file size limit on the child process) and hostile inputs:
// each gives its message, and no old file is lost or half written.
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

TEST_F(Robustness, FailedWritesKeepTheOldTargetAndLeaveNoTemporary) {
  const struct {
    std::string args;
    std::string target;
  } cases[] = {
      {"read-block flash512k.bin 0 TCS -o target", "target"},
      {"save-block flash512k.bin 0 target --whole", "target"},
      {"tcs2txt TCS target", "target"},
      {"txt2tcs TCS.txt target", "target"},
      {"tpt2txt TPT target", "target"},
      {"txt2tpt TPT.txt target", "target"},
  };
  for (const auto& c : cases) {
    dir_.Write(c.target, "old content");
    const std::size_t entries = dir_.EntryCount();
    // 512 bytes at most: every one of these writes is larger.
    const Result run = Cmd("--yes " + c.args, "ulimit -f 1 &&");
    EXPECT_EQ(run.status, 1) << c.args;
    EXPECT_EQ(run.err, "Error Writing the file " + c.target + " !\n") << c.args;
    EXPECT_EQ(Read(c.target), "old content") << c.args;
    EXPECT_EQ(dir_.EntryCount(), entries) << c.args;
  }
}

TEST_F(Robustness, HostileInputsGetAMessageAndWriteNothing) {
  std::filesystem::create_directory(dir_.Path("folder"));
  dir_.Write("empty.bin", "");
  dir_.Write("one.bin", "x");
  dir_.Write("long.bin", std::string(70000, 'b'));
  dir_.Write("nofreq.txt", "01          01234  00001  12  0B  3/4  V/U A\r\n");
  std::filesystem::create_symlink("TCS", dir_.Path("link"));
  const struct {
    std::string args;
    int status;
    std::string err;
  } cases[] = {
      {"blocks folder", 1, "File : folder can not be read !\n"},
      {"save-block empty.bin 0 out", 1, "File does not contain any usable blocks\n"},
      {"save-block one.bin 0 out", 1, "File does not contain any usable blocks\n"},
      {"read-block flash512k.bin 0 long.bin -o out", 1,
       "Block is bigger then 64Kb, load only first 64Kb ?\n(answered No; use --yes)\n"},
      {"txt2tpt nofreq.txt out", 1,
       "Line 1 of nofreq.txt can not be converted: no frequency in columns 5-12\n"},
      {"tcs2txt link TCS", 1, "Source and target are the same file : link\n"},
      {"txt2tcs folder out", 1, "File : folder can not be read !\n"},
      {"tcs2txt missing out", 1, "File : missing not found!\n"},
  };
  for (const auto& c : cases) {
    const Result run = Cmd(c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_EQ(run.err, c.err) << c.args;
    EXPECT_FALSE(Exists("out")) << c.args;
  }
  EXPECT_EQ(Read("TCS"), MakeSampleImage().substr(0x44, 4500));
}

TEST_F(Robustness, OddButReadableInputsConvert) {
  const struct {
    std::string text;
    std::size_t records;
  } cases[] = {
      {std::string("  001 A\0B\0", 10) + std::string(40, '\0') + "\r\n", 1},  // NUL bytes
      {std::string(10000, '7') + "\r\n" + std::string(10000, ' ') + "\n" + std::string(9999, 'z'),
       2},
      {std::string(500, '\r'), 0},
  };
  for (const auto& c : cases) {
    dir_.Write("odd.txt", c.text);
    const Result run = Cmd("--yes txt2tcs odd.txt odd.bin");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Read("odd.bin").size(), 30 * c.records);
  }
  // A huge image lists its first eight blocks; names with spaces and umlauts work.
  std::filesystem::copy_file(dir_.Path("flash512k.bin"), dir_.Path("gro\xC3\x9F image.bin"));
  std::filesystem::resize_file(dir_.Path("gro\xC3\x9F image.bin"), 100 * 1024 * 1024);
  const Result run = Cmd("blocks 'gro\xC3\x9F image.bin'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 8);
  // A write through a link replaces the file it points to and keeps the link.
  std::filesystem::create_symlink("TPT", dir_.Path("tpt-link"));
  EXPECT_EQ(Cmd("--yes txt2tpt TPT.txt tpt-link").status, 0);
  EXPECT_TRUE(std::filesystem::is_symlink(dir_.Path("tpt-link")));
  EXPECT_EQ(Read("TPT"), MakeSampleImage().substr(0x10044, 2040));
}

}  // namespace
}  // namespace chanforge::cli
