#include "channels/channel_record.h"

#include "channels/channel_fields.h"
#include "channels/text_fields.h"
#include "common/text_lines.h"

namespace chanforge::channels {

using common::Column;
using common::LineStatus;

ChannelRecord ChannelRecord::Decode(std::string_view bytes) {
  char raw[TcsRecordSize] = {};
  bytes.substr(0, TcsRecordSize).copy(raw, TcsRecordSize);
  ChannelRecord record;
  std::copy_n(raw + kTcsNameOffset, kTcsNameWidth, record.name.begin());
  record.use = static_cast<std::uint8_t>(raw[kTcsUseOffset]);
  record.tp = static_cast<std::uint8_t>(raw[kTcsTpOffset]);
  for (std::size_t w = 0; w < kTcsWordCount; ++w) {
    record.words[w] = static_cast<std::uint16_t>(
        BytesToNumber(std::string_view(raw + kTcsWordOffset + 2 * w, 2)));
  }
  return record;
}

void ChannelRecord::EncodeInto(char* out) const {
  std::copy(name.begin(), name.end(), out + kTcsNameOffset);
  out[kTcsUseOffset] = static_cast<char>(use);
  out[kTcsTpOffset] = static_cast<char>(tp);
  for (std::size_t w = 0; w < kTcsWordCount; ++w) {
    PutNumberBytes(out + kTcsWordOffset + 2 * w, words[w], 2);
  }
}

std::string ChannelRecord::Encode() const {
  std::string bytes(TcsRecordSize, '\0');
  EncodeInto(bytes.data());
  return bytes;
}

void AppendTcsLine(std::string& out, const ChannelRecord& record, std::int64_t number) {
  if (number < 1000) out.push_back(' ');
  AppendDecimalField(out, number, 3, true);
  out.push_back(' ');
  for (const char c : record.name) out.push_back(c == '\0' ? ' ' : c);
  out += HexByteField(record.use);
  out += HexByteField(record.tp);
  for (const std::uint16_t word : record.words) AppendDecimalField(out, word, 5, false);
}

std::vector<std::string> FormatTcsLines(std::string_view list) {
  const std::size_t n = list.size() / TcsRecordSize;
  std::vector<std::string> lines(n);
  for (std::size_t i = 0; i < n; ++i) {
    lines[i].reserve(TcsLineLength + 1);
    AppendTcsLine(lines[i], ChannelRecord::Decode(list.substr(i * TcsRecordSize)),
                  static_cast<std::int64_t>(i) + 1);
  }
  return lines;
}

LineStatus ParseTcsLineInto(std::string_view line, std::string& out, std::string& error) {
  if (common::TrimBlanks(line).empty()) return LineStatus::kBlank;
  ChannelRecord record;  // the name's unused places stay NUL
  std::string_view name = Column(line, kTcsNameColumn, kTcsNameWidth);
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  name.copy(record.name.data(), name.size());
  for (const ChannelField field : {ChannelField::kUse, ChannelField::kTp}) {
    const common::FieldInfo& info = InfoOf(field);
    (field == ChannelField::kUse ? record.use : record.tp) = HexTextToByte(
        common::TrimBlanks(Column(line, info.column, info.columns)), common::kByteMost);
  }
  for (std::size_t w = 0; w < kTcsWordCount; ++w) {
    // Blanks need no trimming: the number reading ignores them anywhere.
    const std::string_view column = Column(line, kTcsWordColumns[w], kTcsWordWidth);
    std::int64_t value = ReadPlainWholeNumber(column);
    if (value < 0) {
      const std::optional<std::int32_t> read = ReadWholeNumber(column);
      if (!read) {
        error = std::string(InfoOf(WordField(w)).heading) + " value " +
                std::string(common::TrimBlanks(column)) + " is out of range";
        return LineStatus::kError;
      }
      value = *read;
    }
    // Kept as the field stores it: the low 16 bits, or 0 for a value below 0.
    record.words[w] = static_cast<std::uint16_t>(value > 0 ? value & common::kWordMost : 0);
  }
  const std::size_t at = out.size();
  out.resize(at + TcsRecordSize);
  record.EncodeInto(out.data() + at);
  return LineStatus::kRecord;
}

std::string CheckTcsLine(std::string_view line, bool explain) {
  const auto reason = [explain](auto text) { return explain ? text() : std::string("!"); };
  // The blanks between the columns (0-based).
  static constexpr std::size_t kSeparators[] = {4, 21, 24, 27, 33, 39, 45, 51, 57};
  for (const std::size_t separator : kSeparators) {
    if (separator < line.size() && line[separator] != ' ') {
      return reason([&] { return "column " + std::to_string(separator + 1) + " is not a blank"; });
    }
  }
  for (const ChannelField field : {ChannelField::kUse, ChannelField::kTp}) {
    const common::FieldInfo& info = InfoOf(field);
    const std::string_view text = common::TrimBlanks(Column(line, info.column, info.columns));
    if (!text.empty() && !IsHexText(text)) {
      return reason([&] {
        return std::string(info.heading) + " " + std::string(text) + " is not a hex number";
      });
    }
  }
  for (std::size_t w = 0; w < kTcsWordCount; ++w) {
    const common::FieldInfo& info = InfoOf(WordField(w));
    const std::string_view text = common::TrimBlanks(Column(line, info.column, info.columns));
    if (text.empty()) continue;
    std::int64_t value = ReadPlainWholeNumber(text);
    if (value < 0) {
      if (!ReadsWhollyAsNumber(text)) {
        return reason([&] {
          return std::string(info.heading) + " " + std::string(text) + " is not a number";
        });
      }
      const std::optional<std::int32_t> read = ReadWholeNumber(text);
      if (!read) continue;  // out of range: the line was refused before it was checked
      value = *read;
    }
    if (value < info.least || value > info.most) {
      return reason([&] {
        return std::string(info.heading) + " " + std::string(text) + " is outside " +
               std::to_string(info.least) + " to " + std::to_string(info.most);
      });
    }
  }
  return {};
}

common::ParsedLine ParseTcsLine(std::string_view line) {
  common::ParsedLine parsed;
  parsed.status = ParseTcsLineInto(line, parsed.record, parsed.error);
  return parsed;
}

}  // namespace chanforge::channels
