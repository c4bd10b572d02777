#include "channels/channel_record.h"

#include <gtest/gtest.h>

#include <random>

#include "support/builders.h"

namespace chanforge::channels {
namespace {

using namespace std::string_literals;
using common::LineStatus;
using common::ParsedLine;
using testing::TcsRecord;

constexpr char kSampleLine[] = " 001 NEWS 24          04 01 00028 00163 00104 00000 00000 00163";

TEST(FormatTcsLines, MatchesTheSampleLine) {
  const auto lines = FormatTcsLines(TcsRecord("NEWS 24", 4, 1, 28, 163, 104, 0, 0, 163));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], kSampleLine);
  EXPECT_EQ(lines[0].size(), TcsLineLength);
  EXPECT_EQ(std::string(TcsHeading).size(), 61u);
}

TEST(FormatTcsLines, CountsWholeRecordsAndNumbersThem) {
  EXPECT_TRUE(FormatTcsLines(std::string(29, 'x')).empty());
  EXPECT_EQ(FormatTcsLines(std::string(65, '\0')).size(), 2u);
  const auto lines = FormatTcsLines(testing::ChannelList(1000));
  EXPECT_EQ(lines[998].substr(0, 5), " 999 ");
  EXPECT_EQ(lines[999].substr(0, 5), "1000 ");
  EXPECT_EQ(lines[999].size(), 63u);
  // An erased record shows its raw bytes and the largest numbers.
  const auto erased = FormatTcsLines(std::string(30, '\xFF'));
  EXPECT_EQ(erased[0],
            " 001 " + std::string(16, '\xFF') + " FF FF 65535 65535 65535 65535 65535 65535");
}

TEST(FormatTcsText, EndsEveryLineWithCrLf) {
  const std::string text = FormatTcsText(std::string(60000, '\x01'));
  EXPECT_EQ(text.size(), 2000u * 65);
  EXPECT_EQ(text.substr(63, 2), "\r\n");
}

// A line with each field padded to its column width.
std::string Line(std::string name, std::string use, std::string tp, std::string first,
                 std::string second = "") {
  name.resize(16, ' ');
  use.resize(2, ' ');
  tp.resize(2, ' ');
  first.resize(5, ' ');
  return " 001 " + name + " " + use + " " + tp + " " + first + " " + second;
}

TEST(ParseTcsLine, ReadsTheColumns) {
  const ParsedLine parsed = ParseTcsLine(kSampleLine);
  ASSERT_EQ(parsed.status, LineStatus::kRecord);
  EXPECT_EQ(parsed.record, TcsRecord("NEWS 24", 4, 1, 28, 163, 104, 0, 0, 163));

  const struct {
    std::string line;
    std::string record;
  } cases[] = {
      {"x", std::string(30, '\0')},
      {" 001 ABC", "ABC" + std::string(27, '\0')},
      {Line("  in ner", "1f", "0a", "1 2"),
       "  in ner" + std::string(8, '\0') + "\x1F\x0A\0\x0C"s + std::string(10, '\0')},
      {Line("N", "", "", "70000", "-5"),
       "N" + std::string(17, '\0') + "\x11\x70\0\0"s + std::string(8, '\0')},
      {Line("\xFF", "FF", "G1", "2.5", "3.5"),
       "\xFF" + std::string(15, '\0') + "\xFF\0\0\x02\0\x04"s + std::string(8, '\0')},
  };
  for (const auto& c : cases) {
    const ParsedLine p = ParseTcsLine(c.line);
    ASSERT_EQ(p.status, LineStatus::kRecord) << c.line;
    EXPECT_EQ(p.record, c.record) << c.line;
  }
  EXPECT_EQ(ParseTcsLine("").status, LineStatus::kBlank);
  EXPECT_EQ(ParseTcsLine("      ").status, LineStatus::kBlank);
}

TEST(ParseTcsLine, RefusesNumbersBeyondThe32BitRange) {
  const ParsedLine parsed = ParseTcsLine(Line("NAME", "00", "00", "9E20"));
  EXPECT_EQ(parsed.status, LineStatus::kError);
  EXPECT_NE(parsed.error.find("SID"), std::string::npos);
}

// Bytes to text to bytes, over many random records: identical except the name cases
// the text format cannot carry (trailing blanks, inner NULs, CR and LF).
TEST(TcsRoundTrip, RandomRecordsComeBackIdentical) {
  std::mt19937 random(42);
  std::string list;
  for (int i = 0; i < 3000; ++i) {
    std::string record(30, '\0');
    for (char& c : record) c = static_cast<char>(random());
    std::size_t name_length = random() % 17;
    for (std::size_t k = 0; k < 16; ++k) {
      char& c = record[k];
      if (k >= name_length) {
        c = '\0';
      } else if (c == '\0' || c == ' ' || c == '\r' || c == '\n') {
        c = 'x';
      }
    }
    list += record;
  }
  std::string back;
  for (const std::string& line : FormatTcsLines(list)) back += ParseTcsLine(line).record;
  EXPECT_EQ(back, list);
}

}  // namespace
}  // namespace chanforge::channels
