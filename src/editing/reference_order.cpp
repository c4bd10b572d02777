#include "editing/reference_order.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>
#include <tuple>

#include "channels/channel_fields.h"
#include "common/reported_files.h"
#include "common/text_lines.h"
#include "editing/csv_text.h"
#include "editing/list_commands.h"
#include "flash/flash_file.h"
#include "transponders/transponder_fields.h"

namespace chanforge::editing {

using channels::ChannelRecord;
using transponders::TransponderRecord;

namespace {

using channels::ChannelField;
using common::Message;
using common::Say;
using common::Value;
using common::Wording;
using transponders::TransponderField;

constexpr auto kLabel = Wording("order.label", "{1} (SID {2})");
constexpr auto kMissing = Wording("order.missing", "Missing channel {1} of the reference: {2}");
constexpr auto kNew = Wording("order.new", "New channel {1}, now channel {2}");
constexpr auto kFollow = common::CountedWording("order.follow", "{1} channels follow the reference",
                                                "{1} channel follows the reference");
constexpr auto kGoStart = common::CountedWording("order.start", "{1} new channels go to the start",
                                                 "{1} new channel goes to the start");
constexpr auto kGoEnd = common::CountedWording("order.end", "{1} new channels go to the end",
                                               "{1} new channel goes to the end");
constexpr auto kMissingSome = common::CountedWording(
    "order.missing-some", "{1} channels of the reference are not in this list",
    "{1} channel of the reference is not in this list");
constexpr auto kTooManyRows =
    Wording("order.too-many-rows", "more channels than a TCS block holds ({1}).");
constexpr auto kKhzNotNumber = Wording("order.khz-not-number", "{1} {2} is not a number.");
constexpr auto kApplyOrderStep = Wording("step.apply-order", "Apply order from {1}");
//: A reference file's name, then what is wrong with it.
constexpr auto kFileSays = Wording("order.file-says", "{1}: {2}");

std::string NameOf(std::string_view shown) {
  while (!shown.empty() && shown.back() == ' ') shown.remove_suffix(1);
  return std::string(shown);
}

ReferenceChannel IdentityOf(const ListDocument& document, const ChannelRecord& channel) {
  ReferenceChannel identity{channel.words[channels::kSid],
                            NameOf(channels::ChannelText(channel, ChannelField::kName))};
  if (document.TransponderKhz(channel.tp) != 0) {
    const TransponderRecord& transponder = document.transponders()[channel.tp - 1u];
    identity.khz = transponder.Khz();
    identity.horizontal = (transponder.flags & transponders::kFlagHorizontal) != 0;
    identity.diseqc_b = (transponder.flags & transponders::kFlagDiseqcB) != 0;
  }
  return identity;
}

Message Label(const ReferenceChannel& channel) {
  return Say(kLabel, {Value(common::Latin1ForTerminal(channel.name)), Value(channel.sid)});
}

// The rows of one key, taken in list order as the reference's equal ones come.
template <typename Key>
class Buckets {
 public:
  void Add(Key key, std::uint32_t row) { buckets_[std::move(key)].rows.push_back(row); }
  std::optional<std::uint32_t> Take(const Key& key) {
    const auto found = buckets_.find(key);
    if (found == buckets_.end() || found->second.next == found->second.rows.size()) return {};
    return found->second.rows[found->second.next++];
  }

