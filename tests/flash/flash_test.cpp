#include <gtest/gtest.h>

#include <filesystem>

#include "flash/block_check.h"
#include "flash/block_clear.h"
#include "flash/block_header.h"
#include "flash/block_transfer.h"
#include "flash/blocks.h"
#include "flash/flash_file.h"
#include "flash/flash_image.h"
#include "support/builders.h"
#include "support/fake_files.h"
#include "support/scripted_frontend.h"
#include "support/workspace.h"

namespace chanforge::flash {
namespace {

using common::ListKind;

using common::Outcome;
using testing::FlashImageBuilder;
using testing::LoadedWorkspace;
using testing::ScriptedFrontend;
using testing::TempDir;
using namespace std::string_literals;

TEST(ScanBlocks, ReachesBlocksByTheImageLength) {
  const std::pair<std::size_t, int> cases[] = {{0, 0},     {33, 0},     {34, 1},    {65569, 1},
                                               {65570, 2}, {524288, 8}, {589824, 8}};
  for (const auto& [size, blocks] : cases)
    EXPECT_EQ(LoadedWorkspace(std::string(size, '\xFF')).block_count(), blocks) << size;
}

TEST(ScanBlocks, ReadsNamesLengthsAndStarts) {
  Workspace w = LoadedWorkspace(FlashImageBuilder()
                                    .Block(1, "TPT", std::string(1500, 't'))
                                    .Header(3, "", 0x1234)
                                    .Raw(4 * 65536, std::string(0x44, '\0'))
                                    .Build());
  EXPECT_EQ(w.blocks()[1].name, "TPT");
  EXPECT_EQ(w.blocks()[1].start, 0x10044);
  EXPECT_EQ(w.blocks()[1].length, 1500);
  for (const int unnamed : {0, 3, 4}) {
    EXPECT_EQ(w.blocks()[unnamed].name, "----");
    EXPECT_EQ(w.blocks()[unnamed].length, 0);
  }
  // No NUL before 0x40: the name runs into the length bytes (0x03 then 0x00 ends it).
  std::string image = FlashImageBuilder(70000).Raw(0x20, std::string(32, 'N')).Build();
  image[0x40] = 0x03;
  image[0x41] = 0x00;
  w = LoadedWorkspace(image);
  EXPECT_EQ(w.blocks()[0].name, std::string(32, 'N') + "\x03");
  EXPECT_EQ(w.blocks()[0].length, 3);
  // An image that ends inside the name stops it there; a missing length byte reads as 0.
  w = LoadedWorkspace(FlashImageBuilder(65536 + 0x24, 'X').Build());
  EXPECT_EQ(w.blocks()[1].name, "XXXX");
  EXPECT_EQ(w.blocks()[1].length, 0);
  w = LoadedWorkspace(FlashImageBuilder(65536 + 0x41, 'X').Build());
  EXPECT_EQ(w.blocks()[1].length, 'X');
}

TEST(BlockHeader, LengthFieldIsLittleEndianOverItsWholeRange) {
  const std::pair<std::uint16_t, std::string> cases[] = {
      {0x1234, "\x34\x12"}, {0x00FF, "\xFF\0"s}, {0xFF00, "\0\xFF"s}, {0xFFFF, "\xFF\xFF"}};
  for (const auto& [value, field] : cases) {
    std::string block(kLengthOffset + 2, 'x');
    WriteBlockLength(block, 0, value);
    EXPECT_EQ(block.substr(kLengthOffset), field) << value;
    EXPECT_EQ(ReadBlockHeader(FlashImageBuilder(80000).Header(1, "N", value).Build(), 65536).length,
              value);
  }
  std::string cut(kLengthOffset + 1, 'x');  // a write stops where the bytes end
  WriteBlockLength(cut, 0, 0x1234);
  EXPECT_EQ(cut.substr(kLengthOffset), "\x34");
}

TEST(ImageAccess, ReadsAsZeroAndWritesAreCutOffOutsideTheImage) {
  FlashImage image{std::string(10, 'a'), ""};
  WriteIntoImage(image, 8, "XYZ");
  WriteIntoImage(image, -1, "Q");
  WriteIntoImage(image, 10, "Q");
  FillImage(image, 0, 2, '0');
  FillImage(image, -5, 7, '!');
  FillImage(image, 20, 5, '0');
  EXPECT_EQ(image.owned, "00aaaaaaXY");
  EXPECT_EQ(ImageByteAt(image, 0), '0');
  EXPECT_EQ(ImageByteAt(image, 9), 'Y');
  EXPECT_EQ(ImageByteAt(image, 10), 0);
  EXPECT_EQ(ImageByteAt(image, -1), 0);
  EXPECT_EQ(ImageBytes(image, 8, 100), "XY");
  EXPECT_EQ(ImageBytes(image, -1, 3), "");
  EXPECT_EQ(ImageBytes(image, 11, 3), "");
}

TEST(BlockVocabulary, KindsIndexesAndLengths) {
  EXPECT_EQ(ListKindOf("tcs"), ListKind::kChannels);
  EXPECT_EQ(ListKindOf("Tpt"), ListKind::kTransponders);
  EXPECT_EQ(ListKindOf("tpt", NameMatch::kExact), std::nullopt);
  EXPECT_EQ(ListKindOf("TPT", NameMatch::kExact), ListKind::kTransponders);
  EXPECT_EQ(ListKindOf("TCS "), std::nullopt);
  const Workspace w = LoadedWorkspace(std::string(3 * 65536, '\xFF'));
  EXPECT_EQ(FindBlock(w, -1), nullptr);
  EXPECT_EQ(FindBlock(w, 3), nullptr);
  EXPECT_EQ(FindBlock(w, 2), &w.blocks()[2]);
  EXPECT_EQ(UsableLength(BlockInfo{68, 0xFFFF, "TPT"}), 65468);
  EXPECT_EQ(UsableLength(BlockInfo{68, 65468, "TPT"}), 65468);
}

TEST(ReplaceBlockData, WritesLengthFillsAndAnnounces) {
  Workspace w = LoadedWorkspace(FlashImageBuilder().Block(0, "TCS", std::string(600, 'c')).Build());
  int announced = 0;
  w.Subscribe([&] { ++announced; });
  ASSERT_TRUE(ReplaceBlockData(w, 0, "abc", BlockPart::kData));
  EXPECT_EQ(w.image().bytes().substr(0x40, 604), "\x03\0\0\0abc"s + std::string(597, 0));
  EXPECT_EQ(w.blocks()[0].length, 3);
  EXPECT_TRUE(w.dirty());
  EXPECT_EQ(announced, 1);
  EXPECT_FALSE(ReplaceBlockData(w, 8, "abc", BlockPart::kData));
  EXPECT_EQ(announced, 1);
  // The whole block: the rest is zeros.
  ASSERT_TRUE(ReplaceBlockData(w, 1, "ab", BlockPart::kWhole));
  EXPECT_EQ(w.image().bytes().substr(65536, 65536), "ab" + std::string(65534, '\0'));
}

TEST(LoadChosenFlashFile, LoadsAndScansCopiedOrMapped) {
  TempDir dir;
  const std::string image = FlashImageBuilder().Block(1, "TPT", std::string(24, 't')).Build();
  const std::string path = dir.Write("flash.bin", image);
  common::AllowMappedReads();
  for (const ImageReading reading : {ImageReading::kCopy, ImageReading::kMap}) {
    Workspace w;
    w.SetDirty(true);
    ScriptedFrontend ui;
    EXPECT_EQ(LoadChosenFlashFile(w, ui, dir.disk, path, reading), Outcome::kDone);
    EXPECT_EQ(std::string(w.image().bytes()) + w.image().fileName, image + path);
    EXPECT_EQ(w.block_count(), 8);
    EXPECT_FALSE(w.dirty());
    EXPECT_EQ(ui.statuses, std::vector<std::string>{"Loading... " + path});
#ifndef _WIN32
    EXPECT_EQ(w.image().mapped != nullptr, reading == ImageReading::kMap);
#endif
    // A change reaches the image, never the file it was mapped from.
    ASSERT_TRUE(ReplaceBlockData(w, 1, "ab", BlockPart::kData));
    EXPECT_EQ(w.image().bytes().substr(65536 + 0x40, 6), "\x02\0\0\0ab"s);
    EXPECT_EQ(w.image().mapped, nullptr);
    EXPECT_EQ(TempDir::Read(path), image);
    // An empty image loads, with no blocks.
    EXPECT_EQ(LoadChosenFlashFile(w, ui, dir.disk, dir.Write("empty.bin", ""), reading),
              Outcome::kDone);
    EXPECT_EQ(w.block_count(), 0);
    EXPECT_EQ(w.image().size(), 0);
  }
}

TEST(LoadChosenFlashFile, FailuresLeaveTheWorkspaceAlone) {
  testing::FakeFiles files;
  files.Folder("folder").File("huge.bin", "", std::int64_t{15} << 40);
  files.Unreadable("locked.bin", "Permission denied");
  const std::pair<std::string, std::string> cases[] = {
      {"missing.bin", "File : missing.bin can not be opened !"},
      {"folder", "File : folder can not be read !\r\nit is a folder"},
      {"locked.bin", "File : locked.bin can not be read !\r\nPermission denied"},
      {"huge.bin", "File : huge.bin is too large (16492674416640 bytes) !"},
  };
  for (const auto& [name, text] : cases) {
    Workspace w;
    w.Load("old", "old.bin");
    w.SetDirty(true);
    ScriptedFrontend ui;
    EXPECT_EQ(LoadChosenFlashFile(w, ui, files, name, ImageReading::kMap), Outcome::kFailed);
    EXPECT_EQ(ui.OnlyMessage(), text);
    EXPECT_EQ(std::string(w.image().bytes()) + w.image().fileName, "oldold.bin");
    EXPECT_TRUE(w.dirty());
  }
  EXPECT_TRUE(files.opened.empty());
}

TEST(BlockCheck, RefusesWithTheRightMessage) {
  const std::string select = "Please select a block to Convert (a TPT block!)";
  const std::tuple<int, int, std::string, std::string> cases[] = {
      {0, -1, "", "No File Open!"},
      {0, -1, "x.bin", "File does not contain any usable blocks"},
      {8, -1, "x.bin", select},
      {8, 8, "x.bin", select},
      {8, 7, "x.bin", ""}};
  for (const auto& [lines, selected, file, message] : cases) {
    ScriptedFrontend ui;
    EXPECT_EQ(CheckBlockSelected(ui, lines, selected, file, BlockAction::kConvert),
              message.empty());
    EXPECT_EQ(ui.OnlyMessage(), message);
  }
}

BlockPart Part(bool whole) { return whole ? BlockPart::kWhole : BlockPart::kData; }

// Read Block as the history runs it: the file read, then the block replaced.
Outcome ReadBlockFromFile(Workspace& w, common::Frontend& ui, common::Files& files, int index,
                          BlockPart part, ListFileNames& names) {
  std::string data;
  const Outcome outcome = ReadBlockFile(w, ui, files, index, part, names, data);
  if (outcome == Outcome::kDone) ReplaceBlockData(w, index, data, part);
  return outcome;
}

std::string StandardImage() {
  return FlashImageBuilder()
      .Block(0, "TCS", testing::ChannelList(2000))
      .Block(1, "TPT", std::string(2040, '\x11'))
      .Header(2, "tcs", 90)
      .Build();
}

TEST(BlockTransfer, SaveAndReadBackLeaveTheImageIdentical) {
  for (const bool whole : {false, true}) {
    TempDir dir;
    const std::string image = StandardImage(), file = dir.Path("block0");
    Workspace w = LoadedWorkspace(image);
    ListFileNames names{"TCS", "TPT"};
    testing::ScriptedFrontend ui;
    ui.Choose(file).Choose(file);
    ASSERT_EQ(SaveBlockToFile(w, ui, dir.disk, 0, Part(whole), names), Outcome::kDone);
    EXPECT_EQ(TempDir::Read(file).size(), whole ? 65536u : 60000u);
    EXPECT_EQ(names.tcs, file);
    EXPECT_FALSE(w.dirty());
    ASSERT_EQ(ReadBlockFromFile(w, ui, dir.disk, 0, Part(whole), names), Outcome::kDone);
    EXPECT_EQ(w.image().bytes(), image);
    EXPECT_TRUE(w.dirty());
    EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Saving TCS...", "Loading TCS..."}));
  }
}

TEST(BlockTransfer, QuestionsComeBeforeTheReadAndCutAtTheLimits) {
  const std::string big = "Block is bigger then 64Kb, load only first 64Kb ?";
  // The block and part read, the file's size and the bytes taken, the question asked.
  const std::tuple<int, bool, std::size_t, std::size_t, std::string> cases[] = {
      {0, false, 0, 0, ""},
      {3, false, 65466, 65466, ""},
      {3, false, 65467, 65466, big},
      {3, true, 65536, 65536, ""},
      {3, true, 65537, 65536, big},
      {1, false, 13, 13,
       " is 13 bytes: not a whole number of transponder records.\r\nRead anyway ?"},
      {0, false, 31, 31, " is 31 bytes: not a whole number of channel records.\r\nRead anyway ?"},
      {0, false, 1, 1, " is 1 byte: not a whole number of channel records.\r\nRead anyway ?"},
      {0, true, 31, 31, ""},
  };
  for (const auto& [block, whole, size, taken, question] : cases) {
    TempDir dir;
    Workspace w = LoadedWorkspace(StandardImage());
    ListFileNames names;
    testing::ScriptedFrontend ui;
    const std::string file = dir.Write("big", std::string(size, 'b'));
    ui.Choose(file);
    std::vector<std::string> asked;
    if (!question.empty()) {
      ui.Answer(true);
      asked.push_back(question[0] == ' ' ? "File : " + file + question : question);
    }
    ASSERT_EQ(ReadBlockFromFile(w, ui, dir.disk, block, Part(whole), names), Outcome::kDone);
    EXPECT_EQ(ui.questions, asked);
    const std::size_t at = static_cast<std::size_t>(block) * 65536 + (whole ? 0 : 0x44);
    EXPECT_EQ(w.image().bytes().substr(at, taken), std::string(taken, 'b'));
  }
}

TEST(BlockTransfer, RefusalsLeaveTheImageUnchanged) {
  const std::string image = StandardImage();
  Workspace w = LoadedWorkspace(image);
  ListFileNames names;
  testing::ScriptedFrontend ui;
  testing::FakeFiles files;
  files.File("big", std::string(70020, 'b')).File("huge", "", std::int64_t{1} << 40);
  ui.Choose("big").Answer(false).Choose("missing").Choose("huge").Cancel();
  EXPECT_EQ(ReadBlockFromFile(w, ui, files, 0, BlockPart::kData, names), Outcome::kCancelled);
  EXPECT_EQ(ReadBlockFromFile(w, ui, files, 0, BlockPart::kData, names), Outcome::kFailed);
  EXPECT_EQ(ui.messages.at(0).second, "File : missing can not be opened !");
  EXPECT_EQ(names.tcs, "missing");  // kept even though the read failed
  EXPECT_EQ(ReadBlockFromFile(w, ui, files, 0, BlockPart::kWhole, names), Outcome::kFailed);
  EXPECT_EQ(ReadBlockFromFile(w, ui, files, 0, BlockPart::kData, names), Outcome::kCancelled);
  EXPECT_EQ(w.image().bytes(), image);
  EXPECT_FALSE(w.dirty());
  EXPECT_TRUE(files.opened.empty());  // every refusal comes before a byte is read
}

TEST(BlockTransfer, NamesUnnamedAndShortBlocksAndTheLoadedImage) {
  TempDir dir;
  Workspace w;
  w.Load(StandardImage(), dir.Write("flash.bin", "image"));
  ListFileNames names{"chan.bin", "tp.bin"};
  testing::ScriptedFrontend ui;
  ui.Choose(dir.Write("data", "abc")).Choose(dir.Path("lower")).Choose(w.image().fileName);
  ASSERT_EQ(ReadBlockFromFile(w, ui, dir.disk, 3, BlockPart::kData, names), Outcome::kDone);
  EXPECT_EQ(ui.requests[0].proposed_name, "----");
  EXPECT_EQ(w.image().bytes().substr(0x30044, 3), "abc");
  EXPECT_EQ(w.blocks()[3].name, "----");
  ASSERT_EQ(SaveBlockToFile(w, ui, dir.disk, 2, BlockPart::kData, names), Outcome::kDone);
  EXPECT_EQ(ui.requests[1].proposed_name, "chan.bin");
  EXPECT_EQ(names.tcs, "chan.bin");  // the lower-case name is not written back
  EXPECT_EQ(SaveBlockToFile(w, ui, dir.disk, 2, BlockPart::kData, names), Outcome::kRefused);
  EXPECT_EQ(ui.OnlyMessage(), "Source and target are the same file : " + w.image().fileName);
  EXPECT_EQ(TempDir::Read(w.image().fileName), "image");
  EXPECT_EQ(BlockFileName("TPT", names), "tp.bin");
  EXPECT_EQ(BlockFileName("TPT", {}), "TPT");
  EXPECT_EQ(BlockFileName("T\xE9ST", names), "T\xC3\xA9ST");  // a file name is UTF-8

  w = LoadedWorkspace(std::string(7 * 65536 + 1000, '\xFF'));  // the last block cut short
  ui.Choose(dir.Path("last"));
  ASSERT_EQ(SaveBlockToFile(w, ui, dir.disk, 7, BlockPart::kWhole, names), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(dir.Path("last")), std::string(1000, '\xFF'));
}

TEST(ClearBlock, DataOnlyWholeAndAlwaysWholeWhenUnnamed) {
  const std::string image = StandardImage();
  Workspace w = LoadedWorkspace(image);
  const auto clear = [&](int index, bool whole) {
    ReplaceBlockData(w, index, ClearedBlock(w, index, Part(whole)), BlockPart::kWhole);
  };
  clear(0, false);
  EXPECT_EQ(w.image().bytes().substr(0x20, 4), std::string("TCS\0", 4));
  EXPECT_EQ(w.image().bytes().substr(0x40, 60004), std::string(60004, '\0'));
  EXPECT_EQ(w.image().bytes().substr(0x44 + 60000, 65536), image.substr(0x44 + 60000, 65536));
  EXPECT_EQ(w.blocks()[0].length, 0);
  EXPECT_TRUE(w.dirty());
  for (const int index : {4, 7}) {
    w = LoadedWorkspace(image);
    clear(index, index == 7);
    std::string expected = image;
    expected.replace(index * 65536, 65536, std::string(65536, '\0'));
    EXPECT_EQ(w.image().bytes(), expected);
    EXPECT_EQ(w.blocks()[index].name, "----");
  }
  EXPECT_EQ(ClearQuestion(3), "Clear block  3?\r\nAre you sure ?");
}

}  // namespace
}  // namespace chanforge::flash
