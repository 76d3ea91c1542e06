// What one change did to a document, kept small enough for a long undo
// history: the channel slots that differ (before and after) and, when any
// of it changed, the rest of the document's tables and working copies.
// The changed flag and the file name are not part of a change: they follow
// the history's saved state.
#ifndef VRQ5_STORE_DOCUMENT_DELTA_H_
#define VRQ5_STORE_DOCUMENT_DELTA_H_

#include <array>
#include <string>
#include <vector>

#include "store/document.h"

namespace vrq5 {

// Everything of a document but its channel slots, their flags, the changed
// flag and the file name.
struct DocumentRest {
  std::array<Slot, kVfoBands> Vfo;
  std::array<int16_t, kBankCount + 1> BankSize{};
  std::array<std::string, kBankCount + 1> BankSizeText;
  GroupTableArray GroupTable{};
  std::array<std::string, 7> BankTableHex;
  std::string GroupHex;
  EnablePieces EnableBitsHex;
  std::string SettingsHex1;
  std::string SettingsHex2;
  int16_t ModelIndex = 0;
  std::string LinkBank;
  int opbModel = 0;
  std::array<std::string, kBankCount> txtBank;
  std::string lblAll;
  std::array<int, 550> chkGrp{};
  std::array<int, kBankCount> chkLink{};
  Settings settings;

  friend bool operator==(const DocumentRest&, const DocumentRest&) = default;
};

DocumentRest RestOf(const Document& doc);

struct SlotChange {
  int slot = 0;
  Slot before, after;
  int16_t flag_before = 0, flag_after = 0;
};

struct DocumentDelta {
  std::vector<SlotChange> changed_slots;
  bool rest_changed = false;
  DocumentRest rest_before, rest_after;  // only when rest_changed

  bool empty() const { return changed_slots.empty() && !rest_changed; }
};

// What turns `before` into `after`.
DocumentDelta MakeDelta(const Document& before, const Document& after);

// Applies a change forward (redo) or backward (undo), then lays out the
// memory rows anew. Only what the change touched is written.
void ApplyDelta(Document& doc, const DocumentDelta& delta, bool forward);

}  // namespace vrq5

#endif  // VRQ5_STORE_DOCUMENT_DELTA_H_
