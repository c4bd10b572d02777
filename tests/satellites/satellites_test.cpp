// The scan table reader and what the list makes of each row: written tables with the
// rows real ones have, the adding as one step, and the check against a satellite.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "editing/list_commands.h"
#include "flash/blocks.h"
#include "satellites/satellite_rows.h"
#include "support/builders.h"
#include "support/fake_files.h"
#include "support/workspace.h"

namespace chanforge::satellites {
namespace {

using transponders::TransponderRecord;

constexpr char kDvbs[] = "DELIVERY_SYSTEM = DVBS\n";

std::string Row(const std::string& keys) { return "[CHANNEL]\n" + keys; }
std::string Row(std::int64_t khz, const char* pol, std::int64_t sr, const char* fec) {
  return testing::ScanTableRow(khz, pol, sr, fec);
}

TEST(ScanTable, EachRowSaysWhatTheListMakesOfIt) {
  const std::string full = "\tINVERSION = AUTO\n\tROLLOFF = 35\n";
  // Each row with its refusal, its notes and what the list already has of it.
  const std::tuple<std::string, const char*, const char*, const char*> cases[] = {
      {Row("FREQUENCY = 11x\nwhat\x1b is this\n# a comment\n"),
       "line 3: FREQUENCY \"11x\" is not a number; line 4: \"what\\x1B is this\" is not KEY = "
       "VALUE "
       "in a section; No DELIVERY_SYSTEM; No FREQUENCY; No POLARIZATION; No SYMBOL_RATE",
       "", ""},
      {Row(10719000, "VERTICAL", 27000000, "3/4") + full, "", "", ""},
      {Row(12515000, "HORIZONTAL", 27500000, "AUTO"), "",
       "SR 27.5 Msym/s is stored rounded as 27; FEC AUTO is not one the list stores (1/2, 2/3, "
       "3/4 or 4/5): stored as the default 2/3",
       ""},
      {Row(11054000, "V", 22000000, "5/6"), "", "FEC 5/6 is stored as 4/5", ""},
      {Row(std::string(kDvbs) + "FREQUENCY = 11100000\nPOLARIZATION = H\nSYMBOL_RATE = 30000000\n"),
       "", "No INNER_FEC: stored as the default 2/3", ""},
      {Row(10720000, "V", 27000000, "3/4"), "", "", "Repeats line 6"},
      {Row(10744000, "H", 22000000, "3/4"), "", "", "Already in the list as transponder 2"},
      {Row("DELIVERY_SYSTEM = DVBS2\nMODULATION = PSK/8\nFREQUENCY = 11200000\nPOLARIZATION = V\n"
           "SYMBOL_RATE = 27500000\nINNER_FEC = 2/3\nSTREAM_ID = 4\n"),
       "DVB-S2 PSK/8: the receiver tunes DVB-S QPSK and the list cannot mark another; "
       "Multistream (STREAM_ID 4): the list cannot choose a stream",
       "", ""},
      {Row(3727000, "L", 500000, "7/8"),
       "Frequency 3727000 kHz lies outside band D's 10700000 to 11897483 kHz; Circular "
       "polarisation L: the list holds V or H; SR 0.5 Msym/s is below 1 Msym/s",
       "", ""},
      {Row(11000000, "RIGHT", 0, "3/4"),
       "Circular polarisation RIGHT: the list holds V or H; SR 0 Msym/s is below 1 Msym/s", "", ""},
      {Row(19700000, "H", 300000000, "3/4"),
       "Frequency 19700000 kHz lies outside band U's 11550000 to 12747483 kHz; SR 300 Msym/s is "
       "above the list's 255 Msym/s",
       "", ""},
      {Row(11300000, "V", 27500000, "3/4") + "STREAM_ID = 0\n", "",
       "SR 27.5 Msym/s is stored rounded as 27", ""},
      {Row(11300000, "X", 27500000, "3/4"), "Polarisation X is not V or H", "", ""},
  };
  std::string text = "stray\n";
  std::vector<std::size_t> lines;
  for (const auto& [row, refusal, notes, present] : cases) {
    lines.push_back(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    text += row;
  }
  const ScanTable table = *ParseScanTable(text);
  ASSERT_EQ(Texts(table.problems),
            std::vector<std::string>{"line 1: \"stray\" is not KEY = VALUE in a section"});
  ASSERT_EQ(table.rows.size(), std::size(cases));
  const std::vector<TransponderRecord> list = {
      TransponderRecord::Decode(""),
      TransponderRecord::Decode(testing::TptRecord(994000000, 0, 0, 0, 22, 2, 0x02 | 0x08))};
  const std::vector<RowFit> fits = FitRows(table, {true, 1}, list);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& [row, refusal, notes, present] = cases[i];
    SCOPED_TRACE(row);
    EXPECT_EQ(fits[i].row.line, lines[i]);
    EXPECT_EQ(fits[i].refusal, refusal);
    EXPECT_EQ(fits[i].notes, notes);
    EXPECT_EQ(fits[i].present, present);
    EXPECT_EQ(fits[i].record.has_value(), !*refusal);
  }
  // Band, polarisation, DiSEqC, SR and FEC as the list stores them.
  EXPECT_EQ(fits[1].record->Encode(), testing::TptRecord(969000000, 0, 0, 0, 27, 2, 0x08));
  EXPECT_EQ(fits[2].record->Encode(), testing::TptRecord(1915000000, 0, 0, 0, 27, 1, 0x0B));
  EXPECT_EQ(fits[3].record->fec, 3);
  EXPECT_EQ(AddableRecords(fits).size(), 5u);
  EXPECT_EQ(RowPlace(fits[2].row), "line 14, 12515 H");
  EXPECT_EQ(RowPlace(fits[0].row), "line 2");
}

TEST(ScanTable, AFileThatIsNoTableIsRefusedWithItsCauseAndLittleMemory) {
  std::string many;
  for (std::size_t i = 0; i <= kMostTableRows; ++i) many += "[]\n";
  testing::FakeFiles files;
  files.File("many", many).File("huge", "", kTableFileLimit + 1);
  EXPECT_EQ(ReadScanTable(files, "many"),
            "many is not a scan table: it has more than 4096 sections.");
  std::string bad;
  for (std::size_t i = 0; i <= kMostTableProblems; ++i) bad += "x\n";
  EXPECT_EQ(ParseScanTable(bad),
            "more than 100 of its lines do not read (line 1: \"x\" is not KEY = VALUE in a "
            "section)");
  EXPECT_EQ(ReadScanTable(files, "huge"),
            "The scan table huge can not be read: it is larger than 1 MiB, more than any table.");
  EXPECT_EQ(files.opened, std::vector<std::string>{"many"});
  // Listing a table reads it as choosing it does: what cannot be used is not listed.
  files.File("bad", bad).File("empty", "").File("utf16", std::string("\xFF\xFE[\0T\0]\0", 8));
  EXPECT_EQ(ReadScanTable(files, "empty"), "empty is not a scan table: it is empty.");
  EXPECT_EQ(ReadScanTable(files, "utf16"),
            "utf16 is not a scan table: it is not UTF-8 or Latin-1 text.");
  for (const char* name : {"many", "bad", "empty", "utf16"}) {
    Satellite listed{name, "", name, 0};
    EXPECT_EQ(CountRows(files, listed), ReadScanTable(files, name).status());
  }
  files.File("most", many.substr(3));  // exactly the most sections is still a table
  Satellite most{"most", "", "most", 0};
  EXPECT_EQ(CountRows(files, most), "");
  EXPECT_EQ(most.rows, kMostTableRows);
}

TEST(ScanTable, ListsTheTablesOfAFolderByName) {
  testing::TempDir dir;
  std::filesystem::create_directory(dir.Path("tables"));
  dir.Write("tables/Hotbird-13.0E", "# Hotbird\n" + Row(10719000, "V", 27500000, "3/4") +
                                        Row(10723000, "H", 29900000, "3/4"));
  dir.Write("tables/Eutelsat5_5.0W", Row(11000000, "V", 27500000, "3/4"));
  dir.Write("tables/Hotbird-13C-13.0E", Row(11000000, "V", 27500000, "3/4"));
  dir.Write("tables/28.2E", Row(11000000, "V", 27500000, "3/4"));
  dir.Write("tables/README", "no sections here\n");
  dir.Write("tables/Big-1.0W", std::string(kTableFileLimit + 1, '#'));
  const std::vector<Satellite> list = ListSatellites(dir.disk, dir.Path("tables"));
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[1].name + " " + list[1].position, "Eutelsat5_5.0W 5.0W");
  EXPECT_EQ(list[2].position, "13.0E");
  EXPECT_EQ(list[2].rows, 2u);
  EXPECT_EQ(list[0].position, "");
  EXPECT_EQ(ChooseSatellites(list, "HOTBIRD-13.0e"), std::vector<const Satellite*>{&list[2]});
  EXPECT_EQ(ReadScanTables(dir.disk, ChooseSatellites(list, "HOTBIRD-13.0e"))->rows.size(), 2u);
  // A position reads every satellite there as one table.
  const ScanTable both = *ReadScanTables(dir.disk, ChooseSatellites(list, "13.0e"));
  ASSERT_EQ(both.rows.size(), 3u);
  EXPECT_EQ(both.rows[2].table + " " + std::to_string(both.rows[2].line), "Hotbird-13C-13.0E 1");
  EXPECT_TRUE(ChooseSatellites(list, "19.2E").empty());
  EXPECT_TRUE(ListSatellites(dir.disk, dir.Path("none")).empty());
  EXPECT_EQ(WhereToGetTables("/x", common::Value("with --tables DIR")),
            "No DVB-S scan tables in /x: on Debian and Ubuntu they come with the package "
            "dtv-scan-tables; elsewhere, name a folder that holds them with --tables DIR.");
  // Finding reads no file: every one is there, unread, to be chosen by name or position.
  const std::vector<Satellite> found = *FindTables(dir.disk, dir.Path("tables"), {});
  EXPECT_EQ(found.size(), 6u);
  EXPECT_EQ(found[1].name + " " + std::to_string(found[1].rows), "Big-1.0W 0");
  EXPECT_EQ(FindTables(dir.disk, dir.Path("none"), common::Value("with --tables DIR")).status(),
            WhereToGetTables(dir.Path("none"), common::Value("with --tables DIR")));
  EXPECT_TRUE(Format(FindTables(dir.disk, dir.Path("tables/README"), {}).message())
                  .starts_with("The folder of scan tables " + dir.Path("tables/README") +
                               " can not be read: "));
  EXPECT_EQ(NameForTerminal("A \x1B[2J\nB\xC2\x85-1.0W"), "A .[2J.B.-1.0W");
  EXPECT_EQ(NameForTerminal("Caf\xE9"), "Caf\xC3\xA9");
}

TEST(ScanTable, SaysWhichSatelliteAnInputSeemsToHold) {
  testing::TempDir dir;
  std::filesystem::create_directory(dir.Path("tables"));
  // One satellite's transponders in two tables of its position, as the scan tables split them.
  const std::string home = Row(10744000, "H", 22000000, "3/4") +
                           Row(10751000, "V", 22000000, "3/4") +
                           Row(11000000, "H", 22000000, "3/4");
  dir.Write("tables/Home-1A-19.2E", Row(10744000, "H", 22000000, "3/4"));
  dir.Write("tables/Home-1B-19.2E", home.substr(home.find("[", 1)));
  dir.Write("tables/Near-28.2E",
            Row(10744000, "H", 22000000, "3/4") + Row(10751000, "V", 22000000, "3/4"));
  const auto list = AddableRecords(FitRows(*ParseScanTable(home), {}, {}));
  const ScanTable other =
      *ParseScanTable(Row(10745000, "H", 27500000, "3/4") + Row(12000000, "V", 27500000, "3/4"));
  const std::vector<RowFit> fits = FitRows(other, {}, list);
  const std::vector<Satellite> others = *FindTables(dir.disk, dir.Path("tables"), {});
  const std::string advice =
      ": rows said to be in the list may be another satellite's transponders, and another "
      "DiSEqC input may be meant.";
  EXPECT_EQ(OtherSatelliteHint(dir.disk, fits, list, false, "Other-23.5E", other, others),
            "DiSEqC A seems to hold 19.2E rather than Other-23.5E (the tables of 19.2E have 3 of "
            "the 3 transponders on DiSEqC A)" +
                advice);
  EXPECT_EQ(OtherSatelliteHint(dir.disk, fits, list, false, "Other-23.5E", other, {}),
            "DiSEqC A seems to hold another satellite than Other-23.5E (the tables of 23.5E have "
            "only 1 of the 3 transponders on DiSEqC A)" +
                advice);
  // A table of the right position that has only part of it: the others there complete it.
  const ScanTable part = *ParseScanTable(Row(10744000, "H", 22000000, "3/4"));
  EXPECT_EQ(OtherSatelliteHint(dir.disk, FitRows(part, {}, list), list, false, "Home-1A-19.2E",
                               part, {others[1], others[2]}),
            "");
  // Nothing of the table is in the list on that input: no hint.
  EXPECT_EQ(OtherSatelliteHint(dir.disk, FitRows(other, {}, {}), list, false, "Other-23.5E", other,
                               others),
            "");
  EXPECT_EQ(OtherSatelliteHint(dir.disk, FitRows(other, {true, 2}, list), list, true, "Other-23.5E",
                               other, others),
            "");
}

// The sample's list on input A; a table lacking its second transponder, with one the list lacks.
class AgainstTable : public ::testing::Test {
 protected:
  flash::Workspace workspace =
      testing::LoadedWorkspace(testing::FlashImageBuilder()
                                   .Block(0, "TCS", testing::TcsRecord("One", 4, 2, 1, 2, 3))
                                   .Block(1, "TPT",
                                          testing::TptRecord(994000000, 0, 0, 0, 22, 2, 0x02) +
                                              testing::TptRecord(1001000000, 0, 0, 0, 22, 2, 0x00) +
                                              testing::TptRecord(1234000000, 0, 0, 0, 22, 2, 0x08))
                                   .Build());
  // The list's first transponder is written twice: it counts once.
  ScanTable table =
      *ParseScanTable(Row(10745500, "H", 22000000, "3/4") + Row(11000000, "V", 27500000, "3/4") +
                      Row(11200000, "V", 27500000, "9/10") + Row(10745500, "H", 22000000, "3/4"));
};

TEST_F(AgainstTable, WarnsOfStrangersAndGaps) {
  const std::vector<check::Finding> findings =
      CheckAgainstTable(check::FirstTransponders(workspace), false, "Sat-1.0E", table);
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_EQ(check::FormatFinding(findings[0]),
            "warning: block 1 transponder 2 frequency: 10751 V is not in the table of Sat-1.0E "
            "(DiSEqC A)");
  EXPECT_EQ(check::FormatFinding(findings[1]),
            "warning: block 1: Sat-1.0E (DiSEqC A): the list lacks 2 of 3 transponders it could "
            "hold: 11000 V, 11200 V");
  EXPECT_EQ(findings[1].rule, check::Rule::kSatelliteGap);
  std::string gaps;  // eleven: ten named, the last counted
  for (int k = 0; k < 11; ++k) gaps += Row(11300000 + k * 10000, "V", 27500000, "3/4");
  const check::Finding gap =
      CheckAgainstTable(check::FirstTransponders(workspace), false, "S", *ParseScanTable(gaps))
          .back();
  EXPECT_TRUE(common::Format(gap.message).ends_with("11390 V and 1 more"));
}

TEST_F(AgainstTable, AddsInOneUndoableStepKeepingLinks) {
  editing::ListDocument document(workspace);
  editing::UndoStack history(document);
  const std::string before(workspace.image().bytes());
  auto command = AddRecords(document, AddableRecords(FitRows(table, {}, document.transponders())));
  ASSERT_TRUE(command.ok()) << Format(command.message());
  history.Push(std::move(*command));
  ASSERT_EQ(document.transponders().size(), 5u);
  EXPECT_EQ(document.transponders()[3].Khz(), 11000000);
  EXPECT_EQ(document.channels()[0].tp, 2);
  history.Undo();
  EXPECT_EQ(workspace.image().bytes(), before);
  EXPECT_FALSE(AddRecords(document, std::vector<TransponderRecord>(253)).ok());
  // More than the list has room for: the first that fit, the rest saying why.
  std::vector<RowFit> fits = FitRows(table, {}, document.transponders());
  KeepWhatFits(fits, 1);
  EXPECT_EQ(AddableRecords(fits).size(), 1u);
  EXPECT_EQ(fits[2].present, "No room left: a channel reaches at most 255 transponders");
  EXPECT_EQ(PartialAddQuestion(94, 69),
            "The list has room for 69 of the 94 transponders that can be added: a channel "
            "reaches at most 255 transponders.\r\nAdd the first 69 and leave out the other 25 ?");
}

}  // namespace
}  // namespace chanforge::satellites
