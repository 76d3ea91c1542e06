// The default VFO bands, the band limits, the step rules of the band editor
// and the default settings texts of every model, against values written out
// by hand.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "codec/settings.h"
#include "store/document.h"
#include "store/entry.h"

namespace vrq5 {
namespace {

// One default band row: fields 0..8, value and text.
struct BandRow {
  double freq;
  std::string_view freq_text;
  int mode;
  std::string_view mode_text;
  int step;
  std::string_view step_text;
  int secret;
  std::string_view secret_text;
  double offset;
  std::string_view offset_text;
};

using BandTable = std::vector<BandRow>;

// Band 8 is AM in value and text alike: the value is what the receiver and
// clone files have always received.
const BandTable kQ5J = {
    {0.1, "0.100000", 1, "AM", 16, "1KHz", 11, "11", 0.25, "0.250000"},
    {0.531, "0.531000", 1, "AM", 17, "9KHz", 11, "11", 1.0, "1.000000"},
    {2.0, "2.000000", 1, "AM", 0, "5KHz", 11, "11", 1.0, "1.000000"},
    {51.0, "51.000000", 0, "FM", 0, "5KHz", 11, "11", 1.0, "1.000000"},
    {76.0, "76.000000", 2, "WFM", 10, "100KHz", 11, "11", 1.0, "1.000000"},
    {118.0, "118.000000", 1, "AM", 7, "25KHz", 11, "11", 1.0, "1.000000"},
    {145.0, "145.000000", 0, "FM", 6, "20KHz", 11, "11", 0.6, "0.600000"},
    {175.75, "175.750000", 2, "WFM", 9, "50KHz", 11, "11", 6.0, "6.000000"},
    {270.0, "270.000000", 1, "AM", 4, "12.5KHz", 11, "11", 9.0, "9.000000"},
    {380.0, "380.000000", 0, "FM", 4, "12.5KHz", 11, "11", 16.5, "16.500000"},
    {433.0, "433.000000", 0, "FM", 6, "20KHz", 11, "11", 16.5, "16.500000"},
    {475.75, "475.750000", 2, "WFM", 9, "50KHz", 11, "11", 6.0, "6.000000"},
    {806.0, "806.000000", 2, "WFM", 6, "20KHz", 11, "11", 55.0, "55.000000"},
    {1295.0, "1295.000000", 0, "FM", 6, "20KHz", 11, "11", 20.0, "20.000000"},
};

const BandTable kQ70E = {
    {0.1, "0.100000", 1, "AM", 16, "1KHz", 11, "11", 0.25, "0.250000"},
    {0.522, "0.522000", 1, "AM", 17, "9KHz", 11, "11", 1.0, "1.000000"},
    {1.625, "1.625000", 1, "AM", 0, "5KHz", 11, "11", 1.0, "1.000000"},
    {51.0, "51.000000", 0, "FM", 0, "5KHz", 11, "11", 1.0, "1.000000"},
    {87.6, "87.600000", 2, "WFM", 10, "100KHz", 11, "11", 1.0, "1.000000"},
    {118.0, "118.000000", 1, "AM", 7, "25KHz", 11, "11", 1.0, "1.000000"},
    {145.0, "145.000000", 0, "FM", 4, "12.5KHz", 11, "11", 0.6, "0.600000"},
    {180.75, "180.750000", 2, "WFM", 9, "50KHz", 11, "11", 6.0, "6.000000"},
    {270.0, "270.000000", 1, "AM", 4, "12.5KHz", 11, "11", 9.0, "9.000000"},
    {380.0, "380.000000", 0, "FM", 4, "12.5KHz", 11, "11", 16.5, "16.500000"},
    {433.0, "433.000000", 0, "FM", 4, "12.5KHz", 11, "11", 16.5, "16.500000"},
    {476.75, "476.750000", 2, "WFM", 9, "50KHz", 11, "11", 6.0, "6.000000"},
    {806.0, "806.000000", 2, "WFM", 6, "20KHz", 11, "11", 55.0, "55.000000"},
    {1295.0, "1295.000000", 0, "FM", 6, "20KHz", 11, "11", 20.0, "20.000000"},
};

// The VR-Q70T and VR-Q70K (and model options 4 and 5).
const BandTable kQ70T = {
    {0.1, "0.100000", 1, "AM", 16, "1KHz", 8, "8", 0.25, "0.250000"},
    {0.53, "0.530000", 1, "AM", 3, "10KHz", 8, "8", 1.0, "1.000000"},
    {29.0, "29.000000", 0, "FM", 3, "10KHz", 8, "8", 1.0, "1.000000"},
    {59.75, "59.750000", 2, "WFM", 3, "10KHz", 8, "8", 1.0, "1.000000"},
    {145.0, "145.000000", 0, "FM", 3, "10KHz", 8, "8", 0.6, "0.600000"},
    {216.0, "216.000000", 0, "FM", 3, "10KHz", 8, "8", 9.0, "9.000000"},
    {400.0, "400.000000", 0, "FM", 3, "10KHz", 8, "8", 5.0, "5.000000"},
    {960.0, "960.000000", 0, "FM", 3, "10KHz", 8, "8", 20.0, "20.000000"},
    {270.0, "270.000000", 1, "AM", 4, "12.5KHz", 11, "11", 9.0, "9.000000"},
    {380.0, "380.000000", 0, "FM", 4, "12.5KHz", 11, "11", 16.5, "16.500000"},
    {433.0, "433.000000", 0, "FM", 4, "12.5KHz", 11, "11", 16.5, "16.500000"},
    {476.75, "476.750000", 2, "WFM", 9, "50KHz", 11, "11", 6.0, "6.000000"},
    {806.0, "806.000000", 2, "WFM", 6, "20KHz", 11, "11", 55.0, "55.000000"},
    {1295.0, "1295.000000", 0, "FM", 6, "20KHz", 11, "11", 20.0, "20.000000"},
};

const BandTable& DefaultsOf(int model_option) {
  if (model_option == 0) return kQ5J;
  if (model_option == 1) return kQ70E;
  return kQ70T;
}

TEST(VfoDefaultsPinnedTest, EveryBandOfEveryModel) {
  for (int model = 0; model < 6; ++model) {
    Document doc;
    for (auto& band : doc.Vfo) {
      band.text[kNote] = "kept note";
      band.text[kName] = "NAME";
    }
    doc.SelectModel(model);
    const BandTable& want = DefaultsOf(model);
    ASSERT_EQ(want.size(), static_cast<size_t>(kVfoBands));
    for (int b = 0; b < kVfoBands; ++b) {
      const BandRow& w = want[b];
      const Slot& got = doc.Vfo[b];
      SCOPED_TRACE("model option " + std::to_string(model) + " band " +
                   std::to_string(b));
      EXPECT_EQ(got.value[kFreq], w.freq);
      EXPECT_EQ(got.text[kFreq], w.freq_text);
      EXPECT_EQ(got.value[kMode], w.mode);
      EXPECT_EQ(got.text[kMode], w.mode_text);
      EXPECT_EQ(got.value[kStep], w.step);
      EXPECT_EQ(got.text[kStep], w.step_text);
      EXPECT_EQ(got.value[kOption], 0);
      EXPECT_EQ(got.text[kOption], "OFF");
      EXPECT_EQ(got.value[kSecret], w.secret);
      EXPECT_EQ(got.text[kSecret], w.secret_text);
      EXPECT_EQ(got.value[kCarrier], 28);
      EXPECT_EQ(got.text[kCarrier], "JR");
      EXPECT_EQ(got.value[kTone], 8);
      EXPECT_EQ(got.text[kTone], "88.5Hz");
      EXPECT_EQ(got.value[kShiftDir], 0);
      EXPECT_EQ(got.text[kShiftDir], "OFF");
      EXPECT_EQ(got.value[kOffset], w.offset);
      EXPECT_EQ(got.text[kOffset], w.offset_text);
      // The note and the name are not defaults of the band.
      EXPECT_EQ(got.text[kNote], "kept note");
      EXPECT_EQ(got.text[kName], "NAME");
    }
  }
}

// Lowest and highest frequency of every band row a model has.
struct Limits {
  double low, high;
};
const std::vector<Limits> kQ5JLimits = {
    {0.1, 0.530},     {0.531, 1.620},   {1.625, 49.995},  {50.0, 75.995},
    {76.0, 107.995},  {108.0, 141.995}, {142.0, 169.995}, {170.0, 221.995},
    {222.0, 335.995}, {336.0, 429.995}, {430.0, 469.995}, {470.0, 769.995},
    {770.0, 959.995}, {960.0, 1299.995}};
const std::vector<Limits> kQ70ELimits = {
    {0.1, 0.521},     {0.522, 1.620},   {1.625, 49.995},  {50.0, 75.995},
    {76.0, 107.995},  {108.0, 141.995}, {142.0, 169.995}, {170.0, 229.995},
    {230.0, 335.995}, {336.0, 429.995}, {430.0, 469.995}, {470.0, 869.995},
    {870.0, 959.995}, {960.0, 1299.995}};
const std::vector<Limits> kQ70TLimits = {
    {0.1, 0.529},     {0.530, 28.995},  {29.0, 59.745},   {59.75, 107.995},
    {108.0, 215.995}, {216.0, 399.995}, {400.0, 959.995}, {960.0, 1299.995}};

const std::vector<Limits>& LimitsOf(int model) {
  if (model == 0) return kQ5JLimits;
  if (model == 1) return kQ70ELimits;
  return kQ70TLimits;
}

TEST(VfoLimitsPinnedTest, BothEndsOfEveryBandRow) {
  for (int model = 0; model < 4; ++model) {
    const auto& limits = LimitsOf(model);
    for (int b = 0; b < kVfoBands; ++b) {
      SCOPED_TRACE("model " + std::to_string(model) + " band " +
                   std::to_string(b));
      bool exists = b < static_cast<int>(limits.size());
      EXPECT_EQ(VfoBandExists(model, b), exists);
      if (!exists) continue;
      const Limits& l = limits[b];
      EXPECT_EQ(VfoFrequencyVerdict(b, model, l.low),
                FrequencyVerdict::kAllowed);
      EXPECT_EQ(VfoFrequencyVerdict(b, model, l.high),
                FrequencyVerdict::kAllowed);
      EXPECT_EQ(VfoFrequencyVerdict(b, model, l.low - 0.001),
                FrequencyVerdict::kOutOfRange);
      EXPECT_EQ(VfoFrequencyVerdict(b, model, l.high + 0.001),
                FrequencyVerdict::kOutOfRange);
      // Every default band lies inside its own row but one: bands 8..13
      // default alike on every model after the VR-Q5J, and 806 MHz lies
      // below the VR-Q70E's band 12 (870.000-959.995). The band editor
      // then restores the stored 806 MHz on any frequency typed outside
      // the row.
      Document doc;
      doc.SelectModel(model);
      bool outside = model == 1 && b == 12;
      EXPECT_EQ(
          VfoFrequencyVerdict(b, model, doc.Vfo[b].value[kFreq]),
          outside ? FrequencyVerdict::kOutOfRange : FrequencyVerdict::kAllowed);
    }
  }
}

TEST(VfoLimitsPinnedTest, CellularRangesOfTheQ70T) {
  struct Row {
    double mhz;
    bool blocked;
  };
  const Row rows[] = {
      {823.995, false}, {824.0, true},    {836.5, true},  {849.995, true},
      {850.0, false},   {868.995, false}, {869.0, true},  {880.0, true},
      {894.995, true},  {895.0, false},   {900.0, false}, {400.0, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.mhz);
    EXPECT_EQ(CheckCellularFrequency(row.mhz), !row.blocked);
    // Only band 6 of the VR-Q70T refuses them; the VR-Q70K does not.
    EXPECT_EQ(
        VfoFrequencyVerdict(6, 2, row.mhz),
        row.blocked ? FrequencyVerdict::kCellular : FrequencyVerdict::kAllowed);
    EXPECT_EQ(VfoFrequencyVerdict(6, 3, row.mhz), FrequencyVerdict::kAllowed);
    // Memory channels of the VR-Q70T are refused the same ranges.
    Document doc;
    EXPECT_EQ(
        MemoryFrequencyVerdict(doc, 0, 2, row.mhz),
        row.blocked ? FrequencyVerdict::kCellular : FrequencyVerdict::kAllowed);
    EXPECT_EQ(MemoryFrequencyVerdict(doc, 0, 3, row.mhz),
              FrequencyVerdict::kAllowed);
  }
}

// Steps of the band editor by band row and model: which step buttons are
// enabled, the step selected for the default band, and the step selected
// for a band that stores 9KHz (17), which most rows do not offer.
TEST(VfoStepRulesPinnedTest, ByBandRowAndModel) {
  enum Steps { kOnly1K, kOnly9K, k5KTo1M };
  struct Row {
    int model;
    int band;
    Steps steps;
    int selected;          // for the default band
    int selected_for_9k;   // for a stored step 17
    int selected_for_50k;  // for a stored step 9
  };
  const Row rows[] = {
      {0, 0, kOnly1K, 16, 16, 16}, {0, 1, kOnly9K, 17, 17, 17},
      {0, 2, k5KTo1M, 0, 4, 9},    {0, 4, k5KTo1M, 10, 4, 9},
      {0, 6, k5KTo1M, 6, 4, 9},    {0, 13, k5KTo1M, 6, 4, 9},
      {1, 0, kOnly1K, 16, 16, 16}, {1, 1, kOnly9K, 17, 17, 17},
      {1, 6, k5KTo1M, 4, 4, 9},    {1, 11, k5KTo1M, 9, 4, 9},
      {2, 0, kOnly1K, 16, 16, 16}, {2, 1, k5KTo1M, 3, 3, 9},
      {2, 2, k5KTo1M, 3, 4, 9},    {2, 7, k5KTo1M, 3, 4, 9},
      {3, 0, kOnly1K, 16, 16, 16}, {3, 1, k5KTo1M, 3, 3, 9},
      {3, 6, k5KTo1M, 3, 4, 9},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE("model " + std::to_string(row.model) + " band " +
                 std::to_string(row.band));
    std::array<bool, kStepButtons> want{};
    if (row.steps == kOnly1K) want[16] = true;
    if (row.steps == kOnly9K) want[17] = true;
    if (row.steps == k5KTo1M) {
      for (int i = 0; i <= 15; ++i) want[i] = true;
    }
    Document doc;
    doc.SelectModel(row.model);
    EntryControls c;
    ASSERT_TRUE(OpenVfoEntry(doc, row.band, c));
    EXPECT_EQ(c.opbStepEnabled, want);
    EXPECT_EQ(c.opbStep, row.selected);
    doc.Vfo[row.band].value[kStep] = 17;
    ASSERT_TRUE(OpenVfoEntry(doc, row.band, c));
    EXPECT_EQ(c.opbStep, row.selected_for_9k);
    doc.Vfo[row.band].value[kStep] = 9;
    ASSERT_TRUE(OpenVfoEntry(doc, row.band, c));
    EXPECT_EQ(c.opbStep, row.selected_for_50k);
  }
}

TEST(SettingsDefaultsPinnedTest, DefaultTextsPerModelOption) {
  const std::string_view first1 =
      "A5000000000100000000000100000000010200010C0401010208000100141403";
  const std::string_view other1 =
      "A5000000000100000000000100000000010200000C0401020208000100141403";
  const std::string_view q5j2 =
      "0B0600010202000100000000000000001400000000000000FFFFFFFFFFFFFFFF";
  const std::string_view q70e2 =
      "0B060001020200010000000000000000140000000000000000FFFFFFFFFFFFFF";
  const std::string_view other2 =
      "0B040001020200010000000000000000140000000000000000FFFFFFFFFFFFFF";
  struct Row {
    int model_option;
    std::string_view block1, block2;
  };
  const Row rows[] = {
      {0, first1, q5j2},   {1, other1, q70e2},  {2, other1, other2},
      {3, other1, other2}, {4, other1, other2}, {5, other1, other2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE("model option " + std::to_string(row.model_option));
    EXPECT_EQ(DefaultSettings1(row.model_option), row.block1);
    EXPECT_EQ(DefaultSettings2(row.model_option), row.block2);
    // A new document of the model holds the same texts, unchanged by the
    // decoding.
    Document doc;
    doc.SelectModel(row.model_option);
    EXPECT_EQ(doc.SettingsHex1, row.block1);
    EXPECT_EQ(doc.SettingsHex2, row.block2);
    // A damaged block 1 brings back both defaults of the selected model.
    doc.SettingsHex1 = "5A";
    doc.SettingsHex2.clear();
    doc.DecodeSettings();
    EXPECT_EQ(doc.SettingsHex1, row.block1);
    EXPECT_EQ(doc.SettingsHex2, row.block2);
  }
  // The start-up document is the VR-Q5J's.
  Document doc;
  EXPECT_EQ(doc.SettingsHex1, first1);
  EXPECT_EQ(doc.SettingsHex2, q5j2);
}

}  // namespace
}  // namespace vrq5
