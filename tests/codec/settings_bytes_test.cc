// The two settings blocks byte by byte: one control changed from the
// defaults of the VR-Q5J changes exactly its own byte(s) of the encoded
// blocks to the value written out here, and that byte alone, changed in the
// default texts, decodes into exactly that control's value.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "codec/settings.h"

namespace vrq5 {
namespace {

// The default texts of the VR-Q5J, and what the encoder makes of them.
constexpr std::string_view kDefault1 =
    "A5000000000100000000000100000000010200010C0401010208000100141403";
constexpr std::string_view kDefault2 =
    "0B0600010202000100000000000000001400000000000000FFFFFFFFFFFFFFFF";
constexpr std::string_view kEncoded2 =
    "0006000102020001000000000000000014000000000000";

struct Byte {
  int block;  // 1 or 2
  int byte;
  std::string_view hex;
};

#define MEMBER(name) [](Settings& s) -> int& { return s.name; }

struct Row {
  std::string_view control;
  int& (*member)(Settings&);
  int value;
  // The byte the decoder reads, then the copies the encoder also writes.
  std::vector<Byte> bytes;
};

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      // Block 1.
      {"chkATT", MEMBER(chkATT), 1, {{1, 1, "01"}}},
      {"optAntenna", MEMBER(optAntenna), 1, {{1, 2, "01"}}},
      {"chkBarAM", MEMBER(chkBarAM), 0, {{1, 3, "01"}}},  // inverted
      {"chkBarSW", MEMBER(chkBarSW), 0, {{1, 4, "01"}}},  // inverted
      {"optLamp", MEMBER(optLamp), 3, {{1, 5, "03"}}},
      {"optLamp", MEMBER(optLamp), 0, {{1, 5, "00"}}},
      {"cbbScan", MEMBER(cbbScan), 25, {{1, 6, "19"}}},
      {"cbbTimePr", MEMBER(cbbTimePr), 12, {{1, 8, "0C"}}},
      {"optBand", MEMBER(optBand), 1, {{1, 9, "01"}}},
      {"opbAPO", MEMBER(opbAPO), 3, {{1, 10, "03"}}},
      {"chkBS", MEMBER(chkBS), 0, {{1, 11, "00"}}},
      {"chkBeep", MEMBER(chkBeep), 0, {{1, 12, "01"}}},  // inverted
      {"chkBell", MEMBER(chkBell), 1, {{1, 13, "01"}}},
      {"opbKeyFunc", MEMBER(opbKeyFunc), 1, {{1, 14, "01"}}},
      {"opbMONI", MEMBER(opbMONI), 1, {{1, 15, "01"}}},
      {"optLockBug", MEMBER(optLockBug), 0, {{1, 16, "00"}}},
      {"opbBug", MEMBER(opbBug), 4, {{1, 17, "04"}}},
      {"optBugType", MEMBER(optBugType), 1, {{1, 18, "01"}}},
      {"chkCharge", MEMBER(chkCharge), 0, {{1, 19, "00"}}},
      {"cbbChargeTime", MEMBER(cbbChargeTime), 0, {{1, 20, "01"}}},
      {"cbbChargeTime", MEMBER(cbbChargeTime), 23, {{1, 20, "18"}}},
      {"cbbSetMode", MEMBER(cbbSetMode), 1, {{1, 21, "05"}}},
      {"cbbSetMode", MEMBER(cbbSetMode), 21, {{1, 21, "19"}}},
      {"optSkip", MEMBER(optSkip), 0, {{1, 22, "00"}}},
      {"cbbWildKey", MEMBER(cbbWildKey), 1, {{1, 23, "02"}}},
      {"cbbWildKey", MEMBER(cbbWildKey), 28, {{1, 23, "1D"}}},
      {"cbbRemocon(0)", MEMBER(cbbRemocon[0]), 19, {{1, 24, "13"}}},
      {"cbbRemocon(1)", MEMBER(cbbRemocon[1]), 14, {{1, 25, "0E"}}},
      {"cbbRemocon(2)", MEMBER(cbbRemocon[2]), 10, {{1, 26, "0A"}}},
      {"cbbRemocon(3)", MEMBER(cbbRemocon[3]), 3, {{1, 27, "03"}}},
      {"Slider1",
       MEMBER(Slider1),
       30,
       {{1, 29, "1E"}, {1, 30, "1E"}, {2, 16, "1E"}}},
      {"Slider1",
       MEMBER(Slider1),
       0,
       {{1, 29, "00"}, {1, 30, "00"}, {2, 16, "00"}}},
      {"Slider2", MEMBER(Slider2), 9, {{1, 31, "09"}}},
      {"Slider2", MEMBER(Slider2), 0, {{1, 31, "00"}}},
      // Block 2.
      {"opbOpMode", MEMBER(opbOpMode), 1, {{2, 19, "01"}, {2, 0, "01"}}},
      {"opbOpMode", MEMBER(opbOpMode), 2, {{2, 19, "02"}, {2, 0, "02"}}},
      {"optRecRate", MEMBER(optRecRate), 3, {{2, 3, "03"}}},
      {"optRecRate", MEMBER(optRecRate), 0, {{2, 3, "00"}}},
      {"optVscanSpeed", MEMBER(optVscanSpeed), 4, {{2, 4, "04"}}},
      {"optMscanSpeed", MEMBER(optMscanSpeed), 0, {{2, 5, "00"}}},
      {"opbKeyLock", MEMBER(opbKeyLock), 2, {{2, 8, "02"}}},
      {"chkAutoWave", MEMBER(chkAutoWave), 0, {{2, 13, "01"}}},  // inverted
      {"chkAutoStep", MEMBER(chkAutoStep), 0, {{2, 14, "01"}}},  // inverted
      {"optAfTone", MEMBER(optAfTone), 1, {{2, 15, "01"}}},
      {"cbbTimeSp", MEMBER(cbbTimeSp), 7, {{2, 22, "07"}}},
  };
  return rows;
}

