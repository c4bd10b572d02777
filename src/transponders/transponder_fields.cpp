#include "transponders/transponder_fields.h"

#include <limits>

#include "common/text_fields.h"
#include "common/text_lines.h"

namespace chanforge::transponders {

namespace {

using common::Message;
using common::Say;
using common::Value;
using common::Wording;

constexpr auto kKhzOutside =
    Wording("transponder.khz-outside-band", "{1} kHz lies outside band {2}'s {3} to {4} kHz");
constexpr auto kKhzTooHigh =
    Wording("transponder.khz-out-of-range", "Frequency {1} kHz is out of range");
constexpr auto kFecNotStored =
    Wording("transponder.fec-not-stored", "FEC {1} is not one the list stores ({2})");
constexpr auto kFecStoredAs = Wording("transponder.fec-stored-as", "FEC {1} is stored as {2}");
// A typed value is taken as written or refused: a FEC the list would store as another is
// refused, saying so, where a scan table's row is stored with a note.
constexpr auto kFecCannotStore =
    Wording("transponder.fec-cannot-store", "FEC {1} can not be stored: the list stores only {2}");
constexpr auto kOutsideWithUnit =
    Wording("transponder.outside-unit", "{1} {2} {3} is outside {4} to {5} {3}");
constexpr auto kAsKs = Wording("transponder.sr-as-ks", "{1}: as {2} kS/s it would be {3}");
constexpr auto kSrFraction =
    Wording("transponder.sr-fraction",
            "SR {1} is not a whole number of Msym/s: it would be stored as {2}.");

}  // namespace

std::int64_t TransponderValue(const TransponderRecord& record, TransponderField field) {
  // The frequency is the one value two fields make: the stored Hz and the band.
  if (field == TransponderField::kKhz) return record.Khz();
  std::array<char, kTptRecordSize> bytes;
  record.EncodeInto(bytes.data());
  return common::ReadField(InfoOf(field), {bytes.data(), bytes.size()});
}

std::string TransponderText(const TransponderRecord& record, TransponderField field) {
  if (field == TransponderField::kFec) return record.FecText();
  const common::FieldInfo& info = InfoOf(field);
  const std::int64_t value = TransponderValue(record, field);
  return info.texts.empty() ? std::to_string(value) : info.texts[static_cast<std::size_t>(value)];
}

std::int64_t IntermediateHz(std::int64_t khz, bool upper) {
  return (khz - kLowerOscillatorKhz - (upper ? kUpperBandShiftKhz : 0)) * 1000;
}

Message KhzProblem(std::int64_t khz, bool upper) {
  const KhzRange& range = kBandKhz[upper ? 1 : 0];
  if (khz >= range.least && khz <= range.most) return {};
  return Say(kKhzOutside,
             {Value(khz), Value(kBandTexts[upper ? 1 : 0]), Value(range.least), Value(range.most)});
}

std::string TransponderLabel(std::size_t number, const TransponderRecord& record) {
  // In one text: a listing labels every channel's transponder.
  std::string label;
  common::AppendDecimalField(label, static_cast<std::int64_t>(number), 0,
                             common::LeadingBlank::kNone);
  label += " \u00b7 ";
  common::AppendDecimalField(label, record.Khz() / 1000, 0, common::LeadingBlank::kNone);
  label += ' ';
  label += kPolarisationTexts[(record.flags & kFlagHorizontal) != 0 ? 1 : 0];
  return label;
}

common::Status PutKhz(TransponderRecord& record, std::int64_t khz, bool upper) {
  if (Message problem = KhzProblem(khz, upper); !problem.empty()) {
    return Say(common::kSentence,
               {Say(common::kFieldSays,
                    {common::HeadingOf(InfoOf(TransponderField::kKhz)), std::move(problem)})});
  }
  // The digits below 1 kHz stay, as long as the field keeps its sign bit clear.
  const std::int64_t hz = IntermediateHz(khz, upper) + record.frequency % 1000;
  if (hz > std::numeric_limits<std::int32_t>::max()) {
    return Say(common::kSentence, {Say(kKhzTooHigh, {Value(khz)})});
  }
  record.frequency = static_cast<std::uint32_t>(hz);
  record.flags = static_cast<std::uint8_t>(upper ? record.flags | kFlagUpperBand
                                                 : record.flags & ~kFlagUpperBand);
  return {};
}

std::optional<std::uint8_t> FecCodeOf(std::string_view text) {
  for (std::uint8_t code = 0; code < std::size(kFecTexts); ++code) {
    if (text == kFecTexts[code]) return code;
  }
  for (const FecAlias& alias : kFecAliases) {
    if (text == alias.text) return alias.code;
  }
  return {};
}

Message FecProblem(std::string_view text) {
  const std::optional<std::uint8_t> code = FecCodeOf(text);
  Message named = Value(common::Latin1ToUtf8(text));
  if (!code) {
    return Say(kFecNotStored,
               {std::move(named), common::ChoicesText(InfoOf(TransponderField::kFec))});
  }
  if (text != kFecTexts[*code])
    return Say(kFecStoredAs, {std::move(named), Value(kFecTexts[*code])});
  return {};
}

common::Status SetTransponderValue(TransponderRecord& record, TransponderField field,
                                   std::int64_t value) {
  const common::FieldInfo& info = InfoOf(field);
  // The band stays: a frequency it cannot carry is refused, as a CSV row refuses it; a band
  // that cannot carry the frequency is refused too.
  if (field == TransponderField::kKhz) {
    return PutKhz(record, value, (record.flags & kFlagUpperBand) != 0);
  }
  if (field == TransponderField::kBand) return PutKhz(record, record.Khz(), value != 0);
  if (info.flag == 0 && (value < info.least || value > info.most)) {
    Message refusal =
        *info.unit ? Say(kOutsideWithUnit, {common::HeadingOf(info), Value(value), Value(info.unit),
                                            Value(info.least), Value(info.most)})
                   : Say(common::kOutsideRange, {common::HeadingOf(info), Value(value),
                                                 Value(info.least), Value(info.most)});
    if (field == TransponderField::kSr && value > info.most && value <= kSrKsMost) {
      refusal = Say(kAsKs, {std::move(refusal), Value(value), Value(MsymOfKs(value))});
    }
    return Say(common::kSentence, {std::move(refusal)});
  }
  std::array<char, kTptRecordSize> bytes;
  record.EncodeInto(bytes.data());
  common::WriteField(info, bytes.data(), value);
  record = TransponderRecord::Decode({bytes.data(), bytes.size()});
  return {};
}

namespace {

// A field's value read from its text.
common::Result<std::int64_t> ReadFieldText(TransponderField field, std::string_view text) {
  const common::FieldInfo& info = InfoOf(field);
  const Message quoted = Value(common::QuotedText(common::Latin1ToUtf8(text)));
  if (field == TransponderField::kFec) {
    const std::optional<std::uint8_t> code = FecCodeOf(text);
    if (code && text == kFecTexts[*code]) return std::int64_t{*code};
    return Say(
        common::kSentence,
        {code ? Say(kFecCannotStore, {Value(common::Latin1ToUtf8(text)), common::ChoicesText(info)})
              : FecProblem(text)});
  }
  if (!info.texts.empty()) {
    if (const std::optional<std::int64_t> code = common::ChoiceCode(info, text)) return *code;
    return Say(
        common::kSentence,
        {Say(common::kNotOneOf, {common::HeadingOf(info), quoted, common::ChoicesText(info)})});
  }
  if (const std::optional<std::int64_t> number = common::ReadValue(text)) return *number;
  // A symbol rate in Msym/s with a fraction: the list keeps whole ones only.
  if (const auto dot = text.find('.');
      field == TransponderField::kSr && dot != std::string_view::npos &&
      common::ReadValue(text.substr(0, dot)) &&
      text.find_first_not_of("0123456789", dot + 1) == std::string_view::npos) {
    return Say(kSrFraction, {Value(std::string(text)), Value(std::string(text.substr(0, dot)))});
  }
  return Say(common::kSentence, {Say(common::kNotANumber, {common::HeadingOf(info), quoted})});
}

}  // namespace

common::Status SetKhzAndBandText(TransponderRecord& record, std::string_view khz,
                                 std::string_view band) {
  const common::Result<std::int64_t> value = ReadFieldText(TransponderField::kKhz, khz);
  if (!value.ok()) return value.status();
  // An empty band takes the band the frequency lies in.
  const common::Result<std::int64_t> upper =
      band.empty() ? common::Result<std::int64_t>(std::int64_t{UpperBandOf(*value)})
                   : ReadFieldText(TransponderField::kBand, band);
  if (!upper.ok()) return upper.status();
  return PutKhz(record, *value, *upper != 0);
}

common::Status SetTransponderText(TransponderRecord& record, TransponderField field,
                                  std::string_view text) {
  const common::Result<std::int64_t> value = ReadFieldText(field, text);
  if (!value.ok()) return value.status();
  return SetTransponderValue(record, field, *value);
}

}  // namespace chanforge::transponders
