// File access cases that need POSIX: FIFOs, /dev/null, symbolic links, modes and owners,
// flock and the open descriptors in /proc.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <thread>

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
  const std::pair<std::string, EntryKind> cases[] = {
      {dir.Write("file", "x"), EntryKind::kRegular},
      {dir.Path("folder"), EntryKind::kFolder},
      {dir.Path("fifo"), EntryKind::kOther},
      {"/dev/null", EntryKind::kOther},
      {dir.Path("loop"), EntryKind::kOther},
      {dir.Path("dangling"), EntryKind::kMissing},
      {"", EntryKind::kMissing},
      {std::string("bad\0name", 8), EntryKind::kMissing}};
  for (const auto& [name, kind] : cases) {
    EXPECT_EQ(KindOf(name), kind) << name;
    EXPECT_EQ(FileExists(name), kind == EntryKind::kRegular || kind == EntryKind::kFolder) << name;
  }
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
  EXPECT_TRUE(!root || (info.st_uid == 1234u && info.st_gid == 1234u));
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
    EXPECT_FALSE(result.ok || result.error.empty()) << name;
  }
  EXPECT_EQ(fs::status(dir.Path("fifo")).type(), fs::file_type::fifo);
  EXPECT_EQ(dir.EntryCount(), 2u);
}

TEST(FileLock, AWaiterLocksTheFileThatReplacedTheOneItWaitedFor) {
  TempDir dir;
  const std::string name = dir.Write("image.bin", "one");
  auto first = std::make_unique<FileLock>();
  ASSERT_TRUE(first->Lock(name));
  FileLock second;
  std::thread waiter([&] { EXPECT_TRUE(second.Lock(name)); });
  const std::string target = fs::canonical(name).string();
  for (int open = 0; open < 2; std::this_thread::yield()) {  // until the waiter has the old file
    open = 0;
    for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
      std::error_code ec;
      open += fs::read_symlink(fd.path(), ec).string() == target;
    }
  }
  ASSERT_TRUE(WriteFileSafely(name, "two").ok);  // a new file under the name
  first.reset();
  waiter.join();
  const int probe = ::open(name.c_str(), O_RDONLY);
  EXPECT_NE(::flock(probe, LOCK_EX | LOCK_NB), 0);  // the new file is the one held
  ::close(probe);
  EXPECT_FALSE(FileLock().Lock(dir.Path("missing")));
}

}  // namespace
}  // namespace chanforge::common
