#include "store/channel_map.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "codec/tables.h"
#include "codec/text.h"
#include "codec/ui_text.h"
#include "store/entry.h"

namespace vrq5 {

namespace {

int LaneOfSlot(const Document& doc, int slot) {
  switch (KindOfSlot(slot)) {
    case SlotKind::kMemory:
      return doc.BankOfSlot(slot);
    case SlotKind::kProgramScan:
      return kBankCount;
    case SlotKind::kSearchPass:
      return kBankCount + 1;
    case SlotKind::kPriority:
      return kBankCount + 2;
  }
  return -1;
}

std::string TrimRight(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

ChannelMap BuildChannelMap(const Document& doc) {
  ChannelMap map;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const Slot& s = doc.Mem[slot];
    if (doc.MemFlag[slot] != -1 || !SlotHoldsChannel(s)) continue;
    int lane = LaneOfSlot(doc, slot);
    if (lane < 0) continue;  // a memory row no bank covers
    map.marks.push_back({slot + 1, lane, s.value[kFreq], doc.SlotLabel(slot),
                         TrimRight(s.text[kName])});
  }
  const int column =
      doc.ModelIndex >= 0 && doc.ModelIndex < 4 ? doc.ModelIndex : 0;
  for (int band = 0; band < kVfoBands; ++band) {
    if (!VfoBandExists(doc.ModelIndex, band)) continue;
    const auto& limit = BandLimit[column][band];
    map.bands.push_back(
        {limit[0], limit[1], std::string(BandRangeText[column][band])});
  }
  return map;
}

std::vector<MapTableRow> MapTableRows(const ChannelMap& map) {
  std::vector<const ChannelMark*> order;
  order.reserve(map.marks.size());
  for (const ChannelMark& mark : map.marks) order.push_back(&mark);
  // A frequency that is no number goes last in its lane rather than
  // breaking the order.
  auto key = [](const ChannelMark* m) {
    double mhz = std::isnan(m->mhz) ? HUGE_VAL : m->mhz;
    return std::tuple(m->lane, mhz, m->row);
  };
  std::sort(order.begin(), order.end(),
            [&](const ChannelMark* a, const ChannelMark* b) {
              return key(a) < key(b);
            });
  std::vector<MapTableRow> rows;
  rows.reserve(order.size());
  for (const ChannelMark* m : order) {
    rows.push_back({m->row, LaneName(m->lane), m->label,
                    FormatFrequency(m->mhz) + " MHz", m->name});
  }
  return rows;
}

std::string LaneName(int lane) {
  if (lane >= 0 && lane < kBankCount)
    return Fill(UiText("Bank %1"), {Pad2(lane)});
  if (lane == kBankCount) return std::string(UiText("Program scan"));
  if (lane == kBankCount + 1) return std::string(UiText("Search pass"));
  if (lane == kBankCount + 2) return std::string(UiText("Priority"));
  return "";
}

double MapPosition(double mhz) {
  if (!(mhz > kMapLowMhz)) return 0;
  if (mhz >= kMapHighMhz) return 1;
  return std::log(mhz / kMapLowMhz) / std::log(kMapHighMhz / kMapLowMhz);
}

double MapFrequency(double position) {
  position = std::clamp(position, 0.0, 1.0);
  return kMapLowMhz * std::pow(kMapHighMhz / kMapLowMhz, position);
}

std::optional<ChannelMark> MarkAt(const ChannelMap& map, int lane,
                                  double position, double tolerance) {
  std::optional<ChannelMark> best;
  double best_distance = tolerance;
  for (const ChannelMark& mark : map.marks) {
    if (mark.lane != lane) continue;
    double distance = std::abs(MapPosition(mark.mhz) - position);
    if (distance <= best_distance) {
      best_distance = distance;
      best = mark;
    }
  }
  return best;
}

}  // namespace vrq5
