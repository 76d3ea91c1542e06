// Tool > COM Port Setup (dlgCOM): the serial ports found, the port kept
// (marked when it is not found), the simulated receiver, and a box for a
// port name or device path.
#ifndef VRQ5_GUI_PORT_DIALOG_H_
#define VRQ5_GUI_PORT_DIALOG_H_

#include <QDialog>
#include <string>

class QLineEdit;
class QListWidget;

namespace vrq5::gui {

class PortDialog : public QDialog {
  Q_OBJECT

 public:
  // `port_name`: the port in use (empty: none).
  PortDialog(const std::string& port_name, QWidget* parent);

  // The port the box names, as the port file keeps it (empty: none).
  std::string Chosen() const;

 private:
  QListWidget* list_ = nullptr;
  QLineEdit* path_ = nullptr;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_PORT_DIALOG_H_
