// The list document, its commands and its CSV exchange: undo restores every byte, edits give
// the text road's bytes, links follow their transponders, an export imports to the same bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <tuple>

#include "common/reported_files.h"
#include "common/text_lines.h"
#include "editing/block_steps.h"
#include "editing/csv_text.h"
#include "editing/field_setters.h"
#include "editing/list_commands.h"
#include "editing/list_csv.h"
#include "flash/blocks.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "support/workspace.h"
#include "views/list_cells.h"
#include "views/print_rows.h"

namespace chanforge::editing {
namespace {

using channels::ChannelField, channels::ChannelFieldNamed, channels::ChannelRecord,
    common::ListKind, transponders::SetTransponderValue, transponders::TransponderField,
    transponders::TransponderRecord;

using enum common::ListKind;
using namespace std::string_literals;
using testing::TcsRecord;
using testing::TptRecord;

// Channels on transponders 1 to 5, one on none (0) and one pointing past the list (9).
std::string Channels() {
  std::string list;
  const std::uint8_t tps[] = {3, 1, 0, 5, 2, 9, 1, 4, 3, 2, 5, 1};
  for (std::size_t i = 0; i < std::size(tps); ++i)
    list += TcsRecord("Ch " + std::to_string(i % 7), static_cast<std::uint8_t>(i % 3), tps[i],
                      static_cast<std::uint16_t>(100 - i % 5), 0, 0);
  return list;
}

std::string Transponders() {
  std::string list;
  for (std::uint32_t i = 0; i < 5; ++i)
    list += TptRecord(1000000000 + (i * 7 % 5) * 1000000, static_cast<std::uint16_t>(i), 0, 0, 0,
                      static_cast<std::uint8_t>(i % 4), i == 2 ? 0x0B : 0);
  list.resize(2040, '\0');
  return list;
}

flash::Workspace Image() {
  return chanforge::testing::LoadedWorkspace(chanforge::testing::FlashImageBuilder()
                                                 .Block(2, "tcs", Channels())
                                                 .Block(4, "TPT", Transponders())
                                                 .Block(5, "TCS", "other")
                                                 .Build());
}

// An image whose only block is this one.
flash::Workspace OneBlock(int index, const char* name, const std::string& data) {
  return testing::LoadedWorkspace(testing::FlashImageBuilder().Block(index, name, data).Build());
}

// An image with these two lists, the channels in block 1 and the transponders in block 3.
flash::Workspace Lists(const std::string& channels,
                       const std::string& transponders = Transponders()) {
  return testing::LoadedWorkspace(
      testing::FlashImageBuilder().Block(1, "TCS", channels).Block(3, "TPT", transponders).Build());
}

std::string Data(const flash::Workspace& w, int index) {
  return flash::BlockData(w, *flash::FindBlock(w, index));
}

std::vector<std::uint8_t> Tps(const ListDocument& document) {
  std::vector<std::uint8_t> tps;
  for (const ChannelRecord& channel : document.channels()) tps.push_back(channel.tp);
  return tps;
}

// Rows chosen for a command, without the braces that spread a table row over lines.
template <typename... T>
std::vector<std::size_t> Rows(T... rows) {
  return {static_cast<std::size_t>(rows)...};
}

std::unique_ptr<Command> Set(ListDocument& document, std::size_t row, std::string_view assignment) {
  ChannelRecord record = document.channels()[row];
  EXPECT_EQ(AssignChannelField(document, record, assignment), "");
  const std::string_view field = assignment.substr(0, assignment.find('='));
  return SetChannel(row, *ChannelFieldNamed(field), record);
}

// Every command, applied at random, undone and redone, leaves the image as it was.
TEST(Commands, UndoAndRedoRestoreEveryByteOverRandomSequences) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    flash::Workspace w = Image();
    ListDocument document(w);
    UndoStack stack(document);
    std::mt19937 random(seed);
    const auto pick = [&](std::size_t n) { return n == 0 ? 0 : random() % n; };
    std::vector<std::string> images{std::string(w.image().bytes())};
    for (int step = 0; step < 30; ++step) {
      const std::size_t channels = document.channels().size();
      const std::size_t transponders = document.transponders().size();
      // Steps that need rows wait until there are a few.
      const std::size_t kind = random() % 12;
      if ((kind != 1 && (kind < 4 || kind == 9) && channels < 4) ||
          (kind > 4 && kind != 6 && kind != 9 && transponders < 2)) {
        continue;
      }
      const std::size_t row = pick(channels), t = pick(transponders);
      ChannelRecord channel = channels ? document.channels()[row] : ChannelRecord{};
      channel.name[pick(16)] = static_cast<char>(random());
      channel.words[pick(6)] = static_cast<std::uint16_t>(random());
      auto transponder = transponders ? document.transponders()[t] : TransponderRecord{};
      transponder.flags = static_cast<std::uint8_t>(random());
      const std::function<std::unique_ptr<Command>()> steps[] = {
          [&] { return SetChannel(row, ChannelField::kName, channel); },
          [&] {
            return InsertChannels(pick(channels + 1), std::vector(2, channel), Inserted::kNew);
          },
          [&] { return RemoveChannels(Rows(row, pick(channels))); },
          [&] { return MoveChannels(1, 2, 3 + pick(channels - 2)); },
          [&] { return SortChannels(static_cast<SortKey>(pick(3))); },
          [&] { return SetTransponder(t, TransponderField::kBand, transponder); },
          [&] { return InsertTransponders(pick(transponders + 1), {transponder}); },
          [&] { return RemoveTransponder(t); },
          [&] { return MoveTransponders(0, 1, pick(transponders + 1)); },
          [&] { return MoveRows(document, kChannels, Rows(row, 1), pick(channels + 1)); },
          [&] { return StepRows(document, kTransponders, {1}, -1); },
          [&] { return RemoveTransponders(Rows(t, 0)); }};
      std::unique_ptr<Command> command = steps[kind]();
      if (!command) continue;  // a move that keeps every row where it is
      stack.Push(std::move(command));
      images.resize(stack.index());
      images.emplace_back(w.image().bytes());
    }
    while (stack.CanUndo()) {
      stack.Undo();
      ASSERT_TRUE(w.image().bytes() == images[stack.index()])
          << "seed " << seed << ", step " << stack.index() << ": " << stack.RedoDescription();
    }
    EXPECT_FALSE(w.dirty());
    while (stack.CanRedo()) {
      stack.Redo();
      ASSERT_TRUE(w.image().bytes() == images[stack.index()]) << "seed " << seed;
    }
  }
}

std::string Parsed(const std::vector<std::string>& lines, bool tpt) {
  std::string data;
  for (const std::string& line : lines)
    (void)(tpt ? transponders::TptTextReader(common::TptLayout::kFull) : channels::TcsTextReader())
        .Parse(line, data);
  if (tpt) data.resize(std::max<std::size_t>(data.size(), 2040), '\0');
  return data;
}

// The text road: the TP column of every channel line through a map of positions.
void MapTps(std::vector<std::string>& lines, std::map<int, int> map) {
  for (std::string& line : lines) {
    const int tp = std::stoi(line.substr(channels::kTcsTpColumn, 2), nullptr, 16);
    if (map.count(tp)) line.replace(channels::kTcsTpColumn, 2, "0" + std::to_string(map[tp]));
  }
}

using Lines = std::vector<std::string>;
using MakeCommand = std::function<std::unique_ptr<Command>(ListDocument&)>;

