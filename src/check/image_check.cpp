#include "check/image_check.h"

#include <algorithm>
#include <iterator>
#include <map>
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

constexpr Severity kError = Severity::kError;
constexpr Severity kWarning = Severity::kWarning;

const std::vector<RuleInfo> kRules = {
    {Rule::kImageSize, kWarning, "the receiver's flash holds exactly 524288 bytes"},
    {Rule::kNoUsableBlocks, kError, "the lists to edit live in the blocks named TCS and TPT"},
    {Rule::kLengthPastEnd, kError, "the receiver would read its list from the next block"},
    {Rule::kPartRecord, kError, "a cut record shifts every record the receiver reads after it"},
    {Rule::kSecondList, kWarning, "the receiver reads only one channel and one transponder list"},
    {Rule::kTpMissing, kError, "a channel without its transponder cannot be tuned"},
    {Rule::kDuplicateSid, kWarning, "the receiver finds only one of two services with one SID"},
    {Rule::kSidZero, kWarning, "no service has SID 0: a new channel's SID is still to be set"},
    {Rule::kNameControlBytes, kWarning, "control bytes garble the menu and the text file"},
    {Rule::kEmptyRecordInside, kWarning, "a free slot between channels shows as a blank entry"},
    {Rule::kTooManyChannels, kWarning, "more channels than the firmware is known to hold"},
    {Rule::kFrequencyRange, kError,
     "the tuner takes 950 to 2150 MHz after the LNB: each band's oscillator bounds its range"},
    {Rule::kDuplicateTransponder, kWarning, "two entries for one transponder split its channels"},
    {Rule::kHiddenFlags, kWarning, "the text file cannot keep these bits: a round trip drops them"},
    {Rule::kUnknownFec, kWarning, "the text file shows the code as 0/0 and stores another for it"},
    {Rule::kNotOnSatellite, kWarning,
     "the chosen satellite's scan table lacks it: moved, ended, mistyped or on another input"},
    {Rule::kSatelliteGap, kWarning,
     "the chosen satellite's scan table has transponders the list lacks"},
};

std::string Number(std::int64_t value) { return std::to_string(value); }

