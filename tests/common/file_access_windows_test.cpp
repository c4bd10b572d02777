#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <thread>

#include "common/file_access.h"
#include "support/builders.h"

namespace chanforge::common {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// A target that cannot be replaced keeps its bytes, and the folder gains nothing.
TEST(SafeWriterWindows, ReadOnlyOrHeldTargetFailsWithAReasonAndIsKept) {
  TempDir dir;
  const std::string read_only = dir.Write("read-only.bin", "old");
  ASSERT_TRUE(::SetFileAttributesW(fs::path(read_only).c_str(), FILE_ATTRIBUTE_READONLY));
  const std::string held = dir.Write("held.bin", "old");
  const HANDLE holder = ::CreateFileW(fs::path(held).c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  for (const std::string& target : {read_only, held}) {
    EXPECT_FALSE(dir.disk.WriteWhole(target, "new").ok()) << target;
    EXPECT_EQ(dir.EntryCount(), 2u) << target;
  }
  ::CloseHandle(holder);
  EXPECT_EQ(TempDir::Read(held), "old");
  ::SetFileAttributesW(fs::path(read_only).c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(TempDir::Read(read_only), "old");
}

TEST(SafeWriterWindows, DevicesAreRefusedAndUtf8NamesWork) {
  TempDir dir;
  for (const char* device : {"NUL", "CON"}) {
    EXPECT_EQ(dir.disk.KindOf(device), EntryKind::kOther) << device;
    EXPECT_FALSE(dir.disk.WriteWhole(device, "x").ok()) << device;
    EXPECT_FALSE(dir.disk.ReadWhole(device, kImageFileLimit).ok()) << device;  // CON would wait
  }
  const std::string name = dir.Path("") + "Kan\xC3\xA4le \xE2\x82\xAC.bin";
  ASSERT_TRUE(dir.disk.WriteWhole(name, "new").ok());
  EXPECT_EQ(*dir.disk.ReadWhole(name, kImageFileLimit), "new");
  EXPECT_EQ(dir.disk.StampOf(name).size, 3);
  EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST(FileLockWindows, FollowsTheFileThatNowHasTheName) {
  TempDir dir;
  const std::string name = dir.Write("image.bin", "one");
  FileLock first;
  ASSERT_TRUE(first.Lock(name));
  ASSERT_TRUE(dir.disk.WriteWhole(name, "two").ok());  // a new file under the name
  bool locked = false;
  // From another thread: the holder's own thread could take its lock again anyway.
  std::thread([&] { locked = FileLock().Lock(name); }).join();
  EXPECT_TRUE(locked);
  EXPECT_FALSE(FileLock().Lock(dir.Path("missing")));
}

}  // namespace
}  // namespace chanforge::common
