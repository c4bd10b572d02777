// The list editing, CSV, check and diff commands of chanforge-cli: wiring to the core, exit
// statuses (scripts rely on them) and what reaches the disk.
#include <functional>

#include "cli/positions.h"
#include "cli_fixture.h"
#include "editing/field_setters.h"
#include "editing/list_commands.h"
#include "flash/blocks.h"
#include "support/workspace.h"

namespace chanforge::cli {
namespace {

using editing::ListDocument;

TEST_F(Cli, EditCommandsWriteWhatTheEditorMakes) {
  using namespace editing;
  const std::vector<std::size_t> removed{2, 9, 10, 11};
  const std::pair<const char*, std::function<std::unique_ptr<Command>(ListDocument&)>> cases[] = {
      {"set-channel flash512k.bin 2 sid=77 vpid=0x10",
       [](ListDocument& d) {
         channels::ChannelRecord record = d.channels()[1];
         record.words[channels::kSid] = 77;
         record.words[channels::kVpid] = 16;
         return SetChannel(1, channels::ChannelField::kSid, record);
       }},
      {"set-transponder flash512k.bin 3 frequency=12000000 band=U fec=2/3",
       [](ListDocument& d) {
         transponders::TransponderRecord record = d.transponders()[2];
         EXPECT_EQ(AssignTransponderFields(record, {"frequency=12000000", "band=U", "fec=2/3"}),
                   "");
         return SetTransponder(2, transponders::TransponderField::kKhz, record);
       }},
      {"move-channels flash512k.bin 5-9 2", [](auto&) { return MoveChannels(4, 5, 1); }},
      {"remove-channels flash512k.bin 3 10-12", [&](auto&) { return RemoveChannels(removed); }},
      {"sort-channels flash512k.bin --by name", [](auto&) { return SortChannels(SortKey::kName); }},
      {"--yes remove-transponder flash512k.bin 2", [](auto&) { return RemoveTransponder(1); }},
      {"move-transponder flash512k.bin 1 4", [](auto&) { return MoveTransponders(0, 1, 3); }},
  };
  for (const auto& [args, command] : cases) {
    std::filesystem::remove(dir_.Path("out.bin"));
    EXPECT_EQ(Cmd(std::string(args) + " -o out.bin").status, 0) << args;
    flash::Workspace w = chanforge::testing::LoadedWorkspace(MakeSampleImage());
    ListDocument document(w);
    command(document)->Apply(document);
    EXPECT_TRUE(Read("out.bin") == w.image().bytes()) << args;
  }
}

TEST_F(Cli, EditRefusalsWriteNothing) {
  dir_.Write("bad.csv", "Nr,Name\r\n");
  dir_.Write("no-rows.csv", "Nr,Name,Use,TP,SID,VPID,APID,Vecm,Aecm,PCR\r\n,,,\r\n");
  const std::pair<const char*, int> cases[] = {
      {"set-channel flash512k.bin 2 sid=70000", 1},
      {"set-channel flash512k.bin 151 sid=1", 1},
      {"move-channels flash512k.bin 2-4 3", 1},
      {"remove-channels flash512k.bin 1-3 200", 1},
      {"remove-transponder flash512k.bin 1", 1},  // channels use it: answered No
      {"move-transponder flash512k.bin 1 99", 1},
      {"move-channels flash512k.bin 2-x 3", 2},
      {"sort-channels flash512k.bin --by colour", 2},
      {"set-transponder flash512k.bin 3 fec=5/6", 1},
      {"set-transponder flash512k.bin 3 frequency=12000000", 1},  // band D cannot carry it
      {"import-csv flash512k.bin --channels no-rows.csv", 1},     // asked, and no answer is No
      {"import-csv flash512k.bin --channels bad.csv", 1},
      {"import-csv flash512k.bin --channels missing.csv", 1},
      {"import-csv flash512k.bin bad.csv", 2},
      {"import-csv flash512k.bin --channels --transponders bad.csv", 2},
  };
  for (const auto& [args, status] : cases) {
    const Result run = Cmd(std::string(args) + " -o out.bin");
    EXPECT_EQ(run.status, status) << args;
    EXPECT_FALSE(run.err.empty()) << args;
    EXPECT_FALSE(Exists("out.bin")) << args;
  }
  flash::FlashImage bare{std::string(524288, '\0'), {}};
  dir_.Write("bare.bin", bare.owned);
  EXPECT_EQ(Cmd("channels bare.bin").status, 1);
  EXPECT_EQ(Cmd("sort-channels bare.bin --by sid -o out.bin").status, 1);
  // A command needs only the list it changes.
  std::string transponders_only = MakeSampleImage();
  transponders_only[0x20] = '\0';  // block 0 no longer names the channel list
  dir_.Write("tpt.bin", transponders_only);
  EXPECT_EQ(Cmd("set-transponder tpt.bin 3 tid=5 -o out.bin").status, 0);
}

// Every position and range is read one way: what is not a whole number in range is a usage
// error that quotes what was typed, and nothing is written.
TEST_F(Cli, PositionsThatAreNoNumbersAreUsageErrors) {
  EXPECT_EQ(CheckTypedNumber("-1"), "\"-1\" is not a whole number from 1 to 65535");
  EXPECT_EQ(CheckTypedNumber("0"), "\"0\": numbers start at 1");
  std::string problem;
  EXPECT_FALSE(ParseRange("2-x", problem));
  EXPECT_EQ(problem, "\"2-x\": \"x\" is not a whole number from 1 to 65535");
  // Each command with # where the number is typed, and whether its numbers start at 1.
  const std::tuple<const char*, bool> commands[] = {
      {"set-channel flash512k.bin # sid=1 -o out.bin", true},
      {"set-transponder flash512k.bin # sr=1 -o out.bin", true},
      {"move-channels flash512k.bin # 1 -o out.bin", true},
      {"move-channels flash512k.bin 1-2 # -o out.bin", true},
      {"remove-channels flash512k.bin 1 # -o out.bin", true},
      {"remove-transponder flash512k.bin # -o out.bin", true},
      {"move-transponder flash512k.bin # 1 -o out.bin", true},
      {"swap-diseqc flash512k.bin # -o out.bin", false},
      {"clear-block flash512k.bin # -o out.bin", false},
      {"read-block flash512k.bin # flash512k.bin -o out.bin", false},
      {"save-block flash512k.bin # out.bin", false},
      {"hexdump flash512k.bin #", false},
  };
  const std::string typed[] = {"-1", "0", "1.5", "x", "+2", "99999999999999999999", "2--3"};
  // Every command reads them with the one parser: a faulty number each is enough.
  std::size_t next = 0;
  for (const auto& [typed_args, one_based] : commands) {
    if (typed[next % std::size(typed)] == "0" && !one_based) ++next;
    const std::string& text = typed[next++ % std::size(typed)];
    std::string args = typed_args;
    args.replace(args.find('#'), 1, text);
    const Result run = Cmd(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_NE(run.err.find("\"" + text + "\""), std::string::npos) << args << run.err;
    EXPECT_FALSE(Exists("out.bin")) << args;
  }
}

TEST_F(Cli, ListsPrintOneLineARecordWithNamesInUtf8) {
  ASSERT_EQ(Cmd("set-channel flash512k.bin 1 name=T\xC3\xA9l\xC3\xA9 -o out.bin").status, 0);
  const Result channels = Cmd("channels out.bin");
  EXPECT_EQ(channels.status, 0);
  EXPECT_EQ(channels.LineCount(), 151);
  EXPECT_NE(channels.out.find("\n1\tT\xC3\xA9l\xC3\xA9\t"), std::string::npos);
  const Result transponders = Cmd("transponders out.bin");
  EXPECT_EQ(transponders.status, 0);
  // The sample's first transponder carries seven channels.
  EXPECT_NE(transponders.out.find("\n1\t10744000\tD\tH\tA\t3/4\t1051\t1\t16\t22\t7\n"),
            std::string::npos);
}

TEST_F(Cli, CheckAndDiffExitStatuses) {
  std::string image = MakeSampleImage();
  image[0x44 + 17] = 0x7F;  // channel 1's TP points past the transponders
  dir_.Write("bad.bin", image);
  image = MakeSampleImage() + "x";  // only a size warning
  dir_.Write("long.bin", image);
  const std::tuple<const char*, int, std::size_t> runs[] = {
      {"check flash512k.bin", 0, 0},
      {"check bad.bin", 1, 1},
      {"check long.bin", 0, 1},
      {"check long.bin --warnings-as-errors", 1, 1},
      {"check missing.bin", 2, 0},
      {"check flash512k.bin bad.bin", 1, 3},  // a summary line per image
      {"check bad.bin missing.bin flash512k.bin", 2, 4},
      {"diff flash512k.bin flash512k.bin", 0, 0},
      {"diff flash512k.bin bad.bin", 1, 1},
      {"diff flash512k.bin missing.bin", 2, 0},
  };
  for (const auto& [args, status, lines] : runs) {
    const Result run = Cmd(args);
    EXPECT_EQ(run.status, status) << args;
    EXPECT_EQ(run.LineCount(), lines) << args;
  }
  // As in the window, an image with errors is written only after Yes.
  EXPECT_EQ(Cmd("set-channel bad.bin 1 sid=2 -o out.bin").status, 1);
  EXPECT_FALSE(Exists("out.bin"));
  EXPECT_EQ(Cmd("--yes set-channel bad.bin 1 sid=2 -o out.bin").status, 0);
}

TEST_F(Cli, CsvRoundTripsThroughTheImage) {
  const std::string sample = Read("flash512k.bin");
  for (const char* list : {"--channels", "--transponders"}) {
    const std::string flag = list;
    ASSERT_EQ(Cmd("export-csv flash512k.bin " + flag + " list.csv").status, 0) << list;
    EXPECT_EQ(Cmd("export-csv flash512k.bin " + flag + " list.csv").status, 1);  // no --yes
    ASSERT_EQ(Cmd("import-csv flash512k.bin " + flag + " list.csv -o out.bin").status, 0);
    EXPECT_TRUE(Read("out.bin") == sample) << list;
    std::filesystem::remove(dir_.Path("list.csv"));
    std::filesystem::remove(dir_.Path("out.bin"));
  }
  EXPECT_EQ(Cmd("export-csv flash512k.bin --channels flash512k.bin").status, 1);
  EXPECT_TRUE(Read("flash512k.bin") == sample);
}

}  // namespace
}  // namespace chanforge::cli
