#include "check/image_check.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <map>
#include <span>
#include <tuple>
#include <utility>

#include "channels/channel_fields.h"
#include "check/image_lists.h"
#include "common/coding.h"
#include "flash/block_header.h"
#include "flash/blocks.h"
#include "transponders/transponder_fields.h"

namespace chanforge::check {

using channels::ChannelField;
using channels::ChannelRecord;
using transponders::TransponderField;
using transponders::TransponderRecord;

namespace {

using common::Say;
using common::Value;
using common::Wording;

constexpr Severity kError = Severity::kError;
constexpr Severity kWarning = Severity::kWarning;

const std::vector<RuleInfo> kRules = {
    {Rule::kImageSize, kWarning,
     Wording("check-why.image-size", "the receiver's flash holds exactly 524288 bytes")},
    {Rule::kNoUsableBlocks, kError,
     Wording("check-why.no-usable-blocks",
             "the lists to edit live in the blocks named TCS and TPT")},
    {Rule::kLengthPastEnd, kError,
     Wording("check-why.length-past-end", "the receiver would read its list from the next block")},
    {Rule::kPartRecord, kError,
     Wording("check-why.part-record",
             "a cut record shifts every record the receiver reads after it")},
    {Rule::kSecondList, kWarning,
     Wording("check-why.second-list",
             "the receiver reads only one channel and one transponder list")},
    {Rule::kTpMissing, kError,
     Wording("check-why.tp-missing", "a channel without its transponder cannot be tuned")},
    {Rule::kDuplicateSid, kWarning,
     Wording("check-why.duplicate-sid",
             "the receiver finds only one of two services with one SID")},
    {Rule::kSidZero, kWarning,
     Wording("check-why.sid-zero", "no service has SID 0: a new channel's SID is still to be set")},
    {Rule::kNameControlBytes, kWarning,
     Wording("check-why.name-control-bytes", "control bytes garble the menu and the text file")},
    {Rule::kEmptyRecordInside, kWarning,
     Wording("check-why.empty-record-inside",
             "a free slot between channels shows as a blank entry")},
    {Rule::kTooManyChannels, kWarning,
     Wording("check-why.too-many-channels", "more channels than the firmware is known to hold")},
    {Rule::kFrequencyRange, kError,
     Wording(
         "check-why.frequency-range",
         "the tuner takes 950 to 2150 MHz after the LNB: each band's oscillator bounds its range")},
    {Rule::kDuplicateTransponder, kWarning,
     Wording("check-why.duplicate-transponder",
             "two entries for one transponder split its channels")},
    {Rule::kHiddenFlags, kWarning,
     Wording("check-why.hidden-flags",
             "the text file cannot keep these bits: a round trip drops them")},
    {Rule::kUnknownFec, kWarning,
     Wording("check-why.unknown-fec",
             "the text file shows the code as 0/0 and stores another for it")},
    {Rule::kNotOnSatellite, kWarning,
     Wording(
         "check-why.not-on-satellite",
         "the chosen satellite's scan table lacks it: moved, ended, mistyped or on another input")},
    {Rule::kSatelliteGap, kWarning,
     Wording("check-why.satellite-gap",
             "the chosen satellite's scan table has transponders the list lacks")},
};

constexpr auto kErrors = common::CountedWording("check.errors", "{1} errors", "{1} error");
constexpr auto kWarnings = common::CountedWording("check.warnings", "{1} warnings", "{1} warning");

constexpr auto kImageSizeIs = Wording("check.image-size", "size is {1} bytes, not {2}");
constexpr auto kNoUsable =
    Wording("check.no-usable-blocks", "no usable blocks: no block is named TCS or TPT");
constexpr auto kAnotherList =
    Wording("check.another-list", "another {1} block; the receiver uses one");
constexpr auto kPastBlock =
    Wording("check.past-block", "data length {1} runs past the block's end (room for {2})");
constexpr auto kPastImage =
    Wording("check.past-image", "data length {1} runs past the image's end");
constexpr auto kNotMultiple =
    Wording("check.not-multiple", "data length {1} is not a multiple of {2}");
constexpr auto kTooMany = Wording("check.too-many", "{1} channels; the firmware holds {2}");
constexpr auto kFreeSlot = Wording("check.free-slot", "free slot inside the list");
constexpr auto kSidZero = Wording("check.sid-zero", "SID 0 names no service");
constexpr auto kSameSid =
    Wording("check.same-sid", "SID {1} on transponder {2} also at channel {3}");
constexpr auto kLineEndByte = Wording("check.line-end-byte", "line-end byte {1} at position {2}");
constexpr auto kControlByte = Wording("check.control-byte", "control byte {1} at position {2}");
constexpr auto kNoTp = Wording("check.no-tp", "no transponder (0x00)");
constexpr auto kTpBeyond = Wording("check.tp-beyond", "transponder {1} does not exist ({2} used)");
constexpr auto kTpEmpty = Wording("check.tp-empty", "transponder {1} is empty");
constexpr auto kSameTransponder =
    Wording("check.same-transponder", "{1} kHz on DiSEqC {2} also at transponder {3}");
constexpr auto kUnknownFecCode =
    Wording("check.unknown-fec", "FEC code {1} shows as {2}; the text line stores {3} for it");
constexpr auto kHiddenFlagBits =
    Wording("check.hidden-flags", "flag bits {1} do not show in the text line");

constexpr auto kImage = Wording("check.image", "image");
constexpr auto kBlock = Wording("check.block", "block {1}");
constexpr auto kBlockChannel = Wording("check.block-channel", "block {1} channel {2}");
constexpr auto kBlockTransponder = Wording("check.block-transponder", "block {1} transponder {2}");
//: Where a finding is, then its field: "block 2 channel 5 SID".
constexpr auto kPlace = Wording("check.place", "{1} {2}");
// The titles of what a finding or a change is about beside the fields of the tables.
constexpr auto kFlagsTitle = Wording("field.flags", "Flag bits");
constexpr auto kBlockNameTitle = Wording("field.block-name", "Block name");
constexpr auto kLengthTitle = Wording("field.length", "Length");
constexpr auto kSizeTitle = Wording("field.size", "Size");
constexpr auto kErrorLine = Wording("check.error-line", "error: {1}: {2}");
constexpr auto kWarningLine = Wording("check.warning-line", "warning: {1}: {2}");
constexpr auto kSaveDespite =
    Wording("check.save-despite", "The image has {1} (first: {2}: {3}).\r\nSave anyway ?");

class Checker {
 public:
  explicit Checker(const flash::Workspace& workspace)
      : workspace_(workspace), transponders_(FirstTransponders(workspace)) {}

