// The check before a write (dlgWriteCheck): the findings in a table.
// With errors only Close is offered; with warnings Write anyway, Stop and
// "Do not show warnings again".
#ifndef VRQ5_GUI_WRITE_CHECK_DIALOG_H_
#define VRQ5_GUI_WRITE_CHECK_DIALOG_H_

#include <QDialog>
#include <vector>

#include "store/write_check.h"

class QCheckBox;

namespace vrq5::gui {

class WriteCheckDialog : public QDialog {
  Q_OBJECT

 public:
  WriteCheckDialog(const std::vector<Finding>& findings, QWidget* parent);

  // True when the findings hold an error: the write may not go on.
  bool errors() const { return errors_; }
  // "Do not show warnings again" is ticked.
  bool HideWarnings() const;

 private:
  bool errors_ = false;
  QCheckBox* hide_ = nullptr;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_WRITE_CHECK_DIALOG_H_