TEST(Commands, GiveTheBytesOfTheTextRoad) {
  const std::tuple<const char*, MakeCommand, std::function<void(Lines&, Lines&)>> cases[] = {
      {"rename", [](ListDocument& d) { return Set(d, 3, "name=New"); },
       [](Lines& c, Lines&) { c[3].replace(5, 16, "New             "); }},
      {"tp", [](ListDocument& d) { return Set(d, 1, "tp=4"); },
       [](Lines& c, Lines&) { c[1].replace(25, 2, "04"); }},
      // 3840 bytes: a length field whose high byte counts
      {"duplicate",
       [](ListDocument& d) {
         return InsertChannels(12, std::vector(116, d.channels()[0]), Inserted::kCopies);
       },
       [](Lines& c, Lines&) { c.insert(c.end(), 116, c[0]); }},
      {"move", [](ListDocument&) { return MoveChannels(1, 2, 8); },
       [](Lines& c, Lines&) { std::rotate(c.begin() + 1, c.begin() + 3, c.begin() + 8); }},
      {"remove", [](ListDocument&) { return RemoveChannels(Rows(4, 1)); },
       [](Lines& c, Lines&) {
         c.erase(c.begin() + 4);
         c.erase(c.begin() + 1);
       }},
      {"frequency",
       [](ListDocument& d) {
         TransponderRecord t = d.transponders()[1];
         EXPECT_EQ(SetTransponderValue(t, TransponderField::kKhz, 10900000), "");
         return SetTransponder(1, TransponderField::kKhz, t);
       },
       [](Lines&, Lines& t) { t[1].replace(4, 8, "10900000"); }},
      {"remove transponder", [](ListDocument&) { return RemoveTransponder(1); },
       [](Lines& c, Lines& t) {
         t.erase(t.begin() + 1);
         std::erase_if(c, [](const std::string& line) { return line.substr(25, 2) == "02"; });
         MapTps(c, {{3, 2}, {4, 3}, {5, 4}});
       }},
      {"move transponder", [](ListDocument&) { return MoveTransponders(0, 1, 3); },
       [](Lines& c, Lines& t) {
         std::rotate(t.begin(), t.begin() + 1, t.begin() + 3);
         MapTps(c, {{1, 3}, {2, 1}, {3, 2}});
       }},
  };
  for (const auto& [name, command, edit] : cases) {
    flash::Workspace w = Image();
    ListDocument document(w);
    Lines tcs = channels::FormatTcsLines(Data(w, 2));
    Lines tpt = transponders::FormatTptLines(Data(w, 4), common::TptLayout::kFull);
    edit(tcs, tpt);
    command(document)->Apply(document);
    EXPECT_EQ(Data(w, 2), Parsed(tcs, false)) << name;
    EXPECT_EQ(Data(w, 4), Parsed(tpt, true)) << name;
  }
}

TEST(Commands, KeepEveryChannelOnItsTransponder) {
  const std::tuple<const char*, MakeCommand, std::vector<std::uint8_t>> cases[] = {
      {"insert before 2",
       [](ListDocument&) { return InsertTransponders(1, {TransponderRecord{}}); },
       {4, 1, 0, 6, 3, 9, 1, 5, 4, 3, 6, 1}},
      {"move 4-5 before 1",
       [](ListDocument&) { return MoveTransponders(3, 2, 0); },
       {5, 3, 0, 2, 4, 9, 3, 1, 5, 4, 2, 3}},
      {"remove 1 and its channels",
       [](ListDocument&) { return RemoveTransponder(0); },
       {2, 0, 4, 1, 9, 3, 2, 1, 4}},
      {"remove 4 and 2 and their channels",
       [](ListDocument&) { return RemoveTransponders(Rows(3, 1)); },
       {2, 1, 0, 3, 9, 1, 2, 3, 1}},
      {"gather channels 2, 4 and 5 before 8",
       [](ListDocument& d) { return MoveRows(d, kChannels, Rows(4, 1, 3), 7); },
       {3, 0, 9, 1, 1, 5, 2, 4, 3, 2, 5, 1}},
      {"step 2, 3 and 5 up",
       [](ListDocument& d) { return StepRows(d, kTransponders, Rows(1, 2, 4), -1); },
       {2, 3, 0, 4, 1, 9, 3, 5, 2, 1, 4, 3}},
      {"step 1 and 4 down",
       [](ListDocument& d) { return StepRows(d, kTransponders, Rows(0, 3), 1); },
       {3, 2, 0, 4, 1, 9, 2, 5, 3, 1, 4, 2}},
  };
  for (const auto& [name, command, tps] : cases) {
    flash::Workspace w = Image();
    ListDocument document(w);
    const std::vector<std::uint8_t> before = Tps(document);
    UndoStack stack(document);
    stack.Push(command(document));
    EXPECT_EQ(Tps(document), tps) << name;
    stack.Undo();
    EXPECT_EQ(Tps(document), before) << name;
  }
  flash::Workspace w = Image();
  ListDocument document(w);
  EXPECT_EQ(RemoveTransponderQuestion(document, 1),
            "2 channels use transponder 2 (10752000 kHz).\r\nRemove the transponder and its 2 "
            "channels ?");
  EXPECT_EQ(RemoveTransponderAnswer(document, 0), "Remove transponder and its 3 channels");
  EXPECT_EQ(
      RemoveTranspondersQuestion(document, {0, 1}),
      "5 channels use the 2 transponders.\r\nRemove the 2 transponders and their 5 channels ?");
  EXPECT_EQ(RemoveTranspondersQuestion(document, {1, 3, 5}),
            "3 channels use 2 of the 3 transponders.\r\nRemove the 3 transponders and their 3 "
            "channels ?");
  EXPECT_EQ(RemoveTranspondersAnswer(document, {1, 3, 5}),
            "Remove 3 transponders and their 3 channels");
  EXPECT_EQ(MoveRows(document, kChannels, {5, 1}, 0)->Description(), "Move 2 channels");
  EXPECT_EQ(MoveRows(document, kChannels, {1, 2}, 3), nullptr);  // already there
  // A new channel: the transponder and Use of the row beside it, else the first; SID 0.
  EXPECT_EQ(NewChannel(document, 3)->Encode(), TcsRecord("", 0, 5, 0, 0, 0));
  EXPECT_EQ(NewChannel(document, 5)->Encode(), TcsRecord("", 2, 1, 0, 0, 0));
  EXPECT_EQ(NewChannel(document, std::nullopt)->Encode(), TcsRecord("", 4, 1, 0, 0, 0));
  EXPECT_EQ(NewChannel(document, document.channels().size())->Encode(),
            TcsRecord("", 4, 1, 0, 0, 0));  // past the last row: the defaults
  {
    // A shorter list leaves zeros where its last record was, as a block read does.
    auto two = OneBlock(1, "TCS", TcsRecord("A", 4, 1, 1, 2, 3) + TcsRecord("B", 4, 1, 2, 2, 3));
    ListDocument shrinking(two);
    RemoveChannels({1})->Apply(shrinking);
    EXPECT_EQ(flash::WholeBlockBytes(two, *flash::FindBlock(two, 1))
                  .substr(flash::kDataOffset + channels::kTcsRecordSize, channels::kTcsRecordSize),
              std::string(channels::kTcsRecordSize, '\0'));
  }
  w = OneBlock(4, "TPT", TptRecord(1000000000, 0, 0, 0, 0, 0, 0));
  document = ListDocument(w);  // the last transponder goes: the padding stays
  const auto last = RemoveTransponder(0);
  last->Apply(document);
  EXPECT_EQ(last->Description(), "Remove transponder 1");  // no channel goes with it
  EXPECT_EQ(Data(w, 4), std::string(2040, '\0'));
  std::string full;  // 170 transponders fill 2040 bytes: a 171st makes the list longer
  for (int i = 0; i < 170; ++i) full += TptRecord(1000000000, 0, 0, 0, 0, 0, 0);
  w = OneBlock(4, "TPT", full);
  document = ListDocument(w);
  InsertTransponders(170, {document.transponders()[0]})->Apply(document);
  EXPECT_EQ(Data(w, 4), full + full.substr(0, 12));
}

TEST(UndoStack, MergesTypingInOneCellAndNeverAcrossTheSavedState) {
  flash::Workspace w = Image();
  ListDocument document(w);
  const std::string original(w.image().bytes());
  UndoStack stack(document);
  stack.Push(Set(document, 0, "name=A"));
  stack.Push(Set(document, 0, "name=AB"));
  EXPECT_EQ(stack.size(), 1u);
  EXPECT_EQ(stack.UndoDescription(), "Rename channel 1");
  TransponderRecord t = document.transponders()[0];
  for (const auto& [field, value, steps] : {std::tuple{TransponderField::kTid, 1, 2u},
                                            {TransponderField::kTid, 2, 2u},
                                            {TransponderField::kNid, 3, 3u}}) {
    EXPECT_EQ(SetTransponderValue(t, field, value), "");
    stack.Push(SetTransponder(0, field, t));
    EXPECT_EQ(stack.size(), steps);
  }
  EXPECT_EQ(stack.UndoDescription(), "Change NID of transponder 1");
  stack.Push(Set(document, 1, "name=C"));
  stack.Push(Set(document, 1, "sid=7"));
  EXPECT_EQ(stack.size(), 5u);
  EXPECT_EQ(stack.UndoDescription(), "Change SID of channel 2");
  ChannelRecord both = document.channels()[1];
  both.words[channels::kSid] = 9;
  ChannelRecord only_sid = both;
  both.words[channels::kVpid] = 10;
  stack.Push(SetChannelFields(1, {{ChannelField::kSid, only_sid}, {ChannelField::kVpid, both}}));
  EXPECT_EQ(stack.UndoDescription(), "Change SID and VPID of channel 2");
  EXPECT_EQ(document.channels()[1], both);
  stack.Undo();
  EXPECT_EQ(stack.UndoDescription(), "Change SID of channel 2");
  EXPECT_EQ(RemoveChannels({0, 1})->Description(), "Remove 2 channels");
  EXPECT_EQ(RemoveChannels({2})->Description(), "Remove channel 3");
  stack.MarkClean();
  stack.Push(Set(document, 1, "sid=8"));
  EXPECT_EQ(stack.size(), 6u);
  while (stack.CanUndo()) stack.Undo();
  EXPECT_EQ(w.image().bytes(), original);
  EXPECT_EQ(stack.RedoDescription(), "Rename channel 1");
}

