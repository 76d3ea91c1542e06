#include "store/row_ops.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "codec/blank.h"
#include "codec/record.h"
#include "codec/text.h"
#include "store/bank_rules.h"
#include "store/entry.h"
#include "store/slot_text.h"

namespace vrq5 {

namespace {

constexpr int kRowCount = kSlotCount;

bool IsRow(int row) { return row >= 1 && row <= kRowCount; }
bool IsSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

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

std::string OneLine(std::string_view text) {
  std::string out = NoteText(text);
  std::replace(out.begin(), out.end(), '\t', ' ');
  return out;
}

}  // namespace

// ---------------------------------------------------------------- areas

Area AreaOfSlot(const Document& doc, int slot) {
  if (!IsSlot(slot)) return {};
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
      return "bank " + Pad2(std::max(area.bank, 0));
    case AreaKind::kProgramScan:
      return "the program-scan edges";
    case AreaKind::kSearchPass:
      return "the search-pass channels";
    case AreaKind::kPriority:
      return "the priority channels";
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
  return IsSlot(slot) && doc.Mem[slot] != Slot{};
}

std::vector<int> ValidRows(const std::vector<int>& rows) {
  std::vector<int> out;
  std::copy_if(rows.begin(), rows.end(), std::back_inserter(out), IsRow);
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

// ---------------------------------------------------------------- text

namespace {

constexpr char kTab = '\t';

bool IsTruthCell(std::string_view cell) {
  for (std::string_view t : {kCsvTrue, std::string_view("TRUE"),
                             std::string_view("1"), std::string_view("*")}) {
    if (EqualsUpper(cell, t)) return true;
  }
  return false;
}

// A spreadsheet puts a cell in double quotes when it holds a quote, a tab
// or a line end, and doubles the quotes inside.
std::string Unquoted(std::string_view cell) {
  if (cell.size() < 2 || cell.front() != '"' || cell.back() != '"') {
    return std::string(cell);
  }
  std::string out;
  cell = cell.substr(1, cell.size() - 2);
  for (size_t i = 0; i < cell.size(); ++i) {
    out += cell[i];
    if (cell[i] == '"' && i + 1 < cell.size() && cell[i + 1] == '"') ++i;
  }
  return out;
}

std::vector<std::string> Cells(std::string_view line) {
  std::vector<std::string> cells;
  size_t start = 0;
  while (true) {
    size_t tab = line.find(kTab, start);
    cells.push_back(Unquoted(line.substr(start, tab - start)));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return cells;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
        text[end + 1] == '\n') {
      ++end;
    }
    start = end + 1;
  }
  return lines;
}

std::optional<CopiedRow> RowFromCells(const std::vector<std::string>& cells) {
  size_t first = !cells.empty() && EqualsUpper(cells[0], kCsvModelWord) ? 3 : 0;
  if (cells.size() < first + kVfoFieldCount) return std::nullopt;
  std::array<std::string_view, kVfoFieldCount> texts;
  for (int f = 0; f < kVfoFieldCount; ++f) texts[f] = cells[first + f];
  CopiedRow row;
  if (!SlotFromTexts(texts, row.content)) return std::nullopt;
  size_t skip = first + kVfoFieldCount;
  row.content.value[kSkip] =
      skip < cells.size() && IsTruthCell(cells[skip]) ? 1 : 0;
  row.flag = skip + 1 >= cells.size() || IsTruthCell(cells[skip + 1]) ? -1 : 0;
  return row;
}

}  // namespace

std::string RowsAsText(const std::vector<CopiedRow>& rows) {
  std::string out;
  for (const CopiedRow& row : rows) {
    out += kCsvModelWord;
    out += kTab;
    out += CsvSection(KindOfSlot(row.slot));
    out += kTab;
    if (IsSlot(row.slot)) out += CsvChannel(row.slot);
    for (int f = 0; f < kVfoFieldCount; ++f) {
      out += kTab;
      out += OneLine(row.content.text[f]);
    }
    out += kTab;
    out += row.content.value[kSkip] != 0 ? kCsvTrue : kCsvFalse;
    out += kTab;
    out += row.flag == -1 ? kCsvTrue : kCsvFalse;
    out += "\r\n";
  }
  return out;
}

std::vector<CopiedRow> RowsFromText(std::string_view text) {
  std::vector<CopiedRow> out;
  for (std::string_view line : Lines(text)) {
    if (auto row = RowFromCells(Cells(line))) out.push_back(std::move(*row));
  }
  return out;
}

// ---------------------------------------------------------------- data

namespace {

// The data: the header line, the row count, then per row its slot, its
// flag, the bit patterns of its twelve numbers and its twelve texts, each
// text as its length, ":" and its bytes; at the end "END" and a 64-bit
// FNV-1a checksum of everything before it.
constexpr std::string_view kDataHeader = "VRQ5-ROWS 1\n";
constexpr std::string_view kDataEnd = "END ";

// An upper-case hex digit's value, or -1: the data is written in upper
// case only, so anything else is damage.
int UpperHexDigit(char c) {
  if (c >= 'a' && c <= 'f') return -1;
  return HexDigitValue(c);
}

uint64_t Checksum(std::string_view bytes) {
  uint64_t h = 0xCBF29CE484222325ull;
  for (char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= 0x100000001B3ull;
  }
  return h;
}

class DataReader {
 public:
  explicit DataReader(std::string_view data) : data_(data) {}

