#include "store/grid.h"

#include "codec/ui_text.h"

namespace vrq5 {

const std::array<std::string_view, kGridColumns> kGridHeadings = {
    "",
    UiText("Frequency"),
    UiText("Mode"),
    UiText("Step"),
    UiText("Option"),
    UiText("Skip"),
    UiText("Carrier"),
    UiText("Tone"),
    UiText("Shift"),
    UiText("ShiftFreq."),
    UiText("Note"),
    UiText("Name")};

std::string_view Column6Heading(int model_index) {
  switch (model_index) {
    case 0:
      return UiText("Carrier");
    case 1:
      return "Scr";
    default:
      return "-";
  }
}

namespace {

// The option text as a grid shows it: an option the model lacks is "OFF".
std::string ShownOption(const std::string& option, int model) {
  bool hidden = (model == 0 && option == "Scr") ||
                (model == 1 && option == "Train") ||
                (model >= 2 && (option == "Scr" || option == "Train"));
  return hidden ? "OFF" : option;
}

}  // namespace

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
    case 4:
      return ShownOption(s.text[kOption], model);
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

std::string VfoCell(const Document& doc, int band, int column) {
  if (column == 0) return std::to_string(band);
  if (column < 1 || column >= kGridColumns) return "";
  int model = doc.ModelIndex;
  const Slot& b = doc.Vfo[band];
  if (model >= 2 && (band >= 8 || column == 5 || column == 6)) return "-";
  if (column == 4) return ShownOption(b.text[kOption], model);
  if (column == 6 && model == 1) return b.text[kSecret];
  return b.text[column - 1];
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