TEST(UndoStack, TheCleanIndexFollowsSaveAndUndo) {
  flash::Workspace w = Image();
  ListDocument document(w);
  UndoStack stack(document);
  const std::string block = flash::WholeBlockBytes(w, *flash::FindBlock(w, 5));
  std::string read = block;
  read[0x50] ^= 1;
  stack.Push(ReplaceBlock(5, read, flash::BlockPart::kWhole, common::Value("Read Block")));
  stack.Undo();
  stack.Redo();
  EXPECT_EQ(flash::WholeBlockBytes(w, *flash::FindBlock(w, 5)), read);
  stack.Undo();
  const auto edit = [&](const char* sid) {
    stack.Push(Set(document, 0, sid));
    stack.Push(MoveChannels(0, 1, 3));  // a step between, so nothing merges
  };
  edit("sid=1");
  EXPECT_TRUE(w.dirty());
  const std::uint64_t revision = w.revision();
  stack.MarkClean();
  EXPECT_FALSE(w.dirty());
  EXPECT_GT(w.revision(), revision);  // the windows hear that the changed marker went
  edit("sid=2");
  EXPECT_TRUE(w.dirty());
  stack.Undo();
  stack.Undo();
  EXPECT_FALSE(w.dirty());
  stack.Undo();
  EXPECT_TRUE(w.dirty());
  stack.Redo();
  EXPECT_FALSE(w.dirty());
  // A new step from before the saved state: that state can no longer be reached.
  stack.Undo();
  edit("sid=3");
  EXPECT_FALSE(stack.CanRedo());
  while (stack.CanUndo()) {
    stack.Undo();
    EXPECT_TRUE(w.dirty());
  }
  stack.Push(Set(document, 0, "sid=4"));  // the first step again, no saved state to keep apart
  EXPECT_EQ(stack.size(), 1u);
  stack.Clear();  // a new image: nothing to redo either
  EXPECT_FALSE(stack.CanRedo());
}

// The bytes a list keeps behind its last transponder stay at its end when it grows.
TEST(Commands, KeepTheBytesBehindTheLastTransponder) {
  std::string list = Transponders();
  list.back() = '\x02';  // the flags of an empty record
  flash::Workspace w = OneBlock(1, "TPT", list);
  ListDocument document(w);
  InsertTransponders(0, {document.transponders()[0]})->Apply(document);
  EXPECT_EQ(Data(w, 1).size(), 2052u);
  EXPECT_EQ(Data(w, 1).back(), '\x02');
  // An unused record moved behind the last used one counts as padding, as a read takes it.
  InsertTransponders(1, {TransponderRecord{}})->Apply(document);
  MoveTransponders(1, 1, document.transponders().size())->Apply(document);
  EXPECT_EQ(document.CountedTransponders(), document.transponders().size() - 1);
  EXPECT_EQ(ListDocument(w).transponders().size(), document.CountedTransponders());
  // The editor's new transponder is a used one.
  (*InsertNewRow(document, kTransponders, 0, std::nullopt))->Apply(document);
  EXPECT_EQ(document.transponders()[0].Khz(), transponders::kKhzLeast);
}

// The last free slot takes a new channel; a full list takes none.
TEST(Commands, InsertANewChannelUpToTheListsRoom) {
  flash::Workspace w = Lists(testing::ChannelList(kChannelRoom - 1));
  ListDocument document(w);
  const auto inserted = InsertNewRow(document, kChannels, 0, std::nullopt);
  ASSERT_TRUE(inserted.ok()) << inserted.status().message();
  (*inserted)->Apply(document);
  EXPECT_EQ(document.channels().size(), kChannelRoom);
  EXPECT_FALSE(InsertNewRow(document, kChannels, 0, std::nullopt).ok());
}

// A length field that is no whole number of records or says more than the block holds
// stays: an edit of the first record changes its bytes only.
TEST(Commands, ChangeOnlyWhatTheyEditWhateverTheLengthField) {
  for (const std::size_t length : {31, 59, 65467, 65500, 65535}) {
    auto list = testing::ChannelList(std::min<std::size_t>(length, flash::kBlockDataRoom) / 30);
    list.resize(length, '\x5A');
    flash::Workspace w = OneBlock(1, "TCS", list);
    std::string expected(w.image().bytes());
    ListDocument document(w);
    Set(document, 0, "name=X")->Apply(document);
    expected.replace(common::kBlockSize + flash::kDataOffset, 30, document.channels()[0].Encode());
    EXPECT_TRUE(w.image().bytes() == expected) << length;
  }
}

TEST(Commands, SortStablyByTheirKeys) {
  flash::Workspace w =
      Lists(TcsRecord("b", 0, 2, 5, 0, 0) + TcsRecord("A  ", 0, 0, 3, 0, 0) +
                TcsRecord(std::string("a\0\0 ", 4), 0, 7, 5, 0, 0) +
                TcsRecord("\xE9", 0, 1, 1, 0, 0) + TcsRecord("B", 0, 2, 3, 0, 0),
            TptRecord(2000000000, 0, 0, 0, 0, 0, 0) + TptRecord(1000000000, 0, 0, 0, 0, 0, 0));
  ListDocument document(w);
  const auto order = [&] {
    std::string names;
    for (const ChannelRecord& c : document.channels()) names += c.name[0];
    return names;
  };
  const std::tuple<SortKey, std::string, const char*> cases[] = {
      {SortKey::kName, "AabB\xE9", "name"},
      {SortKey::kSid, std::string("\xE9") + "ABba", "SID"},
      {SortKey::kFrequency, std::string("bB\xE9") + "Aa", "frequency"}};
  for (const auto& [key, expected, by] : cases) {
    UndoStack stack(document);
    stack.Push(SortChannels(key));
    EXPECT_EQ(order(), expected);
    EXPECT_EQ(stack.UndoDescription(), "Sort channels by "s + by);
    stack.Undo();
    EXPECT_EQ(order(), "bAa\xE9"s + "B");
  }
}

TEST(BlockSteps, UndoAndRedoTakeTheImageAndTheListsAlong) {
  flash::Workspace w = Image();
  ListDocument document(w);
  UndoStack stack(document);
  const int block = document.transponder_block();
  const std::string before(w.image().bytes());
  const std::size_t transponders = document.transponders().size();
  testing::ScriptedFrontend ui;
  ui.Answer(false).Answer(true);
  EXPECT_EQ(ClearBlock(stack, ui, block, flash::BlockPart::kData), common::Outcome::kCancelled);
  EXPECT_EQ(ClearBlock(stack, ui, 8, flash::BlockPart::kData), common::Outcome::kRefused);
  EXPECT_EQ(stack.size(), 0u);
  EXPECT_EQ(ClearBlock(stack, ui, block, flash::BlockPart::kData), common::Outcome::kDone);
  EXPECT_EQ(stack.UndoDescription(), "Clear Block");
  const std::string after(w.image().bytes());
  ASSERT_NE(after, before);
  EXPECT_TRUE(document.transponders().empty());
  stack.Undo();
  EXPECT_TRUE(w.image().bytes() == before);
  EXPECT_EQ(document.transponders().size(), transponders);
  stack.Redo();
  EXPECT_TRUE(w.image().bytes() == after);
  EXPECT_TRUE(document.transponders().empty());
}

