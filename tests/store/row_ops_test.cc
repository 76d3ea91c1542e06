#include "store/row_ops.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "codec/text.h"
#include "store/slot_text.h"
#include "support/random_document.h"

namespace vrq5 {
namespace {

// A channel with the given frequency text, name and note.
Slot Channel(std::string_view freq, std::string_view name = "",
             std::string_view note = "") {
  Slot s;
  EXPECT_TRUE(SlotFromTexts(
      {freq, "FM", "5KHz", "OFF", "0", "JR", "67.0Hz", "OFF", "0", note, name},
      s));
  return s;
}

void Put(Document& doc, int slot, const Slot& s, int16_t flag = -1) {
  doc.Mem[slot] = s;
  doc.MemFlag[slot] = flag;
}

void SetBanks(Document& doc, const std::vector<std::string>& sizes) {
  for (int b = 0; b < kBankCount; ++b) {
    doc.txtBank[b] = b < static_cast<int>(sizes.size()) ? sizes[b] : "0";
  }
  doc.ReadBankSizeBoxes();
  doc.LayoutMemoryRows();
}

// Distinct content in every slot of a range, so moves can be followed.
void Fill(Document& doc, int first, int last) {
  for (int s = first; s <= last; ++s) {
    Put(doc, s,
        Channel(FormatFrequency(100 + s * 0.01), "N" + std::to_string(s),
                "note " + std::to_string(s)),
        s % 3 == 0 ? 0 : -1);
  }
}

// ---------------------------------------------------------------- areas

TEST(RowAreaTest, BanksFollowTheRowLayoutAndTheFixedAreasStand) {
  Document doc;  // ten banks of 100
  EXPECT_EQ(AreaOfSlot(doc, 305), (Area{AreaKind::kBank, 3, 300, 399}));
  EXPECT_EQ(AreaName(AreaOfSlot(doc, 305)), "bank 03");
  EXPECT_EQ(AreaOfSlot(doc, 999), (Area{AreaKind::kBank, 9, 900, 999}));
  EXPECT_EQ(AreaOfSlot(doc, 1000),
            (Area{AreaKind::kProgramScan, -1, 1000, 1099}));
  EXPECT_EQ(AreaOfSlot(doc, 1199).kind, AreaKind::kSearchPass);
  EXPECT_EQ(AreaOfSlot(doc, 1200), (Area{AreaKind::kPriority, -1, 1200, 1299}));
  for (int bad : {-1, 1300, 1 << 30}) {
    EXPECT_EQ(AreaOfSlot(doc, bad).kind, AreaKind::kNone);
    EXPECT_EQ(PasteRunEnd(doc, bad), -1);
  }
  EXPECT_EQ(AreaOfBank(doc, 10).kind, AreaKind::kNone);
  EXPECT_EQ(AreaOfBank(doc, -1).kind, AreaKind::kNone);
  EXPECT_EQ(AreaOfBank(doc, 50).kind, AreaKind::kNone);

  // Banks of size 0 and 1, and a total below 1000: rows 951.. have no bank.
  SetBanks(doc, {"0", "1", "0", "949"});
  EXPECT_EQ(AreaOfBank(doc, 0).kind, AreaKind::kNone);
  EXPECT_EQ(AreaOfBank(doc, 1), (Area{AreaKind::kBank, 1, 0, 0}));
  EXPECT_EQ(AreaOfSlot(doc, 1), (Area{AreaKind::kBank, 3, 1, 949}));
  EXPECT_EQ(AreaOfSlot(doc, 950).kind, AreaKind::kNone);
  EXPECT_EQ(PasteRunEnd(doc, 0), 949);
  EXPECT_EQ(PasteRunEnd(doc, 950), -1);
  EXPECT_EQ(PasteRunEnd(doc, 1050), 1099);

  // Sizes above 1000 in all: the layout stops at row 1000.
  SetBanks(doc, {"600", "600", "5"});
  EXPECT_EQ(AreaOfBank(doc, 1), (Area{AreaKind::kBank, 1, 600, 999}));
  EXPECT_EQ(AreaOfBank(doc, 2).kind, AreaKind::kNone);
}

// ---------------------------------------------------------------- paste

TEST(PastePlanTest, RunsOnThroughBanksButNeverIntoTheFixedAreas) {
  Document doc;
  Put(doc, 996, Channel("145"));
  Put(doc, 999, Channel("146"));
  PastePlan plan = PlanPaste(doc, 995, 10);  // slot 994, bank 9
  EXPECT_EQ(plan.targets, (std::vector<int>{994, 995, 996, 997, 998, 999}));
  EXPECT_EQ(plan.in_use, 2);
  EXPECT_EQ(plan.not_fitting, 4);
  EXPECT_EQ(PasteQuestion(plan)->text,
            "2 of the rows pasted over are in use.\r\n4 rows do not fit and "
            "are left out.\r\nPaste anyway?");

  // From bank 3 on into bank 4: free rows, no question.
  plan = PlanPaste(doc, 399, 4);
  EXPECT_EQ(plan.targets, (std::vector<int>{398, 399, 400, 401}));
  EXPECT_EQ(plan.not_fitting, 0);
  EXPECT_FALSE(PasteQuestion(plan));

  plan = PlanPaste(doc, 1100, 5);  // 49B, the last program-scan edge
  EXPECT_EQ(plan.targets, std::vector<int>{1099});
  EXPECT_EQ(plan.not_fitting, 4);
  EXPECT_EQ(PlanPaste(doc, 1101, 200).targets.size(), 100u);
  EXPECT_EQ(PlanPaste(doc, 1300, 3).targets, std::vector<int>{1299});

  for (int bad : {0, -7, 1301}) {
    plan = PlanPaste(doc, bad, 3);
    EXPECT_TRUE(plan.targets.empty());
    EXPECT_EQ(plan.not_fitting, 3);
  }
  SetBanks(doc, {"500"});
  plan = PlanPaste(doc, 499, 5);
  EXPECT_EQ(plan.targets, (std::vector<int>{498, 499}));
  EXPECT_TRUE(PlanPaste(doc, 501, 1).targets.empty());
  EXPECT_EQ(PlanPaste(doc, 1, 0).not_fitting, 0);
}

TEST(PastePlanTest, ApplyWritesContentAndFlagsAndReportsChanges) {
  Document doc;
  Put(doc, 11, Channel("145.5", "SAME", "x"));
  std::vector<CopiedRow> rows = {{11, doc.Mem[11], -1},  // what slot 11 holds
                                 {-1, Channel("146", "B"), 0},  // disabled
                                 {-1, Channel("147"), -1}};
  rows[1].content.text[kNote] = "a\r\nb";  // a note of two lines
  PastePlan plan = PlanPaste(doc, 12, rows.size());
  EXPECT_EQ(plan.in_use, 1);
  EXPECT_EQ(ApplyPaste(doc, plan, rows), (std::vector<int>{12, 13}));
  EXPECT_EQ(doc.DataChanged, -1);
  EXPECT_EQ(doc.Mem[12].text[kNote], "a  b");
  EXPECT_EQ(doc.MemFlag[12], 0);
  EXPECT_EQ(doc.Mem[13], rows[2].content);

  // Pasting the same again changes nothing; a plan naming no slot, or more
  // slots than rows, is harmless.
  doc.DataChanged = 0;
  EXPECT_TRUE(ApplyPaste(doc, plan, rows).empty());
  EXPECT_EQ(doc.DataChanged, 0);
  PastePlan odd{{-3, 5000, 20, 21}, 0, 0};
  EXPECT_EQ(ApplyPaste(doc, odd, rows), std::vector<int>{20});
  EXPECT_TRUE(ApplyPaste(doc, plan, {}).empty());
}

TEST(CutTest, CutClearsAndPasteElsewhereMovesTheRows) {
  std::mt19937 rng(7);
  Document doc = testing::RandomDocument(rng);
  Document before = doc;
  std::vector<int> rows = {1300, 5, 0, 1200, 5, 77, 1301};
  std::vector<CopiedRow> cut = CutRows(doc, rows);
  ASSERT_EQ(cut.size(), 4u);
  EXPECT_EQ(cut[0].slot, 4);
  EXPECT_EQ(cut[3].slot, 1299);
  for (const CopiedRow& r : cut) {
    EXPECT_EQ(r.content, before.Mem[r.slot]);
    EXPECT_EQ(r.flag, before.MemFlag[r.slot]);
    EXPECT_EQ(doc.Mem[r.slot], Slot{});
    EXPECT_EQ(doc.MemFlag[r.slot], 0);
  }
  auto back = RowsFromData(RowsAsData(cut));
  ASSERT_TRUE(back.has_value());
  PastePlan plan = PlanPaste(doc, 1101, back->size());
  ApplyPaste(doc, plan, *back);
  for (size_t i = 0; i < cut.size(); ++i) {
    EXPECT_EQ(doc.Mem[1100 + i], cut[i].content);
    EXPECT_EQ(doc.MemFlag[1100 + i], cut[i].flag);
  }
  Document untouched;
  EXPECT_TRUE(CutRows(untouched, {0, 1301, -4}).empty());
  EXPECT_EQ(untouched.DataChanged, 0);
}

// ---------------------------------------------------------------- text

TEST(ClipboardTextTest, LinesAreTheExportsRecordsWithTabs) {
  Document doc;
  Slot s = Channel("145.125", "ABC   ", "a\tb");
  s.value[kSkip] = 1;
  Put(doc, 5, s);
  Put(doc, 1001, Channel("0.5"), 0);
  std::string text = RowsAsText(CopyRows(doc, {6, 1002, 1101}));
  EXPECT_EQ(
      text,
      "VR-Q5\tMEMORY\t5\t145.125000\tFM\t5KHz\tOFF\t0\tJR\t67.0Hz\tOFF\t"
      "0.000000\ta b\tABC   \t#TRUE#\t#TRUE#\r\n"
      "VR-Q5\tPROGRAM SCAN\tP0B\t0.500000\tFM\t5KHz\tOFF\t0\tJR\t67.0Hz\t"
      "OFF\t0.000000\t\t\t#FALSE#\t#FALSE#\r\n"
      "VR-Q5\tSEARCH PASS\t0\t\t\t\t\t\t\t\t\t\t\t\t#FALSE#\t#FALSE#\r\n");
}

TEST(ClipboardTextTest, RoundTripOfRandomDocuments) {
  for (unsigned seed : {1u, 2u, 3u}) {
    std::mt19937 rng(seed);
    Document doc = testing::RandomDocument(rng, 60, static_cast<int>(seed % 4));
    std::vector<int> all;
    for (int r = 1; r <= kSlotCount; ++r) all.push_back(r);
    std::vector<CopiedRow> copied = CopyRows(doc, all);
    std::vector<CopiedRow> back = RowsFromText(RowsAsText(copied));
    size_t i = 0;
    for (const CopiedRow& row : copied) {
      if (row.content.IsEmpty()) continue;  // an empty row gives no line
      ASSERT_LT(i, back.size());
      EXPECT_EQ(back[i].content, row.content) << "slot " << row.slot;
      EXPECT_EQ(back[i].flag, row.flag);
      EXPECT_EQ(back[i].slot, -1);
      ++i;
    }
    EXPECT_EQ(i, back.size());
  }
}

TEST(ClipboardTextTest, SpreadsheetLinesAreReadAndBadOnesSkipped) {
  std::string text =
      "MODEL\tBANK\tCHANNEL\tFREQUENCY\tMODE\r\n"  // a header
      "\n"
      // Edited: no decimals, lower case, quoted cell, skip TRUE, no enable.
      "VR-Q5\tMEMORY\t9\t145\tfm\t20khz\tTone\t3\t300Hz\t88.5Hz\tShift-\t0.6"
      "\t\"say \"\"hi\"\"\"\tRpt\tTRUE\n"
      // Without the three leading cells, enable #FALSE#.
      "430.0125\tAM\t12.5KHz\tnone\t\t\t\t\t\t\t\t\t#FALSE#\r"
      "VR-Q5\tMEMORY\t1\t0\tFM\t5KHz\tOFF\t0\tJR\t67.0Hz\tOFF\t0\t\t\t\t\n"
      "VR-Q5\tMEMORY\t1\t1300\tFM\t5KHz\tOFF\t0\tJR\t67.0Hz\tOFF\t0\t\t\n"
      "145\tFM\t7KHz\tOFF\t0\tJR\t67.0Hz\tOFF\t0\t\t\n"      // no such step
      "145\tUSB\t5KHz\tOFF\t0\tJR\t67.0Hz\tOFF\t0\t\t\n"     // no such mode
      "145\tFM\t5KHz\tOFF\t0\tJR\t67.0Hz\tOFF\t0\t\n"        // a cell short
      "VR-Q5\tMEMORY\t145\tFM\t5KHz\tOFF\t0\tJR\t67.0Hz\n";  // short too
  std::vector<CopiedRow> rows = RowsFromText(text);
  ASSERT_EQ(rows.size(), 2u);
  const Slot& a = rows[0].content;
  EXPECT_EQ(a.text[kFreq], "145.000000");
  EXPECT_EQ(a.text[kMode], "FM");
  EXPECT_EQ(a.text[kStep], "20KHz");
  EXPECT_EQ(a.value[kOption], 2);
  EXPECT_EQ(a.value[kCarrier], 0);
  EXPECT_EQ(a.value[kTone], 8);
  EXPECT_EQ(a.value[kShiftDir], 2);
  EXPECT_EQ(a.text[kOffset], "0.600000");
  EXPECT_EQ(a.text[kNote], "say \"hi\"");
  EXPECT_EQ(a.text[kName], "Rpt");  // letter case kept
  EXPECT_EQ(a.value[kSkip], 1);
  EXPECT_EQ(rows[0].flag, -1);
  const Slot& b = rows[1].content;
  EXPECT_EQ(b.text[kFreq], "430.012500");
  EXPECT_EQ(b.value[kMode], 1);
  EXPECT_EQ(b.value[kOption], 0);
  EXPECT_EQ(b.value[kSecret], 0);
  EXPECT_EQ(b.value[kCarrier], 28);
  EXPECT_EQ(b.value[kSkip], 0);
  EXPECT_EQ(rows[1].flag, 0);

  EXPECT_TRUE(RowsFromText("").empty());
  EXPECT_TRUE(RowsFromText(std::string(5000, '\t')).empty());
  EXPECT_TRUE(RowsFromText(std::string("\0\r\n\"\t\"", 6)).empty());
}

// ---------------------------------------------------------------- data

// Seals bytes the way the data format does, so forged contents reach the
// reader behind a correct checksum.
std::string Sealed(std::string body) {
  body += "END ";
  uint64_t h = 0xCBF29CE484222325ull;
  for (char c : body) {
    h ^= static_cast<unsigned char>(c);
    h *= 0x100000001B3ull;
  }
  return body + HexText(h, 16) + "\n";
}

// The twelve numbers of a row of zeros, as the data format writes them.
std::string ZeroValues() {
  std::string out;
  for (int f = 0; f < kFieldCount; ++f) out += std::string(16, '0') + " ";
  return out;
}

TEST(ClipboardDataTest, KeepsEveryFieldExactly) {
  std::mt19937 rng(11);
  Document doc = testing::RandomDocument(rng, 70);
  std::vector<int> all;
  for (int r = 1; r <= kSlotCount; ++r) all.push_back(r);
  std::vector<CopiedRow> rows = CopyRows(doc, all);
  ASSERT_EQ(rows.size(), all.size());
  // Odd bytes and numbers no record would hold survive too.
  rows[3].content.text[kNote] = std::string("\0\r\nEND 12:\xff\t", 12);
  rows[3].content.text[kSkip] = "*";
  rows[3].content.value[kOffset] = 1e300;
  rows[3].content.value[kSecret] = -0.25;
  rows[3].flag = 7;
  auto back = RowsFromData(RowsAsData(rows));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, rows);