 private:
  struct Bucket {
    std::vector<std::uint32_t> rows;
    std::size_t next = 0;
  };
  std::map<Key, Bucket> buckets_;
};

// A CSV is told by its name or its first cell, so that a file saved under another name
// still reads. Only the first bytes are read to tell, so that each kind is then read under
// its own ceiling.
bool IsCsvFile(common::Files& files, const std::string& file) {
  const std::string name = common::ToUpperAscii(common::PathOf(file).extension().string());
  if (name == ".CSV") return true;
  const common::Result<std::string> start = files.ReadPrefix(file, 64);
  if (!start.ok()) return false;
  const std::string_view bytes = common::WithoutByteOrderMark(*start);
  const std::string_view first = bytes.substr(0, bytes.find_first_of(",;\r\n"));
  return common::ToUpperAscii(common::TrimBlanks(first)) == "NR";
}

// The headings a reference CSV needs: the file's own words, English as the export writes them.
std::vector<std::string> ReferenceTitles() {
  return {common::Format(common::ColumnTitle(channels::InfoOf(ChannelField::kSid))),
          common::Format(common::ColumnTitle(channels::InfoOf(ChannelField::kName))),
          common::Format(common::LinkedColumnTitle(channels::InfoOf(ChannelField::kTp),
                                                   transponders::InfoOf(TransponderField::kKhz))),
          common::Format(
              common::LinkedColumnTitle(channels::InfoOf(ChannelField::kTp),
                                        transponders::InfoOf(TransponderField::kPolarisation)))};
}

// One row of a reference CSV, its cells read as the import reads them, so that a reference
// says what an import would.
common::Status ReadReferenceRow(const CsvRow& row, const std::vector<std::size_t>& columns,
                                const std::vector<std::string>& titles, Reference& reference) {
  std::vector<std::string_view> cells;
  for (const std::size_t c : columns) {
    if (c >= row.cells.size()) return MissingColumnText(titles[cells.size()]);
    cells.push_back(UnmarkedCell(row.cells[c]));
  }
  std::optional<std::string> name = common::Utf8ToLatin1(cells[1]);
  if (!name) {
    return Say(common::kSentence, {common::NotLatin1Text(cells[1])});
  }
  ChannelRecord record;
  // The name as the import takes it: one it would refuse is no channel of a list.
  common::Status read = channels::SetChannelText(record, ChannelField::kName, *name);
  if (read.ok()) {
    read = channels::SetChannelText(record, ChannelField::kSid, common::TrimBlanks(cells[0]));
  }
  ReferenceChannel channel{record.words[channels::kSid], NameOf(*name)};
  const std::string_view khz = common::TrimBlanks(cells[2]);
  if (read.ok() && !khz.empty()) {
    const std::optional<std::int64_t> value = common::ReadValue(khz);
    if (!value) return Say(kKhzNotNumber, {Value(titles[2]), Value(common::QuotedText(khz))});
    channel.khz = *value;
    TransponderRecord transponder;
    read = transponders::SetTransponderText(transponder, TransponderField::kPolarisation,
                                            common::TrimBlanks(cells[3]));
    channel.horizontal = (transponder.flags & transponders::kFlagHorizontal) != 0;
  }
  reference.channels.push_back(std::move(channel));
  return read;
}

// The new order: the channels that follow the reference and the newcomers, first or last
// as placed, each newcomer named with its number in the new order, where the user will look.
void Arrange(OrderPlan& plan, std::vector<std::uint32_t> followers,
             const std::vector<std::uint32_t>& newcomers,
             const std::vector<ReferenceChannel>& identities) {
  plan.followed = followers.size();
  const bool first = plan.placement == NewChannels::kFirst;
  plan.order = first ? newcomers : followers;
  const auto& rest = first ? followers : newcomers;
  plan.order.insert(plan.order.end(), rest.begin(), rest.end());
  const std::size_t start = first ? 0 : followers.size();
  for (std::size_t i = 0; i < newcomers.size(); ++i) {
    plan.new_channels.push_back(Say(kNew, {Label(identities[newcomers[i]]), Value(start + i + 1)}));
  }
}

}  // namespace

bool OrderPlan::Changes() const {
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i] != i) return true;
  }
  return false;
}

Reference ReferenceOf(const ListDocument& document) {
  Reference reference;
  for (const ChannelRecord& channel : document.channels()) {
    reference.channels.push_back(IdentityOf(document, channel));
  }
  return reference;
}

common::Status ReadReferenceCsv(std::string_view csv, const std::string& file,
                                Reference& reference) {
  reference = Reference{{}, false};
  const std::vector<std::string> titles = ReferenceTitles();
  std::vector<std::size_t> columns;
  Message error;
  bool header = true;
  const auto fail = [&](std::size_t line, const common::Status& reason) {
    error = Say(kLineOfFile, {Value(line), Value(file), reason.message()});
    return false;
  };
  // A byte order mark as the import takes it; only the import tells of one it left out.
  std::string unmarked;
  bool skipped = false;
  if (common::Status marked = LeaveOutByteOrderMark(csv, unmarked, skipped); !marked.ok()) {
    fail(1, marked);
    return error;
  }
  const common::Status split = SplitCsv(csv, file, [&](CsvRow& row) {
    if (header) {
      header = false;
      const common::Status found = FindColumns(row, titles, columns);
      return found.ok() || fail(row.line, found);
    }
    if (std::all_of(row.cells.begin(), row.cells.end(),
                    [](std::string_view c) { return common::TrimBlanks(c).empty(); })) {
      return true;  // spreadsheets leave empty rows behind
    }
    // As the import says it, so that a file saved in another charset is told as such.
    if (!std::all_of(row.cells.begin(), row.cells.end(), common::IsUtf8)) {
      error = Say(kNotUtf8Line, {Value(row.line), Value(file)});
      return false;
    }
    // No channel list is longer: reading stops rather than keep what no list could be.
    if (reference.channels.size() == kChannelRoom) {
      return fail(row.line, Say(kTooManyRows, {Value(kChannelRoom)}));
    }
    const common::Status read = ReadReferenceRow(row, columns, titles, reference);
    return read.ok() || fail(row.line, read);
  });
  if (!split.ok()) return split;
  if (header) fail(1, FindColumns(CsvRow{}, titles, columns));
  return error;
}

