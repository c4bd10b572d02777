#include "channels/channel_record.h"

#include "channels/text_fields.h"
#include "common/text_lines.h"

namespace chanforge::channels {

namespace {

constexpr const char* kWordNames[kTcsWordCount] = {"SID", "VPID", "APID", "Vecm", "Aecm", "PCR"};

// A column of a line; columns past the line's end read as empty text.
std::string_view Column(std::string_view line, std::size_t start, std::size_t width) {
  if (start >= line.size()) return {};
  return line.substr(start, width);
}

// Fast path for the common field: a 5-digit zero-padded number behind a blank.
void AppendDecimalField5(std::string& out, std::int64_t value) {
  if (value >= 0 && value <= 99999) {
    char text[6] = {' ', '0', '0', '0', '0', '0'};
    for (int i = 5; i >= 1 && value > 0; --i) {
      text[i] = static_cast<char>('0' + value % 10);
      value /= 10;
    }
    out.append(text, 6);
  } else {
    out += DecimalField(value, 5, false);
  }
}

}  // namespace

void AppendTcsLine(std::string& out, std::string_view record, std::int64_t number) {
  if (number < 1000) out.push_back(' ');
  out += DecimalField(number, 3, true);
  out.push_back(' ');
  for (std::size_t i = 0; i < kTcsNameWidth; ++i) {
    const char c = record[kTcsNameOffset + i];
    out.push_back(c == '\0' ? ' ' : c);
  }
  out += HexByteField(static_cast<std::uint8_t>(record[kTcsUseOffset]));
  out += HexByteField(static_cast<std::uint8_t>(record[kTcsTpOffset]));
  for (std::size_t w = 0; w < kTcsWordCount; ++w) {
    AppendDecimalField5(out, BytesToNumber(record.substr(kTcsWordOffset + 2 * w, 2)));
  }
}

std::vector<std::string> FormatTcsLines(std::string_view list) {
  const std::size_t n = list.size() / TcsRecordSize;
  std::vector<std::string> lines(n);
  for (std::size_t i = 0; i < n; ++i) {
    lines[i].reserve(TcsLineLength + 1);
    AppendTcsLine(lines[i], list.substr(i * TcsRecordSize, TcsRecordSize),
                  static_cast<std::int64_t>(i) + 1);
  }
  return lines;
}

std::string FormatTcsText(std::string_view list) {
  const std::size_t n = list.size() / TcsRecordSize;
  std::string text;
  text.reserve(n * (TcsLineLength + 2));
  for (std::size_t i = 0; i < n; ++i) {
    AppendTcsLine(text, list.substr(i * TcsRecordSize, TcsRecordSize),
                  static_cast<std::int64_t>(i) + 1);
    text += "\r\n";
  }
  return text;
}

ParsedLine ParseTcsLine(std::string_view line) {
  ParsedLine parsed;
  if (common::TrimBlanks(line).empty()) return parsed;

  std::string record;
  record.reserve(TcsRecordSize);
  std::string_view name = Column(line, kTcsNameColumn, kTcsNameWidth);
  const std::size_t last = name.find_last_not_of(' ');
  name = last == std::string_view::npos ? std::string_view{} : name.substr(0, last + 1);
  record.append(name);
  record.append(kTcsNameWidth - name.size(), '\0');
  record.push_back(
      static_cast<char>(HexTextToByte(common::TrimBlanks(Column(line, kTcsUseColumn, 2)), 255)));
  record.push_back(
      static_cast<char>(HexTextToByte(common::TrimBlanks(Column(line, kTcsTpColumn, 2)), 255)));
  for (std::size_t w = 0; w < kTcsWordCount; ++w) {
    const std::string_view column =
        common::TrimBlanks(Column(line, kTcsWordColumns[w], kTcsWordWidth));
    const std::optional<std::int32_t> value = RoundToInt32(ReadNumber(column));
    if (!value) {
      parsed.status = LineStatus::kError;
      parsed.error =
          std::string(kWordNames[w]) + " value " + std::string(column) + " is out of range";
      return parsed;
    }
    record += NumberToBytes(*value, 2);
  }
  parsed.status = LineStatus::kRecord;
  parsed.record = std::move(record);
  return parsed;
}

}  // namespace chanforge::channels
