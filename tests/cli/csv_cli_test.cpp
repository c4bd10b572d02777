// The CSV commands of chanforge-cli: wiring, exit statuses and what reaches the disk.
#include "cli_fixture.h"

namespace chanforge::cli {
namespace {

TEST_F(Cli, CsvRoundTripsThroughTheImageAndRefusalsWriteNothing) {
  const std::string sample = TempDir::Read(Sample());
  for (const char* list : {"--channels", "--transponders"}) {
    const std::string flag = list;
    ASSERT_EQ(Cmd("export-csv flash512k.bin " + flag + " list.csv").status, 0) << list;
    EXPECT_EQ(Cmd("export-csv flash512k.bin " + flag + " list.csv").status, 1);  // no --yes
    ASSERT_EQ(Cmd("import-csv flash512k.bin " + flag + " list.csv -o out.bin").status, 0);
    EXPECT_TRUE(Read("out.bin") == sample) << list;
    std::filesystem::remove(dir_.Path("list.csv"));
    std::filesystem::remove(dir_.Path("out.bin"));
  }
  dir_.Write("bad.csv", "Nr,Name\r\n");
  const std::pair<const char*, int> cases[] = {
      {"import-csv flash512k.bin --channels bad.csv", 1},
      {"import-csv flash512k.bin --channels missing.csv", 1},
      {"import-csv flash512k.bin bad.csv", 2},
      {"import-csv flash512k.bin --channels --transponders bad.csv", 2},
  };
  for (const auto& [args, status] : cases) {
    const Result run = Cmd(std::string(args) + " -o out2.bin");
    EXPECT_EQ(run.status, status) << args;
    EXPECT_FALSE(run.err.empty()) << args;
    EXPECT_FALSE(Exists("out2.bin")) << args;
  }
  EXPECT_EQ(Cmd("export-csv flash512k.bin --channels flash512k.bin").status, 1);
  EXPECT_TRUE(Read("flash512k.bin") == sample);
}

}  // namespace
}  // namespace chanforge::cli
