#include "store/document_delta.h"

namespace vrq5 {

namespace {

// The members a DocumentRest carries, in one place for both directions.
template <typename From, typename To>
void CopyRest(From& from, To& to) {
  to.Vfo = from.Vfo;
  to.BankSize = from.BankSize;
  to.BankSizeText = from.BankSizeText;
  to.GroupTable = from.GroupTable;
  to.BankTableHex = from.BankTableHex;
  to.GroupHex = from.GroupHex;
  to.EnableBitsHex = from.EnableBitsHex;
  to.SettingsHex1 = from.SettingsHex1;
  to.SettingsHex2 = from.SettingsHex2;
  to.ModelIndex = from.ModelIndex;
  to.LinkBank = from.LinkBank;
  to.opbModel = from.opbModel;
  to.txtBank = from.txtBank;
  to.lblAll = from.lblAll;
  to.chkGrp = from.chkGrp;
  to.chkLink = from.chkLink;
  to.settings = from.settings;
}

}  // namespace

DocumentRest RestOf(const Document& doc) {
  DocumentRest rest;
  CopyRest(doc, rest);
  return rest;
}

DocumentDelta MakeDelta(const Document& before, const Document& after) {
  DocumentDelta delta;
  for (int s = 0; s < kSlotCount; ++s) {
    if (before.Mem[s] == after.Mem[s] &&
        before.MemFlag[s] == after.MemFlag[s]) {
      continue;
    }
    delta.changed_slots.push_back(
        {s, before.Mem[s], after.Mem[s], before.MemFlag[s], after.MemFlag[s]});
  }
  DocumentRest rest_before = RestOf(before);
  DocumentRest rest_after = RestOf(after);
  if (!(rest_before == rest_after)) {
    delta.rest_changed = true;
    delta.rest_before = std::move(rest_before);
    delta.rest_after = std::move(rest_after);
  }
  return delta;
}

void ApplyDelta(Document& doc, const DocumentDelta& delta, bool forward) {
  for (const SlotChange& c : delta.changed_slots) {
    doc.Mem[c.slot] = forward ? c.after : c.before;
    doc.MemFlag[c.slot] = forward ? c.flag_after : c.flag_before;
  }
  if (delta.rest_changed) {
    CopyRest(forward ? delta.rest_after : delta.rest_before, doc);
  }
  doc.LayoutMemoryRows();
}

}  // namespace vrq5
