#include "transponders/transponder_record.h"

#include <limits>
#include <optional>

#include "channels/text_fields.h"
#include "common/text_lines.h"

namespace chanforge::transponders {

using channels::LineStatus;
using channels::ParsedLine;
using common::Column;

namespace {

constexpr const char* kFecTexts[] = {"1/2", "2/3", "3/4", "4/5"};

std::string FormatLine(std::string_view record, std::size_t number, bool decLink) {
  using channels::BytesToNumber;
  using channels::DecimalField;
  using channels::HexByteField;
  const auto byte = [&](std::size_t offset) { return static_cast<std::uint8_t>(record[offset]); };
  const std::int64_t frequency = BytesToNumber(record.substr(kTptFrequencyOffset, 4));
  const std::uint8_t flags = byte(kTptFlagsOffset);
  const std::uint8_t fec = byte(kTptFecOffset);
  std::int64_t khz = frequency / 1000 + kLowerOscillatorKhz;
  if (flags & kFlagUpperBand) khz += kUpperBandShiftKhz;

  std::string line;
  line.reserve(TptLineLength);
  // Two hex digits whatever the count: past 255 the number wraps, the columns hold.
  line += HexByteField(static_cast<std::uint8_t>(number % 256)).substr(1);
  line += " " + DecimalField(khz, 8, false);
  line += " " + DecimalField(BytesToNumber(record.substr(kTptTidOffset, 2)), 5, false);
  line += " " + DecimalField(BytesToNumber(record.substr(kTptNidOffset, 2)), 5, false);
  line += " " + HexByteField(byte(kTptChnOffset));
  line += " " + HexByteField(byte(kTptSrOffset));
  line += "  ";
  line += fec < 4 ? kFecTexts[fec] : "0/0";
  line += (flags & kFlagHorizontal) ? "  H/" : "  V/";
  line += (flags & kFlagUpperBand) ? "U" : "D";
  if (!decLink) line += (flags & kFlagDiseqcB) ? " B" : " A";
  return line;
}

char UpperAt(std::string_view line, std::size_t column) {
  if (column >= line.size()) return '\0';
  const char c = line[column];
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

ParsedLine Refuse(std::string reason) {
  return ParsedLine{LineStatus::kError, {}, std::move(reason)};
}

}  // namespace

std::vector<std::string> FormatTptLines(std::string_view list, bool decLink) {
  const std::size_t n = list.size() / TptRecordSize;
  std::vector<std::string> lines;
  lines.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    lines.push_back(FormatLine(list.substr(i * TptRecordSize, TptRecordSize), i + 1, decLink));
  }
  // The list ends at its last used record.
  while (!lines.empty() && lines.back().compare(kTptFreqColumn, 8, kEmptyFrequencyText) == 0) {
    lines.pop_back();
  }
  return lines;
}

std::string FormatTptText(std::string_view list, bool decLink) {
  std::string text;
  for (const std::string& line : FormatTptLines(list, decLink)) {
    text += line;
    text += "\r\n";
  }
  return text;
}

channels::LineStatus ParseTptLineInto(std::string_view line, std::string& out, std::string& error) {
  ParsedLine parsed = ParseTptLine(line);
  if (parsed.status == LineStatus::kRecord) out += parsed.record;
  if (parsed.status == LineStatus::kError) error = std::move(parsed.error);
  return parsed.status;
}

ParsedLine ParseTptLine(std::string_view line) {
  using channels::HexTextToByte;
  using channels::NumberToBytes;
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

  std::uint8_t flags = 0;
  std::int64_t khz = rounded_khz.value_or(0);
  if (UpperAt(line, kTptPolColumn) == 'H') flags = kFlagHorizontal;
  if (rounded_khz && UpperAt(line, kTptBandColumn) == 'U' && khz >= kUpperBandThresholdKhz) {
    khz -= kUpperBandShiftKhz;
    flags |= kFlagUpperBand;
  }
  if (UpperAt(line, kTptDiseqcColumn) == 'B') flags |= kFlagDiseqcB;
  const std::int64_t frequency = (khz - kLowerOscillatorKhz) * 1000;
  if (!rounded_khz || frequency < std::numeric_limits<std::int32_t>::min() ||
      frequency > std::numeric_limits<std::int32_t>::max()) {
    return Refuse("frequency " + std::string(common::TrimBlanks(freq_text)) +
                  " kHz is out of range");
  }

  const std::string_view fec = Column(line, kTptFecColumn, 3);
  std::uint8_t fec_code = 2;
  if (fec == "1/2") fec_code = 0;
  if (fec == "2/3") fec_code = 1;
  if (fec == "4/5" || fec == "5/6") fec_code = 3;

  std::string record =
      NumberToBytes(frequency, 4) + NumberToBytes(*tid, 2) + NumberToBytes(*nid, 2);
  record.push_back(
      static_cast<char>(HexTextToByte(common::TrimBlanks(Column(line, kTptChnColumn, 2)), 255)));
  record.push_back(
      static_cast<char>(HexTextToByte(common::TrimBlanks(Column(line, kTptSrColumn, 2)), 255)));
  record.push_back(static_cast<char>(fec_code));
  record.push_back(static_cast<char>(flags));
  return ParsedLine{LineStatus::kRecord, std::move(record), {}};
}

}  // namespace chanforge::transponders
