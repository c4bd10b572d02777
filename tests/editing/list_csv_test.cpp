// CSV exchange: an export imports to the same bytes, also after a spreadsheet re-quoted it,
// edits keep what the CSV cannot show, and each bad row is refused with its line.
#include "editing/list_csv.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "flash/blocks.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "support/workspace.h"

namespace chanforge::editing {
namespace {

using testing::TcsRecord;
using testing::TptRecord;

flash::Workspace Image() {
  std::string channels = TcsRecord("Das Erste", 1, 3, 28106, 101, 102) +
                         TcsRecord("Caf\xE9, \"Bar\"", 2, 1, 7, 0, 0, 1, 2, 3) +
                         TcsRecord("Hidden", 1, 0, 9, 0, 0) + TcsRecord("", 0, 7, 0, 0, 0);
  channels[30 * 2 + 10] = 'X';  // a byte behind the name's NUL
  std::string transponders = TptRecord(1832123, 1, 2, 3, 4, 7, 0x0F | 0x40) +  // FEC 0/0
                             TptRecord(0, 0, 0, 0, 0, 0, 0) +                  // an empty one
                             TptRecord(2000000000, 5, 6, 7, 8, 2, 0x02);
  transponders.resize(2040, '\0');
  return testing::LoadedWorkspace(
      testing::FlashImageBuilder().Block(1, "TCS", channels).Block(3, "TPT", transponders).Build());
}

// What a spreadsheet writes back: every field quoted, CR LF, perhaps semicolons.
std::string Requoted(std::string_view csv, char separator = ',') {
  std::vector<CsvRow> rows;
  EXPECT_EQ(SplitCsv(csv, rows), "");
  std::string out;
  for (const CsvRow& row : rows) {
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
      std::string cell;
      for (const char c : row.cells[i]) cell += c == '"' ? std::string("\"\"") : std::string(1, c);
      out += (i ? std::string{separator, '"'} : "\"") + cell + "\"";
    }
    out += "\r\n";
  }
  return out;
}

TEST(ListCsv, ExportImportsToTheSameBytesAlsoAfterASpreadsheetSavedIt) {
  flash::Workspace w = Image();
  const ListDocument document(w);
  const std::string start =
      "Nr,Name,Use,TP,SID,VPID,APID,Vecm,Aecm,PCR,TP frequency (kHz),TP polarisation\r\n"
      "1,Das Erste,1,3,28106,101,102,0,0,0,11750000,H\r\n"
      "2,\"Caf\xC3\xA9, \"\"Bar\"\"\",2,1,";
  EXPECT_EQ(ListCsv(document, CsvList::kChannels).substr(0, start.size()), start);
  for (const CsvList list : {CsvList::kChannels, CsvList::kTransponders}) {
    const std::string csv = ListCsv(document, list);
    for (const std::string& text : {csv, Requoted(csv), Requoted(csv, ';'), "\xEF\xBB\xBF" + csv}) {
      const CsvImport import = ImportListCsv(w, list, text, "f.csv");
      EXPECT_EQ(import.error, "");
      EXPECT_EQ(import.rows, list == CsvList::kChannels ? 4u : 3u);
      EXPECT_TRUE(import.after == import.before) << text;
    }
  }
}

TEST(ListCsv, RowsFollowTheirNrAndChangedCellsOnly) {
  flash::Workspace w = Image();
  const std::string csv =
      "tp, NR ,Name,Use,SID,VPID,APID,Vecm,Aecm,PCR,extra\n"
      "2,3,Hidden,1,9,0,0,0,0,0\n"
      ",,,,,,,,,,\n"
      "1,,New,5,1,2,3,4,5,6\n"
      "1,2,Caf\xC3\xA9, \"\"Bar\"\",2,7,0,0,1,2,3\n";
  std::vector<CsvRow> rows;
  ASSERT_EQ(SplitCsv(csv, rows), "Line 5: A quote inside a field that does not start with one.");
  const CsvImport bad = ImportListCsv(w, CsvList::kChannels, csv, "f.csv");
  EXPECT_EQ(bad.error, "Line 5 of f.csv: A quote inside a field that does not start with one.");
  const std::string fixed = csv.substr(0, csv.rfind("1,2,Caf")) +
                            "1,2,\"Caf\xC3\xA9, \"\"B\"\"\r\nx\"," + "2,7,0,0,1,2,3\n";
  const CsvImport import = ImportListCsv(w, CsvList::kChannels, fixed, "f.csv");
  ASSERT_EQ(import.error, "");
  const std::string data = import.after.substr(flash::DataOffset, 3 * 30 + 2);
  EXPECT_EQ(import.after.substr(flash::LengthOffset, 2), std::string("\x5A\0", 2));
  EXPECT_EQ(data.substr(0, 30),
            TcsRecord("Hidden", 1, 2, 9, 0, 0).replace(10, 1, "X"));  // kept behind the NUL
  EXPECT_EQ(data.substr(30, 30), TcsRecord("New", 5, 1, 1, 2, 3, 4, 5, 6));
  EXPECT_EQ(data.substr(60, 16), std::string("Caf\xE9, \"B\"\r\nx") + std::string(4, '\0'));
}

TEST(ListCsv, TransponderCellsSetTheirFields) {
  flash::Workspace w = Image();
  const CsvImport import =
      ImportListCsv(w, CsvList::kTransponders,
                    "Nr,Frequency (kHz),Band,Polarisation,DiSEqC,FEC,TID,NID,Chn,SR\n"
                    "3,11000000,d,v,b,4/5,1,2,3,0x10\n1,11582123,U,H,B,0/0,1,2,3,4\n",
                    "t.csv");
  ASSERT_EQ(import.error, "");
  EXPECT_EQ(import.after.substr(flash::DataOffset, 24),
            TptRecord(1250000000, 1, 2, 3, 16, 3, 0x08) +
                TptRecord(982123123, 1, 2, 3, 4, 7, 0x0F | 0x40));
}

TEST(ListCsv, RefusesTheFirstBadRowWithItsLine) {
  const std::string channels =
      "Nr,Name,Use,TP,SID,VPID,APID,Vecm,Aecm,PCR\r\n1,A,1,1,1,1,1,1,1,1\r\n";
  const std::string transponders =
      "Nr,Frequency (kHz),Band,Polarisation,DiSEqC,FEC,TID,NID,Chn,SR\n";
  const struct {
    CsvList list;
    std::string csv;
    std::string error;
  } cases[] = {
      {CsvList::kChannels, "Nr,Name\n", "Line 1 of f: Missing column \"Use\"."},
      {CsvList::kChannels, channels + "2,B,1\r\n", "Line 3 of f: Missing column \"TP\"."},
      {CsvList::kChannels, channels + ",\"12345678901234567\",1,1,1,1,1,1,1,1\r\n",
       "Line 3 of f: Name \"12345678901234567\" is 17 bytes long; at most 16 fit."},
      {CsvList::kChannels, channels + ",\xE2\x82\xAC,1,1,1,1,1,1,1,1\r\n",
       "Line 3 of f: \"\xE2\x82\xAC\" holds a character that Latin-1 cannot store."},
      {CsvList::kChannels, channels + "5,B,1,1,1,1,1,1,1,1\r\n",
       "Line 3 of f: Nr 5 names no channel: the list has 4."},
      {CsvList::kChannels, channels + "x,B,1,1,1,1,1,1,1,1\r\n",
       "Line 3 of f: Nr \"x\" is not a number."},
      {CsvList::kChannels, channels + "\n\n,\"B\n,1,1",
       "Line 5 of f: A quoted field is not closed."},
      {CsvList::kChannels, channels + ",\"B\"x,1", "Line 3 of f: Text follows a closing quote."},
      {CsvList::kTransponders, transponders + ",11000000,D,V,A,5/6,0,0,0,0",
       "Line 2 of f: FEC \"5/6\" is unknown: it is 1/2, 2/3, 3/4 or 4/5."},
      {CsvList::kTransponders, transponders + ",11000000,X,V,A,1/2,0,0,0,0",
       "Line 2 of f: Band \"X\" is not U or D."},
      {CsvList::kTransponders, transponders + ",11000000,D,V,C,1/2,0,0,0,0",
       "Line 2 of f: DiSEqC \"C\" is not A or B."},
      {CsvList::kTransponders, transponders + ",11e6,D,V,A,1/2,0,0,0,0",
       "Line 2 of f: Frequency \"11e6\" is not a number."},
      {CsvList::kTransponders, transponders + ",11000000,D,V,A,1/2,0,0,256,0",
       "Line 2 of f: Chn 256 is outside 0 to 255."},
      {CsvList::kTransponders, transponders + ",11000000,D,V,A,1/2,0,0,0,-",
       "Line 2 of f: SR \"-\" is not a number."},
  };
  flash::Workspace w = Image();
  for (const auto& c : cases) {
    EXPECT_EQ(ImportListCsv(w, c.list, c.csv, "f").error, c.error) << c.csv;
  }
  std::string many = transponders;
  for (int i = 0; i < 256; ++i) many += ",11000000,D,V,A,1/2,0,0,0,0\n";
  EXPECT_EQ(ImportListCsv(w, CsvList::kTransponders, many, "f").error,
            "Line 257 of f: A channel reaches at most 255 transponders.");
}

TEST(ListCsv, FilesAreWrittenOnlyWhenWholeAndAnImportIsOneStep) {
  testing::TempDir dir;
  flash::Workspace w = Image();
  UndoStack history(&w);
  testing::ScriptedFrontend ui;
  std::string done;
  const std::string csv = dir.Path("tp.csv");
  EXPECT_EQ(ExportCsvFile(ui, w, CsvList::kTransponders, csv, done), common::Outcome::kDone);
  EXPECT_EQ(done, "Exported 3 transponders to tp.csv");
  EXPECT_FALSE(ui.statuses.empty());  // the write is announced
  const std::string before = w.image.bytes;
  dir.Write("tp.csv", testing::TempDir::Read(csv) + ",11700000,U,H,A,1/2,0,0,0,0\r\n");
  EXPECT_EQ(ImportCsvFile(ui, w, history, CsvList::kTransponders, csv, done),
            common::Outcome::kDone);
  EXPECT_EQ(done, "Imported 4 transponders from tp.csv");
  EXPECT_EQ(history.UndoDescription(), "Import transponders from tp.csv");
  EXPECT_TRUE(w.dirty);
  history.Undo();
  EXPECT_TRUE(w.image.bytes == before);
  dir.Write("bad.csv", "Nr\n");
  EXPECT_EQ(ImportCsvFile(ui, w, history, CsvList::kChannels, dir.Path("bad.csv"), done),
            common::Outcome::kRefused);
  EXPECT_TRUE(w.image.bytes == before);
  flash::Workspace bare = testing::LoadedWorkspace(std::string(65536, '\0'));
  const std::size_t shown = ui.messages.size();
  EXPECT_EQ(ExportCsvFile(ui, bare, CsvList::kChannels, dir.Path("none.csv"), done),
            common::Outcome::kRefused);
  EXPECT_EQ(ui.messages.size(), shown + 1);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("none.csv")));
}

}  // namespace
}  // namespace chanforge::editing
