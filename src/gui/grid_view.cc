#include "gui/grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "gui/cell_delegate.h"

namespace vrq5::gui {

GridView::GridView(QWidget* parent, const char* name,
                   std::function<void(int)> open_row)
    : QTableView(parent), open_row_(std::move(open_row)) {
  setObjectName(QString::fromLatin1(name));
  setItemDelegate(new CellDelegate(this));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab and Shift+Tab leave the grid for the next or previous control; the
  // arrow keys move between the cells.
  setTabKeyNavigation(false);
  setWordWrap(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setHighlightSections(false);
  connect(this, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) { open_row_(index.row() + 1); });
}

void GridView::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      currentIndex().isValid() && open_row_) {
    open_row_(currentIndex().row() + 1);
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace vrq5::gui