common::Outcome LoadReference(common::Frontend& frontend, common::Files& files,
                              const std::string& file, Reference& reference) {
  common::Status read;
  if (IsCsvFile(files, file)) {
    // The import's ceiling and messages: a CSV is a CSV whichever command reads it.
    std::string bytes;
    if (common::SizeOrReport(frontend, files, file, kCsvFileLimit) < 0 ||
        !common::ReadWholeFileOrReport(frontend, files, file, kCsvFileLimit, bytes)) {
      return common::Outcome::kFailed;
    }
    read = ReadReferenceCsv(bytes, file, reference);
  } else {
    flash::Workspace workspace;
    const common::Outcome loaded = flash::LoadChosenFlashFile(workspace, frontend, files, file);
    if (loaded != common::Outcome::kDone) return loaded;
    const ListDocument document(workspace);
    read = document.CheckEditable(common::ListKind::kChannels);
    if (read.ok()) {
      reference = ReferenceOf(document);
    } else {
      read = Say(kFileSays, {Value(file), read.message()});
    }
  }
  if (read.ok()) return common::Outcome::kDone;
  frontend.ShowMessage(common::MessageKind::kError, read.message());
  return common::Outcome::kRefused;
}

OrderPlan PlanOrder(const ListDocument& document, const Reference& reference,
                    NewChannels placement) {
  const auto& channels = document.channels();
  const auto& wanted = reference.channels;
  std::vector<ReferenceChannel> identities;
  identities.reserve(channels.size());
  using Place = std::tuple<std::uint16_t, std::int64_t, std::uint8_t, std::uint8_t>;
  const auto place = [&](const ReferenceChannel& c) {
    return Place{c.sid, c.khz, c.horizontal, reference.knows_diseqc ? c.diseqc_b : 0};
  };
  Buckets<Place> by_place;
  for (std::uint32_t row = 0; row < channels.size(); ++row) {
    identities.push_back(IdentityOf(document, channels[row]));
    by_place.Add(place(identities.back()), row);
  }
  constexpr auto kNone = static_cast<std::uint32_t>(-1);
  std::vector<std::uint32_t> matched(wanted.size(), kNone);  // reference position to row
  std::vector<bool> taken(channels.size(), false);
  for (std::size_t j = 0; j < wanted.size(); ++j) {
    if (const auto row = by_place.Take(place(wanted[j]))) {
      matched[j] = *row;
      taken[*row] = true;
    }
  }
  using Named = std::pair<std::uint16_t, std::string>;
  Buckets<Named> by_name;
  for (std::uint32_t row = 0; row < channels.size(); ++row) {
    if (!taken[row]) by_name.Add({identities[row].sid, identities[row].name}, row);
  }
  OrderPlan plan;
  plan.placement = placement;
  std::vector<std::uint32_t> followers;
  for (std::size_t j = 0; j < wanted.size(); ++j) {
    if (matched[j] == kNone) {
      if (const auto row = by_name.Take({wanted[j].sid, wanted[j].name})) {
        matched[j] = *row;
        taken[*row] = true;
      }
    }
    if (matched[j] != kNone) {
      followers.push_back(matched[j]);
    } else {
      plan.missing_channels.push_back(Say(kMissing, {Value(j + 1), Label(wanted[j])}));
      plan.missing_rows.push_back(j);
    }
  }
  std::vector<std::uint32_t> newcomers;
  for (std::uint32_t row = 0; row < channels.size(); ++row) {
    if (!taken[row]) newcomers.push_back(row);
  }
  Arrange(plan, std::move(followers), newcomers, identities);
  return plan;
}

Message OrderSummary(const OrderPlan& plan) {
  const std::size_t added = plan.new_channels.size();
  const bool first = plan.placement == NewChannels::kFirst;
  return common::Joined(
      {Say(kFollow, {Value(plan.followed)}), Say(first ? kGoStart : kGoEnd, {Value(added)}),
       Say(kMissingSome, {Value(plan.missing_channels.size())})},
      common::kSemicolons);
}

common::Message ApplyOrderStep(const std::string& reference_name) {
  return Say(kApplyOrderStep, {Value(reference_name)});
}

std::unique_ptr<Command> ApplyOrder(const OrderPlan& plan, Message description) {
  return ReorderChannels(plan.order, std::move(description));
}

}  // namespace chanforge::editing
