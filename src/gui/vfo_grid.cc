#include "gui/vfo_grid.h"

#include <QHeaderView>

#include "gui/controls.h"
#include "gui/memory_model.h"

namespace vrq5::gui {

VfoGrid::VfoGrid(Document& doc, QWidget* parent,
                 std::function<void(int)> open_row)
    : GridView(parent, "MSFlexGrid2", std::move(open_row)) {
  setAccessibleName(Text("VFO bands"));
  model_ = new VfoModel(doc, this);
  setModel(model_);
  for (int c = 0; c < 12; ++c) {
    setColumnWidth(c, VfoColumnWidth(c, fontMetrics(), logicalDpiX()));
  }
  setColumnHidden(5, true);
  setColumnHidden(11, true);
  horizontalHeader()->setStretchLastSection(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFixedHeight(horizontalHeader()->sizeHint().height() +
                 kVfoBands * verticalHeader()->defaultSectionSize() +
                 2 * frameWidth());
}

void VfoGrid::ShowAll() { model_->ShowAll(); }

int VfoGrid::CurrentRow() const {
  QModelIndex index = currentIndex();
  return index.isValid() ? index.row() + 1 : 0;
}

}  // namespace vrq5::gui
