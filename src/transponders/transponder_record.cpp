#include "transponders/transponder_record.h"

#include <algorithm>
#include <optional>

#include "channels/text_fields.h"
#include "common/text_lines.h"
#include "transponders/transponder_fields.h"

namespace chanforge::transponders {

using common::Column;
using common::LineStatus;
using common::ParsedLine;

TransponderRecord TransponderRecord::Decode(std::string_view bytes) {
  char raw[TptRecordSize] = {};
  bytes.substr(0, TptRecordSize).copy(raw, TptRecordSize);
  const auto number = [&](std::size_t offset, std::size_t width) {
    return channels::BytesToNumber(std::string_view(raw + offset, width));
  };
  const auto byte = [&](std::size_t offset) { return static_cast<std::uint8_t>(raw[offset]); };
  TransponderRecord record;
  record.frequency = static_cast<std::uint32_t>(number(kTptFrequencyOffset, 4));
  record.tid = static_cast<std::uint16_t>(number(kTptTidOffset, 2));
  record.nid = static_cast<std::uint16_t>(number(kTptNidOffset, 2));
  record.chn = byte(kTptChnOffset);
  record.sr = byte(kTptSrOffset);
  record.fec = byte(kTptFecOffset);
  record.flags = byte(kTptFlagsOffset);
  return record;
}

void TransponderRecord::EncodeInto(char* out) const {
  channels::PutNumberBytes(out + kTptFrequencyOffset, frequency, 4);
  channels::PutNumberBytes(out + kTptTidOffset, tid, 2);
  channels::PutNumberBytes(out + kTptNidOffset, nid, 2);
  out[kTptChnOffset] = static_cast<char>(chn);
  out[kTptSrOffset] = static_cast<char>(sr);
  out[kTptFecOffset] = static_cast<char>(fec);
  out[kTptFlagsOffset] = static_cast<char>(flags);
}

std::string TransponderRecord::Encode() const {
  std::string bytes(TptRecordSize, '\0');
  EncodeInto(bytes.data());
  return bytes;
}

std::int64_t TransponderRecord::Khz() const {
  std::int64_t khz = frequency / 1000 + kLowerOscillatorKhz;
  if (flags & kFlagUpperBand) khz += kUpperBandShiftKhz;
  return khz;
}

namespace {

char UpperAt(std::string_view line, std::size_t column) {
  if (column >= line.size()) return '\0';
  const char c = line[column];
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The FEC column's text: up to the first blank, which may run past the column.
std::string_view FecToken(std::string_view line) {
  const std::string_view rest = line.substr(std::min(line.size(), kTptFecColumn));
  return rest.substr(0, rest.find(' '));
}

ParsedLine Refuse(std::string reason) {
  return ParsedLine{LineStatus::kError, {}, std::move(reason)};
}

}  // namespace

void AppendTptLine(std::string& line, const TransponderRecord& record, std::size_t number,
                   bool decLink) {
  using channels::DecimalField;
  using channels::HexByteField;
  // Two hex digits whatever the count: past 255 the number wraps, the columns hold.
  line += HexByteField(static_cast<std::uint8_t>(number % 256)).substr(1);
  line += " " + DecimalField(record.Khz(), 8, false);
  line += " " + DecimalField(record.tid, 5, false);
  line += " " + DecimalField(record.nid, 5, false);
  line += " " + HexByteField(record.chn);
  line += " " + HexByteField(record.sr);
  line += "  ";
  line += record.FecText();
  line += (record.flags & kFlagHorizontal) ? "  H/" : "  V/";
  line += (record.flags & kFlagUpperBand) ? "U" : "D";
  if (!decLink) line += (record.flags & kFlagDiseqcB) ? " B" : " A";
}

std::vector<std::string> FormatTptLines(std::string_view list, bool decLink) {
  std::vector<TransponderRecord> records;
  records.reserve(list.size() / TptRecordSize);
  for (std::size_t p = 0; p + TptRecordSize <= list.size(); p += TptRecordSize) {
    records.push_back(TransponderRecord::Decode(list.substr(p)));
  }
  // The list ends at its last used record.
  while (!records.empty() && records.back().IsEmpty()) records.pop_back();
  std::vector<std::string> lines;
  lines.reserve(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    lines.emplace_back().reserve(TptLineLength);
    AppendTptLine(lines.back(), records[i], i + 1, decLink);
  }
  return lines;
}

std::string CheckTptLine(std::string_view line) {
  // The two-blank gaps between the columns (0-based start).
  static constexpr std::size_t kGaps[] = {2, 12, 19, 26, 30, 34, 39};
  for (const std::size_t gap : kGaps) {
    if (!common::TrimBlanks(Column(line, gap, 2)).empty()) {
      return "columns " + std::to_string(gap + 1) + "-" + std::to_string(gap + 2) +
             " are not blank";
    }
  }
  const std::string_view khz_text = common::TrimBlanks(
      Column(line, InfoOf(TransponderField::kKhz).column, InfoOf(TransponderField::kKhz).columns));
  const struct {
    TransponderField field;
    bool hex;
  } numbers[] = {{TransponderField::kKhz, false},
                 {TransponderField::kTid, false},
                 {TransponderField::kNid, false},
                 {TransponderField::kChn, true},
                 {TransponderField::kSr, true}};
  for (const auto& number : numbers) {
    const common::FieldInfo& info = InfoOf(number.field);
    const std::string_view text = common::TrimBlanks(Column(line, info.column, info.columns));
    if (text.empty()) continue;
    const char* name = number.field == TransponderField::kKhz ? "frequency" : info.heading;
    if (number.hex ? !channels::IsHexText(text) : !channels::ReadsWhollyAsNumber(text)) {
      return std::string(name) + " " + std::string(text) + " is not a" +
             (number.hex ? " hex" : "") + " number";
    }
    const std::optional<std::int32_t> value = channels::ReadWholeNumber(text);
    if (!number.hex && number.field != TransponderField::kKhz && value &&
        (*value < info.least || *value > info.most)) {
      return std::string(name) + " " + std::string(text) + " is outside " +
             std::to_string(info.least) + " to " + std::to_string(info.most);
    }
  }
  const std::int64_t khz = channels::ReadWholeNumber(khz_text).value_or(0);
  if (UpperAt(line, kTptBandColumn) == 'U' && khz < kUpperBandThresholdKhz) {
    return "band U needs at least " + std::to_string(kUpperBandThresholdKhz) + " kHz, not " +
           std::string(khz_text) + ": stored on band D";
  }
  const std::string_view fec = FecToken(line);
  if (std::string problem = FecProblem(fec); !fec.empty() && !problem.empty()) {
    if (!FecCodeOf(fec)) problem += ": stored as " + std::string(kFecTexts[kFallbackFecCode]);
    return problem;
  }
  return {};
}

LineStatus ParseTptLineInto(std::string_view line, std::string& out, std::string& error) {
  ParsedLine parsed = ParseTptLine(line);
  if (parsed.status == LineStatus::kRecord) out += parsed.record;
  if (parsed.status == LineStatus::kError) error = std::move(parsed.error);
  return parsed.status;
}

ParsedLine ParseTptLine(std::string_view line) {
  using channels::HexTextToByte;
  using channels::RoundToInt32;
  if (common::TrimBlanks(line).empty()) return {};

  const std::string_view freq_text = Column(line, kTptFreqColumn, 8);
  const std::optional<double> freq_number = channels::ReadNumberPrefix(freq_text);
  if (!freq_number) return Refuse("no frequency in columns 5-12");
  const std::optional<std::int32_t> rounded_khz = RoundToInt32(*freq_number);
  const std::optional<std::int32_t> tid =
      channels::ReadWholeNumber(common::TrimBlanks(Column(line, kTptTidColumn, 5)));
  const std::optional<std::int32_t> nid =
      channels::ReadWholeNumber(common::TrimBlanks(Column(line, kTptNidColumn, 5)));
  if (!tid) return Refuse("TID out of range");
  if (!nid) return Refuse("NID out of range");

  TransponderRecord record;
  const std::int64_t khz = rounded_khz.value_or(0);
  // A U below the upper band's threshold is taken as the lower band.
  const bool upper =
      rounded_khz && UpperAt(line, kTptBandColumn) == 'U' && khz >= kUpperBandThresholdKhz;
  if (UpperAt(line, kTptPolColumn) == 'H') record.flags = kFlagHorizontal;
  if (upper) record.flags |= kFlagUpperBand;
  if (UpperAt(line, kTptDiseqcColumn) == 'B') record.flags |= kFlagDiseqcB;
  // The line of an empty record, as a list with gaps is written, reads back as one.
  const bool empty = !upper && khz == kLowerOscillatorKhz;
  if (!rounded_khz) {
    return Refuse("frequency " + std::string(common::TrimBlanks(freq_text)) +
                  " kHz is out of range");
  }
  if (const std::string problem = KhzProblem(khz, upper); !empty && !problem.empty()) {
    return Refuse("frequency " + problem);
  }
  if (const std::string_view fec = FecToken(line);
      fec.size() > InfoOf(TransponderField::kFec).columns) {
    return Refuse(FecProblem(fec) + ", and it moves the columns after it");
  }
  record.frequency = static_cast<std::uint32_t>(IntermediateHz(khz, upper));
  // Kept as the fields store them: the low 16 bits, or 0 for a value below 0.
  record.tid = static_cast<std::uint16_t>(*tid > 0 ? *tid & common::kWordMost : 0);
  record.nid = static_cast<std::uint16_t>(*nid > 0 ? *nid & common::kWordMost : 0);
  record.chn = HexTextToByte(common::TrimBlanks(Column(line, kTptChnColumn, 2)), common::kByteMost);
  record.sr = HexTextToByte(common::TrimBlanks(Column(line, kTptSrColumn, 2)), common::kByteMost);

  record.fec = FecCodeOf(Column(line, kTptFecColumn, InfoOf(TransponderField::kFec).columns))
                   .value_or(kFallbackFecCode);
  return ParsedLine{LineStatus::kRecord, record.Encode(), {}};
}

}  // namespace chanforge::transponders
