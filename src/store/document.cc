#include "store/document.h"

#include <algorithm>

#include "codec/code_fields.h"
#include "codec/tables.h"
#include "codec/text.h"

namespace vrq5 {

SlotKind KindOfSlot(int slot) {
  if (slot < kProgramScanFirst) return SlotKind::kMemory;
  if (slot < kSearchPassFirst) return SlotKind::kProgramScan;
  if (slot < kPriorityFirst) return SlotKind::kSearchPass;
  return SlotKind::kPriority;
}

std::string RowName(std::string_view label, int slot) {
  if (!label.empty()) return std::string(label);
  return "Row " + std::to_string(slot + 1);
}

std::string FixedSlotLabel(int slot) {
  switch (KindOfSlot(slot)) {
    case SlotKind::kMemory:
      return "";
    case SlotKind::kProgramScan: {
      int k = slot - kProgramScanFirst;
      return std::to_string(k / 2) + (k % 2 == 0 ? "A" : "B");
    }
    case SlotKind::kSearchPass:
      return "S" + std::to_string(slot - kSearchPassFirst);
    case SlotKind::kPriority:
      return "Pr" + std::to_string(slot - kPriorityFirst);
  }
  return "";
}

std::string GroupLabel(int group) {
  return group == 10 ? "GRP-B" : "GRP" + std::to_string(group);
}

std::string NoteText(std::string_view text) {
  std::string note(text);
  for (char& c : note) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return note;
}

std::string WindowTitle(const Document& doc) {
  std::string title(AppTitle);
  if (doc.CurrentFileName.empty()) return title;
  std::string_view name = doc.CurrentFileName;
  size_t slash = name.find_last_of("/\\");
  if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
  return title + " - " + std::string(name);
}

int16_t BankSizeValue(std::string_view text) {
  return static_cast<int16_t>(RoundToRange(Val(text), -32768, 32767));
}

bool BankSizesFitMemory(const Document& doc) {
  // A dry run of what a memory write does to the bank sizes before it
  // lays out the rows: clipping, the boxes refilled from the texts.
  Document probe = doc;
  probe.BankSizesToHex();
  probe.LayoutMemoryRows();
  int total = 0;
  for (int b = 0; b < kBankCount; ++b) {
    total += std::max<int>(0, probe.BankSize[b]);
  }
  return total == kMemoryChannels &&
         !probe.SlotLabel(kMemoryChannels - 1).empty();
}

Document::Document() {
  for (int b = 0; b < kBankCount; ++b) {
    BankSize[b] = b < 10 ? 100 : 0;
    BankSizeText[b] = b < 10 ? "100" : "0";
    txtBank[b] = BankSizeText[b];
  }
  BankSize[kBankCount] = 0;
  ShowBankTotal();
  SettingsHex1 = DefaultSettings1(opbModel);
  SettingsHex2 = DefaultSettings2(opbModel);
  DecodeSettings();
  LoadVfoDefaults();
  LayoutMemoryRows();
  RefillMemory();
  DataChanged = 0;
}

namespace {

// Calls row(slot, bank, label) for memory slots 0..999 as the bank boxes lay
// them out: the banks one after another, each as large as its box says,
// the label "BB-CCC"; a slot that no bank covers (total below 1000) gets
// bank -1 and an empty label.
template <typename Row>
void LayOutRows(const std::array<std::string, kBankCount>& boxes, Row row) {
  int slot = 0;
  char label[6] = {'0', '0', '-', '0', '0', '0'};
  for (int b = 0; b < kBankCount && slot < kMemoryChannels; ++b) {
    int size = BankSizeValue(boxes[b]);
    label[0] = static_cast<char>('0' + b / 10);
    label[1] = static_cast<char>('0' + b % 10);
    for (int c = 0; c < size && slot < kMemoryChannels; ++c, ++slot) {
      label[3] = static_cast<char>('0' + c / 100);
      label[4] = static_cast<char>('0' + c / 10 % 10);
      label[5] = static_cast<char>('0' + c % 10);
      row(slot, b, std::string_view(label, sizeof label));
    }
  }
  for (; slot < kMemoryChannels; ++slot) row(slot, -1, std::string_view());
}

}  // namespace

void Document::LayoutMemoryRows() {
  row_labels_[0].clear();
  row_bank_[0] = -1;
  // Written in place: the labels are laid out after every load, import and
  // bank change.
  LayOutRows(txtBank, [this](int slot, int bank, std::string_view label) {
    row_labels_[slot + 1].assign(label);
    row_bank_[slot + 1] = static_cast<int16_t>(bank);
  });
  // The fixed labels never change; they are set by the first layout.
  if (row_labels_[kSlotCount].empty()) {
    for (int slot = kMemoryChannels; slot < kSlotCount; ++slot) {
      row_labels_[slot + 1] = FixedSlotLabel(slot);
      row_bank_[slot + 1] = -1;
    }
  }
}

RowLayout LayoutOfBoxes(const std::array<std::string, kBankCount>& boxes) {
  RowLayout layout;
  LayOutRows(boxes, [&layout](int slot, int bank, std::string_view label) {
    layout.bank[slot] = static_cast<int16_t>(bank);
    layout.label[slot].assign(label);
  });
  return layout;
}

void Document::BankSizesToHex() {
  int total = 0;
  for (int b = 0; b < kBankCount; ++b) {
    if (BankSize[b] < 0) {
      // A negative size (a damaged file or bank area) covers no channel.
      BankSize[b] = 0;
      BankSizeText[b] = "0";
    }
    if (total + BankSize[b] > kMemoryChannels) {
      BankSize[b] = static_cast<int16_t>(kMemoryChannels - total);
      BankSizeText[b] = std::to_string(BankSize[b]);
      for (int later = b + 1; later < kBankCount; ++later) {
        BankSize[later] = 0;
        BankSizeText[later] = "0";
      }
      break;
    }
    total += BankSize[b];
  }
  ShowBankSizes();
  for (int p = 0; p < 4; ++p) {
    std::string piece;
    for (int b = 16 * p; b < std::min(16 * p + 16, kBankCount); ++b) {
      int size = std::max<int>(0, BankSize[b]);
      piece += HexByte(size & 0xFF) + HexByte((size >> 8) & 0xFF);
    }
    BankTableHex[p] = std::move(piece);
  }
  BankTableHex[3] += "6400640064001400";
}

void Document::HexToBankSizes() {
  for (int p = 0; p < 4; ++p) {
    std::string_view piece = BankTableHex[p];
    for (int j = 0; j < 16 && 16 * p + j < kBankCount; ++j) {
      std::string_view digits = Mid(piece, 4 * static_cast<size_t>(j) + 1, 4);
      std::string swapped =
          std::string(Mid(digits, 3, 2)) + std::string(Mid(digits, 1, 2));
      auto size = static_cast<int16_t>(
          static_cast<uint16_t>(HexPrefixValue(swapped) & 0xFFFF));
      BankSize[16 * p + j] = size;
      BankSizeText[16 * p + j] = std::to_string(size);
    }
  }
}

void Document::ShowBankSizes() {
  for (int b = 0; b < kBankCount; ++b) {
    txtBank[b] = BankSizeText[b];
    BankSize[b] = BankSizeValue(BankSizeText[b]);
  }
  ShowBankTotal();
}

void Document::ReadBankSizeBoxes() {
  int total = 0;
  for (int b = 0; b < kBankCount; ++b) {
    BankSize[b] = BankSizeValue(txtBank[b]);
    total += BankSize[b];
  }
  BankSize[kBankCount] = static_cast<int16_t>(
      total <= kMemoryChannels - 1 ? std::min(kMemoryChannels - total, 32767)
                                   : 0);
  ShowBankTotal();
}

void Document::ShowBankTotal() { lblAll = std::to_string(BankBoxTotal()); }

int Document::BankBoxTotal() const {
  int total = 0;
  for (const auto& box : txtBank) total += BankSizeValue(box);
  return total;
}

void Document::ShowGroupTable() {
  for (int i = 50; i < 550; ++i) {
    chkGrp[i] = GroupTable[i / 50][i % 50] == -1 ? 1 : 0;
  }
}

void Document::ReadGroupChecks() {
  for (int i = 0; i < 550; ++i) {
    GroupTable[i / 50][i % 50] = chkGrp[i] == 1 ? -1 : 0;
  }
}

void Document::GroupHexToTable() {
  vrq5::GroupHexToTable(GroupHex, GroupTable);
}

void Document::GroupTableToHex() {
  GroupHex = vrq5::GroupTableToHex(GroupTable);
}

void Document::EnableHexToFlags() {
  vrq5::EnableHexToFlags(EnableBitsHex, MemFlag);
}

void Document::FlagsToEnableHex() {
  EnableBitsHex = vrq5::FlagsToEnableHex(MemFlag);
}

void Document::DecodeSettings() {
  vrq5::DecodeSettings(SettingsHex1, SettingsHex2, opbModel, settings);
}

void Document::EncodeSettings() {
  vrq5::EncodeSettings(settings, SettingsHex1, SettingsHex2);
}

namespace {

struct BandDefault {
  double freq;
  int mode;  // 0 FM, 1 AM, 2 WFM
  int step;
  double offset;
};

// Bands 0..7 of the VR-Q5J, the VR-Q70E and the VR-Q70T/K.
constexpr BandDefault kLowBandsQ5J[8] = {
    {0.1, 1, 16, 0.25}, {0.531, 1, 17, 1.0}, {2.0, 1, 0, 1.0},
    {51.0, 0, 0, 1.0},  {76.0, 2, 10, 1.0},  {118.0, 1, 7, 1.0},
    {145.0, 0, 6, 0.6}, {175.75, 2, 9, 6.0}};
constexpr BandDefault kLowBandsQ70E[8] = {
    {0.1, 1, 16, 0.25}, {0.522, 1, 17, 1.0}, {1.625, 1, 0, 1.0},
    {51.0, 0, 0, 1.0},  {87.6, 2, 10, 1.0},  {118.0, 1, 7, 1.0},
    {145.0, 0, 4, 0.6}, {180.75, 2, 9, 6.0}};
constexpr BandDefault kLowBandsQ70T[8] = {
    {0.1, 1, 16, 0.25}, {0.53, 1, 3, 1.0},  {29.0, 0, 3, 1.0},
    {59.75, 2, 3, 1.0}, {145.0, 0, 3, 0.6}, {216.0, 0, 3, 9.0},
    {400.0, 0, 3, 5.0}, {960.0, 0, 3, 20.0}};
// Bands 8..13: the VR-Q5J, and every other variant. Band 8 is AM in value
// and text alike: the receiver and clone files have always received AM.
constexpr BandDefault kHighBandsQ5J[6] = {
    {270.0, 1, 4, 9.0},  {380.0, 0, 4, 16.5}, {433.0, 0, 6, 16.5},
    {475.75, 2, 9, 6.0}, {806.0, 2, 6, 55.0}, {1295.0, 0, 6, 20.0}};
constexpr BandDefault kHighBandsOther[6] = {
    {270.0, 1, 4, 9.0},  {380.0, 0, 4, 16.5}, {433.0, 0, 4, 16.5},
    {476.75, 2, 9, 6.0}, {806.0, 2, 6, 55.0}, {1295.0, 0, 6, 20.0}};

}  // namespace

void Document::LoadVfoDefaults() {
  const BandDefault* low = opbModel == 0   ? kLowBandsQ5J
                           : opbModel == 1 ? kLowBandsQ70E
                                           : kLowBandsQ70T;
  const BandDefault* high = opbModel == 0 ? kHighBandsQ5J : kHighBandsOther;
  int low_secret = opbModel == 0 || opbModel == 1 ? kDefaultSecret : 8;
  for (int band = 0; band < kVfoBands; ++band) {
    const BandDefault& d = band < 8 ? low[band] : high[band - 8];
    int secret = band < 8 ? low_secret : kDefaultSecret;
    Slot& row = Vfo[band];
    row.value[kFreq] = d.freq;
    row.text[kFreq] = FormatFrequency(d.freq);
    row.value[kMode] = d.mode;
    row.text[kMode] = std::string(ModeText(d.mode));
    SetCode(row, kStep, d.step);
    SetCode(row, kOption, kDefaultOption);
    SetCode(row, kSecret, secret);
    SetCode(row, kCarrier, kDefaultCarrier);
    SetCode(row, kTone, kDefaultTone);
    row.value[kShiftDir] = 0;
    row.text[kShiftDir] = "OFF";
    row.value[kOffset] = d.offset;
    row.text[kOffset] = FormatOffset(d.offset);
  }
}

void Document::NewData() {
  SettingsHex1 = DefaultSettings1(opbModel);
  SettingsHex2 = DefaultSettings2(opbModel);
  DecodeSettings();
  LoadVfoDefaults();
  for (auto& slot : Mem) slot.Clear();
  MemFlag.fill(0);
  for (int b = 0; b < kBankCount; ++b) {
    BankSize[b] = b < 10 ? 100 : 0;
    BankSizeText[b] = b < 10 ? "100" : "0";
    txtBank[b] = BankSizeText[b];
  }
  ShowBankTotal();
  // The group table follows the boxes when it is next read from them.
  chkGrp.fill(0);
  LayoutMemoryRows();
  RefillMemory();
  CurrentFileName.clear();
  DataChanged = 0;
}

void Document::SelectModel(int model_option) {
  opbModel = model_option;
  NewData();
  FollowModelOption();
}

void Document::FollowModelOption() {
  if (opbModel >= 0 && opbModel < kModelCount) {
    ModelIndex = static_cast<int16_t>(opbModel);
  }
}

void Document::AdoptModel(int model) {
  if (model < 0 || model >= kModelCount) return;
  opbModel = model;
  FollowModelOption();
  DataChanged = -1;
}

void Document::RefillMemory() {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (MemFlag[slot] != -1) Mem[slot].Clear();
  }
}

int Document::ChannelsInUse() const {
  return static_cast<int>(std::count_if(
      Mem.begin(), Mem.end(), [](const Slot& s) { return !s.IsEmpty(); }));
}

}  // namespace vrq5
