// Notes are kept as the bytes a clone file holds: UTF-8 from this program,
// Shift_JIS from receivers and programs of the Japanese market. The window
// shows valid UTF-8 as it is and any other note through Shift_JIS, and
// writes back exactly the bytes it read for a note the user did not change.
#ifndef VRQ5_GUI_NOTE_TEXT_H_
#define VRQ5_GUI_NOTE_TEXT_H_

#include <QString>
#include <string>
#include <string_view>

namespace vrq5::gui {

// The note as the window shows it; a byte that decodes to nothing shows as
// the replacement mark.
QString NoteToDisplay(std::string_view bytes);

// The bytes to store for a note box showing `shown` that was loaded from
// `original`: `original` itself when the text is still what it showed,
// otherwise the text in UTF-8.
std::string NoteFromDisplay(const QString& shown, std::string_view original);

// An ASCII text (names, labels) as the window shows it.
inline QString AsciiText(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_NOTE_TEXT_H_
