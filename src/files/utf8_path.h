// File names are UTF-8 text everywhere inside the program (the window, the
// command line and the core pass them as std::string). The system takes
// them in its own form: the same bytes on Linux, UTF-16 on Windows. Every
// file the core opens, writes or lists goes through these two.
#ifndef VRQ5_FILES_UTF8_PATH_H_
#define VRQ5_FILES_UTF8_PATH_H_

#include <filesystem>
#include <string>
#include <string_view>

namespace vrq5 {

// The path named by UTF-8 text. On Windows a byte sequence that is no
// UTF-8 becomes the replacement character (no such file is found); never
// throws.
std::filesystem::path PathFromUtf8(std::string_view utf8);

// The path's name as UTF-8 text (on Linux its bytes as they are).
std::string PathToUtf8(const std::filesystem::path& path);

// True when `text` is well-formed UTF-8.
bool IsUtf8(std::string_view text);

}  // namespace vrq5

#endif  // VRQ5_FILES_UTF8_PATH_H_
