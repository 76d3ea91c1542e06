// What a terminal shows of a text: the locale's encoding (UTF-8 on
// Windows, whose console the program sets to it) and the columns a text
// takes there. Plain text only; notes are decoded in note_text.h.
#ifndef VRQ5_NOTES_TERMINAL_TEXT_H_
#define VRQ5_NOTES_TERMINAL_TEXT_H_

#include <string>
#include <string_view>

namespace vrq5 {

// The locale's character encoding as the C library names it ("UTF-8",
// "ANSI_X3.4-1968", "SHIFT_JIS", ...); "UTF-8" on Windows, whose console
// the program sets to UTF-8.
const std::string& TerminalCodeset();

// True when the locale's character encoding is UTF-8.
bool TerminalIsUtf8();

// The columns a UTF-8 text takes in a terminal: wide (East Asian)
// characters take two, others one.
size_t TerminalColumns(std::string_view utf8);

// The columns a text in `codeset` (as NoteForTerminal gives it) takes.
size_t TerminalColumns(std::string_view text, const std::string& codeset);

// True when every byte of `text` is ASCII.
bool IsAsciiText(std::string_view text);

// True when `codeset` names UTF-8 ("UTF-8", "utf8", ...).
bool IsUtf8Codeset(const std::string& codeset);

// UTF-8 text in `codeset`: a character the encoding lacks becomes "?"
// (everything but ASCII where the system has no converter for it).
std::string Utf8ForTerminal(std::string_view utf8, const std::string& codeset);

// Sets the console to take UTF-8, as everything the program prints is;
// true when it does. Only Windows has a console encoding of its own: on
// other systems the answer is whether the locale is UTF-8.
bool UseUtf8Console();

}  // namespace vrq5

#endif  // VRQ5_NOTES_TERMINAL_TEXT_H_
