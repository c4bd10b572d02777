#include "channels/channel_record.h"

#include "channels/text_fields.h"
#include "common/text_lines.h"

namespace chanforge::channels {

using common::Column;

namespace {

constexpr const char* kWordNames[kTcsWordCount] = {"SID", "VPID", "APID", "Vecm", "Aecm", "PCR"};

}  // namespace

void AppendTcsLine(std::string& out, std::string_view record, std::int64_t number) {
  if (number < 1000) out.push_back(' ');
  AppendDecimalField(out, number, 3, true);
  out.push_back(' ');
  for (std::size_t i = 0; i < kTcsNameWidth; ++i) {
    const char c = record[kTcsNameOffset + i];
    out.push_back(c == '\0' ? ' ' : c);
  }
  out += HexByteField(static_cast<std::uint8_t>(record[kTcsUseOffset]));
  out += HexByteField(static_cast<std::uint8_t>(record[kTcsTpOffset]));
  for (std::size_t w = 0; w < kTcsWordCount; ++w) {
    AppendDecimalField(out, BytesToNumber(record.substr(kTcsWordOffset + 2 * w, 2)), 5, false);
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

LineStatus ParseTcsLineInto(std::string_view line, std::string& out, std::string& error) {
  if (common::TrimBlanks(line).empty()) return LineStatus::kBlank;
  char record[TcsRecordSize] = {};  // the name's unused places stay NUL
  std::string_view name = Column(line, kTcsNameColumn, kTcsNameWidth);
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  name.copy(record + kTcsNameOffset, name.size());
  record[kTcsUseOffset] =
      static_cast<char>(HexTextToByte(common::TrimBlanks(Column(line, kTcsUseColumn, 2)), 255));
  record[kTcsTpOffset] =
      static_cast<char>(HexTextToByte(common::TrimBlanks(Column(line, kTcsTpColumn, 2)), 255));
  for (std::size_t w = 0; w < kTcsWordCount; ++w) {
    // Blanks need no trimming: the number reading ignores them anywhere.
    const std::string_view column = Column(line, kTcsWordColumns[w], kTcsWordWidth);
    const std::optional<std::int32_t> value = ReadWholeNumber(column);
    if (!value) {
      error = std::string(kWordNames[w]) + " value " + std::string(common::TrimBlanks(column)) +
              " is out of range";
      return LineStatus::kError;
    }
    PutNumberBytes(record + kTcsWordOffset + 2 * w, *value, 2);
  }
  out.append(record, TcsRecordSize);
  return LineStatus::kRecord;
}

ParsedLine ParseTcsLine(std::string_view line) {
  ParsedLine parsed;
  parsed.status = ParseTcsLineInto(line, parsed.record, parsed.error);
  return parsed;
}

}  // namespace chanforge::channels
