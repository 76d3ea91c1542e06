#include "store/document.h"

#include <gtest/gtest.h>

#include <random>

#include "codec/tables.h"

namespace vrq5 {
namespace {

void SetBoxes(Document& doc, std::initializer_list<int> sizes) {
  for (auto& box : doc.txtBank) box = "0";
  int b = 0;
  for (int n : sizes) doc.txtBank[b++] = std::to_string(n);
}

TEST(DocumentStartTest, StartUpState) {
  Document doc;
  EXPECT_EQ(doc.ModelIndex, 0);
  EXPECT_EQ(doc.opbModel, 0);
  EXPECT_EQ(doc.DataChanged, 0);
  EXPECT_EQ(doc.CurrentFileName, "");
  EXPECT_EQ(doc.ChannelsInUse(), 0);
  for (int b = 0; b < kBankCount; ++b) {
    EXPECT_EQ(doc.BankSize[b], b < 10 ? 100 : 0);
    EXPECT_EQ(doc.BankSizeText[b], b < 10 ? "100" : "0");
    EXPECT_EQ(doc.txtBank[b], doc.BankSizeText[b]);
  }
  EXPECT_EQ(doc.lblAll, "1000");
  EXPECT_EQ(doc.SettingsHex1, DefaultSettings1(0));
  EXPECT_EQ(doc.SettingsHex2, DefaultSettings2(0));
  EXPECT_EQ(doc.settings.Slider1, 20);
  for (int s = 0; s < kSlotCount; ++s) ASSERT_EQ(doc.MemFlag[s], 0);
}

TEST(DocumentRowsTest, DefaultLabels) {
  Document doc;
  EXPECT_EQ(doc.SlotLabel(305), "03-005");
  EXPECT_EQ(doc.SlotLabel(0), "00-000");
  EXPECT_EQ(doc.SlotLabel(999), "09-099");
  EXPECT_EQ(doc.BankOfSlot(305), 3);
  EXPECT_EQ(doc.RowLabel(1001), "0A");
  EXPECT_EQ(doc.RowLabel(1002), "0B");
  EXPECT_EQ(doc.RowLabel(1100), "49B");
  EXPECT_EQ(doc.SlotLabel(1099), "49B");
  EXPECT_EQ(doc.RowLabel(1101), "S0");
  EXPECT_EQ(doc.SlotLabel(1100), "S0");
  EXPECT_EQ(doc.RowLabel(1201), "Pr0");
  EXPECT_EQ(doc.RowLabel(1300), "Pr99");
  EXPECT_EQ(ProgramScanLabel[99], "P49B");
  EXPECT_EQ(ProgramScanLabel[2], "P1A");
}

TEST(DocumentRowsTest, LabelsFollowTheBoxes) {
  Document doc;
  SetBoxes(doc, {0, 1000});
  doc.LayoutMemoryRows();
  EXPECT_EQ(doc.SlotLabel(0), "01-000");
  EXPECT_EQ(doc.SlotLabel(999), "01-999");
  SetBoxes(doc, {0, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100});
  doc.LayoutMemoryRows();
  EXPECT_EQ(doc.RowLabel(1), "01-000");
  EXPECT_EQ(doc.SlotLabel(99), "01-099");
  EXPECT_EQ(doc.SlotLabel(100), "02-000");
  for (int b = 0; b < 50; ++b) doc.txtBank[b] = "20";
  doc.LayoutMemoryRows();
  EXPECT_EQ(doc.SlotLabel(999), "49-019");
  EXPECT_EQ(doc.BankOfSlot(999), 49);
}

TEST(DocumentRowsTest, AbsurdSizesStayInsideTheLabelRange) {
  Document doc;
  std::mt19937 rng(5);
  const char* weird[] = {"-1",  "65535", "32767", "-32768", "abc", "",
                         "1e9", "999",   "0",     "7",      "-5",  "1000.5"};
  for (int trial = 0; trial < 300; ++trial) {
    for (auto& box : doc.txtBank) box = weird[rng() % std::size(weird)];
    doc.LayoutMemoryRows();
    for (int slot = 0; slot < kMemoryChannels; ++slot) {
      const std::string& label = doc.SlotLabel(slot);
      if (label.empty()) continue;
      ASSERT_EQ(label.size(), 6u) << label;
      int bank = std::stoi(label.substr(0, 2));
      int channel = std::stoi(label.substr(3));
      ASSERT_GE(bank, 0);
      ASSERT_LE(bank, 49);
      ASSERT_GE(channel, 0);
      ASSERT_LE(channel, 999);
      ASSERT_EQ(doc.BankOfSlot(slot), bank);
    }
  }
}

TEST(DocumentRowsTest, NegativeSizeCoversNoRowsAndShortTotalLeavesRowsBlank) {
  Document doc;
  SetBoxes(doc, {-1, 10, 5});
  doc.LayoutMemoryRows();
  EXPECT_EQ(doc.SlotLabel(0), "01-000");
  EXPECT_EQ(doc.SlotLabel(9), "01-009");
  EXPECT_EQ(doc.SlotLabel(14), "02-004");
  EXPECT_EQ(doc.SlotLabel(15), "");
  EXPECT_EQ(doc.BankOfSlot(15), -1);
  EXPECT_EQ(doc.SlotLabel(1000), "0A");
}

TEST(BankTableTest, ClippingAtThousand) {
  Document doc;
  doc.BankSize.fill(0);
  for (auto& t : doc.BankSizeText) t = "0";
  doc.BankSize[0] = 600;
  doc.BankSizeText[0] = "600";
  doc.BankSize[1] = 600;
  doc.BankSizeText[1] = "600";
  doc.BankSize[2] = 50;
  doc.BankSizeText[2] = "50";
  doc.BankSizesToHex();
  EXPECT_EQ(doc.BankSize[0], 600);
  EXPECT_EQ(doc.BankSize[1], 400);
  EXPECT_EQ(doc.BankSizeText[1], "400");
  EXPECT_EQ(doc.BankSize[2], 0);
  EXPECT_EQ(doc.txtBank[2], "0");
  EXPECT_EQ(doc.lblAll, "1000");
}

TEST(BankTableTest, TotalBelowThousandIsKept) {
  Document doc;
  doc.BankSize[9] = 50;
  doc.BankSizeText[9] = "50";
  doc.BankSizesToHex();
  EXPECT_EQ(doc.BankSize[9], 50);
  EXPECT_EQ(doc.lblAll, "950");
}

TEST(BankTableTest, PiecesOfTheDefaultTable) {
  Document doc;
  doc.BankSizesToHex();
  std::string piece0;
  for (int i = 0; i < 10; ++i) piece0 += "6400";
  for (int i = 0; i < 6; ++i) piece0 += "0000";
  EXPECT_EQ(doc.BankTableHex[0], piece0);
  EXPECT_EQ(doc.BankTableHex[1], std::string(64, '0'));
  EXPECT_EQ(doc.BankTableHex[2], std::string(64, '0'));
  EXPECT_EQ(doc.BankTableHex[3],
            "00000000"
            "6400640064001400");
}

TEST(BankTableTest, SizesAreLittleEndian) {
  Document doc;
  doc.BankSize[0] = 4;
  doc.BankSizeText[0] = "4";
  for (int b = 1; b <= 3; ++b) {
    doc.BankSize[b] = 0;
    doc.BankSizeText[b] = "0";
  }
  doc.BankSize[49] = 300;
  doc.BankSizeText[49] = "300";
  doc.BankSizesToHex();
  EXPECT_EQ(doc.BankTableHex[0].substr(0, 4), "0400");
  ASSERT_EQ(doc.BankTableHex[3].size(), 24u);
  EXPECT_EQ(doc.BankTableHex[3].substr(4, 4), "2C01");
}

TEST(BankTableTest, RoundTripThroughHex) {
  std::mt19937 rng(1);
  for (int trial = 0; trial < 100; ++trial) {
    Document doc;
    int left = 1000;
    for (int b = 0; b < kBankCount; ++b) {
      int n = b == 49 ? left : static_cast<int>(rng() % (left + 1)) / 4;
      left -= n;
      doc.BankSize[b] = static_cast<int16_t>(n);
      doc.BankSizeText[b] = std::to_string(n);
    }
    auto sizes = doc.BankSize;
    doc.BankSizesToHex();
    Document other;
    other.BankTableHex = doc.BankTableHex;
    other.HexToBankSizes();
    other.ShowBankSizes();
    for (int b = 0; b < kBankCount; ++b) {
      ASSERT_EQ(other.BankSize[b], sizes[b]);
      ASSERT_EQ(other.txtBank[b], std::to_string(sizes[b]));
    }
    EXPECT_EQ(other.lblAll, "1000");
  }
}

TEST(BankTableTest, DamagedHexNeverBreaks) {
  Document doc;
  doc.BankTableHex = {"FFFF6400", "", "zz", "12", "", "", ""};
  doc.HexToBankSizes();
  EXPECT_EQ(doc.BankSize[0], -1);
  EXPECT_EQ(doc.BankSizeText[0], "-1");
  EXPECT_EQ(doc.BankSize[1], 100);
  EXPECT_EQ(doc.BankSize[2], 0);   // missing
  EXPECT_EQ(doc.BankSize[16], 0);  // empty piece
  EXPECT_EQ(doc.BankSize[32], 0);  // not hex
  EXPECT_EQ(doc.BankSize[48], 0x12);
  doc.ShowBankSizes();
  doc.LayoutMemoryRows();
  EXPECT_EQ(doc.SlotLabel(0), "01-000");
  // A negative size is never written out.
  doc.BankSizesToHex();
  EXPECT_EQ(doc.BankSize[0], 0);
  EXPECT_EQ(doc.BankTableHex[0].substr(0, 8), "00006400");
}

TEST(BankBoxesTest, ReadBoxesComputesTheRemainder) {
  Document doc;
  doc.txtBank[9] = "60";
  doc.ReadBankSizeBoxes();
  EXPECT_EQ(doc.BankSize[9], 60);
  EXPECT_EQ(doc.BankSizeText[9], "100");  // the text is not copied
  EXPECT_EQ(doc.BankSize[50], 40);
  EXPECT_EQ(doc.lblAll, "960");
  doc.txtBank[9] = "200";
  doc.ReadBankSizeBoxes();
  EXPECT_EQ(doc.BankSize[50], 0);
  EXPECT_EQ(doc.lblAll, "1100");
  doc.txtBank[10] = "99999999";
  doc.ReadBankSizeBoxes();
  EXPECT_EQ(doc.BankSize[10], 32767);
}

TEST(GroupBoxesTest, BoxesAndTable) {
  Document doc;
  doc.GroupTable[1][0] = -1;
  doc.GroupTable[10][49] = -1;
  doc.GroupTable[0][3] = -1;
  doc.ShowGroupTable();
  EXPECT_EQ(doc.chkGrp[50], 1);
  EXPECT_EQ(doc.chkGrp[549], 1);
  EXPECT_EQ(doc.chkGrp[3], 0);  // row 0 is never shown
  doc.chkGrp[3] = 1;
  doc.chkGrp[50] = 0;
  doc.ReadGroupChecks();
  EXPECT_EQ(doc.GroupTable[0][3], -1);
  EXPECT_EQ(doc.GroupTable[1][0], 0);
  EXPECT_EQ(doc.GroupTable[10][49], -1);
}

TEST(VfoDefaultsTest, PerModel) {
  Document doc;
  EXPECT_EQ(doc.VfoValue(1, kFreq), 0.531);
  EXPECT_EQ(doc.VfoText(1, kMode), "AM");
  EXPECT_EQ(doc.VfoText(1, kStep), "9KHz");
  EXPECT_EQ(doc.VfoText(0, kFreq), "0.100000");
  EXPECT_EQ(doc.VfoText(0, kOffset), "0.250000");
  EXPECT_EQ(doc.VfoValue(8, kMode), 1);
  EXPECT_EQ(doc.VfoText(8, kMode), "AM");
  EXPECT_EQ(doc.VfoValue(10, kStep), 6);
  EXPECT_EQ(doc.VfoValue(11, kFreq), 475.75);
  for (int b = 0; b < kVfoBands; ++b) {
    EXPECT_EQ(doc.VfoText(b, kCarrier), "JR");
    EXPECT_EQ(doc.VfoText(b, kTone), "88.5Hz");
    EXPECT_EQ(doc.VfoText(b, kOption), "OFF");
    EXPECT_EQ(doc.VfoText(b, kShiftDir), "OFF");
    EXPECT_EQ(doc.VfoValue(b, kSecret), 11);
  }
  doc.VfoText(3, kNote) = "kept";
  doc.SelectModel(2);
  EXPECT_EQ(doc.ModelIndex, 2);
  EXPECT_EQ(doc.VfoValue(1, kFreq), 0.53);
  EXPECT_EQ(doc.VfoText(1, kStep), "10KHz");
  EXPECT_EQ(doc.VfoValue(0, kSecret), 8);
  EXPECT_EQ(doc.VfoText(7, kSecret), "8");
  EXPECT_EQ(doc.VfoValue(9, kSecret), 11);
  EXPECT_EQ(doc.VfoValue(10, kStep), 4);
  EXPECT_EQ(doc.VfoValue(11, kFreq), 476.75);
  EXPECT_EQ(doc.VfoText(3, kNote), "kept");
  doc.SelectModel(1);
  EXPECT_EQ(doc.VfoValue(4, kFreq), 87.6);
  EXPECT_EQ(doc.VfoValue(6, kStep), 4);
  EXPECT_EQ(doc.VfoText(7, kFreq), "180.750000");
  EXPECT_EQ(doc.SettingsHex2, DefaultSettings2(1));
  // Members 4 and 5 name no model of their own: ModelIndex stays; a model
  // outside 0..3 is not adopted.
  doc.SelectModel(5);
  EXPECT_EQ(doc.ModelIndex, 1);
  doc.AdoptModel(4);
  EXPECT_EQ(doc.opbModel, 5);
  EXPECT_EQ(doc.ModelIndex, 1);
  doc.AdoptModel(3);
  EXPECT_EQ(doc.ModelIndex, 3);
}

TEST(NewDataTest, ResetsEverythingButTheNotes) {
  Document doc;
  doc.MemValue(5, kFreq) = 145;
  doc.MemText(5, kFreq) = "145.000000";
  doc.MemFlag[5] = -1;
  doc.txtBank[0] = "50";
  doc.chkGrp[77] = 1;
  doc.settings.chkATT = 1;
  doc.CurrentFileName = "x.VQ5";
  doc.DataChanged = -1;
  doc.NewData();
  EXPECT_EQ(doc.ChannelsInUse(), 0);
  EXPECT_EQ(doc.MemFlag[5], 0);
  EXPECT_EQ(doc.txtBank[0], "100");
  EXPECT_EQ(doc.BankSize[0], 100);
  EXPECT_EQ(doc.chkGrp[77], 0);
  EXPECT_EQ(doc.settings.chkATT, 0);
  EXPECT_EQ(doc.CurrentFileName, "");
  EXPECT_EQ(doc.DataChanged, 0);
  EXPECT_EQ(doc.SlotLabel(999), "09-099");
}

TEST(RefillTest, DisabledSlotsAreEmptied) {
  Document doc;
  for (int s : {0, 1, 1299}) {
    doc.MemValue(s, kFreq) = 100;
    doc.MemText(s, kNote) = "n";
  }
  doc.MemFlag[0] = -1;
  doc.MemFlag[1] = 1;  // anything but -1 is disabled
  doc.RefillMemory();
  EXPECT_EQ(doc.MemValue(0, kFreq), 100);
  EXPECT_EQ(doc.MemText(0, kNote), "n");
  EXPECT_TRUE(doc.Mem[1] == Slot{});
  EXPECT_TRUE(doc.Mem[1299] == Slot{});
  EXPECT_EQ(doc.MemFlag[1], 1);  // the flag itself stays
  EXPECT_EQ(doc.ChannelsInUse(), 1);
}

}  // namespace
}  // namespace vrq5
