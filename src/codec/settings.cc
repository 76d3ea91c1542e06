#include "codec/settings.h"

#include <algorithm>
#include <utility>

#include "codec/tables.h"
#include "codec/text.h"
#include "codec/ui_text.h"

namespace vrq5 {

namespace {

template <typename Table>
std::vector<std::string_view> Items(const Table& table) {
  return std::vector<std::string_view>(table.begin(), table.end());
}

#define VRQ5_MEMBER(name) ([](Settings& s) -> int& { return s.name; })

std::vector<SettingField> MakeFields() {
  using K = SettingKind;
  auto check = [](std::string_view control, std::string_view caption, int block,
                  int byte, bool inverted, int& (*m)(Settings&)) {
    return SettingField{
        control, caption, block, byte, inverted ? K::kCheckInverted : K::kCheck,
        m,       {}};
  };
  auto option = [](std::string_view control, std::string_view caption,
                   int block, int byte, std::vector<std::string_view> items,
                   int replacement, int& (*m)(Settings&)) {
    SettingField f{control,    caption, block,           byte,
                   K::kOption, m,       std::move(items)};
    f.replacement = replacement;
    return f;
  };
  auto list = [](std::string_view control, std::string_view caption, int block,
                 int byte, std::vector<std::string_view> items, int offset,
                 int& (*m)(Settings&)) {
    SettingField f{control,  caption, block,           byte,
                   K::kList, m,       std::move(items)};
    f.offset = offset;
    return f;
  };
  auto slider = [](std::string_view control, std::string_view caption,
                   int block, int byte, int maximum, int& (*m)(Settings&)) {
    SettingField f{control, caption, block, byte, K::kSlider, m, {}};
    f.maximum = maximum;
    return f;
  };
  const auto scan = Items(ScanTimeName);
  const auto remocon = Items(RemoconKeyName);
  const std::vector<std::string_view> speeds = {"1", "2", "3", "4", "5"};
  return {
      // Block 1, by byte.
      check("chkATT", UiText("Attenuator"), 1, 1, false, VRQ5_MEMBER(chkATT)),
      option("optAntenna", UiText("Antenna"), 1, 2, {"SMA", "EAR"}, 0,
             VRQ5_MEMBER(optAntenna)),
      check("chkBarAM", UiText("AM bar antenna"), 1, 3, true,
            VRQ5_MEMBER(chkBarAM)),
      check("chkBarSW", UiText("SW bar antenna"), 1, 4, true,
            VRQ5_MEMBER(chkBarSW)),
      option("optLamp", UiText("Lamp"), 1, 5, {"OFF", "5sec", "ON", "ALL OFF"},
             1, VRQ5_MEMBER(optLamp)),
      list("cbbScan", UiText("Scan"), 1, 6, scan, 0, VRQ5_MEMBER(cbbScan)),
      list("cbbTimePr", UiText("Time Pr"), 1, 8, scan, 0,
           VRQ5_MEMBER(cbbTimePr)),
      option("optBand", UiText("Band Transition"), 1, 9,
             {UiText("Rotate"), UiText("Across")}, 0, VRQ5_MEMBER(optBand)),
      option("opbAPO", UiText("Auto Power Off"), 1, 10,
             {UiText("Off"), "30", "60", "90"}, 0, VRQ5_MEMBER(opbAPO)),
      check("chkBS", UiText("Battery Save"), 1, 11, false, VRQ5_MEMBER(chkBS)),
      check("chkBeep", UiText("Beep"), 1, 12, true, VRQ5_MEMBER(chkBeep)),
      check("chkBell", UiText("Bell"), 1, 13, false, VRQ5_MEMBER(chkBell)),
      option("opbKeyFunc", UiText("MONI key Function"), 1, 14,
             {UiText("Push"), UiText("Hold")}, 0, VRQ5_MEMBER(opbKeyFunc)),
      option("opbMONI", UiText("MONI key"), 1, 15,
             {UiText("Monitor"), UiText("Mute")}, 0, VRQ5_MEMBER(opbMONI)),
      option("optLockBug", UiText("Lock BUG"), 1, 16, {"ENABLE", "DISABLE"}, 0,
             VRQ5_MEMBER(optLockBug)),
      option("opbBug", UiText("Bug Sensitive Level"), 1, 17, speeds, 0,
             VRQ5_MEMBER(opbBug)),
      option("optBugType", UiText("Bug Type"), 1, 18, {"SILENT", "SOUND"}, 0,
             VRQ5_MEMBER(optBugType)),
      check("chkCharge", UiText("Charge"), 1, 19, false,
            VRQ5_MEMBER(chkCharge)),
      list("cbbChargeTime", UiText("Charge Time"), 1, 20, Items(ChargeTimeName),
           1, VRQ5_MEMBER(cbbChargeTime)),
      list("cbbSetMode", UiText("Set Mode"), 1, 21, Items(SetModeName), 4,
           VRQ5_MEMBER(cbbSetMode)),
      option("optSkip", UiText("Scan TYPE"), 1, 22, {"No SKIP", "SKIP"}, 0,
             VRQ5_MEMBER(optSkip)),
      list("cbbWildKey", UiText("Wild Key"), 1, 23, Items(WildKeyName), 1,
           VRQ5_MEMBER(cbbWildKey)),
      list("cbbRemocon(0)", UiText("Remote Controller A"), 1, 24, remocon, 0,
           VRQ5_MEMBER(cbbRemocon[0])),
      list("cbbRemocon(1)", UiText("Remote Controller B"), 1, 25, remocon, 0,
           VRQ5_MEMBER(cbbRemocon[1])),
      list("cbbRemocon(2)", UiText("Remote Controller C"), 1, 26, remocon, 0,
           VRQ5_MEMBER(cbbRemocon[2])),
      list("cbbRemocon(3)", UiText("Remote Controller D"), 1, 27, remocon, 0,
           VRQ5_MEMBER(cbbRemocon[3])),
      slider("Slider1", UiText("AF volume level"), 1, 29, 30,
             VRQ5_MEMBER(Slider1)),
      slider("Slider2", UiText("Squelch level"), 1, 31, 9,
             VRQ5_MEMBER(Slider2)),
      // Block 2, in the decoder's order.
      option("optRecRate", UiText("Rec. Rate"), 2, 3,
             {"LONG", "NORMAL", "CLEAR", "HIGH-Q"}, 1, VRQ5_MEMBER(optRecRate)),
      option("optVscanSpeed", UiText("VFO Scan Speed"), 2, 4, speeds, 2,
             VRQ5_MEMBER(optVscanSpeed)),
      option("optMscanSpeed", UiText("Memory Scan Speed"), 2, 5, speeds, 2,
             VRQ5_MEMBER(optMscanSpeed)),
      option("opbKeyLock", UiText("Key Lock"), 2, 8, {"NON", "QUICK", "NORMAL"},
             0, VRQ5_MEMBER(opbKeyLock)),
      option("optAfTone", UiText("AF Tone"), 2, 15,
             {UiText("Low"), UiText("High")}, 0, VRQ5_MEMBER(optAfTone)),
      check("chkAutoWave", UiText("Auto Wave"), 2, 13, true,
            VRQ5_MEMBER(chkAutoWave)),
      check("chkAutoStep", UiText("Auto Step"), 2, 14, true,
            VRQ5_MEMBER(chkAutoStep)),
      option("opbOpMode", UiText("Operating Mode"), 2, 19,
             {"VFO", UiText("Preset"), UiText("Memory")}, 0,
             VRQ5_MEMBER(opbOpMode)),
      list("cbbTimeSp", UiText("Time Sp"), 2, 22, Items(TimeSpName), 0,
           VRQ5_MEMBER(cbbTimeSp)),
  };
}

#undef VRQ5_MEMBER

const SettingField* FindField(int block, int byte) {
  for (const auto& f : SettingFields()) {
    if (f.block == block && f.byte == byte) return &f;
  }
  return nullptr;
}

// The byte a field contributes to its block.
int StoredValue(const SettingField& f, const Settings& s) {
  int v = f.Get(s);
  switch (f.kind) {
    case SettingKind::kCheckInverted:
      v = 1 - v;
      break;
    case SettingKind::kList:
      v += f.offset;
      break;
    default:
      break;
  }
  return std::clamp(v, 0, 255);
}

// Reads a field's byte from its block into `s`; an option-group byte out of
// range is replaced in `s` and in `block`.
void DecodeField(const SettingField& f, std::string& block, Settings& s) {
  int v = HexByteAt(block, 2 * static_cast<size_t>(f.byte) + 1);
  int& member = f.member(s);
  switch (f.kind) {
    case SettingKind::kCheck:
      member = std::clamp(v, 0, 1);
      break;
    case SettingKind::kCheckInverted:
      member = std::clamp(1 - v, 0, 1);
      break;
    case SettingKind::kOption:
      if (v >= static_cast<int>(f.items.size())) {
        v = f.replacement;
        block = ReplaceHexByte(block, HexByte(v), f.byte);
      }
      member = v;
      break;
    case SettingKind::kList:
      member =
          std::clamp(v - f.offset, 0, static_cast<int>(f.items.size()) - 1);
      break;
    case SettingKind::kSlider:
      member = std::clamp(v, 0, f.maximum);
      break;
  }
}

}  // namespace

std::string SettingField::Describe(const Settings& s) const {
  int v = Get(s);
  switch (kind) {
    case SettingKind::kCheck:
    case SettingKind::kCheckInverted:
      return v ? "set" : "clear";
    case SettingKind::kOption:
    case SettingKind::kList:
      if (v >= 0 && v < static_cast<int>(items.size())) {
        return std::string(items[v]);
      }
      return "";
    case SettingKind::kSlider:
      return std::to_string(v);
  }
  return "";
}

const std::vector<SettingField>& SettingFields() {
  static const std::vector<SettingField> fields = MakeFields();
  return fields;
}

std::string DefaultSettings1(int model_option) {
  if (model_option == 0) {
    return "A5000000000100000000000100000000010200010C0401010208000100141403";
  }
  return "A5000000000100000000000100000000010200000C0401020208000100141403";
}

std::string DefaultSettings2(int model_option) {
  if (model_option == 0) {
    return "0B0600010202000100000000000000001400000000000000FFFFFFFFFFFFFFFF";
  }
  if (model_option == 1) {
    return "0B060001020200010000000000000000140000000000000000FFFFFFFFFFFFFF";
  }
  return "0B040001020200010000000000000000140000000000000000FFFFFFFFFFFFFF";
}

std::string ReplaceHexByte(std::string_view text, std::string_view value,
                           int index) {
  std::string out(text);
  if (index < 0) return out;
  size_t start = 2 * static_cast<size_t>(index);
  if (start >= out.size()) return out;
  size_t count = std::min({value.size(), size_t{2}, out.size() - start});
  out.replace(start, count, value.substr(0, count));
  return out;
}

void DecodeSettings(std::string& hex1, std::string& hex2, int model_option,
                    Settings& s) {
  if (hex1.substr(0, 2) != "A5") {
    hex1 = DefaultSettings1(model_option);
    hex2 = DefaultSettings2(model_option);
  }
  for (const auto& f : SettingFields()) {
    DecodeField(f, f.block == 1 ? hex1 : hex2, s);
  }
}

void EncodeSettings(const Settings& s, std::string& hex1, std::string& hex2) {
  std::string block1 = "A5";
  for (int byte = 1; byte < 32; ++byte) {
    if (byte == 30) {
      block1 += HexByte(std::clamp(s.Slider1, 0, 255));
    } else if (const SettingField* f = FindField(1, byte)) {
      block1 += HexByte(StoredValue(*f, s));
    } else {
      block1 += "00";  // bytes 7 and 28
    }
  }
  hex1 = std::move(block1);

  std::string block2;
  for (int byte = 0; byte < 23; ++byte) {
    if (byte == 0) {
      block2 += HexByte(std::clamp(s.opbOpMode, 0, 2));
    } else if (byte == 16) {
      block2 += HexByte(std::clamp(s.Slider1, 0, 255));
    } else if (const SettingField* f = FindField(2, byte)) {
      block2 += HexByte(StoredValue(*f, s));
    } else if (byte == 1) {
      block2 += "06";
    } else if (byte == 7) {
      block2 += "01";
    } else {
      block2 += "00";
    }
  }
  hex2 = std::move(block2);
}

}  // namespace vrq5
