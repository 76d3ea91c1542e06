// Comparison of two documents in every member they hold, the radio areas'
// hex texts, the working copies of the window's controls and the document
// state included, for checks that an operation changed nothing at all.
#ifndef VRQ5_TESTS_SUPPORT_WHOLE_DOCUMENT_H_
#define VRQ5_TESTS_SUPPORT_WHOLE_DOCUMENT_H_

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "store/document.h"
#include "support/document_difference.h"

namespace vrq5 {

// A slot in a test's failure message: its texts and numbers field by field.
inline void PrintTo(const Slot& slot, std::ostream* os) {
  *os << "{";
  for (int f = 0; f < kFieldCount; ++f) {
    *os << (f ? ", " : "") << '"' << slot.text[f] << "\" " << slot.value[f];
  }
  *os << "}";
}

}  // namespace vrq5

namespace vrq5::testing {

// The first member in which the documents differ, or "" when none does:
// what a clone file keeps first, then the rest.
inline std::string WholeDocumentDifference(const Document& a,
                                           const Document& b) {
  std::string kept = DocumentDifference(a, b);
  if (!kept.empty()) return kept;
  for (int band = 0; band < kVfoBands; ++band) {
    if (!(a.Vfo[band] == b.Vfo[band])) return "band " + std::to_string(band);
  }
  for (int p = 0; p < 6; ++p) {
    if (a.EnableBitsHex[p] != b.EnableBitsHex[p]) {
      return "EnableBitsHex piece " + std::to_string(p) + ": " +
             a.EnableBitsHex[p] + " vs " + b.EnableBitsHex[p];
    }
  }
  if (a.BankSize != b.BankSize) return "BankSize";
  if (a.BankSizeText != b.BankSizeText) return "BankSizeText";
  if (a.GroupTable != b.GroupTable) return "GroupTable";
  if (a.BankTableHex != b.BankTableHex) return "BankTableHex";
  if (a.GroupHex != b.GroupHex) return "GroupHex";
  if (a.SettingsHex1 != b.SettingsHex1) return "SettingsHex1";
  if (a.SettingsHex2 != b.SettingsHex2) return "SettingsHex2";
  if (a.ModelIndex != b.ModelIndex) return "ModelIndex";
  if (a.DataChanged != b.DataChanged) return "DataChanged";
  if (a.CurrentFileName != b.CurrentFileName) return "CurrentFileName";
  if (a.LinkBank != b.LinkBank) return "LinkBank";
  if (a.opbModel != b.opbModel) return "opbModel";
  if (a.lblAll != b.lblAll) return "lblAll";
  if (a.chkGrp != b.chkGrp) return "chkGrp";
  if (a.chkLink != b.chkLink) return "chkLink";
  return "";
}

inline ::testing::AssertionResult SameWholeDocument(const Document& a,
                                                    const Document& b) {
  std::string difference = WholeDocumentDifference(a, b);
  if (difference.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "differs in " << difference;
}

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_SUPPORT_WHOLE_DOCUMENT_H_
