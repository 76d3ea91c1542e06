#include "store/grid.h"

namespace vrq5 {

const std::array<std::string_view, kGridColumns> kGridHeadings = {
    "",        "Frequency", "Mode",  "Step",       "Option", "Skip",
    "Carrier", "Tone",      "Shift", "ShiftFreq.", "Note",   "Name"};

std::string_view Column6Heading(int model_index) {
  switch (model_index) {
    case 0:
      return "Carrier";
    case 1:
      return "Scr";
    default:
      return "-";
  }
}

std::array<std::string, kGridColumns> MemoryRowCells(const Document& doc,
                                                     int slot) {
  const Slot& s = doc.Mem[slot];
  int model = doc.ModelIndex;
  std::array<std::string, kGridColumns> cells;
  cells[0] = doc.SlotLabel(slot);
  cells[1] = s.text[kFreq];
  cells[2] = s.text[kMode];
  cells[3] = s.text[kStep];
  cells[4] = s.text[kOption];
  bool hidden_option =
      (model == 0 && cells[4] == "Scr") ||
      (model == 1 && cells[4] == "Train") ||
      (model >= 2 && (cells[4] == "Scr" || cells[4] == "Train"));
  if (hidden_option) cells[4] = "OFF";
  cells[5] = s.value[kSkip] != 0 ? "*" : "";
  cells[6] = model == 0 ? s.text[kCarrier] : model == 1 ? s.text[kSecret] : "-";
  cells[7] = s.text[kTone];
  cells[8] = s.text[kShiftDir];
  cells[9] = s.text[kOffset];
  cells[10] = s.text[kNote];
  cells[11] = s.text[kName];
  return cells;
}

}  // namespace vrq5
