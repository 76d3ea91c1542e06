#include "store/write_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec/tables.h"
#include "codec/text.h"

namespace vrq5 {
namespace {

// An enabled channel at `mhz` with the codes the edit dialog stores.
void Put(Document& doc, int slot, double mhz) {
  Slot& s = doc.Mem[slot];
  s.Clear();
  s.value = {mhz, 0, 6, 0, 11, 28, 8, 0, 0, 0, 0, 0};
  s.text[kFreq] = FormatFrequency(mhz);
  doc.MemFlag[slot] = -1;
}

// The new document of a model, with band 12 of the VR-Q70E moved inside
// its limits (its default lies below them).
Document OfModel(int model) {
  Document doc;
  doc.SelectModel(model);
  if (model == 1) doc.Vfo[12].value[kFreq] = 870.0;
  return doc;
}

// "kind row field" of every finding, in order.
std::vector<std::string> Keys(const std::vector<Finding>& findings) {
  std::vector<std::string> keys;
  for (const Finding& f : findings) {
    keys.push_back(std::string(FindingKindName(f.kind)) + " " + f.row + " " +
                   f.field);
  }
  return keys;
}

std::vector<std::string> Keys(const Document& doc, WriteScope scope = {}) {
  return Keys(CheckBeforeWrite(doc, scope));
}

using Strings = std::vector<std::string>;

TEST(WriteCheckTest, CleanDocumentsGiveNoError) {
  for (int model = 0; model < kModelCount; ++model) {
    Document doc;
    doc.SelectModel(model);
    Strings expected;
    // The VR-Q70E's own default band 12 (806 MHz) lies below that band's
    // limits: worth a warning, never an error.
    if (model == 1) expected = {"warning VFO 12 Frequency"};
    EXPECT_EQ(Keys(doc), expected) << ModelName[model];

    for (int slot : {0, 305, 999, 1000, 1099, 1150, 1299}) {
      Put(doc, slot, 100.0 + slot / 2);
    }
    doc.Mem[305].text[kName] = "ABCDEF";
    doc.Mem[0].text[kName] = "AB    ";  // padded as a read leaves it
    EXPECT_EQ(Keys(doc), expected) << ModelName[model];
  }
}

TEST(WriteCheckTest, DisabledAndEmptySlotsNeverCount) {
  Document doc;
  for (int slot : {305, 306, 1100, 1101}) {
    Put(doc, slot, 2000.0);
    doc.Mem[slot].value[kMode] = 7;
    doc.Mem[slot].text[kName] = "TOO LONG";
    doc.Mem[slot].text[kNote] = "note";
    doc.MemFlag[slot] = 0;
  }
  // Enabled, but with no frequency the write sends no record.
  Put(doc, 400, 0.0);
  doc.Mem[400].text[kNote] = "note";
  doc.Mem[400].value[kMode] = 7;
  Put(doc, 401, 0.0000004);  // rounds to 0 Hz
  EXPECT_EQ(Keys(doc), Strings{});

  // The same slot enabled is checked.
  doc.MemFlag[305] = -1;
  EXPECT_EQ(Keys(doc), (Strings{"error 03-005 Frequency", "error 03-005 Mode",
                                "warning 03-005 Name", "warning 03-005 Note"}));
}

TEST(WriteCheckTest, BankSizesAsTheWriteSendsThem) {
  Document doc;
  doc.BankSize[9] = 0;
  doc.BankSizeText[9] = "0";
  doc.txtBank[9] = "0";
  doc.LayoutMemoryRows();
  Put(doc, 950, 145.0);  // a row no bank covers
  std::vector<Finding> findings = CheckBeforeWrite(doc);
  ASSERT_EQ(Keys(findings), Strings{"error Banks Bank sizes"});
  EXPECT_NE(findings[0].text.find("add up to 900, not 1000"),
            std::string::npos);
  EXPECT_NE(findings[0].text.find("100 of the 1000 memory rows"),
            std::string::npos);
  EXPECT_NE(findings[0].text.find("\"Total CH must be 1000\""),
            std::string::npos);
  // A settings write sends no bank sizes.
  EXPECT_EQ(Keys(doc, {false, false, true}), Strings{});
  EXPECT_EQ(Keys(doc, {false, true, false}), Strings{"error Banks Bank sizes"});

  // Above 1000 the write cuts the sizes: no error, but say so.
  doc.BankSize[9] = 150;
  doc.BankSizeText[9] = "150";
  doc.BankSize[10] = 30;
  doc.BankSizeText[10] = "30";
  findings = CheckBeforeWrite(doc, {false, true, false});
  ASSERT_EQ(Keys(findings), Strings{"warning Bank 09 Bank sizes"});
  EXPECT_NE(findings[0].text.find("add up to 1080"), std::string::npos);
  EXPECT_NE(findings[0].text.find("bank 09 with 100 channels instead of 150 "
                                  "and bank 10 with 0 channels instead of 30"),
            std::string::npos)
      << findings[0].text;
}

TEST(WriteCheckTest, ChannelFrequenciesAtTheModelsEdges) {
  for (int model = 0; model < kModelCount; ++model) {
    Document doc = OfModel(model);
    auto check = [&](double mhz) {
      Put(doc, 305, mhz);
      auto keys = Keys(doc, {true, false, false});
      return keys.empty() ? "" : keys.front();
    };
    EXPECT_EQ(check(0.1), "") << model;
    EXPECT_EQ(check(1299.995), "") << model;
    EXPECT_EQ(check(0.099999), "error 03-005 Frequency") << model;
    EXPECT_EQ(check(1299.995001), "error 03-005 Frequency") << model;
    EXPECT_EQ(check(5000.0), "error 03-005 Frequency") << model;
    // The cellular bands only on the VR-Q70T, ends included.
    std::string cellular = model == 2 ? "error 03-005 Frequency" : "";
    for (double mhz : {824.0, 849.995, 869.0, 894.995}) {
      EXPECT_EQ(check(mhz), cellular) << model << " " << mhz;
    }
    for (double mhz : {823.999999, 849.995001, 868.999999, 894.995001}) {
      EXPECT_EQ(check(mhz), "") << model << " " << mhz;
    }
  }
  Document doc = OfModel(2);
  Put(doc, 1203, 830.0);
  auto findings = CheckBeforeWrite(doc);
  ASSERT_EQ(Keys(findings), Strings{"error Pr3 Frequency"});
  EXPECT_EQ(findings[0].text.substr(0, 81),
            "830.000000 MHz lies in a cellular phone band (824.000000 to "
            "849.995000 MHz) that ");
}

TEST(WriteCheckTest, VfoBandsAtTheirLimits) {
  for (int model = 0; model < kModelCount; ++model) {
    for (int band = 0; band < kVfoBands; ++band) {
      Document doc = OfModel(model);
      auto check = [&](double mhz) {
        doc.Vfo[band].value[kFreq] = mhz;
        auto keys = Keys(doc, {false, false, true});
        return keys.empty() ? "" : keys.front();
      };
      const auto& limit = BandLimit[model][band];
      if (model >= 2 && band >= 8) {
        // The VR-Q70T/K have eight bands: the rest is never checked.
        EXPECT_EQ(check(5000.0), "");
        continue;
      }
      std::string row = "error VFO " + std::to_string(band) + " Frequency";
      EXPECT_EQ(check(limit[0]), "") << model << " " << band;
      EXPECT_EQ(check(limit[1]), "") << model << " " << band;
      EXPECT_EQ(check(limit[0] - 0.000001), row) << model << " " << band;
      EXPECT_EQ(check(limit[1] + 0.000001), row) << model << " " << band;
    }
  }
  Document doc = OfModel(2);
  doc.Vfo[6].value[kFreq] = 870.0;
  EXPECT_EQ(Keys(doc), Strings{"error VFO 6 Frequency"});
  // A VFO band is written by the settings write only.
  EXPECT_EQ(Keys(doc, {true, true, false}), Strings{});
}

TEST(WriteCheckTest, CodesTheRecordDoesNotCarry) {
  struct Case {
    int model;
    Field field;
    double value;
    const char* key;  // empty: no finding
  };
  const Case cases[] = {
      {0, kOption, 1, ""},  // train on the VR-Q5J
      {1, kOption, 4, ""},  // secret on the VR-Q70E
      {1, kOption, 1, "error 03-005 Option"},
      {0, kOption, 4, "error 03-005 Option"},
      {2, kOption, 1, "error 03-005 Option"},
      {3, kOption, 4, "error 03-005 Option"},
      {0, kOption, 5, "error 03-005 Option"},
      {0, kMode, 3, "error 03-005 Mode"},
      {0, kMode, 1.5, "error 03-005 Mode"},
      {0, kMode, -1, "error 03-005 Mode"},
      {0, kStep, 18, ""},
      {0, kStep, 19, "error 03-005 Step"},
      {0, kSecret, 29, "error 03-005 Secret code"},
      {0, kCarrier, 29, "error 03-005 Carrier"},
      {0, kTone, 38, ""},
      {0, kTone, 39, "error 03-005 Tone"},
      {0, kShiftDir, 3, "error 03-005 Shift"},
      {0, kSkip, 2, "error 03-005 Skip"},
      {0, kOffset, -0.6, "error 03-005 Offset"},
      {0, kOffset, 0.6000004, "warning 03-005 Offset"},
      {0, kFreq, 145.1234567, "warning 03-005 Frequency"},
  };
  for (const Case& c : cases) {
    Document doc = OfModel(c.model);
    Put(doc, 305, 145.0);
    doc.Mem[305].value[c.field] = c.value;
    Strings expected;
    if (*c.key) expected.push_back(c.key);
    EXPECT_EQ(Keys(doc), expected)
        << c.model << " " << c.field << " " << c.value;
  }

  Document doc = OfModel(1);
  Put(doc, 305, 145.0);
  doc.Mem[305].value[kOption] = 1;
  doc.Mem[305].value[kTone] = 300;
  auto findings = CheckBeforeWrite(doc);
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_EQ(findings[0].text,
            "Option Train (code 1) exists only on the VR-Q5J; a write to the "
            "VR-Q70E sends OFF, so the receiver gets no option.");
  EXPECT_EQ(findings[1].text,
            "Tone code 300 does not fit the record's one byte; a write sends "
            "255, which reads back as 0 (67.0Hz).");

  // The VFO bands carry the same codes.
  doc = OfModel(0);
  doc.Vfo[2].value[kOption] = 4;
  EXPECT_EQ(Keys(doc), Strings{"error VFO 2 Option"});
}

TEST(WriteCheckTest, NamesAWriteCutsOrChanges) {
  Document doc;
  Put(doc, 305, 145.0);
  Put(doc, 306, 146.0);
  Put(doc, 307, 147.0);
  doc.Mem[305].text[kName] = "SEVENCH";
  doc.Mem[306].text[kName] =
      "\xC3\x84"
      "B\x1B";
  doc.Mem[307].text[kName] = "ABCDEF  ";  // only blanks past the sixth
  auto findings = CheckBeforeWrite(doc);
  ASSERT_EQ(Keys(findings),
            (Strings{"warning 03-005 Name", "warning 03-006 Name"}));
  EXPECT_EQ(findings[0].text,
            "Name \"SEVENCH\" is longer than 6 characters; a write sends it as "
            "\"SEVENC\".");
  EXPECT_EQ(findings[1].text,
            "Name \"\\xC3\\x84B\\x1B\" has characters outside the codes 32 to "
            "126, which the receiver shows as blanks; a write sends it as "
            "\"  B\".");
}

TEST(WriteCheckTest, RepeatedFrequencies) {
  Document doc;
  Put(doc, 305, 145.5);
  Put(doc, 307, 145.5);
  Put(doc, 399, 145.5);
  Put(doc, 400, 145.5);  // bank 04: not a repeat
  auto findings = CheckBeforeWrite(doc);
  ASSERT_EQ(Keys(findings),
            (Strings{"warning 03-005 Frequency", "warning 03-007 Frequency",
                     "warning 03-099 Frequency"}));
  EXPECT_EQ(findings[0].text,
            "Bank 03 holds 145.500000 MHz more than once: also in 03-007 and "
            "03-099; a write sends every one of them.");
  EXPECT_NE(findings[2].text.find("also in 03-005 and 03-007"),
            std::string::npos);

  // Past five other rows, the rest are counted.
  doc = Document();
  for (int c = 0; c < 8; ++c) Put(doc, 100 + c, 88.0);
  findings = CheckBeforeWrite(doc);
  ASSERT_EQ(findings.size(), 8u);
  EXPECT_EQ(findings[0].text,
            "Bank 01 holds 88.000000 MHz more than once: also in 01-001, "
            "01-002, 01-003, 01-004, 01-005 and 2 more; a write sends every "
            "one of them.");

  // Search pass: another enabled search-pass slot (the edit dialog's rule)
  // and a memory channel.
  doc = Document();
  Put(doc, 3, 121.5);
  Put(doc, 1101, 121.5);
  Put(doc, 1104, 121.5);
  Put(doc, 1105, 122.0);
  Put(doc, 1106, 122.0);
  doc.MemFlag[1106] = 0;
  findings = CheckBeforeWrite(doc);
  ASSERT_EQ(Keys(findings),
            (Strings{"warning S1 Frequency", "warning S1 Frequency",
                     "warning S4 Frequency", "warning S4 Frequency"}));
  EXPECT_EQ(findings[0].text,
            "121.500000 MHz is also in S4; the edit dialog refuses the same "
            "frequency twice in Search Pass bank, and a write sends both.");
  EXPECT_EQ(findings[1].text,
            "121.500000 MHz is also the frequency of memory channel 00-003, so "
            "a search passes over it; a write sends both.");
}

TEST(WriteCheckTest, NotesAWriteDoesNotKeep) {
  Document doc;
  Put(doc, 305, 145.0);
  doc.Mem[305].text[kNote] = "repeater";
  EXPECT_EQ(Keys(doc), Strings{"warning 03-005 Note"});
  Put(doc, 1000, 118.0);
  doc.Mem[1000].text[kNote] = "airband";
  Put(doc, 1001, 137.0);  // no note
  auto findings = CheckBeforeWrite(doc);
  ASSERT_EQ(Keys(findings), Strings{"warning Channels Note"});
  EXPECT_EQ(findings[0].text.substr(0, 41),
            "2 channels have notes (03-005 to 0A); the");
  // The settings write carries the VFO bands, whose notes stay behind too.
  doc.Vfo[3].text[kNote] = "six metres";
  EXPECT_EQ(Keys(doc, {false, false, true}), Strings{"warning VFO 3 Note"});
}

TEST(WriteCheckTest, LinesAndCount) {
  Document doc;
  doc.BankSize[0] = 0;
  doc.BankSizeText[0] = "0";
  Put(doc, 1200, 145.0);
  doc.Mem[1200].text[kNote] = "x";
  auto findings = CheckBeforeWrite(doc);
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_TRUE(HasError(findings));
  EXPECT_EQ(FindingLine(findings[1]).substr(0, 29),
            "warning Pr0      Note        ");
  // A text as wide as its column or wider is still followed by a blank.
  EXPECT_EQ(
      FindingLine({FindingKind::kError, "Channels+", "Secret code!", "text"}),
      "error   Channels+ Secret code! text");
  EXPECT_EQ(FindingCountLine(findings), "1 error, 1 warning");
  EXPECT_EQ(FindingCountLine({}), "0 errors, 0 warnings");
  EXPECT_FALSE(HasError({}));
}

}  // namespace
}  // namespace vrq5
