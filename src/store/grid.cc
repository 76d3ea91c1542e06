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

std::string MemoryCell(const Document& doc, int slot, int column) {
  const Slot& s = doc.Mem[slot];
  int model = doc.ModelIndex;
  switch (column) {
    case 0:
      return doc.SlotLabel(slot);
    case 1:
      return s.text[kFreq];
    case 2:
      return s.text[kMode];
    case 3:
      return s.text[kStep];
    case 4: {
      const std::string& option = s.text[kOption];
      bool hidden = (model == 0 && option == "Scr") ||
                    (model == 1 && option == "Train") ||
                    (model >= 2 && (option == "Scr" || option == "Train"));
      return hidden ? "OFF" : option;
    }
    case 5:
      return s.value[kSkip] != 0 ? "*" : "";
    case 6:
      return model == 0 ? s.text[kCarrier] : model == 1 ? s.text[kSecret] : "-";
    case 7:
      return s.text[kTone];
    case 8:
      return s.text[kShiftDir];
    case 9:
      return s.text[kOffset];
    case 10:
      return s.text[kNote];
    case 11:
      return s.text[kName];
    default:
      return "";
  }
}

std::array<std::string, kGridColumns> MemoryRowCells(const Document& doc,
                                                     int slot) {
  std::array<std::string, kGridColumns> cells;
  for (int column = 0; column < kGridColumns; ++column) {
    cells[column] = MemoryCell(doc, slot, column);
  }
  return cells;
}

}  // namespace vrq5
