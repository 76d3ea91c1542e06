// Editing many rows of the memory grid at once: the areas rows belong to,
// copying rows to the clipboard (as text a spreadsheet takes, and exactly),
// pasting them, cut, moving selected rows, sorting, inserting an empty row,
// and finding a channel by frequency, range or text.
//
// Rows are memory-grid rows 1..1300 (row r shows slot r - 1). A row outside
// 1..1300 is dropped from every selection and refused as a target; no
// operation fails on any input.
//
// Areas. Each memory bank is an area of its own, by the last row layout
// (Document::LayoutMemoryRows); a bank of size 0 has no rows, and memory
// rows that no bank covers (bank sizes adding up to less than 1000) belong
// to no area. The program-scan edges (slots 1000..1099), the search-pass
// channels (1100..1199) and the priority channels (1200..1299) are one
// area each.
//
// What a paste may write: from the target row on, to the end of the run the
// target's area belongs to. The memory banks form one run (a paste that
// starts in a bank goes on into the next banks' rows, up to the last memory
// row a bank covers); each fixed area is a run of its own. So a paste never
// crosses into the program-scan, search-pass or priority slots, nor out of
// them, unless its target row is there. A target in no area takes nothing.
//
// What a move, a sort or an insert may touch: the rows of one area (one
// bank, or one fixed area); nothing crosses an area's edge.
#ifndef VRQ5_STORE_ROW_OPS_H_
#define VRQ5_STORE_ROW_OPS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/document.h"

