#include "store/row_ops.h"

#include <algorithm>
#include <utility>

#include "codec/blank.h"
#include "codec/record.h"
#include "codec/text.h"
#include "codec/ui_text.h"
#include "store/bank_rules.h"
#include "store/entry.h"

namespace vrq5 {

namespace {

constexpr int kRowCount = kSlotCount;

// The fixed areas: kind, first and last slot.
struct FixedArea {
  AreaKind kind;
  int first;
  int last;
};
constexpr std::array<FixedArea, 3> kFixedAreas = {{
    {AreaKind::kProgramScan, kProgramScanFirst, kSearchPassFirst - 1},
    {AreaKind::kSearchPass, kSearchPassFirst, kPriorityFirst - 1},
    {AreaKind::kPriority, kPriorityFirst, kSlotCount - 1},
}};

// The rows of a selection as slots, each once, ascending.
std::vector<int> SlotsOf(const std::vector<int>& rows) {
  std::vector<int> slots = ValidRows(rows);
  for (int& s : slots) --s;
  return slots;
}

void SwapSlots(Document& doc, int a, int b) {
  std::swap(doc.Mem[a], doc.Mem[b]);
  std::swap(doc.MemFlag[a], doc.MemFlag[b]);
}

}  // namespace

// ---------------------------------------------------------------- areas

Area AreaOfSlot(const Document& doc, int slot) {
  if (!IsSlotIndex(slot)) return {};
  for (const FixedArea& f : kFixedAreas) {
    if (slot >= f.first && slot <= f.last) return {f.kind, -1, f.first, f.last};
  }
  int bank = doc.BankOfSlot(slot);
  if (bank < 0) return {};
  Area area{AreaKind::kBank, bank, slot, slot};
  while (area.first > 0 && doc.BankOfSlot(area.first - 1) == bank) {
    --area.first;
  }
  while (area.last + 1 < kMemoryChannels &&
         doc.BankOfSlot(area.last + 1) == bank) {
    ++area.last;
  }
  return area;
}

Area AreaOfBank(const Document& doc, int bank) {
  if (bank < 0 || bank >= kBankCount) return {};
  for (int slot = 0; slot < kMemoryChannels; ++slot) {
    if (doc.BankOfSlot(slot) == bank) return AreaOfSlot(doc, slot);
  }
  return {};
}

std::string AreaName(const Area& area) {
  switch (area.kind) {
    case AreaKind::kNone:
      return "";
    case AreaKind::kBank:
      return Fill(UiText("bank %1"), {Pad2(std::max(area.bank, 0))});
    case AreaKind::kProgramScan:
      return std::string(UiText("the program-scan edges"));
    case AreaKind::kSearchPass:
      return std::string(UiText("the search-pass channels"));
    case AreaKind::kPriority:
      return std::string(UiText("the priority channels"));
  }
  return "";
}

int PasteRunEnd(const Document& doc, int slot) {
  Area area = AreaOfSlot(doc, slot);
  if (area.kind == AreaKind::kNone) return -1;
  if (area.kind != AreaKind::kBank) return area.last;
  // The banks cover the memory rows from the first on without a gap.
  int end = area.last;
  while (end + 1 < kMemoryChannels && doc.BankOfSlot(end + 1) >= 0) ++end;
  return end;
}

bool SlotInUse(const Document& doc, int slot) {
  return IsSlotIndex(slot) && doc.Mem[slot] != Slot{};
}

std::vector<int> ValidRows(const std::vector<int>& rows) {
  std::vector<int> out;
  std::copy_if(rows.begin(), rows.end(), std::back_inserter(out), IsGridRow);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

// ---------------------------------------------------------------- copy

std::vector<CopiedRow> CopyRows(const Document& doc,
                                const std::vector<int>& rows) {
  std::vector<CopiedRow> out;
  for (int slot : SlotsOf(rows)) {
    out.push_back({slot, doc.Mem[slot], doc.MemFlag[slot]});
  }
  return out;
}

std::vector<CopiedRow> CutRows(Document& doc, const std::vector<int>& rows) {
  std::vector<CopiedRow> out = CopyRows(doc, rows);
  for (const CopiedRow& row : out) ClearSlot(doc, row.slot);
  return out;
}

// ---------------------------------------------------------------- paste

PastePlan PlanPaste(const Document& doc, int target_row, size_t count) {
  PastePlan plan;
  int first = IsGridRow(target_row) ? target_row - 1 : -1;
  int end = first < 0 ? -1 : PasteRunEnd(doc, first);
  size_t room =
      first < 0 || end < first ? 0 : static_cast<size_t>(end - first + 1);
  size_t fits = std::min(count, room);
  for (size_t i = 0; i < fits; ++i) {
    int slot = first + static_cast<int>(i);
    plan.targets.push_back(slot);
    if (SlotInUse(doc, slot)) ++plan.in_use;
  }
  plan.not_fitting = static_cast<int>(std::min<size_t>(count - fits, 1u << 30));
  return plan;
}

std::vector<int> ApplyPaste(Document& doc, const PastePlan& plan,
                            const std::vector<CopiedRow>& rows) {
  std::vector<int> changed;
  size_t n = std::min(plan.targets.size(), rows.size());
  for (size_t i = 0; i < n; ++i) {
    int slot = plan.targets[i];
    if (!IsSlotIndex(slot)) continue;
    Slot content = rows[i].content;
    content.text[kNote] = NoteText(content.text[kNote]);
    if (doc.Mem[slot] == content && doc.MemFlag[slot] == rows[i].flag) continue;
    doc.Mem[slot] = std::move(content);
    doc.MemFlag[slot] = rows[i].flag;
    changed.push_back(slot);
  }
  if (!changed.empty()) doc.DataChanged = -1;
  return changed;
}

// ---------------------------------------------------------------- move

bool MoveRows(Document& doc, const std::vector<int>& rows, int delta) {
  std::vector<int> slots = SlotsOf(rows);
  if ((delta != -1 && delta != 1) || slots.empty()) return false;
  for (int slot : slots) {
    Area area = AreaOfSlot(doc, slot);
    if (area.kind == AreaKind::kNone || !area.Contains(slot + delta)) {
      return false;
    }
  }
  // Up: from the top down, each selected row changes places with the one
  // above it; down: from the bottom up. A block of selected rows so moves
  // as one, and the row it passes lands at the block's other end.
  if (delta > 0) std::reverse(slots.begin(), slots.end());
  for (int slot : slots) SwapSlots(doc, slot, slot + delta);
  doc.DataChanged = -1;
  return true;
}

// ---------------------------------------------------------------- sort

namespace {

struct SortItem {
  Slot content;
  int16_t flag;
};

// The key text of a name or note: letter case and trailing blanks ignored.
std::string KeyText(std::string_view text) {
  return ToUpperAscii(TrimEnd(text));
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Natural order: a run of digits compares by its number ("PMR2" before
// "PMR10"), everything else byte by byte; texts equal in that order ("2"
// and "02") compare as bytes, so the order is total.
bool NaturalLess(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      size_t end_a = i, end_b = j;
      while (end_a < a.size() && IsDigit(a[end_a])) ++end_a;
      while (end_b < b.size() && IsDigit(b[end_b])) ++end_b;
      std::string_view na = a.substr(i, end_a - i);
      std::string_view nb = b.substr(j, end_b - j);
      while (na.size() > 1 && na.front() == '0') na.remove_prefix(1);
      while (nb.size() > 1 && nb.front() == '0') nb.remove_prefix(1);
      if (na.size() != nb.size()) return na.size() < nb.size();
      if (na != nb) return na < nb;
      i = end_a;
      j = end_b;
      continue;
    }
    if (a[i] != b[j]) {
      return static_cast<unsigned char>(a[i]) <
             static_cast<unsigned char>(b[j]);
    }
    ++i;
    ++j;
  }
  if ((i < a.size()) != (j < b.size())) return j < b.size();
  return a < b;
}

// Whether `a` sorts before `b`: channels before the rest; by frequency; by
// name or note with blank texts after the others.
bool Before(const SortItem& a, const SortItem& b, SortKey key) {
  bool a_channel = SlotHoldsChannel(a.content);
  bool b_channel = SlotHoldsChannel(b.content);
  if (a_channel != b_channel) return a_channel;
  if (!a_channel) return false;
  if (key == SortKey::kFrequency) {
    return MhzToHz(a.content.value[kFreq]) < MhzToHz(b.content.value[kFreq]);
  }
  int field = key == SortKey::kName ? kName : kNote;
  std::string ka = KeyText(a.content.text[field]);
  std::string kb = KeyText(b.content.text[field]);
  if (ka.empty() != kb.empty()) return kb.empty();
  return NaturalLess(ka, kb);
}

}  // namespace

bool SortRows(Document& doc, const std::vector<int>& rows, SortKey key) {
  std::vector<int> slots = SlotsOf(rows);
  if (slots.empty()) return false;
  Area area = AreaOfSlot(doc, slots.front());
  if (area.kind == AreaKind::kNone || !area.Contains(slots.back())) {
    return false;
  }
  std::vector<SortItem> items;
  items.reserve(slots.size());
  for (int slot : slots) items.push_back({doc.Mem[slot], doc.MemFlag[slot]});
  std::stable_sort(items.begin(), items.end(),
                   [key](const SortItem& a, const SortItem& b) {
                     return Before(a, b, key);
                   });
  bool changed = false;
  for (size_t i = 0; i < slots.size(); ++i) {
    int slot = slots[i];
    changed = changed || doc.Mem[slot] != items[i].content ||
              doc.MemFlag[slot] != items[i].flag;
    doc.Mem[slot] = std::move(items[i].content);
    doc.MemFlag[slot] = items[i].flag;
  }
  if (changed) doc.DataChanged = -1;
  return true;
}

namespace {

Message Warning(std::string_view text, std::string_view title) {
  return Message{std::string(text), std::string(title),
                 Message::Icon::kWarning};
}

}  // namespace

Message PasteNothingMessage() {
  return Warning(UiText("The clipboard holds no channels."), UiText("Paste"));
}

Message PasteNowhereMessage() {
  return Warning(UiText("Nothing can be pasted on this row."), UiText("Paste"));
}

std::optional<Message> PasteQuestion(const PastePlan& plan) {
  if (plan.in_use <= 0 && plan.not_fitting <= 0) return std::nullopt;
  std::string text;
  if (plan.in_use > 0) {
    text += Fill(UiText("%1 of the rows pasted over are in use."),
                 {std::to_string(plan.in_use)}) +
            "\r\n";
  }
  if (plan.not_fitting > 0) {
    text += Fill(UiText("%1 rows do not fit and are left out."),
                 {std::to_string(plan.not_fitting)}) +
            "\r\n";
  }
  return Warning(text + std::string(UiText("Paste anyway?")), UiText("Paste"));
}

Message SortRefusedMessage() {
  return Warning(UiText("The rows to sort must lie in one bank."),
                 UiText("Sort"));
}

namespace {

std::vector<int> RowsOfArea(const Area& area) {
  std::vector<int> rows;
  if (area.kind == AreaKind::kNone) return rows;
  for (int slot = area.first; slot <= area.last; ++slot) {
    rows.push_back(slot + 1);
  }
  return rows;
}

}  // namespace

bool SortBank(Document& doc, int bank, SortKey key) {
  Area area = AreaOfBank(doc, bank);
  if (area.kind == AreaKind::kNone) return false;
  return SortRows(doc, RowsOfArea(area), key);
}

std::vector<int> RowsToSort(const Document& doc, const std::vector<int>& rows,
                            int current_row) {
  if (rows.size() >= 2) return rows;
  if (!IsGridRow(current_row)) return {};
  return RowsOfArea(AreaOfSlot(doc, current_row - 1));
}

// ---------------------------------------------------------------- insert

std::optional<std::string> InsertEmptyRow(Document& doc, int row) {
  if (!IsGridRow(row)) {
    return Fill(UiText("There is no row %1: nothing was inserted."),
                {std::to_string(row)});
  }
  int slot = row - 1;
  Area area = AreaOfSlot(doc, slot);
  if (area.kind == AreaKind::kNone) {
    return Fill(UiText("%1 belongs to no bank: nothing was inserted."),
                {RowName(doc.SlotLabel(slot), slot)});
  }
  if (SlotInUse(doc, area.last)) {
    return Fill(UiText("The last row of %1 is in use: nothing was inserted."),
                {AreaName(area)});
  }
  for (int s = area.last; s > slot; --s) {
    doc.Mem[s] = std::move(doc.Mem[s - 1]);
    doc.MemFlag[s] = doc.MemFlag[s - 1];
  }
  doc.Mem[slot].Clear();
  doc.MemFlag[slot] = 0;
  doc.DataChanged = -1;
  return std::nullopt;
}

}  // namespace vrq5