#undef MEMBER

Settings DecodedDefaults() {
  std::string hex1(kDefault1), hex2(kDefault2);
  Settings s;
  DecodeSettings(hex1, hex2, 0, s);
  return s;
}

std::string_view ByteOf(std::string_view text, int byte) {
  return text.substr(2 * static_cast<size_t>(byte), 2);
}

std::string WithByte(std::string_view text, int byte, std::string_view hex) {
  std::string out(text);
  out.replace(2 * static_cast<size_t>(byte), 2, hex);
  return out;
}

// The controls in which two panel states differ, by name.
std::string Differences(const Settings& got, const Settings& want) {
  std::string out;
  for (const SettingField& f : SettingFields()) {
    if (f.Get(got) != f.Get(want)) {
      out += std::string(f.control) + " is " + std::to_string(f.Get(got)) +
             " not " + std::to_string(f.Get(want)) + "; ";
    }
  }
  return out;
}

std::string Describe(const Row& row) {
  return std::string(row.control) + " = " + std::to_string(row.value);
}

TEST(SettingsBytesTest, DefaultsEncodeToTheirOwnBytes) {
  std::string hex1, hex2;
  EncodeSettings(DecodedDefaults(), hex1, hex2);
  EXPECT_EQ(hex1, kDefault1);
  EXPECT_EQ(hex2, kEncoded2);
}

