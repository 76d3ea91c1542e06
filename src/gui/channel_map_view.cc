#include "gui/channel_map_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "gui/controls.h"

namespace vrq5::gui {

namespace {
constexpr int kHitPixels = 4;  // how near the pointer must come to a mark

// `a` moved towards `b` by `amount` (0..1): the picture's shades are taken
// from the palette, so that they suit a light and a dark one alike.
QColor Mix(const QColor& a, const QColor& b, double amount) {
  return QColor::fromRgbF(
      static_cast<float>(a.redF() + (b.redF() - a.redF()) * amount),
      static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * amount),
      static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * amount));
}
}  // namespace

ChannelMapView::ChannelMapView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picChannelMap"));
  setMouseTracking(true);
  Measure();
}

void ChannelMapView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange ||
      event->type() == QEvent::LanguageChange) {
    Measure();
    updateGeometry();
    update();
  }
  QWidget::changeEvent(event);
}

void ChannelMapView::SetMap(ChannelMap map) {
  map_ = std::move(map);
  update();
}

QSize ChannelMapView::sizeHint() const {
  return {FontSized(this, 161, 0).width(),
          layout_.top + layout_.bottom + kMapLanes * layout_.lane_height};
}

QFont ChannelMapView::SmallFont() const {
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.8);
  return small;
}

void ChannelMapView::Measure() {
  QFontMetrics metrics(SmallFont());
  int widest_name = 0;
  for (int lane = 0; lane < kMapLanes; ++lane) {
    widest_name = std::max(widest_name,
                           metrics.horizontalAdvance(CoreText(LaneName(lane))));
  }
  const int gap = metrics.averageCharWidth();
  layout_ = {metrics.height(), widest_name + 4 * gap,
             metrics.lineSpacing() + 13, 2 * gap,
             metrics.lineSpacing() * 2 / 3};
  setMinimumSize(
      FontSized(this, 92, 0).width(),
      layout_.top + layout_.bottom + kMapLanes * layout_.lane_height);
}

QRect ChannelMapView::Plot() const {
  const Layout& m = layout_;
  return QRect(m.left, m.top, std::max(1, width() - m.left - m.right),
               kMapLanes * m.lane_height);
}

int ChannelMapView::LaneTop(int lane) const {
  return layout_.top + lane * layout_.lane_height;
}

QPoint ChannelMapView::PointOf(const ChannelMark& mark) const {
  QRect plot = Plot();
  int x = plot.left() +
          static_cast<int>(std::lround(MapPosition(mark.mhz) * plot.width()));
  return {x, LaneTop(mark.lane) + layout_.lane_height / 2};
}

std::optional<ChannelMark> ChannelMapView::MarkAtPoint(
    const QPoint& point) const {
  QRect plot = Plot();
  if (point.y() < plot.top() || point.y() >= plot.bottom()) return {};
  int lane = (point.y() - plot.top()) / layout_.lane_height;
  double position = static_cast<double>(point.x() - plot.left()) / plot.width();
  return MarkAt(map_, lane, position,
                static_cast<double>(kHitPixels) / plot.width());
}

void ChannelMapView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& colours = palette();
  const QColor base = colours.color(QPalette::Base);
  const QColor text = colours.color(QPalette::Text);
  const QColor highlight = colours.color(QPalette::Highlight);
  p.fillRect(rect(), base);
  const Layout& m = layout_;
  QRect plot = Plot();
  auto x_of = [&](double mhz) {
    return plot.left() +
           static_cast<int>(std::lround(MapPosition(mhz) * plot.width()));
  };
  // The VFO bands, tinted in turn, behind everything.
  for (size_t i = 0; i < map_.bands.size(); ++i) {
    const MapBand& band = map_.bands[i];
    QRect r(QPoint(x_of(band.low), plot.top()),
            QPoint(x_of(band.high), plot.bottom()));
    p.fillRect(r, Mix(base, highlight, i % 2 == 0 ? 0.16 : 0.07));
  }
  // Lanes and their names.
  p.setFont(SmallFont());
  // Lines drawn in shades between the background and the text: faint but
  // seen on a light palette and a dark one alike.
  const QColor lane_line = Mix(base, text, 0.12);
  for (int lane = 0; lane < kMapLanes; ++lane) {
    int top = LaneTop(lane);
    p.setPen(lane_line);
    p.drawLine(plot.left(), top, plot.right(), top);
    p.setPen(text);
    p.drawText(QRect(0, top, m.left - m.right, m.lane_height),
               Qt::AlignRight | Qt::AlignVCenter, CoreText(LaneName(lane)));
  }
  // The scale: decades and their halves.
  const QFontMetrics metrics(p.font());
  const int label_width =
      metrics.horizontalAdvance(QStringLiteral("1000 MHz")) + m.right;
  for (double decade = 0.1; decade <= 1000.0; decade *= 10) {
    for (double step : {1.0, 2.0, 5.0}) {
      double mhz = decade * step;
      if (mhz < kMapLowMhz || mhz > kMapHighMhz) continue;
      int x = x_of(mhz);
      p.setPen(step == 1.0 ? Mix(base, text, 0.45) : Mix(base, text, 0.2));
      p.drawLine(x, plot.top() - 4, x, plot.bottom());
      p.setPen(text);
      p.drawText(QRect(x - label_width / 2, 2, label_width, m.top - 8),
                 Qt::AlignCenter,
                 QString::number(mhz) + QStringLiteral(" MHz"));
    }
  }
  // The channels: the highlight taken halfway to the text, so that they
  // stand out from the bands tinted with it.
  p.setPen(QPen(Mix(highlight, text, 0.5), 2));
  for (const ChannelMark& mark : map_.marks) {
    QPoint at = PointOf(mark);
    p.drawLine(at.x(), at.y() - m.lane_height / 2 + 2, at.x(),
               at.y() + m.lane_height / 2 - 2);
  }
}

void ChannelMapView::mouseMoveEvent(QMouseEvent* event) {
  QPoint point = event->position().toPoint();
  std::optional<ChannelMark> mark = MarkAtPoint(point);
  if (!mark) {
    QToolTip::hideText();
    return;
  }
  QString text = Text("%1  %2 MHz")
                     .arg(QString::fromStdString(mark->label))
                     .arg(mark->mhz, 0, 'f', 6);
  if (!mark->name.empty()) {
    text += QStringLiteral("  ") + QString::fromStdString(mark->name);
  }
  setToolTip(text);
  QToolTip::showText(event->globalPosition().toPoint(), text, this);
}

void ChannelMapView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (std::optional<ChannelMark> mark =
          MarkAtPoint(event->position().toPoint())) {
    emit rowClicked(mark->row);
  }
}

}  // namespace vrq5::gui
