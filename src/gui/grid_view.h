// A grid of the window (the memory grid, the VFO grid): one whole row
// selected, no editing in place; Enter and a double-click open a row, the
// arrow keys move between the cells, Tab and Shift+Tab leave the grid.
#ifndef VRQ5_GUI_GRID_VIEW_H_
#define VRQ5_GUI_GRID_VIEW_H_

#include <QTableView>
#include <functional>

namespace vrq5::gui {

class GridView : public QTableView {
  Q_OBJECT

 public:
  // `open_row` gets the grid row (1-based) to open.
  GridView(QWidget* parent, const char* name,
           std::function<void(int)> open_row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void(int)> open_row_;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_GRID_VIEW_H_
