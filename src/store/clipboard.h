// The memory-grid rows on the clipboard: as tab-separated text a
// spreadsheet takes, and in the program's own exact format.
#ifndef VRQ5_STORE_CLIPBOARD_H_
#define VRQ5_STORE_CLIPBOARD_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/record.h"

namespace vrq5 {

// One copied row: the slot it came from (-1 when not known), its content
// and its enable flag.
struct CopiedRow {
  int slot = -1;
  Slot content;
  int16_t flag = 0;
  friend bool operator==(const CopiedRow&, const CopiedRow&) = default;
};

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

}  // namespace vrq5

#endif  // VRQ5_STORE_CLIPBOARD_H_
