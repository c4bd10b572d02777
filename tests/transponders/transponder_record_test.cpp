#include "transponders/transponder_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "channels/channel_conversions.h"
#include "channels/channel_record.h"
#include "common/text_lines.h"
#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "transponders/transponder_conversions.h"
#include "transponders/transponder_fields.h"

namespace chanforge::transponders {
namespace {

constexpr auto kFull = common::TptLayout::kFull, kDecLink = common::TptLayout::kDecLink;

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
    EXPECT_EQ(FormatTptLines(record, kFull), std::vector{line});
    EXPECT_EQ(FormatTptLines(record, kDecLink), std::vector{line.substr(0, 44)});
  }
  EXPECT_EQ(std::string(TptHeading).size(), 51u);
}

TEST(FormatTptLines, EndsAtTheLastUsedRecordAndWrapsNumbersPast255) {
  const std::string used = TptRecord(1000, 0, 0, 0, 0, 0, 0), empty(12, '\0');
  EXPECT_TRUE(FormatTptLines(std::string(2040, '\0'), kFull).empty());
  const auto gap = FormatTptLines(used + empty + used + empty, kFull);
  ASSERT_EQ(gap.size(), 3u);
  EXPECT_EQ(gap[1], "02  09750000  00000  00000  00  00  1/2  V/D A");
  EXPECT_EQ(FormatTptLines(used + used + "\x01", kFull).size(), 2u);  // 25 bytes
  // An empty record is only a lower-band one: band bit set counts as used.
  EXPECT_EQ(FormatTptLines(TptRecord(0, 0, 0, 0, 0, 0, 1), kFull).size(), 1u);
  std::string list;
  for (int i = 0; i < 257; ++i) list += used;
  const auto lines = FormatTptLines(list, kFull);
  EXPECT_EQ(lines[254].substr(0, 4), "FF  ");
  EXPECT_EQ(lines[256].substr(0, 4), "01  ");
}

TEST(ParseTptLine, ReadsBothLayoutsAndTheLetterRules) {
  const std::string declink = std::string(kSample).substr(0, 44);
  const std::tuple<std::string, bool, std::string> cases[] = {
      {kSample, false, TptRecord(1178000000, 1234, 1, 0x12, 0x0B, 2, 0x01)},
      {declink, false, TptRecord(1178000000, 1234, 1, 0x12, 0x0B, 2, 0x01)},
      {declink, true, TptRecord(1178000000, 1234, 1, 0x12, 0x0B, 2, 0x09)},
      {std::string(kSample).replace(45, 1, "b"), false,
       TptRecord(1178000000, 1234, 1, 0x12, 0x0B, 2, 0x09)},
      {"01  117780000 01234  00001  12  0B1 3/4  V/U A", false,
       TptRecord(1178000000, 1234, 1, 0x12, 0x0B, 2, 0x01)},
      {"01  11778000  01234  00001  12  0b  5/6  h/u b", false,
       TptRecord(1178000000, 1234, 1, 0x12, 0x0B, 3, 0x0B)},
      // A U below the upper band's range stays on U, as written (after the question).
      {"01  11000000  00000  00000  00  00  7/8  H/U A", false,
       TptRecord(400000000, 0, 0, 0, 0, 2, 3)},
      // The line of an empty record reads back as one.
      {"01  09750000  00000  00000  00  00  1/2  V/D A", false, TptRecord(0, 0, 0, 0, 0, 0, 0)},
      {"01  10751234  70000  -0001  00  00  0/0  X/Q C", false,
       TptRecord(1001234000, 0x1170, 0, 0, 0, 2, 0)},
  };
  for (const auto& [line, diseqc_b, record] : cases) {
    const common::Result<std::string> parsed = ParseTptLine(line, diseqc_b);
    ASSERT_TRUE(parsed.ok()) << line;
    EXPECT_EQ(*parsed, record) << line;
  }
  EXPECT_EQ(*ParseTptLine("   "), "");  // a blank line holds no record
}

