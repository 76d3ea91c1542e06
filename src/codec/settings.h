// The two 32-byte settings blocks of the receiver and the settings panel's
// values they decode into.
#ifndef VRQ5_CODEC_SETTINGS_H_
#define VRQ5_CODEC_SETTINGS_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vrq5 {

// The settings panel's controls, one member per control and named after
// it. A check box holds its state (0 clear, 1 set), an option group the
// index of its selected member, a list its selected position (-1: none),
// a slider its value.
struct Settings {
  // Block 1
  int chkATT = 0;
  int optAntenna = 0;
  int chkBarAM = 0;
  int chkBarSW = 0;
  int optLamp = 0;
  int cbbScan = 0;
  int cbbTimePr = 0;
  int optBand = 0;
  int opbAPO = 0;
  int chkBS = 0;
  int chkBeep = 0;
  int chkBell = 0;
  int opbKeyFunc = 0;
  int opbMONI = 0;
  int optLockBug = 0;
  int opbBug = 0;
  int optBugType = 0;
  int chkCharge = 0;
  int cbbChargeTime = 11;
  int cbbSetMode = 0;
  int optSkip = 0;
  int cbbWildKey = 0;
  std::array<int, 4> cbbRemocon = {-1, -1, -1, -1};
  int Slider1 = 0;  // AF volume level 0..30
  int Slider2 = 0;  // squelch level 0..9
  // Block 2
  int opbOpMode = 0;
  int optRecRate = 0;
  int optVscanSpeed = 0;
  int optMscanSpeed = 0;
  int opbKeyLock = 0;
  int chkAutoWave = 0;
  int chkAutoStep = 0;
  int optAfTone = 0;
  int cbbTimeSp = 0;

  friend bool operator==(const Settings&, const Settings&) = default;
};

enum class SettingKind { kCheck, kCheckInverted, kOption, kList, kSlider };

// One control stored in a settings block: where it is read from, how, and
// what its values are called.
struct SettingField {
  std::string_view control;  // object name, e.g. "chkATT"
  std::string_view caption;  // caption or group caption, e.g. "Attenuator"
  int block;                 // 1 or 2
  int byte;                  // byte the decoder reads
  SettingKind kind;
  int& (*member)(Settings&);            // the control's member in Settings
  std::vector<std::string_view> items;  // option members or list entries
  int offset = 0;       // list: stored value = position + offset
  int replacement = 0;  // option: value taken for an out-of-range byte
  int maximum = 0;      // slider: highest value

  int Get(const Settings& s) const { return member(const_cast<Settings&>(s)); }
  // The value as the panel shows it ("set"/"clear", member or list text).
  std::string Describe(const Settings& s) const;
};

// Every control of both blocks, block 1 by byte, then block 2 in the
// decoder's order.
const std::vector<SettingField>& SettingFields();

// The default block texts for the selected member of the model options
// (0..5).
std::string DefaultSettings1(int model_option);
std::string DefaultSettings2(int model_option);

// `text` with characters 2*index+1 and 2*index+2 (1-based) replaced by
// `value`; length unchanged. A negative index or one whose byte lies beyond
// the end of `text` returns `text` unchanged.
std::string ReplaceHexByte(std::string_view text, std::string_view value,
                           int index);

// Decodes both blocks into `s`. A block 1 that does not begin with "A5"
// makes both blocks the defaults of `model_option` first. An option-group
// byte outside its group is replaced (in `s` and in the block text).
//
// Check boxes, lists and sliders have no stored range check of their own;
// their bytes are clamped into the control's range: a check-box byte above
// 1 reads as set (inverted: clear), a list position below the first entry
// selects the first, one past the last selects the last, a slider value
// above its maximum gives the maximum. The block text keeps such bytes
// until the next encoding. The decoder never fails.
void DecodeSettings(std::string& hex1, std::string& hex2, int model_option,
                    Settings& s);

// Builds both block texts from `s`: 64 digits for block 1, 46 for block 2.
void EncodeSettings(const Settings& s, std::string& hex1, std::string& hex2);

}  // namespace vrq5

#endif  // VRQ5_CODEC_SETTINGS_H_