  std::vector<Finding> Run() {
    if (workspace_.image().size() != kNominalImageSize) {
      Add(Rule::kImageSize, kImageWide, 0, "",
          Say(kImageSizeIs, {Value(workspace_.image().size()), Value(kNominalImageSize)}));
    }
    // Without a list block the rest is noise: a random file's "blocks" have garbage
    // names and lengths.
    const auto& blocks = workspace_.blocks();
    if (std::none_of(blocks.begin(), blocks.end(), [](const flash::BlockInfo& block) {
          return flash::ListKindOf(block).has_value();
        })) {
      Add(Rule::kNoUsableBlocks, kImageWide, 0, "", Say(kNoUsable));
      return std::move(findings_);
    }
    int tcs_blocks = 0, tpt_blocks = 0;
    for (int i = 0; i < workspace_.block_count(); ++i) {
      const flash::BlockInfo& block = blocks[static_cast<std::size_t>(i)];
      if (block.name == flash::kUnnamedBlock) continue;
      const auto kind = flash::ListKindOf(block);
      CheckLength(i, block, kind);
      if (!kind) continue;
      int& count = kind == common::ListKind::kChannels ? tcs_blocks : tpt_blocks;
      if (++count > 1) {
        Add(Rule::kSecondList, i, 0, "", Say(kAnotherList, {Value(common::BlockNameOf(*kind))}));
      }
      if (kind == common::ListKind::kChannels) CheckChannels(i, block);
      if (kind == common::ListKind::kTransponders) CheckTransponders(i, block);
    }
    std::stable_sort(findings_.begin(), findings_.end(), [](const Finding& a, const Finding& b) {
      return std::pair(a.block, a.record) < std::pair(b.block, b.record);
    });
    return std::move(findings_);
  }