  EXPECT_EQ(RowsFromData(RowsAsData({})), std::vector<CopiedRow>{});
  std::string padded = RowsAsData(rows) + std::string(3, '\0');
  EXPECT_EQ(RowsFromData(padded), rows);
}

TEST(ClipboardDataTest, DamagedDataGivesNothing) {
  std::vector<CopiedRow> rows = {{5, Channel("145", "AB", "n"), -1},
                                 {-1, Slot{}, 0}};
  const std::string data = RowsAsData(rows);
  for (size_t n = 0; n < data.size(); ++n) {
    EXPECT_EQ(RowsFromData(data.substr(0, n)), std::nullopt) << n;
    std::string flipped = data;
    flipped[n] = static_cast<char>(flipped[n] ^ 0x20);
    EXPECT_EQ(RowsFromData(flipped), std::nullopt) << n;
  }
  EXPECT_EQ(RowsFromData(data + "x"), std::nullopt);
  EXPECT_EQ(RowsFromData(data + data), std::nullopt);
  EXPECT_EQ(RowsFromData(RowsAsText(rows)), std::nullopt);

  // Well sealed but wrong inside: counts, lengths and numbers out of range.
  const std::string body = data.substr(0, data.rfind("END "));
  ASSERT_GE(body.size(), 14u);
  EXPECT_EQ(RowsFromData(Sealed(body)), rows);
  for (std::string forged :
       {std::string("VRQ5-ROWS 1\n999999999999\n"),
        std::string("VRQ5-ROWS 1\n3\n") + body.substr(14),
        std::string("VRQ5-ROWS 1\n1\n1300 -1\n"),
        std::string("VRQ5-ROWS 1\n1\n5 99999\n"),
        std::string("VRQ5-ROWS 1\n1\n5 -1\n") + std::string(12 * 17, '0'),
        std::string("VRQ5-ROWS 1\n1\n5 -1\n") + ZeroValues() + "99999999:ab\n",
        std::string("VRQ5-ROWS 2\n0\n"), std::string("\n")}) {
    EXPECT_EQ(RowsFromData(Sealed(forged)), std::nullopt) << forged;
  }

  std::mt19937 rng(3);
  for (int i = 0; i < 2000; ++i) {
    std::string junk(rng() % 300, '\0');
    for (char& c : junk) c = static_cast<char>(rng());
    if (i % 2 == 0) junk = Sealed("VRQ5-ROWS 1\n" + junk);
    EXPECT_EQ(RowsFromData(junk), std::nullopt);
  }
}

// ---------------------------------------------------------------- move

TEST(MoveRowsTest, SelectedRowsMoveAndTheOthersKeepTheirOrder) {
  Document doc;
  Fill(doc, 300, 399);
  const Document before = doc;
  // Rows 302, 304, 305 are slots 301, 303, 304.
  ASSERT_TRUE(MoveRows(doc, {305, 302, 304}, -1));
  EXPECT_EQ(doc.DataChanged, -1);
  std::vector<int> from = {301, 300, 303, 304, 302, 305};  // slots 300..305
  for (int s = 300; s <= 305; ++s) {
    EXPECT_EQ(doc.Mem[s], before.Mem[from[s - 300]]) << s;
    EXPECT_EQ(doc.MemFlag[s], before.MemFlag[from[s - 300]]) << s;
  }
  ASSERT_TRUE(MoveRows(doc, {301, 303, 304}, +1));
  doc.DataChanged = before.DataChanged;
  EXPECT_EQ(doc.Mem, before.Mem);
  EXPECT_EQ(doc.MemFlag, before.MemFlag);
}

TEST(MoveRowsTest, RefusedAtAnAreasEdgeAndOnBadSelections) {
  Document doc;
  SetBanks(doc, {"1", "0", "949"});  // bank 0: row 1; bank 2: rows 2..950
  Fill(doc, 0, 1299);
  const Document before = doc;
  std::vector<std::pair<std::vector<int>, int>> refused = {
      {{1}, -1},    {{1}, +1},         // the bank of one row
      {{2}, -1},    {{950}, +1},       // bank 2's first and last rows
      {{951}, -1},  {{500, 951}, +1},  // a row in no bank
      {{1001}, -1}, {{1100}, +1},      // program-scan edges
      {{1101}, -1}, {{1201}, -1},     {{1300}, +1}, {{40, 950}, +1},
      {{}, +1},     {{0, 1301}, -1},  {{40}, 0},    {{40}, 2}};
  for (const auto& [rows, delta] : refused) {
    EXPECT_FALSE(MoveRows(doc, rows, delta));
  }
  EXPECT_EQ(doc.Mem, before.Mem);
  EXPECT_EQ(doc.MemFlag, before.MemFlag);
  EXPECT_EQ(doc.DataChanged, before.DataChanged);

  // Rows of several areas move, each within its own.
  ASSERT_TRUE(MoveRows(doc, {949, 1099, 1299}, +1));
  EXPECT_EQ(doc.Mem[949], before.Mem[948]);
  EXPECT_EQ(doc.Mem[1099], before.Mem[1098]);
  EXPECT_EQ(doc.Mem[1299], before.Mem[1298]);
  EXPECT_EQ(doc.Mem[1298], before.Mem[1299]);
}

TEST(MoveRowsTest, UpThenDownGivesTheDocumentBack) {
  std::mt19937 rng(5);
  for (int round = 0; round < 30; ++round) {
    Document doc = testing::RandomDocument(rng);
    std::vector<int> rows;
    for (int i = static_cast<int>(rng() % 40); i > 0; --i) {
      rows.push_back(static_cast<int>(rng() % 1302));
    }
    const Document before = doc;
    if (!MoveRows(doc, rows, -1)) {
      EXPECT_EQ(doc.Mem, before.Mem);
      continue;
    }
    std::vector<int> moved = ValidRows(rows);
    for (int& r : moved) --r;
    ASSERT_TRUE(MoveRows(doc, moved, +1));
    EXPECT_EQ(doc.Mem, before.Mem);
    EXPECT_EQ(doc.MemFlag, before.MemFlag);
  }
}

// ---------------------------------------------------------------- sort

TEST(SortRowsTest, StableWithEmptySlotsLast) {
  Document doc;
  // Bank 1 (slots 100..199): a few channels and holes.
  Put(doc, 100, Channel("146", "b", "Zed"));
  Put(doc, 102, Channel("145", "", "alpha"));
  Put(doc, 103, Channel("145", "A  ", ""));
  Put(doc, 104, Channel("144", "c", "Alpha"));
  doc.Mem[105].text[kNote] = "no channel here";  // a note, no frequency
  doc.MemFlag[105] = -1;
  const Document before = doc;

  ASSERT_TRUE(SortBank(doc, 1, SortKey::kFrequency));
  EXPECT_EQ(doc.Mem[100], before.Mem[104]);
  EXPECT_EQ(doc.Mem[101], before.Mem[102]);  // equal frequencies keep order
  EXPECT_EQ(doc.Mem[102], before.Mem[103]);
  EXPECT_EQ(doc.Mem[103], before.Mem[100]);
  EXPECT_EQ(doc.Mem[104], before.Mem[101]);  // the holes, in their order
  EXPECT_EQ(doc.Mem[105], before.Mem[105]);
  EXPECT_EQ(doc.MemFlag[104], 0);
  EXPECT_EQ(doc.MemFlag[105], -1);
  EXPECT_EQ(doc.DataChanged, -1);

  doc = before;
  ASSERT_TRUE(SortBank(doc, 1, SortKey::kName));  // A, b, c, then blank
  EXPECT_EQ(doc.Mem[100], before.Mem[103]);
  EXPECT_EQ(doc.Mem[101], before.Mem[100]);
  EXPECT_EQ(doc.Mem[102], before.Mem[104]);
  EXPECT_EQ(doc.Mem[103], before.Mem[102]);

  doc = before;
  ASSERT_TRUE(SortBank(doc, 1, SortKey::kNote));  // alpha, Alpha, Zed, blank
  EXPECT_EQ(doc.Mem[100], before.Mem[102]);
  EXPECT_EQ(doc.Mem[101], before.Mem[104]);
  EXPECT_EQ(doc.Mem[102], before.Mem[100]);
  EXPECT_EQ(doc.Mem[103], before.Mem[103]);

  // Numbers in names and notes sort by their value.
  Document numbered;
  const char* names[] = {"PMR10", "pmr2", "PMR1 B", "PMR1", "PMR02"};
  for (int i = 0; i < 5; ++i) {
    Put(numbered, 100 + i, Channel("446", names[i], names[i]));
  }
  for (SortKey key : {SortKey::kName, SortKey::kNote}) {
    Document sorted = numbered;
    ASSERT_TRUE(SortBank(sorted, 1, key));
    std::vector<std::string> order;
    for (int i = 0; i < 5; ++i)
      order.push_back(sorted.Mem[100 + i].text[kNote]);
    EXPECT_EQ(order, (std::vector<std::string>{"PMR1", "PMR1 B", "PMR02",
                                               "pmr2", "PMR10"}));
  }

  // What Sort takes: a selection of two rows or more as it is; one row (or
  // none) stands for its whole area, a row no area holds for nothing.
  EXPECT_EQ(RowsToSort(before, {101, 105}, 101), (std::vector<int>{101, 105}));
  const std::vector<int> bank1 = RowsToSort(before, {103}, 103);
  ASSERT_EQ(bank1.size(), 100u);
  EXPECT_EQ(bank1.front(), 101);
  EXPECT_EQ(bank1.back(), 200);
  EXPECT_EQ(RowsToSort(before, {}, 1101).size(), 100u);  // S0 .. S99
  EXPECT_TRUE(RowsToSort(before, {}, 0).empty());

  // A selection is sorted among its own rows only.
  doc = before;
  ASSERT_TRUE(SortRows(doc, {101, 105, 104}, SortKey::kFrequency));
  EXPECT_EQ(doc.Mem[100], before.Mem[104]);
  EXPECT_EQ(doc.Mem[103], before.Mem[103]);
  EXPECT_EQ(doc.Mem[104], before.Mem[100]);
  EXPECT_EQ(doc.Mem[101], before.Mem[101]);
  EXPECT_EQ(doc.Mem[102], before.Mem[102]);
}

TEST(SortRowsTest, RefusedAcrossAreasAndHarmlessOnSmallBanks) {
  Document doc;
  SetBanks(doc, {"0", "1", "999"});
  Fill(doc, 0, 1299);
  const Document before = doc;
  EXPECT_FALSE(SortRows(doc, {1, 2}, SortKey::kName));  // banks 1 and 2
  EXPECT_FALSE(SortRows(doc, {1000, 1001}, SortKey::kName));
  EXPECT_FALSE(SortRows(doc, {}, SortKey::kName));
  EXPECT_FALSE(SortRows(doc, {0, 1301}, SortKey::kName));
  EXPECT_FALSE(SortBank(doc, 0, SortKey::kName));
  EXPECT_FALSE(SortBank(doc, 77, SortKey::kName));
  EXPECT_TRUE(SortBank(doc, 1, SortKey::kFrequency));
  EXPECT_TRUE(SortBank(doc, 2, SortKey::kFrequency));  // already in order
  EXPECT_TRUE(SortRows(doc, {1101, 1200}, SortKey::kNote));
  EXPECT_EQ(doc.Mem, before.Mem);
  EXPECT_EQ(doc.DataChanged, before.DataChanged);
}

// ---------------------------------------------------------------- insert

TEST(InsertRowTest, ShiftsTheRestOfTheBankDown) {
  Document doc;
  Fill(doc, 300, 398);  // the last row of bank 3 stays empty
  const Document before = doc;
  ASSERT_EQ(InsertEmptyRow(doc, 301), std::nullopt);
  EXPECT_EQ(doc.Mem[300], Slot{});
  EXPECT_EQ(doc.MemFlag[300], 0);
  for (int s = 301; s <= 399; ++s) {
    EXPECT_EQ(doc.Mem[s], before.Mem[s - 1]) << s;
    EXPECT_EQ(doc.MemFlag[s], before.MemFlag[s - 1]) << s;
  }
  EXPECT_EQ(doc.Mem[400], before.Mem[400]);
  EXPECT_EQ(doc.DataChanged, -1);

  const Document full = doc;
  EXPECT_EQ(InsertEmptyRow(doc, 350),
            "The last row of bank 03 is in use: nothing was inserted.");
  EXPECT_EQ(doc.Mem, full.Mem);
  EXPECT_EQ(doc.MemFlag, full.MemFlag);
}

TEST(InsertRowTest, EdgesOfBanksAndTheFixedAreas) {
  Document doc;
  SetBanks(doc, {"1", "0", "949"});
  // At the last row of a bank: that row is emptied.
  doc.MemFlag[949] = -1;
  ASSERT_EQ(InsertEmptyRow(doc, 950), std::nullopt);
  EXPECT_EQ(doc.MemFlag[949], 0);
  // The bank of one row, in use.
  Put(doc, 0, Channel("145"));
  EXPECT_EQ(InsertEmptyRow(doc, 1),
            "The last row of bank 00 is in use: nothing was inserted.");
  EXPECT_EQ(doc.Mem[0], Channel("145"));

  Put(doc, 1099, Channel("150"), 0);  // in use though disabled
  EXPECT_EQ(InsertEmptyRow(doc, 1001),
            "The last row of the program-scan edges is in use: nothing was "
            "inserted.");
  Put(doc, 1150, Channel("150"));
  ASSERT_EQ(InsertEmptyRow(doc, 1101), std::nullopt);
  EXPECT_EQ(doc.Mem[1151], Channel("150"));
  EXPECT_EQ(doc.Mem[1200], Slot{});

  EXPECT_EQ(InsertEmptyRow(doc, 951),
            "Row 951 belongs to no bank: nothing was inserted.");
  EXPECT_EQ(InsertEmptyRow(doc, 0), "There is no row 0: nothing was inserted.");
  EXPECT_EQ(InsertEmptyRow(doc, 1301),
            "There is no row 1301: nothing was inserted.");
}

// ---------------------------------------------------------------- find

TEST(FindTest, QueriesOfTheThreeKinds) {
  using Kind = FindQuery::Kind;
  FindQuery q = ParseFindQuery(" 145.5 ");
  EXPECT_EQ(q.kind, Kind::kFrequency);
  EXPECT_EQ(q.low_hz, 145500000u);
  q = ParseFindQuery("146 - 144");
  EXPECT_EQ(q.kind, Kind::kRange);
  EXPECT_EQ(q.low_hz, 144000000u);
  EXPECT_EQ(q.high_hz, 146000000u);
  EXPECT_EQ(ParseFindQuery("144-146").kind, Kind::kRange);
  q = ParseFindQuery("Tower 2");
  EXPECT_EQ(q.kind, Kind::kText);
  EXPECT_EQ(q.text, "TOWER 2");
  for (const char* text : {"145.5.5", "-5", "144-", "1e3", "145 MHz"}) {
    EXPECT_EQ(ParseFindQuery(text).kind, Kind::kText) << text;
  }
  EXPECT_EQ(ParseFindQuery("  ").kind, Kind::kNothing);
}

TEST(FindTest, NextAndPreviousWrapAround) {
  Document doc;
  Put(doc, 10, Channel("145.5"));                               // row 11
  Put(doc, 19, Channel("144", "TOWER"));                        // row 20
  Put(doc, 1199, Channel("146"));                               // row 1200
  Put(doc, 1249, Channel("146.000001", "", "tower repeater"));  // row 1250
  doc.Mem[30].text[kName] = "tower";  // no channel: never found
  doc.Mem[30].text[kNote] = "145.5";

  FindQuery freq = ParseFindQuery("145.500");
  EXPECT_EQ(FindNext(doc, freq, 0), 11);
  EXPECT_EQ(FindNext(doc, freq, 11), 11);  // the row itself, last
  EXPECT_EQ(FindPrevious(doc, freq, 11), 11);

  FindQuery range = ParseFindQuery("146-144");
  EXPECT_EQ(FindNext(doc, range, 11), 20);
  EXPECT_EQ(FindNext(doc, range, 20), 1200);
  EXPECT_EQ(FindNext(doc, range, 1200), 11);  // 146.000001 is outside
  EXPECT_EQ(FindPrevious(doc, range, 11), 1200);
  EXPECT_EQ(FindPrevious(doc, range, 0), 1200);

  FindQuery text = ParseFindQuery("Tower");
  EXPECT_EQ(FindNext(doc, text, 20), 1250);
  EXPECT_EQ(FindNext(doc, text, 1250), 20);
  EXPECT_EQ(FindPrevious(doc, text, 20), 1250);
  EXPECT_EQ(FindPrevious(doc, text, 5000), 1250);
  EXPECT_FALSE(RowMatches(doc, 31, text));
  EXPECT_FALSE(RowMatches(doc, 0, text));

  EXPECT_EQ(FindNext(doc, ParseFindQuery("nowhere"), 1), std::nullopt);
  EXPECT_EQ(FindPrevious(doc, ParseFindQuery(""), 1), std::nullopt);
  EXPECT_EQ(FindNext(Document{}, range, -3), std::nullopt);
}

}  // namespace
}  // namespace vrq5
