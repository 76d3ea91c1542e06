#include "cli/report.h"

#include <iomanip>
#include <sstream>

#include "codec/blank.h"
#include "codec/tables.h"
#include "notes/note_text.h"

namespace vrq5::cli {

namespace {

void PrintBankSizes(const Document& doc, std::ostream& out) {
  out << "Bank sizes (total " << doc.BankBoxTotal() << "):\n";
  for (int b = 0; b < kBankCount; ++b) {
    std::ostringstream entry;
    entry << std::setw(2) << std::setfill('0') << b << ":" << doc.txtBank[b];
    if (b % 10 == 9) {
      out << "  " << entry.str() << "\n";
    } else {
      out << "  " << std::setw(7) << std::left << entry.str() << std::right;
    }
  }
}

void PrintChannelsInUse(const Document& doc, std::ostream& out) {
  std::array<int, kBankCount> used{};
  std::array<int, kBankCount> rows{};
  int unbanked = 0;
  for (int slot = 0; slot < kMemoryChannels; ++slot) {
    int bank = doc.BankOfSlot(slot);
    if (bank >= 0) {
      ++rows[bank];
      if (!doc.Mem[slot].IsEmpty()) ++used[bank];
    } else if (!doc.Mem[slot].IsEmpty()) {
      ++unbanked;
    }
  }
  auto count_range = [&](int first, int count) {
    int n = 0;
    for (int s = first; s < first + count; ++s) n += !doc.Mem[s].IsEmpty();
    return n;
  };
  out << "Channels in use: " << doc.ChannelsInUse() << " of " << kSlotCount
      << "\n";
  for (int b = 0; b < kBankCount; ++b) {
    if (rows[b] == 0) continue;
    out << "  Bank " << std::setw(2) << std::setfill('0') << b
        << std::setfill(' ') << ": " << used[b] << " of " << rows[b] << "\n";
  }
  if (unbanked > 0) out << "  Outside every bank: " << unbanked << "\n";
  out << "  Program scan: " << count_range(kProgramScanFirst, 100)
      << " of 100\n";
  out << "  Search pass: " << count_range(kSearchPassFirst, 100) << " of 100\n";
  out << "  Priority: " << count_range(kPriorityFirst, 100) << " of 100\n";
}

void PrintGroups(const Document& doc, std::ostream& out) {
  out << "Bank groups:\n";
  for (int g = 1; g <= 10; ++g) {
    std::ostringstream banks;
    for (int b = 0; b < kBankCount; ++b) {
      if (doc.chkGrp[50 * g + b] == 1) banks << " " << b;
    }
    std::string label = GroupLabel(g);
    std::string list = banks.str();
    out << "  " << std::setw(5) << std::left << label << std::right << ":"
        << (list.empty() ? " (none)" : list) << "\n";
  }
}

void PrintSettings(const Document& doc, std::ostream& out) {
  out << "Settings:\n";
  for (const auto& f : SettingFields()) {
    out << "  " << std::setw(22) << std::left << f.caption << std::right
        << Trim(f.Describe(doc.settings)) << "\n";
  }
}

void PrintVfo(const Document& doc, std::ostream& out) {
  out << "VFO bands:\n";
  out << "  Band  Frequency     Mode  Step     Offset\n";
  for (int b = 0; b < kVfoBands; ++b) {
    const Slot& row = doc.Vfo[b];
    out << "  " << std::setw(4) << std::left << b << "  " << std::setw(12)
        << row.text[kFreq] << "  " << std::setw(4) << row.text[kMode] << "  "
        << std::setw(7) << row.text[kStep] << "  " << row.text[kOffset]
        << std::right << "\n";
  }
}

}  // namespace

void PrintInfo(const Document& doc, std::ostream& out) {
  out << "Model: " << ModelName[doc.opbModel];
  // A clone file keeps no model: the one shown is the one chosen.
  if (!doc.CurrentFileName.empty()) {
    out << " (as chosen: a clone file does not name its model)";
  }
  out << "\n";
  out << "File: "
      << (doc.CurrentFileName.empty() ? "(new document)"
                                      : NoteForTerminal(doc.CurrentFileName))
      << "\n";
  PrintBankSizes(doc, out);
  PrintChannelsInUse(doc, out);
  PrintGroups(doc, out);
  PrintSettings(doc, out);
  PrintVfo(doc, out);
}

}  // namespace vrq5::cli
