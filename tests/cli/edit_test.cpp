// The list editing commands of chanforge-cli: wiring to the core, exit statuses and what
// reaches the disk.
#include <functional>

#include "cli_fixture.h"
#include "editing/list_commands.h"
#include "flash/blocks.h"
#include "support/workspace.h"

namespace chanforge::cli {
namespace {

using editing::ListDocument;

TEST_F(Cli, EditCommandsWriteWhatTheEditorMakes) {
  const struct {
    const char* args;
    std::function<std::unique_ptr<editing::Command>(ListDocument&)> command;
  } cases[] = {
      {"set-channel flash512k.bin 2 sid=77 vpid=0x10",
       [](ListDocument& d) {
         editing::ChannelRecord record = d.channels()[1];
         record.words[channels::kSid] = 77;
         record.words[channels::kVpid] = 16;
         return editing::SetChannel(d, 1, editing::ChannelField::kSid, record);
       }},
      {"move-channels flash512k.bin 5-9 2",
       [](ListDocument& d) { return editing::MoveChannels(d, 4, 5, 1); }},
      {"remove-channels flash512k.bin 3 10-12",
       [](ListDocument& d) {
         return editing::RemoveChannels(d, {2, 9, 10, 11});
       }},
      {"sort-channels flash512k.bin --by name",
       [](ListDocument& d) { return editing::SortChannels(d, editing::SortKey::kName); }},
      {"--yes remove-transponder flash512k.bin 2",
       [](ListDocument& d) { return editing::RemoveTransponder(d, 1); }},
      {"move-transponder flash512k.bin 1 4",
       [](ListDocument& d) { return editing::MoveTransponders(d, 0, 1, 3); }},
  };
  Sample();
  for (const auto& c : cases) {
    std::filesystem::remove(dir_.Path("out.bin"));
    EXPECT_EQ(Cmd(std::string(c.args) + " -o out.bin").status, 0) << c.args;
    flash::Workspace w = chanforge::testing::LoadedWorkspace(MakeSampleImage());
    ListDocument document(w);
    editing::UndoStack stack;
    stack.Push(c.command(document));
    EXPECT_TRUE(Read("out.bin") == w.image.bytes) << c.args;
  }
}

TEST_F(Cli, EditRefusalsWriteNothing) {
  Sample();
  const std::pair<const char*, int> cases[] = {
      {"set-channel flash512k.bin 2 sid=70000", 1},
      {"set-channel flash512k.bin 151 sid=1", 1},
      {"set-channel flash512k.bin 1 colour=1", 1},
      {"move-channels flash512k.bin 2-4 3", 1},
      {"remove-channels flash512k.bin 1-3 200", 1},
      {"remove-transponder flash512k.bin 1", 1},  // channels use it: answered No
      {"move-transponder flash512k.bin 1 99", 1},
      {"move-channels flash512k.bin 2-x 3", 2},
      {"sort-channels flash512k.bin --by colour", 2},
      {"set-channel flash512k.bin 1", 2},
  };
  for (const auto& [args, status] : cases) {
    const Result run = Cmd(std::string(args) + " -o out.bin");
    EXPECT_EQ(run.status, status) << args;
    EXPECT_FALSE(run.err.empty()) << args;
    EXPECT_FALSE(Exists("out.bin")) << args;
  }
  flash::FlashImage bare{std::string(524288, '\0'), {}};
  dir_.Write("bare.bin", bare.bytes);
  EXPECT_EQ(Cmd("channels bare.bin").status, 1);
  EXPECT_EQ(Cmd("sort-channels bare.bin --by sid -o out.bin").status, 1);
}

TEST_F(Cli, ListsPrintOneLineARecordWithNamesInUtf8) {
  Sample();
  ASSERT_EQ(Cmd("set-channel flash512k.bin 1 name=T\xC3\xA9l\xC3\xA9 -o out.bin").status, 0);
  const Result channels = Cmd("channels out.bin");
  EXPECT_EQ(channels.status, 0);
  EXPECT_EQ(std::count(channels.out.begin(), channels.out.end(), '\n'), 151);
  EXPECT_NE(channels.out.find("\n1\tT\xC3\xA9l\xC3\xA9\t"), std::string::npos);
  const Result transponders = Cmd("transponders out.bin");
  EXPECT_EQ(transponders.status, 0);
  // The sample's first transponder carries seven channels.
  EXPECT_NE(transponders.out.find("\n1\t10744000\tD\tH\tA\t3/4\t1051\t1\t16\t22\t7\n"),
            std::string::npos);
}

}  // namespace
}  // namespace chanforge::cli
