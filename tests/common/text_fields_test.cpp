#include "common/text_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "common/coding.h"

namespace chanforge::common {
namespace {

using namespace std::string_literals;

TEST(Coding, BytesNumbersAndFieldWidths) {
  EXPECT_EQ(DecodeBigEndian(""), 0);
  EXPECT_EQ(DecodeBigEndian("\xFF\xFF\xFF\xFF"), 4294967295);  // unsigned, never negative
  EXPECT_EQ(EncodeBigEndian(70000, 2), "\x11\x70");
  EXPECT_EQ(EncodeBigEndian(65536, 2), "\0\0"s);
  EXPECT_EQ(EncodeBigEndian(-1, 2), "\0\0"s);
  EXPECT_EQ(EncodeBigEndian(0x1234, 4), "\0\0\x12\x34"s);
  EXPECT_EQ(HexByteField(0xA5), " A5");
  EXPECT_EQ(HexWord(0x1F0), "01F0");
  EXPECT_EQ(HexWord(65536), "10000");
  EXPECT_EQ(HexWord(-1), "FFFFFFFF");
  EXPECT_EQ(DecimalField(1000, 3, LeadingBlank::kNone), "1000");
  EXPECT_EQ(DecimalField(-5, 3, LeadingBlank::kNone), "-005");
  EXPECT_EQ(DecimalField(7, 2, LeadingBlank::kOne), " 07");
  EXPECT_EQ(ShownBytes("Ab ~"), "Ab ~");
  EXPECT_EQ(ShownBytes("\x7F\xE9\x1F"), "\\x7F\xC3\xA9\\x1F");
}

TEST(TextFields, DecimalsAtEveryDigitCountAndRowsOfThem) {
  // Every digit count, both sides of each power of ten, and both ends of the range.
  std::vector<std::int64_t> values{INT64_MIN, INT64_MAX, 0, -1};
  std::string expected;
  for (std::int64_t power = 1; power <= INT64_MAX / 10; power *= 10)
    values.insert(values.end(), {power - 1, power, power * 10 - 1});
  for (const std::int64_t value : values) expected += ';' + std::to_string(value);
  std::string row = "x";
  AppendDecimals(row, values, ';');
  EXPECT_EQ(row, 'x' + expected);
  for (const std::int64_t value : values)
    EXPECT_EQ(DecimalField(value, 0, LeadingBlank::kNone), std::to_string(value));
  row.clear();
  AppendDecimals(row, {}, ';');
  EXPECT_EQ(row, "");
}

TEST(TextFields, HexTextToByteClampsAndStopsAtTheFirstOtherCharacter) {
  const std::pair<const char*, int> cases[] = {{"1f", 31}, {"FF", 255},  {"G1", 0},
                                               {"1G", 1},  {"1g", 1},    {"", 0},
                                               {"0B", 11}, {"FFF", 255}, {"100", 255}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(HexTextToByte(text, 255), expected) << text;
  EXPECT_EQ(HexTextToByte("FF", 100), 100);
}

TEST(ReadNumber, FollowsTheNumberReading) {
  // Each text, its number, and whether the reading takes the whole text.
  // clang-format off
  const std::tuple<const char*, double, bool> cases[] = {
      {"", 0, false}, {"ABC", 0, false}, {"00123", 123, true}, {"1\t2\n3", 123, true},
      {"12AB", 12, false}, {"-3", -3, true}, {"+7", 7, true}, {"1E3", 1000, true},
      {"1d3", 1000, true}, {"2.5", 2.5, true}, {"2.5x", 2.5, false}, {"1E", 1, false},
      {"1E-3", 0.001, true}, {"1E+", 1, false}, {".5", 0.5, true}, {"-", 0, false},
      {"&H1F", 31, true}, {"&hff", 255, true}, {"&HFFFF", -1, true}, {"&H8000", -32768, true},
      {"&H0FFFF", 65535, true}, {"&HFFFFFFFF", -1, true}, {"&H0FFFFFFFF", 4294967295, true},
      {"&O037777777777", 4294967295, true}, {"&H7FFFFFFF", 2147483647, true},
      {"&H80000000", -2147483648.0, true}, {"&HG", 0, false}, {"&H", 0, false}, {"&O17", 15, true},
      {"&o177777", -1, true}, {"&O200000", 65536, true}, {"&O8", 0, false}, {"&X1", 0, false},
      {"2810X", 2810, false}, {"1x5", 1, false}, {"&O0100000", 32768, true},
  };
  // clang-format on
  for (const auto& [text, expected, whole] : cases) {
    EXPECT_EQ(ReadNumber(text), expected) << text;
    EXPECT_EQ(ReadsWhollyAsNumber(text), whole) << text;
  }
  EXPECT_FALSE(ReadNumberPrefix("ABC").has_value());
  EXPECT_TRUE(ReadNumberPrefix("0").has_value() && ReadNumberPrefix("&H").has_value());
  EXPECT_TRUE(IsHexText("0aF") && !IsHexText("G1") && !IsHexText(""));
}

TEST(ReadNumber, RoundsHalvesToEvenWithinThe32BitRange) {
  const double values[] = {2.5, 3.5, -2.5, -2.6, 0.49999999999999994, 2147483647.4, -2147483648.0};
  const std::int32_t rounded[] = {2, 4, -2, -3, 0, 2147483647, -2147483647 - 1};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(RoundToInt32(values[i]), rounded[i]) << values[i];
  EXPECT_FALSE(RoundToInt32(2147483647.6).has_value());
  EXPECT_FALSE(RoundToInt32(-2147483649.0).has_value());
  EXPECT_FALSE(RoundToInt32(NAN).has_value());
  EXPECT_EQ(ReadWholeNumber(" 0 4 2 "), 42);
  EXPECT_EQ(ReadWholeNumber("1234567890"), 1234567890);
  EXPECT_EQ(ReadWholeNumber("2.5"), 2);
  EXPECT_FALSE(ReadWholeNumber("9E20").has_value());
  EXPECT_EQ(ReadWholeNumber("  "), 0);
}

}  // namespace
}  // namespace chanforge::common
