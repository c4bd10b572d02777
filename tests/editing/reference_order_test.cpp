// Reference order: the list takes the order of another image or of its CSV, what either side
// lacks is counted, and the step undoes to the same bytes.
#include "editing/reference_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "editing/list_commands.h"
#include "editing/list_csv.h"
#include "editing/sample_image.h"
#include "support/builders.h"
#include "support/workspace.h"

namespace chanforge::editing {
namespace {

using channels::ChannelField, channels::ChannelRecord, common::ListKind,
    transponders::TransponderField, transponders::TransponderRecord;

struct Image {
  flash::Workspace workspace = chanforge::testing::LoadedWorkspace(MakeSampleImage());
  ListDocument document{workspace};
  void Run(std::unique_ptr<Command> command) { command->Apply(document); }
  // Without the channels at the given rows.
  void Drop(std::vector<std::size_t> rows) { Run(RemoveChannels(std::move(rows))); }
};

Reference ReferenceFrom(const ListDocument& document, bool csv) {
  Reference reference;
  if (!csv) return ReferenceOf(document);
  EXPECT_EQ(ReadReferenceCsv(ListCsv(document, ListKind::kChannels), "r.csv", reference), "");
  return reference;
}

TEST(ReferenceOrder, AnImageOrItsCsvGivesItsOrderExactly) {
  for (const bool csv : {false, true}) {
    Image list, shuffled;
    // Channel 2 becomes channel 1 on another transponder; the shuffle puts it first.
    ChannelRecord twin = list.document.channels()[0];
    twin.tp = list.document.channels().back().tp;
    for (Image* image : {&list, &shuffled}) image->Run(SetChannel(1, ChannelField::kTp, twin));
    std::vector<ChannelRecord> channels = shuffled.document.channels();
    std::shuffle(channels.begin(), channels.end(), std::mt19937(7));
    shuffled.Run(ReplaceChannels(channels, common::Value("shuffle")));

    const OrderPlan unchanged = PlanOrder(list.document, ReferenceFrom(list.document, csv), {});
    EXPECT_FALSE(unchanged.Changes()) << csv;
    EXPECT_EQ(OrderSummary(unchanged),
              "150 channels follow the reference; 0 new channels go to the end; 0 channels of "
              "the reference are not in this list");
    const OrderPlan plan = PlanOrder(list.document, ReferenceFrom(shuffled.document, csv), {});
    list.Run(ApplyOrder(plan, common::Value("order")));
    EXPECT_EQ(list.document.channels(), channels) << csv;
  }
}

// The list lacks rows 10, 20, 30 and the reference four others; in the reference a
// transponder moved, and channel 51 on it is renamed as well.
TEST(ReferenceOrder, CountsNewAndMissingAndFollowsMovedTransponders) {
  for (const bool csv : {false, true}) {
    Image list, reference;
    const std::uint8_t tp = list.document.channels()[50].tp;
    TransponderRecord moved = reference.document.transponders()[tp - 1u];
    moved.frequency += 123000;
    reference.Run(SetTransponder(tp - 1u, TransponderField::kKhz, moved));
    ChannelRecord renamed = reference.document.channels()[50];
    renamed.name = {'R', 'e', 'n', 'a', 'm', 'e', 'd'};
    reference.Run(SetChannel(50, ChannelField::kName, renamed));
    reference.Drop({60, 70, 80, 90});
    list.Drop({10, 20, 30});
    ASSERT_GT(list.document.ChannelsUsing(tp), 1u);

    const Reference from = ReferenceFrom(reference.document, csv);
    const OrderPlan last = PlanOrder(list.document, from, NewChannels::kLast);
    EXPECT_EQ(last.followed, 142u) << csv;
    EXPECT_EQ(last.new_channels.size(), 5u);
    EXPECT_EQ(last.missing_channels.size(), 4u);
    const std::string sid = " (SID " + std::to_string(from.channels[50].sid) + ")";
    EXPECT_EQ(last.new_channels[0], "New channel WDR Muenster" + sid + ", now channel 143");
    EXPECT_EQ(last.missing_channels[3], "Missing channel 51 of the reference: Renamed" + sid);
    // New channels keep their own order, at the end or at the start.
    const OrderPlan first = PlanOrder(list.document, from, NewChannels::kFirst);
    EXPECT_TRUE(std::equal(first.order.begin(), first.order.begin() + 5, last.order.end() - 5));
    EXPECT_TRUE(std::is_sorted(first.order.begin(), first.order.begin() + 5));
    EXPECT_EQ(first.new_channels[0], "New channel WDR Muenster" + sid + ", now channel 1");
  }
}

TEST(ReferenceOrder, ThePolarisationTellsOneServiceOnOneFrequencyApart) {
  using chanforge::testing::TcsRecord;
  using chanforge::testing::TptRecord;
  flash::Workspace w = chanforge::testing::LoadedWorkspace(
      chanforge::testing::FlashImageBuilder()
          .Block(1, "TCS", TcsRecord("H", 1, 1, 7, 0, 0) + TcsRecord("V", 1, 2, 7, 0, 0))
          .Block(3, "TPT",
                 TptRecord(1000000000, 0, 0, 0, 0, 0, transponders::kFlagHorizontal) +
                     TptRecord(1000000000, 0, 0, 0, 0, 0, 0))
          .Build());
  ListDocument document(w);
  const std::string khz = std::to_string(document.transponders()[0].Khz());
  Reference reference;  // names that match neither: the transponder alone decides
  ASSERT_EQ(ReadReferenceCsv("Name,SID,TP frequency,TP polarisation\r\nX,7," + khz + ",V\r\nY,7," +
                                 khz + ",H\r\n",
                             "r.csv", reference),
            "");
  EXPECT_EQ(PlanOrder(document, reference, NewChannels::kLast).order,
            (std::vector<std::uint32_t>{1, 0}));
}

TEST(ReferenceOrder, UndoRestoresTheBytesAndABadCsvIsRefused) {
  Image list, sorted;
  sorted.Run(SortChannels(SortKey::kName));
  const std::string before(list.workspace.image().bytes());
  UndoStack history(list.document);
  history.Push(ApplyOrder(PlanOrder(list.document, ReferenceOf(sorted.document), {}),
                          common::Value("order")));
  EXPECT_EQ(list.workspace.image().bytes(), sorted.workspace.image().bytes());
  history.Undo();
  EXPECT_TRUE(list.workspace.image().bytes() == before);

  const std::string header = "Name,SID,TP frequency,TP polarisation\r\n";
  std::string longest = header;
  for (std::size_t i = 0; i <= kChannelRoom; ++i) longest += "A,1,,\r\n";
  const std::pair<std::string, std::string> refusals[] = {
      {"Nr,Name\r\n", "Line 1 of r.csv: Missing column \"SID\"."},
      {"\"Name,SID\r\n", "Line 1 of r.csv: A quoted field is not closed."},
      {header + "A,x,,\r\n", "Line 2 of r.csv: SID \"x\" is not a number."},
      {header + "A,1\r\n", "Line 2 of r.csv: Missing column \"TP frequency (kHz)\"."},
      {header + "Caf\xE9,1,,\r\n", "Line 2 of r.csv is not UTF-8 text: save the CSV as UTF-8"},
      {longest, "Line 2184 of r.csv: more channels than a TCS block holds (2182)."},
  };
  for (const auto& [csv, error] : refusals) {
    Reference reference;
    EXPECT_EQ(ReadReferenceCsv(csv, "r.csv", reference), error);
  }
  Reference reference;  // an empty row a spreadsheet left behind is no channel
  EXPECT_EQ(ReadReferenceCsv(header + "A,1,,\r\n,,,\r\nB,2,,\r\n", "r.csv", reference), "");
  EXPECT_EQ(reference.channels.size(), 2u);

  // What the import refuses a reference refuses, in the same words: one reader for both.
  const std::string csv = ListCsv(list.document, ListKind::kChannels);  // marked, "1,Das Erste,"
  const auto named = [&](const std::string& name) {
    return std::string(csv).replace(csv.find(",Das Erste,") + 1, 9, name);
  };
  for (const std::string& bad :
       {"\xEF\xBB\xBF" + csv, "\xC3\xAF\xC2\xBB\xC2\xBF" + named("Caf\xC3\xA9").substr(3),
        named("12345678901234567"), named("Das Erste ")}) {
    const common::Status read = ReadReferenceCsv(bad, "r.csv", reference);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read, ReadChannelCsv(list.document, bad, "r.csv").status());
  }
}

}  // namespace
}  // namespace chanforge::editing
