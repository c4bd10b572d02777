// The fields of a transponder record: one table that every road reads, and the codec
// between a field's stored value and its text.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/field_info.h"
#include "common/status.h"
#include "transponders/transponder_record.h"

namespace chanforge::transponders {

enum class TransponderField { kKhz, kBand, kPolarisation, kDiseqc, kFec, kTid, kNid, kChn, kSr };
inline constexpr std::size_t kTransponderFieldCount = 9;

// The flag fields' texts, off first.
inline constexpr const char* kBandTexts[] = {"D", "U"};
inline constexpr const char* kPolarisationTexts[] = {"V", "H"};
inline constexpr const char* kDiseqcTexts[] = {"A", "B"};
// The LNB's local oscillators: the frequency field holds a frequency less the oscillator of
// its band.
inline constexpr std::int64_t kLowerOscillatorKhz = 9750000;
inline constexpr std::int64_t kUpperOscillatorKhz = 10600000;
inline constexpr std::int64_t kUpperBandShiftKhz = kUpperOscillatorKhz - kLowerOscillatorKhz;
// The frequencies each band can carry, lower band first: the tuner takes 950 to 2150 MHz
// after the LNB's oscillator, and the frequency field holds at most 2147483647 Hz. The
// bands overlap; a frequency by itself lies in the band on its side of kBandEdgeKhz.
struct KhzRange {
  std::int64_t least;
  std::int64_t most;
};
inline constexpr KhzRange kBandKhz[] = {{10700000, 11897483}, {11550000, 12747483}};
inline constexpr std::int64_t kBandEdgeKhz = 11700000;
inline constexpr std::int64_t kKhzLeast = kBandKhz[0].least;
inline constexpr std::int64_t kKhzMost = kBandKhz[1].most;

// clang-format off
inline constexpr std::array<common::FieldInfo, kTransponderFieldCount> kTransponderFields = {{
    // name           heading            offset               width text column     columns base least most
    {"frequency", common::Wording("field.frequency", "Frequency"), kTptFrequencyOffset, 4, kTptFreqColumn, 8, 10, kKhzLeast, kKhzMost, "kHz", {}, {}},
    {"band", common::Wording("field.band", "Band"), kTptFlagsOffset, 1, kTptBandColumn, 1, 0, 0, std::size(kBandTexts) - 1, "", kBandTexts, {}, kFlagUpperBand},
    {"polarisation", common::Wording("field.polarisation", "Polarisation"), kTptFlagsOffset, 1, kTptPolColumn, 1, 0, 0, std::size(kPolarisationTexts) - 1, "", kPolarisationTexts, {}, kFlagHorizontal},
    {"diseqc", common::Wording("field.diseqc", "DiSEqC"), kTptFlagsOffset, 1, kTptDiseqcColumn, 1, 0, 0, std::size(kDiseqcTexts) - 1, "", kDiseqcTexts, {}, kFlagDiseqcB},
    {"fec", common::Wording("field.fec", "FEC"), kTptFecOffset, 1, kTptFecColumn, 3, 0, 0, std::size(kFecTexts) - 1, "", kFecTexts, {}},
    {"tid", common::Wording("field.tid", "TID"), kTptTidOffset, 2, kTptTidColumn, 5, 10, 0, common::kWordMost, "", {}, {}},
    {"nid", common::Wording("field.nid", "NID"), kTptNidOffset, 2, kTptNidColumn, 5, 10, 0, common::kWordMost, "", {}, {}},
    {"chn", common::Wording("field.chn", "Chn"), kTptChnOffset, 1, kTptChnColumn, 2, 16, 0, common::kByteMost, "", {}, {}},
    {"sr", common::Wording("field.sr", "SR"), kTptSrOffset, 1, kTptSrColumn, 2, 16, 0, common::kByteMost, "Msym/s", {}, {}},
}};
// clang-format on

// The flag bits no field shows, as the check and the comparison name them.
inline constexpr char kHiddenFlagsName[] = "flags";

constexpr const common::FieldInfo& InfoOf(TransponderField field) {
  return kTransponderFields[static_cast<std::size_t>(field)];
}

// A text the text line reads as another FEC code than its own: kept as the receiver's
// lists have always stored it.
struct FecAlias {
  const char* text;
  std::uint8_t code;
};
inline constexpr FecAlias kFecAliases[] = {{"5/6", 3}};
// What the text line stores for a FEC text it does not know.
inline constexpr std::uint8_t kFallbackFecCode = 2;
// The code a FEC text is stored as, an alias's included, or nothing.
std::optional<std::uint8_t> FecCodeOf(std::string_view text);
// Why a FEC text will not be stored as written, for a message: "FEC 5/6 is stored as 4/5",
// "FEC AUTO is not one the list stores (1/2, 2/3, 3/4 or 4/5)"; empty for a FEC text.
common::Message FecProblem(std::string_view text);

// Symbol rates above the list's whole Msym/s up to this are taken for kS/s in a refusal.
inline constexpr std::int64_t kSrKsMost = common::kByteMost * 1000;
// The whole Msym/s a symbol rate in kS/s is stored as (rounded down, as the lists hold 27500
// kS/s as 27).
constexpr std::int64_t MsymOfKs(std::int64_t ks) { return ks / 1000; }

// The stored value as the editor edits it: kHz, 0 or 1 for a flag, the FEC code, a number.
std::int64_t TransponderValue(const TransponderRecord& record, TransponderField field);
// The field as the CSV and the command line show it.
std::string TransponderText(const TransponderRecord& record, TransponderField field);

// The intermediate frequency in Hz that the frequency field stores for a frequency in kHz
// on a band: the one rule between the two (Khz() is its inverse).
std::int64_t IntermediateHz(std::int64_t khz, bool upper);

constexpr bool UpperBandOf(std::int64_t khz) { return khz >= kBandEdgeKhz; }
// Why a frequency cannot be carried on a band, with the band's range
// ("11500000 kHz lies outside band U's 11550000 to 12747483 kHz"), or empty.
common::Message KhzProblem(std::int64_t khz, bool upper);
// A transponder as the editor shows it: "23 · 11836 H" (number, MHz, polarisation).
std::string TransponderLabel(std::size_t number, const TransponderRecord& record);

// Puts a frequency in kHz on a band, keeping the digits below 1 kHz.
common::Status PutKhz(TransponderRecord& record, std::int64_t khz, bool upper);
// Sets a field from its value as TransponderValue gives it.
common::Status SetTransponderValue(TransponderRecord& record, TransponderField field,
                                   std::int64_t value);
// Sets the frequency and the band together from their texts, as a row that may change
// both gives them.
common::Status SetKhzAndBandText(TransponderRecord& record, std::string_view khz,
                                 std::string_view band);
// Sets a field from its text: a number in decimal or after 0x, or one of its texts.
common::Status SetTransponderText(TransponderRecord& record, TransponderField field,
                                  std::string_view text);

}  // namespace chanforge::transponders
