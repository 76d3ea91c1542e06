// Finding a channel in the memory grid by frequency, range or text.
#ifndef VRQ5_STORE_FIND_H_
#define VRQ5_STORE_FIND_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "store/document.h"

namespace vrq5 {

struct FindQuery {
  enum class Kind { kNothing, kFrequency, kRange, kText };
  Kind kind = Kind::kNothing;
  uint32_t low_hz = 0;   // kFrequency: the frequency; kRange: the lower end
  uint32_t high_hz = 0;  // kRange: the upper end
  std::string text;      // kText: upper-cased
};

// What the user typed: a number ("145.5") is a frequency in MHz, matched
// to the Hz; two numbers joined by "-" ("144-146", "146 - 144") a range,
// ends included, in either order; anything else a text found in the name
// or the note, letter case ignored. Blanks around are dropped; an empty
// text finds nothing.
FindQuery ParseFindQuery(std::string_view typed);

// Whether the slot of `row` matches (only rows holding a channel do).
bool RowMatches(const Document& doc, int row, const FindQuery& query);

// The next matching row after `from_row` (or the previous one before it),
// wrapping around the ends; `from_row` itself is tried last. `from_row` 0
// starts before row 1 (FindNext) or after row 1300 (FindPrevious).
std::optional<int> FindNext(const Document& doc, const FindQuery& query,
                            int from_row);
std::optional<int> FindPrevious(const Document& doc, const FindQuery& query,
                                int from_row);

}  // namespace vrq5

#endif  // VRQ5_STORE_FIND_H_