// "1 error", "2 warnings", "0 errors".
std::string Counted(std::size_t count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

class Checker {
 public:
  explicit Checker(const flash::Workspace& workspace)
      : workspace_(workspace), transponders_(FirstTransponders(workspace)) {}

  std::vector<Finding> Run() {
    if (workspace_.image().size() != kNominalImageSize) {
      Add(Rule::kImageSize, kImageWide, 0, "",
          "size is " + Number(workspace_.image().size()) + " bytes, not " +
              Number(kNominalImageSize));
    }
    // Without a list block the rest is noise: a random file's "blocks" have garbage
    // names and lengths.
    const auto& blocks = workspace_.blocks();
    if (std::none_of(blocks.begin(), blocks.end(), [](const flash::BlockInfo& block) {
          return flash::ListKindOf(block).has_value();
        })) {
      Add(Rule::kNoUsableBlocks, kImageWide, 0, "",
          "no usable blocks: no block is named TCS or TPT");
      return std::move(findings_);
    }
    int tcs_blocks = 0, tpt_blocks = 0;
    for (int i = 0; i < workspace_.block_count(); ++i) {
      const flash::BlockInfo& block = blocks[static_cast<std::size_t>(i)];
      if (block.name == flash::kUnnamedBlock) continue;
      const auto kind = flash::ListKindOf(block);
      CheckLength(i, block, kind);
      if (!kind) continue;
      int& count = kind == flash::ListKind::kChannels ? tcs_blocks : tpt_blocks;
      if (++count > 1) {
        Add(Rule::kSecondList, i, 0, "",
            std::string("another ") + common::BlockNameOf(*kind) + " block; the receiver uses one");
      }
      if (kind == flash::ListKind::kChannels) CheckChannels(i, block);
      if (kind == flash::ListKind::kTransponders) CheckTransponders(i, block);
    }
    std::stable_sort(findings_.begin(), findings_.end(), [](const Finding& a, const Finding& b) {
      return std::pair(a.block, a.record) < std::pair(b.block, b.record);
    });
    return std::move(findings_);
  }

 private:
  void Add(Rule rule, int block, int record, std::string field, std::string text) {
    const bool channel =
        block >= 0 && flash::ListKindOf(workspace_.blocks()[static_cast<std::size_t>(block)]) ==
                          flash::ListKind::kChannels;
    findings_.push_back({rule, RuleOf(rule).severity, block, record,
                         record > 0
                             ? common::RecordNameOf(channel ? common::ListKind::kChannels
                                                            : common::ListKind::kTransponders)
                             : "",
                         std::move(field), std::move(text)});
  }

  void CheckLength(int index, const flash::BlockInfo& block, std::optional<flash::ListKind> kind) {
    if (block.length > flash::kBlockDataRoom) {
      Add(Rule::kLengthPastEnd, index, 0, flash::kLengthFieldName,
          "data length " + Number(block.length) + " runs past the block's end (room for " +
              Number(flash::kBlockDataRoom) + ")");
    } else if (block.start + block.length > workspace_.image().size()) {
      Add(Rule::kLengthPastEnd, index, 0, flash::kLengthFieldName,
          "data length " + Number(block.length) + " runs past the image's end");
    }
    const auto size = static_cast<std::int64_t>(flash::RecordSize(kind));
    if (size != 0 && block.length % size != 0) {
      Add(Rule::kPartRecord, index, 0, flash::kLengthFieldName,
          "data length " + Number(block.length) + " is not a multiple of " + Number(size));
    }
  }

  void CheckChannels(int index, const flash::BlockInfo& block) {
    const std::vector<ChannelRecord> records = DecodeChannels(workspace_, block);
    if (records.size() > kFirmwareChannelLimit) {
      Add(Rule::kTooManyChannels, index, 0, "",
          Number(static_cast<std::int64_t>(records.size())) + " channels; the firmware holds " +
              Number(kFirmwareChannelLimit));
    }
    // SID and TP of each channel seen, to the first channel that had them.
    std::map<std::pair<std::uint16_t, std::uint8_t>, std::size_t> seen;
    for (std::size_t r = 0; r < records.size(); ++r) {
      const ChannelRecord& record = records[r];
      const int number = static_cast<int>(r + 1);
      if (IsBlankChannel(record)) {
        Add(Rule::kEmptyRecordInside, index, number, "", "free slot inside the list");
        continue;
      }
      if (transponders_.block >= 0) CheckTp(index, number, record.tp);
      if (record.words[channels::kSid] == 0) {
        Add(Rule::kSidZero, index, number, "sid", "SID 0 names no service");
      }
      const auto [it, fresh] = seen.try_emplace({record.words[channels::kSid], record.tp}, r + 1);
      if (!fresh) {
        Add(Rule::kDuplicateSid, index, number, channels::InfoOf(ChannelField::kSid).name,
            "SID " + Number(record.words[channels::kSid]) + " on transponder " +
                TransponderName(record.tp) + " also at channel " +
                Number(static_cast<std::int64_t>(it->second)));
      }
      for (std::size_t i = 0; i < record.name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(record.name[i]);
        const bool padding = byte == 0 && std::all_of(record.name.begin() + i, record.name.end(),
                                                      [](char c) { return c == '\0'; });
        if (padding) break;
        if (byte < 0x20 || byte == 0x7F) {
          const bool line_end = byte == '\r' || byte == '\n';
          Add(Rule::kNameControlBytes, index, number, channels::InfoOf(ChannelField::kName).name,
              std::string(line_end ? "line-end" : "control") + " byte " + common::Hex2(byte) +
                  " at position " + Number(static_cast<std::int64_t>(i + 1)));
          break;
        }
      }
    }
  }

  // A channel's transponder as the editor shows it, or its number when it is missing or empty.
  std::string TransponderName(std::uint8_t tp) const {
    if (tp == 0 || tp > transponders_.records.size() || transponders_.records[tp - 1u].IsEmpty()) {
      return Number(tp);
    }
    return transponders::TransponderLabel(tp, transponders_.records[tp - 1u]);
  }

  void CheckTp(int index, int number, std::uint8_t tp) {
    const std::size_t used = transponders_.records.size();
    if (tp == 0) {
      Add(Rule::kTpMissing, index, number, channels::InfoOf(ChannelField::kTp).name,
          "no transponder (0x00)");
    } else if (tp > used) {
      Add(Rule::kTpMissing, index, number, channels::InfoOf(ChannelField::kTp).name,
          "transponder " + Number(tp) + " does not exist (" +
              Number(static_cast<std::int64_t>(used)) + " used)");
    } else if (transponders_.records[tp - 1u].IsEmpty()) {
      Add(Rule::kTpMissing, index, number, channels::InfoOf(ChannelField::kTp).name,
          "transponder " + TransponderName(tp) + " is empty");
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
      if (std::string problem = transponders::KhzProblem(khz, upper); !problem.empty()) {
        Add(Rule::kFrequencyRange, index, number, transponders::InfoOf(TransponderField::kKhz).name,
            std::move(problem));
      }
      const bool horizontal = record.flags & transponders::kFlagHorizontal;
      const bool diseqc_b = record.flags & transponders::kFlagDiseqcB;
      const auto [it, fresh] = seen.try_emplace({khz, horizontal, diseqc_b}, r + 1);
      if (!fresh) {
        Add(Rule::kDuplicateTransponder, index, number,
            transponders::InfoOf(TransponderField::kKhz).name,
            Number(khz) + " kHz on DiSEqC " + transponders::kDiseqcTexts[diseqc_b ? 1 : 0] +
                " also at transponder " +
                transponders::TransponderLabel(it->second, records[it->second - 1]));
      }
      if (record.fec >= std::size(transponders::kFecTexts)) {
        Add(Rule::kUnknownFec, index, number, transponders::InfoOf(TransponderField::kFec).name,
            "FEC code " + common::Hex2(record.fec) + " shows as " + record.FecText() +
                "; the text line stores " +
                transponders::kFecTexts[transponders::kFallbackFecCode] + " for it");
      }
      const unsigned hidden = record.flags & ~transponders::kShownFlags & 0xFFu;
      if (hidden != 0) {
        Add(Rule::kHiddenFlags, index, number, transponders::kHiddenFlagsName,
            "flag bits " + common::Hex2(hidden) + " do not show in the text line");
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

std::vector<Finding> CheckImage(const flash::Workspace& workspace) {
  return Checker(workspace).Run();
}

std::string FindingWhere(const Finding& finding) {
  if (finding.block == kImageWide) return "image";
  std::string place = "block " + Number(finding.block);
  if (finding.record > 0) place += " " + finding.item + " " + Number(finding.record);
  return place;
}

std::string FindingPlace(const Finding& finding) {
  const std::string where = FindingWhere(finding);
  return finding.field.empty() ? where : where + " " + finding.field;
}

std::string FormatFinding(const Finding& finding) {
  return std::string(finding.severity == kError ? "error: " : "warning: ") + FindingPlace(finding) +
         ": " + finding.text;
}

std::size_t CountErrors(const std::vector<Finding>& findings) {
  return static_cast<std::size_t>(std::count_if(
      findings.begin(), findings.end(), [](const Finding& f) { return f.severity == kError; }));
}

std::string CheckSummary(const std::vector<Finding>& findings) {
  if (findings.empty()) return {};
  const std::size_t errors = CountErrors(findings);
  return Counted(errors, "error") + ", " + Counted(findings.size() - errors, "warning");
}

bool ConfirmSaveDespiteErrors(const flash::Workspace& workspace, common::Frontend& frontend) {
  const std::vector<Finding> findings = CheckImage(workspace);
  const auto first = std::find_if(findings.begin(), findings.end(),
                                  [](const Finding& f) { return f.severity == kError; });
  if (first == findings.end()) return true;
  return frontend.AskYesNo("The image has " + Counted(CountErrors(findings), "error") +
                           " (first: " + FindingPlace(*first) + ": " + first->text + ")." +
                           common::kCrLf + "Save anyway ?");
}

}  // namespace chanforge::check
