// The first difference between two documents in everything a clone file
// keeps, as a text; empty when there is none. Free of the test framework so
// that the fuzz targets use it too.
#ifndef VRQ5_TESTS_SUPPORT_DOCUMENT_DIFFERENCE_H_
#define VRQ5_TESTS_SUPPORT_DOCUMENT_DIFFERENCE_H_

#include <sstream>
#include <string>

#include "store/document.h"

namespace vrq5::testing {

// Slots, flags, bands (fields 0..10), bank boxes and sizes, group boxes of
// groups 1..10, settings and row labels.
inline std::string DocumentDifference(const Document& a, const Document& b) {
  std::ostringstream out;
  for (int s = 0; s < kSlotCount; ++s) {
    for (int f = 0; f < kFieldCount; ++f) {
      if (a.Mem[s].value[f] != b.Mem[s].value[f] ||
          a.Mem[s].text[f] != b.Mem[s].text[f]) {
        out << "slot " << s << " field " << f << ": \"" << a.Mem[s].text[f]
            << "\" " << a.Mem[s].value[f] << " vs \"" << b.Mem[s].text[f]
            << "\" " << b.Mem[s].value[f];
        return out.str();
      }
    }
    if (a.MemFlag[s] != b.MemFlag[s]) {
      out << "flag of slot " << s;
      return out.str();
    }
  }
  for (int band = 0; band < kVfoBands; ++band) {
    for (int f = 0; f < kVfoFieldCount; ++f) {
      if (a.Vfo[band].value[f] != b.Vfo[band].value[f] ||
          a.Vfo[band].text[f] != b.Vfo[band].text[f]) {
        out << "band " << band << " field " << f << ": \""
            << a.Vfo[band].text[f] << "\" vs \"" << b.Vfo[band].text[f] << "\"";
        return out.str();
      }
    }
  }
  for (int bank = 0; bank < kBankCount; ++bank) {
    if (a.txtBank[bank] != b.txtBank[bank] ||
        a.BankSize[bank] != b.BankSize[bank]) {
      out << "bank " << bank;
      return out.str();
    }
  }
  for (int i = 50; i < 550; ++i) {
    if (a.chkGrp[i] != b.chkGrp[i]) {
      out << "group box " << i;
      return out.str();
    }
  }
  if (!(a.settings == b.settings)) return "settings";
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (a.SlotLabel(slot) != b.SlotLabel(slot)) {
      out << "label of slot " << slot;
      return out.str();
    }
  }
  return "";
}

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_SUPPORT_DOCUMENT_DIFFERENCE_H_
