// Blanks and line ends in the texts the program reads: cells, CSV fields,
// the port file.
#ifndef VRQ5_CODEC_BLANK_H_
#define VRQ5_CODEC_BLANK_H_

#include <string_view>

namespace vrq5 {

// A space or a tab.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }
// CR or LF.
constexpr bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The text without blanks at its end.
constexpr std::string_view TrimEnd(std::string_view t) {
  while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);
  return t;
}

// The text without blanks at either end.
constexpr std::string_view Trim(std::string_view t) {
  while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
  return TrimEnd(t);
}

}  // namespace vrq5

#endif  // VRQ5_CODEC_BLANK_H_