TEST(Refusals, NameWhatIsWrong) {
  flash::Workspace w = Image();
  const ListDocument document(w);
  EXPECT_EQ(document.channel_block(), 2);  // the first TCS block, found in any case
  ListDocument again(w);
  again.Reload();  // reading again replaces, never appends
  EXPECT_EQ(again.channels().size(), 12u);
  EXPECT_EQ(again.transponders().size(), document.transponders().size());
  flash::Workspace bare = chanforge::testing::LoadedWorkspace(std::string(524288, '\0'));
  EXPECT_EQ(ListDocument(bare).CheckEditable(kChannels), "The image has no TCS block.");
  EXPECT_EQ(ListDocument(bare).CheckEditable(kTransponders), "The image has no TPT block.");
  const std::pair<const char*, const char*> assignments[] = {
      {"sid=70000", "SID 70000 is outside 0 to 65535."},
      {"use=256", "Use 256 is outside 0 to 255."},
      {"sid=1x", "SID \"1x\" is not a number."},
      {"tp=6", "TP 6 names no transponder: the list has 5."},
      {"tp=0", "TP 0 names no transponder: the list has 5."},
      {"name=ABCDEFGH\r\nIJKLMNO",
       "Name \"ABCDEFGH\\r\\nIJKLMNO\" is 17 bytes long; at most 16 fit."},
      {"name=T\xC3\xA9l 1 ",
       "Name \"T\xC3\xA9l 1 \" ends in a blank, which the list would store as a NUL: leave it "
       "out."},
      {"name=\xE6\x97\xA5", "\"name=\xE6\x97\xA5\" holds a character that Latin-1 cannot store."},
      {"pcr", "\"pcr\" is not FIELD=VALUE."},
      {"name=\x80", "\"name=\x80\" holds a character that Latin-1 cannot store."},
  };
  for (const auto& [assignment, refusal] : assignments) {
    ChannelRecord record;
    EXPECT_EQ(AssignChannelField(document, record, assignment), refusal);
  }
  ChannelRecord record;
  for (const char* assignment : {"name=0123456789ABCDEF", "sid=0", "name=T\xC3\xA9l\xC2\xB0 1",
                                 "use=0x1F", "tp=0x5", "aecm=65535"}) {
    EXPECT_EQ(AssignChannelField(document, record, assignment), "") << assignment;
  }
  EXPECT_EQ(record.Encode(), TcsRecord("T\xE9l\xB0 1", 0x1F, 5, 0, 0, 0, 0, 65535));
  record = ChannelRecord::Decode(TcsRecord("A  ", 0, 0, 0, 0, 0));
  EXPECT_EQ(AssignChannelField(document, record, "name=A  "), "");  // as it stands: no change
  EXPECT_EQ(record.Encode(), TcsRecord("A  ", 0, 0, 0, 0, 0));
  // A field named twice is refused, as which value is meant cannot be told.
  EXPECT_EQ(EachFieldOnce({"name=a", "sid=1", "sidx=2"}), "");
  TransponderRecord twice;
  EXPECT_EQ(AssignTransponderFields(twice, {"sr=27500", "fec=3/4", "sr=22000"}),
            "\"sr\" is given twice: give each field once.");
  EXPECT_EQ(twice, TransponderRecord());

  EXPECT_EQ(CheckNumber(13, 12, kChannels), "Channel 13 is beyond the list of 12.");
  EXPECT_EQ(CheckMove(2, 4, 4, 12, kChannels), "Position 4 lies inside 2-4.");
  EXPECT_EQ(CheckRange(3, 3, 12, kChannels), "");
  EXPECT_EQ(CheckMove(2, 4, 14, 12, kChannels), "Position 14 is beyond the list of 12.");
  EXPECT_EQ(CheckMove(4, 2, 1, 12, kChannels), "Channel range 4-2 runs backwards.");
  EXPECT_TRUE(CheckMove(2, 4, 13, 12, kChannels).ok() && CheckMove(2, 4, 1, 12, kChannels).ok());
  EXPECT_EQ(CheckStep({0, 4}, -1, 12, kChannels), "Channel 1 is the first: it cannot move up.");
  EXPECT_EQ(CheckStep({4, 11}, 1, 12, kChannels), "Channel 12 is the last: it cannot move down.");
  EXPECT_TRUE(CheckStep({1, 10}, 1, 12, kChannels).ok() &&
              CheckStep({1, 10}, -1, 12, kChannels).ok());
  // What a move says it did, as a row under a find may pass rows the find hides.
  flash::Workspace moved =
      OneBlock(0, "TCS", TcsRecord("ZDF HD", 4, 1, 1, 0, 0) + TcsRecord("", 4, 1, 2, 0, 0));
  const ListDocument lists(moved);
  EXPECT_EQ(MovedText(lists, kChannels, {1}, {0}, -1), "ZDF HD is now 1");
  EXPECT_EQ(MovedText(lists, kChannels, {0}, {1}, 1), "Channel 1 is now 2");
  EXPECT_EQ(MovedText(lists, kTransponders, {2}, {3}, 1), "Transponder 3 is now 4");
  EXPECT_EQ(MovedText(lists, kChannels, {1, 5}, {0, 4}, -1), "2 channels moved up one place");
  EXPECT_EQ(MovedText(lists, kTransponders, {1, 5}, {2, 6}, 1),
            "2 transponders moved down one place");
  EXPECT_EQ(MovedText(lists, kChannels, {1, 5}, {7, 8}, 0), "2 channels are now 8 to 9");
  // The editor's Insert and Duplicate: a new transponder at the band's edge before the row,
  // copies behind the last row copied; a new channel needs a transponder.
  ListDocument edited(moved);
  EXPECT_FALSE(InsertNewRow(edited, kChannels, 0, 0).ok());
  const auto copies = DuplicateRows(edited, kChannels, {0});
  EXPECT_EQ((*copies)->Description(), "Duplicate channel 2");
  (*copies)->Apply(edited);
  EXPECT_TRUE(edited.channels().size() == 3 && edited.channels()[1] == edited.channels()[0]);
  EXPECT_EQ(NewChannel(ListDocument(bare), std::nullopt),
            "A new channel needs a transponder: the TPT list has none.");
  EXPECT_EQ(CheckInsertTransponders(document, 251), "A channel reaches at most 255 transponders.");
  EXPECT_EQ(CheckInsertTransponders(document, 250), "");
  flash::Workspace first = OneBlock(0, "TPT", Transponders());
  EXPECT_EQ(CheckInsertTransponders(ListDocument(first), 1), "");
  EXPECT_EQ(CheckInsertChannels(document, 2171), "The TCS block holds at most 2182 channels.");
  EXPECT_EQ(CheckInsertChannels(document, 2170), "");

  TransponderRecord t = TransponderRecord::Decode(TptRecord(1050000123, 0, 0, 0, 0, 0, 0x40));
  EXPECT_EQ(SetTransponderValue(t, TransponderField::kBand, 1),
            "Frequency 10800000 kHz lies outside band U's 11550000 to 12747483 kHz.");
  EXPECT_EQ(SetTransponderValue(t, TransponderField::kFec, 4), "FEC 4 is outside 0 to 3.");
  EXPECT_EQ(SetTransponderValue(t, TransponderField::kChn, 256), "Chn 256 is outside 0 to 255.");
  EXPECT_EQ(SetTransponderValue(t, TransponderField::kNid, 65536),
            "NID 65536 is outside 0 to 65535.");
  EXPECT_EQ(SetTransponderValue(t, TransponderField::kSr, 255), "");
  EXPECT_EQ(SetTransponderValue(t, TransponderField::kSr, 0), "");
  TransponderRecord top = TransponderRecord::Decode(TptRecord(1000000647, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(SetTransponderValue(top, TransponderField::kKhz, 11897483), "");  // 2^31 - 1 Hz
  top.frequency += 1;
  EXPECT_EQ(SetTransponderValue(top, TransponderField::kKhz, 11897483),
            "Frequency 11897483 kHz is out of range.");
  // The digits below 1 kHz and the hidden flag bits stay.
  EXPECT_EQ(SetTransponderValue(t, TransponderField::kKhz, 11600000), "");
  EXPECT_EQ(SetTransponderValue(t, TransponderField::kBand, 1), "");
  EXPECT_EQ(t.frequency, 1000000123u);
  EXPECT_EQ(t.flags, 0x41);
}

flash::Workspace CsvImage();

// After its block is replaced under it (a block read from a file), an edit starts from the
// new block's bytes, never from the copy an earlier edit took.
TEST(Commands, AnEditAfterAReloadKeepsTheNewBlock) {
  flash::Workspace w = CsvImage();
  ListDocument document(w);
  const auto edit = [&](const char* value) {
    (*EditTransponderCell(document, 2, TransponderField::kTid, {value, {}}))->Apply(document);
    (*EditChannelCell(document, 1, ChannelField::kSid, {value, {}}))->Apply(document);
  };
  edit("77");
  for (const int index : {1, 3}) {
    std::string block = flash::WholeBlockBytes(w, *flash::FindBlock(w, index));
    block[0x10] = 'N';  // a header byte no edit touches
    ASSERT_TRUE(flash::ReplaceBlockData(w, index, block, flash::BlockPart::kWhole));
  }
  document.Reload();
  edit("78");
  for (const int index : {1, 3})
    EXPECT_EQ(flash::WholeBlockBytes(w, *flash::FindBlock(w, index))[0x10], 'N') << index;
}

flash::Workspace CsvImage() {
  std::string channels = TcsRecord("Das Erste", 1, 3, 28106, 101, 102) +
                         TcsRecord("Caf\xE9, \"Bar\"", 2, 1, 7, 0, 0, 1, 2, 3) +
                         TcsRecord("Hidden", 1, 0, 9, 0, 0) + TcsRecord("", 0, 7, 0, 0, 0);
  channels[30 * 2 + 10] = 'X';  // a byte behind the name's NUL
  std::string transponders = TptRecord(1832123, 1, 2, 3, 4, 7, 0x0F | 0x40) +  // FEC 0/0
                             TptRecord(0, 0, 0, 0, 0, 0, 0) +                  // an empty one
                             TptRecord(2000000000, 5, 6, 7, 8, 2, 0x02);
  transponders.resize(2040, '\0');
  return Lists(channels, transponders);
}

// An import read into a copy of the image and applied, with the list's block before and after.
struct Applied {
  CsvImport read;
  common::Status refused;
  std::string before, after;
  flash::Workspace image;
};

Applied Import(const flash::Workspace& w, ListKind list, std::string_view csv,
               const std::string& file = "f") {
  Applied applied{{}, {}, {}, {}, w};
  ListDocument document(applied.image);
  const int block = list == kChannels ? document.channel_block() : document.transponder_block();
  const auto bytes = [&] {
    return flash::WholeBlockBytes(applied.image, *flash::FindBlock(applied.image, block));
  };
  common::Result<CsvImport> read = ReadListCsv(document, list, csv, file);
  applied.before = bytes();
  applied.refused = read.status();
  if (read.ok()) {
    applied.read = *read;
    ImportCommand(list, applied.read, {})->Apply(document);
  }
  applied.after = bytes();
  return applied;
}

// Every row's cells, kept.
std::vector<std::vector<std::string>> CsvCells(std::string_view csv) {
  std::vector<std::vector<std::string>> rows;
  EXPECT_TRUE(SplitCsv(csv, "f", [&](CsvRow& row) {
                rows.emplace_back(row.cells.begin(), row.cells.end());
                return true;
              }).ok());
  return rows;
}

// What a spreadsheet writes back: every field quoted, CR LF, perhaps semicolons.
std::string Requoted(std::string_view csv, char separator = ',') {
  std::string out;
  for (const std::vector<std::string>& cells : CsvCells(csv)) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      std::string cell;
      for (const char c : cells[i]) cell += c == '"' ? std::string("\"\"") : std::string(1, c);
      out += (i ? std::string{separator, '"'} : "\"") + cell + "\"";
    }
    out += "\r\n";
  }
  return out;
}

