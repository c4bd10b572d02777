#include "channels/channel_record.h"

#include <gtest/gtest.h>

#include <random>

#include "support/builders.h"

namespace chanforge::channels {
namespace {

using namespace std::string_literals;
using testing::TcsRecord;

constexpr char kSampleLine[] = " 001 NEWS 24          04 01 00028 00163 00104 00000 00000 00163";

TEST(ChannelRecord, DecodesAndEncodesEveryByte) {
  const std::string bytes = TcsRecord("NEWS 24", 4, 1, 28, 163, 104, 1, 2, 0xFFFF);
  const ChannelRecord record = ChannelRecord::Decode(bytes);
  EXPECT_EQ(std::string(record.name.data(), 7), "NEWS 24");
  EXPECT_EQ(record.use * 256 + record.tp, 4 * 256 + 1);
  EXPECT_EQ(record.words, (std::array<std::uint16_t, 6>{28, 163, 104, 1, 2, 0xFFFF}));
  EXPECT_EQ(record.Encode(), bytes);
}

TEST(FormatTcsLines, WritesTheColumnsAndNumbersTheRecords) {
  EXPECT_EQ(FormatTcsLines(TcsRecord("NEWS 24", 4, 1, 28, 163, 104, 0, 0, 163)),
            std::vector<std::string>{kSampleLine});
  EXPECT_TRUE(FormatTcsLines(std::string(29, 'x')).empty());
  EXPECT_EQ(FormatTcsLines(std::string(65, '\0')).size(), 2u);
  const auto lines = FormatTcsLines(testing::ChannelList(1000));
  EXPECT_EQ(lines[998].substr(0, 5), " 999 ");
  EXPECT_EQ(lines[999].substr(0, 5), "1000 ");
  EXPECT_EQ(lines[999].size(), kTcsLineLength);
  EXPECT_EQ(FormatTcsLines(std::string(30, '\xFF'))[0],
            " 001 " + std::string(16, '\xFF') + " FF FF 65535 65535 65535 65535 65535 65535");
}

// A line with each field padded to its column width.
std::string Line(std::string name, std::string use, std::string tp, std::string first,
                 std::string second = "") {
  for (auto [field, width] : {std::pair{&name, 16}, {&use, 2}, {&tp, 2}, {&first, 5}})
    field->resize(width, ' ');
  return " 001 " + name + " " + use + " " + tp + " " + first + " " + second;
}

TEST(ParseTcsLine, ReadsTheColumnsAsTheyAreWritten) {
  const std::pair<std::string, std::string> cases[] = {
      {kSampleLine, TcsRecord("NEWS 24", 4, 1, 28, 163, 104, 0, 0, 163)},
      {"x", std::string(30, '\0')},
      {" 001 ABC", "ABC" + std::string(27, '\0')},
      {Line("  in ner", "1f", "0a", "1 2"), TcsRecord("  in ner", 0x1F, 0x0A, 12, 0, 0)},
      {Line("N", "", "", "70000", "-5"), TcsRecord("N", 0, 0, 0x1170, 0, 0)},
      {Line("\xFF", "FF", "G1", "2.5", "3.5"), TcsRecord("\xFF", 0xFF, 0, 2, 4, 0)},
  };
  for (const auto& [line, record] : cases) {
    const common::Result<std::string> parsed = ParseTcsLine(line);
    ASSERT_TRUE(parsed.ok()) << line;
    EXPECT_EQ(*parsed, record) << line;
  }
  EXPECT_EQ(*ParseTcsLine("      "), "");  // a blank line holds no record
  EXPECT_EQ(ParseTcsLine(Line("NAME", "00", "00", "9E20")), "SID value 9E20 is out of range");
}

// What the conversion's question says of a line: the column that moved the others, or the
// value no field takes, then what the record would hold otherwise than the line meant.
TEST(CheckTcsLine, SaysWhatALineWouldBecome) {
  const std::string sample = kSampleLine;  // NEWS 24, SID 28
  const auto with = [&](std::size_t column, std::size_t width, const std::string& text) {
    return std::string(sample).replace(column, width, text);
  };
  const std::pair<std::string, std::string> cases[] = {
      {sample, ""},
      {with(28, 1, ""), ""},  // a 4-digit SID: the columns move, yet every value lands as written
      {with(34, 5, "16300").erase(28, 1),
       "SID \"0028\" is 4 characters wide, not 5: VPID and the columns behind it move 1 to the "
       "left, and it would be stored as VPID 6300"},
      {with(12, 0, " HD"),  // the name's blanks kept: everything behind it moves
       "the name \"NEWS 24 HD\" and its blanks take 19 columns, not 16: Use and the columns "
       "behind it move 3 to the right, and it would be stored as Use 00, TP 04, SID 100, VPID "
       "2800, \u2026"},
      {with(5, 17, ""),  // no name, nor the blank behind it
       "the name \"\" and its blanks take 0 columns, not 16: Use and the columns behind it move "
       "17 to the left, and it would be stored as Name \"04 01 00028 0016\", Use 00, TP 10, SID "
       "0, \u2026"},
      {sample.substr(1),
       "the record number \"001\" ends in column 3, not 4: the name and the columns behind it "
       "move 1 to the left, and it would be stored as Name \"EWS 24\""},
      {with(12, 10, "\t"),
       "column 13 holds a tab, one column however wide an editor shows it; the name \"NEWS 24\" "
       "and its blanks take 7 columns, not 16: Use and the columns behind it move 9 to the left, "
       "and it would be stored as Name \"NEWS 24\u219204 01 00\", Use 28, TP 00, SID 6300, \u2026"},
      {with(28, 0, "0"),
       "SID \"000028\" is 6 characters wide, not 5: VPID and the columns behind it move 1 to the "
       "right, and it would be stored as SID 2, VPID 16, APID 10, PCR 16"},
      {with(28, 5, "     "), "SID is blank: it would be stored as SID 0"},
      {" 001 X",
       "the line ends in column 6: Use, TP, SID, VPID, APID, Vecm, Aecm and PCR are missing: it "
       "would be stored as Use 00, TP 00, SID 0, VPID 0, \u2026"},
      {with(25, 2, "G1"), "TP \"G1\" is not a hex number: it would be stored as TP 00"},
      {with(25, 2, "00"), ""},  // a free slot's
      {with(28, 5, "2810X"), "SID \"2810X\" is not a number: it would be stored as SID 2810"},
      {with(28, 5, "99999"), "SID 99999 is outside 0 to 65535: it would be stored as SID 34463"},
      {sample + " X", "text after column 63 is not read"},
      {sample.substr(0, 57), "PCR is missing: it would be stored as PCR 0"},
      {sample + "0",
       "PCR \"001630\" is 6 characters wide, not 5, and it would be stored as PCR 163"},
  };
  const common::ListTextReader& reader = TcsTextReader();
  for (const auto& [line, reason] : cases) {
    EXPECT_EQ(CheckTcsLine(line), reason) << line;
    // Counting the lines past those a question lists decides alike, saying nothing.
    std::string record, back;
    ASSERT_TRUE(reader.Parse(line, record).ok()) << line;
    if (reader.ReadsAsWritten(line)) continue;
    EXPECT_EQ(reader.StoredOtherwise(line, record, 1, back), !reason.empty()) << line;
  }
}

// Bytes to text to bytes over random records: identical except the name cases the text
// cannot carry (trailing blanks, inner NULs); names with line-end bytes split their line.
TEST(TcsRoundTrip, RandomRecordsComeBackIdentical) {
  std::mt19937 random(42);
  for (int i = 0; i < 3000; ++i) {
    std::string record(30, '\0');
    for (char& c : record) c = static_cast<char>(random());
    const std::size_t name_length = random() % 17;
    for (std::size_t k = 0; k < 16; ++k) {
      char& c = record[k];
      c = k >= name_length ? '\0' : c == '\0' || c == ' ' ? 'x' : c;
    }
    const std::string line = FormatTcsLines(record)[0];
    const bool splits = record.substr(0, 16).find_first_of("\r\n") != std::string::npos;
    EXPECT_EQ(line.find_first_of("\r\n") != std::string::npos, splits);
    EXPECT_TRUE(splits || *ParseTcsLine(line) == record) << line;
  }
}

}  // namespace
}  // namespace chanforge::channels
