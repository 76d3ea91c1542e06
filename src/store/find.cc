#include "store/find.h"

#include <algorithm>

#include "codec/blank.h"
#include "codec/text.h"
#include "store/entry.h"

namespace vrq5 {

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
  if (!IsGridRow(row)) return false;
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
  int from = IsGridRow(from_row) ? from_row : 0;
  for (int i = 1; i <= kSlotCount; ++i) {
    int row = (from + i - 1) % kSlotCount + 1;
    if (RowMatches(doc, row, query)) return row;
  }
  return std::nullopt;
}

std::optional<int> FindPrevious(const Document& doc, const FindQuery& query,
                                int from_row) {
  int from = IsGridRow(from_row) ? from_row : kSlotCount + 1;
  for (int i = 1; i <= kSlotCount; ++i) {
    int row = ((from - i - 1) % kSlotCount + kSlotCount) % kSlotCount + 1;
    if (RowMatches(doc, row, query)) return row;
  }
  return std::nullopt;
}

}  // namespace vrq5
