#include "common/file_access.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <memory>
#include <thread>
#endif

#include <filesystem>

#include "common/reported_files.h"
#include "common/text_lines.h"
#include "support/builders.h"
#include "support/fake_files.h"
#include "support/scripted_frontend.h"

namespace chanforge::common {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(Reading, IsExactBoundedAndNeverReadsAHugeFileWhole) {
  TempDir dir;
  const std::string bytes("\0\xFF\r\n\x1A tail", 9);
  EXPECT_EQ(*dir.disk.ReadWhole(dir.Write("f", bytes), kImageFileLimit), bytes);
  EXPECT_TRUE(dir.disk.ReadWhole(dir.Path("f"), 9).ok());  // the limit itself is allowed
  EXPECT_FALSE(dir.disk.ReadWhole(dir.Path("f"), 8).ok());
  EXPECT_EQ(*dir.disk.ReadPrefix(dir.Path("f"), 3), bytes.substr(0, 3));
  fs::create_directory(dir.Path("folder"));
  EXPECT_EQ(dir.disk.ReadWhole(dir.Path("folder"), kImageFileLimit), "it is a folder");
  EXPECT_FALSE(dir.disk.ReadWhole(dir.Path("missing"), kImageFileLimit).ok());
  // A file of many terabytes: answered from its length alone.
  testing::FakeFiles files;
  files.File("huge", "", std::int64_t{5} << 40);
  EXPECT_EQ(files.ReadWhole("huge", kListFileLimit).message().wording, &kTooLargeError);
  EXPECT_TRUE(files.opened.empty());
  testing::ScriptedFrontend frontend;  // as when a file's size is asked first
  EXPECT_EQ(SizeOrReport(frontend, files, "huge", std::int64_t{5} << 40), std::int64_t{5} << 40);
  EXPECT_EQ(SizeOrReport(frontend, files, "huge", (std::int64_t{5} << 40) - 1), -1);
  EXPECT_EQ(frontend.messages.size(), 1u);
  EXPECT_EQ(*files.ReadPrefix("huge", 10), std::string(10, '\0'));
  EXPECT_EQ(files.bytes_read, 10);
  files.room = 3;  // a full disk says so and leaves the old file
  files.File("t", "old");
  EXPECT_EQ(files.WriteWhole("t", "longer"), "No space left on device");
  EXPECT_EQ(*files.ReadWhole("t", 10), "old");
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
  std::string nothing;  // nothing opened: nothing read, written or committed
  EXPECT_FALSE(SafeWriter().Write("x") || SafeWriter().Commit() || FileReader().Read(1, nothing));
}

TEST(TextLines, SplitLinesAndShowBytesSafely) {
  std::vector<std::string_view> lines;
  LineReader reader("a\r\nb\rc\n\r\n\nd\r\n");
  for (std::string_view line; reader.Next(line);) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string_view>{"a", "b", "c", "", "", "d"}));
  EXPECT_EQ(Latin1ForTerminal("T\xE9S\x1B[2J\x85\x7F\xA0"), "T\xC3\xA9S.[2J..\xC2\xA0");
  // The edges of the printable runs, appended behind what is there.
  std::string shown = "x";
  AppendLatin1ForTerminal(shown, "\x1F ~\x7F\x9F\xFF");
  EXPECT_EQ(shown, "x. ~..\xC3\xBF");
  EXPECT_EQ(
      Utf8ForTerminal(std::string("T\xC3\xA9\x1B[\xC2\x9B") + "2J\x7F\xC2\xA0\xF0\x9F\x98\x80\xC2"),
      "T\xC3\xA9.[.2J.\xC2\xA0\xF0\x9F\x98\x80\xC2");
  // A broken sequence is bytes: its lead shows, what follows is judged on its own.
  EXPECT_EQ(Utf8ForTerminal("\xC3\x01\x80\x9F\xA0\xE2\x82"), "\xC3...\xA0\xE2.");
  EXPECT_EQ(Latin1ToUtf8("\x7F\x80"), "\x7F\xC2\x80");
  EXPECT_EQ(ToUpperAscii("`az{\xE9"), "`AZ{\xE9");
  // Well-formed UTF-8 only: no cut, overlong, surrogate or out-of-range sequence.
  for (const char* text :
       {"a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", "\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80",
        "\xDF\xBF\xEF\xBF\xBF\xF4\x8F\xBF\xBF", "\xED\x9F\xBF\xF3\xB0\x80\x80"})
    EXPECT_TRUE(IsUtf8(text)) << text;
  // Runs of ASCII are passed over eight bytes at a time: a byte past ASCII at any place
  // still counts, a character across the eighth byte still reads.
  EXPECT_TRUE(IsUtf8(std::string(7, 'a') + "\xC3\xA9" + std::string(9, 'a')));
  for (std::size_t at = 0; at < 17; ++at) {
    std::string text(17, 'a');
    text[at] = '\x80';
    EXPECT_FALSE(IsUtf8(text)) << at;
  }
  for (const char* text :
       {"\xC3", "\xC0\xAF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xED\xA0\x80", "\xED\xBF\xBF",
        "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xC3(", "\x80"})
    EXPECT_FALSE(IsUtf8(text)) << text;
  EXPECT_EQ(QuotedText(std::string(40, 'a')), "\"" + std::string(40, 'a') + "\"");
  EXPECT_EQ(QuotedText("\xC3\xA9" + std::string(40, 'a')),
            "\"\xC3\xA9" + std::string(39, 'a') + "\u2026\"");
  // One line, steering no terminal: a control character is an escape, counted as one.
  EXPECT_EQ(QuotedText("a\r\nb\t\x1B[2J\x7F\xC2\x85\xC2\x80\xC2\xA0"),
            "\"a\\r\\nb\\t\\x1B[2J\\x7F\\x85\\x80\xC2\xA0\"");
  EXPECT_EQ(QuotedText(std::string(39, 'a') + "\n\n"), "\"" + std::string(39, 'a') + "\\n\u2026\"");
  EXPECT_EQ(ReadValue("12.00"), 12);
  EXPECT_EQ(ReadValue("0x1F"), 31);
  for (const char* text : {"12.", "12.5", "0x1.0", ".0", "1 2"})
    EXPECT_EQ(ReadValue(text), std::nullopt) << text;
}