 private:
  void Add(Rule rule, int block, int record, std::string field, common::Message message) {
    const bool channel =
        block >= 0 && flash::ListKindOf(workspace_.blocks()[static_cast<std::size_t>(block)]) ==
                          common::ListKind::kChannels;
    findings_.push_back({rule, RuleOf(rule).severity, block, record,
                         record > 0
                             ? common::RecordNameOf(channel ? common::ListKind::kChannels
                                                            : common::ListKind::kTransponders)
                             : "",
                         std::move(field), std::move(message)});
  }

  void CheckLength(int index, const flash::BlockInfo& block, std::optional<common::ListKind> kind) {
    if (block.length > flash::kBlockDataRoom) {
      Add(Rule::kLengthPastEnd, index, 0, flash::kLengthFieldName,
          Say(kPastBlock, {Value(block.length), Value(flash::kBlockDataRoom)}));
    } else if (block.start + block.length > workspace_.image().size()) {
      Add(Rule::kLengthPastEnd, index, 0, flash::kLengthFieldName,
          Say(kPastImage, {Value(block.length)}));
    }
    const auto size = static_cast<std::int64_t>(flash::RecordSize(kind));
    if (size != 0 && block.length % size != 0) {
      Add(Rule::kPartRecord, index, 0, flash::kLengthFieldName,
          Say(kNotMultiple, {Value(block.length), Value(size)}));
    }
  }

  // For each channel, the first channel before it (1-based) with the same SID and TP, or 0;
  // free slots have none. One pass through a table of the pairs seen so far: a full list has
  // thousands of channels, and sorting them costs more in mispredicted branches than this.
  static std::vector<std::size_t> FirstWithSidAndTp(const std::vector<ChannelRecord>& records) {
    const std::size_t size =
        std::bit_ceil(std::max<std::size_t>(16, records.size() + records.size() / 2));
    const int shift = 64 - std::countr_zero(size);
    // A slot holds its pair (plus one, so that 0 is a free slot) above the first channel's index.
    constexpr int kIndexBits = 32;
    static_assert(common::kBlockSize / channels::kTcsRecordSize < std::uint64_t{1} << kIndexBits);
    std::vector<std::uint64_t> seen(size, 0);
    std::vector<std::size_t> first(records.size(), 0);
    for (std::size_t r = 0; r < records.size(); ++r) {
      if (IsBlankChannel(records[r])) continue;
      const std::uint64_t pair =
          (std::uint64_t{records[r].words[channels::kSid]} << 8 | records[r].tp) + 1;
      std::size_t slot = static_cast<std::size_t>((pair * 0x9E3779B97F4A7C15u) >> shift);
      while (seen[slot] != 0 && seen[slot] >> kIndexBits != pair) slot = (slot + 1) & (size - 1);
      if (seen[slot] == 0) {
        seen[slot] = pair << kIndexBits | r;
      } else {
        first[r] = (seen[slot] & ((std::uint64_t{1} << kIndexBits) - 1)) + 1;
      }
    }
    return first;
  }

  void CheckChannels(int index, const flash::BlockInfo& block) {
    const std::vector<ChannelRecord> records = DecodeChannels(workspace_, block);
    if (records.size() > kFirmwareChannelLimit) {
      Add(Rule::kTooManyChannels, index, 0, "",
          Say(kTooMany, {Value(records.size()), Value(kFirmwareChannelLimit)}));
    }
    const std::vector<std::size_t> first_with = FirstWithSidAndTp(records);
    for (std::size_t r = 0; r < records.size(); ++r) {
      const ChannelRecord& record = records[r];
      const int number = static_cast<int>(r + 1);
      if (IsBlankChannel(record)) {
        Add(Rule::kEmptyRecordInside, index, number, "", Say(kFreeSlot));
        continue;
      }
      if (transponders_.block >= 0) CheckTp(index, number, record.tp);
      if (record.words[channels::kSid] == 0) {
        Add(Rule::kSidZero, index, number, "sid", Say(kSidZero));
      }
      if (first_with[r] != 0) {
        Add(Rule::kDuplicateSid, index, number, channels::InfoOf(ChannelField::kSid).name,
            Say(kSameSid, {Value(record.words[channels::kSid]), Value(TransponderName(record.tp)),
                           Value(first_with[r])}));
      }
      for (std::size_t i = 0; i < record.name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(record.name[i]);
        const bool padding = byte == 0 && std::all_of(record.name.begin() + i, record.name.end(),
                                                      [](char c) { return c == '\0'; });
        if (padding) break;
        if (byte < 0x20 || byte == 0x7F) {
          const bool line_end = byte == '\r' || byte == '\n';
          Add(Rule::kNameControlBytes, index, number, channels::InfoOf(ChannelField::kName).name,
              Say(line_end ? kLineEndByte : kControlByte,
                  {Value(common::Hex2(byte)), Value(i + 1)}));
          break;
        }
      }
    }
  }

