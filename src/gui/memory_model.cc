#include "gui/memory_model.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

#include "gui/controls.h"
#include "gui/note_text.h"
#include "store/grid.h"

namespace vrq5::gui {

const int kMemoryColumnTwips[12] = {600, 1035, 480, 705, 555,  390,
                                    675, 705,  540, 870, 1055, 1000};
const int kVfoColumnTwips[12] = {500, 1035, 480, 705, 555,  0,
                                 675, 705,  540, 870, 1055, 0};

namespace {
constexpr int kNoteColumn = 10;
}  // namespace

int TwipsToPixels(int twips, int dpi) { return (twips * dpi + 720) / 1440; }

int MemoryColumnWidth(int column, const QFontMetrics& metrics, int dpi) {
  // The longest text each column shows (the note column keeps its width).
  static const char* const kLongest[kGridColumns] = {
      "00-000", "1299.995000", "WFM",    "6.25KHz",   "Train", "Skip",
      "3000Hz", "250.3Hz",     "Shift+", "99.999999", "",      "WWWWWW"};
  int needed =
      std::max(metrics.horizontalAdvance(QString::fromLatin1(kLongest[column])),
               metrics.horizontalAdvance(CoreText(kGridHeadings[column])));
  return std::max(TwipsToPixels(kMemoryColumnTwips[column], dpi), needed + 14);
}

int VfoColumnWidth(int column, const QFontMetrics& metrics, int dpi) {
  if (kVfoColumnTwips[column] == 0) return 0;
  return std::max(TwipsToPixels(kVfoColumnTwips[column], dpi),
                  MemoryColumnWidth(column, metrics, dpi));
}

// The notes keep a family that shows Japanese text in even columns; the
// size is the application font's, as in every other column.
QFont GridModel::NoteFont() {
  QFont font = QGuiApplication::font();
  font.setFamilies({QString::fromUtf8("ＭＳ ゴシック"),
                    QStringLiteral("Noto Sans Mono CJK JP"),
                    QStringLiteral("Noto Sans CJK JP"),
                    QStringLiteral("monospace")});
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

GridModel::GridModel(Document& doc, int rows, QObject* parent)
    : QAbstractTableModel(parent),
      doc_(doc),
      rows_(rows),
      note_font_(NoteFont()) {}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kGridColumns;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return QVariant();
  int slot = index.row();
  int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
      if (column == kNoteColumn) return NoteToDisplay(Cell(slot, column));
      if (role == Qt::ToolTipRole) return QVariant();
      return AsciiText(Cell(slot, column));
    }
    case Qt::FontRole:
      if (column == kNoteColumn) return note_font_;
      return QVariant();
    case Qt::BackgroundRole:
      if (column == 0) return QGuiApplication::palette().button();
      return QVariant();
    case Qt::TextAlignmentRole:
      if (column == 1 || column == 9) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      }
      return QVariant();
    default:
      return QVariant();
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation,
                               int role) const {
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
    return QVariant();
  }
  // The row headers stay hidden; a screen reader reads each row by its
  // label (00-000, ...: the row header and row description of AT-SPI), and
  // the first column, whose heading is blank on screen, as "Row".
  if (orientation == Qt::Vertical) {
    if (section < 0 || section >= rows_) return QVariant();
    return AsciiText(Cell(section, 0));
  }
  if (section < 0 || section >= kGridColumns) return QVariant();
  if (section == 0 && role == Qt::AccessibleTextRole) return Text("Row");
  std::string_view heading =
      section == 6 ? Column6Heading(doc_.ModelIndex) : kGridHeadings[section];
  return CoreText(heading);
}

void GridModel::ShowAll() {
  emit dataChanged(index(0, 0), index(rows_ - 1, kGridColumns - 1));
  emit headerDataChanged(Qt::Horizontal, 6, 6);
}

void MemoryModel::Refill() {
  doc_.RefillMemory();
  ShowAll();
}

std::string MemoryModel::Cell(int row, int column) const {
  return MemoryCell(doc_, row, column);
}

std::string VfoModel::Cell(int row, int column) const {
  return VfoCell(doc_, row, column);
}

}  // namespace vrq5::gui
