// Exit statuses of check and diff, as scripts rely on them.
#include "cli_fixture.h"

namespace chanforge::cli {
namespace {

TEST_F(Cli, CheckAndDiffExitStatuses) {
  std::string image = MakeSampleImage();
  Sample();
  image[0x44 + 17] = 0x7F;  // channel 1's TP points past the transponders
  dir_.Write("bad.bin", image);
  image = MakeSampleImage() + "x";  // only a size warning
  dir_.Write("long.bin", image);
  struct Run {
    const char* args;
    int status;
    std::size_t lines;
  } const runs[] = {
      {"check flash512k.bin", 0, 0},
      {"check --warnings-as-errors flash512k.bin", 0, 0},
      {"check bad.bin", 1, 1},
      {"check long.bin", 0, 1},
      {"check long.bin --warnings-as-errors", 1, 1},
      {"check missing.bin", 2, 0},
      {"check", 2, 0},
      {"diff flash512k.bin flash512k.bin", 0, 0},
      {"diff flash512k.bin bad.bin", 1, 1},
      {"diff flash512k.bin missing.bin", 2, 0},
      {"diff flash512k.bin", 2, 0},
  };
  for (const Run& r : runs) {
    const Result run = Cmd(r.args);
    EXPECT_EQ(run.status, r.status) << r.args;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), r.lines) << r.args;
  }
}

}  // namespace
}  // namespace chanforge::cli
