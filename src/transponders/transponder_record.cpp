#include "transponders/transponder_record.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <span>

#include "common/coding.h"
#include "common/text_columns.h"
#include "common/text_fields.h"
#include "common/text_lines.h"
#include "transponders/transponder_fields.h"

namespace chanforge::transponders {

using common::Column;
using common::LineStatus;

TransponderRecord TransponderRecord::Decode(std::string_view bytes) {
  char raw[kTptRecordSize] = {};
  bytes.substr(0, kTptRecordSize).copy(raw, kTptRecordSize);
  const auto number = [&](std::size_t offset, std::size_t width) {
    return common::DecodeBigEndian(std::string_view(raw + offset, width));
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
  common::EncodeBigEndianInto(out + kTptFrequencyOffset, frequency, 4);
  common::EncodeBigEndianInto(out + kTptTidOffset, tid, 2);
  common::EncodeBigEndianInto(out + kTptNidOffset, nid, 2);
  out[kTptChnOffset] = static_cast<char>(chn);
  out[kTptSrOffset] = static_cast<char>(sr);
  out[kTptFecOffset] = static_cast<char>(fec);
  out[kTptFlagsOffset] = static_cast<char>(flags);
}

std::string TransponderRecord::Encode() const {
  std::string bytes(kTptRecordSize, '\0');
  EncodeInto(bytes.data());
  return bytes;
}

std::int64_t TransponderRecord::Khz() const {
  std::int64_t khz = frequency / 1000 + kLowerOscillatorKhz;
  if (flags & kFlagUpperBand) khz += kUpperBandShiftKhz;
  return khz;
}

bool TransponderRecord::IsEmpty() const { return Khz() == kLowerOscillatorKhz; }

namespace {

char UpperAt(std::string_view line, std::size_t column) {
  if (column >= line.size()) return '\0';
  return common::UpperAscii(line[column]);
}

// The FEC column's text: up to the first blank, which may run past the column.
std::string_view FecToken(std::string_view line) {
  const std::string_view rest = line.substr(std::min(line.size(), kTptFecColumn));
  return rest.substr(0, rest.find(' '));
}

constexpr auto kNoFrequency =
    common::Wording("tpt-text.no-frequency", "no frequency in columns 5-12");
constexpr auto kOutOfRange = common::Wording("tpt-text.out-of-range", "{1} out of range");
constexpr auto kBandHolds = common::Wording(
    "tpt-text.band-holds", "frequency {1} kHz is out of range: band {2} holds {3} to {4} kHz");
constexpr auto kFecMoves =
    common::Wording("tpt-text.fec-moves", "{1}, and it moves the columns after it");

}  // namespace

void AppendTptLine(std::string& line, const TransponderRecord& record, std::size_t number,
                   common::TptLayout layout) {
  using common::DecimalField;
  using common::HexByteField;
  // Two hex digits whatever the count: past 255 the number wraps, the columns hold.
  line += HexByteField(static_cast<std::uint8_t>(number % 256)).substr(1);
  line += " " + DecimalField(record.Khz(), 8, common::LeadingBlank::kOne);
  line += " " + DecimalField(record.tid, 5, common::LeadingBlank::kOne);
  line += " " + DecimalField(record.nid, 5, common::LeadingBlank::kOne);
  line += " " + HexByteField(record.chn);
  line += " " + HexByteField(record.sr);
  line += "  ";
  line += record.FecText();
  line += "  ";
  line += kPolarisationTexts[(record.flags & kFlagHorizontal) != 0 ? 1 : 0];
  line += '/';
  line += kBandTexts[(record.flags & kFlagUpperBand) != 0 ? 1 : 0];
  if (layout == common::TptLayout::kFull) {
    line += ' ';
    line += kDiseqcTexts[(record.flags & kFlagDiseqcB) != 0 ? 1 : 0];
  }
}

std::size_t UsedCount(const std::vector<TransponderRecord>& records) {
  std::size_t used = records.size();
  while (used > 0 && records[used - 1].IsEmpty()) --used;
  return used;
}

std::vector<std::string> FormatTptLines(std::string_view list, common::TptLayout layout) {
  std::vector<TransponderRecord> records;
  records.reserve(list.size() / kTptRecordSize);
  for (std::size_t p = 0; p + kTptRecordSize <= list.size(); p += kTptRecordSize) {
    records.push_back(TransponderRecord::Decode(list.substr(p)));
  }
  records.resize(UsedCount(records));
  std::vector<std::string> lines;
  lines.reserve(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    lines.emplace_back().reserve(kTptLineLength);
    AppendTptLine(lines.back(), records[i], i + 1, layout);
  }
  return lines;
}

namespace {

// The columns: the record number, which is not read, then the fields, the polarisation and
// the band parted by a slash.
constexpr std::array<common::TextColumn, 11> LayoutColumns(common::TptLayout layout) {
  const auto field = [](TransponderField f) { return common::ColumnOf(InfoOf(f)); };
  common::TextColumn khz = field(TransponderField::kKhz);
  khz.ranged = false;  // the band's range: see BandProblem
  common::TextColumn diseqc = field(TransponderField::kDiseqc);
  diseqc.optional = layout == common::TptLayout::kDecLink;
  return {{{nullptr, 0, kTptFreqColumn - 2},
           khz,
           field(TransponderField::kTid),
           field(TransponderField::kNid),
           field(TransponderField::kChn),
           field(TransponderField::kSr),
           field(TransponderField::kFec),
           field(TransponderField::kPolarisation),
           {nullptr, kTptPolColumn + 1, 1, '/'},
           field(TransponderField::kBand),
           diseqc}};
}
constexpr auto kTptLayout = LayoutColumns(common::TptLayout::kFull);
constexpr auto kTptDecLinkLayout = LayoutColumns(common::TptLayout::kDecLink);

// The frequency of an empty record's line, as a list with gaps is written: none of the lower
// band's own frequencies, yet read as written.
bool EmptyRecordKhz(std::int64_t khz, bool upper) { return !upper && khz == kLowerOscillatorKhz; }

// Why the line's frequency lies outside what its band carries, or empty.
common::Message BandProblem(std::string_view line) {
  const std::string_view text =
      common::TrimBlanks(Column(line, kTptFreqColumn, InfoOf(TransponderField::kKhz).columns));
  const bool upper = UpperAt(line, kTptBandColumn) == 'U';
  const std::int64_t khz = common::ReadPlainWholeNumber(text);
  if (khz < 0 || EmptyRecordKhz(khz, upper)) return {};
  common::Message problem = KhzProblem(khz, upper);
  if (problem.empty()) return problem;
  return common::Say(common::kFieldSays,
                     {common::HeadingOf(InfoOf(TransponderField::kKhz)), std::move(problem)});
}

// A line as AppendTptLine writes it, byte by byte: '.' any byte (the record number, which is
// not read), '9' a decimal digit, 'F' a hex digit, 'c' a choice's letters, the rest itself.
constexpr std::string_view kWrittenShape = "..  99999999  99999  99999  FF  FF  ccc  c/c c";
static_assert(kWrittenShape.size() == kTptLineLength && kWrittenShape[kTptFreqColumn] == '9' &&
              kWrittenShape[kTptTidColumn] == '9' && kWrittenShape[kTptNidColumn] == '9' &&
              kWrittenShape[kTptChnColumn] == 'F' && kWrittenShape[kTptSrColumn] == 'F' &&
              kWrittenShape[kTptFecColumn] == 'c' && kWrittenShape[kTptPolColumn] == 'c' &&
              kWrittenShape[kTptBandColumn] == 'c' && kWrittenShape[kTptDiseqcColumn] == 'c');

// The record of a line that has the written shape and reads back as written, checked and
// read in one pass; null for any other line, which ParseTptLine and the layout judge (to the
// same record and verdict, more slowly). A long list is millions of such lines.
std::optional<TransponderRecord> WrittenLine(std::string_view line, common::TptLayout layout,
                                             bool diseqc_b) {
  // A DecLink line may end after its band.
  const bool diseqc = line.size() == kTptLineLength;
  if (!diseqc && (layout != common::TptLayout::kDecLink || line.size() != kTptBandColumn + 1)) {
    return {};
  }
  for (std::size_t i = 0; i < line.size(); ++i) {
    const unsigned c = static_cast<unsigned char>(line[i]);
    const char shape = kWrittenShape[i];
    const bool fits = shape == '9' ? c - '0' < 10u
                      : shape == 'F'
                          ? c - '0' < 10u || (c | 0x20u) - 'a' < 6u
                          : shape == '.' || shape == 'c' || c == static_cast<unsigned char>(shape);
    if (!fits) return {};
  }
  // The shape holds, so each column is its digits alone: read here directly, as the general
  // number reading would read them, at a fraction of its cost on millions of lines.
  const auto digit = [&](std::size_t at) {
    const auto c = static_cast<unsigned>(line[at]);
    return static_cast<int>(c <= '9' ? c - '0' : (c | 0x20u) - 'a' + 10);
  };
  const auto number = [&](std::size_t column, std::size_t width) {
    std::int64_t value = 0;
    for (std::size_t i = column; i < column + width; ++i) value = value * 10 + digit(i);
    return value;
  };
  const auto hex = [&](std::size_t column) {
    return static_cast<std::uint8_t>(digit(column) * 16 + digit(column + 1));
  };
  const auto code = [&](TransponderField field) {
    const common::FieldInfo& info = InfoOf(field);
    return common::ChoiceCode(info, line.substr(info.column, info.columns));
  };
  const std::optional<std::int64_t> horizontal = code(TransponderField::kPolarisation);
  const std::optional<std::int64_t> upper = code(TransponderField::kBand);
  const std::optional<std::int64_t> b =
      diseqc ? code(TransponderField::kDiseqc) : std::optional<std::int64_t>(diseqc_b);
  const std::optional<std::int64_t> fec = code(TransponderField::kFec);
  const std::int64_t khz = number(kTptFreqColumn, 8);
  const std::int64_t tid = number(kTptTidColumn, 5);
  const std::int64_t nid = number(kTptNidColumn, 5);
  if (!horizontal || !upper || !b || !fec || tid > common::kWordMost || nid > common::kWordMost) {
    return {};
  }
  if (!EmptyRecordKhz(khz, *upper != 0) && !KhzProblem(khz, *upper != 0).empty()) return {};
  TransponderRecord record;
  record.frequency = static_cast<std::uint32_t>(IntermediateHz(khz, *upper != 0));
  record.tid = static_cast<std::uint16_t>(tid);
  record.nid = static_cast<std::uint16_t>(nid);
  record.chn = hex(kTptChnColumn);
  record.sr = hex(kTptSrColumn);
  record.fec = static_cast<std::uint8_t>(*fec);
  record.flags = static_cast<std::uint8_t>((*horizontal ? kFlagHorizontal : 0) |
                                           (*upper ? kFlagUpperBand : 0) | (*b ? kFlagDiseqcB : 0));
  return record;
}

class TptReader : public common::ListTextReader {
 public:
  TptReader(common::TptLayout layout, bool diseqc_b) : layout_(layout), diseqc_b_(diseqc_b) {}
  common::Result<LineStatus> Parse(std::string_view line, std::string& out) const override {
    common::Result<std::string> parsed = ParseTptLine(line, diseqc_b_);
    if (!parsed.ok()) return parsed.status();
    if (parsed->empty()) return LineStatus::kBlank;
    out += *parsed;
    return LineStatus::kRecord;
  }
  common::Result<LineStatus> ParseAndCheck(std::string_view line, std::string& out,
                                           bool& as_written) const override {
    const std::optional<TransponderRecord> record = WrittenLine(line, layout_, diseqc_b_);
    if (!record) return ListTextReader::ParseAndCheck(line, out, as_written);
    out.resize(out.size() + kTptRecordSize);
    record->EncodeInto(out.data() + out.size() - kTptRecordSize);
    as_written = true;
    return LineStatus::kRecord;
  }
  bool ReadsAsWritten(std::string_view line) const override {
    return common::ReadsAsWritten(Layout(), line) && BandProblem(line).empty();
  }
  common::Message WhyNot(std::string_view line, std::string_view record, std::size_t number,
                         std::string& back) const override {
    back.clear();
    AppendTptLine(back, TransponderRecord::Decode(record), number, layout_);
    if (common::ReadsAsWritten(Layout(), line)) return BandProblem(line);
    common::Message reason = common::WhyNotAsWritten(Layout(), line, back);
    return reason.empty() ? BandProblem(back) : reason;
  }

 private:
  std::span<const common::TextColumn> Layout() const {
    return layout_ == common::TptLayout::kDecLink
               ? std::span<const common::TextColumn>(kTptDecLinkLayout)
               : kTptLayout;
  }
  common::TptLayout layout_;
  bool diseqc_b_;
};

}  // namespace

const common::ListTextReader& TptTextReader(common::TptLayout layout, bool diseqc_b) {
  using common::TptLayout;
  static const TptReader readers[2][2] = {
      {{TptLayout::kFull, false}, {TptLayout::kFull, true}},
      {{TptLayout::kDecLink, false}, {TptLayout::kDecLink, true}}};
  return readers[layout == common::TptLayout::kDecLink ? 1 : 0][diseqc_b ? 1 : 0];
}

common::Message CheckTptLine(std::string_view line, common::TptLayout layout) {
  std::string record;
  std::string back;
  const common::ListTextReader& reader = TptTextReader(layout);
  const common::Result<LineStatus> parsed = reader.Parse(line, record);
  if (!parsed.ok() || *parsed != LineStatus::kRecord || reader.ReadsAsWritten(line)) return {};
  return reader.WhyNot(line, record, 1, back);
}

common::Result<std::string> ParseTptLine(std::string_view line, bool diseqc_b) {
  using common::HexTextToByte;
  using common::RoundToInt32;
  if (common::TrimBlanks(line).empty()) return std::string();

  const std::string_view freq_text = Column(line, kTptFreqColumn, 8);
  const std::optional<double> freq_number = common::ReadNumberPrefix(freq_text);
  if (!freq_number) return common::Say(kNoFrequency);
  const std::optional<std::int32_t> rounded_khz = RoundToInt32(*freq_number);
  const std::optional<std::int32_t> tid =
      common::ReadWholeNumber(common::TrimBlanks(Column(line, kTptTidColumn, 5)));
  const std::optional<std::int32_t> nid =
      common::ReadWholeNumber(common::TrimBlanks(Column(line, kTptNidColumn, 5)));
  if (!tid) return common::Say(kOutOfRange, {common::HeadingOf(InfoOf(TransponderField::kTid))});
  if (!nid) return common::Say(kOutOfRange, {common::HeadingOf(InfoOf(TransponderField::kNid))});

  TransponderRecord record;
  const bool upper = UpperAt(line, kTptBandColumn) == 'U';
  if (UpperAt(line, kTptPolColumn) == 'H') record.flags = kFlagHorizontal;
  if (upper) record.flags |= kFlagUpperBand;
  const char diseqc = UpperAt(line, kTptDiseqcColumn);
  if (diseqc == 'B' || ((diseqc == '\0' || diseqc == ' ') && diseqc_b)) {
    record.flags |= kFlagDiseqcB;
  }
  // What the band's frequency field can hold; a frequency outside the band's own range is
  // stored as written, after the question.
  const std::int64_t oscillator = kLowerOscillatorKhz + (upper ? kUpperBandShiftKhz : 0);
  const std::int64_t most = oscillator + std::numeric_limits<std::int32_t>::max() / 1000;
  if (!rounded_khz || *rounded_khz < oscillator || *rounded_khz > most) {
    return common::Say(kBandHolds, {common::Value(std::string(common::TrimBlanks(freq_text))),
                                    common::Value(kBandTexts[upper ? 1 : 0]),
                                    common::Value(oscillator), common::Value(most)});
  }
  if (const std::string_view fec = FecToken(line);
      fec.size() > InfoOf(TransponderField::kFec).columns) {
    return common::Say(kFecMoves, {FecProblem(fec)});
  }
  record.frequency = static_cast<std::uint32_t>(IntermediateHz(*rounded_khz, upper));
  // Kept as the fields store them: the low 16 bits, or 0 for a value below 0.
  record.tid = static_cast<std::uint16_t>(*tid > 0 ? *tid & common::kWordMost : 0);
  record.nid = static_cast<std::uint16_t>(*nid > 0 ? *nid & common::kWordMost : 0);
  record.chn = HexTextToByte(common::TrimBlanks(Column(line, kTptChnColumn, 2)), common::kByteMost);
  record.sr = HexTextToByte(common::TrimBlanks(Column(line, kTptSrColumn, 2)), common::kByteMost);

  record.fec = FecCodeOf(Column(line, kTptFecColumn, InfoOf(TransponderField::kFec).columns))
                   .value_or(kFallbackFecCode);
  return record.Encode();
}

}  // namespace chanforge::transponders
