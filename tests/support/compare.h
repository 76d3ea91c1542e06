// Field-by-field comparison of two documents, naming the first difference.
#ifndef VRQ5_TESTS_SUPPORT_COMPARE_H_
#define VRQ5_TESTS_SUPPORT_COMPARE_H_

#include <gtest/gtest.h>

#include <string>

#include "store/document.h"
#include "support/document_difference.h"

namespace vrq5::testing {

// Everything a clone file keeps: slots, flags, bands (fields 0..10), bank
// boxes and sizes, group boxes of groups 1..10, settings, row labels.
inline ::testing::AssertionResult SameDocument(const Document& a,
                                               const Document& b) {
  std::string difference = DocumentDifference(a, b);
  if (difference.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << difference;
}

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_SUPPORT_COMPARE_H_
