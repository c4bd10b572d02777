#include "transponders/transponder_conversions.h"

#include <algorithm>
#include <array>
#include <limits>

#include "common/files.h"
#include "common/list_files.h"
#include "transponders/transponder_fields.h"
#include "transponders/transponder_record.h"

namespace chanforge::transponders {

namespace {

using common::Wording;

// What a record may hold that its line cannot carry back, with words that count the
// transponders in {1} and list them in {2}.
struct Loss {
  bool (*lost)(const TransponderRecord& record, common::TptLayout layout);
  Wording words;
};
constexpr Loss kLosses[] = {
    {[](const TransponderRecord& r, common::TptLayout) { return r.frequency % 1000 != 0; },
     common::CountedWording("tpt-text.below-khz",
                            "transponders {2} keep digits below 1 kHz, which the text drops",
                            "transponder {2} keeps digits below 1 kHz, which the text drops")},
    {[](const TransponderRecord& r, common::TptLayout) {
       return r.frequency > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());
     },
     common::CountedWording(
         "tpt-text.frequency",
         "transponders {2}' frequency fields hold more than the text reads back",
         "transponder {2}'s frequency field holds more than the text reads back")},
    {[](const TransponderRecord& r, common::TptLayout) { return r.fec >= std::size(kFecTexts); },
     common::CountedWording(
         "tpt-text.fec",
         "transponders {2} have FEC codes the text shows as 0/0 and read back as 3/4",
         "transponder {2} has a FEC code the text shows as 0/0 and reads back as 3/4")},
    {[](const TransponderRecord& r, common::TptLayout) {
       return (r.flags & ~kShownFlags & 0xFF) != 0;
     },
     common::CountedWording("tpt-text.flags", "transponders {2} have flag bits the text leaves out",
                            "transponder {2} has flag bits the text leaves out")},
    {[](const TransponderRecord& r, common::TptLayout layout) {
       return layout == common::TptLayout::kDecLink && (r.flags & kFlagDiseqcB) != 0;
     },
     common::CountedWording("tpt-text.diseqc-b", "transponders {2} on DiSEqC B will read back as A",
                            "transponder {2} on DiSEqC B will read back as A")},
};
constexpr std::size_t kLossCount = std::size(kLosses);

constexpr auto kRecords = common::CountedWording("tpt-text.records", "{1} records", "{1} record");
constexpr auto kComesBack =
    Wording("tpt-text.comes-back",
            "the list of {1} comes back as {2}, with zero records after the last used one");

common::Message Records(std::size_t count) { return common::Say(kRecords, {common::Value(count)}); }

// Transponder lines up to the last used record, which the first pass finds; warns of what
// the lines cannot carry back.
class TptTextFormat : public common::ListTextFormat {
 public:
  explicit TptTextFormat(common::TptLayout layout) : layout_(layout) {}
  std::size_t record_size() const override { return kTptRecordSize; }

  void Scan(std::string_view records) override {
    for (std::size_t p = 0; p + kTptRecordSize <= records.size(); p += kTptRecordSize) {
      const std::string_view bytes = records.substr(p, kTptRecordSize);
      const TransponderRecord record = TransponderRecord::Decode(bytes);
      ++scanned_;
      if (bytes.find_first_not_of('\0') != std::string_view::npos) last_nonzero_ = scanned_;
      // Only records up to the last used one are written: the others' losses wait for it.
      for (std::size_t k = 0; k < kLossCount; ++k) {
        if (kLosses[k].lost(record, layout_)) pending_[k].Add(static_cast<std::int64_t>(scanned_));
      }
      if (record.IsEmpty()) continue;
      used_ = scanned_;
      for (std::size_t k = 0; k < kLossCount; ++k) {
        lost_[k].Add(pending_[k]);
        pending_[k] = {};
      }
    }
  }

  common::Message RoundTripProblem() const override {
    std::vector<common::Message> problems;
    for (std::size_t k = 0; k < kLossCount; ++k) {
      common::Message lost = lost_[k].Said(kLosses[k].words);
      if (!lost.empty()) problems.push_back(std::move(lost));
    }
    // The text gives back the records up to the last used one, padded with zero records.
    const std::size_t back = std::max<std::size_t>(kTptFileMinimumSize / kTptRecordSize, used_);
    if (last_nonzero_ > used_ || back != scanned_) {
      problems.push_back(common::Say(kComesBack, {Records(scanned_), Records(back)}));
    }
    return common::Joined(std::move(problems), common::kSemicolons);
  }

  void Format(std::string_view records, std::string& out) override {
    for (std::size_t p = 0; p + kTptRecordSize <= records.size() && formatted_ < used_;
         p += kTptRecordSize) {
      AppendTptLine(out, TransponderRecord::Decode(records.substr(p)), ++formatted_, layout_);
      out += "\r\n";
    }
  }

  std::int64_t formatted() const override { return static_cast<std::int64_t>(formatted_); }

 private:
  common::TptLayout layout_;
  std::size_t scanned_ = 0;
  std::size_t used_ = 0;
  std::size_t last_nonzero_ = 0;
  std::size_t formatted_ = 0;
  std::array<common::RecordNumbers, kLossCount> lost_, pending_;
};

}  // namespace

common::Converted ConvertTptToText(common::Frontend& frontend, common::Files& files,
                                   const std::string& binary, const std::string& text,
                                   common::TptLayout layout) {
  TptTextFormat format(layout);
  return common::ConvertBinaryToText(frontend, files, binary, text, "TPT", format);
}

common::Converted ConvertTextToTpt(common::Frontend& frontend, common::Files& files,
                                   const std::string& binary, const std::string& text,
                                   common::TptLayout layout, bool diseqc_b) {
  return common::ConvertTextToBinary(frontend, files, binary, text, TptTextReader(layout, diseqc_b),
                                     kTptFileMinimumSize);
}

std::unique_ptr<common::ListTextFormat> MakeTptTextFormat(common::TptLayout layout) {
  return std::make_unique<TptTextFormat>(layout);
}

}  // namespace chanforge::transponders