// Every place a user reads the fields of a record by name or column: a field added to a
// record's table shows in each of them, and this test is the one that pins them.
TEST(FieldTable, ShowsEveryFieldWhereverTheFieldsAreListed) {
  flash::Workspace w = CsvImage();
  const ListDocument document(w);
  const std::string start =
      "\xEF\xBB\xBFNr,Name,Use,TP,SID,VPID,APID,Vecm,Aecm,PCR,TP frequency (kHz),TP "
      "polarisation\r\n"
      "1,Das Erste,1,3,28106,101,102,0,0,0,11750000,H\r\n"
      "2,\"Caf\xC3\xA9, \"\"Bar\"\"\",2,1,";
  EXPECT_EQ(ListCsv(document, kChannels).substr(0, start.size()), start);
  ChannelRecord record;
  EXPECT_EQ(AssignChannelField(document, record, "colour=3"),
            "Unknown field \"colour\": the fields are name, use, tp, sid, vpid, apid, vecm, aecm, "
            "pcr.");
  for (const auto& [columns, unknown] : {std::pair{"nr,foo", "foo"}, std::pair{"", ""}})
    EXPECT_EQ(views::ReadPrintColumns(columns),
              "Column \""s + unknown +
                  "\" is none of nr, name, use, tp, sid, vpid, apid, vecm, aecm, pcr.");
  // Per column its editor (none, number, text, choice) and alignment (left, centre, right).
  const auto columns = [](ListKind kind) {
    std::string kinds;
    for (std::size_t column = 0; column < views::ColumnCount(kind); ++column) {
      kinds += "-NTC"[static_cast<int>(views::ColumnEditor(kind, column))];
      kinds += "lcr"[static_cast<int>(views::ColumnAlign(kind, column))];
    }
    return kinds;
  };
  EXPECT_EQ(columns(kChannels), "-rTlCrCrNrNrNrNrNrNr");
  EXPECT_EQ(columns(kTransponders), "-rNrCcCcCcCcNrNrNrNr-r");
}

// A file from before a field was added lacks its column: kNoColumn if it may be missing, or fails.
TEST(ListCsv, FindsTheColumnsAFileMustHave) {
  const CsvRow header{1, {"nr", " Frequency (kHz) ", "SR"}};
  const std::vector<std::string> titles{"Nr", "Locked", "Frequency (kHz)"};
  std::vector<std::size_t> columns;
  using common::CsvNeed;
  ASSERT_TRUE(FindColumns(header, titles, columns, {CsvNeed::kRequired, CsvNeed::kOptional}).ok());
  EXPECT_EQ(columns, (std::vector<std::size_t>{0, kNoColumn, 1}));
  EXPECT_FALSE(FindColumns(header, titles, columns = {}).ok());  // Locked is required there
  // Side by side or apart, a heading twice is refused.
  for (const CsvRow& twice : {CsvRow{1, {"Nr", "SR", "sr"}}, CsvRow{1, {"SR", "Nr", "SR "}}})
    EXPECT_EQ(FindColumns(twice, {"Nr", "SR"}, columns = {}),
              "Column \"SR\" is there twice: which one to read is unclear.");
}

TEST(ListCsv, ExportImportsToTheSameBytesAlsoAfterASpreadsheetSavedIt) {
  flash::Workspace w = CsvImage();
  const ListDocument document(w);
  for (const ListKind list : {kChannels, kTransponders}) {
    const std::string csv = ListCsv(document, list);
    const std::string unmarked = csv.substr(3);  // as a spreadsheet may save it
    for (const std::string& text : {csv, Requoted(unmarked), Requoted(unmarked, ';'), unmarked}) {
      const Applied import = Import(w, list, text, "f.csv");
      EXPECT_EQ(import.refused.message(), "");
      EXPECT_EQ(import.read.rows, list == kChannels ? 4u : 3u);
      EXPECT_TRUE(import.after == import.before) << text;
    }
  }
}

// A full list's CSV goes out in pieces that together are the file, and reads back whole.
TEST(ListCsv, AFullListGoesOutInPiecesAndComesBack) {
  std::string list;
  for (std::size_t i = 0; i < kChannelRoom; ++i)
    list += TcsRecord("Channel " + std::to_string(i), 1, 1, static_cast<std::uint16_t>(i), 0, 0);
  flash::Workspace w = Lists(list);
  std::vector<std::string> pieces;
  ASSERT_TRUE(WriteListCsv(ListDocument(w), kChannels, [&](std::string_view piece) {
    pieces.emplace_back(piece);
    return true;
  }));
  std::string csv;
  for (const std::string& piece : pieces) {
    EXPECT_LT(piece.size(), kWritePiece + 256);
    csv += piece;
  }
  EXPECT_GT(pieces.size(), 1u);
  EXPECT_EQ(csv, ListCsv(ListDocument(w), kChannels));
  const Applied import = Import(w, kChannels, csv);
  EXPECT_EQ(import.read.rows, kChannelRoom);
  EXPECT_TRUE(import.after == import.before);
  // A piece that cannot be written ends the writing.
  std::size_t asked = 0;
  EXPECT_FALSE(WriteListCsv(ListDocument(w), kChannels, [&](std::string_view) {
    ++asked;
    return false;
  }));
  EXPECT_EQ(asked, 1u);
}

