// File access cases that need POSIX: FIFOs, /dev/null, symbolic links, modes and owners.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "common/file_access.h"
#include "support/builders.h"

namespace chanforge::common {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(KindOf, TellsFilesFoldersAndSpecialEntries) {
  TempDir dir;
  ::mkfifo(dir.Path("fifo").c_str(), 0600);
  fs::create_directory(dir.Path("folder"));
  fs::create_symlink("loop", dir.Path("loop"));
  fs::create_symlink("missing", dir.Path("dangling"));
  const struct {
    std::string name;
    EntryKind kind;
    bool exists;
  } cases[] = {{dir.Write("file", "x"), EntryKind::kRegular, true},
               {dir.Path("folder"), EntryKind::kFolder, true},
               {dir.Path("fifo"), EntryKind::kOther, false},
               {"/dev/null", EntryKind::kOther, false},
               {dir.Path("loop"), EntryKind::kOther, false},
               {dir.Path("dangling"), EntryKind::kMissing, false},
               {"", EntryKind::kMissing, false},
               {std::string("bad\0name", 8), EntryKind::kMissing, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(KindOf(c.name), c.kind) << c.name;
    EXPECT_EQ(FileExists(c.name), c.exists) << c.name;
  }
}

TEST(SameFile, SeesThroughSpellingsAndLinks) {
  TempDir dir;
  const std::string file = dir.Write("a.txt", "x");
  dir.Write("b.txt", "x");
  fs::create_symlink(file, dir.Path("link.txt"));
  EXPECT_TRUE(SameFile(file, dir.Path("./a.txt")));
  EXPECT_TRUE(SameFile(file, dir.Path("link.txt")));
  EXPECT_FALSE(SameFile(file, dir.Path("b.txt")));
  EXPECT_FALSE(SameFile(file, dir.Path("missing")));
}

TEST(SafeWriter, KeepsOwnerModeAndLinksAndTakesTheLongestNames) {
  TempDir dir;
  const std::string target = dir.Write("t.bin", "old");
  ::chmod(target.c_str(), 0640);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(target.c_str(), 1234, 1234), 0);
  }
  fs::create_symlink("t.bin", dir.Path("link.bin"));
  ASSERT_TRUE(WriteFileSafely(dir.Path("link.bin"), "via link").ok);
  EXPECT_TRUE(fs::is_symlink(dir.Path("link.bin")));
  EXPECT_EQ(TempDir::Read(target), "via link");
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  if (root) {
    EXPECT_EQ(info.st_uid, 1234u);
    EXPECT_EQ(info.st_gid, 1234u);
  }
  const std::string longest = dir.Write(std::string(255, 'n'), "old");
  EXPECT_TRUE(WriteFileSafely(longest, "new").ok);
  EXPECT_EQ(TempDir::Read(longest), "new");
}

TEST(SafeWriter, RefusesSpecialTargetsAndKeepsTheOldFileOnFailure) {
  TempDir dir;
  ::mkfifo(dir.Path("fifo").c_str(), 0600);
  fs::create_directory(dir.Path("folder"));
  for (const std::string& name : {dir.Path("fifo"), dir.Path("folder"), std::string("/dev/null"),
                                  dir.Path("nowhere/t.bin"), std::string()}) {
    const WriteResult result = WriteFileSafely(name, "x");
    EXPECT_FALSE(result.ok) << name;
    EXPECT_FALSE(result.error.empty()) << name;
  }
  EXPECT_EQ(fs::status(dir.Path("fifo")).type(), fs::file_type::fifo);
  EXPECT_EQ(dir.EntryCount(), 2u);
}

}  // namespace
}  // namespace chanforge::common
