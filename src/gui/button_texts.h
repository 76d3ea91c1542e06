// The captions of Qt's standard buttons in the window's button boxes and
// message boxes: each from the string table with its access key ("&OK",
// "&Cancel", "&Yes", "&No", "&Close"), and named after its role ("cmdOK",
// "cmdCancel", ...) where it has no name yet.
#ifndef VRQ5_GUI_BUTTON_TEXTS_H_
#define VRQ5_GUI_BUTTON_TEXTS_H_

class QDialogButtonBox;
class QMessageBox;

namespace vrq5::gui {

void SetButtonTexts(QDialogButtonBox* box);
void SetButtonTexts(QMessageBox* box);

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_BUTTON_TEXTS_H_
