// Field-by-field comparison of two documents, naming the first difference.
#ifndef VRQ5_TESTS_SUPPORT_COMPARE_H_
#define VRQ5_TESTS_SUPPORT_COMPARE_H_

#include <gtest/gtest.h>

#include "store/document.h"

namespace vrq5::testing {

// Everything a clone file keeps: slots, flags, bands (fields 0..10), bank
// boxes and sizes, group boxes of groups 1..10, settings.
inline ::testing::AssertionResult SameDocument(const Document& a,
                                               const Document& b) {
  for (int s = 0; s < kSlotCount; ++s) {
    for (int f = 0; f < kFieldCount; ++f) {
      if (a.Mem[s].value[f] != b.Mem[s].value[f] ||
          a.Mem[s].text[f] != b.Mem[s].text[f]) {
        return ::testing::AssertionFailure()
               << "slot " << s << " field " << f << ": \"" << a.Mem[s].text[f]
               << "\" " << a.Mem[s].value[f] << " vs \"" << b.Mem[s].text[f]
               << "\" " << b.Mem[s].value[f];
      }
    }
    if (a.MemFlag[s] != b.MemFlag[s]) {
      return ::testing::AssertionFailure() << "flag of slot " << s;
    }
  }
  for (int band = 0; band < kVfoBands; ++band) {
    for (int f = 0; f < kVfoFieldCount; ++f) {
      if (a.Vfo[band].value[f] != b.Vfo[band].value[f] ||
          a.Vfo[band].text[f] != b.Vfo[band].text[f]) {
        return ::testing::AssertionFailure()
               << "band " << band << " field " << f << ": \""
               << a.Vfo[band].text[f] << "\" vs \"" << b.Vfo[band].text[f]
               << "\"";
      }
    }
  }
  for (int bank = 0; bank < kBankCount; ++bank) {
    if (a.txtBank[bank] != b.txtBank[bank] ||
        a.BankSize[bank] != b.BankSize[bank]) {
      return ::testing::AssertionFailure() << "bank " << bank;
    }
  }
  for (int i = 50; i < 550; ++i) {
    if (a.chkGrp[i] != b.chkGrp[i]) {
      return ::testing::AssertionFailure() << "group box " << i;
    }
  }
  if (!(a.settings == b.settings)) {
    return ::testing::AssertionFailure() << "settings";
  }
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (a.SlotLabel(slot) != b.SlotLabel(slot)) {
      return ::testing::AssertionFailure() << "label of slot " << slot;
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_SUPPORT_COMPARE_H_
