// Hostile inputs and unanswered questions: each is refused and nothing is written.
#include <vector>

#include "cli_fixture.h"

namespace chanforge::cli {
namespace {

TEST_F(Robustness, HostileInputsAndUnansweredQuestionsWriteNothing) {
  std::filesystem::create_directory(dir_.Path("folder"));
  dir_.Write("empty.bin", "");
  dir_.Write("long.bin", std::string(70020, 'b'));
  dir_.Sparse("huge.bin", std::uintmax_t{15} << 40);
  for (const std::string& args : std::vector<std::string>{
           "blocks folder", "blocks huge.bin", "save-block empty.bin 0 out",
           "read-block flash512k.bin 0 long.bin -o out",
           "read-block flash512k.bin 0 huge.bin -o out", "tcs2txt huge.bin out",
           "txt2tcs huge.bin out", "view --tcs huge.bin", "txt2tcs folder out",
           "tcs2txt missing out", "tcs2txt TCS TCS.txt", "clear-block flash512k.bin 3 -o out",
           "--yes save-block flash512k.bin 0 flash512k.bin",
           "--yes tcs2txt flash512k.bin " + std::string(kNullDevice)}) {
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
