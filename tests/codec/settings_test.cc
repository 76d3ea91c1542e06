#include "codec/settings.h"

#include <gtest/gtest.h>

#include <random>

#include "codec/tables.h"

namespace vrq5 {
namespace {

const SettingField& Field(std::string_view control) {
  for (const auto& f : SettingFields()) {
    if (f.control == control) return f;
  }
  throw std::runtime_error("no field " + std::string(control));
}

// The name at a decoded list position; a position outside the list fails
// the comparison instead of reading past the table.
template <typename Table>
std::string ItemAt(const Table& table, int index) {
  if (index < 0 || index >= static_cast<int>(table.size())) {
    return "position " + std::to_string(index) + " out of range";
  }
  return std::string(table[index]);
}

struct Decoded {
  std::string hex1, hex2;
  Settings s;
};

Decoded Decode(std::string hex1, std::string hex2, int model = 0) {
  Decoded d{std::move(hex1), std::move(hex2), {}};
  DecodeSettings(d.hex1, d.hex2, model, d.s);
  return d;
}

TEST(SettingsDefaultsTest, FirstDefaultsDecodeAsDescribed) {
  Decoded d = Decode(DefaultSettings1(0), DefaultSettings2(0));
  const Settings& s = d.s;
  EXPECT_EQ(s.chkATT, 0);
  EXPECT_EQ(s.optAntenna, 0);
  EXPECT_EQ(s.chkBarAM, 1);
  EXPECT_EQ(s.chkBarSW, 1);
  EXPECT_EQ(s.optLamp, 1);
  EXPECT_EQ(s.cbbScan, 0);
  EXPECT_EQ(s.cbbTimePr, 0);
  EXPECT_EQ(s.optBand, 0);
  EXPECT_EQ(s.opbAPO, 0);
  EXPECT_EQ(s.chkBS, 1);
  EXPECT_EQ(s.chkBeep, 1);
  EXPECT_EQ(s.chkBell, 0);
  EXPECT_EQ(s.opbKeyFunc, 0);
  EXPECT_EQ(s.opbMONI, 0);
  EXPECT_EQ(s.optLockBug, 1);
  EXPECT_EQ(s.opbBug, 2);
  EXPECT_EQ(s.optBugType, 0);
  EXPECT_EQ(s.chkCharge, 1);
  EXPECT_EQ(ItemAt(ChargeTimeName, s.cbbChargeTime), "12 hrs.");
  EXPECT_EQ(ItemAt(SetModeName, s.cbbSetMode), "MANUAL");
  EXPECT_EQ(s.optSkip, 1);
  EXPECT_EQ(ItemAt(WildKeyName, s.cbbWildKey), "ATT");
  EXPECT_EQ(ItemAt(RemoconKeyName, s.cbbRemocon[0]), "V/P/M");
  EXPECT_EQ(ItemAt(RemoconKeyName, s.cbbRemocon[1]), "BAND");
  EXPECT_EQ(ItemAt(RemoconKeyName, s.cbbRemocon[2]), "UP");
  EXPECT_EQ(ItemAt(RemoconKeyName, s.cbbRemocon[3]), "DOWN");
  EXPECT_EQ(s.Slider1, 20);
  EXPECT_EQ(s.Slider2, 3);
  EXPECT_EQ(s.optRecRate, 1);
  EXPECT_EQ(s.optVscanSpeed, 2);
  EXPECT_EQ(s.optMscanSpeed, 2);
  EXPECT_EQ(s.opbKeyLock, 0);
  EXPECT_EQ(s.chkAutoWave, 1);
  EXPECT_EQ(s.chkAutoStep, 1);
  EXPECT_EQ(s.optAfTone, 0);
  EXPECT_EQ(s.opbOpMode, 0);
  EXPECT_EQ(ItemAt(TimeSpName, s.cbbTimeSp), " 5-SEC");
  // Valid defaults are not changed by decoding.
  EXPECT_EQ(d.hex1, DefaultSettings1(0));
  EXPECT_EQ(d.hex2, DefaultSettings2(0));
}

TEST(SettingsDefaultsTest, EncodeAfterDecodeOfTheDefaults) {
  Decoded d = Decode(DefaultSettings1(0), DefaultSettings2(0));
  std::string hex1, hex2;
  EncodeSettings(d.s, hex1, hex2);
  EXPECT_EQ(hex1,
            "A5000000000100000000000100000000010200010C0401010208000100141403");
  EXPECT_EQ(hex2, "0006000102020001000000000000000014000000000000");
}

TEST(SettingsDefaultsTest, DefaultsPerModel) {
  for (int m = 0; m < 6; ++m) {
    ASSERT_EQ(DefaultSettings1(m).size(), 64u);
    ASSERT_EQ(DefaultSettings2(m).size(), 64u);
  }
  EXPECT_EQ(DefaultSettings1(1), DefaultSettings1(5));
  EXPECT_NE(DefaultSettings1(0), DefaultSettings1(1));
  EXPECT_EQ(DefaultSettings1(0).substr(38, 2), "01");
  EXPECT_EQ(DefaultSettings1(1).substr(38, 2), "00");
  EXPECT_EQ(DefaultSettings2(1).substr(2, 2), "06");
  EXPECT_EQ(DefaultSettings2(2).substr(2, 2), "04");
  EXPECT_EQ(DefaultSettings2(4), DefaultSettings2(3));
  Decoded d = Decode(DefaultSettings1(2), DefaultSettings2(2), 2);
  EXPECT_EQ(d.s.chkCharge, 0);
  EXPECT_EQ(ItemAt(WildKeyName, d.s.cbbWildKey), "ANTENA");
}

TEST(SettingsMarkerTest, MissingMarkerLoadsTheModelDefaults) {
  for (std::string bad : {"", "a5", "5A0000", "A", "a5000000000100000000"}) {
    Decoded d = Decode(bad, "garbage", 1);
    EXPECT_EQ(d.hex1, DefaultSettings1(1)) << bad;
    EXPECT_EQ(d.hex2, DefaultSettings2(1)) << bad;
  }
}

TEST(SettingsRangeTest, OptionBytesOutOfRangeAreReplacedInPlace) {
  std::string hex1 = DefaultSettings1(0);
  hex1.replace(10, 2, "07");  // lamp
  hex1.replace(44, 2, "05");  // scan type
  std::string hex2 = DefaultSettings2(0);
  hex2.replace(8, 2, "09");  // VFO scan speed
  hex2.replace(6, 2, "FF");  // rec. rate
  Decoded d = Decode(hex1, hex2);
  EXPECT_EQ(d.s.optLamp, 1);
  EXPECT_EQ(d.s.optSkip, 0);
  EXPECT_EQ(d.s.optVscanSpeed, 2);
  EXPECT_EQ(d.s.optRecRate, 1);
  std::string want1 = hex1;
  want1.replace(10, 2, "01");
  want1.replace(44, 2, "00");
  EXPECT_EQ(d.hex1, want1);
  std::string want2 = hex2;
  want2.replace(8, 2, "02");
  want2.replace(6, 2, "01");
  EXPECT_EQ(d.hex2, want2);
}

TEST(SettingsRangeTest, ChecksListsAndSlidersAreClamped) {
  std::string hex1 = DefaultSettings1(0);
  hex1.replace(2, 2, "05");   // attenuator: set
  hex1.replace(6, 2, "07");   // AM bar (inverted): clear
  hex1.replace(12, 2, "40");  // scan list: last entry
  hex1.replace(40, 2, "00");  // charge time below the first entry
  hex1.replace(42, 2, "FF");  // set mode
  hex1.replace(48, 2, "99");  // remote controller A
  hex1.replace(58, 2, "FF");  // volume
  hex1.replace(62, 2, "0A");  // squelch
  std::string hex2 = DefaultSettings2(0);
  hex2.replace(44, 2, "08");  // time sp
  Decoded d = Decode(hex1, hex2);
  EXPECT_EQ(d.s.chkATT, 1);
  EXPECT_EQ(d.s.chkBarAM, 0);
  EXPECT_EQ(d.s.cbbScan, 25);
  EXPECT_EQ(d.s.cbbChargeTime, 0);
  EXPECT_EQ(d.s.cbbSetMode, 21);
  EXPECT_EQ(d.s.cbbRemocon[0], 19);
  EXPECT_EQ(d.s.Slider1, 30);
  EXPECT_EQ(d.s.Slider2, 9);
  EXPECT_EQ(d.s.cbbTimeSp, 7);
  // Everything else still decodes.
  EXPECT_EQ(d.s.opbBug, 2);
  EXPECT_EQ(d.s.optRecRate, 1);
  // Such bytes are not rewritten by the decoder.
  EXPECT_EQ(d.hex1, hex1);
}

TEST(SettingsRangeTest, ShortAndNonHexBlocksNeverFail) {
  Decoded d = Decode("A5", "");
  EXPECT_EQ(d.s.optLamp, 0);
  EXPECT_EQ(d.s.chkBeep, 1);  // inverted: 00 is set
  EXPECT_EQ(d.s.cbbChargeTime, 0);
  EXPECT_EQ(d.hex1, "A5");  // option replacements beyond the end change nothing
  d = Decode("A5ZZZZZZZZ" + std::string(54, 'Q'), std::string(64, '?'));
  EXPECT_EQ(d.s.optAntenna, 0);
  EXPECT_EQ(d.s.optVscanSpeed, 0);
}

TEST(SettingsRangeTest, SixtyFourDigitBlockTwoDecodesLikeFortySix) {
  std::mt19937 rng(3);
  for (int trial = 0; trial < 50; ++trial) {
    std::string hex2;
    for (int i = 0; i < 64; ++i) hex2.push_back("0123456789ABCDEF"[rng() % 16]);
    Decoded a = Decode(DefaultSettings1(0), hex2);
    Decoded b = Decode(DefaultSettings1(0), hex2.substr(0, 46));
    EXPECT_EQ(a.s, b.s);
    EXPECT_EQ(a.hex2.substr(0, 46), b.hex2);
  }
}

TEST(SettingsEncodeTest, ByteLayout) {
  Settings s = Decode(DefaultSettings1(0), DefaultSettings2(0)).s;
  s.Slider1 = 30;
  s.cbbChargeTime = 0;
  s.cbbSetMode = 21;
  s.opbOpMode = 2;
  s.chkAutoWave = 0;
  std::string hex1, hex2;
  EncodeSettings(s, hex1, hex2);
  ASSERT_EQ(hex1.size(), 64u);
  ASSERT_EQ(hex2.size(), 46u);
  EXPECT_EQ(hex1.substr(58, 4), "1E1E");
  EXPECT_EQ(hex2.substr(32, 2), "1E");
  EXPECT_EQ(hex1.substr(40, 2), "01");
  EXPECT_EQ(hex1.substr(42, 2), "19");
  EXPECT_EQ(hex2.substr(0, 2), "02");
  EXPECT_EQ(hex2.substr(38, 2), "02");
  EXPECT_EQ(hex2.substr(26, 2), "01");
  s.cbbChargeTime = 23;
  s.cbbSetMode = 0;
  EncodeSettings(s, hex1, hex2);
  ASSERT_EQ(hex1.size(), 64u);
  EXPECT_EQ(hex1.substr(40, 2), "18");
  EXPECT_EQ(hex1.substr(42, 2), "04");
}

TEST(SettingsEncodeTest, UnreadBytesGetTheirFixedValues) {
  std::string hex1(64, 'F');
  hex1.replace(0, 2, "A5");
  std::string hex2(64, 'E');
  Decoded d = Decode(hex1, hex2);
  std::string out1, out2;
  EncodeSettings(d.s, out1, out2);
  ASSERT_EQ(out1.size(), 64u);
  ASSERT_EQ(out2.size(), 46u);
  EXPECT_EQ(out1.substr(14, 2), "00");
  EXPECT_EQ(out1.substr(56, 2), "00");
  EXPECT_EQ(out1.substr(60, 2), out1.substr(58, 2));
  EXPECT_EQ(out2.substr(2, 4), "0600");
  EXPECT_EQ(out2.substr(12, 4), "0001");
  EXPECT_EQ(out2.substr(18, 8), "00000000");
  EXPECT_EQ(out2.substr(34, 4), "0000");
  EXPECT_EQ(out2.substr(40, 4), "0000");
}

TEST(SettingsRoundTripTest, RandomSettingsComeBack) {
  std::mt19937 rng(99);
  for (int trial = 0; trial < 500; ++trial) {
    Settings s;
    for (const auto& f : SettingFields()) {
      int n = 0;
      switch (f.kind) {
        case SettingKind::kCheck:
        case SettingKind::kCheckInverted:
          n = 2;
          break;
        case SettingKind::kOption:
        case SettingKind::kList:
          n = static_cast<int>(f.items.size());
          break;
        case SettingKind::kSlider:
          n = f.maximum + 1;
          break;
      }
      f.member(s) = static_cast<int>(rng() % n);
    }
    std::string hex1, hex2;
    EncodeSettings(s, hex1, hex2);
    Decoded d = Decode(hex1, hex2, static_cast<int>(rng() % 6));
    ASSERT_EQ(d.s, s) << "trial " << trial;
    ASSERT_EQ(d.hex1, hex1);
    ASSERT_EQ(d.hex2, hex2);
  }
}

TEST(ReplaceHexByteTest, ReplacesOnlyInsideTheText) {
  EXPECT_EQ(ReplaceHexByte("A5000102", "FF", 1), "A5FF0102");
  EXPECT_EQ(ReplaceHexByte("A5000102", "FF", 3), "A50001FF");
  EXPECT_EQ(ReplaceHexByte("A5000102", "FF", 4), "A5000102");
  EXPECT_EQ(ReplaceHexByte("A5000102", "FF", -1), "A5000102");
  EXPECT_EQ(ReplaceHexByte("A50", "FF", 1), "A5F");
  EXPECT_EQ(ReplaceHexByte("", "FF", 0), "");
}

TEST(SettingFieldTest, DescribesValuesByTheirCaptions) {
  Settings s = Decode(DefaultSettings1(0), DefaultSettings2(0)).s;
  EXPECT_EQ(Field("optLamp").Describe(s), "5sec");
  EXPECT_EQ(Field("chkBeep").Describe(s), "set");
  EXPECT_EQ(Field("cbbChargeTime").Describe(s), "12 hrs.");
  EXPECT_EQ(Field("Slider1").Describe(s), "20");
  EXPECT_EQ(Field("cbbRemocon(3)").Describe(s), "DOWN");
  EXPECT_EQ(SettingFields().size(), 37u);
}

}  // namespace
}  // namespace vrq5