// Only what no record can hold is refused: a frequency past its band's field, or none.
TEST(ParseTptLine, RefusesWhatNoRecordHolds) {
  const std::tuple<std::string, char, bool> cases[] = {
      {"09750000", 'D', true},  {"09749999", 'D', false}, {"11897483", 'D', true},
      {"11897484", 'D', false}, {"10699999", 'D', true},  {"12747483", 'U', true},
      {"12747484", 'U', false}, {"10600000", 'U', true},  {"10599999", 'U', false},
      {"        ", 'D', false}, {"ABC     ", 'D', false}, {"9E20    ", 'D', false},
  };
  for (const auto& [frequency, band, ok] : cases) {
    const std::string line = "01  " + frequency + "  00000  00000  00  00  1/2  V/" + band;
    const common::Result<std::string> parsed = ParseTptLine(line);
    EXPECT_EQ(parsed.message().empty(), ok) << line;
    EXPECT_EQ(parsed.ok() ? parsed->size() : 0, ok ? kTptRecordSize : 0) << line;
  }
  EXPECT_EQ(ParseTptLine("01  09700000  00000  00000  00  00  1/2  V/D"),
            "frequency 09700000 kHz is out of range: band D holds 9750000 to 11897483 kHz");
  // A FEC text longer than its column moves the polarisation and band out of theirs.
  EXPECT_EQ(ParseTptLine("01  11778000  01234  00001  12  0B  AUTO  H/U A"),
            "FEC AUTO is not one the list stores (1/2, 2/3, 3/4 or 4/5), and it moves the "
            "columns after it");
  EXPECT_EQ(ParseTptLine("01  11778000  9E20   00001"), "TID out of range");
}

TEST(CheckTptLine, SaysWhatALineWouldBecome) {
  const std::string sample = kSample;  // 11778000 U, TID 1234, SR 0x0B, V, A
  const auto with = [&](std::size_t column, std::size_t width, const std::string& text) {
    return std::string(sample).replace(column, width, text);
  };
  const std::pair<std::string, std::string> cases[] = {
      {sample, ""},
      {"01  09750000  00000  00000  00  00  1/2  V/D A", ""},  // an empty record, kept empty
      {with(14, 5, "1051"),
       "TID \"1051\" is 4 characters wide, not 5: NID and the columns behind it move 1 to the "
       "left, and it would be stored as Chn 02, Band D"},
      {with(41, 1, "X"), "Polarisation \"X\" is not V or H: it would be stored as Polarisation V"},
      {with(43, 1, "Q"), "Band \"Q\" is not D or U: it would be stored as Band D"},
      {with(45, 1, "C"), "DiSEqC \"C\" is not A or B: it would be stored as DiSEqC A"},
      {sample.substr(0, 44), "DiSEqC is missing: it would be stored as DiSEqC A"},
      {with(36, 3, "5/6"),
       "FEC \"5/6\" is not 1/2, 2/3, 3/4 or 4/5: it would be stored as FEC 4/5"},
      {with(4, 8, "11000000"),
       "Frequency 11000000 kHz lies outside band U's 11550000 to 12747483 kHz"},
      {with(14, 5, "99999"), "TID 99999 is outside 0 to 65535: it would be stored as TID 34463"},
      {with(28, 2, "1G"), "Chn \"1G\" is not a hex number: it would be stored as Chn 01"},
      {with(42, 1, "-"), ""},  // the slash is not read
      {with(42, 2, "-Q"),      // but named where the line says more
       "column 43 holds \"-\", not /: it would be stored as Band D"},
      {with(40, 1, "x"), "column 41 is not a blank"},
  };
  for (const auto& [line, reason] : cases) EXPECT_EQ(CheckTptLine(line), reason) << line;
  EXPECT_EQ(CheckTptLine(sample.substr(0, 44), kDecLink), "");  // the DecLink layout
  // A conversion keeps one read-back text for all its lines: each line's is made anew.
  const common::ListTextReader& reader = TptTextReader(kFull);
  std::string record, back = "the line before's";
  ASSERT_TRUE(reader.Parse(cases[2].first, record).ok());
  EXPECT_EQ(reader.WhyNot(cases[2].first, record, 1, back), cases[2].second);
}

// Bytes to text to bytes over random records within their bands: identical but for the flag
// bits and the sub-kHz digits the text does not carry.
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
  for (const std::string& line : FormatTptLines(list, kFull)) {
    const common::Result<std::string> parsed = ParseTptLine(line);
    ASSERT_TRUE(parsed.ok()) << line;
    ASSERT_EQ(CheckTptLine(line), "") << line;
    back += *parsed;
  }
  EXPECT_EQ(back, expected);
}

