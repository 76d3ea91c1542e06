#include "store/entry.h"

#include "codec/code_fields.h"
#include "codec/tables.h"
#include "codec/text.h"
#include "codec/ui_text.h"

namespace vrq5 {

const std::array<std::string_view, 3> kWaveCaptions = {"FM", "AM", "WFM"};
const std::array<std::string_view, kOptionButtons> kOptionCaptions = {
    UiText("None"), UiText("Train"), UiText("Tone"), UiText("Reverse"),
    UiText("Secret")};
const std::array<std::string_view, 3> kShiftCaptions = {"OFF", "+", "-"};

namespace {

constexpr std::string_view kDefaultFrequency = "145.000000";

// The index a stored code selects among `count` members, or -1.
int Member(double code, int count) {
  if (!(code >= 0) || code >= count || code != static_cast<int>(code)) {
    return -1;
  }
  return static_cast<int>(code);
}

// The column of BandLimit for model `model_index` (column 0 for a model
// outside 0..3).
int LimitColumn(int model_index) {
  return model_index >= 0 && model_index < 4 ? model_index : 0;
}

}  // namespace

EntryLabels MemoryEntryLabels(const Document& doc, int row) {
  EntryLabels labels;
  labels.caption = UiText("Modify Memory");
  int slot = row - 1;
  switch (KindOfSlot(slot)) {
    case SlotKind::kMemory: {
      std::string_view label = doc.RowLabel(row);
      labels.lblMode = Fill(UiText("Bank %1"), {Mid(label, 1, 2)});
      labels.lblCH =
          Fill(UiText("%1Ch"),
               {label.size() >= 3 ? label.substr(label.size() - 3) : label});
      break;
    }
    case SlotKind::kProgramScan:
      labels.lblMode = UiText("Program Scan");
      labels.lblCH =
          std::to_string((row - 1001) / 2) + (row % 2 == 1 ? " - A" : " - B");
      break;
    case SlotKind::kSearchPass:
      labels.lblMode = UiText("Search Pass");
      labels.lblCH = Fill(UiText("%1Ch"), {std::to_string(row - 1101)});
      break;
    case SlotKind::kPriority:
      labels.lblMode = UiText("Priority");
      labels.lblCH = Fill(UiText("%1Ch"), {std::to_string(row - 1201)});
      break;
  }
  return labels;
}

bool SlotHoldsChannel(const Slot& slot) {
  return slot.value[kFreq] != 0 && !slot.text[kFreq].empty();
}

void LoadEntryDefaults(EntryControls& c) {
  c.txtFreq = kDefaultFrequency;
  c.opbWave = 0;
  c.opbStep = kDefaultStep;
  c.opbTone = kDefaultOption;
  c.cbbTxTone = kDefaultTone;
  c.opbSift = 0;
  c.txtShift = "0.600000";
  c.chkEnable = 1;
  c.txtNote.clear();
  c.txtName.clear();
  c.chkSkip = 0;
  if (c.cbbAirEnabled) c.cbbAir = kDefaultCarrier;
  if (c.cbbSecEnabled) c.cbbSec = kDefaultSecret;
}

void ApplyMemoryModelRules(EntryControls& c, int model_index) {
  c.opbStepEnabled.fill(true);
  c.opbToneEnabled.fill(true);
  c.cbbAirEnabled = model_index == 0;
  c.cbbSecEnabled = model_index == 1;
  if (!c.cbbAirEnabled) c.cbbAir = -1;
  if (!c.cbbSecEnabled) c.cbbSec = -1;
  if (model_index != 0) c.opbToneEnabled[1] = false;  // Train
  if (model_index != 1) c.opbToneEnabled[4] = false;  // Secret
}

void LoadEntryFromSlot(EntryControls& c, const Slot& slot, int16_t flag) {
  c.txtFreq = slot.text[kFreq];
  c.opbWave = Member(slot.value[kMode], 3);
  c.opbStep = Member(slot.value[kStep], kStepButtons);
  c.opbTone = Member(slot.value[kOption], kOptionButtons);
  if (c.cbbSecEnabled) c.cbbSec = Member(slot.value[kSecret], kSecretItems);
  if (c.cbbAirEnabled) c.cbbAir = Member(slot.value[kCarrier], kCarrierItems);
  c.cbbTxTone = Member(slot.value[kTone], kToneCodes);
  c.opbSift = Member(slot.value[kShiftDir], 3);
  c.txtShift = slot.text[kOffset];
  c.txtNote = slot.text[kNote];
  c.txtName = slot.text[kName];
  c.chkSkip = slot.value[kSkip] == 1 ? 1 : 0;
  c.chkEnable = flag == -1 ? 1 : 0;
}

void OpenMemoryEntry(const Document& doc, int row, bool hold,
                     EntryControls& c) {
  int slot = row - 1;
  ApplyMemoryModelRules(c, doc.ModelIndex);
  const Slot& s = doc.Mem[slot];
  if (SlotHoldsChannel(s)) {
    LoadEntryFromSlot(c, s, doc.MemFlag[slot]);
  } else if (!hold) {
    LoadEntryDefaults(c);
  }
}

bool AcceptKey(KeyFilter filter, std::string_view box_text, char32_t key) {
  if (key == kBackspace) return true;
  bool digit = key >= U'0' && key <= U'9';
  switch (filter) {
    case KeyFilter::kNumber:
      if (digit) return true;
      return key == U'.' && box_text.find('.') == std::string_view::npos;
    case KeyFilter::kName:
      return key >= 32 && key <= 126;
    case KeyFilter::kBankSize:
      return digit;
  }
  return false;
}

std::string FilterText(KeyFilter filter, std::string_view text) {
  std::string out;
  for (char ch : text) {
    auto key = static_cast<char32_t>(static_cast<unsigned char>(ch));
    if (key != kBackspace && AcceptKey(filter, out, key)) out.push_back(ch);
  }
  return out;
}

namespace {

// The cellular band of the VR-Q70T that holds `mhz` (the two extra limit
// pairs of its column), or none.
const std::array<double, 2>* CellularBand(double mhz) {
  for (int row : {8, 9}) {
    const auto& limit = BandLimit[2][row];
    if (mhz >= limit[0] && mhz <= limit[1]) return &limit;
  }
  return nullptr;
}

}  // namespace

bool CheckCellularFrequency(double mhz) { return CellularBand(mhz) == nullptr; }

int SearchPassHolder(const Document& doc, double mhz, int slot) {
  for (int n = kSearchPassFirst; n < kPriorityFirst; ++n) {
    if (n != slot && doc.MemFlag[n] == -1 && doc.Mem[n].value[kFreq] == mhz) {
      return n;
    }
  }
  return -1;
}

bool CheckSearchPassDuplicate(const Document& doc, double mhz, int slot) {
  return SearchPassHolder(doc, mhz, slot) < 0;
}

FrequencyVerdict MemoryFrequencyVerdict(const Document& doc, int slot,
                                        int model_index, double mhz) {
  if (!(mhz >= kLowestChannelFrequency && mhz <= kHighestChannelFrequency)) {
    return FrequencyVerdict::kOutOfRange;
  }
  if (model_index == 2 && !CheckCellularFrequency(mhz)) {
    return FrequencyVerdict::kCellular;
  }
  if (KindOfSlot(slot) == SlotKind::kSearchPass &&
      !CheckSearchPassDuplicate(doc, mhz, slot)) {
    return FrequencyVerdict::kSearchPassDuplicate;
  }
  return FrequencyVerdict::kAllowed;
}

namespace {

Message CellularMessage() {
  return Message{std::string(kMsgCellular), std::string(kTitleCellular),
                 Message::Icon::kCritical};
}

Refusal Range(Refusal::Kind kind, double low, double high) {
  return Refusal{.kind = kind, .low = low, .high = high};
}

Refusal CellularRefusal(double mhz) {
  const std::array<double, 2>* band = CellularBand(mhz);
  return band ? Range(Refusal::Kind::kCellular, (*band)[0], (*band)[1])
              : Refusal{};
}

}  // namespace

BoxCheck CheckMemoryFrequency(const Document& doc, int slot, int model_index,
                              std::string_view text) {
  double v = Val(text);
  BoxCheck check;
  FrequencyVerdict verdict = MemoryFrequencyVerdict(doc, slot, model_index, v);
  if (verdict == FrequencyVerdict::kOutOfRange) {
    check.refusal = Range(Refusal::Kind::kChannelRange, kLowestChannelFrequency,
                          kHighestChannelFrequency);
  } else if (verdict == FrequencyVerdict::kCellular) {
    check.message = CellularMessage();
    check.refusal = CellularRefusal(v);
  } else if (verdict == FrequencyVerdict::kSearchPassDuplicate) {
    check.message = ErrorMessage(kMsgSearchPassDuplicate);
    check.refusal = Refusal{.kind = Refusal::Kind::kSearchPassDuplicate,
                            .slot = SearchPassHolder(doc, v, slot)};
  }
  bool restore = verdict != FrequencyVerdict::kAllowed;
  if (!restore) {
    check.text = FormatFrequency(v);
  } else if (SlotHoldsChannel(doc.Mem[slot])) {
    check.text = doc.Mem[slot].text[kFreq];
  } else {
    check.text = kDefaultFrequency;
  }
  return check;
}

BoxCheck CheckMemoryOffset(const Slot& slot, std::string_view text) {
  double v = Val(text);
  BoxCheck check;
  if (!(v >= 0 && v < kOffsetLimit)) {
    v = slot.value[kOffset];
    check.refusal = Range(Refusal::Kind::kOffsetRange, 0, kOffsetLimit);
  }
  check.text = FormatOffset(v);
  return check;
}

namespace {

// Fields 0..8 of a slot or band from the controls. An option group or list
// with nothing selected keeps the stored value.
void StoreRecordFields(Slot& s, const EntryControls& c) {
  s.value[kFreq] = Val(c.txtFreq);
  s.text[kFreq] = FormatFrequency(s.value[kFreq]);
  if (c.opbWave >= 0) {
    s.value[kMode] = c.opbWave;
    s.text[kMode] = std::string(ModeText(c.opbWave));
  }
  if (c.opbStep >= 0) SetCode(s, kStep, c.opbStep);
  if (c.opbTone >= 0) SetCode(s, kOption, c.opbTone);
  SetCode(s, kSecret, c.cbbSec < 0 ? kDefaultSecret : c.cbbSec);
  SetCode(s, kCarrier, c.cbbAir < 0 ? kDefaultCarrier : c.cbbAir);
  if (c.cbbTxTone >= 0) SetCode(s, kTone, c.cbbTxTone);
  if (c.opbSift >= 0) {
    s.value[kShiftDir] = c.opbSift;
    s.text[kShiftDir] = std::string(ShiftText(c.opbSift));
  }
  s.value[kOffset] = Val(c.txtShift);
  s.text[kOffset] = FormatOffset(s.value[kOffset]);
}

}  // namespace

void StoreMemoryEntry(Document& doc, int slot, const EntryControls& c) {
  doc.DataChanged = -1;
  Slot& s = doc.Mem[slot];
  StoreRecordFields(s, c);
  s.text[kNote] = NoteText(c.txtNote);
  s.text[kName] = c.txtName;
  s.value[kSkip] = c.chkSkip == 1 ? 1 : 0;
  doc.MemFlag[slot] = c.chkEnable == 1 ? -1 : 0;
}

EntryLabels VfoEntryLabels(int model_index, int band) {
  EntryLabels labels;
  labels.caption = UiText("Modify VFO");
  labels.lblMode = "VFO";
  labels.lblCH = Fill(UiText("Band %1"), {std::to_string(band)});
  int column = model_index >= 0 && model_index < 4 ? model_index : 0;
  labels.lblMHz = std::string(BandRangeText[column][band]);
  return labels;
}

bool VfoBandExists(int model_index, int band) {
  return band >= 0 && band < kVfoBands && !(model_index >= 2 && band >= 8);
}

bool OpenVfoEntry(const Document& doc, int band, EntryControls& c) {
  int model = doc.ModelIndex;
  if (!VfoBandExists(model, band)) return false;
  const Slot& b = doc.Vfo[band];
  ApplyMemoryModelRules(c, model);
  LoadEntryFromSlot(c, b, 0);
  // Steps by band row: 16 is 1KHz, 17 is 9KHz.
  int stored = c.opbStep;
  c.opbStepEnabled.fill(false);
  if (band == 0) {
    c.opbStepEnabled[16] = true;
    c.opbStep = 16;
  } else if (band == 1 && model < 2) {
    c.opbStepEnabled[17] = true;
    c.opbStep = 17;
  } else {
    for (int i = 0; i < 16; ++i) c.opbStepEnabled[i] = true;
    bool usable = stored >= 0 && stored < 16;
    c.opbStep = usable ? stored : (band == 1 ? 3 : 4);
  }
  // An option the model lacks shows as None.
  if (c.opbTone < 0 || !c.opbToneEnabled[c.opbTone]) c.opbTone = 0;
  return true;
}

FrequencyVerdict VfoFrequencyVerdict(int band, int model_index, double mhz) {
  const auto& limit = BandLimit[LimitColumn(model_index)][band];
  if (mhz < limit[0] || mhz > limit[1]) return FrequencyVerdict::kOutOfRange;
  if (model_index == 2 && band == 6 && !CheckCellularFrequency(mhz)) {
    return FrequencyVerdict::kCellular;
  }
  return FrequencyVerdict::kAllowed;
}

BoxCheck CheckVfoFrequency(const Document& doc, int band, int model_index,
                           std::string_view text) {
  double v = Val(text);
  BoxCheck check;
  std::string_view shown = text;
  FrequencyVerdict verdict = VfoFrequencyVerdict(band, model_index, v);
  if (verdict == FrequencyVerdict::kOutOfRange) {
    const auto& limit = BandLimit[LimitColumn(model_index)][band];
    check.refusal = Range(Refusal::Kind::kBandLimits, limit[0], limit[1]);
  } else if (verdict == FrequencyVerdict::kCellular) {
    check.message = CellularMessage();
    check.refusal = CellularRefusal(v);
  }
  if (verdict != FrequencyVerdict::kAllowed) shown = doc.Vfo[band].text[kFreq];
  check.text = FormatFrequency(Val(shown));
  return check;
}

void StoreVfoEntry(Document& doc, int band, const EntryControls& c) {
  doc.DataChanged = -1;
  Slot& b = doc.Vfo[band];
  StoreRecordFields(b, c);
  b.text[kNote] = NoteText(c.txtNote);
  b.text[kName] = c.txtName;
}

}  // namespace vrq5