// No formula reaches a spreadsheet, a name it would read as a value is marked; both come back.
TEST(ListCsv, NoCellRunsAndEveryNameComesBack) {
  // A name's bytes and its cell; the cell is the name in UTF-8, marked or not.
  // clang-format off
  const std::pair<std::string, std::string> names[] = {
      {"=1+2", "'=1+2"}, {"+cmd", "'+cmd"}, {"-2", "'-2"}, {"@SUM(A1)", "'@SUM(A1)"},
      {"\t=1", "'\t=1"}, {"\r=1", "'\r=1"}, {"'abc", "''abc"}, {"0123", "'0123"},
      {"1E5", "'1E5"}, {"1.000", "'1.000"}, {"1/2", "'1/2"}, {"12:30 PM", "'12:30 PM"},
      {"TRUE", "'TRUE"}, {"Wahr", "'Wahr"}, {"Jan 5", "'Jan 5"}, {"5. Mai", "'5. Mai"},
      {"M\xE4rz 3", "'M\xC3\xA4rz 3"}, {"3.4.", "'3.4."}, {"\xA3" "5", "'\xC2\xA3" "5"},
      {" 12", "' 12"}, {"12 ", "'12 "}, {"1234567890123456", "'1234567890123456"},
      {"Das Erste", "Das Erste"}, {"3sat", "3sat"}, {"N24 Doku", "N24 Doku"}, {"NA", "NA"},
      {"Jan", "Jan"}, {"Caf\xE9 5", "Caf\xC3\xA9 5"}, {"", ""},
      // The longest words known, and one longer.
      {"September 5", "'September 5"}, {"Verdadero", "'Verdadero"}, {"Septembers 5", "Septembers 5"}};
  // clang-format on
  std::string list;
  for (const auto& [name, cell] : names) list += TcsRecord(name, 1, 1, 7, 0, 0);
  flash::Workspace w = Lists(list);
  const std::string csv = ListCsv(ListDocument(w), kChannels);
  const std::vector<std::vector<std::string>> rows = CsvCells(csv);
  ASSERT_GT(rows.size(), std::size(names));
  for (std::size_t i = 0; i < std::size(names); ++i) EXPECT_EQ(rows[i + 1][1], names[i].second);
  EXPECT_NE(csv.find(",\"'12 \","), std::string::npos);  // quoted, so no reader trims the blank
  // A text cell of any list is marked so; a number stays a number.
  flash::Workspace image = CsvImage();
  const std::string tpt = ListCsv(ListDocument(image), kTransponders);
  EXPECT_NE(tpt.find("\r\n3,11750000,D,H,A,'3/4,5,6,7,8\r\n"), std::string::npos);
  const Applied import = Import(w, kChannels, csv);
  EXPECT_EQ(import.refused.message(), "");
  EXPECT_TRUE(import.after == import.before);
  // A plain reader's whole floats are numbers; a row's faults are all named, a cell quoted
  // to 40 characters.
  std::string bad = "Nr,Name,Use,TP,SID,VPID,APID,Vecm,Aecm,PCR\n1.0,A,1,1,1,1,1,1,1,1\n";
  for (int i = 0; i < 21; ++i) bad += "1.5,A,1,1,1,1,1,1,1,1\n";
  bad += "," + std::string(50, 'A') + ",1,1,1,1,1,1,1,1\n,\xE9,1,1,1,1,1,1,1,1\n";
  const std::string error = Format(Import(w, kChannels, bad).refused.message());
  EXPECT_EQ(error.substr(0, error.find('\r')), "Line 3 of f: Nr \"1.5\" is not a number.");
  EXPECT_EQ(error.substr(error.rfind('\n') + 1), "and 3 more");
  EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 20);
  bad.erase(bad.find("1.5"), 21 * 22);
  EXPECT_EQ(Import(w, kChannels, bad).refused.message(),
            "Line 3 of f: Name \"" + std::string(40, 'A') +
                "\u2026\" is 50 bytes long; at most 16 fit.\r\n"
                "Line 4 of f is not UTF-8 text: save the CSV as UTF-8");
}

TEST(ListCsv, RowsFollowTheirNrAndChangedCellsOnly) {
  flash::Workspace w = CsvImage();
  const std::string csv =
      "tp, NR ,Name,Use,SID,VPID,APID,Vecm,Aecm,PCR,extra\n"
      "2,3,Hidden,1,9,0,0,0,0,0\n"
      ",,,,,,,,,,\n"
      "1,,New,5,1,2,3,4,5,6\n"
      "1,2,Caf\xC3\xA9, \"\"Bar\"\",2,7,0,0,1,2,3\n";
  const Applied bad = Import(w, kChannels, csv, "f.csv");
  EXPECT_EQ(bad.refused.message(),
            "Line 5 of f.csv: A quote inside a field that does not start with one.");
  const std::string fixed = csv.substr(0, csv.rfind("1,2,Caf")) +
                            "1,2,\"Caf\xC3\xA9, \"\"B\"\"\r\nx\"," + "2,7,0,0,1,2,\"3\"";
  const Applied import = Import(w, kChannels, fixed, "f.csv");
  ASSERT_EQ(import.refused.message(), "");
  const std::string data = import.after.substr(flash::kDataOffset, 3 * 30 + 2);
  EXPECT_EQ(import.after.substr(flash::kLengthOffset, 2), std::string("\x5A\0", 2));
  EXPECT_EQ(data.substr(0, 30),
            TcsRecord("Hidden", 1, 2, 9, 0, 0).replace(10, 1, "X"));  // kept behind the NUL
  EXPECT_EQ(data.substr(30, 30), TcsRecord("New", 5, 1, 1, 2, 3, 4, 5, 6));
  EXPECT_EQ(data.substr(60, 16), std::string("Caf\xE9, \"B\"\r\nx") + std::string(4, '\0'));
}

TEST(ListCsv, TransponderCellsSetTheirFields) {
  flash::Workspace w = CsvImage();
  const Applied import = Import(w, kTransponders,
                                "Nr,Frequency (kHz),Band,Polarisation,DiSEqC,FEC,TID,NID,Chn,SR\n"
                                "3,11000000,d,v,b,4/5,1,2,3,0x10\n1,11582123,U,H,B,0/0,1,2,3,4\n",
                                "t.csv");
  ASSERT_EQ(import.refused.message(), "");
  EXPECT_EQ(import.after.substr(flash::kDataOffset, 24),
            TptRecord(1250000000, 1, 2, 3, 16, 3, 0x08) +
                TptRecord(982123123, 1, 2, 3, 4, 7, 0x0F | 0x40));
}

// One value table, every road: the text line asks ("?") or refuses ("!", what no record can
// hold) what the CSV import, set-transponder and, for a number, the editor refuse.
TEST(Roads, TakeTheSameValuesToTheSameCodes) {
  // Frequency, band, FEC and SR; the text line's outcome ("-" where the line cannot say it);
  // the other roads' refusal; whether the editor types this field's number alone.
  using Text = std::string;
  const std::tuple<Text, Text, Text, Text, Text, Text, bool> cases[] = {
      {"11778000", "U", "4/5", "27", "", "", false},
      {"11778000", "U", "5/6", "27",
       "?FEC \"5/6\" is not 1/2, 2/3, 3/4 or 4/5: it would be stored as FEC 4/5",
       "FEC 5/6 can not be stored: the list stores only 1/2, 2/3, 3/4 or 4/5.", false},
      {"11778000", "U", "7/8", "27",
       "?FEC \"7/8\" is not 1/2, 2/3, 3/4 or 4/5: it would be stored as FEC 3/4",
       "FEC 7/8 is not one the list stores (1/2, 2/3, 3/4 or 4/5).", false},
      {"11778000", "U", "AUTO", "27", "!", "FEC AUTO is not one the list stores", false},
      {"12747483", "U", "3/4", "27", "", "", true},
      {"12747484", "U", "3/4", "27",
       "!frequency 12747484 kHz is out of range: band U holds 10600000 to 12747483 kHz",
       "Frequency 12747484 kHz lies outside band U's 11550000 to 12747483 kHz.", true},
      {"11549999", "U", "3/4", "27", "?Frequency 11549999 kHz lies outside band U's 11550000",
       "Frequency 11549999 kHz lies outside band U's", false},
      {"10699999", "D", "3/4", "27", "?Frequency 10699999 kHz lies outside band D's",
       "Frequency 10699999 kHz lies outside band D's 10700000 to 11897483 kHz.", false},
      {"11897483", "D", "3/4", "27", "", "", false},
      {"12000000", "", "3/4", "27", "-", "", false},  // an empty band: the frequency's own
      {"11000000", "", "3/4", "27", "-", "", false},
      {"11778000", "U", "3/4", "27500", "-",
       "SR 27500 Msym/s is outside 0 to 255 Msym/s: as 27500 kS/s it would be 27.", true},
      {"11778000", "U", "3/4", "27.5", "-",
       "SR 27.5 is not a whole number of Msym/s: it would be stored as 27.", false},
      {"11778000.5", "U", "3/4", "27", "-", "Frequency \"11778000.5\" is not a number.", false},
  };
  // The outcome starts with the expected text, and is empty when that is.
  const auto starts = [](const std::string& outcome, const std::string& expected) {
    return outcome.substr(0, expected.size()) == expected && outcome.empty() == expected.empty();
  };
  const flash::Workspace w = CsvImage();
  const auto base = TransponderRecord::Decode(TptRecord(1178000000, 0, 0, 0, 27, 2, 1));
  for (const auto& [khz, band, fec, sr, text, refusal, editor] : cases) {
    const std::string row = khz + "," + band + ",V,A," + fec + ",0,0,0," + sr;
    if (text != "-") {
      const auto line = "01  " + khz + "  00000  00000  00  1B  " + fec + "  V/" + band + " A";
      const common::Result<std::string> parsed = transponders::ParseTptLine(line);
      const std::string reason = Format(transponders::CheckTptLine(line));
      EXPECT_TRUE(starts(!parsed.ok()     ? "!" + Format(parsed.message())
                         : reason.empty() ? ""
                                          : "?" + reason,
                         text))
          << row;
    }
    const std::string header = "Nr,Frequency,Band,Polarisation,DiSEqC,FEC,TID,NID,Chn,SR (Msym/s)";
    EXPECT_TRUE(
        starts(Format(Import(w, kTransponders, header + "\n," + row + "\n").refused.message()),
               refusal.empty() ? "" : "Line 2 of f: " + refusal))
        << row;
    TransponderRecord set = base;
    const std::string assigned = Format(
        AssignTransponderFields(set, {"frequency=" + khz, "band=" + band, "fec=" + fec, "sr=" + sr})
            .message());
    EXPECT_TRUE(starts(assigned, refusal)) << row;
    const bool by_sr = sr != "27";
    TransponderRecord typed = base;
    if (editor) {
      EXPECT_EQ(SetTransponderValue(typed, by_sr ? TransponderField::kSr : TransponderField::kKhz,
                                    *common::ReadValue(by_sr ? sr : khz)),
                assigned)
          << row;
    }
  }
}

