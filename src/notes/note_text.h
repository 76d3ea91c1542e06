// Notes are kept as the bytes a clone file holds: UTF-8 from this program,
// Shift_JIS from receivers and programs of the Japanese market. Whatever
// shows a note (the window, the command line in a terminal) shows valid
// UTF-8 as it is and any other note through Shift_JIS, and a byte that
// decodes to nothing as the replacement mark. The bytes themselves are
// never changed by showing them.
#ifndef VRQ5_NOTES_NOTE_TEXT_H_
#define VRQ5_NOTES_NOTE_TEXT_H_

#include <QString>
#include <string>
#include <string_view>

#include "notes/terminal_text.h"

namespace vrq5 {

// The note (or name) as text.
QString NoteToDisplay(std::string_view bytes);

// The same text as UTF-8 bytes: what a file meant for other programs (the
// channel-list CSV) holds.
std::string NoteToUtf8(std::string_view bytes);

// The bytes to store for a note box showing `shown` that was loaded from
// `original`: `original` itself when the text is still what it showed,
// otherwise the text in UTF-8.
std::string NoteFromDisplay(const QString& shown, std::string_view original);

// The note as a terminal shows it, in `codeset`: control characters (which
// a terminal would obey) become the replacement mark, and a character the
// encoding lacks (the mark among them) becomes "?".
std::string NoteForTerminal(std::string_view bytes, const std::string& codeset);

// The same in the locale's encoding.
std::string NoteForTerminal(std::string_view bytes);

}  // namespace vrq5

#endif  // VRQ5_NOTES_NOTE_TEXT_H_
