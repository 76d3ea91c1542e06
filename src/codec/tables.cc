#include "codec/tables.h"

#include <cstdlib>
#include <string>

namespace vrq5 {

const std::array<std::string_view, 20> StepName = {
    "5KHz",   "6.25KHz", "8.33KHz", "10KHz",  "12.5KHz", "15KHz",  "20KHz",
    "25KHz",  "30KHz",   "50KHz",   "100KHz", "125KHz",  "150KHz", "200KHz",
    "500KHz", "1MHz",    "1KHz",    "9KHz",   "",        ""};

const std::array<std::string_view, 39> ToneName = {
    "67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",
    "85.4Hz",  "88.5Hz",  "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz",
    "107.2Hz", "110.9Hz", "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz",
    "136.5Hz", "141.3Hz", "146.2Hz", "151.4Hz", "156.7Hz", "162.2Hz", "167.9Hz",
    "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz", "203.5Hz", "210.7Hz", "218.1Hz",
    "225.7Hz", "233.6Hz", "241.8Hz", "250.3Hz"};

const std::array<std::string_view, 5> OptionName = {"OFF", "Train", "Tone",
                                                    "Rev.", "Scr"};

namespace {

template <size_t N>
std::array<std::string, N> NumberedList(int first, std::string_view suffix,
                                        int pad_below) {
  std::array<std::string, N> out;
  for (size_t i = 0; i < N; ++i) {
    int n = first + static_cast<int>(i);
    std::string s = std::to_string(n);
    if (n < pad_below) s = " " + s;
    out[i] = s + std::string(suffix);
  }
  return out;
}

std::array<std::string, 26> MakeScanTimeNames() {
  auto secs = NumberedList<25>(1, " SEC", 0);
  std::array<std::string, 26> out;
  out[0] = "BUSY";
  for (size_t i = 0; i < secs.size(); ++i) out[i + 1] = secs[i];
  return out;
}

std::array<std::string, 22> MakeSetModeNames() {
  auto secs = NumberedList<21>(5, " SEC", 10);
  std::array<std::string, 22> out;
  out[0] = "MANUAL";
  for (size_t i = 0; i < secs.size(); ++i) out[i + 1] = secs[i];
  return out;
}

std::array<std::string, 100> MakeProgramScanLabels() {
  std::array<std::string, 100> out;
  for (int k = 0; k < 100; ++k) {
    out[k] = "P" + std::to_string(k / 2) + (k % 2 == 0 ? "A" : "B");
  }
  return out;
}

// Reads the two limits out of a label such as "(0.531-1.620MHz)".
std::array<double, 2> LimitsOfLabel(std::string_view label) {
  if (label.empty()) return {0.0, 0.0};
  std::string text(label.substr(1));
  char* end = nullptr;
  double low = std::strtod(text.c_str(), &end);
  double high = std::strtod(end + 1, nullptr);
  return {low, high};
}

std::array<std::array<std::array<double, 2>, 14>, 4> MakeBandLimits() {
  std::array<std::array<std::array<double, 2>, 14>, 4> out{};
  for (size_t c = 0; c < 4; ++c) {
    for (size_t r = 0; r < 14; ++r)
      out[c][r] = LimitsOfLabel(BandRangeText[c][r]);
  }
  // The two blocked ranges of the VR-Q70T.
  out[2][8] = {824.0, 849.995};
  out[2][9] = {869.0, 894.995};
  return out;
}

}  // namespace

const std::array<std::string, 26> ScanTimeName = MakeScanTimeNames();
const std::array<std::string, 24> ChargeTimeName =
    NumberedList<24>(1, " hrs.", 0);
const std::array<std::string, 22> SetModeName = MakeSetModeNames();

const std::array<std::string_view, 29> WildKeyName = {
    "ATT",    "ANTENA", "ABAR",   "SBAR",   "LAMP",   "SCANTP",
    "PRIO",   "TIMESP", "TIMEPR", "BAND",   "APO",    "BS",
    "BEEP",   "BELL",   "MONTYP", "MONFNC", "LOCBUG", "BUGSNS",
    "BUGTYP", "CHARGE", "CHGTIM", "SETMOD", "PROTCT", "SKIP",
    "WILDKY", "RMCN-A", "RMCN-B", "RMCN-C", "RMCN-D"};

const std::array<std::string_view, 20> RemoconKeyName = {
    "UP",   "DOWN",   "V/P/M", "AUX IN", "TONE",   "REVTON", "TRAIN",
    "MONI", "BAND",   "PRIO",  "SPEED",  "AFTONE", "PLAY",   "REC",
    "ATT",  "ANTENA", "ABAR",  "SBAR",   "BEEP",   "BELL"};

const std::array<std::string_view, 8> TimeSpName = {
    " 5-SEC", "10-SEC", "15-SEC", "20-SEC",
    "25-SEC", "30-SEC", "45-SEC", "60-SEC"};

const std::array<std::string, 100> ProgramScanLabel = MakeProgramScanLabels();

const std::array<std::string_view, kModelOptionCount> ModelName = {
    "VR-Q5J", "VR-Q70E", "VR-Q70T", "VR-Q70K", "VR-M2 T", "VR-M2 E"};

namespace {
constexpr std::array<std::string_view, 14> kQ70TBands = {
    "(0.1-0.529MHz)",
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
}  // namespace

const std::array<std::array<std::string_view, 14>, 4> BandRangeText = {{
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
    kQ70TBands,
    kQ70TBands,
}};

const std::array<std::array<std::array<double, 2>, 14>, 4> BandLimit =
    MakeBandLimits();

std::string_view ModeText(int mode) {
  switch (mode) {
    case 0:
      return "FM";
    case 1:
      return "AM";
    case 2:
      return "WFM";
    default:
      return "";
  }
}

std::string_view ShiftText(int direction) {
  switch (direction) {
    case 1:
      return "Shift+";
    case 2:
      return "Shift-";
    default:
      return "OFF";
  }
}

std::string_view OptionText(int option) {
  if (option >= 0 && option < static_cast<int>(OptionName.size())) {
    return OptionName[option];
  }
  return "None";
}

std::string StepText(int step) {
  if (step >= 0 && step < static_cast<int>(StepName.size())) {
    return std::string(StepName[step]);
  }
  return "";
}

std::string ToneText(int tone) {
  if (tone >= 0 && tone < static_cast<int>(ToneName.size())) {
    return std::string(ToneName[tone]);
  }
  return "";
}

std::string CarrierText(int carrier) {
  if (carrier == 28) return "JR";
  return std::to_string((carrier + 3) * 100) + "Hz";
}

}  // namespace vrq5
