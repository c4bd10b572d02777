// Saving where POSIX gives the reason in its own words, and /dev/null as a target.
#include <gtest/gtest.h>

#include <filesystem>

#include "flash/flash_file.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"

namespace chanforge::flash {
namespace {

using common::Outcome;
using testing::ScriptedFrontend;
using testing::TempDir;

TEST(SaveFlashFile, NoKeepsTheTargetAndFailureKeepsState) {
  TempDir dir;
  const std::string target = dir.Write("out.bin", "keep");
  Workspace w;
  w.image = {"data", "in.bin"};
  w.dirty = true;
  ScriptedFrontend ui;
  ui.Choose(target).Answer(false).Choose(dir.Path("no/such/folder.bin")).Choose("/dev/null");
  EXPECT_EQ(SaveFlashFile(w, ui, ""), Outcome::kCancelled);
  EXPECT_EQ(TempDir::Read(target), "keep");
  EXPECT_EQ(SaveFlashFile(w, ui, ""), Outcome::kFailed);
  EXPECT_EQ(ui.messages.at(0).second, "Error Writing the file " + dir.Path("no/such/folder.bin") +
                                          " !\r\nNo such file or directory");
  EXPECT_EQ(SaveFlashFile(w, ui, ""), Outcome::kCancelled);
  EXPECT_EQ(ui.messages.at(1).second, "File : /dev/null is not a regular file !");
  EXPECT_EQ(w.image.fileName, "in.bin");
  EXPECT_TRUE(w.dirty);
}

}  // namespace
}  // namespace chanforge::flash
