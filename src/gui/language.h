// The language of the menus and tooltips: Japanese on a Japanese interface
// (or with --lang ja), English otherwise (or with --lang en).
#ifndef VRQ5_GUI_LANGUAGE_H_
#define VRQ5_GUI_LANGUAGE_H_

#include <QString>

namespace vrq5::gui {

// Installs the string table of `language` ("ja", "en"; empty: the
// interface's language) in the application; an English table is the
// source texts themselves. False when a table was asked for and cannot be
// loaded. Call before the main window is made.
bool InstallLanguage(const QString& language);

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_LANGUAGE_H_