TEST(Roads, TakeTheUseAndTheCellsAsTheEditorShowsThem) {
  flash::Workspace w = Image();
  ListDocument document(w);
  const std::string header = "Nr,Name,Use,TP,SID,VPID,APID,Vecm,Aecm,PCR\n2,Ch 1,";
  for (const auto& [typed, use] : {std::pair{"TV", 4}, {"radio", 8}, {"0x0C", 12}, {"Film", 0}}) {
    const std::string refusal = use ? "" : "Use \"Film\" is not a number.";
    ChannelRecord record = document.channels()[1];
    EXPECT_EQ(AssignChannelField(document, record, "use="s + typed), refusal);
    EXPECT_EQ(record.use, use ? use : 1);
    const auto edit = EditChannelCell(document, 1, ChannelField::kUse, {typed, {}});
    EXPECT_TRUE(edit == refusal && (edit.ok() && *edit != nullptr) == refusal.empty()) << typed;
    EXPECT_EQ(Format(Import(w, kChannels, header + typed + ",1,1,0,0,0,0,0\n").refused.message()),
              refusal.empty() ? "" : "Line 2 of f: " + refusal);
  }
  // Numbers are read without the blanks around them, names as typed, and refused in full.
  EXPECT_TRUE(*EditChannelCell(document, 1, ChannelField::kSid, {" 77 ", {}}));
  for (const char* name : {"Ch 1 ", "\u20ac"})
    EXPECT_FALSE(EditChannelCell(document, 1, ChannelField::kName, {name, {}}).ok()) << name;
  EXPECT_FALSE(*EditChannelCell(document, 1, ChannelField::kTp, {{}, 1}));
  const auto chosen = EditTransponderCell(document, 2, TransponderField::kPolarisation, {{}, 0});
  ASSERT_TRUE(chosen.ok() && *chosen);
  (*chosen)->Apply(document);
  EXPECT_EQ(document.transponders()[2].flags & transponders::kFlagHorizontal, 0);
  EXPECT_TRUE(EditTransponderCell(document, 2, TransponderField::kKhz, {"12000000", {}}).ok());
}

TEST(FollowRecords, KeepsTheSelectionOnItsRecords) {
  const std::vector<std::string> before = {"a", "b", "c", "b"};
  EXPECT_EQ(FollowRecords(Rows(1, 3), before, {"b", "a", "c", "b"}), Rows(0, 3));
  EXPECT_EQ(FollowRecords(Rows(0, 3), before, {"x", "b", "c"}), Rows(0, 1));  // edited, moved
  EXPECT_EQ(FollowRecords(Rows(2, 3), before, {"a"}), Rows(0, 0));            // gone
  // Of two rows as near, the one above.
  EXPECT_EQ(FollowRecords(Rows(1), {"a", "b", "c"}, {"b", "c", "b"}), Rows(0));
  EXPECT_EQ(FollowRecords(Rows(2), {"a", "c", "b", "d"}, {"a", "b", "d", "b"}), Rows(1));
}

TEST(ListCsv, RefusesTheFirstBadRowWithItsLine) {
  const std::string channels =
      "Nr,Name,Use,TP,SID,VPID,APID,Vecm,Aecm,PCR\r\n1,A,1,1,1,1,1,1,1,1\r\n";
  const std::string transponders =
      "Nr,Frequency (kHz),Band,Polarisation,DiSEqC,FEC,TID,NID,Chn,SR\n";
  const std::tuple<ListKind, std::string, std::string> cases[] = {
      {kChannels, "Nr,Name\n", "Line 1 of f: Missing column \"Use\"."},
      {kChannels, "Nr,Name,Use,TP,SID,VPID,APID,Vecm,Aecm,PCR, name \n",
       "Line 1 of f: Column \"Name\" is there twice: which one to read is unclear."},
      {kChannels,
       "\"\xC3\xAF\xC2\xBB\xC2\xBFNr\"" + channels.substr(2) + ",Caf\xC3\x83\xC2\xA9\r\n",
       "Line 1 of f: The file starts with \"\xC3\xAF\xC2\xBB\xC2\xBF\": it was read in a Western "
       "character set, which garbles accented letters. Open the exported file again with the "
       "character set Unicode (UTF-8)."},
      {kChannels, channels + "2,B,1\r\n", "Line 3 of f: Missing column \"TP\"."},
      {kChannels, "\xEF\xBB\xBF\xEF\xBB\xBF" + channels,
       "Line 1 of f: The file starts with two byte order marks: a program added one to a file "
       "that had it. Open the exported file again with the character set Unicode (UTF-8)."},
      {kChannels, channels + ",\"12345678901234567\",1,1,1,1,1,1,1,1\r\n",
       "Line 3 of f: Name \"12345678901234567\" is 17 bytes long; at most 16 fit."},
      {kChannels, channels + "5,B,1,1,1,1,1,1,1,1\r\n",
       "Line 3 of f: Nr 5 names no channel: the list has 4."},
      {kChannels, channels + "x,B,1,1,1,1,1,1,1,1\r\n", "Line 3 of f: Nr \"x\" is not a number."},
      {kChannels, channels + "\n\n,\"B\n,1,1", "Line 5 of f: A quoted field is not closed."},
      // A quoted cell's line ends are lines of the file: CR LF, CR and LF one each.
      {kChannels,
       channels + "2,B,1,1,1,1,1,1,1,1,\"x\"\"\r\n\ry\n\"\"z\"\r\n5,B,1,1,1,1,1,1,1,1\r\n",
       "Line 7 of f: Nr 5 names no channel: the list has 4."},
      {kChannels, channels + ",\"B\"x,1", "Line 3 of f: Text follows a closing quote."},
      {kTransponders, transponders + ",11000000,X,V,A,1/2,0,0,0,0",
       "Line 2 of f: Band \"X\" is not D or U."},
      {kTransponders, transponders + ",11000000,D,X,A,1/2,0,0,0,0",
       "Line 2 of f: Polarisation \"X\" is not V or H."},
      {kTransponders, transponders + ",11000000,D,V,C,1/2,0,0,0,0",
       "Line 2 of f: DiSEqC \"C\" is not A or B."},
      {kTransponders, transponders + ",11e6,D,V,A,1/2,0,0,0,0",
       "Line 2 of f: Frequency \"11e6\" is not a number."},
  };
  flash::Workspace w = CsvImage();
  for (const auto& [list, csv, error] : cases)
    EXPECT_EQ(Import(w, list, csv).refused.message(), error) << csv;
  // Where all else is ASCII, nothing was garbled: the mark alone is left out.
  const Applied ascii = Import(w, kChannels, "\xC3\xAF\xC2\xBB\xC2\xBF" + channels);
  EXPECT_EQ(ascii.after, Import(w, kChannels, channels).after);
  EXPECT_EQ(Format(ascii.read.notices.at(0)),
            "f starts with a byte order mark read in a Western character set; the rest of the "
            "file is plain ASCII, which that does not garble, so the mark is left out.");
  std::string many = transponders;
  for (int i = 0; i < 255; ++i) many += ",11000000,D,V,A,1/2,0,0,0,0\n";
  EXPECT_EQ(Import(w, kTransponders, many + many.substr(many.find('\n') + 1)).refused.message(),
            "Line 257 of f: A channel reaches at most 255 transponders.");
  std::string tpt;
  for (int i = 0; i < 300; ++i) tpt += TptRecord(1000000000, 0, 0, 0, 0, 0, 0);
  const flash::Workspace long_list = Lists(TcsRecord("A", 1, 1, 1, 0, 0), tpt);
  EXPECT_EQ(
      Import(long_list, kTransponders, many + "1,10750000,D,V,A,1/2,0,0,0,0\n").refused.message(),
      "Line 257 of f: Transponder 1 would move to row 256, beyond the 255 its channels can "
      "reach.");
}

