// What the memory grid shows for each slot: the cell texts of a row, with
// the model's column-6 content and option display.
#ifndef VRQ5_STORE_GRID_H_
#define VRQ5_STORE_GRID_H_

#include <array>
#include <string>
#include <string_view>

#include "store/document.h"

namespace vrq5 {

inline constexpr int kGridColumns = 12;

// Column headings; column 0 holds the row labels. Column 6 follows the
// model (see Column6Heading).
extern const std::array<std::string_view, kGridColumns> kGridHeadings;

// "Carrier" for the VR-Q5J, "Scr" for the VR-Q70E, "-" otherwise.
std::string_view Column6Heading(int model_index);

// The cells of the memory-grid row of `slot`: label, frequency, mode, step,
// option (an option the model lacks shows as "OFF"), skip mark, carrier /
// secret code / "-", tone, shift, offset, note, name.
std::array<std::string, kGridColumns> MemoryRowCells(const Document& doc,
                                                     int slot);
// One cell of that row (column 0..11).
std::string MemoryCell(const Document& doc, int slot, int column);

// One cell of the VFO grid's row of `band` (0..13): the band number, then
// the band's text fields 0..10 (the secret code in column 5, the carrier in
// column 6); the VR-Q70E shows the secret code in column 6 too, the
// VR-Q70T/K show "-" in columns 5 and 6 and in every cell of bands 8..13.
// An option the model lacks shows as "OFF".
std::string VfoCell(const Document& doc, int band, int column);

}  // namespace vrq5

#endif  // VRQ5_STORE_GRID_H_
