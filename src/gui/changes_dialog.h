// "Changes to the receiver" (dlgChanges): what a write will change, listed
// before anything is sent, with Write and Cancel (Escape cancels).
#ifndef VRQ5_GUI_CHANGES_DIALOG_H_
#define VRQ5_GUI_CHANGES_DIALOG_H_

#include <QDialog>
#include <string>
#include <vector>

namespace vrq5::gui {

class ChangesDialog : public QDialog {
  Q_OBJECT

 public:
  ChangesDialog(const std::vector<std::string>& changes, QWidget* parent);
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_CHANGES_DIALOG_H_
