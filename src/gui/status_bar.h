// The window's status bar (sbStatusBar): the model, the channels in use
// and the port in use; the transfers add their progress on its right.
#ifndef VRQ5_GUI_STATUS_BAR_H_
#define VRQ5_GUI_STATUS_BAR_H_

#include <QStatusBar>
#include <string>

#include "store/document.h"

class QLabel;

namespace vrq5::gui {

class StatusBar : public QStatusBar {
  Q_OBJECT

 public:
  explicit StatusBar(QWidget* parent);

  // Shows `doc`'s model and channels in use and the port `port` (empty:
  // none).
  void ShowState(const Document& doc, const std::string& port);

 private:
  QLabel* model_ = nullptr;
  QLabel* channels_ = nullptr;
  QLabel* port_ = nullptr;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_STATUS_BAR_H_
