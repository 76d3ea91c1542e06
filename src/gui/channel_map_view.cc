#include "gui/channel_map_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "gui/controls.h"

namespace vrq5::gui {

namespace {
constexpr int kLaneHeight = 11;
constexpr int kLeft = 92;  // room for the lane names
constexpr int kTop = 24;   // room for the scale
constexpr int kRight = 12;
constexpr int kBottom = 8;
constexpr int kHitPixels = 4;
}  // namespace

ChannelMapView::ChannelMapView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picChannelMap"));
  setMouseTracking(true);
  setMinimumSize(560, kTop + kBottom + kMapLanes * kLaneHeight);
}

void ChannelMapView::SetMap(ChannelMap map) {
  map_ = std::move(map);
  update();
}

QSize ChannelMapView::sizeHint() const {
  return {980, kTop + kBottom + kMapLanes * kLaneHeight};
}

QRect ChannelMapView::Plot() const {
  return QRect(kLeft, kTop, std::max(1, width() - kLeft - kRight),
               kMapLanes * kLaneHeight);
}

int ChannelMapView::LaneTop(int lane) const {
  return kTop + lane * kLaneHeight;
}

QPoint ChannelMapView::PointOf(const ChannelMark& mark) const {
  QRect plot = Plot();
  int x = plot.left() +
          static_cast<int>(std::lround(MapPosition(mark.mhz) * plot.width()));
  return {x, LaneTop(mark.lane) + kLaneHeight / 2};
}

std::optional<ChannelMark> ChannelMapView::MarkAtPoint(
    const QPoint& point) const {
  QRect plot = Plot();
  if (point.y() < plot.top() || point.y() >= plot.bottom()) return {};
  int lane = (point.y() - kTop) / kLaneHeight;
  double position = static_cast<double>(point.x() - plot.left()) / plot.width();
  return MarkAt(map_, lane, position,
                static_cast<double>(kHitPixels) / plot.width());
}

void ChannelMapView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().base());
  QRect plot = Plot();
  auto x_of = [&](double mhz) {
    return plot.left() +
           static_cast<int>(std::lround(MapPosition(mhz) * plot.width()));
  };
  // The VFO bands, shaded in turn, behind everything.
  for (size_t i = 0; i < map_.bands.size(); ++i) {
    const MapBand& band = map_.bands[i];
    QRect r(QPoint(x_of(band.low), plot.top()),
            QPoint(x_of(band.high), plot.bottom()));
    p.fillRect(r, i % 2 == 0 ? QColor(232, 240, 252) : QColor(245, 248, 236));
  }
  // Lanes and their names.
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.8);
  p.setFont(small);
  for (int lane = 0; lane < kMapLanes; ++lane) {
    int top = LaneTop(lane);
    p.setPen(QColor(220, 220, 220));
    p.drawLine(plot.left(), top, plot.right(), top);
    p.setPen(palette().text().color());
    p.drawText(QRect(4, top, kLeft - 8, kLaneHeight),
               Qt::AlignRight | Qt::AlignVCenter, CoreText(LaneName(lane)));
  }
  // The scale: decades and their halves.
  for (double decade = 0.1; decade <= 1000.0; decade *= 10) {
    for (double step : {1.0, 2.0, 5.0}) {
      double mhz = decade * step;
      if (mhz < kMapLowMhz || mhz > kMapHighMhz) continue;
      int x = x_of(mhz);
      p.setPen(step == 1.0 ? QColor(150, 150, 150) : QColor(205, 205, 205));
      p.drawLine(x, plot.top() - 4, x, plot.bottom());
      p.setPen(palette().text().color());
      p.drawText(QRect(x - 30, 2, 60, kTop - 8), Qt::AlignCenter,
                 QString::number(mhz) + QStringLiteral(" MHz"));
    }
  }
  // The channels.
  p.setPen(QPen(QColor(200, 40, 40), 2));
  for (const ChannelMark& mark : map_.marks) {
    QPoint at = PointOf(mark);
    p.drawLine(at.x(), at.y() - kLaneHeight / 2 + 2, at.x(),
               at.y() + kLaneHeight / 2 - 2);
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
