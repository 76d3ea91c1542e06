// The memory grid's model: one row per channel-store slot (1300), twelve
// columns (row label, then the channel's fields), cell texts from
// store/grid.h. It holds nothing of its own; a refill tells the view that
// every cell may have changed, and the view repaints what it shows.
#ifndef VRQ5_GUI_MEMORY_MODEL_H_
#define VRQ5_GUI_MEMORY_MODEL_H_

#include <QAbstractTableModel>
#include <QFont>
#include <QFontMetrics>

#include "store/document.h"

namespace vrq5::gui {

class MemoryModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  MemoryModel(Document& doc, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role) const override;

  // UpDateMemData: the store's refill (disabled slots are emptied), then
  // every cell and the column-6 heading are shown anew.
  void Refill();

  // The font of the note column.
  static QFont NoteFont();

 private:
  Document& doc_;
  QFont note_font_;
};

// Column widths of the memory grid in twips (column 0: the row labels).
extern const int kMemoryColumnTwips[12];

// Twips (1440 an inch) to pixels at `dpi` dots an inch.
int TwipsToPixels(int twips, int dpi);

// The pixel width of memory-grid column `column`: its width in twips at
// `dpi`, widened where the window's font needs more room for the column's
// heading or its longest text.
int MemoryColumnWidth(int column, const QFontMetrics& metrics, int dpi);

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_MEMORY_MODEL_H_
