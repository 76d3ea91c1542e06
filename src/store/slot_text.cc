#include "store/slot_text.h"

#include "codec/code_fields.h"
#include "codec/tables.h"
#include "codec/text.h"

namespace vrq5 {

namespace {

// Upper-case step and option labels and the numeric values of the tone
// labels, which every record is matched against.
struct MatchTables {
  std::array<std::string, kStepCodes> steps;
  std::array<std::string, kOptionCodes> options;
  std::array<double, kToneCodes> tones;
  MatchTables() {
    for (int i = 0; i < kStepCodes; ++i) steps[i] = ToUpperAscii(StepName[i]);
    for (int i = 0; i < kOptionCodes; ++i) {
      options[i] = ToUpperAscii(OptionName[i]);
    }
    for (int i = 0; i < kToneCodes; ++i) tones[i] = Val(ToneName[i]);
  }
};

const MatchTables& Tables() {
  static const MatchTables tables;
  return tables;
}

int Whole(double value) {
  return static_cast<int>(RoundToRange(value, -2147483647, 2147483647));
}

}  // namespace

std::string_view CsvSection(SlotKind kind) {
  switch (kind) {
    case SlotKind::kMemory:
      return "MEMORY";
    case SlotKind::kProgramScan:
      return "PROGRAM SCAN";
    case SlotKind::kSearchPass:
      return "SEARCH PASS";
    case SlotKind::kPriority:
      return "PRIORITY";
  }
  return "MEMORY";
}

std::string CsvChannel(int slot) {
  switch (KindOfSlot(slot)) {
    case SlotKind::kMemory:
      return std::to_string(slot);
    case SlotKind::kProgramScan:
      return ProgramScanLabel[slot - kProgramScanFirst];
    case SlotKind::kSearchPass:
      return std::to_string(slot - kSearchPassFirst);
    case SlotKind::kPriority:
      return std::to_string(slot - kPriorityFirst);
  }
  return std::to_string(slot);
}

namespace {

// The codes of a line's texts; -1 where a mode or step is not known, the
// editor's default or the code a record read back would give otherwise.
int ModeCode(std::string_view text) {
  return EqualsUpper(text, "FM")    ? 0
         : EqualsUpper(text, "AM")  ? 1
         : EqualsUpper(text, "WFM") ? 2
                                    : -1;
}

int StepCode(std::string_view text) {
  const MatchTables& tables = Tables();
  for (int i = 0; i < kStepCodes; ++i) {
    if (EqualsUpper(text, tables.steps[i])) return i;
  }
  return -1;
}

int OptionCode(std::string_view text) {
  // The last label that matches wins.
  const MatchTables& tables = Tables();
  int option = kDefaultOption;
  for (int i = 0; i < kOptionCodes; ++i) {
    if (EqualsUpper(text, tables.options[i])) option = i;
  }
  return option;
}

int SecretCode(std::string_view text) {
  // Secret codes are 0..28; anything else is the code a record read back
  // would give for it.
  const CodeField& secret_field = CodeFieldOf(kSecret);
  int secret = Whole(Val(text));
  if (secret < 0 || secret > secret_field.highest) {
    return secret_field.read_back;
  }
  return secret;
}

int CarrierCode(std::string_view text) {
  if (EqualsUpper(text, "JR")) return kCarrierJr;
  double c = RoundHalfEven(Val(text));
  double code = RoundHalfEven(c / 100 - 3);
  if (code >= 0 && code < kCarrierJr) return static_cast<int>(code);
  return kCarrierJr;
}

int ToneCode(std::string_view text) {
  const MatchTables& tables = Tables();
  double tone_value = Val(text);
  for (int i = 0; i < kToneCodes; ++i) {
    if (tables.tones[i] == tone_value) return i;
  }
  return kDefaultTone;
}

int ShiftCode(std::string_view dir) {
  auto is = [dir](std::string_view upper) { return EqualsUpper(dir, upper); };
  return (is("SHIFT+") || is("+SHIFT"))   ? 1
         : (is("SHIFT-") || is("-SHIFT")) ? 2
                                          : 0;
}

}  // namespace

bool SlotFromTexts(const std::array<std::string_view, kVfoFieldCount>& f,
                   Slot& s) {
  double freq = Val(f[kFreq]);
  // A frequency the receiver cannot tune (or that does not fit the record)
  // refuses the texts, as an empty frequency does.
  if (freq == 0 || !(freq >= 0.1 && freq <= 1299.995)) return false;
  int mode = ModeCode(f[kMode]);
  if (mode < 0) return false;
  int step = StepCode(f[kStep]);
  if (step < 0) return false;
  int option = OptionCode(f[kOption]);
  int secret = SecretCode(f[kSecret]);
  int carrier = CarrierCode(f[kCarrier]);
  int tone = ToneCode(f[kTone]);
  int direction = ShiftCode(f[kShiftDir]);

  // Offsets are 0 up to below 100 MHz; anything else is no offset.
  double offset = Val(f[kOffset]);
  if (!(offset >= 0 && offset < 100)) offset = 0;

  s.value[kFreq] = freq;
  s.value[kOffset] = offset;
  s.value[kNote] = 0;
  s.value[kName] = 0;
  s.text[kFreq] = FormatFrequency(freq);
  SetCode(s, kMode, mode);
  SetCode(s, kStep, step);
  SetCode(s, kOption, option);
  SetCode(s, kSecret, secret);
  SetCode(s, kCarrier, carrier);
  SetCode(s, kTone, tone);
  SetCode(s, kShiftDir, direction);
  s.text[kOffset] = FormatOffset(offset);
  s.text[kNote] = NoteText(f[kNote]);
  // The record holds six name bytes.
  s.text[kName].assign(f[kName].substr(0, 6));
  return true;
}

}  // namespace vrq5
