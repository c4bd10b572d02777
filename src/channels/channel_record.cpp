#include "channels/channel_record.h"

#include <algorithm>

#include "channels/channel_fields.h"
#include "common/coding.h"
#include "common/text_columns.h"
#include "common/text_fields.h"
#include "common/text_lines.h"

namespace chanforge::channels {

using common::AppendDecimalField;
using common::Column;
using common::DecodeBigEndian;
using common::EncodeBigEndianInto;
using common::HexByteField;
using common::HexTextToByte;
using common::LineStatus;
using common::ReadPlainWholeNumber;
using common::ReadWholeNumber;

ChannelRecord ChannelRecord::Decode(std::string_view bytes) {
  char raw[kTcsRecordSize] = {};
  bytes.substr(0, kTcsRecordSize).copy(raw, kTcsRecordSize);
  ChannelRecord record;
  std::copy_n(raw + kTcsNameOffset, kTcsNameWidth, record.name.begin());
  record.use = static_cast<std::uint8_t>(raw[kTcsUseOffset]);
  record.tp = static_cast<std::uint8_t>(raw[kTcsTpOffset]);
  for (std::size_t w = 0; w < kTcsWordCount; ++w) {
    record.words[w] = static_cast<std::uint16_t>(
        DecodeBigEndian(std::string_view(raw + kTcsWordOffset + 2 * w, 2)));
  }
  return record;
}

void ChannelRecord::EncodeInto(char* out) const {
  std::copy(name.begin(), name.end(), out + kTcsNameOffset);
  out[kTcsUseOffset] = static_cast<char>(use);
  out[kTcsTpOffset] = static_cast<char>(tp);
  for (std::size_t w = 0; w < kTcsWordCount; ++w) {
    EncodeBigEndianInto(out + kTcsWordOffset + 2 * w, words[w], 2);
  }
}

std::string ChannelRecord::Encode() const {
  std::string bytes(kTcsRecordSize, '\0');
  EncodeInto(bytes.data());
  return bytes;
}

void AppendTcsLine(std::string& out, const ChannelRecord& record, std::int64_t number) {
  if (number < 1000) out.push_back(' ');
  AppendDecimalField(out, number, 3, common::LeadingBlank::kNone);
  // The rest has one width whatever the record holds, so it is written in place: a text
  // list has a million of these lines, and each is made again for a line that moved.
  constexpr std::size_t kRest = 1 + kTcsNameWidth + 2 * 3 + kTcsWordCount * (1 + kTcsWordWidth);
  static_assert(kTcsNameColumn - 1 + kRest == kTcsLineLength);  // from the blank behind the number
  const std::size_t at = out.size();
  out.resize(at + kRest);
  char* p = out.data() + at;
  *p++ = ' ';
  for (const char c : record.name) *p++ = c == '\0' ? ' ' : c;
  for (const std::uint8_t byte : {record.use, record.tp}) {
    const std::string hex = HexByteField(byte);
    p = std::copy(hex.begin(), hex.end(), p);
  }
  for (std::uint32_t word : record.words) {
    *p = ' ';
    // Five digits hold any 16-bit value.
    for (std::size_t d = kTcsWordWidth; d > 0; --d, word /= 10)
      p[d] = static_cast<char>('0' + word % 10);
    p += 1 + kTcsWordWidth;
  }
}

std::vector<std::string> FormatTcsLines(std::string_view list) {
  const std::size_t n = list.size() / kTcsRecordSize;
  std::vector<std::string> lines(n);
  for (std::size_t i = 0; i < n; ++i) {
    lines[i].reserve(kTcsLineLength + 1);
    AppendTcsLine(lines[i], ChannelRecord::Decode(list.substr(i * kTcsRecordSize)),
                  static_cast<std::int64_t>(i) + 1);
  }
  return lines;
}

common::Result<LineStatus> ParseTcsLineInto(std::string_view line, std::string& out) {
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
        static constexpr auto kOutOfRange =
            common::Wording("channel.line-out-of-range", "{1} value {2} is out of range");
        return common::Say(kOutOfRange, {common::HeadingOf(InfoOf(WordField(w))),
                                         common::Value(std::string(common::TrimBlanks(column)))});
      }
      value = *read;
    }
    // Kept as the field stores it: the low 16 bits, or 0 for a value below 0.
    record.words[w] = static_cast<std::uint16_t>(value > 0 ? value & common::kWordMost : 0);
  }
  const std::size_t at = out.size();
  out.resize(at + kTcsRecordSize);
  record.EncodeInto(out.data() + at);
  return LineStatus::kRecord;
}

namespace {

// The fields with a column of their own in the line; a flag of a byte the line shows as a
// whole has none.
constexpr std::size_t kTcsColumnCount = static_cast<std::size_t>(
    std::count_if(kChannelFields.begin(), kChannelFields.end(),
                  [](const common::FieldInfo& field) { return field.columns > 0; }));

// The line's columns: the record number, which is not read, then every field that has one.
// A TP of 00 is a free slot's, which the list holds as it is: the column takes any byte.
constexpr std::array<common::TextColumn, kTcsColumnCount + 1> TcsLayout() {
  std::array<common::TextColumn, kTcsColumnCount + 1> layout{};
  layout[0] = {nullptr, 0, kTcsNameColumn - 1};
  std::size_t next = 1;
  for (std::size_t f = 0; f < kChannelFieldCount; ++f) {
    if (kChannelFields[f].columns == 0) continue;
    layout[next++] =
        common::ColumnOf(kChannelFields[f], f != static_cast<std::size_t>(ChannelField::kTp));
  }
  return layout;
}
constexpr auto kTcsLayout = TcsLayout();

class TcsReader : public common::ListTextReader {
 public:
  common::Result<LineStatus> Parse(std::string_view line, std::string& out) const override {
    return ParseTcsLineInto(line, out);
  }
  bool ReadsAsWritten(std::string_view line) const override {
    return common::ReadsAsWritten(kTcsLayout, line);
  }
  common::Message WhyNot(std::string_view line, std::string_view record, std::size_t number,
                         std::string& back) const override {
    BackLine(record, number, back);
    return common::WhyNotAsWritten(kTcsLayout, line, back);
  }
  bool StoredOtherwise(std::string_view line, std::string_view record, std::size_t number,
                       std::string& back) const override {
    BackLine(record, number, back);
    return common::StoredOtherwiseThanWritten(kTcsLayout, line, back);
  }

 private:
  static void BackLine(std::string_view record, std::size_t number, std::string& back) {
    back.clear();
    // From record 10000 on the number would move every column of the line it is held against.
    AppendTcsLine(back, ChannelRecord::Decode(record),
                  static_cast<std::int64_t>(std::min<std::size_t>(number, kTcsShiftedRecord - 1)));
  }
};

}  // namespace

const common::ListTextReader& TcsTextReader() {
  static const TcsReader reader;
  return reader;
}

common::Message CheckTcsLine(std::string_view line) {
  std::string record;
  std::string back;
  const common::ListTextReader& reader = TcsTextReader();
  const common::Result<LineStatus> parsed = reader.Parse(line, record);
  if (!parsed.ok() || *parsed != LineStatus::kRecord || reader.ReadsAsWritten(line)) return {};
  return reader.WhyNot(line, record, 1, back);
}

common::Result<std::string> ParseTcsLine(std::string_view line) {
  std::string record;
  if (common::Result<LineStatus> parsed = ParseTcsLineInto(line, record); !parsed.ok())
    return parsed.status();
  return record;
}

}  // namespace chanforge::channels
