#include "store/slot_text.h"

#include "codec/tables.h"
#include "codec/text.h"

namespace vrq5 {

namespace {

// Upper-case step and option labels and the numeric values of the tone
// labels, which every record is matched against.
struct MatchTables {
  std::array<std::string, 18> steps;
  std::array<std::string, 5> options;
  std::array<double, 39> tones;
  MatchTables() {
    for (int i = 0; i < 18; ++i) steps[i] = ToUpperAscii(StepName[i]);
    for (int i = 0; i < 5; ++i) options[i] = ToUpperAscii(OptionName[i]);
    for (int i = 0; i < 39; ++i) tones[i] = Val(ToneName[i]);
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
  for (int i = 0; i < 18 && step < 0; ++i) {
    if (is(f[kStep], tables.steps[i])) step = i;
  }
  if (step < 0) return false;

  int option = 0;
  for (int i = 0; i < 5; ++i) {
    if (is(f[kOption], tables.options[i])) option = i;
  }

  // Secret codes are 0..28; anything else is the code a record read back
  // would give for it.
  int secret = Whole(Val(f[kSecret]));
  if (secret < 0 || secret > 28) secret = 11;

  int carrier = 28;
  if (!is(f[kCarrier], "JR")) {
    double c = RoundHalfEven(Val(f[kCarrier]));
    double code = RoundHalfEven(c / 100 - 3);
    if (code >= 0 && code <= 27) carrier = static_cast<int>(code);
  }

  int tone = 8;
  double tone_value = Val(f[kTone]);
  for (int i = 0; i < 39; ++i) {
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

  s.value = {freq,
             double(mode),
             double(step),
             double(option),
             double(secret),
             double(carrier),
             double(tone),
             double(direction),
             offset,
             0,
             0,
             s.value[kSkip]};
  s.text[kFreq] = FormatFrequency(freq);
  s.text[kMode].assign(ModeText(mode));
  s.text[kStep].assign(StepName[step]);
  s.text[kOption].assign(OptionName[option]);
  s.text[kSecret] = std::to_string(secret);
  s.text[kCarrier] = CarrierText(carrier);
  s.text[kTone].assign(ToneName[tone]);
  s.text[kShiftDir].assign(ShiftText(direction));
  s.text[kOffset] = FormatOffset(offset);
  s.text[kNote] = NoteText(f[kNote]);
  // The record holds six name bytes.
  s.text[kName].assign(f[kName].substr(0, 6));
  return true;
}

}  // namespace vrq5