TEST(TextLines, ALongLineKeepsWholeCharactersAndStaysNonBlank) {
  const auto split = [](std::size_t kept, const std::string& head) {
    LineSplitter splitter(kept);
    std::vector<std::string> lines;
    const auto take = [&](std::string_view line) {
      lines.emplace_back(line);
      return true;
    };
    splitter.pending() = head;
    splitter.Split(false, take);
    splitter.pending() += "tail\n";
    splitter.Split(true, take);
    return lines;
  };
  using Lines = std::vector<std::string>;
  // The cut would fall inside a character of two, three and four bytes, or right after one.
  EXPECT_EQ(split(4, "abc\xC3\xA9xyzxyz"), Lines{"abc?"});
  EXPECT_EQ(split(4, "ab\xE2\x82\xACxyzxyz"), Lines{"ab?"});
  EXPECT_EQ(split(3, "a\xE2\x80\x94xyzxyz"), Lines{"a?"});  // a continuation byte of 0x80
  EXPECT_EQ(split(4, "a\xF0\x9F\x98\x80xyzxyz"), Lines{"a?"});
  EXPECT_EQ(split(4, "abc\xC0xyzxyz"), Lines{"abc?"});  // 0xC0 leads no whole character
  EXPECT_EQ(split(5, "abc\xC3\xA9xyzxyz"), Lines{"abc\xC3\xA9x"});
  EXPECT_EQ(split(4, "abcd          "), Lines{"abcdt"});
}

