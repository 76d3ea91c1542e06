#include "gui/cell_delegate.h"

#include <QPainter>

namespace vrq5::gui {

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  const QPalette& palette = option.palette;
  bool selected = option.state & QStyle::State_Selected;
  QVariant background = index.data(Qt::BackgroundRole);
  if (selected) {
    painter->fillRect(option.rect, palette.highlight());
  } else if (background.canConvert<QBrush>()) {
    painter->fillRect(option.rect, background.value<QBrush>());
  }
  QString text = index.data(Qt::DisplayRole).toString();
  if (text.isEmpty()) return;
  QVariant font = index.data(Qt::FontRole);
  painter->save();
  if (font.isValid()) painter->setFont(font.value<QFont>());
  painter->setPen(selected ? palette.color(QPalette::HighlightedText)
                           : palette.color(QPalette::Text));
  QRect area = option.rect.adjusted(3, 0, -3, 0);
  QVariant align = index.data(Qt::TextAlignmentRole);
  int flags =
      align.isValid() ? align.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
  Key key{text, painter->font().key(), area.width()};
  auto found = texts_.constFind(key);
  if (found == texts_.constEnd()) {
    if (texts_.size() > 4000) texts_.clear();
    QFontMetrics metrics = painter->fontMetrics();
    QString shown = text;
    if (metrics.horizontalAdvance(text) > area.width()) {
      shown = metrics.elidedText(text, Qt::ElideRight, area.width());
    }
    QStaticText laid_out(shown);
    laid_out.setTextFormat(Qt::PlainText);
    laid_out.prepare(QTransform(), painter->font());
    found = texts_.insert(key, laid_out);
  }
  const QStaticText& laid_out = found.value();
  QSizeF size = laid_out.size();
  qreal x = area.left();
  if (flags & Qt::AlignRight) x = area.right() + 1 - size.width();
  qreal y = area.top() + (area.height() - size.height()) / 2;
  painter->drawStaticText(QPointF(x, y), laid_out);
  painter->restore();
}

}  // namespace vrq5::gui
