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
  const ReadResult folder = ReadWholeFile(dir.Path("folder"));
  EXPECT_EQ(folder.ok ? "read" : folder.error, "it is a folder");
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
  EXPECT_FALSE(SafeWriter().Write("never opened"));
}

TEST(TextLines, SplitLinesAndShowBytesSafely) {
  std::vector<std::string_view> lines;
  LineReader reader("a\r\nb\rc\n\r\n\nd");
  for (std::string_view line; reader.Next(line);) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string_view>{"a", "b", "c", "", "", "d"}));
  EXPECT_EQ(Latin1ForTerminal("T\xE9S\x1B[2J\x85\x7F\xFF"), "T\xC3\xA9S.[2J..\xC3\xBF");
  EXPECT_EQ(ToUpperAscii("`az{\xE9"), "`AZ{\xE9");
}

}  // namespace
}  // namespace chanforge::common