// Every fixed value table, entry for entry, against the values written out
// by hand. A table that is built by a rule in the program is written out in
// full here, so that a wrong rule or a wrong entry shows at its index.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "codec/settings.h"
#include "codec/tables.h"
#include "store/entry.h"

namespace vrq5 {
namespace {

using Labels = std::vector<std::string_view>;

template <typename Table>
Labels Entries(const Table& table) {
  return Labels(table.begin(), table.end());
}

// Compares a table with its literal entries: the size, then every entry
// with its index.
template <typename Table>
void ExpectTable(std::string_view name, const Table& got, const Labels& want) {
  ASSERT_EQ(got.size(), want.size()) << name;
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(std::string_view(got[i]), want[i]) << name << " entry " << i;
  }
}

TEST(TablesPinnedTest, SingleTexts) {
  EXPECT_EQ(FileStartMark, "Korvex  VR-Q5  Clone  File Start");
  EXPECT_EQ(FileEndMark, "Korvex  VR-Q5  Clone  File   End");
  EXPECT_EQ(AppTitle, "Korvex VR-Q5/Q70 Clone Utility");
}

TEST(TablesPinnedTest, ChannelFieldLabels) {
  const Labels steps = {"5KHz",   "6.25KHz", "8.33KHz", "10KHz",  "12.5KHz",
                        "15KHz",  "20KHz",   "25KHz",   "30KHz",  "50KHz",
                        "100KHz", "125KHz",  "150KHz",  "200KHz", "500KHz",
                        "1MHz",   "1KHz",    "9KHz",    "",       ""};
  ExpectTable("StepName", StepName, steps);
  const Labels tones = {"67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",
                        "79.7Hz",  "82.5Hz",  "85.4Hz",  "88.5Hz",  "91.5Hz",
                        "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz", "107.2Hz",
                        "110.9Hz", "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz",
                        "131.8Hz", "136.5Hz", "141.3Hz", "146.2Hz", "151.4Hz",
                        "156.7Hz", "162.2Hz", "167.9Hz", "173.8Hz", "179.9Hz",
                        "186.2Hz", "192.8Hz", "203.5Hz", "210.7Hz", "218.1Hz",
                        "225.7Hz", "233.6Hz", "241.8Hz", "250.3Hz"};
  ExpectTable("ToneName", ToneName, tones);
  const Labels options = {"OFF", "Train", "Tone", "Rev.", "Scr"};
  ExpectTable("OptionName", OptionName, options);

  // The text routines of the channel fields give the same labels by code.
  std::vector<std::string> got;
  for (int code = 0; code < 20; ++code) got.push_back(StepText(code));
  ExpectTable("StepText", got, steps);
  got.clear();
  for (int code = 0; code < 39; ++code) got.push_back(ToneText(code));
  ExpectTable("ToneText", got, tones);
  got.clear();
  for (int code = 0; code < 5; ++code) {
    got.emplace_back(OptionText(code));
  }
  ExpectTable("OptionText", got, options);
  got.clear();
  for (int code = 0; code < 3; ++code) got.emplace_back(ModeText(code));
  ExpectTable("ModeText", got, {"FM", "AM", "WFM"});
  got.clear();
  for (int code = 0; code < 3; ++code) got.emplace_back(ShiftText(code));
  ExpectTable("ShiftText", got, {"OFF", "Shift+", "Shift-"});
  got.clear();
  for (int code = 0; code <= 28; ++code) got.push_back(CarrierText(code));
  ExpectTable("CarrierText", got,
              {"300Hz",  "400Hz",  "500Hz",  "600Hz",  "700Hz",  "800Hz",
               "900Hz",  "1000Hz", "1100Hz", "1200Hz", "1300Hz", "1400Hz",
               "1500Hz", "1600Hz", "1700Hz", "1800Hz", "1900Hz", "2000Hz",
               "2100Hz", "2200Hz", "2300Hz", "2400Hz", "2500Hz", "2600Hz",
               "2700Hz", "2800Hz", "2900Hz", "3000Hz", "JR"});
}

TEST(TablesPinnedTest, EditDialogCaptions) {
  ExpectTable("kWaveCaptions", kWaveCaptions, {"FM", "AM", "WFM"});
  ExpectTable("kOptionCaptions", kOptionCaptions,
              {"None", "Train", "Tone", "Reverse", "Secret"});
  ExpectTable("kShiftCaptions", kShiftCaptions, {"OFF", "+", "-"});
}

TEST(TablesPinnedTest, SettingsListItems) {
  ExpectTable(
      "ScanTimeName", ScanTimeName,
      {"BUSY",   "1 SEC",  "2 SEC",  "3 SEC",  "4 SEC",  "5 SEC",  "6 SEC",
       "7 SEC",  "8 SEC",  "9 SEC",  "10 SEC", "11 SEC", "12 SEC", "13 SEC",
       "14 SEC", "15 SEC", "16 SEC", "17 SEC", "18 SEC", "19 SEC", "20 SEC",
       "21 SEC", "22 SEC", "23 SEC", "24 SEC", "25 SEC"});
  ExpectTable(
      "ChargeTimeName", ChargeTimeName,
      {"1 hrs.",  "2 hrs.",  "3 hrs.",  "4 hrs.",  "5 hrs.",  "6 hrs.",
       "7 hrs.",  "8 hrs.",  "9 hrs.",  "10 hrs.", "11 hrs.", "12 hrs.",
       "13 hrs.", "14 hrs.", "15 hrs.", "16 hrs.", "17 hrs.", "18 hrs.",
       "19 hrs.", "20 hrs.", "21 hrs.", "22 hrs.", "23 hrs.", "24 hrs."});
  ExpectTable("SetModeName", SetModeName,
              {"MANUAL", " 5 SEC", " 6 SEC", " 7 SEC", " 8 SEC", " 9 SEC",
               "10 SEC", "11 SEC", "12 SEC", "13 SEC", "14 SEC", "15 SEC",
               "16 SEC", "17 SEC", "18 SEC", "19 SEC", "20 SEC", "21 SEC",
               "22 SEC", "23 SEC", "24 SEC", "25 SEC"});
  ExpectTable("WildKeyName", WildKeyName,
              {"ATT",    "ANTENA", "ABAR",   "SBAR",   "LAMP",   "SCANTP",
               "PRIO",   "TIMESP", "TIMEPR", "BAND",   "APO",    "BS",
               "BEEP",   "BELL",   "MONTYP", "MONFNC", "LOCBUG", "BUGSNS",
               "BUGTYP", "CHARGE", "CHGTIM", "SETMOD", "PROTCT", "SKIP",
               "WILDKY", "RMCN-A", "RMCN-B", "RMCN-C", "RMCN-D"});
  ExpectTable("RemoconKeyName", RemoconKeyName,
              {"UP",   "DOWN",   "V/P/M", "AUX IN", "TONE",   "REVTON", "TRAIN",
               "MONI", "BAND",   "PRIO",  "SPEED",  "AFTONE", "PLAY",   "REC",
               "ATT",  "ANTENA", "ABAR",  "SBAR",   "BEEP",   "BELL"});
  ExpectTable("TimeSpName", TimeSpName,
              {" 5-SEC", "10-SEC", "15-SEC", "20-SEC", "25-SEC", "30-SEC",
               "45-SEC", "60-SEC"});
}

// Each settings control with its caption and its members or list entries,
// in the order the blocks hold them.
TEST(TablesPinnedTest, SettingsControlsCaptionsAndMembers) {
  struct Row {
    std::string_view control;
    std::string_view caption;
    Labels items;  // empty: a check box or a slider
  };
  // The lists are pinned entry for entry in SettingsListItems.
  const Labels scan = Entries(ScanTimeName);
  const Labels speeds = {"1", "2", "3", "4", "5"};
  const Labels remocon = {"UP",     "DOWN",   "V/P/M", "AUX IN", "TONE",
                          "REVTON", "TRAIN",  "MONI",  "BAND",   "PRIO",
                          "SPEED",  "AFTONE", "PLAY",  "REC",    "ATT",
                          "ANTENA", "ABAR",   "SBAR",  "BEEP",   "BELL"};
  const std::vector<Row> rows = {
      {"chkATT", "Attenuator", {}},
      {"optAntenna", "Antenna", {"SMA", "EAR"}},
      {"chkBarAM", "AM bar antenna", {}},
      {"chkBarSW", "SW bar antenna", {}},
      {"optLamp", "Lamp", {"OFF", "5sec", "ON", "ALL OFF"}},
      {"cbbScan", "Scan", scan},
      {"cbbTimePr", "Time Pr", scan},
      {"optBand", "Band Transition", {"Rotate", "Across"}},
      {"opbAPO", "Auto Power Off", {"Off", "30", "60", "90"}},
      {"chkBS", "Battery Save", {}},
      {"chkBeep", "Beep", {}},
      {"chkBell", "Bell", {}},
      {"opbKeyFunc", "MONI key Function", {"Push", "Hold"}},
      {"opbMONI", "MONI key", {"Monitor", "Mute"}},
      {"optLockBug", "Lock BUG", {"ENABLE", "DISABLE"}},
      {"opbBug", "Bug Sensitive Level", speeds},
      {"optBugType", "Bug Type", {"SILENT", "SOUND"}},
      {"chkCharge", "Charge", {}},
      {"cbbChargeTime", "Charge Time", Entries(ChargeTimeName)},
      {"cbbSetMode", "Set Mode", Entries(SetModeName)},
      {"optSkip", "Scan TYPE", {"No SKIP", "SKIP"}},
      {"cbbWildKey", "Wild Key", Entries(WildKeyName)},
      {"cbbRemocon(0)", "Remote Controller A", remocon},
      {"cbbRemocon(1)", "Remote Controller B", remocon},
      {"cbbRemocon(2)", "Remote Controller C", remocon},
      {"cbbRemocon(3)", "Remote Controller D", remocon},
      {"Slider1", "AF volume level", {}},
      {"Slider2", "Squelch level", {}},
      {"optRecRate", "Rec. Rate", {"LONG", "NORMAL", "CLEAR", "HIGH-Q"}},
      {"optVscanSpeed", "VFO Scan Speed", speeds},
      {"optMscanSpeed", "Memory Scan Speed", speeds},
      {"opbKeyLock", "Key Lock", {"NON", "QUICK", "NORMAL"}},
      {"optAfTone", "AF Tone", {"Low", "High"}},
      {"chkAutoWave", "Auto Wave", {}},
      {"chkAutoStep", "Auto Step", {}},
      {"opbOpMode", "Operating Mode", {"VFO", "Preset", "Memory"}},
      {"cbbTimeSp", "Time Sp", Entries(TimeSpName)},
  };
  const auto& fields = SettingFields();
  ASSERT_EQ(fields.size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    const SettingField& f = fields[i];
    EXPECT_EQ(f.control, row.control) << "field " << i;
    EXPECT_EQ(f.caption, row.caption) << row.control;
    ExpectTable(row.control, f.items, row.items);
  }
}

TEST(TablesPinnedTest, ProgramScanLabels) {
  ExpectTable(
      "ProgramScanLabel", ProgramScanLabel,
      {"P0A",  "P0B",  "P1A",  "P1B",  "P2A",  "P2B",  "P3A",  "P3B",  "P4A",
       "P4B",  "P5A",  "P5B",  "P6A",  "P6B",  "P7A",  "P7B",  "P8A",  "P8B",
       "P9A",  "P9B",  "P10A", "P10B", "P11A", "P11B", "P12A", "P12B", "P13A",
       "P13B", "P14A", "P14B", "P15A", "P15B", "P16A", "P16B", "P17A", "P17B",
       "P18A", "P18B", "P19A", "P19B", "P20A", "P20B", "P21A", "P21B", "P22A",
       "P22B", "P23A", "P23B", "P24A", "P24B", "P25A", "P25B", "P26A", "P26B",
       "P27A", "P27B", "P28A", "P28B", "P29A", "P29B", "P30A", "P30B", "P31A",
       "P31B", "P32A", "P32B", "P33A", "P33B", "P34A", "P34B", "P35A", "P35B",
       "P36A", "P36B", "P37A", "P37B", "P38A", "P38B", "P39A", "P39B", "P40A",
       "P40B", "P41A", "P41B", "P42A", "P42B", "P43A", "P43B", "P44A", "P44B",
       "P45A", "P45B", "P46A", "P46B", "P47A", "P47B", "P48A", "P48B", "P49A",
       "P49B"});
}

TEST(TablesPinnedTest, ModelNames) {
  ExpectTable(
      "ModelName", ModelName,
      {"VR-Q5J", "VR-Q70E", "VR-Q70T", "VR-Q70K", "VR-M2 T", "VR-M2 E"});
  EXPECT_EQ(kModelCount, 4);
  EXPECT_EQ(kModelOptionCount, 6);
}

TEST(TablesPinnedTest, BandRangeTexts) {
  const Labels q70t = {"(0.1-0.529MHz)",
                       "(0.530-28.995MHz)",
                       "(29.000-59.745MHz)",
                       "(59.750-107.995MHz)",
                       "(108.000-215.995MHz)",
                       "(216.000-399.995MHz)",
                       "(400.000-959.995MHz)",
                       "(960.000-1299.995MHz)",
                       "",
                       "",
                       "",
                       "",
                       "",
                       ""};
  const std::vector<Labels> columns = {
      {"(0.1-0.530MHz)", "(0.531-1.620MHz)", "(1.625-49.995MHz)",
       "(50.000-75.995MHz)", "(76.000-107.995MHz)", "(108.000-141.995MHz)",
       "(142.000-169.995MHz)", "(170.000-221.995MHz)", "(222.000-335.995MHz)",
       "(336.000-429.995MHz)", "(430.000-469.995MHz)", "(470.000-769.995MHz)",
       "(770.000-959.995MHz)", "(960.000-1299.995MHz)"},
      {"(0.1-0.521MHz)", "(0.522-1.620MHz)", "(1.625-49.995MHz)",
       "(50.000-75.995MHz)", "(76.000-107.995MHz)", "(108.000-141.995MHz)",
       "(142.000-169.995MHz)", "(170.000-229.995MHz)", "(230.000-335.995MHz)",
       "(336.000-429.995MHz)", "(430.000-469.995MHz)", "(470.000-869.995MHz)",
       "(870.000-959.995MHz)", "(960.000-1299.995MHz)"},
      q70t,
      q70t,
  };
  ASSERT_EQ(BandRangeText.size(), columns.size());
  for (size_t c = 0; c < columns.size(); ++c) {
    ExpectTable("BandRangeText column " + std::to_string(c), BandRangeText[c],
                columns[c]);
  }
}

TEST(TablesPinnedTest, BandLimits) {
  using Limits = std::vector<std::array<double, 2>>;
  const Limits q70t = {{0.1, 0.529},     {0.530, 28.995},  {29.0, 59.745},
                       {59.75, 107.995}, {108.0, 215.995}, {216.0, 399.995},
                       {400.0, 959.995}, {960.0, 1299.995}};
  std::vector<Limits> columns = {
      {{0.1, 0.530},
       {0.531, 1.620},
       {1.625, 49.995},
       {50.0, 75.995},
       {76.0, 107.995},
       {108.0, 141.995},
       {142.0, 169.995},
       {170.0, 221.995},
       {222.0, 335.995},
       {336.0, 429.995},
       {430.0, 469.995},
       {470.0, 769.995},
       {770.0, 959.995},
       {960.0, 1299.995}},
      {{0.1, 0.521},
       {0.522, 1.620},
       {1.625, 49.995},
       {50.0, 75.995},
       {76.0, 107.995},
       {108.0, 141.995},
       {142.0, 169.995},
       {170.0, 229.995},
       {230.0, 335.995},
       {336.0, 429.995},
       {430.0, 469.995},
       {470.0, 869.995},
       {870.0, 959.995},
       {960.0, 1299.995}},
      q70t,
      q70t,
  };
  // The VR-Q70T keeps its two blocked ranges in rows 8 and 9; every other
  // unlabelled row is zero.
  columns[2].push_back({824.0, 849.995});
  columns[2].push_back({869.0, 894.995});
  for (auto& column : columns) column.resize(14, {0.0, 0.0});

  ASSERT_EQ(BandLimit.size(), columns.size());
  for (size_t c = 0; c < columns.size(); ++c) {
    ASSERT_EQ(BandLimit[c].size(), columns[c].size());
    for (size_t r = 0; r < columns[c].size(); ++r) {
      EXPECT_EQ(BandLimit[c][r][0], columns[c][r][0])
          << "column " << c << " row " << r << " lowest";
      EXPECT_EQ(BandLimit[c][r][1], columns[c][r][1])
          << "column " << c << " row " << r << " highest";
    }
  }
}

}  // namespace
}  // namespace vrq5