// The conversion's one pass gives the record and verdict of the two (read, then held against the
// columns), for written lines and every line one byte, frequency or end away from them.
TEST(TptTextReader, OnePassAnswersAsTheTwoPasses) {
  std::vector<std::string> lines;
  for (const std::string& record :
       {TptRecord(1000000000, 1, 2, 3, 4, 2, 0x0B), TptRecord(0, 0, 0, 0, 0, 0, 0),
        TptRecord(850000000, 65535, 65535, 0xAB, 0xFF, 3, 0x02),
        TptRecord(1000000000, 1, 2, 3, 4, 7, 0)}) {  // a FEC of no name
    for (const std::string& line : FormatTptLines(record, kFull)) {
      lines.push_back(line);
      lines.push_back(line.substr(0, kTptDiseqcColumn - 1));
      lines.push_back(line + " ");
      lines.push_back(line.substr(0, kTptDiseqcColumn + 1 - 3));
    }
  }
  const std::string written = lines[0];
  for (const char* khz : {"09750000", "10699999", "10700000", "11897483", "11897484", "11549999",
                          "11550000", "12747483", "12747484"}) {
    for (const char* band : {"D", "U"}) {
      std::string line = written;
      line.replace(kTptFreqColumn, 8, khz).replace(kTptBandColumn, 1, band);
      lines.push_back(line);
    }
  }
  for (const char* tid : {"65536", "99999", "00000"}) {
    lines.push_back(std::string(written).replace(kTptTidColumn, 5, tid));
    lines.push_back(std::string(written).replace(kTptNidColumn, 5, tid));
  }
  for (std::size_t i = 0, written_lines = lines.size(); i < written_lines; ++i) {
    for (std::size_t at = 0; at < lines[i].size(); ++at) {
      for (const char c : std::string_view("0 9aAfFgGhHvVuUdDbB/\t-.\xE9:@`")) {
        lines.push_back(lines[i]);
        lines.back()[at] = c;
      }
    }
  }
  int fast = 0;
  for (const common::TptLayout layout : {kFull, common::TptLayout::kDecLink}) {
    for (const bool diseqc_b : {false, true}) {
      const common::ListTextReader& reader = TptTextReader(layout, diseqc_b);
      for (const std::string& line : lines) {
        std::string one = "x", two = "x";
        bool one_as_written = false, two_as_written = false;
        const auto once = reader.ParseAndCheck(line, one, one_as_written);
        const auto twice = reader.ListTextReader::ParseAndCheck(line, two, two_as_written);
        ASSERT_EQ(once.ok(), twice.ok()) << line;
        if (!once.ok()) continue;
        ASSERT_EQ(*once, *twice) << line;
        ASSERT_EQ(one, two) << line;
        ASSERT_EQ(one_as_written, two_as_written) << line;
        fast += one_as_written;
      }
    }
  }
  EXPECT_GT(fast, 1000);
}

const std::string kLine = "01  11778000  00001  00002  03  04  3/4  H/U";

TEST(ConvertTpt, SizesAndPadding) {
  std::string many;
  for (int i = 0; i < 171; ++i) many += kLine + " B\n";
  // Each way and input, the output's size, and whether the text gives back a list of another
  // size.
  const std::tuple<bool, std::string, std::size_t, bool> cases[] = {
      {true, "", 0, true},
      {true, std::string(2040, '\0'), 0, false},
      {true, std::string(65532, '\0'), 0, true},
      {false, kLine + "\r\n" + kLine + " A\r\n\r\n  \r\n" + kLine, 2040, false},
      {false, "", 2040, false},
      {false, many, 2052, false},  // longer than the padding
  };
  for (const auto& [to_text, input, size, asks] : cases) {
    TempDir dir;
    ScriptedFrontend ui;
    if (asks) ui.Answer(true);
    const std::string in = dir.Write("in", input), out = dir.Path("out");
    // DecLink lines: no question.
    EXPECT_EQ(to_text ? ConvertTptToText(ui, dir.disk, in, out, kFull)
                      : ConvertTextToTpt(ui, dir.disk, out, in, kDecLink),
              Outcome::kDone);
    EXPECT_EQ(TempDir::Read(out).size(), size);
  }
}

