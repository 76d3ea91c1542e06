// Texts the user sees. `UiText` marks a text for the window's string table
// (its extraction tool lists every marked text); `Fill` puts values into a
// marked pattern's %1, %2 ... so that a composed line has one pattern the
// window can translate whole.
#ifndef VRQ5_CODEC_UI_TEXT_H_
#define VRQ5_CODEC_UI_TEXT_H_

#include <initializer_list>
#include <string>
#include <string_view>

namespace vrq5 {

constexpr std::string_view UiText(std::string_view text) { return text; }

// `pattern` with each %N (N from 1 to 9) replaced by the Nth of `values`; a
// %N without a value and any other % stay as they are.
std::string Fill(std::string_view pattern,
                 std::initializer_list<std::string_view> values);

}  // namespace vrq5

#endif  // VRQ5_CODEC_UI_TEXT_H_
