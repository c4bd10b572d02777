// The satellite commands and check --satellite: wiring, exit statuses, what reaches the disk.
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "cli_fixture.h"
#include "satellites/satellite_rows.h"
#include "support/workspace.h"

namespace chanforge::cli {
namespace {

TEST_F(Cli, SatelliteTablesAddAndCheckAsTheCoreDoes) {
  // One the sample has on input B, two it lacks, one it cannot hold.
  const std::string table = testing::ScanTableRow(11767000, "V", 27500000, "3/4") +
                            testing::ScanTableRow(10971000, "H", 29700000, "2/3") +
                            testing::ScanTableRow(12111000, "V", 27500000, "AUTO") +
                            testing::ScanTableRow(11013000, "H", 29900000, "2/3", "DVBS2");
  std::filesystem::create_directory(dir_.Path("tables"));
  dir_.Write("tables/Sat-13.0E", table);
  const Result list = Cmd("satellites --tables tables");
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "Satellite\tPosition\tRows\nSat-13.0E\t13.0E\t4\n");
  EXPECT_EQ(Cmd("satellites --tables none").status, 1);

  const std::string add = "add-transponders flash512k.bin --tables tables --from sat-13.0e ";
  EXPECT_EQ(Cmd(add + "--diseqc B --fec-default 1/2 -o out.bin").status, 0);
  flash::Workspace w = chanforge::testing::LoadedWorkspace(MakeSampleImage());
  editing::ListDocument document(w);
  (*satellites::AddRecords(
       document, satellites::AddableRecords(satellites::FitRows(
                     *satellites::ParseScanTable(table), {true, 0}, document.transponders()))))
      ->Apply(document);
  EXPECT_TRUE(Read("out.bin") == w.image().bytes());
  // Nothing left to add, no table, no such satellite, no such FEC: nothing written.
  for (const std::string args : {"out.bin --tables tables --from Sat-13.0E --diseqc B",
                                 "flash512k.bin --tables none --from Sat-13.0E",
                                 "flash512k.bin --tables tables --from Sat-19.2E"}) {
    EXPECT_EQ(Cmd("add-transponders " + args + " -o again.bin").status, 1) << args;
  }
  EXPECT_EQ(Cmd(add + "--fec-default 5/6 -o again.bin").status, 2);
  EXPECT_FALSE(Exists("again.bin"));

  // The sample's other two on input B are strangers; the table has no gap left there.
  const std::tuple<const char*, int, std::size_t> checks[] = {
      {"out.bin --satellite B=Sat-13.0E", 0, 2},
      {"flash512k.bin --satellite b=Sat-13.0E --warnings-as-errors", 1, 3},
      {"out.bin --satellite C=Sat-13.0E", 2, 0},
      {"out.bin --satellite B=Sat-13.0E,b=Sat-13.0E", 2, 0},
      {"out.bin --satellite B=Sat-19.2E", 2, 0},
  };
  for (const auto& [args, status, lines] : checks) {
    const Result run = Cmd("check --tables tables " + std::string(args));
    EXPECT_EQ(run.status, status) << args;
    EXPECT_EQ(run.LineCount(), lines) << args;
  }
  EXPECT_NE(Cmd("check --tables tables out.bin --satellite B=Sat-13.0E,b=Sat-13.0E")
                .err.find("names DiSEqC input B twice"),
            std::string::npos);
}

// An unreadable table is named, names show safely; a list short of room asks, then adds what fits.
TEST_F(Cli, SatelliteTablesSayWhyAndAddWhatFits) {
  std::filesystem::create_directory(dir_.Path("tables"));
  std::string table;
  for (const std::int64_t khz : {10971000, 11767000, 12111000})
    table += testing::ScanTableRow(khz, "H", 27000000, "3/4") + "STREAM_ID = 0\n";
  dir_.Write("tables/Sat-13.0E", table);
  // Windows keeps control characters out of file names.
#ifndef _WIN32
  dir_.Write("tables/Odd\x1B[2J\nName-1.0W", "[T]\n");
  ::mkfifo(dir_.Path("tables/Fifo-2.0W").c_str(), 0600);
  const std::string odd = "Odd.[2J.Name-1.0W\t1.0W\t1\n";
#else
  const std::string odd;
#endif
  dir_.Write("tables/Big-5.0W", std::string(satellites::kTableFileLimit + 1, '#'));
  const Result list = Cmd("satellites --tables tables");
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "Satellite\tPosition\tRows\n" + odd + "Sat-13.0E\t13.0E\t3\n");
  EXPECT_NE(list.err.find("Big-5.0W"), std::string::npos);
#ifndef _WIN32
  // A FIFO where a table belongs is listed, and named as what it is.
  EXPECT_NE(list.err.find("Fifo-2.0W can not be read: not a regular file"), std::string::npos);
#endif
  std::string transponders;
  for (std::uint32_t i = 0; i < 254; ++i)
    transponders += chanforge::testing::TptRecord(950000000 + i * 4000000, 0, 0, 0, 27, 2, 0);
  dir_.Write("full.bin", chanforge::testing::FlashImageBuilder()
                             .Block(0, "TCS", chanforge::testing::TcsRecord("One", 1, 1, 1, 2, 3))
                             .Block(1, "TPT", transponders)
                             .Build());
  const std::string add = "add-transponders full.bin -o out.bin ";
  // Room for one of three: No adds nothing, Yes adds the first and names the other two.
  EXPECT_EQ(Cmd(add + "--tables tables --from Sat-13.0E").status, 1);
  EXPECT_FALSE(Exists("out.bin"));
  const Result added = Cmd("--yes " + add + "--tables tables --from Sat-13.0E");
  EXPECT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.LineCount(), 3) << added.out;
  EXPECT_EQ(Cmd("transponders out.bin").LineCount(), 256);
}

}  // namespace
}  // namespace chanforge::cli
