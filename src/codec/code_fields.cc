#include "codec/code_fields.h"

#include "codec/tables.h"

namespace vrq5 {

namespace {

// The texts of codes 0..28 of the secret code and the carrier, made once:
// every decoded record sets both.
template <std::string (*Make)(int)>
const std::string& Cached(int code) {
  static const std::array<std::string, 29> texts = [] {
    std::array<std::string, 29> t;
    for (int i = 0; i < 29; ++i) t[i] = Make(i);
    return t;
  }();
  return texts[code];
}

std::string SecretNumber(int code) { return std::to_string(code); }

std::string SecretText(int code) {
  return code >= 0 && code < kSecretCodes ? Cached<SecretNumber>(code)
                                          : std::to_string(code);
}

std::string CarrierCodeText(int code) {
  return code >= 0 && code < kCarrierCodes ? Cached<CarrierText>(code)
                                           : CarrierText(code);
}

std::string ModeCodeText(int code) { return std::string(ModeText(code)); }
std::string OptionCodeText(int code) { return std::string(OptionText(code)); }
std::string ShiftCodeText(int code) { return std::string(ShiftText(code)); }
// The skip's text is never set: a slot shows its skip by value.
std::string NoText(int) { return ""; }

std::string OptionLabel(int code) {
  return code >= 0 && code < static_cast<int>(OptionName.size())
             ? std::string(OptionName[code])
             : "";
}
std::string CarrierLabel(int code) {
  return code <= 28 ? CarrierText(code) : "";
}
std::string SkipLabel(int code) {
  return code == 1 ? "skip" : code == 0 ? "no skip" : "";
}

}  // namespace

const std::array<CodeField, 8> kCodeFields = {{
    {kMode, "Mode", 4, 2, 0, 0, ModeCodeText, ModeCodeText},
    {kStep, "Step", 5, 18, 0, kDefaultStep, StepText, StepText},
    {kOption, "Option", 11, 4, kNoCode, kDefaultOption, OptionCodeText,
     OptionLabel},
    {kSecret, "Secret code", 13, 28, 11, kDefaultSecret, SecretText, NoText},
    {kCarrier, "Carrier", 14, 28, 0, kDefaultCarrier, CarrierCodeText,
     CarrierLabel},
    {kTone, "Tone", 12, 38, 0, kDefaultTone, ToneText, ToneText},
    {kShiftDir, "Shift", 10, 2, kNoCode, 0, ShiftCodeText, ShiftCodeText},
    {kSkip, "Skip", 17, 1, 0, 0, NoText, SkipLabel},
}};

const CodeField& CodeFieldOf(Field field) {
  for (const CodeField& f : kCodeFields) {
    if (f.field == field) return f;
  }
  return kCodeFields[0];
}

void SetCode(Slot& slot, Field field, int code) {
  slot.value[field] = code;
  if (field != kSkip) slot.text[field] = CodeFieldOf(field).text(code);
}

}  // namespace vrq5
