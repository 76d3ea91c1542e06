// The VFO band editor's rules and the VFO grid's cells, per model.
#include <gtest/gtest.h>

#include "store/document.h"
#include "store/entry.h"
#include "store/grid.h"

namespace vrq5 {
namespace {

// Steps 0..15 (5KHz .. 1MHz) enabled, 16 and 17 not.
std::array<bool, kStepButtons> CommonSteps() {
  std::array<bool, kStepButtons> steps{};
  for (int i = 0; i < 16; ++i) steps[i] = true;
  return steps;
}

std::array<bool, kStepButtons> OnlyStep(int step) {
  std::array<bool, kStepButtons> steps{};
  steps[step] = true;
  return steps;
}

TEST(VfoEntryTest, StepRulesPerBandRowAndModel) {
  Document doc;  // VR-Q5J defaults
  EntryControls c;
  ASSERT_TRUE(OpenVfoEntry(doc, 0, c));
  EXPECT_EQ(c.opbStepEnabled, OnlyStep(16));
  EXPECT_EQ(c.opbStep, 16);
  EXPECT_EQ(c.txtFreq, "0.100000");
  ASSERT_TRUE(OpenVfoEntry(doc, 1, c));
  EXPECT_EQ(c.opbStepEnabled, OnlyStep(17));
  EXPECT_EQ(c.opbStep, 17);
  ASSERT_TRUE(OpenVfoEntry(doc, 5, c));  // 118 MHz AM 25KHz
  EXPECT_EQ(c.opbStepEnabled, CommonSteps());
  EXPECT_EQ(c.opbStep, 7);
  EXPECT_EQ(c.opbWave, 1);
  // A band storing 1KHz opened on row 3 shows 12.5KHz.
  doc.Vfo[3].value[kStep] = 16;
  ASSERT_TRUE(OpenVfoEntry(doc, 3, c));
  EXPECT_EQ(c.opbStep, 4);

  doc.SelectModel(2);  // VR-Q70T: eight bands
  ASSERT_TRUE(OpenVfoEntry(doc, 1, c));
  EXPECT_EQ(c.opbStepEnabled, CommonSteps());
  EXPECT_EQ(c.opbStep, 3);  // its stored 10KHz
  doc.Vfo[1].value[kStep] = 9;
  ASSERT_TRUE(OpenVfoEntry(doc, 1, c));
  EXPECT_EQ(c.opbStep, 9);
  doc.Vfo[1].value[kStep] = 17;
  ASSERT_TRUE(OpenVfoEntry(doc, 1, c));
  EXPECT_EQ(c.opbStep, 3);
  ASSERT_TRUE(OpenVfoEntry(doc, 7, c));
  for (int band = 8; band < 14; ++band) {
    EXPECT_FALSE(OpenVfoEntry(doc, band, c)) << band;
  }
  doc.SelectModel(3);
  EXPECT_FALSE(OpenVfoEntry(doc, 13, c));
  EXPECT_TRUE(OpenVfoEntry(doc, 0, c));
}

TEST(VfoEntryTest, OptionsAndListsPerModel) {
  Document doc;
  doc.Vfo[4].value[kOption] = 4;  // secret, which the VR-Q5J lacks
  doc.Vfo[4].value[kCarrier] = 0;
  EntryControls c;
  ASSERT_TRUE(OpenVfoEntry(doc, 4, c));
  EXPECT_EQ(c.opbTone, 0);
  EXPECT_FALSE(c.opbToneEnabled[4]);
  EXPECT_TRUE(c.cbbAirEnabled);
  EXPECT_EQ(c.cbbAir, 0);
  EXPECT_FALSE(c.cbbSecEnabled);
  EXPECT_EQ(c.cbbSec, -1);

  doc.SelectModel(1);
  doc.Vfo[4].value[kOption] = 1;  // train, which the VR-Q70E lacks
  ASSERT_TRUE(OpenVfoEntry(doc, 4, c));
  EXPECT_EQ(c.opbTone, 0);
  EXPECT_TRUE(c.cbbSecEnabled);
  EXPECT_EQ(c.cbbSec, 11);
  EXPECT_FALSE(c.cbbAirEnabled);
  EXPECT_EQ(VfoCell(doc, 4, 4), "OFF");
  EXPECT_EQ(doc.Vfo[4].text[kOption], "OFF");  // the grid never writes back

  EntryLabels labels = VfoEntryLabels(0, 5);
  EXPECT_EQ(labels.caption, "Modify VFO");
  EXPECT_EQ(labels.lblMode, "VFO");
  EXPECT_EQ(labels.lblCH, "Band 5");
  EXPECT_EQ(labels.lblMHz, "(108.000-141.995MHz)");
  EXPECT_EQ(VfoEntryLabels(2, 6).lblMHz, "(400.000-959.995MHz)");
}

TEST(VfoEntryTest, FrequencyLimitsAndTheCellularBand) {
  Document doc;
  BoxCheck check = CheckVfoFrequency(doc, 5, 0, "150");
  EXPECT_EQ(check.text, "118.000000");
  EXPECT_FALSE(check.message);
  // Why: the band's limits in the model's column.
  EXPECT_EQ(check.refusal, (Refusal{.kind = Refusal::Kind::kBandLimits,
                                    .low = 108,
                                    .high = 141.995}));
  EXPECT_EQ(CheckVfoFrequency(doc, 5, 0, "120").refusal, Refusal{});
  EXPECT_EQ(CheckVfoFrequency(doc, 5, 0, "141.995").text, "141.995000");
  EXPECT_EQ(CheckVfoFrequency(doc, 5, 0, "108").text, "108.000000");
  EXPECT_EQ(CheckVfoFrequency(doc, 5, 0, "107.995").text, "118.000000");

  doc.SelectModel(2);
  check = CheckVfoFrequency(doc, 6, 2, "824.5");
  ASSERT_TRUE(check.message);
  EXPECT_EQ(check.message->title, "Frequency of the cellular phone");
  EXPECT_EQ(check.text, "400.000000");
  EXPECT_EQ(
      check.refusal,
      (Refusal{.kind = Refusal::Kind::kCellular, .low = 824, .high = 849.995}));
  check = CheckVfoFrequency(doc, 6, 2, "900");
  EXPECT_FALSE(check.message);
  EXPECT_EQ(check.text, "900.000000");
  // The VR-Q70K has no blocked range.
  doc.SelectModel(3);
  EXPECT_FALSE(CheckVfoFrequency(doc, 6, 3, "824.5").message);
}

TEST(VfoEntryTest, OkStoresTheBandAndNothingElse) {
  Document doc;
  Document before = doc;
  EntryControls c;
  ASSERT_TRUE(OpenVfoEntry(doc, 6, c));
  c.txtFreq = "146.5";
  c.opbWave = 2;
  c.opbStep = 9;
  c.opbTone = 3;
  c.cbbAir = 0;
  c.cbbTxTone = 12;
  c.opbSift = 2;
  c.txtShift = "0.6";
  c.txtNote = "repeaters";
  StoreVfoEntry(doc, 6, c);
  const Slot& b = doc.Vfo[6];
  EXPECT_EQ(b.text[kFreq], "146.500000");
  EXPECT_EQ(b.text[kMode], "WFM");
  EXPECT_EQ(b.text[kStep], "50KHz");
  EXPECT_EQ(b.text[kOption], "Rev.");
  EXPECT_EQ(b.text[kSecret], "11");  // no secret-code list on the VR-Q5J
  EXPECT_EQ(b.text[kCarrier], "300Hz");
  EXPECT_EQ(b.text[kTone], "100.0Hz");
  EXPECT_EQ(b.text[kShiftDir], "Shift-");
  EXPECT_EQ(b.text[kOffset], "0.600000");
  EXPECT_EQ(b.text[kNote], "repeaters");
  EXPECT_EQ(doc.DataChanged, -1);
  EXPECT_EQ(doc.Mem, before.Mem);
  for (int band = 0; band < kVfoBands; ++band) {
    if (band != 6) {
      EXPECT_EQ(doc.Vfo[band], before.Vfo[band]) << band;
    }
  }
}

TEST(VfoGridTest, CellsPerModel) {
  Document doc;
  // Columns 1..11 are the band's text fields 0..10.
  EXPECT_EQ(VfoCell(doc, 1, 0), "1");
  EXPECT_EQ(VfoCell(doc, 1, 1), "0.531000");
  EXPECT_EQ(VfoCell(doc, 1, 3), "9KHz");
  EXPECT_EQ(VfoCell(doc, 1, 5), "11");
  EXPECT_EQ(VfoCell(doc, 1, 6), "JR");
  EXPECT_EQ(VfoCell(doc, 1, 7), "88.5Hz");
  doc.Vfo[1].text[kOption] = "Scr";
  EXPECT_EQ(VfoCell(doc, 1, 4), "OFF");

  doc.SelectModel(1);
  EXPECT_EQ(VfoCell(doc, 1, 1), "0.522000");
  EXPECT_EQ(VfoCell(doc, 1, 6), "11");  // the secret code

  doc.SelectModel(2);
  EXPECT_EQ(VfoCell(doc, 7, 1), "960.000000");
  EXPECT_EQ(VfoCell(doc, 7, 5), "-");
  EXPECT_EQ(VfoCell(doc, 7, 6), "-");
  for (int column = 1; column < 12; ++column) {
    EXPECT_EQ(VfoCell(doc, 8, column), "-") << column;
    EXPECT_EQ(VfoCell(doc, 13, column), "-") << column;
  }
  EXPECT_EQ(VfoCell(doc, 13, 0), "13");
}

}  // namespace
}  // namespace vrq5