namespace vrq5 {

// ----- areas -----

enum class AreaKind { kNone, kBank, kProgramScan, kSearchPass, kPriority };

// An area: its kind, the bank for kBank (else -1), and its slots
// first .. last (both included; for kNone, first > last).
struct Area {
  AreaKind kind = AreaKind::kNone;
  int bank = -1;
  int first = 0;
  int last = -1;
  bool Contains(int slot) const { return slot >= first && slot <= last; }
  friend bool operator==(const Area&, const Area&) = default;
};

// The area of slot 0..1299 (kNone for any other number).
Area AreaOfSlot(const Document& doc, int slot);
// The area of bank 0..49 (kNone when the bank covers no row).
Area AreaOfBank(const Document& doc, int bank);
// "bank 03", "the program-scan edges", "the search-pass channels", "the
// priority channels"; empty for kNone.
std::string AreaName(const Area& area);

// The last slot a paste that starts at `slot` may write (-1 when the slot
// is in no area).
int PasteRunEnd(const Document& doc, int slot);

// A slot in use: one that holds anything at all (a text or a number of any
// field), whatever its flag. A paste asks before it overwrites such a slot,
// and an insert never pushes one out of its area. Only slots holding a
// channel (SlotHoldsChannel) are found, and sorted by their contents.
bool SlotInUse(const Document& doc, int slot);

// The rows of `rows` that lie in 1..1300, in ascending order, each once.
std::vector<int> ValidRows(const std::vector<int>& rows);

// ----- clipboard -----

// One copied row: the slot it came from (-1 when not known), its content
// and its enable flag.
struct CopiedRow {
  int slot = -1;
  Slot content;
  int16_t flag = 0;
  friend bool operator==(const CopiedRow&, const CopiedRow&) = default;
};

// The selected rows' slots, in row order.
std::vector<CopiedRow> CopyRows(const Document& doc,
                                const std::vector<int>& rows);

// Cut: the copy, then every selected slot cleared as Clear does (emptied
// and disabled; DataChanged set when a row was cut).
std::vector<CopiedRow> CutRows(Document& doc, const std::vector<int>& rows);

// The rows as tab-separated text, one CR LF line a row, with the items of
// the CSV export's channel records in their order and formats: "VR-Q5", the
// section, the channel, the eleven field texts, the skip item ("#TRUE#" or
// "#FALSE#") and the enable item. No quotes; a tab, CR or LF inside a text
// becomes a blank, so every line has sixteen items.
std::string RowsAsText(const std::vector<CopiedRow>& rows);

// Lines of tab-separated text back into rows, as a spreadsheet gives them
// (CR LF, LF or CR line ends; a cell in double quotes loses them, a doubled
// quote inside is one). A line whose first cell is "VR-Q5" carries the
// section and the channel before the field texts; any other line begins
// with the frequency. The field texts are read as CSV import reads them,
// but keep their letter case; the skip cell is set by "#TRUE#", "TRUE",
// "1" or "*", the enable cell (when present) clear by anything but those,
// an absent enable cell leaves the row enabled. A line that does not give
// a channel (too few cells, no frequency in 0.1 .. 1299.995, an unknown
// mode or step) is skipped. The rows carry the slot -1.
std::vector<CopiedRow> RowsFromText(std::string_view text);

// The program's own clipboard format: every text, every number and the
// flag of each row, exactly, with a checksum.
std::string RowsAsData(const std::vector<CopiedRow>& rows);
// Reads that format back; nothing when the bytes are not exactly such data
// (damaged, cut short, extended, of another format). Zero bytes after the
// end are ignored, as some clipboards pad what they hold.
std::optional<std::vector<CopiedRow>> RowsFromData(std::string_view data);

// ----- paste -----

struct PastePlan {
  std::vector<int> targets;  // where rows 0, 1, ... of the paste land
  int in_use = 0;            // how many of those slots are in use now
  int not_fitting = 0;       // rows that find no slot
};

// Where `count` rows pasted at `target_row` land: consecutive slots from the
// target row's slot on, up to PasteRunEnd.
PastePlan PlanPaste(const Document& doc, int target_row, size_t count);

// Writes rows[i] into plan.targets[i] (content and flag as carried; a note
// kept on one line) and returns the slots that changed, in order.
// DataChanged is set when one did.
std::vector<int> ApplyPaste(Document& doc, const PastePlan& plan,
                            const std::vector<CopiedRow>& rows);

// ----- move, sort, insert -----

// Moves the selected rows up (delta -1) or down (+1) by one row within their
// areas; each unselected row they pass takes the place they left, so the
// others keep their order. The selection may span several areas, each
// moving inside its own. Refused (false, document unchanged) for any other
// delta, an empty selection, a row in no area, or a selected row at its
// area's edge in the direction of the move. On success the selected rows
// are the old ones plus delta and DataChanged is set.
bool MoveRows(Document& doc, const std::vector<int>& rows, int delta);

enum class SortKey { kFrequency, kName, kNote };

// Sorts the contents of the selected rows, which must all lie in one area,
// among those rows: by frequency, or by name or note (letter case ignored,
// trailing blanks ignored, blank texts after the others). Stable; slots
// holding no channel come last. False (nothing changed) for an empty
// selection or one outside a single area. DataChanged is set when the
// order changed.
bool SortRows(Document& doc, const std::vector<int>& rows, SortKey key);
// The same for every row of bank 0..49.
bool SortBank(Document& doc, int bank, SortKey key);

// Inserts an empty, disabled row at `row`: that row's slot and the rest of
// its area move down by one, the area's last slot dropping out. Refused
// with the message returned when that last slot is in use, when the row is
// in no area, or not a row at all; nothing then changes. DataChanged is set
// on success.
std::optional<std::string> InsertEmptyRow(Document& doc, int row);

// ----- find -----

struct FindQuery {
  enum class Kind { kNothing, kFrequency, kRange, kText };
  Kind kind = Kind::kNothing;
  uint32_t low_hz = 0;   // kFrequency: the frequency; kRange: the lower end
  uint32_t high_hz = 0;  // kRange: the upper end
  std::string text;      // kText: upper-cased
};

// What the user typed: a number ("145.5") is a frequency in MHz, matched
// to the Hz; two numbers joined by "-" ("144-146", "146 - 144") a range,
// ends included, in either order; anything else a text found in the name
// or the note, letter case ignored. Blanks around are dropped; an empty
// text finds nothing.
FindQuery ParseFindQuery(std::string_view typed);

// Whether the slot of `row` matches (only rows holding a channel do).
bool RowMatches(const Document& doc, int row, const FindQuery& query);

// The next matching row after `from_row` (or the previous one before it),
// wrapping around the ends; `from_row` itself is tried last. `from_row` 0
// starts before row 1 (FindNext) or after row 1300 (FindPrevious).
std::optional<int> FindNext(const Document& doc, const FindQuery& query,
                            int from_row);
std::optional<int> FindPrevious(const Document& doc, const FindQuery& query,
                                int from_row);

}  // namespace vrq5

#endif  // VRQ5_STORE_ROW_OPS_H_
