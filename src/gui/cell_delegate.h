// Draws a grid cell as plain text on its background: the grids show short
// texts in one line, which need none of the rich layout of Qt's standard
// delegate, so a repaint of the visible rows costs far less.
#ifndef VRQ5_GUI_CELL_DELEGATE_H_
#define VRQ5_GUI_CELL_DELEGATE_H_

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace vrq5::gui {

class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  // Laid-out texts by text, font and width: the cells repeat a few dozen
  // texts ("AM", "OFF", "88.5Hz"), and a text laid out once is only drawn
  // afterwards. Cleared when it grows past a few screens of cells.
  struct Key {
    QString text;
    QString font;
    int width;
    friend bool operator==(const Key&, const Key&) = default;
    friend size_t qHash(const Key& k, size_t seed = 0) {
      return qHashMulti(seed, k.text, k.font, k.width);
    }
  };
  mutable QHash<Key, QStaticText> texts_;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_CELL_DELEGATE_H_