  // A channel's transponder as the editor shows it, or its number when it is missing or empty.
  std::string TransponderName(std::uint8_t tp) const {
    if (tp == 0 || tp > transponders_.records.size() || transponders_.records[tp - 1u].IsEmpty()) {
      return std::to_string(tp);
    }
    return transponders::TransponderLabel(tp, transponders_.records[tp - 1u]);
  }

  void CheckTp(int index, int number, std::uint8_t tp) {
    const std::size_t used = transponders_.records.size();
    if (tp == 0) {
      Add(Rule::kTpMissing, index, number, channels::InfoOf(ChannelField::kTp).name, Say(kNoTp));
    } else if (tp > used) {
      Add(Rule::kTpMissing, index, number, channels::InfoOf(ChannelField::kTp).name,
          Say(kTpBeyond, {Value(tp), Value(used)}));
    } else if (transponders_.records[tp - 1u].IsEmpty()) {
      Add(Rule::kTpMissing, index, number, channels::InfoOf(ChannelField::kTp).name,
          Say(kTpEmpty, {Value(TransponderName(tp))}));
    }
  }

  void CheckTransponders(int index, const flash::BlockInfo& block) {
    // The first list is decoded already, for the channels.
    const std::vector<TransponderRecord> decoded = index == transponders_.block
                                                       ? std::vector<TransponderRecord>()
                                                       : DecodeTransponders(workspace_, block);
    const std::vector<TransponderRecord>& records =
        index == transponders_.block ? transponders_.records : decoded;
    // Frequency, polarisation and DiSEqC input: the same frequency on A and B is two
    // satellites.
    std::map<std::tuple<std::int64_t, bool, bool>, std::size_t> seen;
    for (std::size_t r = 0; r < records.size(); ++r) {
      const TransponderRecord& record = records[r];
      const int number = static_cast<int>(r + 1);
      if (record.IsEmpty()) continue;
      const std::int64_t khz = record.Khz();
      const bool upper = record.flags & transponders::kFlagUpperBand;
      if (common::Message problem = transponders::KhzProblem(khz, upper); !problem.empty()) {
        Add(Rule::kFrequencyRange, index, number, transponders::InfoOf(TransponderField::kKhz).name,
            std::move(problem));
      }
      const bool horizontal = record.flags & transponders::kFlagHorizontal;
      const bool diseqc_b = record.flags & transponders::kFlagDiseqcB;
      const auto [it, fresh] = seen.try_emplace({khz, horizontal, diseqc_b}, r + 1);
      if (!fresh) {
        Add(Rule::kDuplicateTransponder, index, number,
            transponders::InfoOf(TransponderField::kKhz).name,
            Say(kSameTransponder,
                {Value(khz), Value(transponders::kDiseqcTexts[diseqc_b ? 1 : 0]),
                 Value(transponders::TransponderLabel(it->second, records[it->second - 1]))}));
      }
      if (record.fec >= std::size(transponders::kFecTexts)) {
        Add(Rule::kUnknownFec, index, number, transponders::InfoOf(TransponderField::kFec).name,
            Say(kUnknownFecCode, {Value(common::Hex2(record.fec)), Value(record.FecText()),
                                  Value(transponders::kFecTexts[transponders::kFallbackFecCode])}));
      }
      const unsigned hidden = record.flags & ~transponders::kShownFlags & 0xFFu;
      if (hidden != 0) {
        Add(Rule::kHiddenFlags, index, number, transponders::kHiddenFlagsName,
            Say(kHiddenFlagBits, {Value(common::Hex2(hidden))}));
      }
    }
  }

