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

// What the two grids share: twelve columns with the memory grid's headings
// (column 6 by model), the note column's font, cells asked for on demand.
class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  GridModel(Document& doc, int rows, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role) const override;

  // Every cell and the column-6 heading are shown anew.
  void ShowAll();

  // The font of the note column.
  static QFont NoteFont();

 protected:
  // The text of a cell; the note column's is taken as the note's bytes.
  virtual std::string Cell(int row, int column) const = 0;
  Document& doc_;

 private:
  int rows_;
  QFont note_font_;
};

// The memory grid: one row per channel-store slot.
class MemoryModel : public GridModel {
 public:
  explicit MemoryModel(Document& doc, QObject* parent = nullptr)
      : GridModel(doc, kSlotCount, parent) {}
  // UpDateMemData: the store's refill (disabled slots are emptied), then
  // every cell shown anew.
  void Refill();

 protected:
  std::string Cell(int row, int column) const override;
};

// The VFO grid: one row per band.
class VfoModel : public GridModel {
 public:
  explicit VfoModel(Document& doc, QObject* parent = nullptr)
      : GridModel(doc, kVfoBands, parent) {}

 protected:
  std::string Cell(int row, int column) const override;
};

// Column widths of the VFO grid in twips (0: hidden).
extern const int kVfoColumnTwips[12];

// Column widths of the memory grid in twips (column 0: the row labels).
extern const int kMemoryColumnTwips[12];

// Twips (1440 an inch) to pixels at `dpi` dots an inch.
int TwipsToPixels(int twips, int dpi);

// The pixel width of memory-grid column `column`: its width in twips at
// `dpi`, widened where the window's font needs more room for the column's
// heading or its longest text.
int MemoryColumnWidth(int column, const QFontMetrics& metrics, int dpi);
// The same for the VFO grid; its hidden columns stay at 0.
int VfoColumnWidth(int column, const QFontMetrics& metrics, int dpi);

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_MEMORY_MODEL_H_
