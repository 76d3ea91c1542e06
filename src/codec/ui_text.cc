#include "codec/ui_text.h"

namespace vrq5 {

std::string Fill(std::string_view pattern,
                 std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(pattern.size() + 16);
  for (size_t i = 0; i < pattern.size(); ++i) {
    char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    size_t n = static_cast<size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
      out += *(values.begin() + n);
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace vrq5