TEST(ConvertTpt, RoundTripAndTheDecLinkLayoutsInput) {
  TempDir dir;
  const std::string list = testing::ThreeTransponders();  // the first on DiSEqC B
  const std::string bin = dir.Write("TPT", list);
  ScriptedFrontend ui;
  ui.Answer(true);  // replacing TPT
  // Converted and counted: the padding's empty records left out.
  ASSERT_EQ(ConvertTptToText(ui, dir.disk, bin, dir.Path("t.txt"), kFull).records, 3);
  EXPECT_EQ(TempDir::Read(dir.Path("t.txt")).substr(0, 48), kLine + " B\r\n");
  EXPECT_EQ(ui.statuses[1], "Converting TPT...");
  ASSERT_EQ(ConvertTextToTpt(ui, dir.disk, bin, dir.Path("t.txt"), kFull).records, 3);
  EXPECT_EQ(TempDir::Read(bin), list);
  ui.Answer(true).Answer(true).Answer(true);  // losing B; replacing TPT twice
  ASSERT_EQ(ConvertTptToText(ui, dir.disk, bin, dir.Path("d.txt"), kDecLink), Outcome::kDone);
  EXPECT_EQ(ui.questions[1],
            "The text will not convert back to the same list: transponder 1 on DiSEqC B will read "
            "back as A\r\nConvert anyway ?");
  EXPECT_EQ(TempDir::Read(dir.Path("d.txt")).size(), 3u * 46);
  ASSERT_EQ(ConvertTextToTpt(ui, dir.disk, bin, dir.Path("d.txt"), kDecLink), Outcome::kDone);
  std::string on_a = list;
  on_a[11] = 0x03;
  EXPECT_EQ(TempDir::Read(bin), on_a);
  ASSERT_EQ(ConvertTextToTpt(ui, dir.disk, bin, dir.Path("d.txt"), kDecLink, true), Outcome::kDone);
  std::string on_b = list;
  on_b[12 + 11] |= 0x08;
  on_b[24 + 11] |= 0x08;
  EXPECT_EQ(TempDir::Read(bin), on_b);
}

// What a record holds that its line cannot carry: each said, with the list's size.
TEST(ConvertTpt, AsksWhatTheTextCannotCarryBack) {
  TempDir dir;
  std::string list =
      TptRecord(1178000123, 0, 0, 0, 0, 7, 0x05) + TptRecord(2147484000u, 0, 0, 0, 0, 0, 0x08);
  list += std::string(12 * 168, '\0') + TptRecord(0, 1, 0, 0, 0, 0, 0);  // 171, a TID behind
  ScriptedFrontend ui;
  ui.Answer(false);
  EXPECT_EQ(ConvertTptToText(ui, dir.disk, dir.Write("TPT", list), dir.Path("t.txt"), kDecLink),
            Outcome::kCancelled);
  EXPECT_EQ(ui.questions[0],
            "The text will not convert back to the same list: transponder 1 keeps digits below "
            "1 kHz, which the text drops; transponder 2's frequency field holds more than the "
            "text reads back; transponder 1 has a FEC code the text shows as 0/0 and reads back "
            "as 3/4; transponder 1 has flag bits the text leaves out; transponder 2 on DiSEqC B "
            "will read back as A; the list of 171 records comes back as 170 records, with zero "
            "records after the last used one\r\nConvert anyway ?");
}

// Random lists of both kinds (empty records, both bands and inputs, names of every byte) go
// through text and back, every question answered Yes: the same bytes, or the first asked.
TEST(TextRoad, EveryListComesBackOrItsTextAsked) {
  std::mt19937 random(36);
  const auto byte = [&] { return static_cast<char>(random()); };
  int asked = 0;
  for (int round = 0; round < 120; ++round) {
    const int kind = round % 4;  // channels, channels as UTF-8, transponders, DecLink layout
    const bool tidy = random() % 3 != 0;  // the records as a receiver keeps them, or any bytes
    std::string list;
    if (kind < 2) {
      for (std::size_t n = random() % 40; n > 0; --n) {
        std::string record(30, '\0');
        for (char& c : record) c = byte();
        if (tidy) {
          const std::size_t length = random() % 17;
          std::replace_if(
              record.begin(), record.begin() + 16,
              [](char c) { return c == ' ' || c == '\r' || c == '\n' || c == 0; }, 'x');
          std::fill(record.begin() + static_cast<long>(length), record.begin() + 16, '\0');
        }
        list += record;
      }
    } else {
      // Now and then a list used to its last record, which ends the text's last piece.
      const std::size_t used = round % 20 >= 18 ? 172 : random() % 60;
      for (std::size_t i = 0; i < 170 + (tidy ? 0 : random() % 3); ++i) {
        std::string bytes(12, '\0');
        if (i < used && random() % 5 != 0) {
          for (char& c : bytes) c = byte();
          TransponderRecord r = TransponderRecord::Decode(bytes);
          const bool upper = r.flags & 1;
          const KhzRange& band = kBandKhz[upper ? 1 : 0];
          r.frequency = static_cast<std::uint32_t>(
              IntermediateHz(band.least + r.frequency % (band.most - band.least + 1), upper));
          r.fec %= 4;
          r.flags &= kind == 3 ? 0x03 : 0x0B;
          if (tidy) bytes = r.Encode();
        }
        list += bytes;
      }
    }
    TempDir dir;
    const std::string bin = dir.Write("list", list), txt = dir.Path("t"), back = dir.Path("b");
    ScriptedFrontend ui;
    ui.otherwise_yes = [] { return true; };  // every question Yes, as --yes answers
    const auto layout = kind == 3 ? kDecLink : kFull;
    ASSERT_EQ(kind < 2 ? channels::ConvertTcsToText(
                             ui, dir.disk, bin, txt,
                             kind ? common::TextEncoding::kUtf8 : common::TextEncoding::kLatin1)
                       : ConvertTptToText(ui, dir.disk, bin, txt, layout),
              Outcome::kDone);
    if (!ui.questions.empty()) {
      ++asked;
      continue;
    }
    ASSERT_EQ(kind < 2 ? channels::ConvertTextToTcs(ui, dir.disk, back, txt)
                       : ConvertTextToTpt(ui, dir.disk, back, txt, layout),
              Outcome::kDone);
    EXPECT_TRUE(TempDir::Read(back) == list) << "round " << round;
  }
  EXPECT_GT(asked, 25);  // both ways are walked
  EXPECT_LT(asked, 95);
}

