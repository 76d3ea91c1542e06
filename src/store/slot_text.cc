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

bool SlotFromTexts(const std::array<std::string_view, kVfoFieldCount>& f,
                   Slot& s) {
  double freq = Val(f[kFreq]);
  // A frequency the receiver cannot tune (or that does not fit the record)
  // refuses the texts, as an empty frequency does.
  if (freq == 0 || !(freq >= 0.1 && freq <= 1299.995)) return false;

  auto is = [](std::string_view field, std::string_view upper) {
    return EqualsUpper(field, upper);
  };
  int mode = is(f[kMode], "FM")    ? 0
             : is(f[kMode], "AM")  ? 1
             : is(f[kMode], "WFM") ? 2
                                   : -1;
  if (mode < 0) return false;

  const MatchTables& tables = Tables();
  int step = -1;
  for (int i = 0; i < kStepCodes && step < 0; ++i) {
    if (is(f[kStep], tables.steps[i])) step = i;
  }
  if (step < 0) return false;

  int option = kDefaultOption;
  for (int i = 0; i < kOptionCodes; ++i) {
    if (is(f[kOption], tables.options[i])) option = i;
  }

  // Secret codes are 0..28; anything else is the code a record read back
  // would give for it.
  const CodeField& secret_field = CodeFieldOf(kSecret);
  int secret = Whole(Val(f[kSecret]));
  if (secret < 0 || secret > secret_field.highest) {
    secret = secret_field.read_back;
  }

  int carrier = kCarrierJr;
  if (!is(f[kCarrier], "JR")) {
    double c = RoundHalfEven(Val(f[kCarrier]));
    double code = RoundHalfEven(c / 100 - 3);
    if (code >= 0 && code < kCarrierJr) carrier = static_cast<int>(code);
  }

  int tone = kDefaultTone;
  double tone_value = Val(f[kTone]);
  for (int i = 0; i < kToneCodes; ++i) {
    if (tables.tones[i] == tone_value) {
      tone = i;
      break;
    }
  }

  std::string_view dir = f[kShiftDir];
  int direction = (is(dir, "SHIFT+") || is(dir, "+SHIFT"))   ? 1
                  : (is(dir, "SHIFT-") || is(dir, "-SHIFT")) ? 2
                                                             : 0;

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
