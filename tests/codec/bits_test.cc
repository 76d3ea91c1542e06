#include "codec/bits.h"

#include <gtest/gtest.h>

#include <random>

namespace vrq5 {
namespace {

TEST(HexDigitBitsTest, ExactConversionBothWays) {
  const char* digits = "0123456789ABCDEF";
  for (int v = 0; v < 16; ++v) {
    std::string bits = HexDigitToBits(std::string(1, digits[v]));
    ASSERT_EQ(bits.size(), 4u);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(bits[i], ((v >> (3 - i)) & 1) ? '1' : '0');
    }
    EXPECT_EQ(BitsToHexDigit(bits), std::string(1, digits[v]));
  }
  EXPECT_EQ(HexDigitToBits("A"), "1010");
}

TEST(HexDigitBitsTest, AnythingElseIsZeroOrEmpty) {
  EXPECT_EQ(HexDigitToBits("a"), "0000");
  EXPECT_EQ(HexDigitToBits(""), "0000");
  EXPECT_EQ(HexDigitToBits("AB"), "0000");
  EXPECT_EQ(HexDigitToBits("G"), "0000");
  EXPECT_EQ(BitsToHexDigit("101"), "");
  EXPECT_EQ(BitsToHexDigit("10a1"), "");
  EXPECT_EQ(BitsToHexDigit("10101"), "");
}

TEST(GroupHexTest, OnlyGroupOneBankZero) {
  GroupTableArray table{};
  table[1][0] = -1;
  std::string expected = std::string(16, '0') + "8" + std::string(15, '0') +
                         std::string(8 * 16, '0') + std::string(12, '0') +
                         "0400";
  EXPECT_EQ(GroupTableToHex(table), expected);
}

TEST(GroupHexTest, EmptyTableStillCarriesTheMarkerBit) {
  GroupTableArray table{};
  std::string hex = GroupTableToHex(table);
  ASSERT_EQ(hex.size(), 176u);
  // Row 10 is bytes 80..87; byte 86 holds mask 4.
  EXPECT_EQ(hex.substr(2 * 86, 2), "04");
  EXPECT_EQ(hex.substr(0, 2 * 86), std::string(172, '0'));
}

TEST(GroupHexTest, BankBitsFollowTheMemoryLayout) {
  GroupTableArray table{};
  table[3][17] = -1;   // byte 8*3 + 2, mask 128 >> 1
  table[10][49] = -1;  // byte 86, mask 128 >> 1 (next to the marker)
  std::string hex = GroupTableToHex(table);
  ASSERT_EQ(hex.size(), 176u);
  EXPECT_EQ(hex.substr(2 * 26, 2), "40");
  EXPECT_EQ(hex.substr(2 * 86, 2), "44");
}

TEST(GroupHexTest, RoundTripOfRandomTables) {
  std::mt19937 rng(7);
  for (int trial = 0; trial < 200; ++trial) {
    GroupTableArray table{};
    for (int g = 1; g <= 10; ++g) {
      for (int b = 0; b < 50; ++b) table[g][b] = (rng() % 3 == 0) ? -1 : 0;
    }
    GroupTableArray back{};
    back[0][5] = -1;  // row 0 is not read back
    GroupHexToTable(GroupTableToHex(table), back);
    for (int g = 1; g <= 10; ++g) {
      for (int b = 0; b < 50; ++b) ASSERT_EQ(back[g][b], table[g][b]);
    }
    EXPECT_EQ(back[0][5], -1);
  }
}

TEST(GroupHexTest, ExtraBytesOfAReadAreIgnored) {
  GroupTableArray table{};
  table[2][3] = -1;
  table[9][40] = -1;
  std::string hex = GroupTableToHex(table) + std::string(16, 'F');
  GroupTableArray a{}, b{};
  GroupHexToTable(hex, a);
  GroupHexToTable(hex.substr(0, 176), b);
  EXPECT_EQ(a, b);
  EXPECT_EQ(a[2][3], -1);
}

TEST(GroupHexTest, ShortOrDamagedTextReadsAsClearBits) {
  GroupTableArray table{};
  table[1][1] = -1;
  GroupHexToTable("", table);
  EXPECT_EQ(table[1][1], 0);
  // Lower-case digits are not hex digits for the bit maps.
  GroupHexToTable(std::string(16, '0') + "ff", table);
  EXPECT_EQ(table[1][0], 0);
  GroupHexToTable(std::string(16, '0') + "FF", table);
  EXPECT_EQ(table[1][0], -1);
  EXPECT_EQ(table[1][7], -1);
  EXPECT_EQ(table[1][8], 0);
}

TEST(EnableHexTest, SlotZeroOnly) {
  FlagArray flags{};
  flags[0] = -1;
  EnablePieces pieces = FlagsToEnableHex(flags);
  EXPECT_EQ(pieces[0], "8" + std::string(63, '0'));
  for (int j = 1; j < 5; ++j) EXPECT_EQ(pieces[j], std::string(64, '0'));
  EXPECT_EQ(pieces[5], "00000");
}

TEST(EnableHexTest, LastSlotIsTheLastBitOfPieceFive) {
  FlagArray flags{};
  flags[1299] = -1;
  flags[1280] = -1;
  EnablePieces pieces = FlagsToEnableHex(flags);
  EXPECT_EQ(pieces[5], "80001");
  FlagArray back{};
  EnableHexToFlags(pieces, back);
  EXPECT_EQ(back, flags);
}

TEST(EnableHexTest, OnlyMinusOneCountsAsEnabled) {
  std::mt19937 rng(11);
  FlagArray flags{};
  for (auto& f : flags) {
    int r = rng() % 4;
    f = r == 0 ? -1 : r == 1 ? 0 : r == 2 ? 1 : 7;
  }
  FlagArray back{};
  EnableHexToFlags(FlagsToEnableHex(flags), back);
  for (int s = 0; s < kSlotCount; ++s) {
    ASSERT_EQ(back[s], flags[s] == -1 ? -1 : 0) << s;
  }
}

TEST(EnableHexTest, MissingPiecesDisableTheirSlots) {
  FlagArray flags{};
  flags.fill(-1);
  EnablePieces pieces = FlagsToEnableHex(flags);
  pieces[5].clear();  // a read fills pieces 0..4 only
  FlagArray back{};
  EnableHexToFlags(pieces, back);
  EXPECT_EQ(back[1279], -1);
  EXPECT_EQ(back[1280], 0);
  EXPECT_EQ(back[1299], 0);
  // Pieces are joined before reading: a short piece shifts the rest.
  pieces = FlagsToEnableHex(FlagArray{});
  pieces[0] = "F";
  pieces[1] = "8";
  EnableHexToFlags(pieces, back);
  EXPECT_EQ(back[3], -1);
  EXPECT_EQ(back[4], -1);
  EXPECT_EQ(back[5], 0);
}

}  // namespace
}  // namespace vrq5