#ifndef _WIN32
// FIFOs, /dev/null, symbolic links, modes and owners, flock and the descriptors in /proc.
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
    EXPECT_EQ(dir.disk.KindOf(name), kind) << name;
    EXPECT_EQ(dir.disk.Exists(name), kind != EntryKind::kMissing) << name;
  }
  // Opened without waiting for a writer, then refused for what it is; the lock returns.
  EXPECT_EQ(dir.disk.ReadWhole(dir.Path("fifo"), kImageFileLimit), "not a regular file");
  FileLock().Lock(dir.Path("fifo"));
  // A folder's listing holds every entry but its folders; a folder that cannot be read says why.
  EXPECT_EQ(*dir.disk.FilesInFolder(fs::path(dir.Path("file")).parent_path().string()),
            (std::vector<std::string>{"dangling", "fifo", "file", "loop"}));
  const Result<std::vector<std::string>> missing = dir.disk.FilesInFolder(dir.Path("missing"));
  EXPECT_FALSE(missing.ok() || missing.message().empty());
}

TEST(SafeWriter, KeepsOwnerModeAndLinksAndTakesTheLongestNames) {
  TempDir dir;
  const std::string target = dir.Write("t.bin", "old");
  ::chmod(target.c_str(), 0640);
  const bool root = ::geteuid() == 0;
  ASSERT_TRUE(!root || ::chown(target.c_str(), 1234, 1234) == 0);
  fs::create_symlink("t.bin", dir.Path("link.bin"));
  ASSERT_TRUE(dir.disk.WriteWhole(dir.Path("link.bin"), "via link").ok());
  EXPECT_TRUE(fs::is_symlink(dir.Path("link.bin")));
  EXPECT_EQ(TempDir::Read(target), "via link");
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_TRUE(!root || (info.st_uid == 1234u && info.st_gid == 1234u));
  const std::string longest = dir.Write(std::string(255, 'n'), "old");
  EXPECT_TRUE(dir.disk.WriteWhole(longest, "new").ok());
  EXPECT_EQ(TempDir::Read(longest), "new");
}

// A user's attribute, and an ACL (version 2; owner, user 1234, group, mask, others).
TEST(SafeWriter, KeepsExtendedAttributesAndTheAcl) {
  TempDir dir;
  const std::string target = dir.Write("t.bin", "old");
  const std::string acl(
      "\2\0\0\0\1\0\6\0\xFF\xFF\xFF\xFF\2\0\4\0\xD2\4\0\0\4\0\4\0\xFF\xFF\xFF\xFF"
      "\x10\0\4\0\xFF\xFF\xFF\xFF\x20\0\0\0\xFF\xFF\xFF\xFF",
      44);
  const std::pair<const char*, std::string> attributes[] = {{"user.chanforge", "kept"},
                                                            {"system.posix_acl_access", acl}};
  for (const auto& [name, value] : attributes) {
    if (::setxattr(target.c_str(), name, value.data(), value.size(), 0) != 0)
      GTEST_SKIP() << "the file system of " << target << " keeps no " << name;
  }
  ASSERT_TRUE(dir.disk.WriteWhole(target, "new").ok());
  for (const auto& [name, value] : attributes) {
    std::string kept(value.size() + 1, '\0');
    EXPECT_EQ(::getxattr(target.c_str(), name, kept.data(), kept.size()), value.size()) << name;
    EXPECT_EQ(kept.substr(0, value.size()), value) << name;
  }
  // A file without an ACL keeps none, though its folder now gives new files one.
  fs::create_directory(dir.Path("inheriting"));
  const std::string plain = dir.Write("inheriting/plain.bin", "old");
  const std::string folder = dir.Path("inheriting");
  ASSERT_EQ(::setxattr(folder.c_str(), "system.posix_acl_default", acl.data(), acl.size(), 0), 0);
  ASSERT_TRUE(dir.disk.WriteWhole(plain, "new").ok());
  EXPECT_LT(::getxattr(plain.c_str(), "system.posix_acl_access", nullptr, 0), 0);
  // A new file there gets what the folder gives any new file, as touch would make it.
  ASSERT_TRUE(dir.disk.WriteWhole(dir.Path("inheriting/new.bin"), "new").ok());
  ::close(::open(dir.Path("inheriting/touched").c_str(), O_WRONLY | O_CREAT, 0666));
  EXPECT_EQ(fs::status(dir.Path("inheriting/new.bin")).permissions(),
            fs::status(dir.Path("inheriting/touched")).permissions());
}

