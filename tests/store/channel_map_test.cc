#include "store/channel_map.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vrq5 {
namespace {

void Put(Document& doc, int slot, double mhz, const std::string& name,
         int16_t flag = -1) {
  doc.Mem[slot].value[kFreq] = mhz;
  doc.Mem[slot].text[kFreq] = std::to_string(mhz);
  doc.Mem[slot].text[kName] = name;
  doc.MemFlag[slot] = flag;
}

TEST(ChannelMapTest, LogarithmicScaleOverTheReceiversRange) {
  EXPECT_DOUBLE_EQ(MapPosition(0.1), 0);
  EXPECT_DOUBLE_EQ(MapPosition(1300), 1);
  EXPECT_DOUBLE_EQ(MapPosition(0.01), 0);
  EXPECT_DOUBLE_EQ(MapPosition(5000), 1);
  EXPECT_NEAR(MapPosition(std::sqrt(0.1 * 1300)), 0.5, 1e-12);
  EXPECT_LT(MapPosition(144), MapPosition(145));
  for (double mhz : {0.5, 7.1, 145.5, 1299.995}) {
    EXPECT_NEAR(MapFrequency(MapPosition(mhz)), mhz, mhz * 1e-12);
  }
}

TEST(ChannelMapTest, MarksLanesAndBands) {
  Document doc;  // ten banks of 100
  Put(doc, 0, 145.5, "CALL  ");
  Put(doc, 305, 433.5, "LPD");
  Put(doc, 306, 440.0, "OFF", 0);  // disabled: not drawn
  Put(doc, 1001, 118.1, "");       // program scan 0B
  Put(doc, 1299, 121.5, "AIR");    // Pr99
  ChannelMap map = BuildChannelMap(doc);
  ASSERT_EQ(map.marks.size(), 4u);
  EXPECT_EQ(map.marks[0].row, 1);
  EXPECT_EQ(map.marks[0].lane, 0);
  EXPECT_EQ(map.marks[0].label, "00-000");
  EXPECT_EQ(map.marks[0].name, "CALL");
  EXPECT_EQ(map.marks[1].lane, 3);
  EXPECT_EQ(map.marks[1].label, "03-005");
  EXPECT_EQ(map.marks[2].lane, kBankCount);
  EXPECT_EQ(map.marks[2].label, "0B");
  EXPECT_EQ(map.marks[3].lane, kBankCount + 2);
  EXPECT_EQ(map.marks[3].label, "Pr99");
  for (auto [lane, name] : {std::pair{0, "Bank 00"},
                            {3, "Bank 03"},
                            {49, "Bank 49"},
                            {kBankCount, "Program scan"},
                            {kBankCount + 1, "Search pass"},
                            {kBankCount + 2, "Priority"},
                            {kBankCount + 3, ""},
                            {-1, ""}}) {
    EXPECT_EQ(LaneName(lane), name) << lane;
  }
  ASSERT_EQ(map.bands.size(), 14u);
  EXPECT_DOUBLE_EQ(map.bands[0].low, 0.1);

  doc.SelectModel(2);  // the VR-Q70T has eight VFO bands
  EXPECT_EQ(BuildChannelMap(doc).bands.size(), 8u);
}

TEST(ChannelMapTest, MarkAtFindsTheNearestInItsLane) {
  Document doc;
  Put(doc, 0, 145.0, "A");
  Put(doc, 1, 146.0, "B");
  Put(doc, 100, 145.0, "OTHER");  // bank 01
  ChannelMap map = BuildChannelMap(doc);
  auto hit = MarkAt(map, 0, MapPosition(145.9), 0.01);
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->name, "B");
  auto other = MarkAt(map, 1, MapPosition(145.0), 0.001);
  ASSERT_TRUE(other);
  EXPECT_EQ(other->row, 101);
  EXPECT_FALSE(MarkAt(map, 0, MapPosition(300.0), 0.01));
  EXPECT_FALSE(MarkAt(map, 2, MapPosition(145.0), 0.5));
}

TEST(ChannelMapTest, TableListsLanesInOrderEachByFrequency) {
  Document doc;
  Put(doc, 1001, 118.1, "");     // program scan 0B: after every bank
  Put(doc, 100, 0.5, "MW");      // bank 01
  Put(doc, 7, 433.5, "LPD  ");   // bank 00, highest
  Put(doc, 3, 145.0, "B");       // bank 00, the same frequency twice:
  Put(doc, 2, 145.0, "A");       // row order
  Put(doc, 9, 1299.995, "TOP");  // bank 00
  std::vector<MapTableRow> rows = MapTableRows(BuildChannelMap(doc));
  std::vector<std::vector<std::string>> cells;
  for (const MapTableRow& r : rows) {
    cells.push_back(
        {std::to_string(r.row), r.lane, r.label, r.frequency, r.name});
  }
  EXPECT_EQ(cells, (std::vector<std::vector<std::string>>{
                       {"3", "Bank 00", "00-002", "145.000000 MHz", "A"},
                       {"4", "Bank 00", "00-003", "145.000000 MHz", "B"},
                       {"8", "Bank 00", "00-007", "433.500000 MHz", "LPD"},
                       {"10", "Bank 00", "00-009", "1299.995000 MHz", "TOP"},
                       {"101", "Bank 01", "01-000", "0.500000 MHz", "MW"},
                       {"1002", "Program scan", "0B", "118.100000 MHz", ""}}));
  EXPECT_TRUE(MapTableRows(ChannelMap()).empty());
}

}  // namespace
}  // namespace vrq5
