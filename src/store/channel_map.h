// A picture of where the channels lie over the receiver's range: one lane
// per memory bank and one for each fixed area (program scan, search pass,
// priority), the model's VFO bands as the background, and a logarithmic
// frequency scale. The window draws it; what goes where is decided here.
#ifndef VRQ5_STORE_CHANNEL_MAP_H_
#define VRQ5_STORE_CHANNEL_MAP_H_

#include <optional>
#include <string>
#include <vector>

#include "store/document.h"

namespace vrq5 {

// The receiver's range on the scale, in MHz.
inline constexpr double kMapLowMhz = 0.1;
inline constexpr double kMapHighMhz = 1300.0;
// Lanes 0..49 are the banks; then program scan, search pass, priority.
inline constexpr int kMapLanes = kBankCount + 3;

struct ChannelMark {
  int row = 0;  // memory-grid row 1..1300
  int lane = 0;
  double mhz = 0;
  std::string label;  // the row label ("03-005", "12A", "S4", "Pr7")
  std::string name;   // the channel name, trailing blanks dropped
};

struct MapBand {
  double low = 0, high = 0;  // MHz
  std::string label;         // the band's range text
};

struct ChannelMap {
  std::vector<ChannelMark> marks;  // in row order
  std::vector<MapBand> bands;      // the model's VFO bands
};

// The marks of every slot holding a channel and the VFO bands of the
// document's model.
ChannelMap BuildChannelMap(const Document& doc);

// A line of the map's table, the picture told in words: the lane's name
// ("Bank 03"), the row label, the frequency ("145.500000 MHz") and the name.
struct MapTableRow {
  int row = 0;  // memory-grid row 1..1300
  std::string lane, label, frequency, name;
};

// The channels of the map as the lines of its table, lane by lane as the
// picture stacks them (banks first, then the fixed areas), each lane from
// the lowest frequency up; equal frequencies in row order.
std::vector<MapTableRow> MapTableRows(const ChannelMap& map);

// "Bank 03", "Program scan", "Search pass", "Priority".
std::string LaneName(int lane);

// Where a frequency lies on the scale, 0 (lowest) .. 1 (highest); values
// outside the range are held at its ends.
double MapPosition(double mhz);
// The frequency at a place on the scale (the inverse of MapPosition).
double MapFrequency(double position);

// The mark of `lane` nearest to `position`, within `tolerance` (on the same
// 0..1 scale), or none.
std::optional<ChannelMark> MarkAt(const ChannelMap& map, int lane,
                                  double position, double tolerance);

}  // namespace vrq5

#endif  // VRQ5_STORE_CHANNEL_MAP_H_