  bool Literal(std::string_view text) {
    if (data_.substr(pos_, text.size()) != text) return false;
    pos_ += text.size();
    return true;
  }

  // A decimal number in low..high, ended by `end`.
  std::optional<int64_t> Number(int64_t low, int64_t high, char end) {
    size_t start = pos_;
    bool negative = pos_ < data_.size() && data_[pos_] == '-';
    if (negative) ++pos_;
    int64_t value = 0;
    while (pos_ < data_.size() && data_[pos_] >= '0' && data_[pos_] <= '9' &&
           pos_ - start < 12) {
      value = value * 10 + (data_[pos_++] - '0');
    }
    if (pos_ == start + (negative ? 1 : 0) || !Literal({&end, 1})) {
      return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < low || value > high) return std::nullopt;
    return value;
  }

  // Sixteen upper-case hex digits, ended by a blank.
  std::optional<uint64_t> Bits() {
    if (data_.size() - pos_ < 17) return std::nullopt;
    uint64_t bits = 0;
    for (int i = 0; i < 16; ++i) {
      int digit = UpperHexDigit(data_[pos_ + i]);
      if (digit < 0) return std::nullopt;
      bits = bits << 4 | static_cast<uint64_t>(digit);
    }
    pos_ += 16;
    if (!Literal(" ")) return std::nullopt;
    return bits;
  }

  std::optional<std::string> Text() {
    auto length = Number(0, static_cast<int64_t>(data_.size() - pos_), ':');
    if (!length || static_cast<size_t>(*length) > data_.size() - pos_) {
      return std::nullopt;
    }
    std::string text(data_.substr(pos_, static_cast<size_t>(*length)));
    pos_ += text.size();
    return text;
  }

  bool AtEnd() const { return pos_ == data_.size(); }

