// Puts one of the core's key filters on a text box: a typed character the
// filter refuses never reaches the box, and pasted text keeps only what
// typing it would have left.
#ifndef VRQ5_GUI_KEY_FILTER_H_
#define VRQ5_GUI_KEY_FILTER_H_

#include "store/entry.h"

class QLineEdit;

namespace vrq5::gui {

void InstallKeyFilter(QLineEdit* box, KeyFilter filter);

// True for a focus loss that the focus-loss checks answer: the focus went
// to another control, not to a menu, a message box or another window.
bool IsControlFocusLoss(int reason);

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_KEY_FILTER_H_
