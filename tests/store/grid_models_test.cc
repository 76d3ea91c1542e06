// What the memory grid and the VFO grid show for each of the four models:
// headings, cell texts, the column-6 content and the option display.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/grid.h"

namespace vrq5 {
namespace {

constexpr int kQ5J = 0, kQ70E = 1, kQ70T = 2, kQ70K = 3;

TEST(GridModelsTest, Headings) {
  const std::vector<std::string> headings = {
      "",        "Frequency", "Mode",  "Step",       "Option", "Skip",
      "Carrier", "Tone",      "Shift", "ShiftFreq.", "Note",   "Name"};
  ASSERT_EQ(kGridHeadings.size(), headings.size());
  for (size_t c = 0; c < headings.size(); ++c) {
    EXPECT_EQ(kGridHeadings[c], headings[c]) << "column " << c;
  }
  struct Case {
    int model;
    const char* heading;
  };
  for (const Case& c : {Case{kQ5J, "Carrier"}, Case{kQ70E, "Scr"},
                        Case{kQ70T, "-"}, Case{kQ70K, "-"}}) {
    EXPECT_EQ(Column6Heading(c.model), c.heading) << "model " << c.model;
  }
}

// A channel with a text in every field, the skip set.
Slot FullChannel(const std::string& option) {
  Slot s;
  s.value = {145.5, 1, 4, 2, 17, 24, 8, 1, 0.6, 0, 0, 1};
  s.text = {"145.500000", "AM",     "12.5KHz",  option,    "17",     "2700Hz",
            "88.5Hz",     "Shift+", "0.600000", "my note", "TOWER ", "*"};
  return s;
}

// What a slot holds in the cases below.
// kFull is FullChannel("Tone"); kNoSkip the same with the skip value 0
// while its text still reads "*"; kEmpty an empty slot; the kOption cases
// FullChannel with each stored option text.
enum class Content {
  kFull,
  kNoSkip,
  kEmpty,
  kOptionOff,
  kOptionTrain,
  kOptionTone,
  kOptionRev,
  kOptionScr,
  kOptionNone,
};

Slot Make(Content content) {
  switch (content) {
    case Content::kFull:
      return FullChannel("Tone");
    case Content::kNoSkip: {
      Slot s = FullChannel("Tone");
      s.value[kSkip] = 0;
      return s;
    }
    case Content::kEmpty:
      return Slot{};
    case Content::kOptionOff:
      return FullChannel("OFF");
    case Content::kOptionTrain:
      return FullChannel("Train");
    case Content::kOptionTone:
      return FullChannel("Tone");
    case Content::kOptionRev:
      return FullChannel("Rev.");
    case Content::kOptionScr:
      return FullChannel("Scr");
    case Content::kOptionNone:
      return FullChannel("None");
  }
  return Slot{};
}

struct CellCase {
  int model;
  Content content;
  int column;
  const char* text;
};

// Columns that read the same for every model: 1..3 and 7..11 of a full
// channel, the skip mark of column 5, and an empty slot's cells.
std::vector<CellCase> CommonCells() {
  std::vector<CellCase> cases;
  for (int model : {kQ5J, kQ70E, kQ70T, kQ70K}) {
    for (CellCase c : std::vector<CellCase>{
             {0, Content::kFull, 1, "145.500000"},
             {0, Content::kFull, 2, "AM"},
             {0, Content::kFull, 3, "12.5KHz"},
             {0, Content::kFull, 4, "Tone"},
             {0, Content::kFull, 5, "*"},
             {0, Content::kNoSkip, 5, ""},
             {0, Content::kOptionScr, 5, "*"},
             {0, Content::kFull, 7, "88.5Hz"},
             {0, Content::kFull, 8, "Shift+"},
             {0, Content::kFull, 9, "0.600000"},
             {0, Content::kFull, 10, "my note"},
             {0, Content::kFull, 11, "TOWER "},
             {0, Content::kEmpty, 1, ""},
             {0, Content::kEmpty, 4, ""},
             {0, Content::kEmpty, 5, ""},
             {0, Content::kEmpty, 11, ""},
         }) {
      c.model = model;
      cases.push_back(c);
    }
  }
  return cases;
}

TEST(GridModelsTest, MemoryCellsOfEveryModel) {
  std::vector<CellCase> cases = CommonCells();
  const std::vector<CellCase> per_model = {
      // Column 6: the carrier, the secret code, or "-".
      {kQ5J, Content::kFull, 6, "2700Hz"},
      {kQ70E, Content::kFull, 6, "17"},
      {kQ70T, Content::kFull, 6, "-"},
      {kQ70K, Content::kFull, 6, "-"},
      {kQ5J, Content::kEmpty, 6, ""},
      {kQ70E, Content::kEmpty, 6, ""},
      {kQ70T, Content::kEmpty, 6, "-"},
      {kQ70K, Content::kEmpty, 6, "-"},
      // Column 4: an option the model lacks shows as OFF.
      {kQ5J, Content::kOptionOff, 4, "OFF"},
      {kQ5J, Content::kOptionTrain, 4, "Train"},
      {kQ5J, Content::kOptionTone, 4, "Tone"},
      {kQ5J, Content::kOptionRev, 4, "Rev."},
      {kQ5J, Content::kOptionScr, 4, "OFF"},
      {kQ5J, Content::kOptionNone, 4, "None"},
      {kQ70E, Content::kOptionOff, 4, "OFF"},
      {kQ70E, Content::kOptionTrain, 4, "OFF"},
      {kQ70E, Content::kOptionTone, 4, "Tone"},
      {kQ70E, Content::kOptionRev, 4, "Rev."},
      {kQ70E, Content::kOptionScr, 4, "Scr"},
      {kQ70E, Content::kOptionNone, 4, "None"},
      {kQ70T, Content::kOptionOff, 4, "OFF"},
      {kQ70T, Content::kOptionTrain, 4, "OFF"},
      {kQ70T, Content::kOptionTone, 4, "Tone"},
      {kQ70T, Content::kOptionRev, 4, "Rev."},
      {kQ70T, Content::kOptionScr, 4, "OFF"},
      {kQ70T, Content::kOptionNone, 4, "None"},
      {kQ70K, Content::kOptionOff, 4, "OFF"},
      {kQ70K, Content::kOptionTrain, 4, "OFF"},
      {kQ70K, Content::kOptionTone, 4, "Tone"},
      {kQ70K, Content::kOptionRev, 4, "Rev."},
      {kQ70K, Content::kOptionScr, 4, "OFF"},
      {kQ70K, Content::kOptionNone, 4, "None"},
  };
  cases.insert(cases.end(), per_model.begin(), per_model.end());

  for (const CellCase& c : cases) {
    Document doc;
    doc.SelectModel(c.model);
    const int slot = 305;
    doc.Mem[slot] = Make(c.content);
    doc.MemFlag[slot] = -1;
    const Slot stored = doc.Mem[slot];
    EXPECT_EQ(MemoryCell(doc, slot, c.column), c.text)
        << "model " << c.model << ", content " << static_cast<int>(c.content)
        << ", column " << c.column;
    EXPECT_EQ(MemoryRowCells(doc, slot)[c.column], c.text);
    // The grid shows; it never changes the store.
    EXPECT_EQ(doc.Mem[slot], stored);
  }
}

TEST(GridModelsTest, RowLabelsInColumnZero) {
  struct Case {
    std::vector<int> banks;  // the bank-size boxes; none: ten banks of 100
    int slot;
    const char* label;
  };
  const std::vector<Case> cases = {
      {{}, 0, "00-000"},       {{}, 305, "03-005"},        {{}, 999, "09-099"},
      {{0, 100}, 0, "01-000"}, {{0, 1000}, 999, "01-999"}, {{}, 1000, "0A"},
      {{}, 1001, "0B"},        {{}, 1099, "49B"},          {{}, 1100, "S0"},
      {{}, 1199, "S99"},       {{}, 1200, "Pr0"},          {{}, 1299, "Pr99"},
  };
  for (const Case& c : cases) {
    for (int model : {kQ5J, kQ70E, kQ70T, kQ70K}) {
      Document doc;
      doc.SelectModel(model);
      if (!c.banks.empty()) {
        for (int b = 0; b < kBankCount; ++b) {
          int size = b < static_cast<int>(c.banks.size()) ? c.banks[b] : 0;
          doc.txtBank[b] = std::to_string(size);
        }
        doc.LayoutMemoryRows();
      }
      EXPECT_EQ(MemoryCell(doc, c.slot, 0), c.label)
          << "slot " << c.slot << ", model " << model;
    }
  }
}

// The VFO grid: band rows of each model's defaults, and a band with a
// stored option in each model.
struct VfoCase {
  int model;
  int band;
  int column;
  const char* text;
};

TEST(GridModelsTest, VfoCellsOfEveryModel) {
  const std::vector<VfoCase> defaults = {
      // VR-Q5J: secret code in column 5, carrier in column 6.
      {kQ5J, 1, 0, "1"},
      {kQ5J, 1, 1, "0.531000"},
      {kQ5J, 1, 2, "AM"},
      {kQ5J, 1, 3, "9KHz"},
      {kQ5J, 1, 4, "OFF"},
      {kQ5J, 1, 5, "11"},
      {kQ5J, 1, 6, "JR"},
      {kQ5J, 1, 7, "88.5Hz"},
      {kQ5J, 1, 8, "OFF"},
      {kQ5J, 1, 9, "1.000000"},
      {kQ5J, 13, 1, "1295.000000"},
      {kQ5J, 13, 6, "JR"},
      // VR-Q70E: the secret code in columns 5 and 6.
      {kQ70E, 1, 1, "0.522000"},
      {kQ70E, 1, 5, "11"},
      {kQ70E, 1, 6, "11"},
      {kQ70E, 4, 1, "87.600000"},
      {kQ70E, 4, 2, "WFM"},
      {kQ70E, 13, 6, "11"},
      // VR-Q70T/K: "-" in columns 5 and 6 of bands 0..7 and in every cell
      // of bands 8..13.
      {kQ70T, 1, 0, "1"},
      {kQ70T, 1, 1, "0.530000"},
      {kQ70T, 1, 3, "10KHz"},
      {kQ70T, 1, 5, "-"},
      {kQ70T, 1, 6, "-"},
      {kQ70T, 1, 7, "88.5Hz"},
      {kQ70T, 7, 1, "960.000000"},
      {kQ70T, 7, 9, "20.000000"},
      {kQ70T, 8, 0, "8"},
      {kQ70T, 8, 1, "-"},
      {kQ70T, 8, 4, "-"},
      {kQ70T, 13, 9, "-"},
      {kQ70T, 13, 11, "-"},
      {kQ70K, 0, 1, "0.100000"},
      {kQ70K, 0, 3, "1KHz"},
      {kQ70K, 0, 5, "-"},
      {kQ70K, 0, 6, "-"},
      {kQ70K, 6, 1, "400.000000"},
      {kQ70K, 9, 1, "-"},
      {kQ70K, 12, 6, "-"},
  };
  for (const VfoCase& c : defaults) {
    Document doc;
    doc.SelectModel(c.model);
    EXPECT_EQ(VfoCell(doc, c.band, c.column), c.text)
        << "model " << c.model << ", band " << c.band << ", column "
        << c.column;
  }

  // Band 3 with its note and name, and each option stored.
  struct OptionCase {
    int model;
    const char* stored;
    const char* shown;
  };
  const std::vector<OptionCase> options = {
      {kQ5J, "Train", "Train"}, {kQ5J, "Scr", "OFF"},  {kQ5J, "Rev.", "Rev."},
      {kQ70E, "Train", "OFF"},  {kQ70E, "Scr", "Scr"}, {kQ70E, "Tone", "Tone"},
      {kQ70T, "Train", "OFF"},  {kQ70T, "Scr", "OFF"}, {kQ70T, "Rev.", "Rev."},
      {kQ70K, "Train", "OFF"},  {kQ70K, "Scr", "OFF"}, {kQ70K, "Tone", "Tone"},
  };
  for (const OptionCase& c : options) {
    Document doc;
    doc.SelectModel(c.model);
    doc.VfoText(3, kOption) = c.stored;
    doc.VfoText(3, kNote) = "vfo note";
    doc.VfoText(3, kName) = "NM";
    const Slot stored = doc.Vfo[3];
    EXPECT_EQ(VfoCell(doc, 3, 4), c.shown) << "model " << c.model;
    EXPECT_EQ(VfoCell(doc, 3, 10), "vfo note");
    EXPECT_EQ(VfoCell(doc, 3, 11), "NM");
    EXPECT_EQ(doc.Vfo[3], stored);
  }
}

}  // namespace
}  // namespace vrq5
