#include "codec/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

namespace vrq5 {
namespace {

TEST(ValTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(Val("300HZ"), 300);
  EXPECT_EQ(Val("145.125"), 145.125);
  EXPECT_EQ(Val("  -12.5abc"), -12.5);
  EXPECT_EQ(Val("+7"), 7);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("5."), 5);
  EXPECT_EQ(Val("1 000"), 1000);
  EXPECT_EQ(Val("\t\r\n42"), 42);
  EXPECT_EQ(Val("1.5E3"), 1500);
  EXPECT_EQ(Val("2D2"), 200);
  EXPECT_EQ(Val("1e-2x"), 0.01);
}

TEST(ValTest, TextWithoutANumberIsZero) {
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("HZ"), 0);
  EXPECT_EQ(Val("P12A"), 0);
  EXPECT_EQ(Val("-"), 0);
  EXPECT_EQ(Val("."), 0);
  EXPECT_EQ(Val("#TRUE#"), 0);
}

TEST(ValTest, ExponentWithoutDigitsIsNotPartOfTheNumber) {
  EXPECT_EQ(Val("12E"), 12);
  EXPECT_EQ(Val("12E+"), 12);
  EXPECT_EQ(Val("3e-x"), 3);
}

TEST(ValTest, HugeExponentsDoNotBreak) {
  EXPECT_TRUE(std::isinf(Val("1e999")));
  EXPECT_EQ(Val("1e-999"), 0);
}

// Short decimals are converted without strtod; the result must be the same
// double strtod gives.
TEST(ValTest, AgreesWithStrtodOnDecimals) {
  std::mt19937_64 rng(12);
  for (int trial = 0; trial < 200000; ++trial) {
    std::string text;
    if (rng() % 4 == 0) text += '-';
    int int_digits = static_cast<int>(rng() % 9);
    int frac_digits = static_cast<int>(rng() % 12);
    for (int i = 0; i < int_digits; ++i)
      text += static_cast<char>('0' + rng() % 10);
    if (frac_digits > 0 || int_digits == 0) {
      text += '.';
      for (int i = 0; i < std::max(frac_digits, 1); ++i) {
        text += static_cast<char>('0' + rng() % 10);
      }
    }
    ASSERT_EQ(Val(text), std::strtod(text.c_str(), nullptr)) << text;
  }
}

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
  EXPECT_EQ(RoundHalfEven(-7.7), -8);
  EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

TEST(RoundHalfEvenTest, RoundToRangeClamps) {
  EXPECT_EQ(RoundToRange(300, 0, 255), 255);
  EXPECT_EQ(RoundToRange(-1, 0, 255), 0);
  EXPECT_EQ(RoundToRange(254.5, 0, 255), 254);
  EXPECT_EQ(RoundToRange(1e30, 0, 255), 255);
  EXPECT_EQ(RoundToRange(-INFINITY, -5, 5), -5);
  EXPECT_EQ(RoundToRange(std::nan(""), 3, 5), 3);
}

TEST(FormatTest, SixDecimalsWithAnIntegerDigit) {
  EXPECT_EQ(FormatFrequency(145.125), "145.125000");
  EXPECT_EQ(FormatFrequency(0.25), "0.250000");
  EXPECT_EQ(FormatFrequency(1299.995), "1299.995000");
  EXPECT_EQ(FormatFrequency(0), "0.000000");
  EXPECT_EQ(FormatFrequency(-0.0), "0.000000");
  EXPECT_EQ(FormatOffset(0.6), "0.600000");
  EXPECT_EQ(FormatOffset(55), "55.000000");
  EXPECT_EQ(FormatFrequency(4294.967295), "4294.967295");
}

TEST(HexFieldTest, ReadsUntilTheFirstNonDigit) {
  EXPECT_EQ(HexByteAt("A5FF", 1), 0xA5);
  EXPECT_EQ(HexByteAt("A5FF", 3), 0xFF);
  EXPECT_EQ(HexByteAt("a5", 1), 0xA5);
  EXPECT_EQ(HexByteAt("1G", 1), 1);
  EXPECT_EQ(HexByteAt("G1", 1), 0);
  EXPECT_EQ(HexByteAt("A5", 3), 0);
  EXPECT_EQ(HexByteAt("A5F", 3), 0xF);
  EXPECT_EQ(HexByteAt("", 1), 0);
  EXPECT_EQ(HexPrefixValue("FFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(HexPrefixValue("12 34"), 0x12u);
}

TEST(HexFieldTest, MidFollowsOneBasedPositions) {
  EXPECT_EQ(Mid("ABCDEF", 1, 2), "AB");
  EXPECT_EQ(Mid("ABCDEF", 5, 4), "EF");
  EXPECT_EQ(Mid("ABCDEF", 7, 2), "");
  EXPECT_EQ(Mid("ABCDEF", 0, 2), "");
}

TEST(HexFieldTest, WritesUpperCaseAndPads) {
  EXPECT_EQ(HexByte(0), "00");
  EXPECT_EQ(HexByte(11), "0B");
  EXPECT_EQ(HexByte(255), "FF");
  EXPECT_EQ(HexText(0x8A66E08, 8), "08A66E08");
  EXPECT_EQ(HexText(0, 1), "0");
  EXPECT_EQ(Pad2(5), "05");
  EXPECT_EQ(Pad2(49), "49");
  EXPECT_EQ(Pad2(123), "123");
  EXPECT_EQ(ToUpperAscii("abc-Z1"), "ABC-Z1");
}

}  // namespace
}  // namespace vrq5
