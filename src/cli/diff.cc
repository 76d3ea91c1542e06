#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/common.h"
#include "notes/note_text.h"
#include "store/grid.h"

namespace vrq5::cli {

namespace {
constexpr char kHelp[] =
    "Usage: vrq5 diff A.VQ5 B.VQ5\n"
    "Names what differs between two clone files: channels by row label,\n"
    "VFO bands, bank sizes, bank groups and settings by caption.\n"
    "Exit status 0 when they hold the same data, 1 when they differ or a\n"
    "file cannot be read.\n";

// Field names of a channel or band, as the grid heads them.
constexpr std::string_view kFieldNames[kFieldCount] = {
    "Frequency", "Mode",  "Step",       "Option", "Secret", "Carrier",
    "Tone",      "Shift", "ShiftFreq.", "Note",   "Name",   "Skip"};

std::string Shown(const Slot& s, int f) {
  if (f == kSkip) return s.value[kSkip] != 0 ? "*" : "-";
  if (s.text[f].empty()) return "(empty)";
  // Notes and names as the terminal shows them; other fields are ASCII.
  return NoteForTerminal(s.text[f]);
}

// The differing fields of two slots as "Field: a -> b; ...".
std::string SlotChanges(const Slot& a, const Slot& b, int fields) {
  std::ostringstream out;
  for (int f = 0; f < fields; ++f) {
    bool differs = f == kSkip
                       ? a.value[f] != b.value[f]
                       : a.text[f] != b.text[f] || a.value[f] != b.value[f];
    if (!differs) continue;
    if (out.tellp() > 0) out << "; ";
    out << kFieldNames[f] << ": " << Shown(a, f) << " -> " << Shown(b, f);
  }
  return out.str();
}

using Lines = std::vector<std::string>;

void BankDifferences(const Document& a, const Document& b, Lines& out) {
  for (int bank = 0; bank < kBankCount; ++bank) {
    if (a.txtBank[bank] != b.txtBank[bank]) {
      out.push_back("Bank " + std::to_string(bank) +
                    " size: " + a.txtBank[bank] + " -> " + b.txtBank[bank]);
    }
  }
  for (int g = 1; g <= 10; ++g) {
    std::string group = GroupLabel(g);
    for (int bank = 0; bank < kBankCount; ++bank) {
      int i = 50 * g + bank;
      if (a.chkGrp[i] != b.chkGrp[i]) {
        out.push_back(group + ": bank " + std::to_string(bank) +
                      (b.chkGrp[i] ? " added" : " removed"));
      }
    }
  }
}

void SettingDifferences(const Document& a, const Document& b, Lines& out) {
  for (const auto& f : SettingFields()) {
    std::string va = f.Describe(a.settings), vb = f.Describe(b.settings);
    if (va != vb)
      out.push_back(std::string(f.caption) + ": " + va + " -> " + vb);
  }
}

void SlotDifferences(const Document& a, const Document& b, Lines& out) {
  for (int band = 0; band < kVfoBands; ++band) {
    std::string changes = SlotChanges(a.Vfo[band], b.Vfo[band], kVfoFieldCount);
    if (!changes.empty()) {
      out.push_back("VFO band " + std::to_string(band) + ": " + changes);
    }
  }
  auto enable = [](int flag) { return flag == -1 ? "on" : "off"; };
  for (int slot = 0; slot < kSlotCount; ++slot) {
    std::string label = a.SlotLabel(slot);
    if (label != b.SlotLabel(slot)) label += "/" + b.SlotLabel(slot);
    label = RowName(label, slot);
    std::string changes = SlotChanges(a.Mem[slot], b.Mem[slot], kFieldCount);
    if (a.MemFlag[slot] != b.MemFlag[slot]) {
      changes += std::string(changes.empty() ? "" : "; ") +
                 "Enable: " + enable(a.MemFlag[slot]) + " -> " +
                 enable(b.MemFlag[slot]);
    }
    if (!changes.empty()) out.push_back("Channel " + label + ": " + changes);
  }
}

}  // namespace

int RunDiff(const Args& args) {
  int code = kExitOk;
  auto parsed = ParseCommand("diff", args, {{}, {}, {}}, kHelp, code);
  if (!parsed) return code;
  if (parsed->positional.size() != 2) {
    return UsageError("diff", "two clone files are needed", kHelp);
  }
  Document a, b;
  if (int rc = OpenDocument(a, parsed->positional[0])) return rc;
  if (int rc = OpenDocument(b, parsed->positional[1])) return rc;

  Lines differences;
  BankDifferences(a, b, differences);
  SettingDifferences(a, b, differences);
  SlotDifferences(a, b, differences);
  for (const std::string& line : differences) std::cout << line << "\n";
  if (differences.empty()) {
    std::cout << "The two files hold the same data.\n";
    return kExitOk;
  }
  return kExitFailure;
}

}  // namespace vrq5::cli