TEST(ListCsv, FilesAreWrittenOnlyWhenWholeAndAnImportIsOneStep) {
  testing::TempDir dir;
  flash::Workspace w = CsvImage();
  ListDocument document(w);
  UndoStack history(document);
  testing::ScriptedFrontend ui;
  const std::string csv = dir.Path("tp.csv");
  const auto import_file = [&](ListKind list, const std::string& file) {
    return ImportCsvFile(ui, dir.disk, document, history, list, file);
  };
  const common::Finished written = ExportCsvFile(ui, dir.disk, document, kTransponders, csv);
  EXPECT_EQ(written, common::Outcome::kDone);
  EXPECT_EQ(written.done, "Exported 3 transponders to tp.csv");
  EXPECT_FALSE(ui.statuses.empty());  // the write is announced
  const std::string before(w.image().bytes());
  const std::string exported = testing::TempDir::Read(csv);
  EXPECT_EQ(import_file(kTransponders, csv), common::Outcome::kDone);
  EXPECT_EQ(history.size(), 0u);  // nothing changed, no step
  const std::string tcs = dir.Path("tcs.csv");
  (void)ExportCsvFile(ui, dir.disk, document, kChannels, tcs);
  (void)import_file(kChannels, tcs);
  EXPECT_EQ(history.size(), 0u);
  dir.Write("tp.csv", exported + ",11700000,U,H,A,1/2,0,0,0,0\r\n");
  const common::Finished read = import_file(kTransponders, csv);
  EXPECT_EQ(read, common::Outcome::kDone);
  EXPECT_EQ(read.done, "Imported 4 transponders from tp.csv");
  EXPECT_EQ(history.UndoDescription(), "Import transponders from tp.csv");
  EXPECT_TRUE(w.dirty());
  history.Undo();
  EXPECT_TRUE(w.image().bytes() == before);
  // Without the row of transponder 1, which "Caf\xE9" uses, the import asks; No keeps all.
  dir.Write("tp.csv", exported.substr(0, exported.find("\r\n1,") + 2) +
                          exported.substr(exported.find("\r\n2,") + 2));
  ui.Answer(false);
  EXPECT_EQ(import_file(kTransponders, csv), common::Outcome::kCancelled);
  EXPECT_EQ(ui.questions.back(),
            "1 channel uses transponder 1 (10601832 kHz).\r\nRemove the transponder and its "
            "channel ?");
  EXPECT_TRUE(w.image().bytes() == before);
  ui.Answer(true);
  EXPECT_EQ(import_file(kTransponders, csv), common::Outcome::kDone);
  EXPECT_EQ(document.channels().size(), 3u);
#ifdef __linux__
  // A file that proves longer than the ceiling only as it is read is refused, not half read.
  EXPECT_EQ(import_file(kChannels, "/proc/self/pagemap"), common::Outcome::kFailed);
#endif
  dir.Write("bad.csv", "Nr\n");
  EXPECT_EQ(import_file(kChannels, dir.Path("bad.csv")), common::Outcome::kRefused);
  flash::Workspace bare = testing::LoadedWorkspace(std::string(65536, '\0'));
  EXPECT_EQ(ExportCsvFile(ui, dir.disk, ListDocument(bare), kChannels, dir.Path("none.csv")),
            common::Outcome::kRefused);
  EXPECT_EQ(ui.messages.back().second, "The image has no TCS block.");
  EXPECT_FALSE(std::filesystem::exists(dir.Path("none.csv")));
  const std::string image = dir.Write("image.bin", "kept");  // the image's own file: refused
  w.Load(std::string(w.image().bytes()), image);
  (void)ExportCsvFile(ui, dir.disk, ListDocument(w), kChannels, image);
  EXPECT_EQ(ui.messages.back().second, common::SameFileText(image));
}

// A file that would empty the list or some of its names asks first, once for the file.
TEST(ListCsv, AsksBeforeItEmptiesTheListOrItsNames) {
  const std::string channels = "Nr,Name,Use,TP,SID,VPID,APID,Vecm,Aecm,PCR\r\n";
  const std::string empty_channels =
      "f has no rows: the import would empty the list of 4 channels.\r\nEmpty the list ?";
  const std::tuple<ListKind, std::string, std::string> cases[] = {
      {kChannels, channels, empty_channels},
      {kChannels, channels + ",,,\r\n,,,,,,,,,\r\n", empty_channels},
      {kTransponders, "Nr,Frequency,Band,Polarisation,DiSEqC,FEC,TID,NID,Chn,SR\n",
       "f has no rows: the import would empty the list of 3 transponders and remove the 2 "
       "channels on them.\r\nEmpty the list ?"},
      {kChannels,
       channels + "2,,2,1,7,0,0,1,2,3\r\n4,,0,1,0,0,0,0,0,0\r\n1,',1,3,28106,101,102,0,0,0\r\n",
       "2 names would become empty: channel 2 \"Caf\xC3\xA9, \"Bar\"\", channel 1 \"Das "
       "Erste\".\r\nEmpty them ?"}};
  for (const auto& [list, csv, question] : cases) {
    const Applied import = Import(CsvImage(), list, csv);
    EXPECT_EQ(Format(import.refused.message()) + Format(import.read.questions.at(0)), question)
        << csv;
  }
  std::string named, emptied = channels;
  for (int i = 1; i <= 22; ++i) {
    named += TcsRecord("C" + std::to_string(i), 0, 0, 0, 0, 0);
    emptied += std::to_string(i) + ",,0,0,0,0,0,0,0,0\r\n";
  }
  const flash::Workspace w = OneBlock(1, "TCS", named);
  const std::string many = Format(Import(w, kChannels, emptied).read.questions.at(0));
  EXPECT_EQ(many.substr(0, 55), "22 names would become empty: channel 1 \"C1\", channel 2 ");
  EXPECT_EQ(many.substr(many.size() - 42), "channel 20 \"C20\" and 2 more.\r\nEmpty them ?");
}

// Channels keep their transponder (frequency, polarisation, DiSEqC) whatever a sheet does to rows.
TEST(ListCsv, ChannelsFollowTheirTransponderRows) {
  flash::Workspace w = Image();
  const ListDocument document(w);
  const std::string csv = ListCsv(document, kTransponders);
  std::vector<std::string> rows;
  for (std::size_t at = 0; at < csv.size();) {
    const std::size_t end = csv.find("\r\n", at) + 2;
    rows.push_back(csv.substr(at, end - at));
    at = end;
  }
  ASSERT_EQ(rows.size(), 6u);  // the header and five transponders
  // Each channel by its place: its SID and what it is on (frequency and flags, or -TP).
  const auto on = [](const ListDocument& d) {
    std::vector<std::tuple<int, std::int64_t, int>> places;
    for (const ChannelRecord& c : d.channels()) {
      const bool named = c.tp >= 1 && c.tp <= d.transponders().size();
      places.emplace_back(c.words[channels::kSid],
                          named ? d.transponders()[c.tp - 1u].Khz() : -c.tp,
                          named ? d.transponders()[c.tp - 1u].flags : 0);
    }
    return places;
  };
  const std::string added = ",11111000,D,H,B,1/2,0,0,0,0\r\n";
  // Each file with the transponder it leaves out, whose two channels go with it.
  const std::tuple<std::string, std::uint8_t> cases[] = {
      {rows[0] + rows[5] + rows[4] + rows[3] + rows[2] + rows[1], 0},            // reversed
      {rows[0] + rows[3] + added + rows[1] + rows[2] + rows[5] + rows[4], 0},    // added
      {rows[0] + rows[1] + rows[3] + rows[3] + rows[2] + rows[4] + rows[5], 0},  // repeated
      {rows[0] + rows[1] + rows[3] + rows[4] + rows[5], 2},
      {rows[0] + rows[1] + rows[2] + rows[3] + rows[4], 5},  // the last
  };
  for (const auto& [text, removed] : cases) {
    Applied import = Import(w, kTransponders, text);
    ASSERT_EQ(import.refused.message(), "");
    EXPECT_EQ(import.read.questions.size(), removed ? 1u : 0u);
    auto expected = on(document);
    for (std::size_t i = 12; i-- > 0;) {
      if (removed && document.channels()[i].tp == removed)
        expected.erase(expected.begin() + static_cast<long>(i));
    }
    EXPECT_EQ(on(ListDocument(import.image)), expected) << text;
  }
  Applied repeated = Import(w, kTransponders, std::get<0>(cases[2]));
  const ListDocument after(repeated.image);
  EXPECT_EQ(after.ChannelsUsing(3), 0u);  // all on the first copy
  std::vector<std::size_t> users;
  for (std::size_t tp = 1; tp <= after.transponders().size(); ++tp)
    users.push_back(after.ChannelsUsing(tp));
  EXPECT_EQ(after.ChannelsUsingEach(), users);
}

}  // namespace
}  // namespace chanforge::editing
