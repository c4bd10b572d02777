#include "transponders/transponder_record.h"

#include <gtest/gtest.h>

#include <random>

#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "transponders/transponder_conversions.h"
#include "transponders/transponder_fields.h"

namespace chanforge::transponders {
namespace {

using common::LineStatus;
using common::Outcome;
using namespace std::string_literals;
using testing::ScriptedFrontend;
using testing::TempDir;
using testing::TptRecord;

constexpr char kSample[] = "01  11778000  01234  00001  12  0B  3/4  V/U A";

TEST(FormatTptLines, FieldsOfUsualAndUnusualRecords) {
  const std::pair<std::string, std::string> cases[] = {
      {TptRecord(1178000000, 1234, 1, 0x12, 0x0B, 2, 0x01), kSample},
      {TptRecord(1178000000, 0, 0, 0, 0, 0, 0x0B),
       "01  11778000  00000  00000  00  00  1/2  H/U B"},
      {TptRecord(1234567, 65535, 65535, 0xFF, 0xFF, 7, 0xF4),
       "01  09751234  65535  65535  FF  FF  0/0  V/D A"},
      // Top bit set: the unsigned frequency still fits eight digits.
      {TptRecord(0xFFFFFFFF, 0, 0, 0, 0, 3, 0x01),
       "01  14894967  00000  00000  00  00  4/5  V/U A"},
  };
  for (const auto& [record, line] : cases) {
    EXPECT_EQ(FormatTptLines(record, false), std::vector{line});
    EXPECT_EQ(FormatTptLines(record, true), std::vector{line.substr(0, 44)});
  }
  EXPECT_EQ(std::string(TptHeading).size(), 51u);
}

TEST(FormatTptLines, EndsAtTheLastUsedRecordAndWrapsNumbersPast255) {
  const std::string used = TptRecord(1000, 0, 0, 0, 0, 0, 0), empty(12, '\0');
  EXPECT_TRUE(FormatTptLines(std::string(2040, '\0'), false).empty());
  const auto gap = FormatTptLines(used + empty + used + empty, false);
  ASSERT_EQ(gap.size(), 3u);
  EXPECT_EQ(gap[1], "02  09750000  00000  00000  00  00  1/2  V/D A");
  EXPECT_EQ(FormatTptLines(used + used + "\x01", false).size(), 2u);  // 25 bytes
  // An empty record is only a lower-band one: band bit set counts as used.
  EXPECT_EQ(FormatTptLines(TptRecord(0, 0, 0, 0, 0, 0, 1), false).size(), 1u);
  std::string list;
  for (int i = 0; i < 257; ++i) list += used;
  const auto lines = FormatTptLines(list, false);
  EXPECT_EQ(lines[254].substr(0, 4), "FF  ");
  EXPECT_EQ(lines[256].substr(0, 4), "01  ");
}

TEST(ParseTptLine, ReadsBothLayoutsAndTheLetterRules) {
  const std::pair<std::string, std::string> cases[] = {
      {kSample, TptRecord(1178000000, 1234, 1, 0x12, 0x0B, 2, 0x01)},
      {std::string(kSample).substr(0, 44), TptRecord(1178000000, 1234, 1, 0x12, 0x0B, 2, 0x01)},
      {"01  117780000 01234  00001  12  0B1 3/4  V/U A",
       TptRecord(1178000000, 1234, 1, 0x12, 0x0B, 2, 0x01)},
      {"01  11778000  01234  00001  12  0b  5/6  h/u b",
       TptRecord(1178000000, 1234, 1, 0x12, 0x0B, 3, 0x0B)},
      // "U" below 11550000 stays in the lower band.
      {"01  11000000  00000  00000  00  00  7/8  H/U A", TptRecord(1250000000, 0, 0, 0, 0, 2, 2)},
      // The line of an empty record reads back as one.
      {"01  09750000  00000  00000  00  00  1/2  V/D A", TptRecord(0, 0, 0, 0, 0, 0, 0)},
      {"01  10751234  70000  -0001  00  00  0/0  V/D",
       TptRecord(1001234000, 0x1170, 0, 0, 0, 2, 0)},
  };
  for (const auto& [line, record] : cases) {
    const common::ParsedLine parsed = ParseTptLine(line);
    ASSERT_EQ(parsed.status, LineStatus::kRecord) << line;
    EXPECT_EQ(parsed.record, record) << line;
  }
  EXPECT_EQ(ParseTptLine("   ").status, LineStatus::kBlank);
}

// Each band's edges, as the check draws them; a U below the upper band is read on D.
TEST(ParseTptLine, RefusesFrequenciesOutsideTheirBand) {
  const struct {
    std::string frequency;
    char band;
    bool ok;
  } cases[] = {
      {"10700000", 'D', true},  {"10699999", 'D', false}, {"11897483", 'D', true},
      {"11897484", 'D', false}, {"12747483", 'U', true},  {"12747484", 'U', false},
      {"11550000", 'U', true},  {"11549999", 'U', true},  {"10699999", 'U', false},
      {"09750001", 'D', false}, {"09700000", 'D', false}, {"        ", 'D', false},
      {"ABC     ", 'D', false}, {"9E20    ", 'D', false},
  };
  for (const auto& c : cases) {
    const std::string line = "01  " + c.frequency + "  00000  00000  00  00  1/2  V/" + c.band;
    const common::ParsedLine parsed = ParseTptLine(line);
    EXPECT_EQ(parsed.status, c.ok ? LineStatus::kRecord : LineStatus::kError) << line;
    EXPECT_EQ(parsed.error.empty(), c.ok) << line;
  }
  EXPECT_EQ(ParseTptLine("01  10699999  00000  00000  00  00  1/2  V/D").error,
            "frequency 10699999 kHz lies outside band D's 10700000 to 11897483 kHz");
  // A FEC text longer than its column moves the polarisation and band out of theirs.
  EXPECT_EQ(ParseTptLine("01  11778000  01234  00001  12  0B  AUTO  H/U A").error,
            "FEC AUTO is not one the list stores (1/2, 2/3, 3/4 or 4/5), and it moves the "
            "columns after it");
  EXPECT_EQ(ParseTptLine("01  11778000  01234  00001  12  0B  9/10  H/U A").status,
            LineStatus::kError);
  std::string out, error;  // the refusal reaches the caller
  EXPECT_EQ(ParseTptLineInto("01  11778000  9E20   00001", out, error), LineStatus::kError);
  EXPECT_EQ(error, "TID out of range");
}

TEST(CheckTptLine, NamesWhatWouldNotBeStoredAsWritten) {
  const std::pair<std::string, std::string> cases[] = {
      {kSample, ""},
      {"01  09750000  00000  00000  00  00  1/2  V/D A", ""},  // an empty record, kept empty
      {"01  11778000", ""},
      {"01  11778000  01234  00001  12  0B  5/6  v/u b", "FEC 5/6 is stored as 4/5"},
      {"01  11778000  99999  00001  12  0B  3/4  V/U A", "TID 99999 is outside 0 to 65535"},
      {"01  11778000  01234  65536  12  0B  3/4  V/U A", "NID 65536 is outside 0 to 65535"},
      {"01  11000000  01234  00001  12  0B  3/4  V/U A",
       "band U needs at least 11550000 kHz, not 11000000: stored on band D"},
      {"01  11550000  01234  00001  12  0B  3/4  V/U A", ""},
      {"01  11778000  01234  00001  12  0B  9/9  V/U A",
       "FEC 9/9 is not one the list stores (1/2, 2/3, 3/4 or 4/5): stored as 3/4"},
      {"01  11778000  01234  00001  1G  0B  3/4  V/U A", "Chn 1G is not a hex number"},
      {"01  11778000  012X4  00001  12  0B  3/4  V/U A", "TID 012X4 is not a number"},
      {"01  117780000 01234  00001  12  0B  3/4  V/U A", "columns 13-14 are not blank"},
      {"01  11778000  01234  00001  12  0B  3/4X V/U A", "columns 40-41 are not blank"},
      {"01  11778000  01234  00001  12  0B1 3/4  V/U A", "columns 35-36 are not blank"},
  };
  for (const auto& [line, reason] : cases) EXPECT_EQ(CheckTptLine(line), reason) << line;
}

// Bytes to text to bytes over random records: identical after dropping the flag bits
// the text does not carry and the sub-kHz digits. Records keep to their band's frequencies,
// as the parser needs.
TEST(TptRoundTrip, RandomRecordsComeBackMasked) {
  std::mt19937 random(11);
  std::string list = TptRecord(1000000000, 0, 0, 0, 0, 0, 0), expected = list;  // never empty
  for (int i = 0; i < 5000; ++i) {
    std::string bytes(12, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    TransponderRecord r = TransponderRecord::Decode(bytes);
    const KhzRange& band = kBandKhz[r.flags & 1];
    const auto span = static_cast<std::uint32_t>(band.most - band.least) * 1000u;
    r.frequency =
        static_cast<std::uint32_t>(IntermediateHz(band.least, r.flags & 1)) + r.frequency % span;
    r.fec %= 4;
    list += r.Encode();
    r.frequency = r.frequency / 1000 * 1000;
    r.flags &= 0x0B;
    expected += r.Encode();
  }
  std::string back;
  for (const std::string& line : FormatTptLines(list, false)) {
    const common::ParsedLine parsed = ParseTptLine(line);
    ASSERT_EQ(parsed.status, LineStatus::kRecord) << line;
    ASSERT_EQ(CheckTptLine(line), "") << line;
    back += parsed.record;
  }
  EXPECT_EQ(back, expected);
}

const std::string kLine = "01  11778000  00001  00002  03  04  3/4  H/U";

TEST(ConvertTpt, SizesAndPadding) {
  std::string many;
  for (int i = 0; i < 171; ++i) many += kLine + " B\n";
  const struct {
    bool to_text;
    std::string input;
    std::size_t size;  // of the output
  } cases[] = {
      {true, "", 0},
      {true, std::string(65532, '\0'), 0},
      {false, kLine + "\r\n" + kLine + " A\r\n\r\n  \r\n" + kLine, 2040},
      {false, "", 2040},
      {false, many, 2052},  // longer than the padding
  };
  for (const auto& c : cases) {
    TempDir dir;
    ScriptedFrontend ui;
    const std::string in = dir.Write("in", c.input), out = dir.Path("out");
    EXPECT_EQ(
        c.to_text ? ConvertTptToText(ui, in, out, false) : ConvertTextToTpt(ui, out, in, false),
        Outcome::kDone);
    EXPECT_EQ(TempDir::Read(out).size(), c.size);
  }
}

TEST(ConvertTpt, RoundTripAndDecLinkReadsBackAsA) {
  TempDir dir;
  const std::string list = testing::ThreeTransponders();
  const std::string bin = dir.Write("TPT", list);
  EXPECT_EQ(CountTptFileRecords(bin), 3);  // the padding's empty records left out
  ScriptedFrontend ui;
  ui.Answer(true).Answer(true);
  ASSERT_EQ(ConvertTptToText(ui, bin, dir.Path("t.txt"), false), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(dir.Path("t.txt")).substr(0, 48), kLine + " B\r\n");
  EXPECT_EQ(ui.statuses[1], "Converting TPT...");
  ASSERT_EQ(ConvertTextToTpt(ui, bin, dir.Path("t.txt"), false), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(bin), list);
  ASSERT_EQ(ConvertTptToText(ui, bin, dir.Path("d.txt"), true), Outcome::kDone);
  EXPECT_EQ(TempDir::Read(dir.Path("d.txt")).size(), 3u * 46);
  ASSERT_EQ(ConvertTextToTpt(ui, bin, dir.Path("d.txt"), true), Outcome::kDone);
  std::string as_a = list;
  as_a[11] = 0x03;
  EXPECT_EQ(TempDir::Read(bin), as_a);
}

}  // namespace
}  // namespace chanforge::transponders