TEST(SettingsBytesTest, OneControlChangesExactlyItsBytes) {
  const Settings defaults = DecodedDefaults();
  for (const Row& row : Rows()) {
    SCOPED_TRACE(Describe(row));
    Settings s = defaults;
    ASSERT_NE(row.member(s), row.value) << "the row must change the control";
    row.member(s) = row.value;
    std::string hex1, hex2;
    EncodeSettings(s, hex1, hex2);
    ASSERT_EQ(hex1.size(), 64u);
    ASSERT_EQ(hex2.size(), 46u);
    const std::string_view before[] = {kDefault1, kEncoded2};
    const std::string_view after[] = {hex1, hex2};
    for (int block = 1; block <= 2; ++block) {
      int bytes = static_cast<int>(after[block - 1].size() / 2);
      for (int byte = 0; byte < bytes; ++byte) {
        std::string_view want = ByteOf(before[block - 1], byte);
        for (const Byte& b : row.bytes) {
          if (b.block == block && b.byte == byte) {
            EXPECT_NE(want, b.hex) << "block " << block << " byte " << byte
                                   << " must differ from the default";
            want = b.hex;
          }
        }
        EXPECT_EQ(ByteOf(after[block - 1], byte), want)
            << "block " << block << " byte " << byte;
      }
    }
  }
}

TEST(SettingsBytesTest, OneByteDecodesIntoExactlyItsControl) {
  const Settings defaults = DecodedDefaults();
  for (const Row& row : Rows()) {
    SCOPED_TRACE(Describe(row));
    // The byte the decoder reads gives the control's value.
    const Byte& read = row.bytes.front();
    std::string hex1(kDefault1), hex2(kDefault2);
    if (read.block == 1) {
      hex1 = WithByte(hex1, read.byte, read.hex);
    } else {
      hex2 = WithByte(hex2, read.byte, read.hex);
    }
    const std::string given1 = hex1, given2 = hex2;
    Settings s;
    DecodeSettings(hex1, hex2, 0, s);
    Settings want = defaults;
    row.member(want) = row.value;
    EXPECT_EQ(Differences(s, want), "");
    EXPECT_TRUE(s == want);
    EXPECT_EQ(hex1, given1);  // an accepted byte is not rewritten
    EXPECT_EQ(hex2, given2);
    // The copies the encoder writes are not read back.
    for (size_t i = 1; i < row.bytes.size(); ++i) {
      const Byte& copy = row.bytes[i];
      hex1 = kDefault1;
      hex2 = kDefault2;
      if (copy.block == 1) {
        hex1 = WithByte(hex1, copy.byte, copy.hex);
      } else {
        hex2 = WithByte(hex2, copy.byte, copy.hex);
      }
      Settings unread;
      DecodeSettings(hex1, hex2, 0, unread);
      EXPECT_EQ(Differences(unread, defaults), "")
          << "block " << copy.block << " byte " << copy.byte;
    }
  }
}

// Every control of both blocks has a row, and the field table names the
// byte its row reads.
TEST(SettingsBytesTest, EveryControlHasItsRow) {
  std::set<std::string_view> covered;
  for (const Row& row : Rows()) {
    covered.insert(row.control);
    int found = 0;
    for (const SettingField& f : SettingFields()) {
      if (f.control != row.control) continue;
      ++found;
      EXPECT_EQ(f.block, row.bytes.front().block) << row.control;
      EXPECT_EQ(f.byte, row.bytes.front().byte) << row.control;
    }
    EXPECT_EQ(found, 1) << row.control;
  }
  for (const SettingField& f : SettingFields()) {
    EXPECT_TRUE(covered.count(f.control)) << f.control;
  }
  EXPECT_EQ(covered.size(), 37u);
}

