// The VFO grid of the Settings 1 tab (MSFlexGrid2): the fourteen VFO
// bands, all rows shown without a scroll bar.
#ifndef VRQ5_GUI_VFO_GRID_H_
#define VRQ5_GUI_VFO_GRID_H_

#include <functional>

#include "gui/grid_view.h"
#include "store/document.h"

namespace vrq5::gui {

class VfoModel;

class VfoGrid : public GridView {
  Q_OBJECT

 public:
  // `open_row` gets the band row (1..14) to open.
  VfoGrid(Document& doc, QWidget* parent, std::function<void(int)> open_row);

  // Shows the document's bands again.
  void ShowAll();
  // The current band row (1..14), 0 when none.
  int CurrentRow() const;

 private:
  VfoModel* model_ = nullptr;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_VFO_GRID_H_
