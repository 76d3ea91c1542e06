// View > Channel Map (dlgChannelMap): the channels over the receiver's
// range, a lane per bank, with Save as PNG and Close. A click on a channel
// asks for its row. Beside the picture, the Table tab lists the same
// channels in words (lane, row, frequency, name) for the keyboard and for
// screen readers; Enter or a double click on a line asks for its row.
#ifndef VRQ5_GUI_CHANNEL_MAP_DIALOG_H_
#define VRQ5_GUI_CHANNEL_MAP_DIALOG_H_

#include <QDialog>

#include "store/document.h"

class QTableView;

namespace vrq5::gui {

class ChannelMapView;
class MapTableModel;
class Prompts;

class ChannelMapDialog : public QDialog {
  Q_OBJECT

 public:
  ChannelMapDialog(const Document& doc, Prompts& prompts, QWidget* parent);

  // Shows the map of the document as it is now.
  void ShowMap();
  // The map drawn again when it is shown (after a change of the rows).
  void Refresh();
  // The picture as a PNG file; false when cancelled or not written.
  bool SaveAsPng();

 signals:
  // A channel was clicked: its memory-grid row (1..1300).
  void rowClicked(int row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetMap();
  void ActivateLine(int line);

  const Document& doc_;
  Prompts& prompts_;
  ChannelMapView* view_ = nullptr;
  MapTableModel* lines_ = nullptr;
  QTableView* table_ = nullptr;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_CHANNEL_MAP_DIALOG_H_
