#include "channels/text_fields.h"

#include <gtest/gtest.h>

#include <cmath>

namespace chanforge::channels {
namespace {

using namespace std::string_literals;

TEST(TextFields, BytesAndNumbers) {
  EXPECT_EQ(BytesToNumber(""), 0);
  EXPECT_EQ(BytesToNumber("\x12\x34"), 4660);
  EXPECT_EQ(BytesToNumber("\xFF\xFF"), 65535);
  EXPECT_EQ(BytesToNumber("\x7F\xFF\xFF\xFF"), 2147483647);
  EXPECT_EQ(BytesToNumber("\xFF\xFF\xFF\xFF"), 4294967295);  // unsigned, never negative
  EXPECT_EQ(NumberToBytes(4660, 2), "\x12\x34");
  EXPECT_EQ(NumberToBytes(70000, 2), "\x11\x70");
  EXPECT_EQ(NumberToBytes(65535, 2), "\xFF\xFF");
  EXPECT_EQ(NumberToBytes(65536, 2), "\0\0"s);
  EXPECT_EQ(NumberToBytes(-1, 2), "\0\0"s);
  EXPECT_EQ(NumberToBytes(0, 4), "\0\0\0\0"s);
}

TEST(TextFields, HexAndDecimalFieldWidths) {
  EXPECT_EQ(HexByteField(0), " 00");
  EXPECT_EQ(HexByteField(10), " 0A");
  EXPECT_EQ(HexByteField(255), " FF");
  EXPECT_EQ(HexWord(0), "0000");
  EXPECT_EQ(HexWord(0x1F0), "01F0");
  EXPECT_EQ(HexWord(65536), "10000");
  EXPECT_EQ(HexWord(-1), "FFFFFFFF");
  EXPECT_EQ(DecimalField(0, 5, false), " 00000");
  EXPECT_EQ(DecimalField(7, 5, false), " 00007");
  EXPECT_EQ(DecimalField(12, 3, true), "012");
  EXPECT_EQ(DecimalField(1000, 3, true), "1000");
}

TEST(TextFields, HexTextToByte) {
  const struct {
    const char* text;
    int expected;
  } cases[] = {{"1f", 31}, {"FF", 255}, {"G1", 0}, {"1G", 1}, {"", 0}, {"0B", 11}};
  for (const auto& c : cases) EXPECT_EQ(HexTextToByte(c.text, 255), c.expected) << c.text;
  EXPECT_EQ(HexTextToByte("FFF", 255), 255);  // clamped
}

TEST(ReadNumber, FollowsTheNumberReading) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"", 0},
      {"ABC", 0},
      {"   ", 0},
      {"00123", 123},
      {"1 2", 12},
      {"1\t2\n3", 123},
      {"12AB", 12},
      {"0042", 42},
      {"-3", -3},
      {"+7", 7},
      {"1E3", 1000},
      {"1D3", 1000},
      {"2.5", 2.5},
      {"1E", 1},
      {"1E+", 1},
      {".5", 0.5},
      {"-", 0},
      {"&H1F", 31},
      {"&hff", 255},
      {"&HFFFF", -1},
      {"&H8000", -32768},
      {"&H0FFFF", 65535},
      {"&HFFFFFFFF", -1},
      {"&H7FFFFFFF", 2147483647},
      {"&HG", 0},
      {"&O17", 15},
      {"&o177777", -1},
      {"&O200000", 65536},
      {"&X1", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadNumber(c.text), c.expected) << c.text;
  EXPECT_FALSE(ReadNumberPrefix("ABC").has_value());
  EXPECT_TRUE(ReadNumberPrefix("0").has_value());
}

TEST(RoundToInt32, HalvesGoToEvenAndRangeIsChecked) {
  EXPECT_EQ(RoundToInt32(2.5), 2);
  EXPECT_EQ(RoundToInt32(3.5), 4);
  EXPECT_EQ(RoundToInt32(-2.5), -2);
  EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
  EXPECT_FALSE(RoundToInt32(2147483647.6).has_value());
  EXPECT_FALSE(RoundToInt32(9e20).has_value());
  EXPECT_FALSE(RoundToInt32(INFINITY).has_value());
  EXPECT_FALSE(RoundToInt32(NAN).has_value());
}

}  // namespace
}  // namespace chanforge::channels
