// The document: everything the program edits and transfers, held in the
// tables the rest of the program works on, with the working copies that the
// window's controls hold (bank-size boxes, group check boxes, settings).
#ifndef VRQ5_STORE_DOCUMENT_H_
#define VRQ5_STORE_DOCUMENT_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "codec/bits.h"
#include "codec/record.h"
#include "codec/settings.h"

namespace vrq5 {

// A memory-grid row (1..1300: row r shows slot r - 1) and a slot (0..1299).
constexpr bool IsGridRow(int row) { return row >= 1 && row <= kSlotCount; }
constexpr bool IsSlotIndex(int slot) { return slot >= 0 && slot < kSlotCount; }

inline constexpr int kBankCount = 50;
inline constexpr int kMemoryChannels = 1000;
inline constexpr int kVfoBands = 14;
inline constexpr int kProgramScanFirst = 1000;
inline constexpr int kSearchPassFirst = 1100;
inline constexpr int kPriorityFirst = 1200;

// Kind of a channel-store slot.
enum class SlotKind { kMemory, kProgramScan, kSearchPass, kPriority };
SlotKind KindOfSlot(int slot);

class Document {
 public:
  // The document as the window has it after start-up: the defaults of the
  // VR-Q5J, ten banks of 100 channels, every slot empty, not changed.
  Document();

  // ----- tables -----
  std::array<Slot, kSlotCount> Mem;  // channel store, slot 0..1299
  FlagArray MemFlag{};               // -1 enabled, 0 disabled
  std::array<Slot, kVfoBands> Vfo;   // VFO band rows 0..13 (fields 0..10)
  std::array<int16_t, kBankCount + 1> BankSize{};  // [50]: unassigned
  std::array<std::string, kBankCount + 1> BankSizeText;
  GroupTableArray GroupTable{};
  std::array<std::string, 7> BankTableHex;  // pieces 0..3 used
  std::string GroupHex;
  EnablePieces EnableBitsHex;
  std::string SettingsHex1;
  std::string SettingsHex2;
  int16_t ModelIndex = 0;   // 0 VR-Q5J, 1 VR-Q70E, 2 VR-Q70T, 3 VR-Q70K
  int16_t DataChanged = 0;  // -1 changed since the last load or save
  std::string CurrentFileName;
  std::string LinkBank;  // two digits taken from the receiver

  // ----- working copies held by the window's controls -----
  int opbModel = 0;  // selected member of the model options (0..5)
  std::array<std::string, kBankCount> txtBank;  // bank-size boxes
  std::string lblAll;                           // total shown beside them
  std::array<int, 550> chkGrp{};                // group check boxes, 0 or 1
  std::array<int, kBankCount> chkLink{};        // bank link boxes, 0 or 1
  Settings settings;                            // the settings panel

  // Accessors named after the store's tables.
  std::string& MemText(int slot, int field) { return Mem[slot].text[field]; }
  double& MemValue(int slot, int field) { return Mem[slot].value[field]; }
  std::string& VfoText(int band, int field) { return Vfo[band].text[field]; }
  double& VfoValue(int band, int field) { return Vfo[band].value[field]; }

  // ----- memory rows -----
  // Row label of memory-grid row r (1..1300) in RowLabel(r); RowLabel(0) is
  // the heading row. Rows 1..1000 follow the bank-size boxes; a row that
  // no bank covers (total below 1000) has an empty label.
  void LayoutMemoryRows();
  const std::string& RowLabel(int row) const { return row_labels_[row]; }
  // Label of a slot's row (slot 0..1299).
  const std::string& SlotLabel(int slot) const { return row_labels_[slot + 1]; }
  // The bank a memory slot belongs to by the last row layout, or -1.
  int BankOfSlot(int slot) const { return row_bank_[slot + 1]; }

  // ----- bank sizes and groups -----
  void BankSizesToHex();
  void HexToBankSizes();
  void ShowBankSizes();
  void ReadBankSizeBoxes();
  void ShowGroupTable();
  void ReadGroupChecks();
  // Total of the bank-size boxes.
  int BankBoxTotal() const;
  // The total label (lblAll) shows BankBoxTotal().
  void ShowBankTotal();

  // ----- bit maps -----
  void GroupHexToTable();
  void GroupTableToHex();
  void EnableHexToFlags();
  void FlagsToEnableHex();

  // ----- settings -----
  void DecodeSettings();
  void EncodeSettings();

  // ----- whole-document operations -----
  // Default VFO bands of the selected model option.
  void LoadVfoDefaults();
  // Puts the document back to the defaults of the selected model (the
  // caller has already asked about unsaved changes).
  void NewData();
  // Selects another member of the model options (0..5) and resets the
  // document to that model's defaults, as a model change answered "No"
  // does. ModelIndex follows for members 0..3.
  void SelectModel(int model_option);
  // ModelIndex follows the selected model option when it is one of the
  // four models (0..3); members 4 and 5 leave it as it is.
  void FollowModelOption();
  // Takes the model `model` (0..3) for the data the document holds, which
  // stays: a clone file names no model, so a file read from one model's
  // receiver may have been opened as another's. Marks the document changed.
  void AdoptModel(int model);
  // What a refill of the memory grid does to the store: every slot whose
  // enable flag is not -1 is emptied (the flag itself stays).
  void RefillMemory();
  // Number of slots in 0..1299 that hold a channel.
  int ChannelsInUse() const;

 private:
  std::array<std::string, kSlotCount + 1> row_labels_;
  std::array<int16_t, kSlotCount + 1> row_bank_{};
};

// The memory rows as bank boxes lay them out, for a caller that must not
// touch the document: the bank (-1: none) and row label ("": none) of each
// memory slot 0..999, as LayoutMemoryRows gives them.
struct RowLayout {
  std::array<int16_t, kMemoryChannels> bank{};
  std::array<std::string, kMemoryChannels> label;
};
RowLayout LayoutOfBoxes(const std::array<std::string, kBankCount>& boxes);

// Row label of a non-memory slot (1000..1299): 0A .. 49B, S0 .. S99,
// Pr0 .. Pr99. Memory slots have no fixed label.
std::string FixedSlotLabel(int slot);

// The name of a row in messages and reports: its label ("03-005"), or for
// a memory row no bank covers, "Row N" with the grid's row number (the
// slot plus one).
std::string RowName(std::string_view label, int slot);

// The row label of bank group g (1..10) on the Bank page: GRP1 .. GRP9,
// GRP-B.
std::string GroupLabel(int group);

// A note as the document keeps it: CR and LF become blanks, so a note
// always fits on one line of a clone file.
std::string NoteText(std::string_view text);

// The window title: the program's title, then " - " and the file's name
// without its folder when a file is in use.
std::string WindowTitle(const Document& doc);

// A bank size text or box text as a bank size: its numeric value, kept
// inside the 16-bit range the receiver stores.
int16_t BankSizeValue(std::string_view text);

// True when the bank sizes, as a write sends them (cut to 1000 channels by
// BankSizesToHex, the boxes refilled from the texts), add up to 1000 and
// label every memory row, so that a memory write can address each memory
// slot by its row label. The document is not changed.
bool BankSizesFitMemory(const Document& doc);

}  // namespace vrq5

#endif  // VRQ5_STORE_DOCUMENT_H_