TEST(SafeWriter, RefusesSpecialTargetsAndKeepsTheOldFileOnFailure) {
  TempDir dir;
  ::mkfifo(dir.Path("fifo").c_str(), 0600);
  fs::create_directory(dir.Path("folder"));
  for (const std::string& name : {dir.Path("fifo"), dir.Path("folder"), std::string("/dev/null"),
                                  dir.Path("nowhere/t.bin"), std::string()})
    EXPECT_FALSE(dir.disk.WriteWhole(name, "x").ok()) << name;
  SafeWriter refused;  // says so itself, not only in its error
  EXPECT_FALSE(refused.Open(dir.Path("folder")));
  EXPECT_EQ(fs::status(dir.Path("fifo")).type(), fs::file_type::fifo);
  EXPECT_EQ(dir.EntryCount(), 2u);
  // A read-only file stays as it is, root's too; one with other names is replaced.
  const std::string locked = dir.Write("locked.bin", "old");
  ::chmod(locked.c_str(), 0444);
  EXPECT_EQ(dir.disk.WriteWhole(locked, "new").message().wording, &kReadOnlyError);
  EXPECT_EQ(TempDir::Read(locked), "old");
  fs::create_hard_link(dir.Write("linked.bin", "old"), dir.Path("other"));
  SafeWriter writer;
  ASSERT_TRUE(writer.Open(dir.Path("linked.bin")) && writer.Write("new") && writer.Commit());
  EXPECT_EQ(writer.notice(),
            "is a file of its own now: its other name (a hard link) keeps the old content");
  EXPECT_EQ(TempDir::Read(dir.Path("other")), "old");
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
  ASSERT_TRUE(dir.disk.WriteWhole(name, "two").ok());  // a new file under the name
  first.reset();
  waiter.join();
  const int probe = ::open(name.c_str(), O_RDONLY);
  EXPECT_NE(::flock(probe, LOCK_EX | LOCK_NB), 0);  // the new file is the one held
  ::close(probe);
  EXPECT_FALSE(FileLock().Lock(dir.Path("missing")));
}
TEST(MappedFile, MapsOnlyWhenAllowedAndNamesTheFileAFaultLiesIn) {
  TempDir dir;
  const std::string a = dir.Write("a.bin", "first file");
  const std::string b = dir.Write("b.bin", "second file");
  EXPECT_EQ(dir.disk.Map(a, kImageFileLimit), nullptr);  // no handler yet
  AllowMappedReads();
  fs::create_directory(dir.Path("folder"));
  for (const std::string& unmapped : {dir.Write("empty", ""), dir.Path("folder"), a})
    EXPECT_EQ(dir.disk.Map(unmapped, unmapped == a ? 9 : kImageFileLimit), nullptr) << unmapped;
  auto first = dir.disk.Map(a, kImageFileLimit);
  const auto second = dir.disk.Map(b, kImageFileLimit);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(second->bytes(), "second file");
  const char* gone = first->bytes().data();
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(ReportMappedReadFault(gone + 3));
  first.reset();
  EXPECT_FALSE(ReportMappedReadFault(gone + 3));
  EXPECT_TRUE(ReportMappedReadFault(second->bytes().data()));
  EXPECT_FALSE(ReportMappedReadFault(second->bytes().data() + 4096));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "File : " + a + " can not be read !\nFile : " + b + " can not be read !\n");
}

#endif

}  // namespace
}  // namespace chanforge::common