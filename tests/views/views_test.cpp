#include <gtest/gtest.h>

#include <filesystem>

#include "channels/channel_conversions.h"
#include "channels/channel_record.h"
#include "common/list_files.h"
#include "flash/blocks.h"
#include "support/builders.h"
#include "support/fake_files.h"
#include "support/workspace.h"
#include "transponders/transponder_conversions.h"
#include "transponders/transponder_record.h"
#include "views/block_lines.h"
#include "views/block_view.h"
#include "views/done_texts.h"
#include "views/labels.h"
#include "views/list_cells.h"
#include "views/list_view.h"
#include "views/print_rows.h"

namespace chanforge::views {
namespace {

using common::ReadListFileForViewer;
using namespace std::string_literals;
using testing::FlashImageBuilder;
using testing::TempDir;

TEST(BlockLines, WriteTheExactLines) {
  const flash::Workspace w = testing::LoadedWorkspace(FlashImageBuilder()
                                                          .Block(0, "TCS", std::string(60000, 'c'))
                                                          .Block(1, "TPT", std::string(1500, 't'))
                                                          .Header(2, "tcs", 65)
                                                          .Header(3, "", 0x1234)
                                                          .Header(5, "LOGO", 0)
                                                          .Build());
  const std::vector<std::string> lines = BlockLines(w);
  EXPECT_EQ(
      std::vector(lines.begin(), lines.begin() + 6),
      (std::vector<std::string>{
          "Block:0 TCS ($44-$EAA4) $EA60 bytes (2000)",
          "Block:1 TPT ($10044-$10620) $5DC bytes (125)",
          "Block:2 tcs ($20044-$20085) $41 bytes (2)", "Block:3 ---- ($30044-$30044) $0 bytes",
          "Block:4 ---- ($40044-$40044) $0 bytes", "Block:5 LOGO ($50044-$50044) $0 bytes"}));
  EXPECT_EQ(lines.size(), 8u);
}

TEST(Labels, ShortenLongNamesAndShowChangesOnlyForAFile) {
  const std::string name55(55, 'a');
  const std::string name56 = "ABC" + std::string(4, 'x') + std::string(49, 'z');
  EXPECT_EQ(FileLabelText(name55), name55);
  EXPECT_EQ(FileLabelText(name56), "ABC..." + std::string(49, 'z'));
  // Multi-byte characters are never cut in half.
  const std::string umlauts = "\xC3\xA4\xC3\xA9\xC3\xBC" + std::string(53, 'q');
  EXPECT_EQ(FileLabelText(umlauts), "\xC3\xA4\xC3\xA9\xC3\xBC..." + std::string(49, 'q'));
  EXPECT_TRUE(ChangedMarkerText("", true).empty() && ChangedMarkerText("f.bin", false).empty());
  EXPECT_EQ(ChangedMarkerText("f.bin", true), "File Changed");
  EXPECT_EQ(SizeLabelText(524288), "Size :524288 bytes");
  const flash::Workspace w = testing::LoadedWorkspace(
      FlashImageBuilder().Block(1, "TCS", "").Block(3, "tcs", "").Block(4, "TPT", "").Build());
  EXPECT_EQ(Format(EditedBlockText(w, 1, common::ListKind::kChannels)) + "|" +
                Format(EditedBlockText(w, 4, common::ListKind::kTransponders)),
            "Editing Block:1 (TCS), the first of 2 TCS blocks|Editing Block:4 (TPT)");
}

TEST(DoneTexts, SayWhatWasWrittenWithGroupedNumbers) {
  EXPECT_EQ(Format(Grouped(-1234567)) + "|" + Format(Grouped(0)) + "|" + Format(Grouped(123456)),
            "-1,234,567|0|123,456");
  EXPECT_EQ(BlockDoneText(BlockDone::kSaved, 0, "TCS", 4500, "/a/TCS"),
            "Saved block 0 (TCS, 4,500 bytes) to TCS");
  EXPECT_EQ(BlockDoneText(BlockDone::kRead, 2, "\xE9", 65536, "b"),
            "Read block 2 (\xC3\xA9, 65,536 bytes) from b");
  EXPECT_EQ(BlockDoneText(BlockDone::kCleared, 7, "X", 9, ""), "Cleared block 7 (X)");
  EXPECT_EQ(ImageDoneText(ImageDone::kSaved, "/a/f.bin", 524288), "Saved f.bin (524,288 bytes)");
  EXPECT_EQ(ConversionDoneText(common::ListKind::kChannels, 1500, "/a/TCS.txt"),
            "Converted 1,500 channels to TCS.txt");
  EXPECT_EQ(ConversionDoneText(common::ListKind::kTransponders, 1, "TPT"),
            "Converted 1 transponders to TPT");
}

TEST(HexDumpLines, DumpsSixteenBytesALineWithPrintableCharacters) {
  const flash::Workspace w = testing::LoadedWorkspace(
      FlashImageBuilder().Block(1, "TPT", testing::ThreeTransponders()).Build());
  const auto lines = HexDumpLines(flash::WholeBlockBytes(w, w.blocks()[1]), CharColumn::kLatin1);
  ASSERT_EQ(lines.size(), 4096u);
  EXPECT_EQ(lines.back().substr(0, 4), "FFF0");
  EXPECT_EQ(lines[2],
            "0020 54 50 54 00 FF FF FF FF FF FF FF FF FF FF FF FF TPT." + std::string(12, '\xFF'));
  // A last, partial line gets the same character column; Latin-1 letters stay in the window.
  const std::string bytes = "A \x1B\x7F\x9F\xA0\xFF"s;
  EXPECT_EQ(HexDumpLines(bytes, CharColumn::kLatin1),
            std::vector<std::string>{"0000 41 20 1B 7F 9F A0 FF A ...\xA0\xFF"});
  EXPECT_EQ(HexDumpLines(bytes, CharColumn::kAscii),
            std::vector<std::string>{"0000 41 20 1B 7F 9F A0 FF A ....."});
  std::string joined;
  for (const std::string& line : lines) joined += line + '\n';
  std::string text;
  AppendHexDump(text, flash::WholeBlockView(w, w.blocks()[1]), CharColumn::kLatin1, 0, 32);
  AppendHexDump(text, flash::WholeBlockView(w, w.blocks()[1]), CharColumn::kLatin1, 32, 1 << 20);
  EXPECT_EQ(text, joined);
}

TEST(ListLines, FormatBlockDataWithTheHeading) {
  EXPECT_EQ(TptListLines(std::string(2040, '\0')),
            std::vector<std::string>{transponders::TptHeading});
  const auto tcs = TcsListLines(testing::ChannelList(5));
  EXPECT_EQ(tcs.size(), 6u);
  EXPECT_EQ(tcs[0], channels::TcsHeading);
  EXPECT_EQ(Format(ListViewCaption("TCS")) + Format(ListViewCaption("TPT")),
            "&View as TCS&View as TPT");
  EXPECT_TRUE(ListViewCaption("tpt").empty() && ListViewCaption("----").empty());
}

TEST(ListFiles, ShowHeadingsOversizeAndMissingFiles) {
  TempDir dir;
  const auto tcs = [&](const auto& n) { return ListTcsFile(ReadListFileForViewer(dir.disk, n)); };
  const auto tpt = [&](const auto& n) { return ListTptFile(ReadListFileForViewer(dir.disk, n)); };
  const ListedFile missing = tcs(dir.Path("a"));
  EXPECT_EQ(Texts(missing.lines),
            std::vector<std::string>{"File " + dir.Path("a") + " can not be found!"});
  EXPECT_FALSE(missing.read);
  EXPECT_EQ(Texts(tcs(dir.Write("empty", "")).lines),
            std::vector<std::string>{channels::TcsHeading});
  const ListedFile three = tpt(dir.Write("tpt", testing::ThreeTransponders()));
  ASSERT_EQ(three.lines.size(), 4u);
  EXPECT_EQ(three.lines[1], "01  11778000  00001  00002  03  04  3/4  H/U B");
  const ListedFile big = tcs(dir.Write("big", std::string(65537, 'x')));
  ASSERT_EQ(big.lines.size(), 2u + 2184);
  EXPECT_EQ(big.lines[1], "TCS FILE IS LARGER THAN 64Kb (65537 bytes)");
  EXPECT_EQ(Texts(tpt(dir.Write("exact", std::string(65536, '\0'))).lines),
            std::vector<std::string>{transponders::TptHeading});
  // The window shows what a block can hold of a longer file, and says so.
  testing::FakeFiles files;
  files.File("huge", "", std::int64_t{3} << 40);
  EXPECT_EQ(Texts(ListTptFile(common::ReadListFileForViewer(files, "huge")).lines),
            (std::vector<std::string>{transponders::TptHeading,
                                      "TPT FILE IS LARGER THAN 64Kb (3298534883328 bytes)",
                                      "(274877901483 more records are not shown)"}));
  // The command line streams every line of it, or says why not.
  std::vector<std::string> streamed;
  bool taking = true;
  const auto print = [&](std::string_view line) {
    streamed.emplace_back(line);
    return taking;
  };
  const auto stream = [&](common::Files& disk, const std::string& name, bool channel_list) {
    const auto format = channel_list ? channels::MakeTcsTextFormat()
                                     : transponders::MakeTptTextFormat(common::TptLayout::kFull);
    return common::StreamListFile(
        disk, name, *format, channel_list ? channels::TcsHeading : transponders::TptHeading,
        [&](std::int64_t size) { return OversizeLine(channel_list ? "TCS" : "TPT", size); }, print);
  };
  EXPECT_TRUE(stream(dir.disk, dir.Path("big"), true).ok());
  EXPECT_EQ(streamed, Texts(big.lines));
  EXPECT_EQ(stream(files, "huge", false), "File : huge is too large (3298534883328 bytes) !");
  EXPECT_EQ(files.bytes_read, 65536);  // no more than the window's look
  taking = false;  // output that takes no more lines ends the stream, and is no fault of the file
  streamed.clear();
  EXPECT_TRUE(stream(dir.disk, dir.Path("big"), true).ok());
  EXPECT_EQ(streamed.size(), 1u);
#ifdef __linux__
  // A length that the file outgrows while it is read does not bound the read.
  common::FileReader reader;
  std::string bytes;
  ASSERT_TRUE(reader.Open("/proc/self/pagemap", 1 << 20).ok());
  EXPECT_TRUE(reader.Read(1 << 20, bytes));
  EXPECT_FALSE(reader.Read(1 << 20, bytes));
  EXPECT_TRUE(reader.too_large());
#endif
  std::filesystem::create_directory(dir.Path("folder"));
  EXPECT_EQ(Texts(tcs(dir.Path("folder")).lines),
            std::vector<std::string>{"File " + dir.Path("folder") +
                                     " can not be read!\r\nit is a folder"});
}

const std::vector<transponders::TransponderRecord> kTps = {
    transponders::TransponderRecord::Decode(testing::TptRecord(1178000000, 1, 1, 0, 0, 2, 0x0B)),
    transponders::TransponderRecord::Decode(testing::TptRecord(1000000000, 1, 1, 0, 0, 2, 0))};

TEST(PrintRows, ShowTheChosenColumnsGroupedAsChosen) {
  using Rows = std::vector<std::vector<std::string>>;
  std::vector<channels::ChannelRecord> list;
  for (const auto& [name, tp] : {std::pair{"<b>", 2}, {"X\x01\xE9", 0}, {"A", 1}, {"B", 2}})
    list.push_back(channels::ChannelRecord::Decode(
        testing::TcsRecord(name, 4, static_cast<std::uint8_t>(tp), 100, 200, 0)));
  PrintChoices choices;
  PrintedList rows = PrintRows(list, kTps, choices, "/a/flash.bin", "2026-12-06");
  EXPECT_EQ(rows.file_name + rows.date + Format(rows.count), "flash.bin2026-12-064 channels");
  EXPECT_EQ(Texts(rows.headings), (std::vector<std::string>{"Nr", "Name", "TP", "SID"}));
  ASSERT_EQ(rows.groups.size(), 1u);
  const auto texts = [](const std::vector<std::vector<common::Message>>& cells) {
    Rows shown;
    for (const auto& row : cells) shown.push_back(Texts(row));
    return shown;
  };
  EXPECT_EQ(texts(rows.groups[0].rows), (Rows{{"1", "<b>", "2 \u00b7 10750 V", "100"},
                                              {"2", "X\\x01\u00e9", "0 \u00b7 none", "100"},
                                              {"3", "A", "1 \u00b7 11778 H", "100"},
                                              {"4", "B", "2 \u00b7 10750 V", "100"}}));
  // Groups in input or transponder order, each channel keeping its number in the list.
  const auto groups = [&](PrintGroup group) {
    choices.group = group;
    choices.columns = {kNrColumn, ColumnOf(channels::ChannelField::kUse),
                       ColumnOf(channels::ChannelField::kVpid)};
    rows = PrintRows(list, kTps, choices, "", "");
    std::string shown;
    for (const PrintedGroup& g : rows.groups) {
      shown += (g.new_page ? "|" : "") + Format(g.title) + ":";
      for (const auto& row : g.rows) shown += Format(row[0]) + " ";
    }
    return shown;
  };
  EXPECT_EQ(groups(PrintGroup::kInput),
            "DiSEqC A \u00b7 2 channels:1 4 |DiSEqC B \u00b7 1 channel:3 "
            "|No transponder \u00b7 1 channel:2 ");
  EXPECT_EQ(groups(PrintGroup::kTransponder),
            "1 \u00b7 11778 H \u00b7 1 channel:3 2 \u00b7 10750 V \u00b7 2 channels:1 4 "
            "No transponder \u00b7 1 channel:2 ");
  EXPECT_EQ(Texts(rows.headings), (std::vector<std::string>{"Nr", "Use", "VPID"}));
  EXPECT_EQ(rows.numbers, (std::vector<bool>{true, true, true}));
  EXPECT_EQ(Texts(rows.groups[0].rows[0]), (std::vector<std::string>{"3", "TV", "200"}));
  EXPECT_EQ(PageText(2, 15), "page 2 of 15");
}

TEST(ListCells, ShowOfferAndAlignEachFieldAsTheTablesSay) {
  using common::ListKind;
  const auto channel = channels::ChannelRecord::Decode(testing::TcsRecord("AB ", 12, 9, 7, 0, 0));
  EXPECT_EQ(Format(ColumnHeading(ListKind::kTransponders, 10)) + "," +
                Format(ColumnHeading(ListKind::kTransponders, 9)),
            "Channels,SR (Msym/s)");
  std::string shown;
  for (std::size_t column = 0; column < 10; ++column)
    shown += Format(ChannelCell(4, channel, kTps, column)) + "|";
  EXPECT_EQ(shown, "5|AB|0x0C|9 \u00b7 none|7|0|0|0|0|0|");
  const auto choices = [](const std::vector<CellChoice>& offered) {
    std::string texts;
    for (const CellChoice& c : offered)
      texts += Format(c.text) + "=" + std::to_string(c.value) + " ";
    return texts;
  };
  EXPECT_EQ(choices(ChannelChoices(channel, kTps, 2)), "TV=4 Radio=8 0x0C=12 ");
  EXPECT_EQ(choices(ChannelChoices(channel, kTps, 3)),
            "1 \u00b7 11778 H=1 2 \u00b7 10750 V=2 9 \u00b7 none=9 ");
  EXPECT_EQ(choices(TransponderChoices(3)), "V=0 H=1 ");
  EXPECT_EQ(ChannelEditText(channel, 1) + ChannelEditText(channel, 4), "AB7");
}

TEST(PrintRows, ChoicesReadAsTheCommandLineAndTheSettingsWriteThem) {
  EXPECT_EQ(PrintColumnsText(*ReadPrintColumns(" Name ,TP,pcr")), "name,tp,pcr");
  EXPECT_EQ(ReadPrintColumns("sid,SID"), "Column \"SID\" is named twice.");
  EXPECT_EQ(PrintGroupNamed("Transponder"), PrintGroup::kTransponder);
  EXPECT_EQ(PaperNamed("LETTER"), Paper::kLetter);
  EXPECT_FALSE(PrintGroupNamed("satellite") || PaperNamed("A3"));
}

}  // namespace
}  // namespace chanforge::views
