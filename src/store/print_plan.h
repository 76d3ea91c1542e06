// What a printout holds and how it falls onto pages: the tables of the
// parts asked for (Memory, Bank, Settings, VFO Data), then the pages with
// their lines, and the texts of each page's header and footer. The window
// and `vrq5 print` only draw these pages, so both give the same ones.
#ifndef VRQ5_STORE_PRINT_PLAN_H_
#define VRQ5_STORE_PRINT_PLAN_H_

#include <string>
#include <string_view>
#include <vector>

#include "store/document.h"

namespace vrq5 {

struct PrintOptions {
  bool memory = true;
  bool bank = false;
  bool settings = false;
  bool vfo = false;
  bool all_rows = false;  // every memory row, not only the channels in use
  int bank_only = -1;     // one bank (0..49); -1: every bank and area
  std::vector<int> rows;  // these grid rows (1..1300) only, when not empty
};

struct PrintTable {
  std::string heading;
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
  int note_column = -1;  // the column of note bytes (shown as notes), or -1
  bool cells_are_texts = false;  // cells are captions and values, not data
};

// The tables of the parts `options` asks for, in print order: Memory (a
// table per bank, then program scan, search pass and priority; areas with
// no row printed are left out), Bank (sizes with links, then the groups as
// a matrix of banks and groups), Settings (every setting by its caption),
// VFO Data (the model's bands with the VFO grid's columns).
std::vector<PrintTable> PrintTables(const Document& doc,
                                    const PrintOptions& options);

struct PrintLine {
  enum class Kind { kHeading, kColumns, kRow, kGap };
  Kind kind = Kind::kRow;
  int table = 0;           // index into the tables
  int row = 0;             // kRow: the row of that table
  bool continued = false;  // kHeading: the table began on an earlier page
};

using PrintPage = std::vector<PrintLine>;

// A table starts on a page only where its heading, its column headings and
// this many of its rows (all of them, when it has fewer) fit.
inline constexpr int kRowsKeptWithHeading = 3;

// The tables on pages of `lines_per_page` lines (header and footer not
// counted; at least 3). A table's heading and column headings open every
// page it continues on, a gap line parts two tables on a page, and no row
// is split. No tables, no pages.
std::vector<PrintPage> PlanPages(const std::vector<PrintTable>& tables,
                                 int lines_per_page);

// The header of every page: the file's name (or "Untitled"), the model and
// `date`; the footer: "Page N of M".
std::string PrintHeader(const Document& doc, std::string_view date);
std::string PrintFooter(int page, int pages);
// A continued table's heading.
std::string ContinuedHeading(std::string_view heading);

}  // namespace vrq5

#endif  // VRQ5_STORE_PRINT_PLAN_H_
