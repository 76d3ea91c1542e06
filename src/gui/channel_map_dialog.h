// View > Channel Map (dlgChannelMap): the channels over the receiver's
// range, a lane per bank, with Save as PNG and Close. A click on a channel
// asks for its row.
#ifndef VRQ5_GUI_CHANNEL_MAP_DIALOG_H_
#define VRQ5_GUI_CHANNEL_MAP_DIALOG_H_

#include <QDialog>

#include "store/document.h"

namespace vrq5::gui {

class ChannelMapView;
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

 private:
  const Document& doc_;
  Prompts& prompts_;
  ChannelMapView* view_ = nullptr;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_CHANNEL_MAP_DIALOG_H_
