#include "store/document_delta.h"

#include <gtest/gtest.h>

#include <random>

#include "support/compare.h"
#include "support/random_document.h"

namespace vrq5 {
namespace {

bool SameRest(const Document& a, const Document& b) {
  return RestOf(a) == RestOf(b) && a.MemFlag == b.MemFlag;
}

TEST(DocumentDeltaTest, BackwardAndForwardGiveBothDocuments) {
  std::mt19937 rng(11);
  for (int round = 0; round < 6; ++round) {
    Document a = testing::RandomDocument(rng, 40, round % 4);
    Document b = testing::RandomDocument(rng, 70, (round + 1) % 4);
    b.CurrentFileName = "other.VQ5";
    b.DataChanged = -1;
    DocumentDelta delta = MakeDelta(a, b);
    ASSERT_TRUE(delta.rest_changed);

    Document undone = b;
    ApplyDelta(undone, delta, false);
    EXPECT_TRUE(testing::SameDocument(undone, a));
    EXPECT_TRUE(SameRest(undone, a));
    EXPECT_EQ(undone.SlotLabel(999), a.SlotLabel(999));
    // The file name and the changed flag follow the history, not a change.
    EXPECT_EQ(undone.CurrentFileName, "other.VQ5");
    EXPECT_EQ(undone.DataChanged, -1);

    Document redone = undone;
    ApplyDelta(redone, delta, true);
    EXPECT_TRUE(testing::SameDocument(redone, b));
    EXPECT_TRUE(SameRest(redone, b));
  }
}

TEST(DocumentDeltaTest, KeepsOnlyWhatChanged) {
  std::mt19937 rng(12);
  Document a = testing::RandomDocument(rng, 50);
  EXPECT_TRUE(MakeDelta(a, a).empty());

  Document b = a;
  b.Mem[305].text[kNote] = "changed";
  b.MemFlag[1299] = b.MemFlag[1299] == -1 ? 0 : -1;
  DocumentDelta delta = MakeDelta(a, b);
  ASSERT_EQ(delta.changed_slots.size(), 2u);
  EXPECT_EQ(delta.changed_slots[0].slot, 305);
  EXPECT_EQ(delta.changed_slots[1].slot, 1299);
  EXPECT_FALSE(delta.rest_changed);

  // A change of one working copy carries the rest, and nothing else of it
  // is written back: a slot changed since stays as it is.
  Document c = a;
  c.chkGrp[60] = 1 - c.chkGrp[60];
  DocumentDelta groups = MakeDelta(a, c);
  EXPECT_TRUE(groups.changed_slots.empty());
  EXPECT_TRUE(groups.rest_changed);
  c.Mem[7].text[kName] = "LATER ";
  ApplyDelta(c, groups, false);
  EXPECT_EQ(c.chkGrp[60], a.chkGrp[60]);
  EXPECT_EQ(c.Mem[7].text[kName], "LATER ");
}

}  // namespace
}  // namespace vrq5
