#include "store/settings_rules.h"

#include <algorithm>
#include <array>

#include "codec/ui_text.h"

namespace vrq5 {

std::string ControlObjectName(std::string_view control) {
  std::string name(control);
  size_t open = name.find('(');
  if (open != std::string::npos && name.back() == ')') {
    name = name.substr(0, open) + "_" +
           name.substr(open + 1, name.size() - open - 2);
  }
  return name;
}

bool MarksDocumentChanged(std::string_view control) {
  static constexpr std::array<std::string_view, 22> kMarking = {
      "chkATT",      "chkBarAM", "chkBarSW",  "optLamp",    "opbAPO",
      "chkBS",       "chkBeep",  "chkBell",   "opbKeyFunc", "opbMONI",
      "opbBug",      "Slider1",  "Slider2",   "opbOpMode",  "chkAutoStep",
      "chkTxEx",     "chkWP",    "chkFlg1_5", "chkFlg1_6",  "chkLoVolume",
      "chkAutoProg", "opbBurst"};
  return std::find(kMarking.begin(), kMarking.end(), control) != kMarking.end();
}

const std::vector<UnstoredControl>& UnstoredControls() {
  static const std::vector<UnstoredControl> controls = {
      {"chkTxEx", UiText("TX Extension"), {}},
      {"chkWP", UiText("Write Protect"), {}},
      {"chkFlg1_5", UiText("DoReMi"), {}},
      {"chkFlg1_6", UiText("None"), {}},
      {"chkAutoProg", UiText("Auto Program"), {}},
      {"opbBurst",
       UiText("Tone Burst"),
       {"1750Hz", "2100Hz", "1000Hz", "1450Hz"}},
  };
  return controls;
}

bool ShownForModel(std::string_view control, int model_index) {
  bool q5j_only = control == "optRecRate" || control == "optBugType" ||
                  control == "optLockBug" || control == "opbBug";
  return !q5j_only || model_index == 0;
}

}  // namespace vrq5
