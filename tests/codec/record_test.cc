#include "codec/record.h"

#include <gtest/gtest.h>

#include <random>

#include "codec/text.h"

namespace vrq5 {
namespace {

// A record text as a radio read delivers it: CR LF, then the digits.
std::string Framed(const std::string& digits) { return "\r\n" + digits; }

// 32 record bytes with the given bytes set; everything else 00.
std::string RecordWith(std::initializer_list<std::pair<int, int>> bytes) {
  std::string hex(64, '0');
  for (auto [k, v] : bytes) hex.replace(2 * k, 2, HexByte(v));
  return hex;
}

Slot SampleSlot() {
  Slot s;
  s.value[kFreq] = 145.125;
  s.value[kMode] = 0;
  s.value[kStep] = 7;
  s.value[kShiftDir] = 0;
  s.value[kOption] = 0;
  s.value[kTone] = 8;
  s.value[kSecret] = 11;
  s.value[kCarrier] = 28;
  s.value[kSkip] = 0;
  s.text[kName] = "ABC";
  return s;
}

TEST(EncodeChannelTest, WorkedExample) {
  EXPECT_EQ(EncodeChannel(SampleSlot(), 0),
            "886EA608"
            "00"
            "07"
            "00000000"
            "00"
            "00"
            "08"
            "0B"
            "1C"
            "0000"
            "00"
            "0000000000000000"
            "414243000000");
}

TEST(EncodeChannelTest, OptionCodesFollowTheModel) {
  Slot s = SampleSlot();
  auto option_byte = [&](int model) -> std::string {
    std::string rec = EncodeChannel(s, model);
    // A short record fails the comparison instead of throwing.
    return rec.size() == 64 ? rec.substr(22, 2) : "short record";
  };
  s.value[kOption] = 1;  // train: VR-Q5J only
  EXPECT_EQ(option_byte(0), "01");
  EXPECT_EQ(option_byte(1), "00");
  EXPECT_EQ(option_byte(2), "00");
  s.value[kOption] = 4;  // secret: VR-Q70E only
  EXPECT_EQ(option_byte(0), "00");
  EXPECT_EQ(option_byte(1), "04");
  EXPECT_EQ(option_byte(2), "00");
  EXPECT_EQ(option_byte(3), "00");
  EXPECT_EQ(option_byte(5), "00");
  EXPECT_EQ(s.value[kOption], 4);  // the slot keeps its code
  s.value[kOption] = 2;
  for (int m = 0; m < 6; ++m) EXPECT_EQ(option_byte(m), "02");
}

TEST(EncodeChannelTest, EmptyAndVfoRecords) {
  Slot empty;
  // The encoder must not crash on a slot whose texts are all empty.
  std::string rec = EncodeChannel(empty, 0);
  EXPECT_EQ(rec.substr(0, 8), "00000000");
  EXPECT_EQ(EncodeVfoBand(SampleSlot(), 0), "886EA6080007000000000000080B1C");
}

TEST(EncodeChannelTest, OutOfRangeValuesStillGiveAValidRecord) {
  Slot s = SampleSlot();
  s.value[kSecret] = 300;
  s.value[kTone] = -4;
  s.value[kFreq] = 5000;  // beyond the 32-bit Hz field
  s.value[kOffset] = -1;  // negative offset
  s.text[kName] = "TOOLONGNAME";
  std::string rec = EncodeChannel(s, 0);
  ASSERT_EQ(rec.size(), 64u);
  for (char c : rec) EXPECT_TRUE(IsHexDigit(c) && !(c >= 'a' && c <= 'f'));
  EXPECT_EQ(rec.substr(0, 8), "FFFFFFFF");
  EXPECT_EQ(rec.substr(12, 8), "00000000");
  EXPECT_EQ(rec.substr(24, 2), "00");  // tone
  EXPECT_EQ(rec.substr(26, 2), "FF");  // secret code
  EXPECT_EQ(rec.substr(52), "544F4F4C4F4E");
}

TEST(EncodeChannelTest, FrequencyRoundsToTheNearestHz) {
  Slot s = SampleSlot();
  s.value[kFreq] = 0.0000025;  // 2.5 Hz: halves to even
  EXPECT_EQ(EncodeChannel(s, 0).substr(0, 8), "02000000");
  s.value[kFreq] = 1299.995;
  EXPECT_EQ(EncodeChannel(s, 0).substr(0, 8), "78597C4D");  // 1299995000
}

TEST(NameTest, BothDirections) {
  EXPECT_EQ(NameToHex("ABC"), "414243000000");
  EXPECT_EQ(NameToHex(""), "000000000000");
  EXPECT_EQ(NameToHex("ABCDEFGH"), "414243444546");
  EXPECT_EQ(NameToHex("\xE9"), "E90000000000");
  EXPECT_EQ(HexToName("414243000000"), "ABC   ");
  EXPECT_EQ(HexToName("7F2041"), "  A   ");
  EXPECT_EQ(HexToName(""), "      ");
  EXPECT_EQ(HexToName("1F7E20"), " ~    ");
}

TEST(DecodeChannelTest, FrequencyExamples) {
  Slot s;
  EXPECT_EQ(
      DecodeChannel(
          Framed(RecordWith({{0, 0x00}, {1, 0x2D}, {2, 0x31}, {3, 0x01}})), s),
      -1);
  EXPECT_EQ(s.value[kFreq], 20);
  EXPECT_EQ(s.text[kFreq], "20.000000");
  EXPECT_EQ(
      DecodeChannel(Framed(RecordWith({{0, 0x90}, {1, 0xD0}, {2, 0x03}})), s),
      -1);
  EXPECT_EQ(s.value[kFreq], 0.25);
  EXPECT_EQ(s.text[kFreq], "0.250000");
}

TEST(DecodeChannelTest, UnusedRecordLeavesTheSlotAlone) {
  Slot s;
  ASSERT_EQ(DecodeChannel(Framed(EncodeChannel(SampleSlot(), 0)), s), -1);
  s.text[kNote] = "keep";
  Slot before = s;
  std::string unused = "FFFFFFFF" + std::string(56, '0');
  EXPECT_EQ(DecodeChannel(Framed(unused), s), 0);
  EXPECT_EQ(s, before);
  // In a hand-edited file the digits may be lower or mixed case; such a
  // record is just as unused (a channel of 4294.967295 MHz decoded from it
  // would save as FFFFFFFF and be gone when the file is opened again).
  for (std::string digits : {"ffffffff", "FfFfffFF"}) {
    std::string record = digits + std::string(56, '1');
    EXPECT_EQ(DecodeChannel(Framed(record), s), 0) << digits;
    EXPECT_EQ(s, before) << digits;
    Slot band = before;
    EXPECT_EQ(DecodeVfoBand(Framed(record), band), 0) << digits;
    EXPECT_EQ(band, before) << digits;
  }
  // Zero frequency empties every field, note included.
  EXPECT_EQ(DecodeChannel(Framed(std::string(64, '0')), s), 0);
  EXPECT_EQ(s, Slot{});
}

TEST(DecodeChannelTest, CodesAndTheirReplacements) {
  Slot s;
  auto decode = [&](std::initializer_list<std::pair<int, int>> bytes) {
    std::string rec = RecordWith(bytes);
    rec.replace(0, 8, "886EA608");
    EXPECT_EQ(DecodeChannel(Framed(rec), s), -1);
  };
  decode({{13, 0x1E}, {14, 0x1C}});
  EXPECT_EQ(s.value[kSecret], 11);
  EXPECT_EQ(s.text[kCarrier], "JR");
  decode({{14, 0x00}});
  EXPECT_EQ(s.text[kCarrier], "300Hz");
  decode({{14, 0x1B}});
  EXPECT_EQ(s.text[kCarrier], "3000Hz");
  decode({{14, 0x1D}});
  EXPECT_EQ(s.value[kCarrier], 0);
  decode({{11, 0x07}, {10, 0x03}});
  EXPECT_EQ(s.value[kOption], 7);
  EXPECT_EQ(s.text[kOption], "None");
  EXPECT_EQ(s.value[kShiftDir], 3);
  EXPECT_EQ(s.text[kShiftDir], "OFF");
  decode({{5, 0x12}});
  EXPECT_EQ(s.value[kStep], 18);
  EXPECT_EQ(s.text[kStep], "");
  decode({{5, 0x13}, {4, 0x03}, {12, 0x27}, {17, 0x02}});
  EXPECT_EQ(s.value[kStep], 0);
  EXPECT_EQ(s.text[kStep], "5KHz");
  EXPECT_EQ(s.value[kMode], 0);
  EXPECT_EQ(s.text[kMode], "FM");
  EXPECT_EQ(s.value[kTone], 0);
  EXPECT_EQ(s.text[kTone], "67.0Hz");
  EXPECT_EQ(s.value[kSkip], 0);
  decode({{26, 0x41},
          {27, 0x42},
          {28, 0x43},
          {10, 0x02},
          {6, 0x40},
          {7, 0x42},
          {8, 0x0F}});
  EXPECT_EQ(s.text[kName], "ABC   ");
  EXPECT_EQ(s.text[kShiftDir], "Shift-");
  EXPECT_EQ(s.value[kOffset], 1.0);  // 0x000F4240 Hz
  EXPECT_EQ(s.text[kOffset], "1.000000");
}

TEST(DecodeChannelTest, NoteAndSkipTextAreNotTouched) {
  Slot s;
  s.text[kNote] = "my note";
  s.text[kSkip] = "*";
  DecodeChannel(Framed(EncodeChannel(SampleSlot(), 0)), s);
  EXPECT_EQ(s.text[kNote], "my note");
  EXPECT_EQ(s.text[kSkip], "*");
}

TEST(DecodeChannelTest, ShortAndNonHexInputNeverFails) {
  Slot s;
  EXPECT_EQ(DecodeChannel("", s), 0);
  EXPECT_EQ(DecodeChannel("\r\n", s), 0);
  EXPECT_EQ(DecodeChannel("\r\n01", s), -1);  // 1 Hz, everything else 0
  EXPECT_EQ(s.text[kFreq], "0.000001");
  EXPECT_EQ(s.text[kName], "      ");
  EXPECT_EQ(DecodeChannel("\r\nZZZZZZZZ", s), 0);
  EXPECT_EQ(DecodeChannel("\r\n1G000000", s), -1);  // reversed "0000001G": 1
  EXPECT_EQ(s.value[kFreq], 0.000001);
  // Lower-case digits read as hex; FFFFFFFF in any case is an unused record.
  EXPECT_EQ(DecodeChannel("\r\nfeffffff" + std::string(56, '0'), s), -1);
  EXPECT_EQ(s.value[kFreq], 4294.967294);
  EXPECT_EQ(DecodeChannel("\r\nffffffff" + std::string(56, '0'), s), 0);
  EXPECT_EQ(s.value[kFreq], 4294.967294);
}

TEST(DecodeVfoBandTest, UsesOnlyTheFirstFifteenBytes) {
  Slot band;
  band.text[kNote] = "note";
  band.text[kName] = "name";
  std::string rec = EncodeChannel(SampleSlot(), 0);
  EXPECT_EQ(DecodeVfoBand(Framed(rec), band), -1);
  EXPECT_EQ(band.value[kFreq], 145.125);
  EXPECT_EQ(band.text[kCarrier], "JR");
  EXPECT_EQ(band.text[kNote], "note");
  EXPECT_EQ(band.text[kName], "name");
  EXPECT_EQ(DecodeVfoBand(Framed(std::string(30, '0')), band), 0);
  for (int f = 0; f < kVfoFieldCount; ++f) {
    EXPECT_EQ(band.text[f], "");
    EXPECT_EQ(band.value[f], 0);
  }
}

// Random slots within the decoder's ranges come back field for field, apart
// from what the record does not keep.
TEST(RecordRoundTripTest, RandomSlots) {
  std::mt19937 rng(2024);
  auto pick = [&](int n) { return static_cast<int>(rng() % n); };
  for (int trial = 0; trial < 3000; ++trial) {
    int model = pick(6);
    Slot s;
    s.value[kFreq] = (1 + pick(1299995000)) / 1e6;
    s.value[kMode] = pick(3);
    s.value[kStep] = pick(19);
    s.value[kOption] = pick(5);
    s.value[kSecret] = pick(29);
    s.value[kCarrier] = pick(29);
    s.value[kTone] = pick(39);
    s.value[kShiftDir] = pick(3);
    s.value[kOffset] = pick(100000000) / 1e6;
    s.value[kSkip] = pick(2);
    std::string name;
    for (int i = pick(7); i > 0; --i)
      name.push_back(static_cast<char>(32 + pick(95)));
    s.text[kName] = name;
    s.text[kNote] = "note";

    std::string rec = EncodeChannel(s, model);
    ASSERT_EQ(rec.size(), 64u);
    Slot back;
    back.text[kNote] = "other";
    ASSERT_EQ(DecodeChannel(Framed(rec), back), -1);
    int option = static_cast<int>(s.value[kOption]);
    bool admitted =
        !(option == 1 && model != 0) && !(option == 4 && model != 1);
    for (int f : {kFreq, kMode, kStep, kSecret, kCarrier, kTone, kShiftDir,
                  kOffset, kSkip}) {
      ASSERT_EQ(back.value[f], s.value[f])
          << "field " << f << " trial " << trial;
    }
    ASSERT_EQ(back.value[kOption], admitted ? option : 0);
    std::string padded = name + std::string(6 - name.size(), ' ');
    ASSERT_EQ(back.text[kName], padded);
    ASSERT_EQ(back.text[kNote], "other");
    ASSERT_EQ(back.text[kFreq], FormatFrequency(s.value[kFreq]));
    // A decoded record encodes to the same bytes, except that a padded
    // name now carries blanks instead of 00.
    std::string again = EncodeChannel(back, model);
    ASSERT_EQ(again.size(), 64u);
    ASSERT_EQ(again.substr(0, 52), rec.substr(0, 52));
    ASSERT_EQ(again.substr(52), NameToHex(padded));
  }
}

}  // namespace
}  // namespace vrq5
