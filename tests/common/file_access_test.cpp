#include "common/file_access.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/text_lines.h"
#include "support/builders.h"

namespace chanforge::common {
namespace {

using testing::TempDir;

TEST(FileExists, CountsFilesAndFoldersButNotMissingOrEmptyNames) {
  TempDir dir;
  const std::string file = dir.Write("a.bin", "x");
  const std::string dot_file = dir.Write(".hidden", "");
  std::filesystem::create_directory(dir.Path("folder"));
  EXPECT_TRUE(FileExists(file));
  EXPECT_TRUE(FileExists(dot_file));
  EXPECT_TRUE(FileExists(dir.Path("folder")));
  EXPECT_FALSE(FileExists(dir.Path("missing")));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists(std::string("bad\0name", 8)));
}

TEST(ReadWholeFile, ReadsBytesExactlyAndRefusesFolders) {
  TempDir dir;
  const std::string bytes("\0\xFF\r\n\x1A tail", 9);
  EXPECT_EQ(ReadWholeFile(dir.Write("f", bytes)).bytes, bytes);
  std::filesystem::create_directory(dir.Path("folder"));
  const ReadResult folder = ReadWholeFile(dir.Path("folder"));
  EXPECT_FALSE(folder.ok);
  EXPECT_FALSE(folder.error.empty());
  EXPECT_FALSE(ReadWholeFile(dir.Path("missing")).ok);
}

TEST(WriteFileSafely, ReplacesWholeContentWithoutTemporaryLeftovers) {
  TempDir dir;
  const std::string target = dir.Write("t.bin", std::string(1000, 'o'));
  ASSERT_TRUE(WriteFileSafely(target, "new").ok);
  EXPECT_EQ(TempDir::Read(target), "new");  // no tail of the longer old file
  EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST(WriteFileSafely, KeepsPermissionBitsAndSymlinks) {
  TempDir dir;
  const std::string target = dir.Write("t.bin", "old");
  ::chmod(target.c_str(), 0640);
  const std::string link = dir.Path("link.bin");
  std::filesystem::create_symlink("t.bin", link);
  ASSERT_TRUE(WriteFileSafely(link, "via link").ok);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(TempDir::Read(target), "via link");
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(WriteFileSafely, FailureKeepsOldFileAndLeavesNoTemporary) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path("ro"));
  const std::string target = dir.Write("ro/t.bin", "old content");
  // A folder target and a missing folder both fail cleanly.
  EXPECT_FALSE(WriteFileSafely(dir.Path("ro"), "x").ok);
  EXPECT_FALSE(WriteFileSafely(dir.Path("nowhere/t.bin"), "x").ok);
  if (::geteuid() != 0) {  // root ignores folder permissions
    ::chmod(dir.Path("ro").c_str(), 0500);
    const WriteResult result = WriteFileSafely(target, "new");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    ::chmod(dir.Path("ro").c_str(), 0700);
  }
  EXPECT_EQ(TempDir::Read(target), "old content");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path("ro")),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(SameFile, SeesThroughSpellingsAndLinks) {
  TempDir dir;
  const std::string file = dir.Write("a.txt", "x");
  dir.Write("b.txt", "x");
  std::filesystem::create_directory(dir.Path("sub"));
  std::filesystem::create_symlink(file, dir.Path("link.txt"));
  EXPECT_TRUE(SameFile(file, dir.Path("sub/../a.txt")));
  EXPECT_TRUE(SameFile(file, dir.Path("link.txt")));
  EXPECT_FALSE(SameFile(file, dir.Path("b.txt")));
  EXPECT_FALSE(SameFile(file, dir.Path("missing")));
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  LineReader reader(text);
  std::string_view line;
  while (reader.Next(line)) lines.push_back(line);
  return lines;
}

TEST(LineReader, EndsLinesAtCrLfLoneCrAndLoneLf) {
  using L = std::vector<std::string_view>;
  EXPECT_EQ(Lines("a\r\nb\rc\nd"), (L{"a", "b", "c", "d"}));
  EXPECT_EQ(Lines("a\r\n\r\nb\r\n"), (L{"a", "", "b"}));
  EXPECT_EQ(Lines("a\nb\nc\rd\r\ne"), (L{"a", "b", "c", "d", "e"}));  // ends found anew
  EXPECT_EQ(Lines("\n\r"), (L{"", ""}));
  EXPECT_TRUE(Lines("").empty());
}

}  // namespace
}  // namespace chanforge::common
