// The channel map drawn: a lane per bank (and per fixed area) across the
// receiver's range on a logarithmic scale, the VFO bands shaded behind.
// Hovering over a mark shows its row label, frequency and name; a click on
// one reports its row. What is drawn where comes from store/channel_map.h;
// the sizes follow the widget's font and the colours its palette.
#ifndef VRQ5_GUI_CHANNEL_MAP_VIEW_H_
#define VRQ5_GUI_CHANNEL_MAP_VIEW_H_

#include <QWidget>
#include <optional>

#include "store/channel_map.h"

namespace vrq5::gui {

class ChannelMapView : public QWidget {
  Q_OBJECT

 public:
  explicit ChannelMapView(QWidget* parent = nullptr);

  void SetMap(ChannelMap map);
  const ChannelMap& map() const { return map_; }

  // The mark under a point of the widget, or none.
  std::optional<ChannelMark> MarkAtPoint(const QPoint& point) const;
  // The point where a mark is drawn.
  QPoint PointOf(const ChannelMark& mark) const;

  QSize sizeHint() const override;

 signals:
  void rowClicked(int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The picture's measures in the font of its texts, taken again when the
  // font or the language changes.
  struct Layout {
    int lane_height = 0, left = 0, top = 0, right = 0, bottom = 0;
  };
  void Measure();
  QFont SmallFont() const;  // the lane names and the scale
  QRect Plot() const;       // the area of the lanes
  int LaneTop(int lane) const;

  ChannelMap map_;
  Layout layout_;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_CHANNEL_MAP_VIEW_H_
