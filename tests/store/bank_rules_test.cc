#include "store/bank_rules.h"

#include <gtest/gtest.h>

namespace vrq5 {
namespace {

const Message kTotalExceeded{
    "The total of the number of channels exceeds 1000.\r\n"
    "Please set for the total of the channel to become 1000 or less.",
    "ERROR", Message::Icon::kCritical};
const Message kTotalNot1000{"Total CH must be 1000", "ERROR",
                            Message::Icon::kCritical};

std::optional<Message> Leave(Document& doc, int bank, const char* typed) {
  doc.txtBank[bank] = typed;
  return LeaveBankBox(doc, bank);
}

TEST(BankBoxTest, FocusWrapsAtBothEnds) {
  EXPECT_EQ(NextBankBox(0), 1);
  EXPECT_EQ(NextBankBox(48), 49);
  EXPECT_EQ(NextBankBox(49), 0);
  EXPECT_EQ(PreviousBankBox(0), 49);
  EXPECT_EQ(PreviousBankBox(1), 0);
  EXPECT_EQ(PreviousBankBox(49), 48);
}

TEST(BankBoxTest, RefusedSizesFallBackToTheLastAccepted) {
  Document doc;
  doc.chkLink[10] = 1;
  EXPECT_EQ(Leave(doc, 10, "1"), kTotalExceeded);
  EXPECT_EQ(doc.txtBank[10], "0");
  EXPECT_EQ(doc.BankSize[10], 0);
  EXPECT_EQ(doc.BankSizeText[10], "0");
  EXPECT_EQ(doc.chkLink[10], 0);
  EXPECT_EQ(doc.lblAll, "1000");
  EXPECT_EQ(doc.DataChanged, -1);

  doc.chkLink[3] = 1;
  for (const char* typed : {"1001", "99999", "5000"}) {
    EXPECT_EQ(Leave(doc, 3, typed), std::nullopt) << typed;
    EXPECT_EQ(doc.txtBank[3], "100") << typed;
    EXPECT_EQ(doc.BankSize[3], 100) << typed;
  }
  EXPECT_EQ(doc.chkLink[3], 1);
  // Raising a bank by one past the total is refused too.
  EXPECT_EQ(Leave(doc, 3, "101"), kTotalExceeded);
  EXPECT_EQ(doc.txtBank[3], "100");
  EXPECT_EQ(doc.lblAll, "1000");
}

TEST(BankBoxTest, AcceptedSizesAndTheTabGuard) {
  Document doc;
  for (int tab : {1, 2, 3, 4}) {
    TabChange t = ChangeTab(doc, tab);
    EXPECT_EQ(t.tab, tab);
    EXPECT_EQ(t.message, std::nullopt);
  }

  EXPECT_EQ(Leave(doc, 0, "50"), std::nullopt);
  EXPECT_EQ(doc.txtBank[0], "50");
  EXPECT_EQ(doc.BankSize[0], 50);
  EXPECT_EQ(doc.BankSizeText[0], "50");
  EXPECT_EQ(doc.lblAll, "950");
  EXPECT_EQ(doc.BankSize[50], 50);
  for (int tab : {1, 2, 3, 4}) {
    TabChange t = ChangeTab(doc, tab);
    EXPECT_EQ(t.tab, kTabBank);
    EXPECT_EQ(t.message, kTotalNot1000);
  }

  EXPECT_EQ(Leave(doc, 49, "050"), std::nullopt);
  EXPECT_EQ(doc.txtBank[49], "50");
  EXPECT_EQ(doc.BankSizeText[49], "50");
  EXPECT_EQ(doc.lblAll, "1000");
  EXPECT_EQ(doc.BankSize[50], 0);
  EXPECT_EQ(ChangeTab(doc, kTabMemory).tab, kTabMemory);
  EXPECT_EQ(Leave(doc, 20, "1"), kTotalExceeded);

  // An emptied box reads 0 and loses its link.
  doc.chkLink[2] = 1;
  EXPECT_EQ(Leave(doc, 2, ""), std::nullopt);
  EXPECT_EQ(doc.txtBank[2], "0");
  EXPECT_EQ(doc.BankSize[2], 0);
  EXPECT_EQ(doc.BankSizeText[2], "0");
  EXPECT_EQ(doc.chkLink[2], 0);
  EXPECT_EQ(doc.lblAll, "900");
  EXPECT_EQ(doc.BankSize[50], 100);

  // The whole thousand in one bank.
  for (int b = 0; b < kBankCount; ++b) Leave(doc, b, "0");
  EXPECT_EQ(Leave(doc, 7, "1000"), std::nullopt);
  EXPECT_EQ(doc.lblAll, "1000");
  EXPECT_EQ(doc.BankSize[7], 1000);

  // Leaving a box unchanged still marks the document changed.
  doc.DataChanged = 0;
  EXPECT_EQ(LeaveBankBox(doc, 7), std::nullopt);
  EXPECT_EQ(doc.DataChanged, -1);
}

TEST(BankBoxTest, LinkAndGroupBoxes) {
  Document doc;
  SetLinkBox(doc, 12, true);  // size 0
  EXPECT_EQ(doc.chkLink[12], 0);
  EXPECT_EQ(doc.DataChanged, 0);
  SetLinkBox(doc, 1, true);
  EXPECT_EQ(doc.chkLink[1], 1);
  EXPECT_EQ(doc.DataChanged, -1);
  SetLinkBox(doc, 1, false);
  EXPECT_EQ(doc.chkLink[1], 0);
  // The box text decides, not the stored size.
  doc.txtBank[12] = "5";
  SetLinkBox(doc, 12, true);
  EXPECT_EQ(doc.chkLink[12], 1);

  doc.DataChanged = 0;
  SetGroupBox(doc, 549, true);
  EXPECT_EQ(doc.chkGrp[549], 1);
  EXPECT_EQ(doc.DataChanged, -1);
  SetGroupBox(doc, 549, false);
  EXPECT_EQ(doc.chkGrp[549], 0);
}

TEST(ClearCommandTest, ConfirmationsAndClearing) {
  // Undo takes a clear back: no question says it cannot be undone.
  EXPECT_EQ(ClearConfirmation(),
            (Message{"Are you sure that you want to do the clear?", "CLEAR OK",
                     Message::Icon::kWarning}));
  EXPECT_EQ(ClearConfirmation(3),
            (Message{"Clear 3 rows?", "CLEAR OK", Message::Icon::kWarning}));
  EXPECT_EQ(ClearAllConfirmation(),
            (Message{"Are you sure that you want to clear all memory?",
                     "CLEAR OK", Message::Icon::kWarning}));

  Document doc;
  Slot channel;
  channel.value = {145.5, 1, 6, 2, 11, 28, 8, 1, 0.6, 0, 0, 1};
  channel.text = {"145.500000", "AM",     "20KHz",    "Tone", "11",   "JR",
                  "88.5Hz",     "Shift+", "0.600000", "n",    "NAME", ""};
  for (int s = 0; s < kSlotCount; s += 7) {
    doc.Mem[s] = channel;
    doc.MemFlag[s] = -1;
  }
  doc.Mem[1000] = channel;
  doc.MemFlag[1000] = -1;
  Document before = doc;

  ClearSlot(doc, 1000);
  EXPECT_EQ(doc.DataChanged, -1);
  EXPECT_EQ(doc.MemFlag[1000], 0);
  EXPECT_EQ(doc.Mem[1000], Slot{});
  for (int s = 0; s < kSlotCount; ++s) {
    if (s == 1000) continue;
    ASSERT_EQ(doc.Mem[s], before.Mem[s]) << s;
    ASSERT_EQ(doc.MemFlag[s], before.MemFlag[s]) << s;
  }

  doc.DataChanged = 0;
  ClearAllSlots(doc);
  EXPECT_EQ(doc.DataChanged, -1);
  EXPECT_EQ(doc.ChannelsInUse(), 0);
  for (int s = 0; s < kSlotCount; ++s) {
    ASSERT_EQ(doc.Mem[s], Slot{}) << s;
    ASSERT_EQ(doc.MemFlag[s], 0) << s;
  }
}

}  // namespace
}  // namespace vrq5
