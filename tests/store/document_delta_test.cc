#include "store/document_delta.h"

#include <gtest/gtest.h>

#include <random>

#include "store/changes.h"
#include "support/busy_document.h"
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

// What differs, line by line in the user's words, in the order banks,
// links, groups, settings, VFO bands, channels.
TEST(DocumentChangesTest, NamesEachDifferenceInTheUsersWords) {
  using testing::HandChannel;
  Document before;
  before.LayoutMemoryRows();
  before.Mem[6] = HandChannel(145.5, "145.500000", "HOME");
  before.MemFlag[6] = -1;
  before.Mem[7] = HandChannel(430.0, "430.000000", "OLD");
  before.MemFlag[7] = -1;
  EXPECT_TRUE(DocumentChanges(before, before).empty());

  Document after = before;
  after.txtBank[7] = "30";
  after.chkLink[2] = 1;
  after.chkGrp[50 * 1 + 10] = 1;
  after.settings.optLamp = 2;
  after.Vfo[1].text[kFreq] = "0.530000";
  after.Mem[5] = HandChannel(118.1, "118.100000", "TOWER");
  after.MemFlag[5] = -1;
  after.MemFlag[6] = 0;
  after.Mem[7].text[kName] = "NEW   ";
  after.Mem[7].value[kSkip] = 1;
  const std::vector<std::string> want = {
      "Bank 7 size: 100 -> 30",
      "Bank 2 link: off -> on",
      "GRP1: bank 10 added",
      "Lamp: 5sec -> ON",
      "VFO band 1: Frequency: " + before.Vfo[1].text[kFreq] + " -> 0.530000",
      "Channel 00-005 added: 118.100000 AM TOWER",
      "Channel 00-006 removed: 145.500000 AM HOME",
      "Channel 00-007: Name: OLD    -> NEW   ; Skip: - -> *"};
  EXPECT_EQ(DocumentChanges(before, after), want);
  // Names go through the caller's shown form.
  auto shown = [](std::string_view text) {
    return "<" + std::string(text) + ">";
  };
  EXPECT_EQ(DocumentChanges(before, after, shown).back(),
            "Channel 00-007: Name: <OLD   > -> <NEW   >; Skip: - -> *");
}

}  // namespace
}  // namespace vrq5
