#include "channels/channel_record.h"

#include <cstring>

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

// Writes value as exactly width zero-padded digits ending just before end.
char* PutDigits(char* end, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) {
    *--end = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return end;
}

}  // namespace

void AppendTcsLine(std::string& out, std::string_view record, std::int64_t number) {
  // Built in place: this runs once per channel for lists of a million records.
  char line[TcsLineLength + 24];  // room for any record number
  char* p = line;
  if (number < 1000) *p++ = ' ';
  const std::string digits = DecimalField(number, 3, true);
  for (const char c : digits) *p++ = c;
  *p++ = ' ';
  for (std::size_t i = 0; i < kTcsNameWidth; ++i) {
    const char c = record[kTcsNameOffset + i];
    *p++ = c == '\0' ? ' ' : c;
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const std::size_t offset : {kTcsUseOffset, kTcsTpOffset}) {
    const auto b = static_cast<std::uint8_t>(record[offset]);
    *p++ = ' ';
    *p++ = kHex[b >> 4];
    *p++ = kHex[b & 0xF];
  }
  for (std::size_t w = 0; w < kTcsWordCount; ++w) {
    *p++ = ' ';
    const auto value =
        static_cast<std::uint32_t>(BytesToNumber(record.substr(kTcsWordOffset + 2 * w, 2)));
    p += kTcsWordWidth;
    PutDigits(p, value, static_cast<int>(kTcsWordWidth));
  }
  out.append(line, static_cast<std::size_t>(p - line));
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

namespace {

// A column of nothing but decimal digits and blanks: the usual case, read without the
// general number reading (which ignores blanks anywhere, as this does). False sends
// the column that way.
bool PlainDigits(std::string_view column, std::uint32_t& value) {
  value = 0;
  int digits = 0;
  for (const char c : column) {
    if (c == ' ') continue;
    if (c < '0' || c > '9' || ++digits > 9) return false;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return digits > 0;
}

// A hex column of one or two digits with blanks only around them, else the general way.
std::uint8_t HexColumn(std::string_view column) {
  std::size_t first = 0;
  std::size_t last = column.size();
  while (first < last && column[first] == ' ') ++first;
  while (last > first && column[last - 1] == ' ') --last;
  return HexTextToByte(column.substr(first, last - first), 255);
}

bool IsBlankLine(std::string_view line) {
  for (const char c : line) {
    if (c != ' ') return false;
  }
  return true;
}

}  // namespace

LineStatus ParseTcsLineInto(std::string_view line, std::string& out, std::string& error) {
  if (IsBlankLine(line)) return LineStatus::kBlank;
  const std::size_t begin = out.size();
  out.resize(begin + TcsRecordSize, '\0');
  char* record = out.data() + begin;
  const std::string_view name = Column(line, kTcsNameColumn, kTcsNameWidth);
  std::size_t name_length = name.size();
  while (name_length > 0 && name[name_length - 1] == ' ') --name_length;
  if (name_length > 0) std::memcpy(record, name.data(), name_length);
  record[kTcsUseOffset] = static_cast<char>(HexColumn(Column(line, kTcsUseColumn, 2)));
  record[kTcsTpOffset] = static_cast<char>(HexColumn(Column(line, kTcsTpColumn, 2)));
  for (std::size_t w = 0; w < kTcsWordCount; ++w) {
    const std::string_view raw = Column(line, kTcsWordColumns[w], kTcsWordWidth);
    std::uint32_t v = 0;
    if (!PlainDigits(raw, v)) {
      const std::string_view column = common::TrimBlanks(raw);
      const std::optional<std::int32_t> value = ReadWholeNumber(column);
      if (!value) {
        out.resize(begin);
        error = std::string(kWordNames[w]) + " value " + std::string(column) + " is out of range";
        return LineStatus::kError;
      }
      // Zero or less is stored as zero; only the low 16 bits are kept.
      v = *value > 0 ? static_cast<std::uint32_t>(*value) : 0;
    }
    record[kTcsWordOffset + 2 * w] = static_cast<char>((v >> 8) & 0xFF);
    record[kTcsWordOffset + 2 * w + 1] = static_cast<char>(v & 0xFF);
  }
  return LineStatus::kRecord;
}

ParsedLine ParseTcsLine(std::string_view line) {
  ParsedLine parsed;
  parsed.status = ParseTcsLineInto(line, parsed.record, parsed.error);
  return parsed;
}

}  // namespace chanforge::channels