  const flash::Workspace& workspace_;
  TransponderTable transponders_;
  std::vector<Finding> findings_;
};

}  // namespace

const std::vector<RuleInfo>& Rules() { return kRules; }

const RuleInfo& RuleOf(Rule rule) {
  return *std::find_if(kRules.begin(), kRules.end(),
                       [rule](const RuleInfo& info) { return info.rule == rule; });
}

std::string_view RuleName(Rule rule) {
  constexpr std::string_view kPrefix = "check-why.";
  std::string_view id = RuleOf(rule).reason.id;
  id.remove_prefix(kPrefix.size());
  return id;
}

std::vector<Finding> CheckImage(const flash::Workspace& workspace) {
  return Checker(workspace).Run();
}

common::Message PlaceOf(int block, std::optional<common::ListKind> list, common::Message record) {
  if (block < 0) return Say(kImage);
  if (!list) return Say(kBlock, {Value(block)});
  return Say(*list == common::ListKind::kChannels ? kBlockChannel : kBlockTransponder,
             {Value(block), std::move(record)});
}

common::Message FindingWhere(const Finding& finding) {
  std::optional<common::ListKind> list;
  if (finding.record > 0) {
    list = finding.item == common::RecordNameOf(common::ListKind::kChannels)
               ? common::ListKind::kChannels
               : common::ListKind::kTransponders;
  }
  return PlaceOf(finding.block, list, Value(finding.record));
}

common::Message FieldTitle(std::optional<common::ListKind> list, std::string_view field) {
  if (field.empty()) return {};
  const std::span<const common::FieldInfo> fields =
      !list                                  ? std::span<const common::FieldInfo>()
      : *list == common::ListKind::kChannels ? std::span(channels::kChannelFields)
                                             : std::span(transponders::kTransponderFields);
  for (const common::FieldInfo& info : fields) {
    if (info.name == field) return common::HeadingOf(info);
  }
  if (list && field == transponders::kHiddenFlagsName) return Say(kFlagsTitle);
  if (field == flash::kNameFieldName) return Say(kBlockNameTitle);
  if (field == flash::kLengthFieldName) return Say(kLengthTitle);
  if (field == kImageSizeName) return Say(kSizeTitle);
  return Value(std::string(field));
}

std::optional<common::ListKind> ListOf(const Finding& finding) {
  for (const common::ListKind list :
       {common::ListKind::kChannels, common::ListKind::kTransponders}) {
    if (finding.item == common::RecordNameOf(list)) return list;
  }
  return std::nullopt;
}

common::Message FindingPlace(const Finding& finding, common::FieldNaming naming) {
  common::Message where = FindingWhere(finding);
  if (finding.field.empty()) return where;
  return Say(kPlace, {std::move(where), naming == common::FieldNaming::kTitles
                                            ? FieldTitle(ListOf(finding), finding.field)
                                            : Value(finding.field)});
}

common::Message FormatFinding(const Finding& finding) {
  return Say(finding.severity == kError ? kErrorLine : kWarningLine,
             {FindingPlace(finding), finding.message});
}

std::size_t CountErrors(const std::vector<Finding>& findings) {
  return static_cast<std::size_t>(std::count_if(
      findings.begin(), findings.end(), [](const Finding& f) { return f.severity == kError; }));
}

common::Message CheckSummary(const std::vector<Finding>& findings) {
  if (findings.empty()) return {};
  const std::size_t errors = CountErrors(findings);
  return Say(common::kCommas,
             {Say(kErrors, {Value(errors)}), Say(kWarnings, {Value(findings.size() - errors)})});
}

bool ConfirmSaveDespiteErrors(const flash::Workspace& workspace, common::Frontend& frontend) {
  const std::vector<Finding> findings = CheckImage(workspace);
  const auto first = std::find_if(findings.begin(), findings.end(),
                                  [](const Finding& f) { return f.severity == kError; });
  if (first == findings.end()) return true;
  return frontend.AskYesNo(
      Say(kSaveDespite, {Say(kErrors, {Value(CountErrors(findings))}),
                         FindingPlace(*first, frontend.field_naming()), first->message}));
}

}  // namespace chanforge::check
