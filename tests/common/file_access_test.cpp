#include "common/file_access.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/text_lines.h"
#include "support/builders.h"

namespace chanforge::common {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(Reading, IsExactBoundedAndNeverReadsAHugeFileWhole) {
  TempDir dir;
  const std::string bytes("\0\xFF\r\n\x1A tail", 9);
  EXPECT_EQ(ReadWholeFile(dir.Write("f", bytes)).bytes, bytes);
  EXPECT_EQ(ReadFilePrefix(dir.Path("f"), 3).bytes, bytes.substr(0, 3));
  fs::create_directory(dir.Path("folder"));
  EXPECT_FALSE(ReadWholeFile(dir.Path("folder")).ok);
  EXPECT_FALSE(ReadWholeFile(dir.Path("missing")).ok);
  // A sparse file of many gigabytes: answered from its length alone.
  dir.Sparse("huge", std::uintmax_t{5} << 40);
  EXPECT_EQ(FileSize(dir.Path("huge")), std::int64_t{5} << 40);
  EXPECT_FALSE(ReadWholeFile(dir.Path("huge"), kListFileLimit).ok);
  EXPECT_EQ(ReadFilePrefix(dir.Path("huge"), 10).bytes, std::string(10, '\0'));
}

TEST(SafeWriter, ReplacesWholeContentInPiecesAndLeavesNothingBehind) {
  TempDir dir;
  const std::string target = dir.Write("t.bin", std::string(1000, 'o'));
  {
    SafeWriter writer;
    ASSERT_TRUE(writer.Open(target));
    ASSERT_TRUE(writer.Write("ne") && writer.Write("w"));
    EXPECT_EQ(TempDir::Read(target), std::string(1000, 'o'));  // not yet
    ASSERT_TRUE(writer.Commit());
  }
  EXPECT_EQ(TempDir::Read(target), "new");  // no tail of the longer old file
  {
    SafeWriter abandoned;
    ASSERT_TRUE(abandoned.Open(target));
    ASSERT_TRUE(abandoned.Write("half"));
    EXPECT_EQ(dir.EntryCount(), 2u);
    RemovePendingTemporaryFile();  // what a signal handler does
    EXPECT_EQ(dir.EntryCount(), 1u);
  }
  {
    SafeWriter dropped;  // an error path: never committed
    ASSERT_TRUE(dropped.Open(target));
    ASSERT_TRUE(dropped.Write("lost"));
  }
  EXPECT_EQ(TempDir::Read(target), "new");
  EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST(FileLock, FollowsAFileReplacedWhileWaiting) {
  TempDir dir;
  const std::string name = dir.Write("image.bin", "one");
  FileLock first;
  ASSERT_TRUE(first.Lock(name));
  ASSERT_TRUE(WriteFileSafely(name, "two").ok);  // a new file under the name
  FileLock second;
  EXPECT_TRUE(second.Lock(name));  // the new file is not locked by the first holder
  EXPECT_FALSE(FileLock().Lock(dir.Path("missing")));
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  LineReader reader(text);
  std::string_view line;
  while (reader.Next(line)) lines.push_back(line);
  return lines;
}

TEST(TextLines, SplitLinesAndConvertBytesForDisplay) {
  using L = std::vector<std::string_view>;
  EXPECT_EQ(Lines("a\r\nb\rc\nd"), (L{"a", "b", "c", "d"}));
  EXPECT_EQ(Lines("a\r\n\r\nb\r\n"), (L{"a", "", "b"}));
  EXPECT_EQ(Lines("a\nb\nc\rd\r\ne"), (L{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(Lines("\n\r"), (L{"", ""}));
  EXPECT_TRUE(Lines("").empty());
  EXPECT_EQ(Latin1ToUtf8("T\xE9ST\x1B"), "T\xC3\xA9ST\x1B");
  EXPECT_EQ(Latin1ForTerminal("T\xE9S\x1B[2J\x85\x7F\xFF"), "T\xC3\xA9S.[2J..\xC3\xBF");
  EXPECT_EQ(ToUpperAscii("tpt\xE9"), "TPT\xE9");
  EXPECT_EQ(HexDigits(0), "0");
  EXPECT_EQ(HexDigits(0xEA60), "EA60");
}

}  // namespace
}  // namespace chanforge::common
