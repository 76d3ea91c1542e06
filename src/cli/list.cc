#include <algorithm>
#include <iostream>
#include <vector>

#include "cli/commands.h"
#include "cli/common.h"
#include "notes/note_text.h"
#include "store/grid.h"

namespace vrq5::cli {

namespace {
constexpr char kHelp[] =
    "Usage: vrq5 list FILE.VQ5 [--all] [--model M]\n"
    "Prints the memory channels in the columns of the memory grid: row\n"
    "label, Frequency, Mode, Step, Option, Skip, Carrier (Scr, -), Tone,\n"
    "Shift, ShiftFreq., Note, Name. Only rows holding a channel are printed\n"
    "unless --all is given.\n"
    "\n"
    "  --all       print all 1300 rows\n"
    "  --model M   VR-Q5J (default), VR-Q70E, VR-Q70T or VR-Q70K\n";
}  // namespace

int RunList(const Args& args) {
  int code = kExitOk;
  auto parsed =
      ParseCommand("list", args, {{"--model"}, {"--all"}, {}}, kHelp, code);
  if (!parsed) return code;
  if (parsed->positional.size() != 1) {
    return UsageError("list", "one clone file is needed", kHelp);
  }
  Document doc;
  if (!ApplyModel("list", *parsed, doc)) return kExitUsage;
  if (int rc = OpenDocument(doc, parsed->positional[0])) return rc;

  std::vector<std::array<std::string, kGridColumns>> rows;
  std::array<std::string, kGridColumns> heading;
  for (int c = 0; c < kGridColumns; ++c)
    heading[c] = std::string(kGridHeadings[c]);
  heading[0] = "Row";
  heading[6] = std::string(Column6Heading(doc.ModelIndex));
  rows.push_back(heading);
  bool all = parsed->Has("--all");
  // Notes and names as the terminal shows them (the file keeps its bytes).
  const std::string& codeset = TerminalCodeset();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (all || !doc.Mem[slot].IsEmpty()) {
      rows.push_back(MemoryRowCells(doc, slot));
      for (auto& cell : rows.back()) cell = NoteForTerminal(cell, codeset);
    }
  }
  // Columns as the terminal shows them: in UTF-8 a wide character takes
  // two, where the encoding lacks a character its "?" takes one.
  auto columns = [&codeset](const std::string& cell) {
    return TerminalColumns(cell, codeset);
  };
  std::array<size_t, kGridColumns> width{};
  for (const auto& row : rows) {
    for (int c = 0; c < kGridColumns; ++c)
      width[c] = std::max(width[c], columns(row[c]));
  }
  for (const auto& row : rows) {
    std::string line;
    for (int c = 0; c < kGridColumns; ++c) {
      line += row[c];
      if (c + 1 < kGridColumns)
        line += std::string(width[c] - columns(row[c]) + 2, ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    std::cout << line << "\n";
  }
  return kExitOk;
}

}  // namespace vrq5::cli
