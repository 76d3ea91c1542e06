// How far a transfer has come and the time it has left: the one estimate
// the window and vrq5 show, and how often they redraw it.
#ifndef VRQ5_LINK_TRANSFER_PACE_H_
#define VRQ5_LINK_TRANSFER_PACE_H_

#include <chrono>

namespace vrq5 {

class TransferPace {
 public:
  using Clock = std::chrono::steady_clock;

  // Takes a progress step (`value` of `maximum`). True when it is to be
  // shown now: the first step of a count, the last one, and otherwise at
  // most ten times a second. A new maximum starts a new count.
  bool Step(int value, int maximum, Clock::time_point now = Clock::now());

  // Whole seconds left, rounded up, at least 1 while work remains; -1 while
  // the pace is not known yet (no step done since the count began) and once
  // the count is complete. The pace is measured from the first step of the
  // count: the probes and the identification before it take their own time
  // once and would make every estimate too long.
  int SecondsLeft() const;

 private:
  int maximum_ = -1;
  int first_value_ = 0;
  int value_ = 0;
  Clock::time_point first_{};
  Clock::time_point last_step_{};
  Clock::time_point last_shown_{};
};

}  // namespace vrq5

#endif  // VRQ5_LINK_TRANSFER_PACE_H_
