// Notes in the window: the shared conversion of notes/note_text.h, and
// ASCII texts (names, labels) as the window shows them.
#ifndef VRQ5_GUI_NOTE_TEXT_H_
#define VRQ5_GUI_NOTE_TEXT_H_

#include <QString>
#include <string_view>

#include "notes/note_text.h"

namespace vrq5::gui {

using vrq5::NoteFromDisplay;
using vrq5::NoteToDisplay;

// An ASCII text (names, labels) as the window shows it.
inline QString AsciiText(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_NOTE_TEXT_H_
