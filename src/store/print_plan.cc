#include "store/print_plan.h"

#include <algorithm>
#include <array>

#include "codec/settings.h"
#include "codec/tables.h"
#include "codec/text.h"
#include "codec/ui_text.h"
#include "store/channel_map.h"
#include "store/entry.h"
#include "store/grid.h"
#include "store/row_ops.h"

namespace vrq5 {

namespace {

constexpr int kLanes = kBankCount + 3;  // the banks, program scan, search
                                        // pass, priority
constexpr int kNoteColumn = 10;
// The VFO grid's columns: the band, then the memory grid's columns but the
// secret code and the name, which a band record does not hold.
constexpr std::array<int, 10> kVfoColumns = {0, 1, 2, 3, 4, 6, 7, 8, 9, 10};

std::string Heading(const Document& doc, int column) {
  if (column == 0) return std::string(UiText("Row"));
  if (column == 6) return std::string(Column6Heading(doc.ModelIndex));
  return std::string(kGridHeadings[column]);
}

int LaneOfSlot(const Document& doc, int slot) {
  if (slot < kProgramScanFirst) return doc.BankOfSlot(slot);
  if (slot < kSearchPassFirst) return kBankCount;
  if (slot < kPriorityFirst) return kBankCount + 1;
  return kBankCount + 2;
}

void AddMemory(const Document& doc, const PrintOptions& options,
               std::vector<PrintTable>& out) {
  std::vector<bool> asked(kSlotCount, options.rows.empty());
  for (int row : options.rows) {
    if (row >= 1 && row <= kSlotCount) asked[row - 1] = true;
  }
  std::array<std::vector<int>, kLanes> lanes;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    int lane = LaneOfSlot(doc, slot);
    if (lane < 0 || !asked[slot]) continue;
    if (options.bank_only >= 0 && lane != options.bank_only) continue;
    if (!options.all_rows && !SlotInUse(doc, slot)) continue;
    lanes[lane].push_back(slot);
  }
  for (int lane = 0; lane < kLanes; ++lane) {
    if (lanes[lane].empty()) continue;
    PrintTable table;
    table.heading = LaneName(lane);
    for (int c = 0; c < kGridColumns; ++c)
      table.columns.push_back(Heading(doc, c));
    for (int slot : lanes[lane]) {
      auto cells = MemoryRowCells(doc, slot);
      table.rows.emplace_back(cells.begin(), cells.end());
    }
    table.note_column = kNoteColumn;
    out.push_back(std::move(table));
  }
}

void AddBank(const Document& doc, std::vector<PrintTable>& out) {
  PrintTable sizes;
  sizes.heading = UiText("Bank sizes");
  sizes.columns = {std::string(UiText("Bank")), std::string(UiText("Channels")),
                   std::string(UiText("Link"))};
  for (int b = 0; b < kBankCount; ++b) {
    sizes.rows.push_back(
        {Pad2(b), doc.txtBank[b], doc.chkLink[b] != 0 ? std::string("x") : ""});
  }
  out.push_back(std::move(sizes));
  PrintTable groups;
  groups.heading = UiText("Bank groups");
  groups.columns = {std::string(UiText("Bank"))};
  for (int g = 1; g <= 10; ++g) groups.columns.push_back(GroupLabel(g));
  for (int b = 0; b < kBankCount; ++b) {
    std::vector<std::string> row = {Pad2(b)};
    for (int g = 1; g <= 10; ++g) {
      row.push_back(doc.chkGrp[50 * g + b] != 0 ? "x" : "");
    }
    groups.rows.push_back(std::move(row));
  }
  out.push_back(std::move(groups));
}

void AddSettings(const Document& doc, std::vector<PrintTable>& out) {
  PrintTable table;
  table.heading = UiText("Settings");
  table.columns = {std::string(UiText("Setting")),
                   std::string(UiText("Value"))};
  table.cells_are_texts = true;
  for (const SettingField& f : SettingFields()) {
    table.rows.push_back({std::string(f.caption), f.Describe(doc.settings)});
  }
  out.push_back(std::move(table));
}

void AddVfo(const Document& doc, std::vector<PrintTable>& out) {
  PrintTable table;
  table.heading = UiText("VFO Data");
  for (int c : kVfoColumns) {
    table.columns.push_back(c == 0 ? std::string(UiText("Band"))
                                   : Heading(doc, c));
  }
  for (int band = 0; band < kVfoBands; ++band) {
    if (!VfoBandExists(doc.ModelIndex, band)) continue;
    std::vector<std::string> row;
    for (int c : kVfoColumns) row.push_back(VfoCell(doc, band, c));
    table.rows.push_back(std::move(row));
  }
  table.note_column = static_cast<int>(
      std::find(kVfoColumns.begin(), kVfoColumns.end(), kNoteColumn) -
      kVfoColumns.begin());
  out.push_back(std::move(table));
}

}  // namespace

std::vector<PrintTable> PrintTables(const Document& doc,
                                    const PrintOptions& options) {
  std::vector<PrintTable> out;
  if (options.memory) AddMemory(doc, options, out);
  if (options.bank) AddBank(doc, out);
  if (options.settings) AddSettings(doc, out);
  if (options.vfo) AddVfo(doc, out);
  return out;
}

std::vector<PrintPage> PlanPages(const std::vector<PrintTable>& tables,
                                 int lines_per_page) {
  const int capacity = std::max(lines_per_page, 3);
  std::vector<PrintPage> pages;
  int used = capacity;  // no page open yet
  auto new_page = [&] {
    pages.emplace_back();
    used = 0;
  };
  auto add = [&](PrintLine line) {
    pages.back().push_back(line);
    ++used;
  };
  for (int t = 0; t < static_cast<int>(tables.size()); ++t) {
    const int rows = static_cast<int>(tables[t].rows.size());
    const int gap = used > 0 && used < capacity ? 1 : 0;
    const int start = 2 + std::min(rows, kRowsKeptWithHeading);
    if (used + gap + std::min(start, capacity) > capacity) {
      new_page();
    } else if (gap) {
      add({PrintLine::Kind::kGap, t, 0, false});
    }
    add({PrintLine::Kind::kHeading, t, 0, false});
    add({PrintLine::Kind::kColumns, t, 0, false});
    for (int r = 0; r < rows; ++r) {
      if (used == capacity) {
        new_page();
        add({PrintLine::Kind::kHeading, t, 0, true});
        add({PrintLine::Kind::kColumns, t, 0, false});
      }
      add({PrintLine::Kind::kRow, t, r, false});
    }
  }
  return pages;
}

std::string PrintHeader(const Document& doc, std::string_view date) {
  // The file's own name: what follows the last folder separator (taken
  // from the UTF-8 text itself, so no system conversion can change it).
  const std::string& path = doc.CurrentFileName;
#ifdef _WIN32
  const size_t cut = path.find_last_of("/\\:");
#else
  const size_t cut = path.find_last_of('/');
#endif
  std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
  if (name.empty()) name = UiText("Untitled");
  const int model = std::clamp<int>(doc.opbModel, 0, kModelOptionCount - 1);
  return Fill(UiText("%1    %2    %3"), {name, ModelName[model], date});
}

std::string PrintFooter(int page, int pages) {
  return Fill(UiText("Page %1 of %2"),
              {std::to_string(page), std::to_string(pages)});
}

std::string ContinuedHeading(std::string_view heading) {
  return Fill(UiText("%1 (continued)"), {heading});
}

}  // namespace vrq5