TEST(TextRoad, Utf8TextReadsByCharacter) {
  TempDir dir;
  const std::string list = testing::TcsRecord(std::string("S\xFC") + "d TV", 1, 2, 28, 0, 0) +
                           testing::TcsRecord("\xC6r\xF8", 1, 2, 29, 0, 0);
  std::string text;
  for (const std::string& line : channels::FormatTcsLines(list)) text += line + "\r\n";
  const std::string utf8 = common::Latin1ToUtf8(text);
  ScriptedFrontend ui;
  // The first character past ASCII decides only after a whole read piece without one.
  const std::string late = std::string(std::size_t{1} << 20, ' ') + "\r\n";
  for (const auto& [name, written] : {std::pair<std::string, std::string>{"latin1", text},
                                      {"utf8", utf8},
                                      {"utf8-bom", "\xEF\xBB\xBF" + utf8},
                                      {"latin1-late", late + text},
                                      {"utf8-late", late + utf8}}) {
    const std::string file = dir.Write(name, written);
    const auto done = channels::ConvertTextToTcs(ui, dir.disk, dir.Path(name + ".bin"), file);
    EXPECT_EQ(done, Outcome::kDone);
    EXPECT_TRUE(TempDir::Read(dir.Path(name + ".bin")) == list) << name;
    EXPECT_EQ(done.read_as,
              name[0] == 'l' ? common::TextEncoding::kLatin1 : common::TextEncoding::kUtf8);
  }
  EXPECT_EQ(channels::ConvertTcsToText(ui, dir.disk, dir.Path("utf8.bin"), dir.Path("w.txt"),
                                       common::TextEncoding::kUtf8),
            Outcome::kDone);
  EXPECT_EQ(TempDir::Read(dir.Path("w.txt")), utf8);
  // A character cut by a read piece after its second byte still makes the file UTF-8: the
  // ellipsis is refused, not read as three Latin-1 letters.
  std::string cut = common::Latin1ToUtf8(channels::FormatTcsLines(list)[0]);
  const std::size_t at = cut.find("TV");
  cut.replace(at, 1, "\xE2\x80\xA6");
  const std::string cut_file =
      dir.Write("cut", std::string((std::size_t{1} << 20) - 4 - at, ' ') + "\r\n" + cut + "\r\n");
  EXPECT_EQ(channels::ConvertTextToTcs(ui, dir.disk, dir.Path("cut.bin"), cut_file),
            Outcome::kFailed);
  EXPECT_NE(ui.OnlyMessage().find("\xE2\x80\xA6"), std::string::npos);  // the ellipsis named
  ui.messages.clear();
  const std::string bad = dir.Write("bad", utf8 + " 003 \xE6\x9D\xB1\xE4\xBA\xAC");
  EXPECT_EQ(channels::ConvertTextToTcs(ui, dir.disk, dir.Path("bad.bin"), bad), Outcome::kFailed);
  EXPECT_EQ(ui.OnlyMessage(), "Line 3 of " + bad +
                                  " can not be converted: \"\xE6\x9D\xB1\xE4\xBA\xAC\" "
                                  "holds a character that Latin-1 cannot store");
}

}  // namespace
}  // namespace chanforge::transponders
