// Tool > Options (dlgWriteSteps): the steps of a safe write, each on or
// off: the snapshot before it, the list of changes (which needs the
// snapshot's read), the read-back after it.
#ifndef VRQ5_GUI_WRITE_STEPS_DIALOG_H_
#define VRQ5_GUI_WRITE_STEPS_DIALOG_H_

#include <QDialog>

#include "gui/window_settings.h"

class QCheckBox;

namespace vrq5::gui {

class WriteStepsDialog : public QDialog {
  Q_OBJECT

 public:
  WriteStepsDialog(const WindowSettings::WriteSteps& steps, QWidget* parent);

  // The steps as the boxes are ticked.
  WindowSettings::WriteSteps Steps() const;

 private:
  QCheckBox* snapshot_;
  QCheckBox* show_changes_;
  QCheckBox* verify_;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_WRITE_STEPS_DIALOG_H_
