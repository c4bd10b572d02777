// apply-order: both kinds of reference reach the core, and the exit statuses.
#include "cli_fixture.h"

namespace chanforge::cli {
namespace {

TEST_F(Cli, ApplyOrderFollowsAnImageOrItsCsv) {
  ASSERT_EQ(Cmd("sort-channels flash512k.bin --by name -o sorted.bin").status, 0);
  ASSERT_EQ(Cmd("export-csv sorted.bin --channels sorted.csv").status, 0);
  ASSERT_EQ(Cmd("remove-channels sorted.bin 1-2 -o fewer.bin").status, 0);
  for (const std::string from : {"sorted.bin", "sorted.csv"}) {
    std::filesystem::remove(dir_.Path("out.bin"));
    const Result run = Cmd("apply-order flash512k.bin --from " + from + " -o out.bin");
    EXPECT_EQ(run.status, 0) << from;
    EXPECT_NE(run.err.find("150 channels follow"), std::string::npos) << run.err;
    EXPECT_TRUE(Read("out.bin") == Read("sorted.bin")) << from;
  }
  const Result listed = Cmd("apply-order fewer.bin --from flash512k.bin -o listed.bin --list");
  EXPECT_EQ(listed.status, 0);
  EXPECT_EQ(listed.LineCount(), 2);

  // A CSV gets the CSV ceiling whatever its name, told by its first cell.
  dir_.Write("big.ref", "Nr,Name,SID\r\n");
  std::filesystem::resize_file(dir_.Path("big.ref"), 17 << 20);
  const std::pair<const char*, int> refusals[] = {{"--from missing.bin", 1},
                                                  {"--from big.ref", 1},
                                                  {"--from flash512k.bin --new middle", 2},
                                                  {"", 2}};
  for (const auto& [args, status] : refusals) {
    std::filesystem::remove(dir_.Path("out.bin"));
    const Result run = Cmd(std::string("apply-order flash512k.bin -o out.bin ") + args);
    EXPECT_EQ(run.status, status) << args;
    EXPECT_EQ(run.err.find("too large") != std::string::npos, args == std::string("--from big.ref"))
        << run.err;
    EXPECT_FALSE(Exists("out.bin")) << args;
  }
}

}  // namespace
}  // namespace chanforge::cli
