// Source and target checks that need POSIX: a FIFO and a symbolic link.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "channels/channel_conversions.h"
#include "channels/channel_record.h"
#include "common/list_files.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"

namespace chanforge::channels {
namespace {

using common::Outcome;
using testing::ScriptedFrontend;
using testing::TempDir;

TEST(ConfirmSourceAndTarget, RefusalsAndQuestions) {
  TempDir dir;
  const std::string src = dir.Write("src.txt", "x"), dst = dir.Write("dst.bin", "keep");
  std::filesystem::create_symlink(src, dir.Path("link.txt"));
  ::mkfifo(dir.Path("fifo").c_str(), 0600);
  const std::string same = "Source and target are the same file : " + src;
  const struct {
    std::string source, target;
    Outcome outcome;
    std::string message;
  } cases[] = {
      {dir.Path("nope"), dst, Outcome::kFailed, "File : " + dir.Path("nope") + " not found!"},
      {src, dir.Path("./src.txt"), Outcome::kRefused, same},
      {src, dir.Path("link.txt"), Outcome::kRefused, same},
      {src, dir.Path("fifo"), Outcome::kRefused,
       "File : " + dir.Path("fifo") + " is not a regular file !"},
      {src, dir.Path("new.bin"), Outcome::kDone, ""},
  };
  for (const auto& c : cases) {
    ScriptedFrontend ui;
    EXPECT_EQ(common::ConfirmSourceAndTarget(ui, c.source, c.target), c.outcome) << c.target;
    EXPECT_EQ(ui.OnlyMessage(), c.message);
  }
  ScriptedFrontend ui;
  ui.Answer(false);
  EXPECT_EQ(common::ConfirmSourceAndTarget(ui, src, dst), Outcome::kCancelled);
  EXPECT_EQ(ui.questions[0], "File : " + dst + " already exists !\r\nOverwrite ?");
  EXPECT_EQ(TempDir::Read(dst), "keep");
}

}  // namespace
}  // namespace chanforge::channels