// Bytes the decoder does not read: whatever a block holds there, the
// decoded controls are those of the defaults, and the encoder writes its
// fixed values.
TEST(SettingsBytesTest, UnreadBytesAndTheirFixedValues) {
  const Settings defaults = DecodedDefaults();
  const Byte unread[] = {
      {1, 7, "00"},  {1, 28, "00"}, {2, 0, "00"},  {2, 1, "06"},
      {2, 2, "00"},  {2, 6, "00"},  {2, 7, "01"},  {2, 9, "00"},
      {2, 10, "00"}, {2, 11, "00"}, {2, 12, "00"}, {2, 16, "14"},
      {2, 17, "00"}, {2, 18, "00"}, {2, 20, "00"}, {2, 21, "00"},
  };
  for (const Byte& b : unread) {
    SCOPED_TRACE("block " + std::to_string(b.block) + " byte " +
                 std::to_string(b.byte));
    std::string hex1(kDefault1), hex2(kDefault2);
    std::string& text = b.block == 1 ? hex1 : hex2;
    text = WithByte(text, b.byte, "5A");
    Settings s;
    DecodeSettings(hex1, hex2, 0, s);
    EXPECT_EQ(Differences(s, defaults), "");
    std::string out1, out2;
    EncodeSettings(s, out1, out2);
    EXPECT_EQ(ByteOf(b.block == 1 ? out1 : out2, b.byte), b.hex);
  }
}

// An option-group byte just past its group's last member is replaced by the
// group's own value, in the control and in the block text; the last member
// itself is kept.
TEST(SettingsBytesTest, OptionBytesOutOfRange) {
  struct OptionRow {
    std::string_view control;
    int& (*member)(Settings&);
    int block, byte;
    std::string_view last;       // the last member, kept
    std::string_view past_last;  // one past it
    int replacement;
    std::string_view corrected;
  };
#define MEMBER(name) [](Settings& s) -> int& { return s.name; }
  const OptionRow rows[] = {
      {"optAntenna", MEMBER(optAntenna), 1, 2, "01", "02", 0, "00"},
      {"optLamp", MEMBER(optLamp), 1, 5, "03", "04", 1, "01"},
      {"optBand", MEMBER(optBand), 1, 9, "01", "02", 0, "00"},
      {"opbAPO", MEMBER(opbAPO), 1, 10, "03", "04", 0, "00"},
      {"opbKeyFunc", MEMBER(opbKeyFunc), 1, 14, "01", "02", 0, "00"},
      {"opbMONI", MEMBER(opbMONI), 1, 15, "01", "02", 0, "00"},
      {"optLockBug", MEMBER(optLockBug), 1, 16, "01", "02", 0, "00"},
      {"opbBug", MEMBER(opbBug), 1, 17, "04", "05", 0, "00"},
      {"optBugType", MEMBER(optBugType), 1, 18, "01", "02", 0, "00"},
      {"optSkip", MEMBER(optSkip), 1, 22, "01", "02", 0, "00"},
      {"optRecRate", MEMBER(optRecRate), 2, 3, "03", "04", 1, "01"},
      {"optVscanSpeed", MEMBER(optVscanSpeed), 2, 4, "04", "05", 2, "02"},
      {"optMscanSpeed", MEMBER(optMscanSpeed), 2, 5, "04", "05", 2, "02"},
      {"opbKeyLock", MEMBER(opbKeyLock), 2, 8, "02", "03", 0, "00"},
      {"optAfTone", MEMBER(optAfTone), 2, 15, "01", "02", 0, "00"},
      {"opbOpMode", MEMBER(opbOpMode), 2, 19, "02", "03", 0, "00"},
  };
#undef MEMBER
  const Settings defaults = DecodedDefaults();
  for (const OptionRow& row : rows) {
    SCOPED_TRACE(row.control);
    for (std::string_view hex :
         {row.last, row.past_last, std::string_view("FF")}) {
      std::string hex1(kDefault1), hex2(kDefault2);
      std::string& text = row.block == 1 ? hex1 : hex2;
      text = WithByte(text, row.byte, hex);
      bool kept = hex == row.last;
      std::string want_text =
          kept ? text : WithByte(text, row.byte, row.corrected);
      Settings s;
      DecodeSettings(hex1, hex2, 0, s);
      Settings want = defaults;
      row.member(want) = kept ? std::stoi(std::string(hex)) : row.replacement;
      EXPECT_EQ(Differences(s, want), "") << hex;
      EXPECT_EQ(row.block == 1 ? hex1 : hex2, want_text) << hex;
    }
  }
}

}  // namespace
}  // namespace vrq5
