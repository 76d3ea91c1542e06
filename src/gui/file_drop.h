// Files dragged onto the window: one local clone file (.VQ5) or CSV file
// is taken; anything else is refused while it is dragged.
#ifndef VRQ5_GUI_FILE_DROP_H_
#define VRQ5_GUI_FILE_DROP_H_

#include <QObject>
#include <QString>

namespace vrq5::gui {

class FileDrop : public QObject {
  Q_OBJECT

 public:
  // Watches the drags over `window`.
  explicit FileDrop(QWidget* window);

 signals:
  // A clone file or CSV file was dropped.
  void dropped(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_FILE_DROP_H_
