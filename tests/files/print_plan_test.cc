#include "store/print_plan.h"

#include <gtest/gtest.h>

#include "codec/settings.h"
#include "files/clone_file.h"
#include "store/entry.h"

namespace vrq5 {
namespace {

Document Open(const char* name) {
  Document doc;
  EXPECT_EQ(OpenCloneFile(doc, std::string(VRQ5_SAMPLES_DIR "/") + name),
            FileStatus::kOk);
  return doc;
}

PrintOptions Everything() {
  PrintOptions o;
  o.bank = o.settings = o.vfo = true;
  return o;
}

// Whatever the page length, every row of every table is printed once and
// in order; a page holds no more lines than it may; a table opens with its
// heading, its columns and its first rows on one page; a page it continues
// on opens with its heading (continued) and columns; gaps only part two
// tables on one page.
TEST(PrintPlanTest, PagesKeepEveryRowOnceAndTheirHeadings) {
  for (const char* file : {"demo.VQ5", "full.VQ5"}) {
    const Document doc = Open(file);
    for (bool all_rows : {false, true}) {
      PrintOptions options = Everything();
      options.all_rows = all_rows;
      const auto tables = PrintTables(doc, options);
      for (int capacity : {3, 4, 7, 40, 66, 2000}) {
        SCOPED_TRACE(std::string(file) + " lines " + std::to_string(capacity));
        const auto pages = PlanPages(tables, capacity);
        int table = -1, next_row = 0;
        for (const PrintPage& page : pages) {
          ASSERT_FALSE(page.empty());
          ASSERT_LE(static_cast<int>(page.size()), capacity);
          EXPECT_EQ(page[0].kind, PrintLine::Kind::kHeading);
          for (size_t i = 0; i < page.size(); ++i) {
            const PrintLine& line = page[i];
            switch (line.kind) {
              case PrintLine::Kind::kHeading: {
                if (line.continued) {
                  EXPECT_EQ(i, 0u);
                  EXPECT_EQ(line.table, table);
                } else {
                  // The table before is complete; this one is the next.
                  if (table >= 0) {
                    EXPECT_EQ(next_row,
                              static_cast<int>(tables[table].rows.size()));
                  }
                  EXPECT_EQ(line.table, table + 1);
                  table = line.table;
                  next_row = 0;
                  // Its first rows (all, when fewer) on the same page.
                  int kept = std::min<int>(tables[table].rows.size(),
                                           kRowsKeptWithHeading);
                  ASSERT_GE(page.size(), i + 2 + std::min(kept, capacity - 2));
                }
                ASSERT_LT(i + 1, page.size());
                EXPECT_EQ(page[i + 1].kind, PrintLine::Kind::kColumns);
                break;
              }
              case PrintLine::Kind::kRow:
                EXPECT_EQ(line.table, table);
                EXPECT_EQ(line.row, next_row++);
                break;
              case PrintLine::Kind::kGap:
                EXPECT_GT(i, 0u);
                ASSERT_LT(i + 1, page.size());
                EXPECT_EQ(page[i + 1].kind, PrintLine::Kind::kHeading);
                EXPECT_FALSE(page[i + 1].continued);
                break;
              case PrintLine::Kind::kColumns:
                EXPECT_GT(i, 0u);
                break;
            }
          }
        }
        EXPECT_EQ(table, static_cast<int>(tables.size()) - 1);
        EXPECT_EQ(next_row, static_cast<int>(tables.back().rows.size()));
      }
    }
  }
  EXPECT_TRUE(PlanPages({}, 60).empty());
}

// What each part holds: the memory tables the channels in use (per bank,
// then the other areas), narrowed to one bank or to rows; the bank sizes
// and the groups' matrix; every setting; the model's VFO bands.
TEST(PrintPlanTest, TablesHoldWhatEachPartPrints) {
  const Document doc = Open("demo.VQ5");
  auto count_rows = [](const std::vector<PrintTable>& tables) {
    size_t n = 0;
    for (const auto& t : tables) n += t.rows.size();
    return n;
  };
  const auto memory = PrintTables(doc, PrintOptions());
  EXPECT_EQ(count_rows(memory), static_cast<size_t>(doc.ChannelsInUse()));
  EXPECT_EQ(memory.front().heading, "Bank 00");
  EXPECT_EQ(memory.front().columns.size(), 12u);
  EXPECT_EQ(memory.front().columns[0], "Row");
  EXPECT_EQ(memory.front().rows[0][0], "00-000");
  EXPECT_EQ(memory.front().rows[0][1], "118.100000");
  EXPECT_EQ(memory.front().note_column, 10);

  PrintOptions one_bank;
  one_bank.bank_only = 1;
  one_bank.all_rows = true;
  const auto bank1 = PrintTables(doc, one_bank);
  ASSERT_EQ(bank1.size(), 1u);
  EXPECT_EQ(bank1[0].heading, "Bank 01");
  EXPECT_EQ(bank1[0].rows.size(), 100u);
  PrintOptions rows;
  rows.rows = {1, 2, 1101, 1102, 5000};  // 5000 is no row
  EXPECT_EQ(count_rows(PrintTables(doc, rows)), 3u);

  PrintOptions others = Everything();
  others.memory = false;
  const auto tables = PrintTables(doc, others);
  ASSERT_EQ(tables.size(), 4u);
  EXPECT_EQ(tables[0].rows.size(), 50u);
  EXPECT_EQ(tables[0].rows[0], (std::vector<std::string>{"00", "100", ""}));
  EXPECT_EQ(tables[1].columns.size(), 11u);
  EXPECT_EQ(tables[1].rows[1][1], "x");  // bank 01 in GRP1
  EXPECT_EQ(tables[2].rows.size(), SettingFields().size());
  int bands = 0;
  for (int band = 0; band < kVfoBands; ++band) {
    bands += VfoBandExists(doc.ModelIndex, band);
  }
  EXPECT_EQ(tables[3].rows.size(), static_cast<size_t>(bands));
  EXPECT_EQ(tables[3].columns[tables[3].note_column], "Note");

  EXPECT_EQ(PrintFooter(2, 9), "Page 2 of 9");
  EXPECT_EQ(PrintHeader(Document(), "2026-12-09"),
            "Untitled    VR-Q5J    2026-12-09");
  EXPECT_EQ(ContinuedHeading("Bank 05"), "Bank 05 (continued)");
}

}  // namespace
}  // namespace vrq5