 private:
  std::string_view data_;
  size_t pos_ = 0;
};

std::optional<CopiedRow> ReadRow(DataReader& in) {
  CopiedRow row;
  auto slot = in.Number(-1, kSlotCount - 1, ' ');
  auto flag = slot ? in.Number(-32768, 32767, '\n') : std::nullopt;
  if (!flag) return std::nullopt;
  row.slot = static_cast<int>(*slot);
  row.flag = static_cast<int16_t>(*flag);
  for (double& value : row.content.value) {
    auto bits = in.Bits();
    if (!bits) return std::nullopt;
    value = std::bit_cast<double>(*bits);
  }
  for (std::string& text : row.content.text) {
    auto t = in.Text();
    if (!t) return std::nullopt;
    text = std::move(*t);
  }
  if (!in.Literal("\n")) return std::nullopt;
  return row;
}

}  // namespace

std::string RowsAsData(const std::vector<CopiedRow>& rows) {
  std::string out(kDataHeader);
  out += std::to_string(rows.size()) + "\n";
  for (const CopiedRow& row : rows) {
    out += std::to_string(IsSlot(row.slot) ? row.slot : -1) + " " +
           std::to_string(row.flag) + "\n";
    for (double value : row.content.value) {
      out += HexText(std::bit_cast<uint64_t>(value), 16) + " ";
    }
    for (const std::string& text : row.content.text) {
      out += std::to_string(text.size()) + ":" + text;
    }
    out += "\n";
  }
  out += kDataEnd;
  out += HexText(Checksum(out), 16) + "\n";
  return out;
}

std::optional<std::vector<CopiedRow>> RowsFromData(std::string_view data) {
  // Some clipboards hand custom data back padded with zero bytes.
  while (!data.empty() && data.back() == '\0') data.remove_suffix(1);
  size_t end = data.rfind(kDataEnd);
  if (end == std::string_view::npos) return std::nullopt;
  // The checksum: sixteen hex digits and the final line end.
  std::string_view sum = data.substr(end + kDataEnd.size());
  if (sum.size() != 17 || sum.back() != '\n') return std::nullopt;
  uint64_t expected = 0;
  for (char c : sum.substr(0, 16)) {
    int digit = UpperHexDigit(c);
    if (digit < 0) return std::nullopt;
    expected = expected << 4 | static_cast<uint64_t>(digit);
  }
  if (expected != Checksum(data.substr(0, end + kDataEnd.size()))) {
    return std::nullopt;
  }
  DataReader in(data.substr(0, end));
  if (!in.Literal(kDataHeader)) return std::nullopt;
  auto count = in.Number(0, static_cast<int64_t>(data.size()), '\n');
  if (!count) return std::nullopt;
  std::vector<CopiedRow> rows;
  for (int64_t i = 0; i < *count; ++i) {
    auto row = ReadRow(in);
    if (!row) return std::nullopt;
    rows.push_back(std::move(*row));
  }
  if (!in.AtEnd()) return std::nullopt;
  return rows;
}

// ---------------------------------------------------------------- paste

PastePlan PlanPaste(const Document& doc, int target_row, size_t count) {
  PastePlan plan;
  int first = IsRow(target_row) ? target_row - 1 : -1;
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
    if (!IsSlot(slot)) continue;
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
  return ka < kb;
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

bool SortBank(Document& doc, int bank, SortKey key) {
  Area area = AreaOfBank(doc, bank);
  if (area.kind == AreaKind::kNone) return false;
  std::vector<int> rows;
  for (int slot = area.first; slot <= area.last; ++slot) {
    rows.push_back(slot + 1);
  }
  return SortRows(doc, rows, key);
}

// ---------------------------------------------------------------- insert

std::optional<std::string> InsertEmptyRow(Document& doc, int row) {
  constexpr std::string_view kNothing = ": nothing was inserted.";
  if (!IsRow(row)) {
    return "There is no row " + std::to_string(row) + std::string(kNothing);
  }
  int slot = row - 1;
  Area area = AreaOfSlot(doc, slot);
  if (area.kind == AreaKind::kNone) {
    return "Row " + std::to_string(row) + " belongs to no bank" +
           std::string(kNothing);
  }
  if (SlotInUse(doc, area.last)) {
    return "The last row of " + AreaName(area) + " is in use" +
           std::string(kNothing);
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

// ---------------------------------------------------------------- find

namespace {

// A number as the user types a frequency: digits with at most one ".".
bool IsPlainNumber(std::string_view t) {
  bool digit = false;
  bool point = false;
  for (char c : t) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

}  // namespace

FindQuery ParseFindQuery(std::string_view typed) {
  FindQuery query;
  std::string_view t = Trim(typed);
  if (t.empty()) return query;
  if (IsPlainNumber(t)) {
    query.kind = FindQuery::Kind::kFrequency;
    query.low_hz = query.high_hz = MhzToHz(Val(t));
    return query;
  }
  size_t dash = t.find('-');
  if (dash != std::string_view::npos) {
    std::string_view a = Trim(t.substr(0, dash));
    std::string_view b = Trim(t.substr(dash + 1));
    if (IsPlainNumber(a) && IsPlainNumber(b)) {
      uint32_t ha = MhzToHz(Val(a));
      uint32_t hb = MhzToHz(Val(b));
      query.kind = FindQuery::Kind::kRange;
      query.low_hz = std::min(ha, hb);
      query.high_hz = std::max(ha, hb);
      return query;
    }
  }
  query.kind = FindQuery::Kind::kText;
  query.text = ToUpperAscii(t);
  return query;
}

bool RowMatches(const Document& doc, int row, const FindQuery& query) {
  if (!IsRow(row)) return false;
  const Slot& s = doc.Mem[row - 1];
  if (!SlotHoldsChannel(s)) return false;
  switch (query.kind) {
    case FindQuery::Kind::kNothing:
      return false;
    case FindQuery::Kind::kFrequency:
    case FindQuery::Kind::kRange: {
      uint32_t hz = MhzToHz(s.value[kFreq]);
      return hz >= query.low_hz && hz <= query.high_hz;
    }
    case FindQuery::Kind::kText:
      return ToUpperAscii(s.text[kName]).find(query.text) !=
                 std::string::npos ||
             ToUpperAscii(s.text[kNote]).find(query.text) != std::string::npos;
  }
  return false;
}

std::optional<int> FindNext(const Document& doc, const FindQuery& query,
                            int from_row) {
  int from = IsRow(from_row) ? from_row : 0;
  for (int i = 1; i <= kRowCount; ++i) {
    int row = (from + i - 1) % kRowCount + 1;
    if (RowMatches(doc, row, query)) return row;
  }
  return std::nullopt;
}

std::optional<int> FindPrevious(const Document& doc, const FindQuery& query,
                                int from_row) {
  int from = IsRow(from_row) ? from_row : kRowCount + 1;
  for (int i = 1; i <= kRowCount; ++i) {
    int row = ((from - i - 1) % kRowCount + kRowCount) % kRowCount + 1;
    if (RowMatches(doc, row, query)) return row;
  }
  return std::nullopt;
}

}  // namespace vrq5
